#pragma once
// The editor's map picture "Image1": 480 x 280 px, 24 x 14 cells of
// 20 x 20 px; a cell's 16 x 16 picture sits 2 px inside its square. It
// reports clicks by position, and offers a keyboard cursor: the arrows move
// it over the cells the learner may paint, Return or Space paints there.
#include <QImage>
#include <QPixmap>
#include <QWidget>

class cLevelCanvas : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCellPixels = 20;

    explicit cLevelCanvas(QWidget* parent);

    void setBackground(const QPixmap& picture);
    // Draws `picture` at (20 * (column - 1) + 2, 20 * (row - 1) + 2).
    void drawCell(int column, int row, const QPixmap& picture);
    const QImage& image() const { return image_; }

    // The cell whose square holds a point of the picture; 0 / 0 outside.
    static void cellAt(QPoint pos, int& column, int& row);
    int cursorColumn() const { return cursorColumn_; }
    int cursorRow() const { return cursorRow_; }

signals:
    // A click (or Return / Space on the cursor) at a point of the picture.
    void clickedAt(QPoint pos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QImage image_;
    int cursorColumn_ = 2;
    int cursorRow_ = 2;
};

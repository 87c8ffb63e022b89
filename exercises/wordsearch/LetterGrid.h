#pragma once
// The word search's grid image "feld": 320 x 320 px, 15 x 15 cells of
// 20 x 20 px in its top left 300 x 300 px. It reports the pointer position
// and clicks, and highlights the cell under the pointer. By keyboard the
// arrows move that cell and Return or Space clicks it.
#include <QImage>
#include <QPixmap>
#include <QWidget>

class cLetterGrid : public QWidget {
    Q_OBJECT
public:
    explicit cLetterGrid(QWidget* parent);

    // Draws `picture` with its top left corner at the cell's corner
    // (column and row 1 .. 15).
    void drawCell(int column, int row, const QPixmap& picture);
    // The cell under the pointer, 0 / 0 when none.
    int hoverColumn() const { return hoverColumn_; }
    int hoverRow() const { return hoverRow_; }
    const QImage& image() const { return image_; }

signals:
    void mouseMoved(int x, int y);
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void track(QPoint pos);
    // Reports the centre of the keyboard's cell as the pointer position.
    void pointAtKeyCell();

    QImage image_;
    int hoverColumn_ = 0;
    int hoverRow_ = 0;
    int keyColumn_ = 1;
    int keyRow_ = 1;
};

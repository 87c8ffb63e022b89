#pragma once
// A picture that reacts to the mouse: the clickable areas laid over a drawn
// background (doors, hot spots, transparent buttons and labels). Empty, it
// lets the background show through; it reports moves and clicks. A picture
// looks the same while its window is disabled behind another one.
//
// A clickable area made reachable by keyboard (setKeyReachable) takes the
// focus with Tab (a mouse click leaves the focus where it was), shows it
// with a dashed frame and clicks on Return, Enter or Space.
#include <QLabel>

namespace tavrio {

class cPictureArea : public QLabel {
    Q_OBJECT
public:
    explicit cPictureArea(QWidget* parent = nullptr);
    cPictureArea(const QString& objectName, const QRect& geometry, QWidget* parent);

    // Tab focus, the keys above and a pointing-hand cursor.
    void setKeyReachable();

signals:
    void mouseMoved();
    void clicked();
    // The area took the keyboard focus.
    void focused();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
};

} // namespace tavrio

#pragma once
// A picture that reacts to the mouse: the clickable areas laid over a drawn
// background (doors, hot spots, transparent buttons and labels). Empty, it
// lets the background show through; it reports moves and clicks. A picture
// looks the same while its window is disabled behind another one.
#include <QLabel>

namespace tavrio {

class cPictureArea : public QLabel {
    Q_OBJECT
public:
    explicit cPictureArea(QWidget* parent = nullptr);
    cPictureArea(const QString& objectName, const QRect& geometry, QWidget* parent);

signals:
    void mouseMoved();
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace tavrio

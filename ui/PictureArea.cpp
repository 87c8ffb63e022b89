#include "ui/PictureArea.h"

#include <QMouseEvent>
#include <QPainter>

namespace tavrio {

cPictureArea::cPictureArea(QWidget* parent)
    : QLabel(parent)
{
    setMouseTracking(true);
}

cPictureArea::cPictureArea(const QString& objectName, const QRect& geometry, QWidget* parent)
    : cPictureArea(parent)
{
    setObjectName(objectName);
    setGeometry(geometry);
}

void cPictureArea::paintEvent(QPaintEvent* event)
{
    const QPixmap pm = pixmap();
    if (pm.isNull()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter p(this);
    p.drawPixmap(0, 0, pm);
}

void cPictureArea::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMoved();
    QLabel::mouseMoveEvent(event);
}

// Accepting the press makes this area receive the release.
void cPictureArea::mousePressEvent(QMouseEvent* event) { event->accept(); }

void cPictureArea::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

} // namespace tavrio

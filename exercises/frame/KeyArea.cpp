#include "exercises/frame/KeyArea.h"

#include <QPainter>

cKeyArea::cKeyArea(const QString& objectName, const QRect& geometry, QWidget* parent)
    : tavrio::cPictureArea(objectName, geometry, parent)
{
    setKeyReachable();
    setAlignment(Qt::AlignCenter);
}

void cKeyArea::paintEvent(QPaintEvent* event)
{
    if (!text().isEmpty()) {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(face_.darker(160), 2));
        p.setBrush(face_);
        p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 8, 8);
    }
    tavrio::cPictureArea::paintEvent(event);
}

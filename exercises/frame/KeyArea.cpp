#include "exercises/frame/KeyArea.h"

#include <QKeyEvent>
#include <QPainter>

cKeyArea::cKeyArea(const QString& objectName, const QRect& geometry, QWidget* parent)
    : tavrio::cPictureArea(objectName, geometry, parent)
{
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    setAlignment(Qt::AlignCenter);
}

void cKeyArea::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        event->accept();
        emit clicked();
        return;
    default:
        tavrio::cPictureArea::keyPressEvent(event);
    }
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
    if (hasFocus()) {
        QPainter p(this);
        p.setPen(QPen(Qt::black, 2, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(rect()).adjusted(3, 3, -3, -3), 6, 6);
    }
}

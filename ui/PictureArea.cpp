#include "ui/PictureArea.h"

#include <QKeyEvent>
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

void cPictureArea::setKeyReachable()
{
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
}

void cPictureArea::paintEvent(QPaintEvent* event)
{
    const QPixmap pm = pixmap();
    if (pm.isNull()) {
        QLabel::paintEvent(event);
    } else {
        QPainter p(this);
        p.drawPixmap(0, 0, pm);
    }
    if (hasFocus()) {
        // White under black dashes, so the frame shows on dark and light
        // pictures alike.
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(Qt::NoBrush);
        const QRectF frame = QRectF(rect()).adjusted(3, 3, -3, -3);
        p.setPen(QPen(Qt::white, 3));
        p.drawRoundedRect(frame, 6, 6);
        p.setPen(QPen(Qt::black, 2, Qt::DashLine));
        p.drawRoundedRect(frame, 6, 6);
    }
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

void cPictureArea::keyPressEvent(QKeyEvent* event)
{
    const bool clickKey = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter
        || event->key() == Qt::Key_Space;
    if (clickKey && (focusPolicy() & Qt::TabFocus) && event->modifiers() == Qt::NoModifier) {
        event->accept();
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void cPictureArea::focusInEvent(QFocusEvent* event)
{
    QLabel::focusInEvent(event);
    emit focused();
}

} // namespace tavrio

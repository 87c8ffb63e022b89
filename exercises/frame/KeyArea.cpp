#include "exercises/frame/KeyArea.h"

#include <QPainter>

cKeyArea::cKeyArea(const QString& objectName, const QRect& geometry, QWidget* parent, const QString& caption)
    : tavrio::cPictureArea(objectName, geometry, parent)
{
    if (!caption.isEmpty()) {
        setTextFormat(Qt::PlainText);
        setText(caption);
    }
    setKeyReachable();
    setAlignment(Qt::AlignCenter);
}

void cKeyArea::paintEvent(QPaintEvent* event)
{
    if (text().isEmpty()) {
        tavrio::cPictureArea::paintEvent(event);
        return;
    }
    // A focused face turns blue with white letters: a dashed frame would
    // hide the letter of a key as small as the wheel's.
    static const QColor focusFace(30, 80, 180);
    const bool focused = hasFocus();
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(focused ? focusFace.darker(150) : face_.darker(160), 2));
    p.setBrush(focused ? focusFace : face_);
    p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 8, 8);
    p.setPen(focused ? QColor(Qt::white) : palette().color(foregroundRole()));
    p.setFont(font());
    p.drawText(contentsRect(), int(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0), text());
}

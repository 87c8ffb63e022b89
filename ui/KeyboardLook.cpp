#include "ui/KeyboardLook.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleOption>

namespace tavrio {

namespace {

// White under black dashes, shows on any face.
void drawFocusFrame(QPainter* p, const QRectF& frame)
{
    p->save();
    p->setRenderHint(QPainter::Antialiasing);
    p->setBrush(Qt::NoBrush);
    p->setPen(QPen(Qt::white, 3));
    p->drawRoundedRect(frame, 4, 4);
    p->setPen(QPen(Qt::black, 2, Qt::DashLine));
    p->drawRoundedRect(frame, 4, 4);
    p->restore();
}

class cFocusFrameStyle : public QProxyStyle {
public:
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* p,
                     const QWidget* widget) const override
    {
        QProxyStyle::drawControl(element, option, p, widget);
        if (element == CE_PushButton && (option->state & State_HasFocus))
            drawFocusFrame(p, QRectF(option->rect).adjusted(3, 3, -3, -3));
    }
    // Buttons drawn through a style sheet ask for their focus frame here,
    // check boxes for the frame around their caption.
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* p,
                       const QWidget* widget) const override
    {
        if (element == PE_FrameFocusRect && qobject_cast<const QPushButton*>(widget)) {
            drawFocusFrame(p, QRectF(widget->rect()).adjusted(3, 3, -3, -3));
            return;
        }
        if (element == PE_FrameFocusRect && qobject_cast<const QAbstractButton*>(widget)) {
            drawFocusFrame(p, QRectF(option->rect).adjusted(-1, 0, 1, 0));
            return;
        }
        QProxyStyle::drawPrimitive(element, option, p, widget);
    }
};

class cReturnClicks : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* button = qobject_cast<QPushButton*>(watched);
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool returnKey = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (!button || !returnKey || !plain || button->autoDefault() || !button->isEnabled())
            return false;
        if (!key->isAutoRepeat())
            button->click();
        return true;
    }
};

} // namespace

void installKeyboardLook(QApplication& app)
{
    QApplication::setStyle(new cFocusFrameStyle);
    app.installEventFilter(new cReturnClicks(&app));
}

} // namespace tavrio

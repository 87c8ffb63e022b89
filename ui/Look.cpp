#include "ui/Look.h"

#include <QEvent>
#include <QPalette>
#include <QVariant>
#include <QWidget>

namespace tavrio {
namespace {
constexpr char kPendingSheet[] = "tavrioPendingStyleSheet";

// Lives as a child of the widget until the widget is first shown.
class cSheetOnShow final : public QObject {
public:
    explicit cSheetOnShow(QWidget* w) : QObject(w) { w->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Show)
            return false;
        auto* w = static_cast<QWidget*>(watched);
        const QString sheet = w->property(kPendingSheet).toString();
        w->setProperty(kPendingSheet, QVariant());
        w->removeEventFilter(this);
        if (w->styleSheet().isEmpty())
            w->setStyleSheet(sheet);
        deleteLater();
        return false;
    }
};
} // namespace

void setTextColour(QWidget* w, QColor colour)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, colour);
    w->setPalette(pal);
}

void setBackground(QWidget* w, QColor colour)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, colour);
    w->setPalette(pal);
    w->setAutoFillBackground(colour.alpha() > 0);
}

void setStyleSheetWhenShown(QWidget* w, const QString& sheet)
{
    if (w->isVisible()) {
        w->setStyleSheet(sheet);
        return;
    }
    const bool waiting = w->property(kPendingSheet).isValid();
    w->setProperty(kPendingSheet, sheet);
    if (!waiting)
        new cSheetOnShow(w);
}

} // namespace tavrio

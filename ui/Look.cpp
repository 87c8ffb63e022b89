#include "ui/Look.h"

#include <QEvent>
#include <QPalette>
#include <QPointer>
#include <QVariant>
#include <QWidget>

namespace tavrio {
namespace {
constexpr char kPendingSheet[] = "tavrioPendingStyleSheet";

// Lives as a child of the widget until the widget is first shown.
class cOnFirstShow final : public QObject {
public:
    cOnFirstShow(QWidget* w, std::function<void()> work) : QObject(w), work_(std::move(work))
    {
        w->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Show)
            return false;
        watched->removeEventFilter(this);
        deleteLater();
        work_();
        return false;
    }

private:
    std::function<void()> work_;
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

void whenFirstShown(QWidget* w, std::function<void()> work)
{
    if (w->isVisible())
        work();
    else
        new cOnFirstShow(w, std::move(work));
}

void adjustSizeWhenShown(QWidget* w, std::function<void()> then)
{
    QWidget* window = w->window();
    if (window->isVisible()) {
        w->adjustSize();
        if (then)
            then();
        return;
    }
    const QSize unsized = w->size();
    whenFirstShown(window, [w = QPointer<QWidget>(w), unsized, then = std::move(then)] {
        if (!w)
            return;
        if (w->size() == unsized)
            w->adjustSize();
        if (then)
            then();
    });
}

void placeAfterWhenShown(QWidget* w, QWidget* next, int gap, int fill)
{
    adjustSizeWhenShown(w, [w, next = QPointer<QWidget>(next), gap, fill] {
        if (!next)
            return;
        const int x = w->x() + w->width() + gap;
        if (fill > 0)
            next->setGeometry(x, next->y(), fill - x, next->height());
        else
            next->move(x, next->y());
    });
}

void setFontWhenShown(QWidget* w, const QFont& font)
{
    whenFirstShown(w, [w, font] { w->setFont(font); });
}

void setStyleSheetWhenShown(QWidget* w, const QString& sheet)
{
    if (w->isVisible()) {
        w->setStyleSheet(sheet);
        return;
    }
    const bool waiting = w->property(kPendingSheet).isValid();
    w->setProperty(kPendingSheet, sheet);
    if (waiting)
        return;
    whenFirstShown(w, [w] {
        const QString pending = w->property(kPendingSheet).toString();
        w->setProperty(kPendingSheet, QVariant());
        if (w->styleSheet().isEmpty())
            w->setStyleSheet(pending);
    });
}

} // namespace tavrio

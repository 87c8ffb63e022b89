#pragma once
// Walks the keyboard focus with Tab through a window, as a pupil does.
#include <QApplication>
#include <QStringList>
#include <QTest>
#include <QWidget>

namespace tavrio::test {

// Shows and activates `window`, focuses `from` and presses Tab `steps`
// times; `from` and each widget the focus reached, in order (null where
// nothing had it). Empty when the window could not be activated.
inline QList<QWidget*> tabWalk(QWidget* window, QWidget* from, int steps)
{
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        return {};
    from->setFocus(Qt::TabFocusReason);
    QList<QWidget*> walk{QApplication::focusWidget()};
    for (int i = 0; i < steps; ++i) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window, Qt::Key_Tab);
        walk << QApplication::focusWidget();
    }
    return walk;
}

inline QStringList namesOf(const QList<QWidget*>& widgets)
{
    QStringList names;
    for (const QWidget* w : widgets)
        names << (w ? w->objectName() : QString());
    return names;
}

} // namespace tavrio::test

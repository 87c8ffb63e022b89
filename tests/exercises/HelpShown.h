#pragma once
// After a help click: the help window shows `picture` while the exercise
// window stays open; the help window is closed again for the next test.
#include "ui/HelpWindow.h"
#include "ui/Windows.h"

#include <QString>
#include <QWidget>
#include <QtTest>

namespace tavrio::test {

inline void checkHelpShownOver(const QWidget* window, const QString& picture)
{
    TForm15* help = tavrio::windows().form15;
    QCOMPARE(help->currentPicture(), picture);
    QVERIFY(help->isVisible());
    QVERIFY(window->isVisible());
    help->close();
}

} // namespace tavrio::test

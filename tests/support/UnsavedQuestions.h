#pragma once
// Tables of a window closed with Esc after some editing steps: which of the
// "not saved yet" questions were asked, each with "Nein" as its default, and
// whether the window closed and gave its opener back.
#include "ScriptedSeams.h"

#include "ui/Unsaved.h"

#include <QStringList>
#include <QWidget>
#include <QtTest>

namespace tavrio::test {

struct cUnsavedRow {
    QStringList steps; // the window's own step names, in order
    bool yes;          // the answer to the question on closing
    bool asked;        // closing asked
    bool closed;       // the window closed
    bool loadAsked;    // a step that loads asked first
};

inline void addUnsavedColumns()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("loadAsked");
}

inline cUnsavedRow fetchUnsavedRow()
{
    QFETCH(QStringList, steps);
    QFETCH(bool, yes);
    QFETCH(bool, asked);
    QFETCH(bool, closed);
    QFETCH(bool, loadAsked);
    return {steps, yes, asked, closed, loadAsked};
}

// After Esc was answered with row.yes.
inline void checkUnsavedClose(const ScriptedSeams& seams, const cUnsavedRow& row, const QWidget* window,
                              const QWidget& opener)
{
    QCOMPARE(seams.questions,
             QStringList(int(row.loadAsked), kUnsavedOnLoad) + QStringList(int(row.asked), kUnsavedOnClose));
    QCOMPARE(seams.questionDefaults.count(cDefaultAnswer::No), seams.questions.size());
    QCOMPARE(window->isVisible(), !row.closed);
    QCOMPARE(opener.isEnabled(), row.closed);
}

} // namespace tavrio::test

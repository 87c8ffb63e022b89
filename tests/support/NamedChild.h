#pragma once
// Finds a window's component by its object name; a missing component ends
// the test run with its name, so a renamed widget is reported plainly.
#include <QObject>
#include <QString>
#include <QtGlobal>

namespace tavrio::test {

template <class T>
T* namedChild(const QObject* parent, const QString& name)
{
    T* found = parent->findChild<T*>(name);
    if (!found)
        qFatal("%s has no child %s", qPrintable(parent->objectName()), qPrintable(name));
    return found;
}

} // namespace tavrio::test

#pragma once
// The text a pupil sees in a line edit, label or button found by its object
// name; any other kind of component ends the test run with its name.
#include "NamedChild.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tavrio::test {

inline QString namedText(const QObject* parent, const QString& name)
{
    QObject* o = namedChild<QObject>(parent, name);
    if (auto* e = qobject_cast<QLineEdit*>(o))
        return e->text();
    if (auto* l = qobject_cast<QLabel*>(o))
        return l->text();
    if (auto* b = qobject_cast<QPushButton*>(o))
        return b->text();
    qFatal("no text child %s", qPrintable(name));
    return {};
}

} // namespace tavrio::test

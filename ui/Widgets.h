#pragma once
// Components made the way the windows name them: a child with its object
// name at a fixed place (tests find it by that name).
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRect>
#include <QString>

#include "ui/Look.h"

namespace tavrio {

inline QPushButton* namedButton(const QString& caption, const char* name, const QRect& geometry, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(geometry);
    return b;
}

inline QLineEdit* namedEdit(const QString& text, const char* name, const QRect& geometry, QWidget* parent)
{
    auto* e = new QLineEdit(text, parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setGeometry(geometry);
    return e;
}

// A label at `at`, sized to its text when its window is first shown; bold, and at `pixelSize` when given.
inline QLabel* namedLabel(const QString& text, const char* name, QPoint at, QWidget* parent, int pixelSize = 0)
{
    auto* l = new QLabel(text, parent);
    if (name)
        l->setObjectName(QString::fromLatin1(name));
    QFont f = l->font();
    f.setBold(true);
    if (pixelSize > 0)
        f.setPixelSize(pixelSize);
    l->setFont(f);
    l->move(at);
    adjustSizeWhenShown(l);
    return l;
}

} // namespace tavrio

#pragma once
// A fresh pair from the session shown in a window's word fields: the
// original, the expected translation, and the answer field emptied. With
// nothing loaded both word fields end up empty.
#include "exercises/frame/WordDraw.h"
#include "ui/Text.h"
#include "ui/Windows.h"

#include <QLineEdit>

#include <string>

namespace tavrio::exercises {

inline void drawIntoFields(QLineEdit* original, QLineEdit* expected, QLineEdit* answer)
{
    std::string o;
    std::string t;
    drawWord(tavrio::session(), o, t);
    original->setText(tavrio::fromAnsi(o));
    expected->setText(tavrio::fromAnsi(t));
    answer->clear();
}

} // namespace tavrio::exercises

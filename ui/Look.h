#pragma once
// Colours, style sheets and other looks for windows that are built at
// start-up but shown later. A palette colour costs nothing; a style sheet
// (Qt resolves CSS rules for the widget and its children) or a font fitted
// by measuring text (Qt loads the font) is applied when the widget is first
// shown instead of while the program starts.
#include <QColor>
#include <QFont>
#include <QString>

#include <functional>

class QWidget;

namespace tavrio {

// The text colour in every colour group (also while disabled).
void setTextColour(QWidget* w, QColor colour);
// A filled background (none when `colour` is transparent).
void setBackground(QWidget* w, QColor colour);

// Runs `work` once, when `w` is first shown, before it is painted (at once
// when `w` is visible already).
void whenFirstShown(QWidget* w, std::function<void()> work);

// Sizes `w` to its contents (adjustSize) now when its window is visible,
// else when the window is first shown, then runs `then`: measuring text
// loads the text's font, which a window built at start-up does not need
// before it is shown. A size given to `w` meanwhile is kept.
void adjustSizeWhenShown(QWidget* w, std::function<void()> then = {});

// Places `next` `gap` pixels right of `w` once `w` is sized to its text
// (adjustSizeWhenShown), keeping `next`'s y; with `fill` > 0 `next` also
// stretches to end at x = `fill`.
void placeAfterWhenShown(QWidget* w, QWidget* next, int gap, int fill = 0);

// Sets `font` on `w` when `w` is first shown (at once when it is visible):
// a line edit lays out its text in its font as soon as the font is set,
// which loads the font.
void setFontWhenShown(QWidget* w, const QFont& font);

// Sets `sheet` on `w` when `w` is first shown. A sheet set directly on `w`
// before then wins; a later call replaces a pending sheet.
void setStyleSheetWhenShown(QWidget* w, const QString& sheet);

} // namespace tavrio

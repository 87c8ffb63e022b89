#pragma once
// Colours and style sheets for windows that are built at start-up but shown
// later. A palette colour costs nothing; a style sheet makes Qt resolve CSS
// rules for the widget and its children, so it is set when the widget is
// first shown instead of while the program starts.
#include <QColor>
#include <QString>

class QWidget;

namespace tavrio {

// The text colour in every colour group (also while disabled).
void setTextColour(QWidget* w, QColor colour);
// A filled background (none when `colour` is transparent).
void setBackground(QWidget* w, QColor colour);

// Sets `sheet` on `w` when `w` is first shown, before it is painted (at
// once when it is visible). A sheet set directly on `w` before then wins;
// a later call replaces a pending sheet.
void setStyleSheetWhenShown(QWidget* w, const QString& sheet);

} // namespace tavrio

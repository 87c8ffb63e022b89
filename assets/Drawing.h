#pragma once
// Drawing helpers shared by the painters: atomic BMP writing, drawn buttons
// and captions, and the common layout of a help picture.
#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>

class QPainter;

namespace tavrio::assets {

// Writes `image` as BMP to dir/windowsPath ("BG\\Start.bmp"), creating the
// folders; the file is written to a temporary name and renamed into place.
bool saveBmp(const QImage& image, const QString& dir, const QString& windowsPath);

// A new picture filled with one colour (32-bit, no alpha).
QImage canvas(int width, int height, QColor fill);

// Centred text in `box`, in a rounded, bold, child-friendly font.
void drawCaption(QPainter& p, const QRect& box, const QString& text, int pixelSize,
                 QColor colour = Qt::black);
// A drawn push button: raised rounded rectangle with its caption.
void drawButton(QPainter& p, const QRect& box, const QString& text, QColor face = QColor(255, 214, 90));

// An 800 x 600 help picture: a title and a few lines of German text.
// `textBottom`, when given, receives the y just below the last line.
bool paintHelpPicture(const QString& dir, const QString& windowsPath, const QString& title,
                      const QStringList& lines, int* textBottom = nullptr);

} // namespace tavrio::assets

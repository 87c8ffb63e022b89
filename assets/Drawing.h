#pragma once
// Drawing helpers shared by the painters: atomic BMP writing, drawn buttons
// and captions, and the common layout of a help picture.
#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>
#include <initializer_list>

class QPainter;

namespace tavrio::assets {

// Painters draw in picture units (an 800 x 600 background is 800 x 600
// units, whatever the scale). The generator runs every painter at scale 1,
// for the files the windows name, and at scale 2, for the double-size file
// beside each (ui/PictureNames.h), each pass in a thread of its own; the
// scale is per thread. Pixel-exact work belongs to scale 1 only.
void setPictureScale(int scale);
int pictureScale();

// Writes `image` to dir/windowsPath ("BG\\Start.bmp") as BMP, or at scale 2
// to its double-size name, creating the folders; the file is written to a
// temporary name and renamed into place.
bool savePicture(const QImage& image, const QString& dir, const QString& windowsPath);
// The same, at scale 1 as a raw BMP (ui/RawBmp.h), for pictures shown the
// moment the program starts: they load without converting a pixel.
bool saveRawPicture(const QImage& image, const QString& dir, const QString& windowsPath);
// A picture written before at the current scale, or a null image.
QImage readPicture(const QString& dir, const QString& windowsPath);

// Runs every painter, also after one has failed; false when any failed.
bool paintAll(const QString& dir, std::initializer_list<bool (*)(const QString&)> painters);

// A new picture of `width` x `height` units filled with one colour (32-bit,
// no alpha); its device pixel ratio is the scale, so a QPainter on it draws
// in units.
QImage canvas(int width, int height, QColor fill);
// The picture's rectangle in units.
QRect area(const QImage& image);

// Centred text in `box`, in a rounded, bold, child-friendly font.
void drawCaption(QPainter& p, const QRect& box, const QString& text, int pixelSize,
                 QColor colour = Qt::black);
// The width in units of one line of caption text at `pixelSize`.
qreal captionWidth(const QString& text, int pixelSize);
// A drawn push button: raised rounded rectangle with its caption.
void drawButton(QPainter& p, const QRect& box, const QString& text, QColor face = QColor(255, 214, 90));

// A wavy line of `swings` S-bends from (left, y) to (right, y), reaching
// about `swing` units above and below y: water.
void drawWave(QPainter& p, qreal left, qreal right, qreal y, qreal swing, int swings = 2);

// An 800 x 600 help picture: a title and a few lines of German text.
// `textBottom`, when given, receives the y just below the last line.
bool paintHelpPicture(const QString& dir, const QString& windowsPath, const QString& title,
                      const QStringList& lines, int* textBottom = nullptr);

} // namespace tavrio::assets

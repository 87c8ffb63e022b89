#pragma once
// A fast PNG writer for the double-size pictures: 8-bit RGB, every row
// filtered against the row above, deflated at zlib's fastest level. Qt's own
// writer tries every filter on every row and took most of the generator's
// time; this one is about five times quicker at a similar size.
#include <QByteArray>
#include <QImage>

namespace tavrio::assets {

QByteArray encodePng(const QImage& image);

} // namespace tavrio::assets

#include "exercises/maze/MazeField.h"

#include "ui/Assets.h"

#include <QPainter>

using namespace tavrio::maze;
using tavrio::level::kColumns;
using tavrio::level::kRows;

namespace {
// Cuts a strip of cells; a double-size strip gives double-size cells that
// still cover kCellPixels units.
std::vector<QPixmap> cut(const QPixmap& strip, int count)
{
    std::vector<QPixmap> pictures;
    if (strip.isNull())
        return pictures;
    const int cell = qRound(kCellPixels * strip.devicePixelRatio());
    for (int i = 0; i < count && (i + 1) * cell <= strip.width(); ++i) {
        pictures.push_back(strip.copy(i * cell, 0, cell, cell));
        pictures.back().setDevicePixelRatio(strip.devicePixelRatio());
    }
    return pictures;
}

// A plain cell for a missing picture: a colour per code, letters written on.
QPixmap plainCell(int code)
{
    static const QColor colours[] = {QColor(60, 140, 230), QColor(250, 250, 250), QColor(90, 90, 90),
                                     QColor(30, 60, 140), QColor(220, 40, 40)};
    QPixmap pm(kCellPixels, kCellPixels);
    pm.fill(code >= 0 && code <= 4 ? colours[code] : QColor(255, 230, 150));
    if (code >= 5) {
        QPainter p(&pm);
        p.drawText(pm.rect(), Qt::AlignCenter, QString(QChar('A' + (code - 5) % 26)));
    }
    return pm;
}
} // namespace

cMazeField::cMazeField(const cPictureLists& lists, QWidget* parent)
    : QWidget(parent)
    , lists_(lists)
{
    setObjectName(QStringLiteral("feld"));
    setFixedSize(kColumns * kCellPixels, kRows * kCellPixels);
}

void cMazeField::setMap(const tavrio::level::cLevelMap& map)
{
    map_ = map;
    drawn_ = true;
    update();
}

void cMazeField::clear()
{
    drawn_ = false;
    update();
}

void cMazeField::releasePictures()
{
    bilder_.clear();
    buchstaben_.clear();
    loaded_ = false;
}

void cMazeField::loadLists()
{
    bilder_ = cut(tavrio::loadPicture(QString::fromLatin1(lists_.bilder)), lists_.bilderCount);
    buchstaben_ = cut(tavrio::loadPicture(QString::fromLatin1(lists_.buchstaben)), lists_.buchstabenCount);
    loaded_ = true;
}

QPixmap cMazeField::picture(int code)
{
    if (code < 0)
        code = 0;
    const std::vector<QPixmap>& list = code < 5 ? bilder_ : buchstaben_;
    const std::size_t index = static_cast<std::size_t>(code < 5 ? code : code - 5);
    return index < list.size() ? list[index] : plainCell(code);
}

void cMazeField::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (!drawn_)
        return;
    if (!loaded_)
        loadLists();
    for (int row = 1; row <= kRows; ++row)
        for (int column = 1; column <= kColumns; ++column)
            p.drawPixmap((column - 1) * kCellPixels, (row - 1) * kCellPixels, picture(map_.at(column, row)));
}

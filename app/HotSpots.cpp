#include "app/HotSpots.h"

#include "ui/Assets.h"
#include "ui/PictureArea.h"

namespace tavrio {

void cHotSpots::add(cPictureArea* spot, QLabel* picture, const QString& litPath)
{
    entries_.push_back({spot, picture, litPath});
}

void cHotSpots::light(const cPictureArea* spot)
{
    // Mouse moves come in streams; only a change of hot spot repaints.
    if (spot == lit_)
        return;
    lit_ = nullptr;
    for (Entry& e : entries_) {
        if (e.spot != spot) {
            if (!e.spot->pixmap().isNull())
                e.spot->clear();
            continue;
        }
        if (e.picture->pixmap().isNull())
            e.picture->setPixmap(loadPicture(e.path));
        e.spot->setPixmap(e.picture->pixmap());
        lit_ = e.spot;
    }
}

void cHotSpots::clear() { light(nullptr); }

} // namespace tavrio

#pragma once
// Hover highlighting: each hot spot has a hidden picture holding its lit
// image. Lighting one shows that image on it and empties every other, so at
// most one is lit. Lit images are read from disk the first time they are
// needed, which keeps start-up cheap.
#include <QString>
#include <vector>

class QLabel;

namespace tavrio {

class cPictureArea;

class cHotSpots {
public:
    void add(cPictureArea* spot, QLabel* picture, const QString& litPath);
    void light(const cPictureArea* spot);
    void clear();
    // The lit hot spot, or null.
    const cPictureArea* lit() const { return lit_; }

private:
    struct Entry {
        cPictureArea* spot;
        QLabel* picture;
        QString path;
    };
    std::vector<Entry> entries_;
    const cPictureArea* lit_ = nullptr;
};

} // namespace tavrio

#pragma once
// A clickable area over an exercise's background picture (a button drawn
// into the picture) that the keyboard reaches too (see
// cPictureArea::setKeyReachable). A caption, when set, is shown on a plain
// face that covers the drawn button; the face turns blue while focused.
#include "ui/PictureArea.h"

#include <QColor>

class cKeyArea : public tavrio::cPictureArea {
    Q_OBJECT
public:
    // `caption` is plain text. It is set before the area takes the focus
    // policy: a label that can take the focus builds a rich text control
    // for every text set while it can.
    cKeyArea(const QString& objectName, const QRect& geometry, QWidget* parent, const QString& caption = {});

    void setFace(QColor face) { face_ = face; update(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor face_{255, 255, 255};
};

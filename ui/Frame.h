#pragma once
// A plain frame two units wide in the palette's dark grey. The style's own
// one-unit frame loses whole edges when the program is drawn 1.5 times
// larger; two filled units are three device pixels at that factor and never
// vanish.
#include <QAbstractScrollArea>
#include <QScrollBar>

namespace tavrio {

inline void setVisibleFrame(QFrame* frame)
{
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    frame->setLineWidth(2);
    // A plain box is drawn in the window-text colour; scroll bars keep the
    // palette they had, so their arrows stay dark.
    QPalette pal = frame->palette();
    const QPalette before = pal;
    pal.setColor(QPalette::WindowText, pal.color(QPalette::Dark));
    frame->setPalette(pal);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(frame))
        for (QScrollBar* bar : {area->horizontalScrollBar(), area->verticalScrollBar()})
            bar->setPalette(before);
}

} // namespace tavrio

#pragma once
// Where the options window's sections lie on its 800 x 600 background
// "BG\\Optionen.bmp". The picture generator paints a panel behind each
// section, so the controls and the picture agree.
#include <QRect>

namespace tavrio::layout::options {

inline constexpr QRect filePanel{30, 84, 740, 156};
inline constexpr QRect switchPanel{30, 252, 740, 280};
// A toolbox drawn in the free corner of the switches panel.
inline constexpr QRect toolbox{560, 400, 190, 118};

} // namespace tavrio::layout::options

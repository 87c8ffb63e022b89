#pragma once
// The sound seam over QSoundEffect, in the tavrio_io module: Qt Multimedia
// is loaded with the first sound, not while the program starts.
#include "ui/Seams.h"

namespace tavrio {

SoundSeam* newQtSound();

} // namespace tavrio

#pragma once
// The phonetic entry's sign buttons and how a transcription is cut into the
// pieces that are played. Plain C++: transcriptions are the bytes of the
// phonetic font's layout (see ui/Phonetic.h for how they are shown).
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavrio::phonetics {

struct cSign {
    const char* button;   // object name of the sign button, e.g. "Button53"
    std::string_view bytes; // its caption in the phonetic font's layout
    const char* hint;     // example words ("e:" English, "d:" German), Windows-1252
    // How the sample sound "Sound\<bytes>.wav" is voiced: an espeak-ng voice
    // and the sign in its phoneme mnemonics; an empty voice is a short pause
    // (stress and length marks and the glottal stop have no sound of their
    // own).
    const char* voice;
    const char* phonemes;
};

// The 84 sign buttons in the window's order.
std::span<const cSign> Signs();

// The sample sound of a piece as an engine file name: "Sound/" + bytes +
// ".wav" (the separator every platform's file system takes).
std::string SoundName(std::string_view piece);

// Cuts `text` from the front into the longest prefixes for which
// `hasSound(prefix)` holds. Stops at the first point where no prefix has a
// sound; the rest is not played.
std::vector<std::string> SplitForPlayback(std::string_view text,
                                          const std::function<bool(std::string_view)>& hasSound);

} // namespace tavrio::phonetics

#pragma once
// The asset generator paints every picture the windows load into a runtime
// directory. Each area of the program has its own painter file.
#include <QString>

namespace tavrio::assets {

// `dir` is the runtime directory; painters create BG/, Hilfe/, Images/,
// Sound/ below it as they need. Each returns false when a file could not
// be written.
bool paintShell(const QString& dir);      // entrance, start screen, house, rooms, help
bool paintExercises(const QString& dir);  // exercise backgrounds, help and game pictures
bool paintExchange(const QString& dir);   // exchange page background
bool paintOptions(const QString& dir);    // options window background and help
bool writeSampleLists(const QString& dir);  // English, French and Latin lists
bool voicePhoneticSigns(const QString& dir); // Sound\<bytes>.wav for every phonetic sign (espeak-ng)
bool paintVocabularyEditor(const QString& dir); // vocabulary editor background and help

} // namespace tavrio::assets

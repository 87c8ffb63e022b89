#pragma once
// Phonetic transcriptions are bytes in the layout of the phonetic screen
// font: one byte per glyph (97 "a", 201 the length mark, 214 the glottal
// stop, 146 a tie joining the signs on both sides, 126 a nasal tilde on the
// sign before). They are stored and compared as those bytes everywhere;
// only the screen shows them, through the one table here, as Unicode IPA in
// a font that has the glyphs.
#include <QLineEdit>
#include <QString>
#include <functional>
#include <string>

class QFont;

namespace tavrio {

// The glyph of one byte: a single code point, a combining mark for the
// diacritics (tilde, tie, non-syllabic marks), or kPhoneticPlaceholder for a
// byte the font layout has no sign for (control bytes, unused codes).
char16_t phoneticGlyph(unsigned char byte);
constexpr char16_t kPhoneticPlaceholder = 0xFFFD;
// A diacritic with no sign before it is drawn on a dotted circle.
constexpr char16_t kPhoneticBase = 0x25CC;

// The display text of a transcription, glyph by glyph.
QString fromPhonetic(const std::string& bytes);

// A font with the IPA glyphs and combining marks, at `pixelSize`.
QFont phoneticFont(int pixelSize);

// A read-only edit that holds a transcription's bytes and shows them through
// the table in the phonetic font. text() is the display text; bytes() is
// what is stored.
class cPhoneticEdit : public QLineEdit {
    Q_OBJECT
public:
    cPhoneticEdit(const QString& objectName, QWidget* parent, int pixelSize = 22);

    const std::string& bytes() const { return bytes_; }
    void setBytes(const std::string& bytes);

private:
    std::string bytes_;
};

// The phonetic entry window lives above this layer; the owner registers how
// it opens, so any window can offer it. `handBack` receives the composed
// transcription when the learner closes the entry with "Schliessen".
using PhoneticHandBack = std::function<void(const std::string& bytes)>;
using PhoneticEntryOpener = std::function<void(QWidget* from, PhoneticHandBack handBack)>;
void setPhoneticEntryOpener(PhoneticEntryOpener opener);
// False (and nothing happens) while no entry window is registered.
bool openPhoneticEntry(QWidget* from, PhoneticHandBack handBack);

} // namespace tavrio

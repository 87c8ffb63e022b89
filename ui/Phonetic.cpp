#include "ui/Phonetic.h"

#include "ui/Look.h"

#include <QFont>
#include <array>

namespace tavrio {
namespace {

// The signs above 127. Letters below 128 are their ASCII selves, except the
// two that the layout puts to phonetic use: 103 is the IPA "ɡ" and 126 the
// nasal tilde. Each entry follows the example words of its sign button.
struct HighSign {
    unsigned char byte;
    char16_t glyph;
};
constexpr HighSign kHighSigns[] = {
    {135, 0x0250}, // ɐ  "Ober", "Uhr" (with 187)
    {136, 0x00F0}, // ð  "mother, this"
    {141, 0x00E7}, // ç  "ich"
    {146, 0x0361}, // tie over the signs before and after: "weit", "Zahl"
    {148, 0x026A}, // ɪ  "hit", "Birke"
    {158, 0x0259}, // ə  "afresh", "Nase"
    {160, 0x03B8}, // θ  "thank, death"
    {167, 0x0283}, // ʃ  "ship", "Schal"
    {171, 0x025B}, // ɛ  "mästen"
    {172, 0x028A}, // ʊ  "book", "Pult"
    {175, 0x00F8}, // ø  "Ökonom"
    {182, 0x0259}, // ə  "the": the same weak vowel as 158
    {187, 0x032F}, // non-syllabic mark below the sign before: "Aktion", "Foyer"
    {189, 0x0292}, // ʒ  "pleasure", "Regime"
    {190, 0x00E6}, // æ  "bad, bag, fat"
    {191, 0x0254}, // ɔ  "Post"
    {195, 0x028C}, // ʌ  "but, nut"
    {199, 0x02C8}, // ˈ  stress mark, before the stressed syllable
    {201, 0x02D0}, // ː  length mark, after the long sound
    {207, 0x0153}, // œ  "göttlich"
    {214, 0x0294}, // ʔ  glottal stop: "Ko?ordination"
    {224, 0x0311}, // non-syllabic mark above, for a sign with a descender: "Nuance"
    {231, 0x028F}, // ʏ  "Fülle"
    {247, 0x014B}, // ŋ  "lang"
};

constexpr std::array<char16_t, 256> makeTable()
{
    std::array<char16_t, 256> t{};
    for (int b = 0; b < 256; ++b)
        t[std::size_t(b)] = (b >= 0x20 && b < 0x7F) ? char16_t(b) : kPhoneticPlaceholder;
    t['g'] = 0x0261;
    t['~'] = 0x0303;
    for (const HighSign& s : kHighSigns)
        t[s.byte] = s.glyph;
    return t;
}
constexpr std::array<char16_t, 256> kTable = makeTable();

bool isCombining(char16_t c) { return c >= 0x0300 && c <= 0x036F; }

} // namespace

char16_t phoneticGlyph(unsigned char byte) { return kTable[byte]; }

QString fromPhonetic(const std::string& bytes)
{
    QString out;
    out.reserve(qsizetype(bytes.size()));
    for (unsigned char b : bytes) {
        const char16_t g = kTable[b];
        // A mark needs a sign to sit on; at the start, or after a blank,
        // it would vanish or land on the wrong glyph.
        if (isCombining(g) && (out.isEmpty() || out.back() == QLatin1Char(' ')))
            out.append(QChar(kPhoneticBase));
        out.append(QChar(g));
    }
    return out;
}

QFont phoneticFont(int pixelSize)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixelSize);
    return f;
}

cPhoneticEdit::cPhoneticEdit(const QString& objectName, QWidget* parent, int pixelSize)
    : QLineEdit(parent)
{
    setObjectName(objectName);
    setReadOnly(true);
    setFontWhenShown(this, phoneticFont(pixelSize));
}

namespace {
PhoneticEntryOpener& entryOpener()
{
    static PhoneticEntryOpener opener;
    return opener;
}
} // namespace

void setPhoneticEntryOpener(PhoneticEntryOpener opener) { entryOpener() = std::move(opener); }

bool openPhoneticEntry(QWidget* from, PhoneticHandBack handBack)
{
    if (!entryOpener())
        return false;
    entryOpener()(from, std::move(handBack));
    return true;
}

void cPhoneticEdit::setBytes(const std::string& bytes)
{
    bytes_ = bytes;
    setText(fromPhonetic(bytes));
    setCursorPosition(text().size());
}

} // namespace tavrio

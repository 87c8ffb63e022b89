#include "tools/phonetics/PhoneticSigns.h"

#include <array>

namespace tavrio::phonetics {
namespace {
using namespace std::string_view_literals;

// Caption bytes in octal where they are above 127; hints in Windows-1252.
// Voicing: German signs by the German voice, English ones by the British,
// nasal vowels by the French. The German voice hardens a consonant at the
// end of a word, so voiced consonants are spoken by the British one, the
// plosives among them with a short schwa (alone they would be silent).
constexpr std::array<cSign, 84> kSigns{{
    {"Button10", "a"sv, "d: Hand", "de", "a"},
    {"Button53", "a\311"sv, "e: arm, harm d: Bahn", "de", "A:"},
    {"Button22", "ou"sv, "low, boat", "en-gb", "oU"},
    {"Button20", "\210"sv, "mother, this", "en-gb", "D"},
    {"Button83", "\307"sv, "in z.B. Balkon (davor) bal'ko~:", "", ""},
    {"Button12", "\207"sv, "e: got, box d: Ober", "de", "3"},
    {"Button55", "\207\273"sv, "d: Uhr", "de", "3"},
    {"Button56", "a~"sv, "d: Conf\351rencier", "fr", "A~"},
    {"Button57", "a~\311"sv, "d: Abonnement", "fr", "A~:"},
    {"Button9", "\276"sv, "e: bad, bag, fat", "en-gb", "a"},
    {"Button85", "\276~"sv, "e: lingerie", "fr", "E~"},
    {"Button86", "ai"sv, "e: fine", "en-gb", "aI"},
    {"Button58", "a\222i"sv, "d: weit", "de", "aI"},
    {"Button59", "a\222u"sv, "d: Haut", "de", "aU"},
    {"Button87", "a\254"sv, "e: now", "en-gb", "aU"},
    {"Button4", "b"sv, "e: bad, body d: Ball", "en-gb", "b@"},
    {"Button29", "\215"sv, "e: human d: ich", "de", "C"},
    {"Button30", "d"sv, "e: do, hard d: dann", "en-gb", "d@"},
    {"Button42", "d\275"sv, "e: jam, jungle", "en-gb", "dZ@"},
    {"Button60", "d\222\275"sv, "Gin", "en-gb", "dZ@"},
    {"Button8", "e"sv, "e: red, bet, bed d: Metall", "de", "e"},
    {"Button88", "e\224"sv, "e: fate", "en-gb", "eI"},
    {"Button61", "e\311"sv, "d: Beet", "de", "e:"},
    {"Button62", "\253"sv, "d: m\344sten", "de", "E"},
    {"Button63", "\253\311"sv, "d: w\344hlen", "de", "E:"},
    {"Button64", "\253~\311"sv, "d: Cousin", "fr", "E~:"},
    {"Button46", "\236"sv, "e: afresh d: Nase", "de", "@"},
    {"Button31", "f"sv, "e: friend, golf d: Fa\337", "de", "f"},
    {"Button32", "g"sv, "e: great. bag d: Gast", "en-gb", "g@"},
    {"Button33", "h"sv, "e: head, hate d: haben", "de", "h"},
    {"Button6", "i"sv, "e: if, gift d: Rivale", "de", "i"},
    {"Button7", "\224"sv, "e: hit d: birke", "de", "I"},
    {"Button47", "i\311"sv, "e: he, see d: viel", "de", "i:"},
    {"Button66", "i\273"sv, "d: Aktion", "de", "j"},
    {"Button3", "\311"sv, "L\344ngenzeichen z.B. Chrom (danach) kro:m", "", ""},
    {"Button84", "\326"sv, "Stop z.B. Koordination Ko?...", "", ""},
    {"Button48", "i\236"sv, "near, hear", "en-gb", "i@"},
    {"Button11", "ai"sv, "knife, wife", "en-gb", "aI"},
    {"Button44", "au"sv, "house", "en-gb", "aU"},
    {"Button45", "ei"sv, "game, plain", "en-gb", "eI"},
    {"Button54", "\236\311"sv, "bird, girl", "en-gb", "3:"},
    {"Button18", "\253\236"sv, "rare, there", "en-gb", "e@"},
    {"Button5", "\266"sv, "the", "en-gb", "@"},
    {"Button52", "u\236"sv, "pure, sure", "en-gb", "U@"},
    {"Button34", "j"sv, "e: yes, Indian d: ja", "de", "j"},
    {"Button35", "k"sv, "e: catch, silk d: kalt", "de", "k"},
    {"Button26", "l"sv, "e: long, still d: Last", "de", "l"},
    {"Button36", "m"sv, "e: mill, ham d: Mast", "de", "m"},
    {"Button37", "n"sv, "e: no, news d: Naht", "de", "n"},
    {"Button25", "\367"sv, "e: strong, long d: lang", "de", "N"},
    {"Button49", "\277"sv, "d: Post", "de", "O"},
    {"Button13", "\277\311"sv, "e: paw", "en-gb", "O:"},
    {"Button50", "\277i"sv, "boil, toil", "en-gb", "OI"},
    {"Button65", "o"sv, "d: Moral", "de", "o"},
    {"Button67", "o\311"sv, "d: Boot", "de", "o:"},
    {"Button68", "o\273"sv, "d: Foyer", "de", "o"},
    {"Button69", "o~"sv, "d: Konkurs", "fr", "O~"},
    {"Button70", "o~\311"sv, "d: Ballon", "fr", "O~:"},
    {"Button71", "\257"sv, "d: \326konom", "de", "Y:"},
    {"Button72", "\257\311"sv, "d: \326l", "de", "Y:"},
    {"Button73", "\317"sv, "d: g\366ttlich", "de", "W"},
    {"Button74", "\277\222y"sv, "d: heute", "de", "OY"},
    {"Button38", "p"sv, "e: paper, post d: Pakt", "de", "p"},
    {"Button27", "r"sv, "e: rare, dry d: Rast", "de", "r"},
    {"Button21", "s"sv, "e: seldom, yes d: Hast", "de", "s"},
    {"Button23", "\247"sv, "e: ship d: Schal", "de", "S"},
    {"Button39", "t"sv, "e: try, hat d: Tal", "de", "t"},
    {"Button75", "t\222s"sv, "d: Zahl", "de", "ts"},
    {"Button76", "t\247"sv, "e: chin d: Couch", "de", "tS"},
    {"Button43", "\240"sv, "thank, death", "en-gb", "T"},
    {"Button15", "u"sv, "e: put, book d: kulant", "de", "u"},
    {"Button51", "u\311"sv, "e: too, you d: Hut", "de", "u:"},
    {"Button77", "u\273"sv, "d: aktuell", "de", "u"},
    {"Button14", "\254"sv, "e: book d: Pult", "de", "U"},
    {"Button16", "\303"sv, "e: but, nut, dug", "en-gb", "V"},
    {"Button41", "v"sv, "e: very, lively d: was", "en-gb", "v"},
    {"Button19", "w"sv, "e: we, what, win", "en-gb", "w"},
    {"Button78", "x"sv, "d: Bach", "de", "x"},
    {"Button79", "y"sv, "d: Physik", "de", "y"},
    {"Button80", "y\311"sv, "d: R\374be", "de", "y:"},
    {"Button81", "y\340"sv, "d: Nuance", "de", "y"},
    {"Button82", "\347"sv, "d: F\374lle", "de", "y"},
    {"Button28", "z"sv, "e: these, crazy d: Nase", "en-gb", "z"},
    {"Button24", "\275"sv, "e: pleasure d: Regime", "en-gb", "Z"},
}};
} // namespace

std::span<const cSign> Signs() { return kSigns; }

std::string SoundName(std::string_view piece)
{
    std::string name = "Sound/";
    name += piece;
    name += ".wav";
    return name;
}

std::vector<std::string> SplitForPlayback(std::string_view text,
                                          const std::function<bool(std::string_view)>& hasSound)
{
    std::vector<std::string> pieces;
    std::size_t n = text.size();
    while (n > 0) {
        if (hasSound(text.substr(0, n))) {
            pieces.emplace_back(text.substr(0, n));
            text.remove_prefix(n);
            n = text.size();
        } else {
            --n;
        }
    }
    return pieces;
}

} // namespace tavrio::phonetics

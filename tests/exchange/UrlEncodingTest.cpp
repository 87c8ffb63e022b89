#include "exchange/UrlEncoding.h"

#include <gtest/gtest.h>

namespace {

using tavrio::exchange::encodeFileName;
using tavrio::exchange::encodeQueryText;

TEST(UrlEncoding, fileNames)
{
    struct Row { const char* name; std::string in; std::string out; };
    const Row rows[] = {
        {"blanksBecomePercent20", "Englisch 5 - Unit 1.vok", "Englisch%205%20-%20Unit%201.vok"},
        {"bookAndChapter", "A - B.vok", "A%20-%20B.vok"},
        {"umlautByte", "Gr\xFC\xDF" "e.vok", "Gr%FC%DFe.vok"},
        {"plusOfTheNameStaysEncoded", "C++.vok", "C%2B%2B.vok"},
        {"keptPunctuation", "!$'()*-.@_", "!$'()*-.@_"},
        {"otherPunctuation", "a&b=c/d%e#f", "a%26b%3Dc%2Fd%25e%23f"},
        {"controlByte", std::string("a\x01" "b"), "a%01b"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(encodeFileName(r.in), r.out) << r.name;
}

TEST(UrlEncoding, queryTextKeepsTypedBytesApartFromRequestLineBreakers)
{
    struct Row { const char* name; std::string in; std::string out; };
    const Row rows[] = {
        {"plainWord", "Unit", "Unit"},
        {"blank", "Unit 1", "Unit%201"},
        {"umlaut", "M\xFC" "de", "M%FCde"},
        {"separators", "a&b#c+d%e", "a%26b%23c%2Bd%25e"},
        {"controlBytes", std::string("a\r\nb\x7F", 5), "a%0D%0Ab%7F"},
        {"charactersAUrlMayNotHold", "\"<>\\^`{|}", "%22%3C%3E%5C%5E%60%7B%7C%7D"},
        {"equalsSign", "x=y", "x%3Dy"},
        {"otherPunctuationStays", "x/z?!*'();:@$,", "x/z?!*'();:@$,"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(encodeQueryText(r.in), r.out) << r.name;
}

} // namespace

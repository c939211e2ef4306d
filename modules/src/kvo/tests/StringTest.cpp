#include "kvo/String.h"

#include <gtest/gtest.h>

using kvo::String;

TEST(String, RoundTripsUtf8ThroughUtf16IncludingSurrogatePairs) {
    const char* text = "Taste \xC3\xA4 \xE3\x82\xAD \xF0\x9F\x8E\xB9";  // ä, キ, a piano outside the BMP
    String s(text);
    EXPECT_EQ(s.size(), 12u);  // the piano takes two code units
    EXPECT_EQ(s.toUtf8(), text);
}

TEST(String, MalformedUtf8BecomesReplacementCharacters) {
    String s("a\xC3" "b\xFF");
    EXPECT_EQ(s.toUtf8(), "a\xEF\xBF\xBD" "b\xEF\xBF\xBD");
}

TEST(String, LowerCasesAsciiAndLatin1OnlyLeavingMultiplicationSign) {
    EXPECT_EQ(String("Std104KBD.KBL").toLower(), String("std104kbd.kbl"));
    EXPECT_EQ(String("\xC3\x84\xC3\x97").toLower().toUtf8(), "\xC3\xA4\xC3\x97");  // Ä× -> ä×
}

TEST(String, BuildsFromUtf16WithAndWithoutLengthAndComparesByCodeUnit) {
    const kvo::UCS2Char text[] = KVO_U("Enter");
    EXPECT_EQ(String(text), String("Enter"));
    EXPECT_EQ(String(text, 3) + "!", String("Ent!"));
    EXPECT_EQ(String(static_cast<const char*>(nullptr)), String::EMPTY());
    EXPECT_LT(String("B").compare(String("a")), 0);
}

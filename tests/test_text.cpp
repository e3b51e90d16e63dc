#include <climits>

#include <gtest/gtest.h>

#include "toolkit/text.h"

using tk::cp1252ToUtf8;
using tk::fitsCp1252;
using tk::utf8ToCp1252;
using tk::Val;

TEST(Val, ReadsTheNumberAtTheStart) {
    EXPECT_EQ(Val(" \t-3"), -3);
    EXPECT_EQ(Val("+0012"), 12);
    EXPECT_EQ(Val("15 punti"), 15);
    EXPECT_EQ(Val("3.9"), 3);
    for (const char* none : {"", "   ", "abc", "-", "+-4", "x12"}) EXPECT_EQ(Val(none), 0) << none;
    EXPECT_EQ(Val(tk::Str(LONG_MIN)), LONG_MIN);
    EXPECT_EQ(Val("99999999999999999999999"), LONG_MAX);
    EXPECT_EQ(Val("-99999999999999999999999"), LONG_MIN);
}

TEST(Cp1252, ConvertsBothWays) {
    EXPECT_EQ(cp1252ToUtf8("S\xEC"), "Sì");
    EXPECT_EQ(cp1252ToUtf8("\x80\x93\x94\x96\x97\x85\x99\x9F"), "€“”–—…™Ÿ");
    EXPECT_EQ(cp1252ToUtf8("\x81\x8D\x8F\x90\x9D"), "\u0081\u008D\u008F\u0090\u009D");
    EXPECT_EQ(utf8ToCp1252("Sì €"), std::optional<std::string>("S\xEC \x80"));

    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), std::optional<std::string>(all));
}

TEST(Cp1252, RefusesWhatItCannotHold) {
    for (const char* text :
         {"你", "ok 你 ok", "😀", "\u0080", "\u0099",          // C1 controls whose bytes hold other characters
          "\xEC", "\xE2\x82", "\xC0\xA0", "\xED\xA0\x80"}) {  // malformed UTF-8
        EXPECT_FALSE(utf8ToCp1252(text).has_value()) << text;
        EXPECT_FALSE(fitsCp1252(text)) << text;
    }
    EXPECT_TRUE(fitsCp1252("Però è così"));
}

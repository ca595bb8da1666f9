// The character a caption marks as its access key.
#include "controls/aerobutton/access_key.h"

#include <gtest/gtest.h>

namespace {

using aerobutton::MarkedAccessKey;

TEST(MarkedAccessKey, TheCharacterAfterTheAmpersandAsWritten) {
    EXPECT_EQ(MarkedAccessKey(L"&Apply"), L"A");
    EXPECT_EQ(MarkedAccessKey(L"Home&page"), L"p");
    EXPECT_EQ(MarkedAccessKey(L"&9"), L"9");
}

TEST(MarkedAccessKey, NoMarkNoKey) {
    EXPECT_EQ(MarkedAccessKey(L"Homepage"), L"");
    EXPECT_EQ(MarkedAccessKey(L""), L"");
    EXPECT_EQ(MarkedAccessKey(L"&"), L"") << "shorter than two characters";
}

TEST(MarkedAccessKey, AnAmpersandInTheLastPositionNeverCounts) {
    EXPECT_EQ(MarkedAccessKey(L"Save&"), L"");
    EXPECT_EQ(MarkedAccessKey(L"&Save&"), L"S");
}

TEST(MarkedAccessKey, ALiteralPairMarksNothing) {
    EXPECT_EQ(MarkedAccessKey(L"R&&D"), L"");
    EXPECT_EQ(MarkedAccessKey(L"&&"), L"") << "a caption whose only ampersands are one pair";
    EXPECT_EQ(MarkedAccessKey(L"x&&"), L"");
    EXPECT_EQ(MarkedAccessKey(L"&&x"), L"");
    EXPECT_EQ(MarkedAccessKey(L"&Tom && Jerry"), L"T");
    EXPECT_EQ(MarkedAccessKey(L"Salt && &Pepper"), L"P");
    EXPECT_EQ(MarkedAccessKey(L"&Salt && Pepper && x"), L"S");
}

TEST(MarkedAccessKey, PairsAreReadFromTheLeftAsTheCaptionIsDrawn) {
    // "a&&&b" is drawn "a&b" with the b underlined.
    EXPECT_EQ(MarkedAccessKey(L"a&&&b"), L"b");
    EXPECT_EQ(MarkedAccessKey(L"&&&&"), L"");
}

TEST(MarkedAccessKey, TheLastMarkWins) { EXPECT_EQ(MarkedAccessKey(L"&One &Two"), L"T"); }

}  // namespace

namespace {

using aerobutton::ShownCaption;

TEST(ShownCaption, MarksGoAndEachPairShowsOneAmpersand) {
    EXPECT_EQ(ShownCaption(L"&Apply"), L"Apply");
    EXPECT_EQ(ShownCaption(L"Homepage"), L"Homepage");
    EXPECT_EQ(ShownCaption(L"Salt && &Pepper"), L"Salt & Pepper");
    EXPECT_EQ(ShownCaption(L"a&&&b"), L"a&b");
    EXPECT_EQ(ShownCaption(L"&&&&"), L"&&");
    EXPECT_EQ(ShownCaption(L""), L"");
}

TEST(ShownCaption, AnAmpersandInTheLastPositionMarksNothingAndStays) {
    EXPECT_EQ(ShownCaption(L"Save&"), L"Save&");
    EXPECT_EQ(ShownCaption(L"&"), L"&");
    EXPECT_EQ(ShownCaption(L"x&&&"), L"x&&");
}

}  // namespace

// The access key a caption marks.
#include "controls/aerobutton/access_key.h"

#include <gtest/gtest.h>

namespace {

using aerobutton::AccessKeyFromCaption;

TEST(AccessKeyFromCaption, TheLetterAfterTheAmpersandInLowerCase) {
    EXPECT_EQ(AccessKeyFromCaption(L"&Apply"), L"a");
    EXPECT_EQ(AccessKeyFromCaption(L"Home&Page"), L"p");
    EXPECT_EQ(AccessKeyFromCaption(L"&9"), L"9");
}

TEST(AccessKeyFromCaption, NoMarkNoKey) {
    EXPECT_EQ(AccessKeyFromCaption(L"Homepage"), L"");
    EXPECT_EQ(AccessKeyFromCaption(L""), L"");
    EXPECT_EQ(AccessKeyFromCaption(L"&"), L"") << "shorter than two characters";
}

TEST(AccessKeyFromCaption, AnAmpersandInTheLastPositionNeverCounts) {
    EXPECT_EQ(AccessKeyFromCaption(L"Save&"), L"");
    EXPECT_EQ(AccessKeyFromCaption(L"&Save&"), L"s");
}

TEST(AccessKeyFromCaption, ALiteralPairIsSkipped) {
    EXPECT_EQ(AccessKeyFromCaption(L"R&&D"), L"");
    EXPECT_EQ(AccessKeyFromCaption(L"&Tom && Jerry"), L"t");
    EXPECT_EQ(AccessKeyFromCaption(L"Salt && &Pepper"), L"p");
    EXPECT_EQ(AccessKeyFromCaption(L"&Salt && Pepper && x"), L"s");
}

TEST(AccessKeyFromCaption, TheLastMarkWins) {
    EXPECT_EQ(AccessKeyFromCaption(L"&One &Two"), L"t");
}

TEST(AccessKeyFromCaption, APairAtTheStartEndsTheSearch) {
    // "&&" at positions 1-2 leaves nothing before it to search.
    EXPECT_EQ(AccessKeyFromCaption(L"&&x"), L"");
    // Pairs are formed from the right: in "a&&&b" the last two ampersands are the pair and the
    // first marks the ampersand after it.
    EXPECT_EQ(AccessKeyFromCaption(L"a&&&b"), L"&");
    // A caption of just "&&": its first character is an ampersand, so the second is the key.
    EXPECT_EQ(AccessKeyFromCaption(L"&&"), L"&");
}

}  // namespace

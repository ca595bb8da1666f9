// Splitting a batch line into a command's words the way a POSIX shell splits a command line.
#include "tools/aerolab/batch_words.h"

#include <gtest/gtest.h>

namespace {

using aerolab::SplitWords;
using Words = std::vector<std::string>;

Words Split(std::string_view line) {
    std::string error;
    const auto words = SplitWords(line, &error);
    EXPECT_TRUE(words) << line << ": " << error;
    return words.value_or(Words{});
}

TEST(SplitWords, BlanksSeparateAndRunsOfThemCountOnce) {
    EXPECT_EQ(Split("render  out.bmp\t--state 1 "), (Words{"render", "out.bmp", "--state", "1"}));
    EXPECT_EQ(Split(""), Words{});
    EXPECT_EQ(Split(" \t "), Words{});
}

TEST(SplitWords, QuotesKeepBlanksAndJoinWhatTouchesThem) {
    EXPECT_EQ(Split(R"(set "Font=MS Sans Serif,8.25" Caption='a  b')"),
              (Words{"set", "Font=MS Sans Serif,8.25", "Caption=a  b"}));
    EXPECT_EQ(Split(R"(Caption=""x'y'"z")"), (Words{"Caption=xyz"}));
    EXPECT_EQ(Split(R"(a "" '' b)"), (Words{"a", "", "", "b"})) << "empty quotes are empty words";
}

TEST(SplitWords, BackslashesAsTheShellReadsThem) {
    EXPECT_EQ(Split(R"(a\ b \"c\")"), (Words{"a b", "\"c\""}));
    // Inside double quotes only \" \\ \$ \` lose the backslash; inside single quotes none does.
    EXPECT_EQ(Split(R"("x\"y\\z\n" 'p\q')"), (Words{"x\"y\\z\\n", "p\\q"}));
}

TEST(SplitWords, UnterminatedQuotesAndATrailingBackslashAreRefused) {
    for (std::string_view line : {R"(set "Caption=open)", "set 'open", "set x\\", R"(set "x\")"}) {
        std::string error;
        EXPECT_FALSE(SplitWords(line, &error)) << line;
        EXPECT_FALSE(error.empty()) << line;
    }
}

}  // namespace

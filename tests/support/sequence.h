// Comparing a recorded sequence (events, messages, states) with an expected table as a whole:
// on a mismatch both are printed side by side with the index of the first difference.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace testing_support {

using Sequence = std::vector<std::string>;

inline testing::AssertionResult SameSequence(const char* expectedText, const char* actualText, const Sequence& expected,
                                             const Sequence& actual) {
    std::size_t first = 0;
    while (first < expected.size() && first < actual.size() && expected[first] == actual[first]) ++first;
    if (first == expected.size() && first == actual.size()) return testing::AssertionSuccess();
    std::size_t width = 8;
    for (const auto& line : expected) width = std::max(width, line.size());
    std::ostringstream out;
    out << actualText << " differs from " << expectedText << " at index " << first << ":\n";
    out << "    " << std::string("expected") << std::string(width - 8 + 3, ' ') << "actual\n";
    for (std::size_t i = 0; i < std::max(expected.size(), actual.size()); ++i) {
        const std::string left = i < expected.size() ? expected[i] : "-";
        const std::string right = i < actual.size() ? actual[i] : "-";
        out << (i == first ? "=> " : "   ") << ' ' << left << std::string(width - left.size() + 3, ' ') << right
            << '\n';
    }
    return testing::AssertionFailure() << out.str();
}

}  // namespace testing_support

#define EXPECT_SEQUENCE(expected, actual) EXPECT_PRED_FORMAT2(::testing_support::SameSequence, expected, actual)

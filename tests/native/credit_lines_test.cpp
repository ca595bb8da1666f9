#include "app/credit_lines.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

using app::CreditTable;

std::wstring Rule() { return std::wstring(50, L'-'); }

class BuiltCredits : public ::testing::Test {
protected:
    void SetUp() override { app::BuildCredits(table); }
    const app::CreditLine& Row(int row) const { return table.CreditLines()[static_cast<std::size_t>(row - 1)]; }
    CreditTable table;
};

TEST_F(BuiltCredits, HoldsTwentyNineLinesInAFullSizeTable) {
    EXPECT_EQ(table.CreditCount(), 29);
    EXPECT_EQ(table.CreditLines().size(), 3000u);
    for (std::size_t i = 29; i < 3000; ++i) EXPECT_TRUE(table.CreditLines()[i].text.empty()) << i;
}

TEST_F(BuiltCredits, OnlyTheTitleTheDeveloperAndMyProductsAreBold) {
    std::vector<int> bold;
    for (int row = 1; row <= 29; ++row)
        if (Row(row).bold) bold.push_back(row);
    EXPECT_EQ(bold, (std::vector<int>{1, 10, 15}));
}

TEST_F(BuiltCredits, FixedTextsStandInTheirRows) {
    EXPECT_EQ(Row(1).text, L"Tarnwick!");
    EXPECT_EQ(Row(8).text, L"Developed by");
    EXPECT_EQ(Row(12).text, L"Olvenar");
    EXPECT_EQ(Row(13).text, L"http://www.olvenar.com/");
    EXPECT_EQ(Row(15).text, L"My Products");
    EXPECT_NE(Row(3).text.find(L"Olvenar"), std::wstring::npos) << "the legal notice names the company";
    EXPECT_NE(Row(5).text.find(L"olvenar.com"), std::wstring::npos) << "the web address";
    for (int row : {4, 10, 11}) EXPECT_FALSE(Row(row).text.empty()) << row;
}

TEST_F(BuiltCredits, RuleLinesAreFiftyHyphensInRows2_6_9_14_16) {
    std::vector<int> rules;
    for (int row = 1; row <= 29; ++row)
        if (Row(row).text == Rule()) rules.push_back(row);
    EXPECT_EQ(rules, (std::vector<int>{2, 6, 9, 14, 16}));
}

TEST_F(BuiltCredits, BlankRowsAreCountedButLeftEmpty) {
    std::vector<int> blank;
    for (int row = 1; row <= 29; ++row)
        if (Row(row).text.empty()) blank.push_back(row);
    EXPECT_EQ(blank, (std::vector<int>{7, 29}));
}

TEST_F(BuiltCredits, ProductLinesCarryTheirCatalogueNumbers) {
    std::vector<int> numbers;
    std::vector<std::wstring> names;
    for (int row = 17; row <= 28; ++row) {
        const std::wstring& text = Row(row).text;
        const auto stop = text.find(L". ");
        ASSERT_NE(stop, std::wstring::npos) << "row " << row << " is a number, a full stop and a blank";
        numbers.push_back(std::stoi(text.substr(0, stop)));
        names.push_back(text.substr(stop + 2));
        EXPECT_FALSE(names.back().empty()) << row;
    }
    EXPECT_EQ(numbers, (std::vector<int>{1, 2, 3, 4, 5, 6, 9, 10, 11, 12, 13, 11}));
}

TEST(CreditTable, StoresTextAndWeightInTheNextEntry) {
    CreditTable table;
    table.AddCreditLine(L"first", true);
    table.AddCreditLine(L"second", false);
    EXPECT_EQ(table.CreditCount(), 2);
    EXPECT_EQ(table.CreditLines()[0].text, L"first");
    EXPECT_TRUE(table.CreditLines()[0].bold);
    EXPECT_EQ(table.CreditLines()[1].text, L"second");
    EXPECT_FALSE(table.CreditLines()[1].bold);
}

TEST(CreditTable, EveryEntryOfAFreshTableIsEmptyAndNoneLiesPastTheLast) {
    const CreditTable table;
    EXPECT_EQ(table.CreditCount(), 0);
    EXPECT_EQ(table.CreditLines().size(), 3000u);
    for (std::size_t i : {std::size_t{0}, std::size_t{1}, std::size_t{2999}}) {
        EXPECT_TRUE(table.CreditLines()[i].text.empty()) << i;
        EXPECT_FALSE(table.CreditLines()[i].bold) << i;
    }
    EXPECT_THROW(static_cast<void>(table.CreditLines()[3000]), app::CreditIndexOutOfRange);
}

TEST(CreditTable, AnEmptyLineIsCountedButItsBoldFlagIsNotStored) {
    CreditTable table;
    table.AddCreditLine(L"", true);
    table.AddCreditLine(L"after", false);
    EXPECT_EQ(table.CreditCount(), 2);
    EXPECT_TRUE(table.CreditLines()[0].text.empty());
    EXPECT_FALSE(table.CreditLines()[0].bold);
    EXPECT_EQ(table.CreditLines()[1].text, L"after");
}

TEST(CreditTable, TheThreeThousandthLineFitsTheNextIsRefusedAndChangesNothing) {
    CreditTable table;
    for (int i = 0; i < 2999; ++i) table.AddCreditLine(L"", false);
    table.AddCreditLine(L"last", true);
    EXPECT_EQ(table.CreditCount(), 3000);
    EXPECT_EQ(table.CreditLines()[2999].text, L"last");

    EXPECT_THROW(table.AddCreditLine(L"one too many", false), app::CreditIndexOutOfRange);
    EXPECT_THROW(table.AddCreditLine(L"", false), app::CreditIndexOutOfRange);
    EXPECT_EQ(table.CreditCount(), 3000);
    EXPECT_EQ(table.CreditLines().size(), 3000u);
    EXPECT_EQ(table.CreditLines()[2999].text, L"last");
    EXPECT_TRUE(table.CreditLines()[2999].bold);
}

}  // namespace

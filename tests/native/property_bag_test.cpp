#include "platform/property_bag.h"

#include <gtest/gtest.h>

namespace {

using platform::PropertyBag;
using platform::Variant;

TEST(PropertyBag, MissingKeysReadTheirDefault) {
    const PropertyBag bag;
    EXPECT_EQ(std::get<std::int32_t>(bag.ReadProperty(L"BackColor", std::int32_t{0xE6E6E6})), 0xE6E6E6);
    EXPECT_EQ(std::get<std::wstring>(bag.ReadProperty(L"TipText", std::wstring(L"ToolTip"))), L"ToolTip");
}

TEST(PropertyBag, KeysMatchWithoutRegardToCase) {
    const PropertyBag bag{{L"caption", std::wstring(L"&Apply")}, {L"_extentx", std::int32_t{2566}}};
    EXPECT_EQ(std::get<std::wstring>(bag.ReadProperty(L"Caption", std::wstring())), L"&Apply");
    EXPECT_EQ(std::get<std::int32_t>(bag.ReadProperty(L"_ExtentX", std::int32_t{0})), 2566);
    EXPECT_TRUE(bag.Contains(L"CAPTION"));
    EXPECT_FALSE(bag.Contains(L"Captio"));
}

TEST(PropertyBag, WritesKeepTheirOrderAndDefaultsAndReplaceByKey) {
    PropertyBag bag;
    bag.WriteProperty(L"BackColor", std::int32_t{1}, std::int32_t{0xE6E6E6});
    bag.WriteProperty(L"Caption", std::wstring(L"x"), std::wstring(L"btnPush"));
    bag.WriteProperty(L"backcolor", std::int32_t{2}, std::int32_t{0xE6E6E6});
    ASSERT_EQ(bag.Entries().size(), 2u);
    EXPECT_EQ(bag.Entries()[0].key, L"BackColor");
    EXPECT_EQ(std::get<std::int32_t>(bag.Entries()[0].value), 2);
    EXPECT_EQ(std::get<std::int32_t>(bag.Entries()[0].defaultValue), 0xE6E6E6);
    EXPECT_EQ(bag.Entries()[1].key, L"Caption");
}

TEST(PropertyBag, AValueEqualToItsDefaultIsKept) {
    PropertyBag bag;
    bag.WriteProperty(L"Enabled", platform::Boolean{-1}, platform::Boolean{-1});
    EXPECT_TRUE(bag.Contains(L"Enabled"));
    EXPECT_EQ(std::get<platform::Boolean>(bag.ReadProperty(L"Enabled", platform::Boolean{0})).value, -1);
}

}  // namespace

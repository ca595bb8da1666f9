#include "controls/aerobutton/message_filter.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

using aerobutton::kEveryMessage;
using aerobutton::MessageFilter;

constexpr std::int32_t kFirst = 0x8001;

TEST(MessageFilter, AnEmptyFilterHoldsNoMessage) {
    const MessageFilter filter;
    EXPECT_EQ(filter.count, 0);
    EXPECT_FALSE(filter.Holds(0));
    EXPECT_FALSE(filter.Holds(6));
}

TEST(MessageFilter, EveryMessageHoldsAnyNumber) {
    MessageFilter filter;
    filter.Add(kEveryMessage);
    EXPECT_EQ(filter.count, -1);
    EXPECT_TRUE(filter.Holds(0));
    EXPECT_TRUE(filter.Holds(0x2A3));
    EXPECT_TRUE(filter.Holds(0xFFFFFFFFu));
}

TEST(MessageFilter, MessagesFillTheSlotsInOrder) {
    MessageFilter filter;
    filter.Add(6);
    filter.Add(0x86);
    filter.Add(0x2A3);
    EXPECT_EQ(filter.count, 3);
    EXPECT_EQ(filter.slots[0], 6u);
    EXPECT_EQ(filter.slots[1], 0x86u);
    EXPECT_EQ(filter.slots[2], 0x2A3u);
    EXPECT_TRUE(filter.Holds(0x86));
    EXPECT_FALSE(filter.Holds(0x87));
}

TEST(MessageFilter, AMessageAlreadyHeldIsNotAddedAgain) {
    MessageFilter filter;
    filter.Add(6);
    filter.Add(0x2A3);
    filter.Add(6);
    filter.Add(0x2A3);
    EXPECT_EQ(filter.count, 2);
}

TEST(MessageFilter, TheThirtyThirdMessageIsIgnored) {
    MessageFilter filter;
    for (std::int32_t i = 0; i < 32; ++i) filter.Add(kFirst + i);
    EXPECT_EQ(filter.count, 32);
    filter.Add(kFirst + 32);
    EXPECT_EQ(filter.count, 32);
    EXPECT_TRUE(filter.Holds(kFirst + 31));
    EXPECT_FALSE(filter.Holds(kFirst + 32));
}

TEST(MessageFilter, AFullFilterStillTakesEveryMessage) {
    MessageFilter filter;
    for (std::int32_t i = 0; i < 32; ++i) filter.Add(kFirst + i);
    filter.Add(kEveryMessage);
    EXPECT_TRUE(filter.Holds(kFirst + 40));
}

TEST(MessageFilter, EveryMessageThenOneMessageHoldsJustThatOne) {
    MessageFilter filter;
    filter.Add(kEveryMessage);
    filter.Add(0x2A3);
    EXPECT_EQ(filter.count, 1);
    EXPECT_TRUE(filter.Holds(0x2A3));
    EXPECT_FALSE(filter.Holds(6));
}

TEST(MessageFilter, AFreeSlotReceivesTheNextMessage) {
    MessageFilter filter;
    filter.Add(0);  // a zero fills slot 1 but leaves it free
    filter.Add(6);
    EXPECT_EQ(filter.count, 1);
    EXPECT_EQ(filter.slots[0], 6u);
}

TEST(MessageFilter, ClearingEmptiesAndTheNextMessageStartsAgainAtSlotOne) {
    MessageFilter filter;
    filter.Add(6);
    filter.Add(0x86);
    filter.Clear();
    EXPECT_FALSE(filter.Holds(6));
    filter.Add(0x2A3);
    EXPECT_EQ(filter.count, 1);
    EXPECT_TRUE(filter.Holds(0x2A3));
    EXPECT_FALSE(filter.Holds(0x86));
}

TEST(MessageFilter, ClearingEveryMessageTakesNone) {
    MessageFilter filter;
    filter.Add(kEveryMessage);
    filter.Clear();
    EXPECT_FALSE(filter.Holds(6));
}

}  // namespace

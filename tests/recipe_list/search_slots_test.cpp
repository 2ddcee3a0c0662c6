#include "recipe_list/search_slots.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

SearchConditions sampleConditions() {
    SearchConditions c;
    c.CostMinIndex = 2;
    c.CostMaxIndex = 5;
    c.RequiredItem1 = 17;
    c.RequiredItem2 = 4;
    c.ItemsCountMode = 2;
    c.FilterCode = {1, 0, 7, 3, 9};
    c.WantedEffect = {5, 0, 12, 0, 1};
    c.EffectEnabled = {true, false, true, false, true};
    c.RequiredItem1Enabled = true;
    c.RequiredItem2Enabled = false;
    c.CheckCost = true;
    return c;
}

TEST(SearchSlots, SaveCopiesEveryFieldIntoTheChosenSlotOnly) {
    SearchSlots slots;
    const SearchConditions c = sampleConditions();
    EXPECT_TRUE(slots.save(2, c));
    EXPECT_EQ(slots.Slots[2], c);
    EXPECT_EQ(slots.Slots[0], SearchConditions{});
    EXPECT_EQ(slots.Slots[1], SearchConditions{});
    EXPECT_EQ(slots.Slots[3], SearchConditions{});
    EXPECT_FALSE(slots.save(4, c));
    EXPECT_FALSE(slots.save(-1, c));
    EXPECT_EQ(slots.slot(4), nullptr);
    ASSERT_NE(slots.slot(2), nullptr);
    EXPECT_EQ(*slots.slot(2), c);
}

TEST(SearchSlots, OnlyOneToThreeAreNumberedSlots) {
    EXPECT_FALSE(isNumberedSlot(0));
    EXPECT_TRUE(isNumberedSlot(1));
    EXPECT_TRUE(isNumberedSlot(3));
    EXPECT_FALSE(isNumberedSlot(4));
    EXPECT_FALSE(isNumberedSlot(-2147483647));
    EXPECT_EQ(slotRangeWarning(), QStringLiteral("Слот должен лежать в диапазоне от 1 до 3     "));
}

// The restore as the window drives it: handlers request searches while the
// controls are set; only the forced search at the end may run.
TEST(SearchSlots, RestoreLoadsControlsUnderTheLockAndSearchesExactlyOnce) {
    SearchSlots slots;
    const SearchConditions saved = sampleConditions();
    slots.save(0, saved);

    SearchConditions current;
    current.WantedEffect = {3, 3, 3, 3, 3};
    CommandGate gate;
    int searchesRun = 0;
    std::vector<SearchConditions> searchedWith;
    const auto requestSearch = [&] {
        if (gate.searchesHeld())
            return; // a search requested under the lock returns at once
        ++searchesRun;
        searchedWith.push_back(current);
    };
    int controlsSet = 0;
    const auto setControls = [&](const SearchConditions &c) {
        EXPECT_TRUE(gate.searchesHeld());
        ++controlsSet;
        // Each control's handler stores its value and asks for a search.
        for (int k = 0; k < kEffectLines; ++k) {
            current.WantedEffect[k] = c.WantedEffect[k];
            requestSearch();
        }
    };

    ASSERT_TRUE(SearshRestore(slots, 0, current, gate, setControls, requestSearch));
    EXPECT_FALSE(gate.searchesHeld());
    EXPECT_EQ(controlsSet, 1);
    EXPECT_EQ(searchesRun, 1);
    ASSERT_EQ(searchedWith.size(), 1u);
    EXPECT_EQ(searchedWith[0], saved);
    EXPECT_EQ(current, saved);
    EXPECT_EQ(slots.Slots[0], saved); // restoring never changes a slot
}

TEST(SearchSlots, RestoreOfAnUnknownSlotDoesNothing) {
    SearchSlots slots;
    SearchConditions current = sampleConditions();
    CommandGate gate;
    int calls = 0;
    EXPECT_FALSE(SearshRestore(
        slots, 4, current, gate, [&](const SearchConditions &) { ++calls; }, [&] { ++calls; }));
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(current, sampleConditions());
}

} // namespace
} // namespace qor

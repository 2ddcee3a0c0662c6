// The four ingredient sets, the current set and its working copy.

#include "favorites/used_items_model.h"

#include <gtest/gtest.h>

using namespace qor;

namespace {

using V = std::vector<std::uint8_t>;

UsedItemsModel model(int itemRecordCount) {
    UsedItemsModel m;
    m.resize(itemRecordCount);
    return m;
}

TEST(UsedItemsModel, MakeUsedItemsCopiesTheCurrentSetAndCounts) {
    UsedItemsModel m = model(6);
    m.UsedItemsSets[0] = {1, 1, 0, 1, 0, 0}; // entry 0 is never used
    m.UsedItemsSets[2] = {0, 0, 1, 1, 1, 1};
    EXPECT_EQ(m.MakeUsedItems(), 2);
    EXPECT_EQ(m.ItemAvailable, (V{0, 1, 0, 1, 0, 0}));
    EXPECT_EQ(m.selectedText(2), QStringLiteral(" Выбрано: 2 / 5"));

    m.UsedItemsSetIndex = 2;
    EXPECT_EQ(m.MakeUsedItems(), 4);
    EXPECT_EQ(m.availableCount(), 4);
    m.UsedItemsSetIndex = 0; // switching back restores set 0 unchanged
    EXPECT_EQ(m.MakeUsedItems(), 2);
    EXPECT_EQ(m.UsedItemsSets[0], (V{1, 1, 0, 1, 0, 0}));

    for (int bad : {-1, 4, 100}) {
        m.UsedItemsSetIndex = bad;
        EXPECT_EQ(m.MakeUsedItems(), 2) << bad;
        EXPECT_EQ(m.UsedItemsSetIndex, 0);
    }
}

TEST(UsedItemsModel, EmptySetShowsZero) {
    UsedItemsModel m = model(4);
    m.UsedItemsSetIndex = 3;
    EXPECT_EQ(m.MakeUsedItems(), 0);
    EXPECT_EQ(m.selectedText(0), QStringLiteral(" Выбрано: 0 / 3"));
}

TEST(UsedItemsModel, EnableDisableAllAndSingleEntries) {
    UsedItemsModel m = model(5);
    m.UsedItemsSetIndex = 1;
    m.disableAll();
    EXPECT_EQ(m.availableCount(), 0);
    m.enableAll();
    EXPECT_EQ(m.UsedItemsSets[1], (V{0, 1, 1, 1, 1}));
    EXPECT_EQ(m.ItemAvailable, (V{0, 1, 1, 1, 1}));
    EXPECT_EQ(m.UsedItemsSets[0], (V{0, 0, 0, 0, 0})); // other sets untouched

    EXPECT_TRUE(m.setRowChecked(0, false)); // row 0 = ingredient 1
    EXPECT_TRUE(m.disableItem(4));
    EXPECT_FALSE(m.disableItem(0));
    EXPECT_FALSE(m.disableItem(5));
    EXPECT_FALSE(m.setRowChecked(4, true));
    EXPECT_FALSE(m.setRowChecked(-1, true));
    EXPECT_EQ(m.UsedItemsSets[1], (V{0, 0, 1, 1, 0}));
    EXPECT_EQ(m.ItemAvailable, (V{0, 0, 1, 1, 0}));
}

TEST(UsedItemsModel, NextEnabledAndDisabledRowBelowWithoutWrap) {
    UsedItemsModel m = model(7); // rows 0..5
    m.UsedItemsSets[0] = {0, 1, 0, 0, 1, 1, 1};
    m.MakeUsedItems();
    EXPECT_EQ(m.nextEnabledRow(-1), 0); // none selected: from the first row
    EXPECT_EQ(m.nextEnabledRow(0), 3);
    EXPECT_EQ(m.nextDisabledRow(-1), 1);
    EXPECT_EQ(m.nextDisabledRow(1), 2);
    EXPECT_EQ(m.nextDisabledRow(2), -1); // everything below is available
    EXPECT_EQ(m.nextEnabledRow(5), -1);  // the last row
    EXPECT_EQ(m.nextEnabledRow(99), -1);
}

TEST(UsedItemsModel, RenamedSetKeepsItsName) {
    UsedItemsModel m = model(3);
    EXPECT_TRUE(m.renameSet(2, QStringLiteral("Сумка")));
    EXPECT_FALSE(m.renameSet(4, QStringLiteral("x")));
    EXPECT_EQ(m.setName(2), QStringLiteral("Сумка"));
    EXPECT_EQ(m.setName(-1), QString());
    EXPECT_EQ(m.UsedItemsSetNames.size(), 4);
}

TEST(UsedItemsModel, ResizePadsWithUnavailableAndCuts) {
    UsedItemsModel m = model(3);
    m.UsedItemsSets[0] = {0, 1, 1};
    m.resize(5);
    EXPECT_EQ(m.UsedItemsSets[0], (V{0, 1, 1, 0, 0}));
    m.resize(2);
    EXPECT_EQ(m.UsedItemsSets[0], (V{0, 1}));
    EXPECT_EQ(m.MakeUsedItems(), 1);
    EXPECT_EQ(m.selectedText(1), QStringLiteral(" Выбрано: 1 / 1"));
}

} // namespace

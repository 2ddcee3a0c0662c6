#include "session/session.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace qor {
namespace {

// Records every announcement of a session, in order.
struct Announcements {
    explicit Announcements(Session &session) {
        QObject::connect(&session, &Session::skillsChanged, [this] { log.push_back("skills"); });
        QObject::connect(&session, &Session::conditionsChanged, [this] { log.push_back("conditions"); });
        QObject::connect(&session, &Session::searchNeeded,
                         [this](bool force) { log.push_back(force ? "search!" : "search"); });
        QObject::connect(&session, &Session::recipesReplaced, [this](int row) {
            log.push_back("replaced");
            this->row = row;
        });
        QObject::connect(&session, &Session::recipesRearranged, [this](int row) {
            log.push_back("rearranged");
            this->row = row;
        });
        QObject::connect(&session, &Session::altChanged, [this] { log.push_back("alt"); });
        QObject::connect(&session, &Session::favoritesChanged, [this](FavoritesPart part) {
            log.push_back(part == FavoritesPart::Recipes ? "fav recipes"
                          : part == FavoritesPart::Items ? "fav items"
                                                         : "fav effects");
        });
        QObject::connect(&session, &Session::ingredientSetsChanged, [this] { log.push_back("sets"); });
        QObject::connect(&session, &Session::availableItemsChanged, [this] { log.push_back("at hand"); });
        QObject::connect(&session, &Session::settingChanged,
                         [this](int line) { log.push_back("line " + std::to_string(line)); });
        QObject::connect(&session, &Session::gridOrderChanged, [this] { log.push_back("grid order"); });
        QObject::connect(&session, &Session::gridMarksChanged, [this] { log.push_back("grid marks"); });
        QObject::connect(&session, &Session::fontChanged, [this](SettingsFont which) {
            log.push_back("font " + std::to_string(static_cast<int>(which)));
        });
        QObject::connect(&session, &Session::elementMarksChanged, [this] { log.push_back("marks"); });
    }
    std::vector<std::string> take() { return std::exchange(log, {}); }

    std::vector<std::string> log;
    int row = -2;
};

using Log = std::vector<std::string>;

TEST(SessionTest, SkillsAreAnnouncedOnlyWhenTheyDiffer) {
    Session session;
    Announcements seen(session);
    SkillSettings skills = session.skills();
    session.setSkills(skills);
    EXPECT_EQ(seen.take(), Log{});
    skills.PerkPurity = true;
    session.setSkills(skills);
    EXPECT_EQ(seen.take(), Log{"skills"});
    EXPECT_TRUE(session.skills().PerkPurity);
    skills.AlchemySkill = 100;
    session.setSkills(skills);
    EXPECT_EQ(seen.take(), Log{"skills"});
}

TEST(SessionTest, TheSearchRunsOnlyForChangesItReads) {
    Session session;
    Announcements seen(session);
    SearchConditions c;
    c.EffectEnabled[0] = false;
    // An effect line that is on but asks nothing differs from an off line
    // only on screen.
    session.setConditions(c);
    EXPECT_EQ(seen.take(), Log{"conditions"});
    c.WantedEffect[0] = 3; // the line is off
    session.setConditions(c);
    EXPECT_EQ(seen.take(), Log{"conditions"});
    c.EffectEnabled[0] = true;
    session.setConditions(c);
    EXPECT_EQ(seen.take(), (Log{"conditions", "search"}));
    c.FilterCode[0] = FilterCode::Harmful; // the filter overrides the effect
    session.setConditions(c);
    EXPECT_EQ(seen.take(), (Log{"conditions", "search"}));
    c.WantedEffect[0] = 4;
    session.setConditions(c);
    EXPECT_EQ(seen.take(), Log{"conditions"});

    c.CostMaxIndex = 2; // the price range is not checked
    session.setConditions(c);
    EXPECT_EQ(seen.take(), Log{"conditions"});
    c.CheckCost = true;
    session.setConditions(c);
    EXPECT_EQ(seen.take(), (Log{"conditions", "search"}));

    c.RequiredItem2 = 5; // the required ingredient is off
    session.setConditions(c);
    EXPECT_EQ(seen.take(), Log{"conditions"});
    c.RequiredItem2Enabled = true;
    session.setConditions(c);
    EXPECT_EQ(seen.take(), (Log{"conditions", "search"}));
    c.ItemsCountMode = 2;
    session.setConditions(c);
    EXPECT_EQ(seen.take(), (Log{"conditions", "search"}));

    // The same conditions again: nothing, unless the search is asked for.
    session.setConditions(c);
    EXPECT_EQ(seen.take(), Log{});
    session.setConditions(c, true);
    EXPECT_EQ(seen.take(), Log{"search!"});
    EXPECT_EQ(session.conditions(), c);
}

TEST(SessionTest, RecipeListChangesCarryTheRowToSelect) {
    Session session;
    Announcements seen(session);
    TPotionRec rec{};
    rec.ItemCount = 2;
    rec.Items = {1, 2, 0};
    session.replaceRecipes([&](PotionList &list) {
        list.AddPotion(rec);
        list.AddPotion(rec);
        return 1;
    });
    EXPECT_EQ(seen.take(), Log{"replaced"});
    EXPECT_EQ(seen.row, 1);
    EXPECT_EQ(session.recipes().PotionCount(), 2);

    session.changeRecipes([](PotionList &) { return ListChange{false, 0}; });
    EXPECT_EQ(seen.take(), Log{});
    session.changeRecipes([](PotionList &list) { return deleteSelectedPotion(list, 1); });
    EXPECT_EQ(seen.take(), Log{"rearranged"});
    EXPECT_EQ(seen.row, 0);
    EXPECT_EQ(session.recipes().PotionCount(), 1);
}

TEST(SessionTest, TheAlternativeChoiceIsAnnouncedOnlyWhenItChanged) {
    Session session;
    Announcements seen(session);
    EXPECT_FALSE(session.editAlt([](AltMaking &, AltSelection &, PotionList &) { return false; }));
    EXPECT_EQ(seen.take(), Log{});
    EXPECT_TRUE(session.editAlt([](AltMaking &, AltSelection &sel, PotionList &) {
        sel.amountItems = 2;
        return true;
    }));
    EXPECT_EQ(seen.take(), Log{"alt"});
    EXPECT_EQ(session.altSelection().amountItems, 2);
}

TEST(SessionTest, EachFavouriteListIsAnnouncedOnceWhenItChanges) {
    Session session;
    Announcements seen(session);
    TPotionRec rec{};
    rec.ItemCount = 2;
    rec.Items = {1, 2, 0};
    EXPECT_EQ(
        session.editFavorites([&](FavoritesModel &fav) { return fav.addPotion(rec, QStringLiteral("a")); }),
        0);
    EXPECT_EQ(seen.take(), Log{"fav recipes"});
    // A rename to the same name, a refused insert and a move onto itself
    // change nothing and announce nothing.
    session.editFavorites([](FavoritesModel &fav) { return fav.renamePotion(0, QStringLiteral("a")); });
    session.editFavorites([](FavoritesModel &fav) { return fav.deletePotion(5); });
    EXPECT_EQ(seen.take(), Log{});
    session.editFavorites([](FavoritesModel &fav) { return fav.renamePotion(0, QStringLiteral("b")); });
    EXPECT_EQ(seen.take(), Log{"fav recipes"});

    session.editFavorites([](FavoritesModel &fav) {
        fav.insertItem(0, 7);
        fav.insertItem(0, 8);
        return fav.insertEffect(0, 3);
    });
    EXPECT_EQ(seen.take(), (Log{"fav items", "fav effects"}));
    session.editFavorites([](FavoritesModel &fav) { return fav.insertItem(0, 7); });
    session.editFavorites([](FavoritesModel &fav) { return fav.moveEffect(0, 0); });
    EXPECT_EQ(seen.take(), Log{});
    session.editFavorites([](FavoritesModel &fav) { return fav.moveItem(0, 1); });
    EXPECT_EQ(seen.take(), Log{"fav items"});
    EXPECT_EQ(session.favorites().FavItems, (std::vector<std::int32_t>{7, 8}));
}

TEST(SessionTest, TheSetsAnnounceASearchOnlyWhenTheIngredientsAtHandChange) {
    Session session;
    session.editSettings([](MainSettings &s) { s = defaultSettings(6); });
    Announcements seen(session);
    // Set 0 holds every ingredient: enabling all again is no change.
    session.editIngredientSets([](UsedItemsModel &sets) { sets.enableAll(); });
    EXPECT_EQ(seen.take(), Log{});
    session.editIngredientSets([](UsedItemsModel &sets) { return sets.disableItem(3); });
    EXPECT_EQ(seen.take(), (Log{"sets", "at hand"}));
    EXPECT_EQ(session.ingredientSets().ItemAvailable[3], 0);
    // A new name is kept and shown, but the search sees nothing new.
    session.editIngredientSets([](UsedItemsModel &sets) { return sets.renameSet(1, QStringLiteral("x")); });
    EXPECT_EQ(seen.take(), Log{"sets"});
}

TEST(SessionTest, SettingsAnnounceEachLineThatTookAnotherValue) {
    Session session;
    Announcements seen(session);
    session.setSetting(Setting.GridRowHeight, session.block().get(Setting.GridRowHeight));
    EXPECT_EQ(seen.take(), Log{});
    session.setSetting(Setting.GridRowHeight, 40);
    EXPECT_EQ(seen.take(), Log{"line " + std::to_string(Setting.GridRowHeight.line)});
    session.setSettingValue(Setting.DragShadow.line, 1);
    EXPECT_EQ(seen.take(), Log{"line " + std::to_string(Setting.DragShadow.line)});
    EXPECT_TRUE(session.block().get(Setting.DragShadow));

    // A whole file read: every list, line and font that differs, once each.
    MainSettings read = session.settings();
    read.favorites.FavEffects = {4};
    read.block.set(Setting.DragShadow, false);
    read.font(SettingsFont::LbHelp).size = 30;
    session.editSettings([&](MainSettings &s) { s = read; });
    const std::string helpFont = "font " + std::to_string(static_cast<int>(SettingsFont::LbHelp));
    EXPECT_EQ(seen.take(), (Log{"fav effects", "line " + std::to_string(Setting.DragShadow.line), helpFont}));
    EXPECT_EQ(session.settings(), read);
    session.setFont(SettingsFont::LbHelp, QStringLiteral("Arial"), 0); // no size in points: kept
    EXPECT_EQ(session.settings().font(SettingsFont::LbHelp), (FontSetting{QStringLiteral("Arial"), 30}));
    EXPECT_EQ(seen.take(), Log{helpFont});
    session.setFont(SettingsFont::LbHelp, QStringLiteral("Arial"), 30);
    EXPECT_EQ(seen.take(), Log{});
}

TEST(SessionTest, RecipeListMarksAreAnnouncedWhenAMarkOrItsColourChanged) {
    Session session;
    Announcements seen(session);
    GameData data;
    data.ItemTable.resize(3);
    data.EffectTable.resize(4);
    session.editElementMarks(data, [](GameData &d) { d.ItemTable[2].Marked = false; });
    EXPECT_EQ(seen.take(), Log{});
    session.editElementMarks(data, [](GameData &d) { d.ItemTable[2].Marked = true; });
    EXPECT_EQ(seen.take(), Log{"marks"});
    session.editElementMarks(data, [](GameData &d) { d.EffectTable[3].MarkerColor = 0x00FF00; });
    EXPECT_EQ(seen.take(), Log{"marks"});
    EXPECT_TRUE(data.ItemTable[2].Marked);
}

TEST(SessionTest, TheReferenceTableOrderIsAnnouncedOnceAndOnlyWhenItChanged) {
    Session session;
    Announcements seen(session);
    session.editGrid([](GridState &grid) { grid.GridRowOrder = {0, 1, 2, 3}; });
    EXPECT_EQ(seen.take(), Log{"grid order"});
    // The same rows, put back in place: nothing to announce.
    session.editGrid([](GridState &grid) {
        std::swap(grid.GridRowOrder[1], grid.GridRowOrder[2]);
        std::swap(grid.GridRowOrder[1], grid.GridRowOrder[2]);
    });
    EXPECT_EQ(seen.take(), Log{});
    // A new sort over rows and code together: one announcement.
    session.editGrid([](GridState &grid) {
        grid.GridSortCode = -1;
        grid.GridRowOrder = {0, 3, 2, 1};
    });
    EXPECT_EQ(seen.take(), Log{"grid order"});
    EXPECT_EQ(session.grid().itemAtRow(1), 3);
    // The find column and the markers leave the order alone.
    session.editGrid([](GridState &grid) { grid.GridFindCol = 7; });
    EXPECT_EQ(seen.take(), Log{"grid marks"});
    session.editGrid([](GridState &grid) { grid.GridMarkers[2] = {true, 5}; });
    EXPECT_EQ(seen.take(), Log{"grid marks"});
    session.editGrid([](GridState &grid) { grid.GridMarkers[2].on = true; });
    EXPECT_EQ(seen.take(), Log{});
}

} // namespace
} // namespace qor

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

} // namespace
} // namespace qor

#pragma once
// Arrow keys and the space bar in the choosers of the search pages: which
// chooser a Shift or Ctrl arrow moves to or exchanges with, and which check
// box the space bar toggles. The window carries the outcome out on its
// controls; the rules live here so that they can be checked without one.

#include "input/quick_find.h"

#include <QString>
#include <QStringView>

namespace qor {

enum class ChooserGroup {
    None,
    Effect,     // CbEffect1..5
    Filter,     // CbFilter1..5
    Required,   // CbPrioriryIngredient1..2
    Ingredient, // CbIngredient1..3 (search from ingredients)
    CostMin,    // ComboBoxCost_Min
    CostMax,    // ComboBoxCost_Max
};

struct ChooserRef {
    ChooserGroup group = ChooserGroup::None;
    int row = 0; // 1-based within its group

    bool valid() const { return group != ChooserGroup::None; }
    friend bool operator==(const ChooserRef &, const ChooserRef &) = default;
};

// The chooser of an object name ("CbEffect3", "CbPrioriryIngredient2", ...);
// an invalid reference for any other name.
ChooserRef chooserOfName(QStringView objectName);
QString chooserName(ChooserRef chooser);
// The check box that belongs to a chooser ("CBoxEnableEff3",
// "CBoxNeedCheckCost", "CheckBoxCanPrimaryItem1", "CBoxCanUseItem2"); empty
// when it has none. The space bar toggles it and runs its command.
QString chooserCheckBoxName(ChooserRef chooser);

enum class ArrowKey { Left, Right, Up, Down };

// How a Ctrl arrow exchanges the selected entries of two choosers.
enum class ChooserExchange {
    None,
    // Effect and filter rows: with the searches held both take each other's
    // entry and run their commands, the sender's first; then the hold is
    // released, the target takes the focus and the last search runs once.
    BothCommandsLocked,
    // Required ingredients: swap, focus the target, run the sender's
    // command (unlocked), then move to the target.
    SenderCommandThenMove,
    // Choosers of the search from ingredients: swap, then move to the target.
    ThenMove,
};

// What an arrow key with Shift or Ctrl alone does in a chooser.
struct ChooserKeyOutcome {
    bool handled = false; // the key is swallowed (also when nothing else happens)
    // The chooser that takes the focus and runs its command; invalid: none.
    ChooserRef target;
    ChooserExchange exchange = ChooserExchange::None;
    // Moving to the target: its command runs with the searches held and the
    // last search type is repeated once afterwards (false: focus and
    // command only).
    bool lockedMove = false;
};

ChooserKeyOutcome chooserArrowKey(ChooserRef sender, ArrowKey key, KeyModifiers modifiers);

} // namespace qor

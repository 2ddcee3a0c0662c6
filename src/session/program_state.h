#pragma once
// The one program state object: every table and flag of a run. The main
// window owns it and hands it by reference to whatever needs it; nothing
// here is global.

#include "common/command_gate.h"
#include "engine/effect_strength.h"
#include "engine/search_conditions.h"
#include "engine/search_from_effects.h"
#include "game_data/game_data.h"
#include "recipe_list/search_slots.h"
#include "reference_table/grid_model.h"
#include "session/session.h"

#include <QLocale>
#include <QString>

#include <cstdint>
#include <vector>

namespace qor {

struct ProgramState {
    // Data folder with its trailing separator ("<program folder>/Files/").
    QString DataDir;
    // Folder of Main.ini and the user's other files, with its trailing
    // separator: DataDir when writable, else the user's configuration folder.
    QString SettingsDir;

    // The decimal separator of every number the window shows (weights, base
    // costs), taken from the locale once, when the window is made, so that
    // all of them agree for the whole run.
    QString DecimalPoint = QLocale().decimalPoint();

    GameData Data;
    // The skills, the search conditions, the recipe list, the alternative
    // making and everything Main.ini carries, announcing their changes.
    Session session;
    // What the skills make of Data; recomputed by RecalcItemEffects whenever
    // either changes.
    EffectStrengths Strengths;
    SearchType LastSearchType = SearchType::None;

    // Reused scratch of the search from effects.
    EffectSearcher Searcher;
    SearchSlots Slots;

    // Whether the window's commands and searches run now.
    CommandGate Gate;
    // Life-cycle flags of the main window.
    bool ShownOnce = false;
    bool SkipSaveOnExit = false;
    bool PictureWindowOpen = false;
};

} // namespace qor

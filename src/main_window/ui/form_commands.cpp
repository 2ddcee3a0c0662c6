// The command dispatcher On_Click and the handlers it branches to: the
// search conditions, the ingredient choosers, the skills, the tabs and the
// menu commands of this version.

#include "main_window/ui/form_main.h"

#include "main_window/ui/control_commands.h"
#include "main_window/ui/favorites_tab.h"
#include "main_window/ui/search_inputs.h"

#include "brewing_plan/ui/brewing_plan_window.h"
#include "engine/effect_strength.h"
#include "help/ui/help_panel.h"
#include "main_window/ui/prompts.h"
#include "main_window/ui/recipe_list_region.h"
#include "main_window/ui/reference_table_panel.h"
#include "main_window/ui/tool_windows.h"
#include "main_window/ui/view_commands.h"
#include "recipe_list/search_slots.h"
#include "recipe_list/ui/alt_lists.h"
#include "recipe_list/ui/chooser_combo.h"
#include "recipe_list/ui/potion_list_view.h"
#include "recipe_list/ui/recipe_info_lists.h"
#include "settings/settings_guard.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>

namespace qor {

void TFormMain::On_Click(QObject *sender) {
    // Controls fire change events while code fills or restores them; those
    // must not start commands.
    if (!m_state->Gate.open())
        return;
    if (auto *act = qobject_cast<QAction *>(sender)) {
        runCommand(act);
        return;
    }
    m_controlCommands->run(sender);
}

void TFormMain::On_Enter(QWidget *tab) {
    m_controlCommands->enter(tab);
}

void TFormMain::cmdExit(QAction *, int noSave) {
    if (noSave)
        m_state->SkipSaveOnExit = true;
    close();
}

void TFormMain::cmdBrewingPlan(QAction *, int) {
    const ProgramState &st = *m_state;
    // Stock.ini lives in the folder of Main.ini.
    showBrewingPlanWindow(
        this,
        {st.Data, st.Strengths, st.session.skills(), st.session.ingredientSets().ItemAvailable, &m_pictures,
         [this](const QString &text) { m_dialogs.message(this, text, MessageIcon::Warning); },
         st.SettingsDir});
}

void TFormMain::cmdDebug(QAction *item, int) {
    if (const auto text = m_dialogs.inputText(this, item->text(), QString()))
        ExecDebugCmd(*text);
}

bool TFormMain::PromptNumber(QAction *item, int current, int &value, int maximum, int minimum,
                             const QString &prompt) {
    return qor::PromptNumber(m_dialogs, this, item, current, value, maximum, minimum, prompt);
}

void TFormMain::ExecDebugCmd(const QString &text) {
    if (text.trimmed().toUpper() == QLatin1String("QOR"))
        m_dialogs.message(this, QStringLiteral("Привет Хозяин     "), MessageIcon::Warning);
}

} // namespace qor

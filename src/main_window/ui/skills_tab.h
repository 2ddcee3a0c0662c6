#pragma once
// The skills tab of the main window: the alchemy skill, the fortify
// percentage, the alchemist ranks and the four perks. Every accepted change
// recalculates the ingredients' strengths and becomes the session's skills.

#include "main_window/ui/window_context.h"

#include <array>
#include <cstdint>

class QCheckBox;
class QLineEdit;
class QWidget;

namespace qor {

class ChooserComboBox;
class ControlCommands;
struct ControlsContext;
struct SkillSettings;
struct WindowRouters;

class SkillsTab {
  public:
    explicit SkillsTab(const WindowContext &ctx);
    // The edits, the ranks chooser and the perk boxes on their tab sheet.
    void buildControls(QWidget &tabSheet, const ControlsContext &controls);
    // The controls change the skills; the first entry of the page fills
    // them from the session.
    void connectSignals(ControlCommands &commands);
    // The ranks chooser joins the keys, the wheel and the drags.
    void joinRouters(const WindowRouters &routers);

  private:
    struct SkillEdit {
        QLineEdit *line;
        int maximum;
        std::int32_t SkillSettings::*skill;
    };
    // A skill edit: out-of-range text is corrected in place first.
    void onSkillEditChanged(const SkillEdit &edit);
    void setSkills(const SkillSettings &skills);
    void enter();

    WindowContext m_ctx;
    QWidget *m_page = nullptr;          // TabSheetSkills
    QLineEdit *m_skill = nullptr;       // EditAlchemyValue
    QLineEdit *m_fortify = nullptr;     // EditAlchemyModify
    ChooserComboBox *m_ranks = nullptr; // ComboBoxMainAlchPercCount
    struct Perk {
        QCheckBox *box;
        bool SkillSettings::*skill;
    };
    std::array<Perk, 4> m_perks{}; // CheckBoxPerkPurity, …Poisoner, …Benefactor, …Physician
    bool m_entered = false;
};

} // namespace qor

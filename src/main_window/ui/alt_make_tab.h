#pragma once
// The alternative-making tab of the main window: the available effects and
// ingredients, and the ingredients and effects chosen so far. A double or
// right click (or Insert / Delete) adds an entry or takes it away again; the
// session then makes the potion.

#include "main_window/ui/window_context.h"

#include <functional>

class QListView;
class QWidget;

namespace qor {

class AltEffectsList;
class AltItemsList;
class ControlCommands;
struct ControlsContext;
struct WindowRouters;

class AltMakeTab {
  public:
    // altListsView applies the lists' stored font and row height.
    AltMakeTab(const WindowContext &ctx, std::function<void()> altListsView);
    // The four lists on their tab sheet; the window's controls keep
    // pointers to them for the view commands that set their font.
    void buildControls(QWidget &tabSheet, const ControlsContext &controls);
    // The lists follow the session; their clicks and the first entry of the
    // page are the tab's commands.
    void connectSignals(ControlCommands &commands);
    // The lists join the keys, the wheel and the drags.
    void joinRouters(const WindowRouters &routers);

  private:
    void enter();
    void refreshAltLists();
    void AltAddEffect();
    void AltAddItem();
    void AltDelEffect();
    void AltDelItem();

    WindowContext m_ctx;
    std::function<void()> m_altListsView;
    QWidget *m_page = nullptr;                 // TabSheetAltMake
    AltEffectsList *m_effects = nullptr;       // LbAltEffectsList
    AltItemsList *m_chosenItems = nullptr;     // LbAltAmountItems
    AltEffectsList *m_chosenEffects = nullptr; // LbAltAmountEffects
    AltItemsList *m_items = nullptr;           // LbAltItemsList
    bool m_entered = false;
};

} // namespace qor

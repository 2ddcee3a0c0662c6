#pragma once
// The alternative-making tab of the main window: the available effects and
// ingredients, and the ingredients and effects chosen so far. A double or
// right click (or Insert / Delete) adds an entry or takes it away again; the
// session then makes the potion.

#include "main_window/ui/window_context.h"

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
    explicit AltMakeTab(const WindowContext &ctx);
    // The four lists on their tab sheet.
    void buildControls(QWidget &tabSheet, const ControlsContext &controls);
    struct Lists {
        AltEffectsList *effects;       // LbAltEffectsList
        AltItemsList *chosenItems;     // LbAltAmountItems
        AltEffectsList *chosenEffects; // LbAltAmountEffects
        AltItemsList *items;           // LbAltItemsList
    };
    Lists lists() const { return {m_effects, m_chosenItems, m_chosenEffects, m_items}; }
    // The lists follow the session, their stored font and row height
    // included; their clicks and the first entry of the page are the tab's
    // commands.
    void connectSignals(ControlCommands &commands);
    // The lists' stored font and row height applied.
    void AltLBoxsSetView();
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
    QWidget *m_page = nullptr;                 // TabSheetAltMake
    AltEffectsList *m_effects = nullptr;       // LbAltEffectsList
    AltItemsList *m_chosenItems = nullptr;     // LbAltAmountItems
    AltEffectsList *m_chosenEffects = nullptr; // LbAltAmountEffects
    AltItemsList *m_items = nullptr;           // LbAltItemsList
    bool m_entered = false;
};

} // namespace qor

#pragma once
// The saved state and the window's controls: Main.ini's values applied to
// the controls once at start-up and collected from them once at shutdown.

#include "main_window/ui/window_context.h"

namespace qor {

struct MainSettings;

class RegionLayout;
class ReferenceTablePanel;
struct RecipeListWidgets;
class FavoritesTab;
class ViewCommands;

class SettingsBinding {
  public:
    // The parts whose state and controls Main.ini keeps.
    struct Parts {
        const RecipeListWidgets &recipes;
        ReferenceTablePanel &grid;
        ViewCommands &view;
        RegionLayout &layout;
        const FavoritesTab &favorites;
    };

    SettingsBinding(const WindowContext &ctx, Parts parts);

    void apply();
    void collect();

  private:
    void collectInto(MainSettings &settings);

    WindowContext m_ctx;
    Parts m_parts;
};

} // namespace qor

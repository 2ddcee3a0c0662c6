#pragma once
// The saved state and the window's controls: Main.ini's values applied to
// the controls once at start-up and collected from them once at shutdown.

#include "main_window/ui/window_context.h"

#include <QChar>

#include <cstdint>
#include <functional>
#include <optional>

namespace qor {

class RegionLayout;
class SearchInputs;
class SettingsBlock;
class ViewCommands;

// The one-byte Cyrillic code-page form of the effect-kind symbol as
// Main.ini stores it; nullopt for a character the code page lacks.
std::optional<std::uint8_t> effColorCharCode(QChar symbol);

class SettingsBinding {
  public:
    // The parts whose state Main.ini keeps besides the controls.
    struct Parts {
        ViewCommands &view;
        RegionLayout &layout;
        const SearchInputs &inputs;
        std::function<void(const SettingsBlock &)> applyChecks; // the check items of the menus
        std::function<void(SettingsBlock &)> collectChecks;
    };

    SettingsBinding(const WindowContext &ctx, Parts parts);

    void apply();
    void collect();

  private:
    WindowContext m_ctx;
    FormControls &m_ui;
    Parts m_parts;
};

} // namespace qor

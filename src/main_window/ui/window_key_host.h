#pragma once
// The main window as the keys see it: the program state quick find reads,
// the gate that holds commands off and the window's commands.

#include "input/ui/key_router.h"

namespace qor {

class FullScreenWindow;
class TFormMain;
struct ProgramState;
struct ViewColors;

class WindowKeyHost final : public KeyRouterHost {
  public:
    // fullScreen is the window's member: the full-screen window comes and goes.
    WindowKeyHost(TFormMain &form, const ViewColors &colors, FullScreenWindow *const &fullScreen);

    CommandGate &gate() override;
    QuickFindOptions quickFindOptions(FindKind kind) const override;
    FindTexts findTexts(FindKind kind) const override;
    int entryCount(FindKind kind) const override;
    int gridFindColumn() const override;
    void runCommand(QObject *sender) override;
    void doubleClick(QObject *sender) override;
    void repeatLastSearch() override;
    bool closeFullScreen() override;

  private:
    TFormMain &m_form;
    ProgramState &m_state;
    const ViewColors &m_colors;
    FullScreenWindow *const &m_fullScreen;
};

} // namespace qor

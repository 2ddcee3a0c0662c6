#include "main_window/ui/window_key_host.h"

#include "common_ui/full_screen_window.h"
#include "common_ui/view_colors.h"
#include "main_window/ui/form_main.h"
#include "session/find_texts.h"
#include "settings/settings_block.h"

namespace qor {

WindowKeyHost::WindowKeyHost(TFormMain &form, const ViewColors &colors, FullScreenWindow *const &fullScreen)
    : m_form(form), m_state(form.state()), m_colors(colors), m_fullScreen(fullScreen) {}

CommandGate &WindowKeyHost::gate() {
    return m_state.Gate;
}

QuickFindOptions WindowKeyHost::quickFindOptions(FindKind kind) const {
    QuickFindOptions options;
    options.timeoutMs = m_state.session.block().clamped(Setting.FastFindTimeout);
    options.startWithCurrent = m_state.session.block().get(Setting.MenuFastFindStartWithCurElement);
    options.keyOwnCode = findKeyOwnCode(kind, m_state.session.grid().GridFindCol);
    return options;
}

FindTexts WindowKeyHost::findTexts(FindKind kind) const {
    return findTextsOf(m_state, kind, m_colors.PotionFindCol);
}

int WindowKeyHost::entryCount(FindKind kind) const {
    switch (kind) {
    case FindKind::Recipes:
        return m_state.session.recipes().PotionCount();
    case FindKind::GridRows:
        return m_state.session.grid().rowCount();
    case FindKind::AltEffects:
        return int(m_state.session.alt().AltEffectRows.size());
    case FindKind::AltIngredients:
        return int(m_state.session.alt().AltCandidates.size());
    case FindKind::Ingredients:
        return m_state.Data.itemRecordCount();
    case FindKind::Effects:
        return m_state.Data.effectRecordCount();
    case FindKind::Filters:
        return int(m_state.Data.FilterList.size());
    }
    return 0;
}

int WindowKeyHost::gridFindColumn() const {
    return m_state.session.grid().GridFindCol;
}

void WindowKeyHost::runCommand(QObject *sender) {
    m_form.On_Click(sender);
}

void WindowKeyHost::doubleClick(QObject *sender) {
    m_form.On_DblClick(sender);
}

void WindowKeyHost::repeatLastSearch() {
    m_form.StartSearshLastType();
}

bool WindowKeyHost::closeFullScreen() {
    if (!m_fullScreen || !m_fullScreen->isVisible())
        return false;
    m_fullScreen->close();
    return true;
}

} // namespace qor

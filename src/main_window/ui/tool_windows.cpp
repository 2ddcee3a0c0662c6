#include "main_window/ui/tool_windows.h"

#include "favorites/ui/form_favorites.h"
#include "favorites/ui/form_used_items.h"
#include "session/program_state.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <utility>

namespace qor {

namespace {

ListFont listFont(const FontSetting &f) {
    return {f.name, f.size};
}

WindowBounds boundsOf(const QRect &r) {
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

// The place of a tool window on the screen, frame included; none while it is
// not open.
QRect openBounds(const ToolWindow *window) {
    return window && window->isVisible() ? window->frameGeometry() : QRect();
}

} // namespace

QRect toolWindowRect(const WindowBounds &saved, const QSize &screen, const QRect &other) {
    const WindowBounds b = fitToolWindowToScreen(saved, screen.width(), screen.height());
    const QRect rect(b.left, b.top, b.right - b.left, b.bottom - b.top);
    if (b == saved || !other.isValid() || !rect.intersects(other))
        return rect;
    constexpr int gap = 8;
    const auto onScreen = [&screen](QRect r) {
        r.moveLeft(std::clamp(r.left(), 0, std::max(0, screen.width() - r.width())));
        return r;
    };
    const auto overlap = [&other](const QRect &r) {
        const QRect common = r.intersected(other);
        return common.isEmpty() ? 0 : common.width() * common.height();
    };
    const QRect right = onScreen(rect.translated(other.right() + 1 + gap - rect.left(), 0));
    const QRect left = onScreen(rect.translated(other.left() - gap - rect.width() - rect.left(), 0));
    return overlap(right) <= overlap(left) ? right : left;
}

ToolWindows::ToolWindows(ProgramState &state, const ViewColors &colors, const PictureSource *pictures,
                         ToolWindowHooks hooks)
    : m_state(state), m_colors(colors), m_pictures(pictures), m_hooks(std::move(hooks)) {
    connect(&m_state.session, &Session::settingChanged, this, &ToolWindows::followFlag);
}

void ToolWindows::followFlag(int line) {
    // Main.ini read at start-up sets the flags too; the windows open with the
    // main window's first show (reopen).
    if (!m_state.Gate.ready())
        return;
    const SettingsBlock &b = m_state.session.block();
    if (line == Setting.MenuShowFormFavorites.line)
        showFavorites(b.get(Setting.MenuShowFormFavorites));
    else if (line == Setting.MenuShowUsedItemsList.line)
        showUsedItems(b.get(Setting.MenuShowUsedItemsList));
}

ToolWindows::~ToolWindows() {
    // The windows read the program state: they go first.
    delete m_favorites.data();
    delete m_usedItems.data();
}

TFormFavorites *ToolWindows::favorites() const {
    return m_favorites.data();
}

TFormUsedItems *ToolWindows::usedItems() const {
    return m_usedItems.data();
}

QSize ToolWindows::screenSize() const {
    const QScreen *screen = m_hooks.owner ? m_hooks.owner->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1024, 768);
}

void ToolWindows::createFavorites() {
    const MainSettings &s = m_state.session.settings();
    m_favorites = new TFormFavorites(m_state.session, m_state.Data, m_colors, m_pictures, m_hooks.prompts,
                                     m_hooks.owner);
    FavoritesWindowState saved;
    saved.bounds = toolWindowRect(s.favoritesWindowBounds, screenSize(), openBounds(m_usedItems));
    saved.font = listFont(s.font(SettingsFont::FavoritesLists));
    saved.rowHeight = s.block.clamped(Setting.FavoritesItemHeight);
    saved.groupHeight = s.block.get(Setting.FavoritesEffGroupHeight);
    m_favorites->applyState(saved);
    m_favorites->SetSplittersHeight(s.block.clamped(Setting.SplitterThickness));
    connect(m_favorites, &ToolWindow::closed, this,
            [this] { m_state.session.setSetting(Setting.MenuShowFormFavorites, false); });
    Q_EMIT favoritesCreated(m_favorites);
}

void ToolWindows::createUsedItems() {
    const MainSettings &s = m_state.session.settings();
    m_usedItems = new TFormUsedItems(m_state.session, m_state.Data, m_colors, m_pictures, m_hooks.prompts,
                                     m_hooks.makeChooser, m_hooks.owner);
    m_usedItems->setBounds(toolWindowRect(s.usedItemsWindowBounds, screenSize(), openBounds(m_favorites)));
    m_usedItems->setRowHeight(s.block.clamped(Setting.UsedItemsItemHeight));
    m_usedItems->setListFont(listFont(s.font(SettingsFont::UsedItemsList)));
    connect(m_usedItems, &ToolWindow::closed, this,
            [this] { m_state.session.setSetting(Setting.MenuShowUsedItemsList, false); });
    applyComboBoxMode();
    Q_EMIT usedItemsCreated(m_usedItems);
    // Applies the current set (an index outside 0..3 falls back to set 0);
    // the search follows when the ingredients at hand change.
    m_usedItems->chooseSet(m_state.session.ingredientSets().currentSet());
}

void ToolWindows::showFavorites(bool on) {
    if (on && !m_favorites)
        createFavorites();
    if (m_favorites)
        m_favorites->setVisible(on);
}

void ToolWindows::showUsedItems(bool on) {
    if (on && !m_usedItems)
        createUsedItems();
    if (m_usedItems)
        m_usedItems->setVisible(on);
}

void ToolWindows::reopen() {
    const SettingsBlock &b = m_state.session.block();
    if (b.get(Setting.MenuShowFormFavorites))
        showFavorites(true);
    if (b.get(Setting.MenuShowUsedItemsList))
        showUsedItems(true);
}

void ToolWindows::SetSplittersHeight(int thickness) {
    if (m_favorites)
        m_favorites->SetSplittersHeight(thickness);
}

void ToolWindows::applyComboBoxMode() {
    if (m_usedItems && m_hooks.comboBoxMode)
        m_hooks.comboBoxMode(m_usedItems);
}

void ToolWindows::mainFontChanged(const QFont &font) {
    if (m_favorites)
        m_favorites->setFont(font);
}

void ToolWindows::promptUsedItemsRowHeight(QAction *item) {
    const SettingsBlock &b = m_state.session.block();
    if (!m_hooks.prompts.number)
        return;
    const SettingRange range = Setting.UsedItemsItemHeight.range();
    const auto value = m_hooks.prompts.number(item ? item->text() : QString(),
                                              b.clamped(Setting.UsedItemsItemHeight), range.min, range.max);
    if (!value)
        return;
    m_state.session.setSetting(Setting.UsedItemsItemHeight, *value);
    if (m_usedItems)
        m_usedItems->setRowHeight(*value);
}

void ToolWindows::promptUsedItemsFont() {
    if (!m_hooks.prompts.font)
        return;
    const FontSetting &setting = m_state.session.settings().font(SettingsFont::UsedItemsList);
    QFont font = m_usedItems ? m_usedItems->CLbUsedItems->font() : listFont(setting).applied(QFont());
    if (!m_hooks.prompts.font(font))
        return;
    m_state.session.setFont(SettingsFont::UsedItemsList, font.family(), font.pointSize());
    if (m_usedItems)
        m_usedItems->setListFont(listFont(setting));
}

void ToolWindows::collect(MainSettings &settings) const {
    if (m_favorites) {
        const FavoritesWindowState state = m_favorites->state();
        settings.favoritesWindowBounds = boundsOf(state.bounds);
        settings.font(SettingsFont::FavoritesLists) = FontSetting{state.font.name, state.font.size};
        settings.block.set(Setting.FavoritesItemHeight, state.rowHeight);
        settings.block.set(Setting.FavoritesEffGroupHeight, state.groupHeight);
    }
    if (m_usedItems)
        settings.usedItemsWindowBounds = boundsOf(m_usedItems->bounds());
}

} // namespace qor

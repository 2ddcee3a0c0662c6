// The alternative-making tab: its four lists, their double and right
// clicks, and the first entry that prepares the page.

#include "main_window/ui/alt_make_tab.h"

#include "common_ui/pixel_font.h"
#include "common_ui/stored_font.h"
#include "drag_drop/ui/drag_controller.h"
#include "input/ui/key_router.h"
#include "input/ui/wheel_router.h"
#include "main_window/ui/control_commands.h"
#include "main_window/ui/controls_context.h"
#include "main_window/ui/stored_looks.h"
#include "main_window/ui/window_routers.h"
#include "recipe_list/ui/alt_lists.h"
#include "recipe_list/ui/item_pictures_source.h"
#include "session/program_state.h"

#include <QGridLayout>
#include <QLabel>
#include <QMainWindow>

namespace qor {

AltMakeTab::AltMakeTab(const WindowContext &ctx) : m_ctx(ctx) {}

void AltMakeTab::buildControls(QWidget &tabSheet, const ControlsContext &controls) {
    m_page = &tabSheet;
    auto *grid = new QGridLayout(&tabSheet);
    grid->setContentsMargins(4, 4, 4, 5);
    grid->setSpacing(2);
    const GameData &data = controls.state.Data;
    const AltMaking &alt = controls.state.session.alt();
    const auto named = [](auto *list, const QString &name) {
        list->setObjectName(name);
        list->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 13));
        list->setContextMenuPolicy(Qt::CustomContextMenu);
        return list;
    };
    m_effects =
        named(new AltEffectsList(AltEffectsList::Kind::Available, data, alt, controls.colors, &tabSheet),
              QStringLiteral("LbAltEffectsList"));
    m_chosenItems = named(new AltItemsList(AltItemsList::Kind::Amount, data, alt, controls.colors,
                                           controls.pictureSource, &tabSheet),
                          QStringLiteral("LbAltAmountItems"));
    m_chosenEffects =
        named(new AltEffectsList(AltEffectsList::Kind::Amount, data, alt, controls.colors, &tabSheet),
              QStringLiteral("LbAltAmountEffects"));
    m_items = named(new AltItemsList(AltItemsList::Kind::Candidates, data, alt, controls.colors,
                                     controls.pictureSource, &tabSheet),
                    QStringLiteral("LbAltItemsList"));
    grid->addWidget(new QLabel(QStringLiteral("Доступные эффекты"), &tabSheet), 0, 0);
    grid->addWidget(m_effects, 1, 0, 3, 1);
    grid->addWidget(new QLabel(QStringLiteral("Ингредиенты зелья"), &tabSheet), 0, 1);
    grid->addWidget(m_chosenItems, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Обязательные зффекты"), &tabSheet), 2, 1);
    grid->addWidget(m_chosenEffects, 3, 1);
    grid->addWidget(new QLabel(QStringLiteral("Доступные ингредиенты"), &tabSheet), 0, 2);
    grid->addWidget(m_items, 1, 2, 3, 1);
    for (int c = 0; c < 3; ++c)
        grid->setColumnStretch(c, 1);
}

void AltMakeTab::AltLBoxsSetView() {
    const MainSettings &s = m_ctx.state.session.settings();
    const FontSetting &f = s.font(SettingsFont::AltLists);
    const int height = s.block.clamped(Setting.AltListsItemHeight);
    for (OwnerDrawListView *list :
         std::initializer_list<OwnerDrawListView *>{m_items, m_effects, m_chosenItems, m_chosenEffects}) {
        applyStoredFont(list, f);
        list->setItemHeight(height);
    }
}

void AltMakeTab::connectSignals(ControlCommands &commands) {
    QObject *const context = &m_ctx.window;
    const Session *session = &m_ctx.state.session;
    QObject::connect(session, &Session::altListsChanged, context, [this] { refreshAltLists(); });
    followStoredLooks(m_ctx.state, context, SettingsFont::AltLists, Setting.AltListsItemHeight.line,
                      [this] { AltLBoxsSetView(); });
    const auto onDoubleClick = [this, context, &commands](QListView *list, void (AltMakeTab::*command)()) {
        const auto run = [this, command] {
            if (m_ctx.state.Gate.ready())
                (this->*command)();
        };
        QObject::connect(list, &QListView::doubleClicked, context, run);
        // A right click selects the row under the pointer and acts as a
        // double click on it.
        QObject::connect(list, &QListView::customContextMenuRequested, context,
                         [list, run](const QPoint &pos) {
                             const QModelIndex index = list->indexAt(pos);
                             if (!index.isValid())
                                 return;
                             list->setCurrentIndex(index);
                             run();
                         });
        commands.addDoubleClick(list, [this, command] { (this->*command)(); });
    };
    onDoubleClick(m_effects, &AltMakeTab::AltAddEffect);
    onDoubleClick(m_items, &AltMakeTab::AltAddItem);
    onDoubleClick(m_chosenEffects, &AltMakeTab::AltDelEffect);
    onDoubleClick(m_chosenItems, &AltMakeTab::AltDelItem);
    commands.addEntry(m_page, [this] { enter(); });
}

void AltMakeTab::joinRouters(const WindowRouters &routers) {
    const auto list = [&routers](QAbstractItemView *view, KeyListRole key, DragControl drag) {
        routers.keys.registerList(view, key);
        routers.wheel.watch(view, WheelRouter::Target::List);
        routers.drag.registerControl(view, drag);
    };
    list(m_effects, KeyListRole::AltEffects, DragControl::AltEffectsList);
    list(m_chosenItems, KeyListRole::AltAmountItems, DragControl::AltAmountItems);
    list(m_items, KeyListRole::AltItems, DragControl::AltItemsList);
    list(m_chosenEffects, KeyListRole::AltAmountEffects, DragControl::AltAmountEffects);
}

void AltMakeTab::enter() {
    if (m_entered)
        return;
    m_entered = true;
    Session &session = m_ctx.state.session;
    session.prepareAltPage(m_ctx.state.Data);
    AltLBoxsSetView();
    m_effects->resetRows();
    m_items->resetRows();
    m_chosenItems->resetRows();
    m_chosenEffects->resetRows();
    m_items->setCurrentRow(session.altSelection().candidates);
    m_effects->setCurrentRow(session.alt().AltEffectRows.empty() ? -1 : 0);
}

void AltMakeTab::refreshAltLists() {
    const Session &session = m_ctx.state.session;
    m_effects->refresh();
    m_items->refresh();
    m_chosenItems->refresh();
    m_chosenEffects->refresh();
    m_items->setCurrentRow(session.altSelection().candidates);
    m_chosenItems->setCurrentRow(session.altSelection().amountItems);
    m_chosenEffects->setCurrentRow(session.altSelection().amountEffects);
}

// The session announces a changed choice; the window makes the potion.
void AltMakeTab::AltAddEffect() {
    ProgramState &st = m_ctx.state;
    const int effect = m_effects->effectAt(m_effects->currentRow());
    const bool purity = st.session.skills().PerkPurity;
    st.session.editAlt([&](AltMaking &alt, AltSelection &sel, PotionList &list) {
        return alt.AltAddEffect(st.Data, st.Strengths, purity, list, effect, sel);
    });
}

void AltMakeTab::AltAddItem() {
    ProgramState &st = m_ctx.state;
    const int item = m_items->itemAt(m_items->currentRow());
    const bool purity = st.session.skills().PerkPurity;
    st.session.editAlt([&](AltMaking &alt, AltSelection &sel, PotionList &list) {
        return alt.AltAddItem(st.Data, st.Strengths, purity, list, item, sel);
    });
}

void AltMakeTab::AltDelEffect() {
    ProgramState &st = m_ctx.state;
    const int row = m_chosenEffects->currentRow();
    const bool purity = st.session.skills().PerkPurity;
    st.session.editAlt([&](AltMaking &alt, AltSelection &sel, PotionList &list) {
        sel.amountEffects = row;
        return alt.AltDelEffect(st.Data, st.Strengths, purity, list, row, sel);
    });
}

void AltMakeTab::AltDelItem() {
    ProgramState &st = m_ctx.state;
    const int row = m_chosenItems->currentRow();
    const bool purity = st.session.skills().PerkPurity;
    st.session.editAlt([&](AltMaking &alt, AltSelection &sel, PotionList &list) {
        sel.amountItems = row;
        return alt.AltDelItem(st.Data, st.Strengths, purity, list, row, sel);
    });
}

} // namespace qor

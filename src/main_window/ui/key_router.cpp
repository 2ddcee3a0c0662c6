#include "main_window/ui/key_router.h"

#include "common_ui/platform_adapter.h"
#include "favorites/ui/favorites_list.h"
#include "input/find_key_letters.h"
#include "main_window/ui/form_controls.h"
#include "recipe_list/search_slots.h"
#include "recipe_list/ui/alt_lists.h"
#include "recipe_list/ui/chooser_combo.h"
#include "recipe_list/ui/potion_list_view.h"
#include "session/find_texts.h"
#include "session/program_state.h"
#include "settings/settings_block.h"

#include <QAction>
#include <QCheckBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>

namespace qor {

namespace {

bool canTakeFocus(const QWidget *w) {
    return w && w->isEnabled() && w->isVisible() && w->focusPolicy() != Qt::NoFocus;
}

// Keys only tell their physical place where the platform reports XKB
// keycodes as native scan codes.
bool platformHasXkbKeycodes() {
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"));
}

ArrowKey arrowOf(int key) {
    switch (key) {
    case Qt::Key_Left:
        return ArrowKey::Left;
    case Qt::Key_Right:
        return ArrowKey::Right;
    case Qt::Key_Up:
        return ArrowKey::Up;
    default:
        return ArrowKey::Down;
    }
}

void scrollTopRow(QAbstractItemView *list, int step) {
    QScrollBar *bar = list->verticalScrollBar();
    bar->setValue(bar->value() + step);
}

} // namespace

int physicalKeyOf(const QKeyEvent &event) {
    return findKeyOfEvent(event.key(), platformHasXkbKeycodes() ? event.nativeScanCode() : 0);
}

KeyModifiers keyModifiersOf(Qt::KeyboardModifiers modifiers) {
    return {modifiers.testFlag(Qt::ShiftModifier), modifiers.testFlag(Qt::ControlModifier),
            modifiers.testFlag(Qt::AltModifier)};
}

// How quick find and the bookmarks see one sender.
struct KeyRouter::FindTarget {
    bool valid = false;
    FindKind kind = FindKind::Ingredients;
    int firstIndex = 0;
    int current = -1;
    int count = 0; // entries the control holds
    bool hasBookmarks = false;
    BookmarkTable table = BookmarkTable::Recipes;
};

KeyRouter::KeyRouter(ProgramState &state, const FormControls &controls, TickClock &clock,
                     const QAction *startWithCurrent, KeyRouterHooks hooks, QObject *parent)
    : QObject(parent), m_state(state), m_ui(controls), m_clock(clock), m_startWithCurrent(startWithCurrent),
      m_hooks(std::move(hooks)) {}

void KeyRouter::attach(QWidget *mainWindow) {
    const FormControls &u = m_ui;
    QList<QWidget *> controls;
    for (ChooserComboBox *c : u.CbEffect)
        controls << c;
    for (ChooserComboBox *c : u.CbFilter)
        controls << c;
    for (ChooserComboBox *c : u.CbPrioriryIngredient)
        controls << c;
    for (ChooserComboBox *c : u.CbIngredient)
        controls << c;
    controls << u.ComboBoxCost_Min << u.ComboBoxCost_Max << u.ComboBoxMainAlchPercCount << u.LbAltEffectsList
             << u.LbAltAmountItems << u.LbAltItemsList << u.LbAltAmountEffects << u.LBFavorites << u.LBPotion
             << u.StringGrid;
    for (QWidget *w : controls) {
        w->installEventFilter(this);
        // An open drop-down list has the keys; typing there finds as well.
        if (auto *combo = qobject_cast<ChooserComboBox *>(w)) {
            combo->view()->installEventFilter(this);
            m_dropDowns.insert(combo->view(), combo);
        }
    }
    // The window sees the keys no control took (Ctrl+Tab from anywhere);
    // the inner tab widget would otherwise turn its own pages on Ctrl+Tab.
    mainWindow->installEventFilter(this);
    u.PageControlSearshOpt->installEventFilter(this);
}

void KeyRouter::addAvailableItemsList(QAbstractItemView *list) {
    m_availableList = list;
    list->installEventFilter(this);
}

bool KeyRouter::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    const KeyModifiers modifiers = keyModifiersOf(key->modifiers());
    const bool isControl = watched != parent() && watched != m_ui.PageControlSearshOpt;
    if (!isControl) {
        // Keys that reach the window itself: only Ctrl+Tab means anything there.
        if (modifiers.ctrl && !modifiers.alt &&
            (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) {
            nextTab(modifiers.shift || key->key() == Qt::Key_Backtab);
            return true;
        }
        return false;
    }
    if (!m_state.CommandsReady)
        return false;
    if (ChooserComboBox *combo = m_dropDowns.value(watched))
        return quickFind(combo, physicalKeyOf(*key), modifiers);
    const int code = key->key() == Qt::Key_Backtab ? int(Qt::Key_Tab) : physicalKeyOf(*key);
    return On_KeyDown(watched, code, modifiers);
}

bool KeyRouter::On_KeyDown(QObject *sender, int key, KeyModifiers modifiers) {
    if (quickFind(sender, key, modifiers))
        return true;
    if (const int digit = bookmarkDigitOfKey(key); digit >= 0 && bookmark(sender, digit, modifiers))
        return true;
    if ((key == Qt::Key_Left || key == Qt::Key_Right) && leftRight(sender, key, modifiers))
        return true;
    if ((key == Qt::Key_Up || key == Qt::Key_Down) && (modifiers.shiftOnly() || modifiers.ctrlOnly()) &&
        upDown(sender, key, modifiers))
        return true;
    if (key == Qt::Key_Space && !modifiers.ctrl && !modifiers.alt && space(sender))
        return true;
    if (modifiers.ctrl && !modifiers.alt && key == Qt::Key_Tab) {
        nextTab(modifiers.shift);
        return true;
    }
    if (key == Qt::Key_Escape && (sender == m_ui.LBPotion || sender == m_ui.StringGrid) &&
        m_hooks.closeFullScreen && m_hooks.closeFullScreen())
        return true;
    return insertDelete(sender, key);
}

KeyRouter::FindTarget KeyRouter::findTargetOf(QObject *sender) const {
    FindTarget t;
    auto fromChooser = [&t](ChooserComboBox *combo, FindKind kind, BookmarkTable table) {
        t = {true, kind, 1, combo->currentIndex(), combo->count(), true, table};
    };
    const ChooserRef ref = chooserOfName(sender->objectName());
    if (sender == m_ui.LBPotion) {
        t = {true,
             FindKind::Recipes,
             0,
             m_ui.LBPotion->currentRow(),
             m_state.session.recipes().PotionCount(),
             true,
             BookmarkTable::Recipes};
    } else if (sender == m_ui.StringGrid) {
        const QModelIndex current = m_ui.StringGrid->currentIndex();
        t = {true, FindKind::GridRows, 1, current.isValid() ? current.row() + 1 : 0, m_state.Grid.rowCount()};
    } else if (sender == m_ui.LbAltEffectsList) {
        t = {true, FindKind::AltEffects, 0, m_ui.LbAltEffectsList->currentRow(),
             int(m_state.session.alt().AltEffectRows.size())};
    } else if (sender == m_ui.LbAltItemsList) {
        t = {true, FindKind::AltIngredients, 0, m_ui.LbAltItemsList->currentRow(),
             int(m_state.session.alt().AltCandidates.size())};
    } else if (sender == m_availableList && m_availableList) {
        // Row r shows ingredient r + 1: the current entry is that ingredient.
        const QModelIndex current = m_availableList->currentIndex();
        t = {true, FindKind::Ingredients, 1, current.isValid() ? current.row() + 1 : 0,
             m_state.Data.itemRecordCount()};
    } else if (ref.group == ChooserGroup::Effect) {
        fromChooser(static_cast<ChooserComboBox *>(sender), FindKind::Effects, BookmarkTable::Effects);
    } else if (ref.group == ChooserGroup::Filter) {
        fromChooser(static_cast<ChooserComboBox *>(sender), FindKind::Filters, BookmarkTable::Filters);
    } else if (ref.group == ChooserGroup::Required || ref.group == ChooserGroup::Ingredient) {
        fromChooser(static_cast<ChooserComboBox *>(sender), FindKind::Ingredients,
                    BookmarkTable::Ingredients);
    }
    return t;
}

bool KeyRouter::quickFind(QObject *sender, int key, KeyModifiers modifiers) {
    const FindTarget t = findTargetOf(sender);
    if (!t.valid || t.count <= 0)
        return false;
    QuickFindOptions options;
    options.timeoutMs = m_state.session.block().clamped(Setting.FastFindTimeout);
    options.startWithCurrent = m_startWithCurrent && m_startWithCurrent->isChecked();
    options.keyOwnCode = findKeyOwnCode(t.kind, m_state.Grid.GridFindCol);
    const int potionFindCol = m_hooks.potionFindCol ? m_hooks.potionFindCol() : 1;
    const FindTexts texts = findTextsOf(m_state, t.kind, potionFindCol);
    const int found =
        qor::quickFind(m_buffer, key, modifiers, m_clock.ticks(), options, texts, t.firstIndex, t.current);
    if (found < 0)
        return false;
    selectEntry(sender, found, true);
    return true;
}

void KeyRouter::selectEntry(QObject *sender, int index, bool runCommand) {
    {
        const ScopedFlag quiet(m_state.SuppressCommands);
        if (sender == m_ui.LBPotion) {
            m_ui.LBPotion->setCurrentRow(index);
        } else if (sender == m_ui.StringGrid) {
            QAbstractItemModel *model = m_ui.StringGrid->model();
            if (!model || index < 1)
                return;
            m_ui.StringGrid->setCurrentIndex(model->index(index - 1, m_state.Grid.GridFindCol));
        } else if (sender == m_ui.LbAltEffectsList || sender == m_ui.LbAltItemsList) {
            static_cast<OwnerDrawListView *>(sender)->setCurrentRow(index);
        } else if (sender == m_availableList && m_availableList) {
            if (QAbstractItemModel *model = m_availableList->model())
                m_availableList->setCurrentIndex(model->index(index - 1, 0));
            return; // no command
        } else if (auto *combo = qobject_cast<ChooserComboBox *>(sender)) {
            if (index >= combo->count())
                return;
            combo->setCurrentIndex(index);
            if (combo->view()->isVisible())
                combo->view()->setCurrentIndex(combo->model()->index(index, combo->modelColumn()));
        }
    }
    if (runCommand && m_hooks.runCommand)
        m_hooks.runCommand(sender);
}

bool KeyRouter::bookmark(QObject *sender, int digit, KeyModifiers modifiers) {
    const FindTarget t = findTargetOf(sender);
    if (!t.valid || !t.hasBookmarks)
        return false;
    const BookmarkOutcome outcome = m_bookmarks.onDigit(t.table, digit, modifiers, t.current, t.count);
    if (!outcome.handled)
        return false;
    if (outcome.select >= 0)
        selectEntry(sender, outcome.select, false);
    if (outcome.runCommand && m_hooks.runCommand)
        m_hooks.runCommand(sender);
    return true;
}

bool KeyRouter::leftRight(QObject *sender, int key, KeyModifiers modifiers) {
    if (sender == m_ui.LBPotion && m_ui.ScrollBarLB->isVisible()) {
        QScrollBar *bar = m_ui.ScrollBarLB;
        const bool left = key == Qt::Key_Left;
        int position = bar->value() + (left ? -100 : 100);
        if (modifiers.ctrl)
            position = left ? 0 : bar->maximum();
        // The bar's change runs On_Scroll.
        bar->setValue(position);
        return true;
    }
    const ChooserRef from = chooserOfName(sender->objectName());
    if (from.group != ChooserGroup::Effect && from.group != ChooserGroup::Filter)
        return false;
    const ChooserKeyOutcome outcome = chooserArrowKey(from, arrowOf(key), modifiers);
    if (!modifiers.shiftOnly() || !outcome.handled)
        return false;
    carryOut(from, outcome);
    return true;
}

bool KeyRouter::upDown(QObject *sender, int key, KeyModifiers modifiers) {
    const int step = key == Qt::Key_Up ? -1 : 1;
    if (modifiers.ctrlOnly()) {
        if (sender == m_ui.LBPotion) {
            m_ui.LBPotion->setTopIndex(m_ui.LBPotion->topIndex() + step);
            return true;
        }
        if (sender == m_ui.LBFavorites || (sender == m_availableList && m_availableList)) {
            scrollTopRow(static_cast<QAbstractItemView *>(sender), step);
            return true;
        }
    }
    const ChooserRef from = chooserOfName(sender->objectName());
    if (!qobject_cast<ChooserComboBox *>(sender))
        return false;
    const ChooserKeyOutcome outcome = chooserArrowKey(from, arrowOf(key), modifiers);
    if (!outcome.handled)
        return false;
    carryOut(from, outcome);
    return true;
}

ChooserComboBox *KeyRouter::chooser(ChooserRef ref) const {
    const auto at = [&ref](const auto &array) -> ChooserComboBox * {
        return ref.row >= 1 && ref.row <= int(array.size()) ? array[std::size_t(ref.row - 1)] : nullptr;
    };
    switch (ref.group) {
    case ChooserGroup::Effect:
        return at(m_ui.CbEffect);
    case ChooserGroup::Filter:
        return at(m_ui.CbFilter);
    case ChooserGroup::Required:
        return at(m_ui.CbPrioriryIngredient);
    case ChooserGroup::Ingredient:
        return at(m_ui.CbIngredient);
    case ChooserGroup::CostMin:
        return m_ui.ComboBoxCost_Min;
    case ChooserGroup::CostMax:
        return m_ui.ComboBoxCost_Max;
    case ChooserGroup::None:
        break;
    }
    return nullptr;
}

void KeyRouter::moveTo(ChooserComboBox *target, bool locked) {
    // Focusing a chooser that cannot take it would only lose the key.
    if (!canTakeFocus(target))
        return;
    if (!locked) {
        target->setFocus();
        m_hooks.runCommand(target);
        return;
    }
    {
        const ScopedFlag lock(m_state.SearchLocked);
        target->setFocus();
        m_hooks.runCommand(target);
    }
    m_hooks.repeatLastSearch();
}

void KeyRouter::carryOut(ChooserRef fromRef, const ChooserKeyOutcome &outcome) {
    ChooserComboBox *from = chooser(fromRef);
    ChooserComboBox *to = chooser(outcome.target);
    if (!from || !to)
        return;
    const auto exchange = [this, from, to] {
        const ScopedFlag quiet(m_state.SuppressCommands);
        const int mine = from->currentIndex();
        from->setCurrentIndex(to->currentIndex());
        to->setCurrentIndex(mine);
    };
    switch (outcome.exchange) {
    case ChooserExchange::None:
        moveTo(to, outcome.lockedMove);
        break;
    case ChooserExchange::BothCommandsLocked: {
        const ScopedFlag lock(m_state.SearchLocked);
        exchange();
        m_hooks.runCommand(from);
        m_hooks.runCommand(to);
    }
        if (canTakeFocus(to))
            to->setFocus();
        m_hooks.repeatLastSearch();
        break;
    case ChooserExchange::SenderCommandThenMove:
        exchange();
        if (canTakeFocus(to))
            to->setFocus();
        m_hooks.runCommand(from);
        moveTo(to, true);
        break;
    case ChooserExchange::ThenMove:
        exchange();
        moveTo(to, outcome.lockedMove);
        break;
    }
}

bool KeyRouter::space(QObject *sender) {
    const ChooserRef ref = chooserOfName(sender->objectName());
    QCheckBox *box = nullptr;
    switch (ref.group) {
    case ChooserGroup::Effect:
    case ChooserGroup::Filter:
        box = m_ui.CBoxEnableEff[std::size_t(ref.row - 1)];
        break;
    case ChooserGroup::Required:
        box = m_ui.CheckBoxCanPrimaryItem[std::size_t(ref.row - 1)];
        break;
    case ChooserGroup::Ingredient:
        box = m_ui.CBoxCanUseItem[std::size_t(ref.row - 1)];
        break;
    case ChooserGroup::CostMin:
    case ChooserGroup::CostMax:
        box = m_ui.CBoxNeedCheckCost;
        break;
    case ChooserGroup::None:
        return false;
    }
    if (!box || !qobject_cast<ChooserComboBox *>(sender))
        return false;
    {
        const ScopedFlag quiet(m_state.SuppressCommands);
        box->setChecked(!box->isChecked());
    }
    m_hooks.runCommand(box);
    return true;
}

void KeyRouter::nextTab(bool back) {
    QTabWidget *pages = m_ui.PageControl;
    const int count = pages->count();
    if (count < 1)
        return;
    pages->setCurrentIndex((pages->currentIndex() + (back ? count - 1 : 1)) % count);
}

bool KeyRouter::insertDelete(QObject *sender, int key) {
    const bool adds =
        key == Qt::Key_Insert && (sender == m_ui.LbAltEffectsList || sender == m_ui.LbAltItemsList);
    const bool removes =
        key == Qt::Key_Delete && (sender == m_ui.LbAltAmountItems || sender == m_ui.LbAltAmountEffects);
    if (!adds && !removes)
        return false;
    m_hooks.doubleClick(sender);
    return true;
}

} // namespace qor

#include "input/ui/key_router.h"

#include "common_ui/platform_adapter.h"
#include "input/find_key_letters.h"
#include "recipe_list/ui/alt_lists.h"
#include "recipe_list/ui/chooser_combo.h"
#include "recipe_list/ui/potion_list_view.h"

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

KeyRouter::KeyRouter(KeyRouterHost &host, TickClock &clock, QObject *parent)
    : QObject(parent), m_host(host), m_clock(clock) {}

void KeyRouter::registerChooser(ChooserComboBox *chooser, ChooserRef ref, QCheckBox *toggle) {
    m_choosers.insert(chooser, {chooser, ref, toggle});
    chooser->installEventFilter(this);
    // An open drop-down list has the keys; typing there finds as well.
    chooser->view()->installEventFilter(this);
    m_dropDowns.insert(chooser->view(), chooser);
}

void KeyRouter::registerList(QAbstractItemView *list, KeyListRole role, std::function<void()> chosen) {
    m_lists.insert(list, role);
    if (chosen)
        m_listChosen.insert(list, std::move(chosen));
    list->installEventFilter(this);
}

void KeyRouter::registerRecipeList(PotionListView *list, QScrollBar *horizontalBar,
                                   std::function<void()> chosen) {
    m_recipeBar = horizontalBar;
    registerList(list, KeyListRole::Recipes, std::move(chosen));
}

void KeyRouter::entryChosen(QObject *sender) {
    if (const auto it = m_listChosen.constFind(sender); it != m_listChosen.constEnd())
        (*it)();
    else
        m_host.runCommand(sender);
}

void KeyRouter::registerPages(QWidget *window, QTabWidget *pages, QTabWidget *inner) {
    m_pages = pages;
    m_inner = inner;
    // The window sees the keys no control took (Ctrl+Tab from anywhere);
    // the inner tab widget would otherwise turn its own pages on Ctrl+Tab.
    window->installEventFilter(this);
    inner->installEventFilter(this);
}

bool KeyRouter::isList(const QObject *sender, KeyListRole role) const {
    const auto it = m_lists.constFind(sender);
    return it != m_lists.constEnd() && *it == role;
}

bool KeyRouter::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    const KeyModifiers modifiers = keyModifiersOf(key->modifiers());
    const bool isControl =
        m_lists.contains(watched) || m_choosers.contains(watched) || m_dropDowns.contains(watched);
    if (!isControl) {
        // Keys that reach the window itself: only Ctrl+Tab means anything there.
        if (modifiers.ctrl && !modifiers.alt &&
            (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) {
            nextTab(modifiers.shift || key->key() == Qt::Key_Backtab);
            return true;
        }
        return false;
    }
    if (!m_host.gate().ready())
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
    if (key == Qt::Key_Escape &&
        (isList(sender, KeyListRole::Recipes) || isList(sender, KeyListRole::Grid)) &&
        m_host.closeFullScreen())
        return true;
    return insertDelete(sender, key);
}

KeyRouter::FindTarget KeyRouter::findTargetOf(QObject *sender) const {
    FindTarget t;
    if (const auto chooserIt = m_choosers.constFind(sender); chooserIt != m_choosers.constEnd()) {
        ChooserComboBox *combo = chooserIt->chooser;
        const auto fromChooser = [&t, combo](FindKind kind, BookmarkTable table) {
            t = {true, kind, 1, combo->currentIndex(), combo->count(), true, table};
        };
        switch (chooserIt->ref.group) {
        case ChooserGroup::Effect:
            fromChooser(FindKind::Effects, BookmarkTable::Effects);
            break;
        case ChooserGroup::Filter:
            fromChooser(FindKind::Filters, BookmarkTable::Filters);
            break;
        case ChooserGroup::Required:
        case ChooserGroup::Ingredient:
            fromChooser(FindKind::Ingredients, BookmarkTable::Ingredients);
            break;
        default:
            break;
        }
        return t;
    }
    const auto listIt = m_lists.constFind(sender);
    if (listIt == m_lists.constEnd())
        return t;
    const QModelIndex current = static_cast<const QAbstractItemView *>(sender)->currentIndex();
    const int row = current.isValid() ? current.row() : -1;
    // The owner-drawn lists count their selected row as the current one;
    // a plain list registered in their role, its current index.
    const auto selectedRow = [sender, row] {
        const auto *owned = qobject_cast<const OwnerDrawListView *>(sender);
        return owned != nullptr ? owned->currentRow() : row;
    };
    switch (*listIt) {
    case KeyListRole::Recipes:
        t = {true,
             FindKind::Recipes,
             0,
             static_cast<const PotionListView *>(sender)->currentRow(), // registered as one
             m_host.entryCount(FindKind::Recipes),
             true,
             BookmarkTable::Recipes};
        break;
    case KeyListRole::Grid:
        t = {true, FindKind::GridRows, 1, row + 1, m_host.entryCount(FindKind::GridRows)};
        break;
    case KeyListRole::AltEffects:
        t = {true, FindKind::AltEffects, 0, selectedRow(), m_host.entryCount(FindKind::AltEffects)};
        break;
    case KeyListRole::AltItems:
        t = {true, FindKind::AltIngredients, 0, selectedRow(), m_host.entryCount(FindKind::AltIngredients)};
        break;
    case KeyListRole::AvailableItems:
        // Row r shows ingredient r + 1: the current entry is that ingredient.
        t = {true, FindKind::Ingredients, 1, row + 1, m_host.entryCount(FindKind::Ingredients)};
        break;
    default:
        break;
    }
    return t;
}

bool KeyRouter::quickFind(QObject *sender, int key, KeyModifiers modifiers) {
    const FindTarget t = findTargetOf(sender);
    if (!t.valid || t.count <= 0)
        return false;
    const QuickFindOptions options = m_host.quickFindOptions(t.kind);
    const FindTexts texts = m_host.findTexts(t.kind);
    const int found =
        qor::quickFind(m_buffer, key, modifiers, m_clock.ticks(), options, texts, t.firstIndex, t.current);
    if (found < 0)
        return false;
    selectEntry(sender, found, true);
    return true;
}

void KeyRouter::selectEntry(QObject *sender, int index, bool runCommand) {
    {
        const CommandGate::Scope quiet(m_host.gate(), CommandGate::Hold::Commands);
        if (auto *combo = qobject_cast<ChooserComboBox *>(sender)) {
            if (index >= combo->count())
                return;
            combo->setCurrentIndex(index);
            if (combo->view()->isVisible())
                combo->view()->setCurrentIndex(combo->model()->index(index, combo->modelColumn()));
        } else if (const auto it = m_lists.constFind(sender); it != m_lists.constEnd()) {
            auto *list = static_cast<QAbstractItemView *>(sender);
            QAbstractItemModel *model = list->model();
            if (!model)
                return;
            switch (*it) {
            case KeyListRole::Grid:
                if (index < 1)
                    return;
                list->setCurrentIndex(model->index(index - 1, m_host.gridFindColumn()));
                break;
            case KeyListRole::AvailableItems:
                list->setCurrentIndex(model->index(index - 1, 0));
                return; // no command
            case KeyListRole::Recipes:
                static_cast<PotionListView *>(sender)->setCurrentRow(index);
                break;
            case KeyListRole::AltEffects:
            case KeyListRole::AltItems:
                static_cast<OwnerDrawListView *>(sender)->setCurrentRow(index);
                break;
            default:
                return;
            }
        }
    }
    if (runCommand)
        entryChosen(sender);
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
    if (outcome.runCommand)
        entryChosen(sender);
    return true;
}

bool KeyRouter::leftRight(QObject *sender, int key, KeyModifiers modifiers) {
    if (isList(sender, KeyListRole::Recipes) && m_recipeBar && m_recipeBar->isVisible()) {
        QScrollBar *bar = m_recipeBar;
        const bool left = key == Qt::Key_Left;
        int position = bar->value() + (left ? -100 : 100);
        if (modifiers.ctrl)
            position = left ? 0 : bar->maximum();
        // The bar's change runs On_Scroll.
        bar->setValue(position);
        return true;
    }
    const ChooserRef from = m_choosers.value(sender).ref;
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
        if (isList(sender, KeyListRole::Recipes)) {
            auto *recipes = static_cast<PotionListView *>(sender);
            recipes->setTopIndex(recipes->topIndex() + step);
            return true;
        }
        if (isList(sender, KeyListRole::Favorites) || isList(sender, KeyListRole::AvailableItems)) {
            scrollTopRow(static_cast<QAbstractItemView *>(sender), step);
            return true;
        }
    }
    if (!m_choosers.contains(sender))
        return false;
    const ChooserRef from = m_choosers.value(sender).ref;
    const ChooserKeyOutcome outcome = chooserArrowKey(from, arrowOf(key), modifiers);
    if (!outcome.handled)
        return false;
    carryOut(from, outcome);
    return true;
}

ChooserComboBox *KeyRouter::chooser(ChooserRef ref) const {
    if (!ref.valid())
        return nullptr;
    for (const ChooserEntry &entry : m_choosers) {
        if (entry.ref == ref)
            return entry.chooser;
    }
    return nullptr;
}

void KeyRouter::moveTo(ChooserComboBox *target, bool locked) {
    // Focusing a chooser that cannot take it would only lose the key.
    if (!canTakeFocus(target))
        return;
    if (!locked) {
        target->setFocus();
        m_host.runCommand(target);
        return;
    }
    {
        const CommandGate::Scope held(m_host.gate(), CommandGate::Hold::Searches);
        target->setFocus();
        m_host.runCommand(target);
    }
    m_host.repeatLastSearch();
}

void KeyRouter::carryOut(ChooserRef fromRef, const ChooserKeyOutcome &outcome) {
    ChooserComboBox *from = chooser(fromRef);
    ChooserComboBox *to = chooser(outcome.target);
    if (!from || !to)
        return;
    const auto exchange = [this, from, to] {
        const CommandGate::Scope quiet(m_host.gate(), CommandGate::Hold::Commands);
        const int mine = from->currentIndex();
        from->setCurrentIndex(to->currentIndex());
        to->setCurrentIndex(mine);
    };
    switch (outcome.exchange) {
    case ChooserExchange::None:
        moveTo(to, outcome.lockedMove);
        break;
    case ChooserExchange::BothCommandsLocked: {
        const CommandGate::Scope held(m_host.gate(), CommandGate::Hold::Searches);
        exchange();
        m_host.runCommand(from);
        m_host.runCommand(to);
    }
        if (canTakeFocus(to))
            to->setFocus();
        m_host.repeatLastSearch();
        break;
    case ChooserExchange::SenderCommandThenMove:
        exchange();
        if (canTakeFocus(to))
            to->setFocus();
        m_host.runCommand(from);
        moveTo(to, true);
        break;
    case ChooserExchange::ThenMove:
        exchange();
        moveTo(to, outcome.lockedMove);
        break;
    }
}

bool KeyRouter::space(QObject *sender) {
    const auto it = m_choosers.constFind(sender);
    if (it == m_choosers.constEnd() || !it->toggle)
        return false;
    QCheckBox *box = it->toggle;
    {
        const CommandGate::Scope quiet(m_host.gate(), CommandGate::Hold::Commands);
        box->setChecked(!box->isChecked());
    }
    m_host.runCommand(box);
    return true;
}

void KeyRouter::nextTab(bool back) {
    QTabWidget *pages = m_pages;
    if (!pages)
        return;
    const int count = pages->count();
    if (count < 1)
        return;
    pages->setCurrentIndex((pages->currentIndex() + (back ? count - 1 : 1)) % count);
}

bool KeyRouter::insertDelete(QObject *sender, int key) {
    const bool adds = key == Qt::Key_Insert &&
                      (isList(sender, KeyListRole::AltEffects) || isList(sender, KeyListRole::AltItems));
    const bool removes = key == Qt::Key_Delete && (isList(sender, KeyListRole::AltAmountItems) ||
                                                   isList(sender, KeyListRole::AltAmountEffects));
    if (!adds && !removes)
        return false;
    m_host.doubleClick(sender);
    return true;
}

} // namespace qor

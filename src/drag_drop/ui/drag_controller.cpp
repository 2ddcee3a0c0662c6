#include "drag_drop/ui/drag_controller.h"

#include "common_ui/dialog_provider.h"
#include "common_ui/view_colors.h"
#include "favorites/ui/favorites_list.h"
#include "recipe_list/potion_list_ops.h"
#include "recipe_list/ui/alt_lists.h"
#include "recipe_list/ui/chooser_combo.h"
#include "recipe_list/ui/potion_list_view.h"
#include "recipe_list/ui/recipe_info_lists.h"
#include "reference_table/grid_model.h"
#include "session/program_state.h"
#include "visuals/ui/drag_image_window.h"
#include "visuals/ui/item_pictures.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QTableView>
#include <QWindow>

namespace qor {

namespace {

// Half the size of a common 32-pixel cursor: the drag picture starts below
// and right of the arrow, never under the hot spot.
constexpr QPoint kCursorOffset(16, 16);

// The row under a point of a list's viewport, -1 outside the rows.
int rowAt(const QAbstractItemView *view, QPoint pos) {
    const QModelIndex index = view->indexAt(pos);
    return index.isValid() ? index.row() : -1;
}

// The drop row of a list: the row under the point, the row count below the last row.
int dropRowAt(const QAbstractItemView *view, QPoint pos) {
    const int row = rowAt(view, pos);
    return row >= 0 ? row : (view->model() ? view->model()->rowCount() : 0);
}

ColorCode codeOfColor(const QColor &c) {
    return static_cast<ColorCode>(c.red() | (c.green() << 8) | (c.blue() << 16));
}

} // namespace

DragController::DragController(ProgramState &state, DialogProvider &dialogs, const ItemPictures &pictures,
                               const ViewColors &colors, DragGrid &grid, QWidget *window)
    : QObject(window), m_state(state), m_dialogs(dialogs), m_pictures(pictures), m_colors(colors),
      m_grid(grid), m_window(window) {
    m_timer.setObjectName(QStringLiteral("TimerDrag"));
    m_timer.setInterval(1);
    connect(&m_timer, &QTimer::timeout, this, &DragController::On_Timer);
    // A window of another kind taking the focus (a modal dialog, a popup
    // menu, another program) ends the drag: its release would never come.
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow *focus) {
        if (!m_drag.pending() && !m_drag.Dragging)
            return;
        if (!focus || focus->modality() != Qt::NonModal || focus->type() == Qt::Popup)
            On_EndDrag();
    });
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
        if (s != Qt::ApplicationActive && (m_drag.pending() || m_drag.Dragging))
            On_EndDrag();
    });
    window->installEventFilter(this);
}

DragController::~DragController() {
    setListening(false);
    if (m_cursorSet)
        QGuiApplication::restoreOverrideCursor();
}

void DragController::watch(QWidget *control, DragControl role, QWidget *area) {
    if (!control)
        return;
    if (!area)
        area = control;
    // A control met twice (a chooser among all choosers) keeps its first role.
    if (entryOfArea(area))
        return;
    m_entries.push_back(Entry{role, control, area, {}, {}});
    area->installEventFilter(this);
}

void DragController::registerControl(QWidget *control, DragControl role) {
    if (auto *list = qobject_cast<QAbstractItemView *>(control))
        watch(list, role, list->viewport());
    else
        watch(control, role);
}

void DragController::registerPressControls(QWidget *root) {
    for (QComboBox *combo : root->findChildren<QComboBox *>())
        watch(combo, DragControl::None);
    for (QCheckBox *box : root->findChildren<QCheckBox *>())
        watch(box, DragControl::None);
}

void DragController::addToolList(QAbstractItemView *list, DragControl role, std::function<int(int)> elementAt,
                                 std::function<void(int)> afterDrop) {
    if (!list)
        return;
    m_entries.push_back(Entry{role, list, list->viewport(), std::move(elementAt), std::move(afterDrop)});
    list->viewport()->installEventFilter(this);
    // A tool window closing in the middle of a drag ends it.
    list->window()->installEventFilter(this);
}

const DragController::Entry *DragController::entryOfArea(const QObject *area) const {
    for (const Entry &e : m_entries) {
        if (e.area == area && e.control)
            return &e;
    }
    return nullptr;
}

const DragController::Entry *DragController::entryAt(QPoint globalPos) const {
    QWidget *hit = QApplication::widgetAt(globalPos);
    if (hit && m_image &&
        (hit->window() == m_image->dragWindow() || hit->window() == m_image->shadowWindow()))
        hit = nullptr;
    for (QWidget *w = hit; w; w = w->parentWidget()) {
        if (const Entry *e = entryOfArea(w))
            return e;
        if (w->isWindow())
            break;
    }
    if (hit)
        return nullptr;
    // Without a window under the point from the platform: the shown control
    // whose area holds it, tool windows first (they stay above the window).
    const Entry *found = nullptr;
    for (const Entry &e : m_entries) {
        if (!e.area || !e.area->isVisible() || !e.area->window()->isVisible())
            continue;
        if (!e.area->rect().contains(e.area->mapFromGlobal(globalPos)))
            continue;
        if (!found || e.area->window() != m_window)
            found = &e;
    }
    return found;
}

// Sees every event of the application while a payload is pending.
class DragController::AppFilter : public QObject {
  public:
    explicit AppFilter(DragController &owner) : m_owner(owner) {}
    bool eventFilter(QObject *watched, QEvent *event) override { return m_owner.appEvent(watched, event); }

  private:
    DragController &m_owner;
};

bool DragController::eventFilter(QObject *watched, QEvent *event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (m_drag.Dragging)
            return true;
        if (event->type() == QEvent::MouseButtonPress && entryOfArea(watched))
            return On_MouseDown(watched, static_cast<QMouseEvent *>(event));
        break;
    case QEvent::Hide:
    case QEvent::Close:
        if (watched->isWidgetType() && static_cast<QWidget *>(watched)->isWindow() &&
            (m_drag.pending() || m_drag.Dragging))
            On_EndDrag();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

bool DragController::appEvent(QObject *watched, QEvent *event) {
    // The platform's window gets each mouse event before its widget; only
    // the widget's copy counts. A widget that ignores an event passes it to
    // its parent, so a move or release may come here more than once: the
    // handlers act only on the first.
    if (!watched->isWidgetType())
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (m_drag.Dragging)
            return true;
        // A new press (not the one that picked up, passed on to a parent as
        // a copy): nothing stays pending; the control's own handler sees it next.
        if (!isPickUpPress(static_cast<QMouseEvent *>(event)))
            On_EndDrag();
        return false;
    case QEvent::MouseMove:
        return On_MouseMove(static_cast<QMouseEvent *>(event));
    case QEvent::MouseButtonRelease: {
        auto *release = static_cast<QMouseEvent *>(event);
        const bool dropping = m_drag.Dragging && release->button() == Qt::LeftButton;
        const QPoint pressed = m_pressGlobal;
        if (On_MouseUp(release))
            return true;
        if (!dropping)
            return false;
        // The source still gets its release, so that its own press state
        // ends, but where the press began: a list that selects on release
        // keeps the row that was pressed instead of the one under the drop.
        auto *source = static_cast<QWidget *>(watched);
        QMouseEvent atPress(QEvent::MouseButtonRelease, source->mapFromGlobal(QPointF(pressed)),
                            QPointF(pressed), release->button(), release->buttons(), release->modifiers());
        QCoreApplication::sendEvent(source, &atPress);
        return true;
    }
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
            const bool wasDragging = m_drag.Dragging;
            On_EndDrag();
            return wasDragging;
        }
        return false;
    default:
        return false;
    }
}

bool DragController::isPickUpPress(const QMouseEvent *event) const {
    return event->timestamp() == m_pressStamp.time &&
           event->globalPosition().toPoint() == m_pressStamp.global && event->button() == m_pressStamp.button;
}

void DragController::setListening(bool on) {
    if (on == m_listening)
        return;
    m_listening = on;
    if (!m_appFilter)
        m_appFilter = std::make_unique<AppFilter>(*this);
    if (on)
        qApp->installEventFilter(m_appFilter.get());
    else
        qApp->removeEventFilter(m_appFilter.get());
}

bool DragController::On_MouseDown(QObject *sender, QMouseEvent *event) {
    const Entry *entry = entryOfArea(sender);
    if (!m_state.Gate.ready() || !entry)
        return false;
    const QPoint pos = event->position().toPoint();
    m_pressStamp = {event->timestamp(), event->globalPosition().toPoint(), event->button()};
    m_drag.DragPressPoint = pos;
    if (entry->role == DragControl::RecipeList)
        m_drag.LbPotionPressPoint = pos;
    switch (event->button()) {
    case Qt::LeftButton:
        if (entry->role == DragControl::EffectChooser || entry->role == DragControl::FilterChooser ||
            entry->role == DragControl::ItemChooser)
            return pickUpFromChooser(*entry, event);
        pickUp(*entry, pos, event);
        return false;
    case Qt::RightButton:
        return rightPress(*entry, event);
    case Qt::MiddleButton:
        return middlePress(*entry);
    default:
        return false;
    }
}

void DragController::pickUp(const Entry &entry, QPoint pos, QMouseEvent *event) {
    const ProgramState &st = m_state;
    m_drag.clear();
    m_sourceControl = entry.control;
    switch (entry.role) {
    case DragControl::RecipeList: {
        const auto *recipes = static_cast<const PotionListView *>(entry.control.data());
        const int row = recipes->rowAt(pos.y());
        const int column = recipes->columnAt(pos.x());
        if (row < 0)
            break;
        if (const int item = GetLbPotionDataNum(kElementItem, column, row, st.session.recipes()); item > 0)
            m_drag.pickUp(entry.role, PayloadKind::Ingredient, item, row);
        else if (const int effect = GetLbPotionDataNum(kElementEffect, column, row, st.session.recipes());
                 effect > 0)
            m_drag.pickUp(entry.role, PayloadKind::Effect, effect, row);
        break;
    }
    case DragControl::ItemsInfo: {
        const TPotionRec &cur = st.session.recipes().CurPotion;
        const int row = rowAt(static_cast<const QAbstractItemView *>(entry.control.data()), pos);
        if (cur.ItemCount > 0 && row >= 0 && row < cur.ItemCount &&
            cur.Items[static_cast<std::size_t>(row)] > 0)
            m_drag.pickUp(entry.role, PayloadKind::Ingredient, cur.Items[static_cast<std::size_t>(row)]);
        break;
    }
    case DragControl::EffectInfo: {
        const TPotionRec &cur = st.session.recipes().CurPotion;
        const int row = rowAt(static_cast<const QAbstractItemView *>(entry.control.data()), pos);
        if (cur.ItemCount > 0 && row >= 0 && row < cur.EffCount) {
            const int effect = cur.Effects[static_cast<std::size_t>(row)].Effect;
            if (effect > 0)
                m_drag.pickUp(entry.role, PayloadKind::Effect, effect);
        }
        break;
    }
    case DragControl::AltItemsList:
    case DragControl::AltAmountItems: {
        auto *list = static_cast<AltItemsList *>(entry.control.data());
        if (const int item = list->itemAt(rowAt(list, pos)); item > 0)
            m_drag.pickUp(entry.role, PayloadKind::Ingredient, item);
        break;
    }
    case DragControl::AltEffectsList:
    case DragControl::AltAmountEffects: {
        auto *list = static_cast<AltEffectsList *>(entry.control.data());
        if (const int effect = list->effectAt(rowAt(list, pos)); effect > 0)
            m_drag.pickUp(entry.role, PayloadKind::Effect, effect);
        break;
    }
    case DragControl::Favorites: {
        // The press makes the row under it current (the list does that after
        // this handler); a press below the rows keeps the current one.
        const auto *favorites = static_cast<const FavoritesList *>(entry.control.data());
        const int pressed = rowAt(favorites, pos);
        const int row = pressed >= 0 ? pressed : favorites->currentRow();
        if (st.session.favorites().potionCount() > 0 && row >= 0 &&
            row < st.session.favorites().potionCount())
            m_drag.pickUp(entry.role, PayloadKind::Favorite, row);
        break;
    }
    case DragControl::Grid: {
        const QModelIndex index = static_cast<const QAbstractItemView *>(entry.control.data())->indexAt(pos);
        if (!index.isValid())
            break;
        const int row = index.row() + 1;
        if (index.column() == GridColumn::Item) {
            const GridElement e = GetGridDataNum(st.Data, st.session.grid(), 0, index.column(), row);
            if (e.result > 0)
                m_drag.pickUp(entry.role, PayloadKind::Ingredient, e.result);
        } else if (GridColumn::isEffectColumn(index.column())) {
            const GridElement e = GetGridDataNum(st.Data, st.session.grid(), 1, index.column(), row);
            if (e.result > 0)
                m_drag.pickUp(entry.role, PayloadKind::Effect, e.result);
        }
        break;
    }
    case DragControl::Image:
        if (const int item = m_grid.currentItem(); item > 0)
            m_drag.pickUp(entry.role, PayloadKind::Ingredient, item);
        break;
    case DragControl::FavoriteItems:
    case DragControl::FavoriteEffects:
    case DragControl::UsedItems: {
        auto *list = static_cast<QAbstractItemView *>(entry.control.data());
        const int element = entry.elementAt ? entry.elementAt(rowAt(list, pos)) : 0;
        if (element > 0)
            m_drag.pickUp(entry.role,
                          entry.role == DragControl::FavoriteEffects ? PayloadKind::Effect
                                                                     : PayloadKind::Ingredient,
                          element);
        break;
    }
    default:
        break;
    }
    m_pressGlobal = event->globalPosition().toPoint();
    m_cursor = m_pressGlobal;
    setListening(m_drag.pending());
}

bool DragController::pickUpFromChooser(const Entry &entry, QMouseEvent *event) {
    const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
    // The middle button held with the left one stands in for Ctrl.
    if (!ctrl && !event->buttons().testFlag(Qt::MiddleButton)) {
        m_drag.clear();
        setListening(false);
        return false;
    }
    auto *combo = static_cast<QComboBox *>(entry.control.data());
    m_drag.clear();
    m_sourceControl = combo;
    combo->hidePopup();
    const int index = combo->currentIndex();
    if (index <= 0)
        return true;
    const PayloadKind kind = entry.role == DragControl::EffectChooser   ? PayloadKind::Effect
                             : entry.role == DragControl::FilterChooser ? PayloadKind::Filter
                                                                        : PayloadKind::Ingredient;
    m_drag.pickUp(entry.role, kind, index);
    // With Shift the element is taken out of the chooser.
    if (event->modifiers().testFlag(Qt::ShiftModifier))
        setChooserIndex(combo, 0);
    m_pressGlobal = event->globalPosition().toPoint();
    m_cursor = m_pressGlobal;
    setListening(true);
    StartDrag(combo);
    return true;
}

bool DragController::rightPress(const Entry &entry, QMouseEvent *event) {
    if (auto *combo = qobject_cast<QComboBox *>(entry.control.data())) {
        const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
        const int index = combo->currentIndex();
        if (!ctrl && event->modifiers() == Qt::NoModifier) {
            setChooserIndex(combo, 0);
        } else if (ctrl && index > 0 && entry.role == DragControl::ItemChooser) {
            m_grid.showInGrid(index, 0, false);
        } else if (ctrl && index > 0 && entry.role == DragControl::EffectChooser) {
            m_grid.showInGrid(index, 1, false);
        }
        return true;
    }
    if (auto *button = qobject_cast<QAbstractButton *>(entry.control.data())) {
        // A radio button is chosen, a check box toggles; both run their
        // click handling through their clicked signal.
        if (button->isEnabled())
            button->click();
        return true;
    }
    return false;
}

bool DragController::middlePress(const Entry &entry) {
    if (auto *box = qobject_cast<QCheckBox *>(entry.control.data())) {
        if (box->isEnabled())
            box->click();
        return true;
    }
    if (auto *list = qobject_cast<QAbstractItemView *>(entry.control.data())) {
        list->setFocus(Qt::MouseFocusReason);
        return false;
    }
    return false;
}

void DragController::setChooserIndex(QComboBox *combo, int index) {
    // The chooser's click handling runs once, also when the index stays.
    if (combo->currentIndex() != index)
        combo->setCurrentIndex(index);
    else
        Q_EMIT chooserReselected(combo);
}

bool DragController::On_MouseMove(QMouseEvent *event) {
    if (!m_drag.pending())
        return false;
    m_cursor = event->globalPosition().toPoint();
    if (!m_drag.Dragging) {
        if (!event->buttons().testFlag(Qt::LeftButton))
            return false;
        if (!pastDragDistance(m_pressGlobal, m_cursor, QApplication::startDragDistance()))
            return true; // the pressed list keeps its selection meanwhile
        if (dragStartOf(m_drag.source) == DragStart::Automatic)
            On_StartDrag();
        else
            StartDrag(m_sourceControl);
    }
    const bool accepted = On_DragOver(m_cursor);
    if (m_cursorSet)
        QGuiApplication::changeOverrideCursor(accepted ? Qt::DragMoveCursor : Qt::ForbiddenCursor);
    return true;
}

bool DragController::On_MouseUp(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton)
        return m_drag.Dragging;
    if (m_drag.Dragging) {
        m_cursor = event->globalPosition().toPoint();
        if (On_DragOver(m_cursor))
            On_DragDrop(m_cursor, event->modifiers());
        On_EndDrag();
        // The source still gets its release, so that its own press state ends.
        return false;
    }
    // A press that never became a drag leaves nothing pending.
    if (m_drag.pending())
        On_EndDrag();
    return false;
}

DropSpot DragController::spotOf(const Entry &entry, QPoint local) const {
    DropSpot spot;
    spot.target = entry.role;
    spot.sameControl = entry.control == m_sourceControl;
    switch (entry.role) {
    case DragControl::RecipeList:
        spot.column = static_cast<const PotionListView *>(entry.control.data())->columnAt(local.x());
        break;
    case DragControl::Grid: {
        const auto *grid = static_cast<const QTableView *>(entry.control.data());
        const QModelIndex index = grid->indexAt(local);
        spot.column = index.isValid() ? index.column() : grid->columnAt(local.x());
        spot.onDataCell = index.isValid();
        break;
    }
    case DragControl::EffectChooser:
    case DragControl::FilterChooser:
    case DragControl::ItemChooser:
        spot.choiceCount = static_cast<QComboBox *>(entry.control.data())->count();
        break;
    default:
        break;
    }
    return spot;
}

bool DragController::On_DragOver(QPoint globalPos) {
    On_Timer();
    const Entry *entry = entryAt(globalPos);
    if (!entry || !m_drag.pending())
        return false;
    const DragContext ctx{m_state.Data, m_state.session.alt(), m_state.session.favorites()};
    return dragAccepts(m_drag, spotOf(*entry, entry->area->mapFromGlobal(globalPos)), ctx);
}

void DragController::On_DragDrop(QPoint globalPos, Qt::KeyboardModifiers modifiers) {
    const Entry *entry = entryAt(globalPos);
    if (!entry || !m_drag.pending())
        return;
    // Drops may rebuild lists and run searches; the entry may not survive.
    const Entry target = *entry;
    drop(target, target.area->mapFromGlobal(globalPos), modifiers);
}

void DragController::drop(const Entry &entry, QPoint local, Qt::KeyboardModifiers modifiers) {
    ProgramState &st = m_state;
    const DragState drag = m_drag;
    const int payload = drag.DragPayload;
    switch (entry.role) {
    // The session announces a changed choice; the window makes the potion.
    case DragControl::AltAmountItems:
        st.session.editAlt([&](AltMaking &alt, AltSelection &sel, PotionList &list) {
            return alt.AltAddItem(st.Data, st.Strengths, st.session.skills().PerkPurity, list, payload, sel);
        });
        break;
    case DragControl::AltAmountEffects:
        st.session.editAlt([&](AltMaking &alt, AltSelection &sel, PotionList &list) {
            return alt.AltAddEffect(st.Data, st.Strengths, st.session.skills().PerkPurity, list, payload,
                                    sel);
        });
        break;
    case DragControl::AltItemsList: {
        const auto &items = st.session.alt().AltItems;
        const auto it = std::find(items.begin(), items.end(), payload);
        if (it == items.end())
            break;
        const int position = static_cast<int>(it - items.begin());
        st.session.editAlt([&](AltMaking &alt, AltSelection &sel, PotionList &list) {
            sel.amountItems = position;
            return alt.AltDelItem(st.Data, st.Strengths, st.session.skills().PerkPurity, list, position, sel);
        });
        break;
    }
    case DragControl::Grid:
        m_drag.DragPayload = -1; // consumed before the grid moves
        if (drag.DragKind == PayloadKind::Ingredient) {
            m_grid.showInGrid(payload, 0, false);
        } else if (drag.source != DragControl::Grid) {
            m_grid.showInGrid(payload, 1, false);
            m_grid.repaintCells();
        } else {
            const int column = static_cast<const QTableView *>(entry.control.data())->columnAt(local.x());
            m_grid.exchangeEffectSlot(payload, column, !modifiers.testFlag(Qt::ShiftModifier));
        }
        break;
    case DragControl::RecipeList: {
        const auto *recipes = static_cast<const PotionListView *>(entry.control.data());
        const int row = recipes->currentRow();
        const bool selected = row >= 0 && row < st.session.recipes().PotionCount();
        const TPotionRec selectedRecipe = selected ? st.session.recipes()[row] : TPotionRec{};
        const Modifiers keys{modifiers.testFlag(Qt::AltModifier), modifiers.testFlag(Qt::ShiftModifier)};
        const int target = recipes->columnAt(local.x());
        const int pressColumn = recipes->columnAt(drag.LbPotionPressPoint.x());
        st.session.changeRecipes([&](PotionList &list) {
            const bool changed = dropOnRecipeList(list, drag, target, pressColumn,
                                                  modifiers.testFlag(Qt::ControlModifier), keys, row);
            // The list is sorted again: the selection follows its recipe.
            return ListChange{changed, selected ? rowOfSameIngredients(list, selectedRecipe) : row};
        });
        break;
    }
    case DragControl::Favorites: {
        auto *favorites = static_cast<FavoritesList *>(entry.control.data());
        const int current = st.session.editFavorites([&](FavoritesModel &fav) {
            return dropOnFavorites(fav, drag, dropRowAt(favorites, local), st.session.recipes(), st.Data);
        });
        if (current >= 0) {
            const QSignalBlocker blocker(favorites);
            favorites->setCurrentRow(current);
        }
        break;
    }
    case DragControl::EffectChooser:
    case DragControl::FilterChooser:
    case DragControl::ItemChooser:
        setChooserIndex(static_cast<QComboBox *>(entry.control.data()), payload);
        break;
    case DragControl::Image:
        m_drag.DragPayload = -1;
        m_grid.showInGrid(payload, 0, false);
        break;
    case DragControl::FavoriteItems:
    case DragControl::FavoriteEffects: {
        auto *list = static_cast<QAbstractItemView *>(entry.control.data());
        const int row = st.session.editFavorites([&](FavoritesModel &fav) {
            return dropOnFavoriteList(fav, entry.role, drag, dropRowAt(list, local),
                                      entry.control == m_sourceControl);
        });
        if (row >= 0 && entry.afterDrop)
            entry.afterDrop(row);
        break;
    }
    case DragControl::UsedItems:
        // Rows are the ingredients 1..H in order.
        if (entry.afterDrop)
            entry.afterDrop(payload - 1);
        break;
    default:
        break;
    }
}

void DragController::On_StartDrag() {
    // The platform's automatic start; the drag is the window's own, so it
    // runs exactly like one started by StartDrag.
    StartDrag(m_sourceControl);
}

void DragController::StartDrag(QWidget *) {
    if (!m_drag.pending())
        return;
    m_drag.Dragging = true;
    if (!m_cursorSet) {
        QGuiApplication::setOverrideCursor(Qt::DragMoveCursor);
        m_cursorSet = true;
    }
    m_timer.start();
    On_Timer();
}

void DragController::On_EndDrag() {
    m_drag.clear();
    m_sourceControl = nullptr;
    m_timer.stop();
    setListening(false);
    if (m_image)
        m_image->hide();
    if (m_cursorSet) {
        QGuiApplication::restoreOverrideCursor();
        m_cursorSet = false;
    }
}

void DragController::endWhenInterrupted() {
    // A modal dialog or a popup opened, or the control went away: its
    // release will never reach this drag.
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget() || !m_sourceControl)
        On_EndDrag();
}

void DragController::On_Timer() {
    if (m_drag.pending() && m_drag.Dragging) {
        endWhenInterrupted();
        if (!m_drag.Dragging)
            return;
        if (!m_image || !m_image->isVisible())
            prepareImage();
        m_image->moveTo(m_cursor + kCursorOffset);
    } else if (m_image && m_image->isVisible()) {
        m_image->hide();
    }
}

QString DragController::payloadText() const {
    const int payload = m_drag.DragPayload;
    switch (m_drag.DragKind) {
    case PayloadKind::Ingredient:
        return m_state.Data.ItemNames.value(payload);
    case PayloadKind::Effect:
        return m_state.Data.EffectNames.value(payload);
    case PayloadKind::Favorite:
        return m_state.session.favorites().FavPotionNames.value(payload);
    case PayloadKind::Filter:
        // Only a filter chooser picks up a filter; the source shows its names.
        if (const auto *chooser = qobject_cast<const QComboBox *>(m_sourceControl.data()))
            return chooser->itemText(payload);
        return {};
    }
    return {};
}

void DragController::prepareImage() {
    if (!m_image)
        m_image = std::make_unique<DragImageWindow>(m_window);
    const SettingsBlock &b = m_state.session.block();
    DragImageStyle style;
    style.font = dragFont();
    style.textColor = colorFromCode(b.get(Setting.DragTextColor), m_colors);
    style.shaped = b.get(Setting.DragShapedMode);
    style.pictureSize = b.clamped(Setting.DragImageSize);
    style.blend = b.clamped(Setting.DragBlend);
    style.shadow = b.get(Setting.DragShadow);
    const QPalette palette = m_window->palette();
    const DragImageColors colors{palette.color(QPalette::Button), palette.color(QPalette::Light),
                                 palette.color(QPalette::Dark)};
    const bool ingredient = m_drag.DragKind == PayloadKind::Ingredient;
    const QImage *picture = ingredient ? m_pictures.picSource(m_drag.DragPayload) : nullptr;
    m_image->PrepareDragImage(payloadText(), picture, ingredient, style, colors);
}

QFont DragController::dragFont() const {
    QFont font = m_window->font();
    const FontSetting &f = m_state.session.settings().font(SettingsFont::DragText);
    if (!f.name.isEmpty() && f.size > 0 && f.size <= 200) {
        font.setFamily(f.name);
        font.setPointSize(f.size);
    }
    return font;
}

void DragController::setDragFont(const QFont &font) {
    m_state.session.setFont(SettingsFont::DragText, font.family(), font.pointSize());
}

void DragController::chooseTextColor() {
    const SettingsBlock &b = m_state.session.block();
    if (const auto chosen =
            m_dialogs.chooseColor(m_window, colorFromCode(b.get(Setting.DragTextColor), m_colors)))
        m_state.session.setSetting(Setting.DragTextColor, codeOfColor(*chosen));
}

} // namespace qor

// The recipe list region: the list and its header sliding under the
// horizontal scroll bar, the selection with the current recipe strip, the
// count panel, the header sort, the double click, and the list's context
// menu with its preparation and commands.

#include "main_window/ui/recipe_list_region.h"

#include "common_ui/stored_font.h"

#include "common_ui/dialog_provider.h"
#include "common_ui/view_colors.h"
#include "drag_drop/ui/drag_controller.h"
#include "favorites/favorites_model.h"
#include "favorites/ui/favorites_list.h"
#include "hints/ui/cell_hints.h"
#include "input/ui/key_router.h"
#include "input/ui/wheel_router.h"
#include "main_window/ui/prompts.h"
#include "main_window/ui/reference_table_panel.h"
#include "main_window/ui/window_routers.h"
#include "recipe_list/empty_list_hint.h"
#include "recipe_list/potion_cells.h"
#include "recipe_list/potion_list_ops.h"
#include "recipe_list/ui/potion_header.h"
#include "recipe_list/ui/potion_list_view.h"
#include "recipe_list/ui/recipe_info_lists.h"
#include "session/program_state.h"
#include "visuals/ui/item_pictures.h"
#include "visuals/ui/picture_ops.h"

#include <QAction>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalBlocker>

#include <optional>

namespace qor {

RecipeListRegion::RecipeListRegion(const WindowContext &ctx) : m_ctx(ctx) {}

void RecipeListRegion::joinRouters(const WindowRouters &routers) {
    routers.keys.registerRecipeList(m_w.LBPotion, m_w.ScrollBarLB, [this] { selectionChosen(); });
    routers.wheel.watch(m_w.LBPotion, WheelRouter::Target::RecipeList);
    routers.wheel.watch(m_w.ScrollBarLB, WheelRouter::Target::HorizontalBar);
    routers.drag.registerControl(m_w.LBPotion, DragControl::RecipeList);
    routers.wheel.watch(m_w.LbItemsInfo, WheelRouter::Target::List);
    routers.wheel.watch(m_w.LbEffectInfo, WheelRouter::Target::List);
    routers.drag.registerControl(m_w.LbItemsInfo, DragControl::ItemsInfo);
    routers.drag.registerControl(m_w.LbEffectInfo, DragControl::EffectInfo);
    routers.drag.registerControl(m_w.Image, DragControl::Image);
    routers.hints.watchRecipeList(m_w.LBPotion, m_w.Header, m_w.ScrollBarLBVert);
    routers.hints.watchEffectList(m_w.LbEffectInfo, m_w.HeaderEffInfo);
    // The recipe's ingredient names start after their pictures.
    const ProgramState &st = m_ctx.state;
    ItemsInfoList *items = m_w.LbItemsInfo;
    routers.hints.addList(
        items,
        [&st](int row) {
            const int item =
                row >= 0 && row < 3 ? st.session.recipes().CurPotion.Items[static_cast<std::size_t>(row)] : 0;
            return item > 0 ? st.Data.ItemNames.value(item) : QString();
        },
        [items](int) { return items->itemHeight(); });
}

void RecipeListRegion::connectSignals() {
    QObject *const context = &m_ctx.window;
    m_w.LBPotion->setEmptyHint([this] {
        const ProgramState &st = m_ctx.state;
        return emptyRecipeListHint(st.Data, st.LastSearchType, st.session.conditions());
    });
    QObject::connect(m_w.LBPotion, &PotionListView::selectedRowChanged, context,
                     [this] { selectionChosen(); });
    const Session *session = &m_ctx.state.session;
    QObject::connect(session, &Session::recipesReplaced, context, [this](int row) { showNewList(row); });
    QObject::connect(session, &Session::recipesRearranged, context,
                     [this](int row) { afterListChange(row); });
    QObject::connect(session, &Session::recipesSorted, context, [this] {
        m_w.LBPotion->viewport()->update();
        LbPotionSelectionChanged();
    });
    QObject::connect(session, &Session::fontChanged, context,
                     [this](SettingsFont which) { followFont(which); });
    QObject::connect(session, &Session::elementMarksChanged, context,
                     [this] { m_w.LBPotion->viewport()->update(); });
    QObject::connect(session, &Session::currentRecipeChanged, context, [this] {
        m_w.LbItemsInfo->viewport()->update();
        m_w.LbEffectInfo->viewport()->update();
    });
    QObject::connect(m_w.Header, &PotionHeader::HeaderSectionClick, context,
                     [this](int section) { HeaderSectionClick(section); });
    QObject::connect(m_w.Header, &PotionHeader::PotionFindColChosen, context, [this](int section) {
        m_ctx.colors.PotionFindCol = section;
        m_ctx.state.session.setSetting(Setting.PotionFindCol, section);
        m_w.Header->viewport()->update();
    });
    QObject::connect(m_w.Header, &QHeaderView::sectionResized, context, [this] {
        m_w.LBPotion->viewport()->update();
        layoutPanelLBox();
    });
    QObject::connect(m_w.HeaderEffInfo, &QHeaderView::sectionResized, context,
                     [this] { m_w.LbEffectInfo->viewport()->update(); });
    QObject::connect(m_w.ScrollBarLB, &QScrollBar::valueChanged, context,
                     [this](int value) { On_Scroll(value); });
    QObject::connect(m_w.LBPotion, &QWidget::customContextMenuRequested, context, [this](const QPoint &pos) {
        if (m_menu)
            m_menu->popup(m_w.LBPotion->viewport()->mapToGlobal(pos));
    });
    for (QObject *watched :
         std::initializer_list<QObject *>{m_w.PanelLbPotionsMain, m_w.PanelCapLBPotions, m_w.PanelCount,
                                          m_w.LBPotion->viewport(), m_w.LbItemsInfo, m_w.LbEffectInfo})
        watched->installEventFilter(this);
}

void RecipeListRegion::followFont(SettingsFont which) {
    QWidget *control = which == SettingsFont::LBPotion       ? static_cast<QWidget *>(m_w.LBPotion)
                       : which == SettingsFont::LbItemsInfo  ? static_cast<QWidget *>(m_w.LbItemsInfo)
                       : which == SettingsFont::LbEffectInfo ? static_cast<QWidget *>(m_w.LbEffectInfo)
                       : which == SettingsFont::LabelAddInfo ? static_cast<QWidget *>(m_w.LabelAddInfo)
                       : which == SettingsFont::PanelCount   ? static_cast<QWidget *>(m_w.PanelCount)
                                                             : nullptr;
    if (!control)
        return;
    applyStoredFont(control, m_ctx.state.session.settings().font(which));
    control->update();
}

bool RecipeListRegion::eventFilter(QObject *watched, QEvent *event) {
    const bool ready = m_ctx.state.Gate.ready();
    switch (event->type()) {
    case QEvent::Resize:
        // The ingredient rows share the list's height inside its frame (the
        // viewport is resized after the list's own resize event).
        if (watched == m_w.LbItemsInfo)
            m_w.LbItemsInfo->setItemHeight(std::max(1, m_w.LbItemsInfo->contentsRect().height() / 3));
        // Placing the panels resizes the caption bar again: once is enough.
        else if (!m_inLayout && (watched == m_w.PanelLbPotionsMain || watched == m_w.PanelCapLBPotions)) {
            m_inLayout = true;
            layoutPanelLBox();
            m_inLayout = false;
        }
        break;
    case QEvent::MouseButtonDblClick: // On_DblClick
        if (watched == m_w.PanelCapLBPotions) {
            if (ready)
                Q_EMIT captionDoubleClicked();
            return true;
        }
        if (watched == m_w.PanelCount) {
            if (ready)
                selectLastRecipe();
            return true;
        }
        if (watched == m_w.LBPotion->viewport() && ready)
            doubleClick(QGuiApplication::keyboardModifiers() & Qt::ControlModifier);
        break;
    case QEvent::MouseButtonPress:
        if (watched == m_w.LBPotion->viewport())
            m_pressPoint = static_cast<QMouseEvent *>(event)->position().toPoint();
        break;
    case QEvent::FocusOut: // On_Exit: leaving the effect rows drops their selection
        if (watched == m_w.LbEffectInfo)
            m_w.LbEffectInfo->setCurrentRow(-1);
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void RecipeListRegion::selectionChosen() {
    // Filling or restoring the list moves its row too; only the player's
    // choice runs the selection handling.
    if (m_ctx.state.Gate.open())
        LbPotionSelectionChanged();
}

void RecipeListRegion::selectLastRecipe() {
    const int count = m_ctx.state.session.recipes().PotionCount();
    if (count <= 0)
        return;
    selectRow(count - 1);
    LbPotionSelectionChanged();
}

void RecipeListRegion::showNewList(int row) {
    {
        const QSignalBlocker blocker(m_w.LBPotion);
        m_w.LBPotion->resetRows();
        m_w.LBPotion->setCurrentRow(row);
    }
    LbPotionSelectionChanged();
    RefreshPanelCount();
}

namespace {

ColorCode colorCode(const QColor &c) {
    return static_cast<ColorCode>(c.red() | (c.green() << 8) | (c.blue() << 16));
}

} // namespace

ListElement RecipeListRegion::currentCellElement() const {
    const int column = m_w.LBPotion->columnAt(m_pressPoint.x());
    return listElementAt(m_ctx.state.session.recipes(), column, selectedRow());
}

// Moves the selection after a change of the list and runs the selection
// handling; the top row stays where it was.
void RecipeListRegion::afterListChange(int selectedRow) {
    const int top = m_w.LBPotion->topIndex();
    {
        const QSignalBlocker blocker(m_w.LBPotion);
        m_w.LBPotion->resetRows();
        m_w.LBPotion->setCurrentRow(clampSelection(selectedRow, m_ctx.state.session.recipes().PotionCount()));
    }
    m_w.LBPotion->setTopIndex(top);
    LbPotionSelectionChanged();
    RefreshPanelCount();
}

void RecipeListRegion::cmdRecipeDetails(QAction *, int) {
    const ProgramState &st = m_ctx.state;
    const int row = selectedRow();
    if (st.session.recipes().PotionCount() > 0 && row >= 0)
        m_ctx.dialogs.message(&m_ctx.window, potionDetailsText(st.Data, st.session.recipes()[row]),
                              MessageIcon::None, detailsMessageCaption());
}

void RecipeListRegion::cmdGoToNumber(QAction *item, int) {
    int n = 0;
    if (!PromptNumber(m_ctx.dialogs, &m_ctx.window, item, 0, n, m_ctx.state.session.recipes().PotionCount(),
                      0))
        return;
    {
        const QSignalBlocker blocker(m_w.LBPotion);
        m_w.LBPotion->setCurrentRow(n - 1);
    }
    const int half = m_w.LBPotion->visibleRowCount() / 2;
    m_w.LBPotion->setTopIndex(std::max(0, n - half - 1));
    LbPotionSelectionChanged();
}

void RecipeListRegion::cmdAddToFavorites(QAction *, int) {
    ProgramState &st = m_ctx.state;
    const int row = selectedRow();
    if (st.session.recipes().PotionCount() <= 0 || row < 0)
        return;
    const TPotionRec rec = st.session.recipes()[row];
    const auto text = m_ctx.dialogs.inputText(&m_ctx.window, QStringLiteral("Название текущего зелья"),
                                              defaultPotionName(rec, st.Data));
    if (text)
        st.session.editFavorites([&](FavoritesModel &fav) { return fav.addPotion(rec, *text); });
}

void RecipeListRegion::cmdDeleteWithElement(QAction *, int) {
    const ListElement element = currentCellElement();
    const int row = selectedRow();
    m_ctx.state.session.changeRecipes(
        [&](PotionList &list) { return DeletePotionsWithCurElement(list, element, row); });
}

void RecipeListRegion::cmdCountElement(QAction *, int) {
    const ProgramState &st = m_ctx.state;
    const ListElement element = currentCellElement();
    if (st.session.recipes().PotionCount() > 0 && element.isValid()) {
        const QString elementName = element.isItem() ? st.Data.ItemNames.value(element.item)
                                                     : st.Data.EffectNames.value(element.effect);
        m_ctx.dialogs.message(
            &m_ctx.window,
            elementCountMessage(elementName, countPotionsWithElement(st.session.recipes(), element)));
    }
}

void RecipeListRegion::cmdDisableItem(QAction *, int) {
    ProgramState &st = m_ctx.state;
    const ListElement element = currentCellElement();
    // The sets' window and the search follow the session's announcements.
    if (element.isItem() && st.session.settings().usedItemsSetIndex() >= 0)
        st.session.editIngredientSets([&](UsedItemsModel &sets) { return sets.disableItem(element.item); });
}

void RecipeListRegion::cmdDeletePotion(QAction *, int) {
    const int row = selectedRow();
    m_ctx.state.session.changeRecipes([row](PotionList &list) { return deleteSelectedPotion(list, row); });
}

void RecipeListRegion::cmdResetHeader(QAction *, int) {
    const int width = m_w.Header->width() / std::max(1, m_w.Header->count());
    for (int k = 0; k < m_w.Header->count(); ++k)
        m_w.Header->resizeSection(k, width);
    m_w.LBPotion->viewport()->update();
}

void RecipeListRegion::cmdMarkElement(QAction *, int isItem) {
    ProgramState &st = m_ctx.state;
    const ListElement element = currentCellElement();
    const int index = isItem ? element.item : element.effect;
    if (index <= 0 || (!isItem && element.isItem()))
        return;
    const auto at = static_cast<std::size_t>(index);
    const bool marked = isItem ? st.Data.ItemTable[at].Marked : st.Data.EffectTable[at].Marked;
    const ColorCode color = isItem ? st.Data.ItemTable[at].MarkerColor : st.Data.EffectTable[at].MarkerColor;
    std::optional<QColor> chosen;
    if (!marked) {
        chosen = m_ctx.dialogs.chooseColor(&m_ctx.window, colorFromCode(color, m_ctx.colors));
        if (!chosen)
            return;
    }
    st.session.editElementMarks(st.Data, [&](GameData &data) {
        bool &mark = isItem ? data.ItemTable[at].Marked : data.EffectTable[at].Marked;
        ColorCode &code = isItem ? data.ItemTable[at].MarkerColor : data.EffectTable[at].MarkerColor;
        mark = !marked;
        if (chosen)
            code = colorCode(*chosen);
    });
}

void RecipeListRegion::cmdMarkEffectKind(QAction *, int harmful) {
    const auto chosen = m_ctx.dialogs.chooseColor(&m_ctx.window, Qt::yellow);
    if (!chosen)
        return;
    m_ctx.state.session.editElementMarks(m_ctx.state.Data, [&](GameData &data) {
        for (TEffectRec &effect : data.EffectTable) {
            if (effect.Harmful == harmful) {
                effect.MarkerColor = colorCode(*chosen);
                effect.Marked = true;
            }
        }
    });
}

void RecipeListRegion::cmdMarkersOff(QAction *, int) {
    m_ctx.state.session.editElementMarks(m_ctx.state.Data, [](GameData &data) {
        for (TItemRec &item : data.ItemTable)
            item.Marked = false;
        for (TEffectRec &effect : data.EffectTable)
            effect.Marked = false;
    });
}

void RecipeListRegion::setMenu(QMenu *menu, const RecipeMenuItems &items) {
    m_menu = menu;
    m_items = items;
    QObject::connect(menu, &QMenu::aboutToShow, this, &RecipeListRegion::prepareMenu);
}

void RecipeListRegion::prepareMenu() {
    // Also on selection changes: the menu's shortcuts work without it open.
    if (!m_menu)
        return;
    const ProgramState &st = m_ctx.state;
    const PotionList &list = st.session.recipes();
    const int row = selectedRow();
    const int column = m_w.LBPotion->columnAt(m_pressPoint.x());
    const int item = GetLbPotionDataNum(kElementItem, column, row, list);
    const int effect = GetLbPotionDataNum(kElementEffect, column, row, list);
    const bool haveRow = row != -1 && list.PotionCount() > 0;
    for (QAction *command : m_items.recipeCommands)
        command->setEnabled(haveRow);

    m_items.disableItem->setEnabled(item > 0);
    m_items.disableItem->setText(disableItemCaption(item > 0 ? st.Data.ItemNames.value(item) : QString()));

    m_items.markItem->setEnabled(item > 0);
    m_items.markItem->setChecked(item > 0 && st.Data.ItemTable[static_cast<std::size_t>(item)].Marked);
    m_items.markEffect->setEnabled(effect > 0);
    m_items.markEffect->setChecked(effect > 0 &&
                                   st.Data.EffectTable[static_cast<std::size_t>(effect)].Marked);

    const bool element = item > 0 || effect > 0;
    const QString text = element ? GetPotionCellText(st.Data, list, row, column, false) : QStringLiteral(" ");
    m_items.countElement->setEnabled(element);
    m_items.deleteWithElement->setEnabled(element);
    m_items.countElement->setText(countElementsCaption(text));
    m_items.deleteWithElement->setText(deleteWithElementCaption(text));
}

int RecipeListRegion::selectedRow() const {
    const int row = m_w.LBPotion->currentRow();
    return row < m_ctx.state.session.recipes().PotionCount() ? row : -1;
}

void RecipeListRegion::selectRow(int row) {
    // The selection handling runs once, explicitly, after the move.
    const QSignalBlocker blocker(m_w.LBPotion);
    m_w.LBPotion->setCurrentRow(row);
}

void RecipeListRegion::RefreshPanelCount() {
    m_w.PanelCount->setText(panelCountText(m_ctx.state.session.recipes().PotionCount()));
}

void RecipeListRegion::LbPotionSelectionChanged() {
    ProgramState &st = m_ctx.state;
    const PotionList &list = st.session.recipes();
    m_prevPotion = list.CurPotion;
    const int row = selectedRow();
    if (list.PotionCount() > 0 && row >= 0) {
        st.session.setCurrentRecipe(list[row]);
        m_w.LabelAddInfo->setText(potionAddInfoText(st.Data, list.CurPotion));
        const int kind = list.CurPotion.PotionType == 0 ? 1 : 2;
        if (kind != m_potionTypeShown) {
            m_potionTypeShown = kind;
            showPotionKindPicture(kind - 1);
        }
        if (m_prevPotion.ItemCount == 0)
            prepareMenu();
    } else {
        st.session.setCurrentRecipe(TPotionRec{});
        if (m_prevPotion.ItemCount == 0)
            prepareMenu();
        m_w.ImagePotionType->clear();
        m_potionTypeShown = 0;
        m_w.LabelAddInfo->clear();
    }
}

void RecipeListRegion::showPotionKindPicture(int kind) {
    // The source with its background key made transparent, so that the
    // panel's own colour shows around the shape.
    const QImage *source = m_ctx.pictures.potionKindSource(kind);
    if (!source || source->isNull()) {
        m_w.ImagePotionType->clear();
        return;
    }
    const QImage shape = keyToTransparent(*source);
    const QSize box = m_w.ImagePotionType->size().boundedTo(shape.size()).expandedTo(QSize(1, 1));
    m_w.ImagePotionType->setPixmap(
        QPixmap::fromImage(shape.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void RecipeListRegion::doubleClick(bool ctrl) {
    const ProgramState &st = m_ctx.state;
    const PotionList &list = st.session.recipes();
    const int row = selectedRow();
    const int column = m_w.LBPotion->columnAt(m_pressPoint.x());
    if (ctrl) {
        if (list.PotionCount() <= 0)
            return;
        const QString text = GetPotionCellText(st.Data, list, row, column, false);
        if (!text.isEmpty())
            m_ctx.dialogs.inputText(&m_ctx.window, QStringLiteral("Данные ячейки рецепта"), text);
        return;
    }
    const int item = GetLbPotionDataNum(kElementItem, column, row, list);
    if (item > 0) {
        Q_EMIT showInGridRequested(item, 0);
        return;
    }
    const int effect = GetLbPotionDataNum(kElementEffect, column, row, list);
    if (effect > 0)
        Q_EMIT showInGridRequested(effect, 1);
}

void RecipeListRegion::HeaderSectionClick(int section) {
    if (!m_ctx.state.Gate.ready())
        return;
    m_ctx.state.session.sortRecipes(section);
    m_w.Header->viewport()->update();
}

void RecipeListRegion::layoutPanelLBox() {
    QWidget *parent = m_w.PanelLBox->parentWidget();
    if (!parent)
        return;
    if (m_w.ScrollBarLBVert->parentWidget() != parent) {
        m_w.ScrollBarLBVert->setParent(parent);
        m_w.ScrollBarLBVert->show();
    }
    const int last = m_w.Header->count() - 1;
    const int right = last >= 0 ? m_w.Header->sectionPosition(last) + m_w.Header->sectionSize(last) : 0;
    const int top = m_w.PanelCapLBPotions->parentWidget() == parent ? m_w.PanelCapLBPotions->height() : 0;
    const int bottom = parent->height() - (m_w.ScrollBarLB->isVisible() ? m_w.ScrollBarLB->height() : 0);
    // The range ends where the last column is fully in view left of the
    // vertical bar.
    const int barWidth = m_w.ScrollBarLBVert->sizeHint().width();
    const int visibleWidth = std::max(1, parent->width() - barWidth);
    const int panelWidth = right + 4;
    {
        const QSignalBlocker blocker(m_w.ScrollBarLB);
        m_w.ScrollBarLB->setMaximum(std::max(0, panelWidth - visibleWidth));
        m_w.ScrollBarLB->setPageStep(visibleWidth);
    }
    const int position = m_w.ScrollBarLB->value();
    m_w.PanelLBox->setGeometry(-position, top, panelWidth, std::max(0, bottom - top));
    // Beside the rows: below the header, inside the panel's frame and margin.
    const int inset = m_w.PanelLBox->frameWidth() + 1;
    const int listTop = top + inset + m_w.Header->height();
    m_w.ScrollBarLBVert->setGeometry(parent->width() - barWidth, listTop, barWidth,
                                     std::max(0, top + m_w.PanelLBox->height() - inset - listTop));
    m_w.ScrollBarLBVert->raise();
    m_w.PanelCapLBPotions->setGeometry(0, 0, parent->width(), m_w.PanelCapLBPotions->height());
    m_w.ScrollBarLB->setGeometry(0, parent->height() - m_w.ScrollBarLB->height(), parent->width(),
                                 m_w.ScrollBarLB->height());
}

void RecipeListRegion::On_Scroll(int position) {
    if (position < 0 || position > m_w.ScrollBarLB->maximum()) {
        position = std::clamp(position, 0, m_w.ScrollBarLB->maximum());
        m_w.ScrollBarLB->setValue(position);
    }
    m_w.PanelLBox->move(-position, m_w.PanelLBox->y());
}
} // namespace qor

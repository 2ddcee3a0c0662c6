#include "main_window/ui/reference_table_panel.h"

#include "common_ui/caption_bar.h"
#include "common_ui/dialog_provider.h"
#include "common_ui/pixel_font.h"
#include "common_ui/stored_font.h"
#include "hints/ui/cell_hints.h"
#include "input/ui/key_router.h"
#include "input/ui/wheel_router.h"
#include "main_window/ui/window_routers.h"
#include "reference_table/effect_slot_exchange.h"
#include "reference_table/grid_model.h"
#include "reference_table/ui/grid_cell_delegate.h"
#include "reference_table/ui/grid_header_view.h"
#include "reference_table/ui/grid_table_model.h"
#include "reference_table/ui/grid_view.h"
#include "session/program_state.h"
#include "settings/stored_geometry.h"
#include "visuals/ui/item_pictures.h"

#include <QAction>
#include <QEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace qor {

namespace {

// The picture column's view of the program's ingredient pictures.
class ItemGridPictures : public GridPictures {
  public:
    explicit ItemGridPictures(const ItemPictures &pictures) : m_pictures(pictures) {}
    const QImage *smallPicture(int item) const override { return m_pictures.picSmall(item); }
    const QImage *fullPicture(int item) const override { return m_pictures.picSourceTransparent(item); }

  private:
    const ItemPictures &m_pictures;
};

} // namespace

ReferenceTablePanel::ReferenceTablePanel(ProgramState &state, const ItemPictures &pictures,
                                         DialogProvider &dialogs, QWidget *parent)
    : QWidget(parent), m_state(state), m_pictures(pictures), m_dialogs(dialogs) {
    setObjectName(QStringLiteral("PanelGrid"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_caption = makeCaptionBar(this, QStringLiteral("PanelCapGrid"),
                               QStringLiteral("Справочная таблица ингредиентов и эффектов"), 19);
    layout->addWidget(m_caption);
    m_view = new GridView(this);
    m_view->setObjectName(QStringLiteral("StringGrid"));
    buildView();
    m_view->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->verticalHeader()->hide();
    m_view->horizontalHeader()->setDefaultSectionSize(25);
    m_view->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_view->verticalHeader()->setDefaultSectionSize(20);
    m_view->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 13));
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    layout->addWidget(m_view, 1);
    connect(m_view, &QTableView::customContextMenuRequested, this,
            [this](const QPoint &pos) { openMenu(pos); });
    connect(m_view->verticalScrollBar(), &QAbstractSlider::actionTriggered, this, [this] { m_startRow = 0; });
    m_caption->installEventFilter(this);
    m_view->viewport()->installEventFilter(this);
    connect(&m_state.session, &Session::fontChanged, this, [this](SettingsFont which) {
        if (which == SettingsFont::StringGrid)
            applyStoredFont(m_view, m_state.session.settings().font(which));
    });
}

void ReferenceTablePanel::joinRouters(const WindowRouters &routers) {
    routers.keys.registerList(m_view, KeyListRole::Grid, [this] {
        if (m_state.Gate.open())
            Q_EMIT currentMoved();
    });
    routers.wheel.watch(m_view, WheelRouter::Target::Grid);
    connect(&routers.wheel, &WheelRouter::gridScrolled, this, &ReferenceTablePanel::scrollGrid);
    routers.drag.registerControl(m_view, DragControl::Grid);
    routers.hints.watchGrid(m_view);
}

ReferenceTablePanel::~ReferenceTablePanel() = default;

void ReferenceTablePanel::buildView() {
    auto *header = new GridHeaderView(m_view);
    m_view->setHorizontalHeader(header);
    // A press on a caption sorts; it does not select the column.
    disconnect(header, &QHeaderView::sectionPressed, m_view, nullptr);
    disconnect(header, &QHeaderView::sectionEntered, m_view, nullptr);
    connect(header, &QHeaderView::sectionClicked, this, [this](int column) { headerClick(column); });
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(header, &QWidget::customContextMenuRequested, this,
            [this, header](const QPoint &pos) { setFindColumn(header->logicalIndexAt(pos)); });
    // Scrolling by whole rows: the bar's value is the first visible row.
    m_view->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    // The delegate draws the lines, one direction at a time.
    m_view->setShowGrid(false);
    m_gridPictures = std::make_unique<ItemGridPictures>(m_pictures);
    m_delegate = new GridCellDelegate(m_gridPictures.get(), m_view);
    static_cast<GridView *>(m_view)->setItemDelegate(m_delegate);
}

void ReferenceTablePanel::setMenu(QMenu *menu, const GridMenuItems &items) {
    m_menu = menu;
    m_items = items;
    connect(menu, &QMenu::aboutToShow, this, &ReferenceTablePanel::prepareMenu);
}

void ReferenceTablePanel::fill(std::span<const int> widths) {
    if (!m_model) {
        m_model = new GridTableModel(m_state.Data, m_state.Strengths, m_state.session.grid(),
                                     m_state.DecimalPoint, this);
        m_view->setModel(m_model);
        connect(m_view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                &ReferenceTablePanel::currentMoved);
        connect(&m_state.session, &Session::gridOrderChanged, this, &ReferenceTablePanel::followGridOrder);
        connect(&m_state.session, &Session::gridMarksChanged, this, &ReferenceTablePanel::followGridMarks);
    } else {
        m_model->reload();
    }
    for (int c = 0; c < m_model->columnCount() && c < static_cast<int>(widths.size()); ++c) {
        if (widths[static_cast<std::size_t>(c)] > 0)
            m_view->setColumnWidth(c, storedPixelSize(widths[static_cast<std::size_t>(c)]));
    }
    // The picture column is square.
    const int side = m_view->verticalHeader()->defaultSectionSize();
    m_view->setColumnWidth(0, side);
    if (auto *header = qobject_cast<GridHeaderView *>(m_view->horizontalHeader())) {
        header->setBoldColumn(m_state.session.grid().GridFindCol);
        header->setSortCode(m_state.session.grid().GridSortCode);
    }
}

void ReferenceTablePanel::followGridOrder() {
    m_model->reload();
    if (auto *header = qobject_cast<GridHeaderView *>(m_view->horizontalHeader()))
        header->setSortCode(m_state.session.grid().GridSortCode);
    m_view->viewport()->update();
}

void ReferenceTablePanel::followGridMarks() {
    if (auto *header = qobject_cast<GridHeaderView *>(m_view->horizontalHeader()))
        header->setBoldColumn(m_state.session.grid().GridFindCol);
    m_view->viewport()->update();
}

void ReferenceTablePanel::release() {
    m_view->setModel(nullptr);
}

void ReferenceTablePanel::repaintCells() {
    m_view->viewport()->update();
}

int ReferenceTablePanel::currentGridRow() const {
    const QModelIndex index = m_view->currentIndex();
    return index.isValid() ? index.row() + 1 : 0;
}

void ReferenceTablePanel::collectColumnWidths(std::span<int> widths) const {
    if (!m_view->model())
        return;
    for (int k = 0; k < m_view->horizontalHeader()->count() && k < static_cast<int>(widths.size()); ++k)
        widths[static_cast<std::size_t>(k)] = m_view->columnWidth(k);
}

void ReferenceTablePanel::takeBackView() {
    m_view->setParent(this);
    static_cast<QVBoxLayout *>(layout())->addWidget(m_view, 1);
    m_view->show();
    if (m_view->currentIndex().isValid())
        m_view->scrollTo(m_view->currentIndex());
    m_view->setFocus();
}

void ReferenceTablePanel::showRow(int gridRow) {
    if (!m_model || gridRow < 1 || gridRow > m_model->rowCount())
        return;
    const QModelIndex index = m_model->index(gridRow - 1, 1);
    m_view->setCurrentIndex(index);
    // Scroll by the picture column so the grid stays at its left edge.
    m_view->scrollTo(m_model->index(gridRow - 1, 0), QAbstractItemView::PositionAtCenter);
    Q_EMIT currentShown();
}

void ReferenceTablePanel::headerClick(int column) {
    ProgramState &st = m_state;
    if (!st.Gate.ready() || !m_model || column < 1 || column >= kGridColumnCount)
        return;
    const QModelIndex current = m_view->currentIndex();
    const int currentRow = current.isValid() ? current.row() + 1 : 0;
    const int firstVisible = m_view->verticalScrollBar()->value();
    const int row = st.session.editGrid([&](GridState &grid) {
        return applyGridHeaderClick(st.Data, st.Strengths, grid, column, currentRow);
    });
    m_view->verticalScrollBar()->setValue(firstVisible);
    if (row >= 1) {
        const QSignalBlocker blocker(m_view->selectionModel());
        m_view->selectionModel()->setCurrentIndex(
            m_model->index(row - 1, current.isValid() ? current.column() : 1),
            QItemSelectionModel::ClearAndSelect);
    }
    m_view->verticalScrollBar()->setValue(firstVisible);
}

void ReferenceTablePanel::setFindColumn(int column) {
    if (!m_state.Gate.ready() || column < 1 || column >= kGridColumnCount)
        return;
    m_state.session.editGrid([column](GridState &grid) { grid.GridFindCol = column; });
}

void ReferenceTablePanel::scrollGrid(int delta) {
    if (!m_model)
        return;
    m_startRow = 0;
    // The bar's value is the first visible model row, grid row - 1.
    QScrollBar *bar = m_view->verticalScrollBar();
    const int top =
        ScrollGrid(bar->value() + 1, delta, m_state.session.grid().rowCount(), m_view->viewport()->height(),
                   0, m_view->verticalHeader()->defaultSectionSize());
    bar->setValue(top - 1);
}

void ReferenceTablePanel::showInGrid(int value, int mode, bool byRow) {
    if (!m_model)
        return;
    const int rowHeight = std::max(1, m_view->verticalHeader()->defaultSectionSize());
    const int topRow = std::max(1, m_view->rowAt(0) + 1);
    const auto target = ShowItemInGrid(m_state.Data, m_state.session.grid(), value, mode, byRow, topRow,
                                       m_view->viewport()->height(), rowHeight);
    if (!target)
        return;
    // The table scrolls by whole rows: the bar's value is the first model row.
    m_view->verticalScrollBar()->setValue(target->topRow - 1);
    const QModelIndex index = m_model->index(target->row - 1, target->column);
    m_view->setCurrentIndex(index);
    // A client too low for the rule's centring still shows the row.
    m_view->scrollTo(index);
    Q_EMIT currentShown();
}

void ReferenceTablePanel::showStartRow(int gridRow) {
    m_startRow = 0;
    m_view->verticalScrollBar()->setValue(0);
    showInGrid(gridRow, 0, true);
    if (currentGridRow() != gridRow)
        return;
    m_startRow = gridRow;
    m_view->installEventFilter(this);
    m_view->viewport()->installEventFilter(this);
}

bool ReferenceTablePanel::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (watched == m_caption) {
            if (m_state.Gate.ready())
                Q_EMIT captionDoubleClicked();
            return true;
        }
        if (watched == m_view->viewport() && m_state.Gate.ready())
            doubleClick(QGuiApplication::keyboardModifiers() & Qt::ControlModifier);
    }
    if (m_startRow > 0 && (watched == m_view || watched == m_view->viewport())) {
        switch (event->type()) {
        case QEvent::Resize:
            if (watched != m_view->viewport())
                break;
            if (currentGridRow() == m_startRow) {
                const int row = m_startRow;
                m_view->verticalScrollBar()->setValue(0);
                showInGrid(row, 0, true);
                m_startRow = row;
            } else {
                m_startRow = 0;
            }
            break;
        case QEvent::MouseButtonPress:
        case QEvent::KeyPress:
        case QEvent::Wheel:
            m_startRow = 0;
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ReferenceTablePanel::doubleClick(bool ctrl) {
    const QModelIndex index = m_view->currentIndex();
    if (ctrl || !m_model || !index.isValid() || index.column() < 1)
        return;
    // For reading and copying the cell's text; the answer is not used.
    m_dialogs.inputText(window(),
                        m_model->headerData(index.column(), Qt::Horizontal, Qt::DisplayRole).toString(),
                        index.data(Qt::DisplayRole).toString());
}

int ReferenceTablePanel::currentItem() const {
    const int row = currentGridRow();
    return row > 0 ? std::max(0, m_state.session.grid().itemAtRow(row)) : 0;
}

void ReferenceTablePanel::exchangeEffectSlot(int effect, int column, bool resort) {
    const int slot = GridColumn::effectSlot(column);
    if (!m_model || slot == 0)
        return;
    exchangeEffectSlots(m_state.Data, effect, slot);
    m_state.Strengths = RecalcItemEffects(m_state.Data, m_state.session.skills());
    if (resort) {
        // The current ingredient stays current on its new row; the first
        // visible row stays where it was.
        const int column = std::max(1, m_view->currentIndex().column());
        const int item = currentItem();
        const int firstVisible = m_view->verticalScrollBar()->value();
        m_state.session.editGrid(
            [this](GridState &grid) { SortGrid(m_state.Data, m_state.Strengths, grid); });
        if (const int row = m_state.session.grid().rowOfItem(item); item > 0 && row >= 1) {
            const QSignalBlocker blocker(m_view->selectionModel());
            m_view->selectionModel()->setCurrentIndex(m_model->index(row - 1, column),
                                                      QItemSelectionModel::ClearAndSelect);
        }
        m_view->verticalScrollBar()->setValue(firstVisible);
    }
    // The cells read the table when painted.
    m_view->viewport()->update();
}

void ReferenceTablePanel::setRowHeight(int rowHeight, int headerHeight) {
    if (headerHeight == -1)
        headerHeight = m_view->horizontalHeader()->height();
    // The header's own floor follows the font; rows lower than the text are
    // the user's choice (the pictures stay square).
    for (QHeaderView *header : {m_view->verticalHeader(), m_view->horizontalHeader()})
        header->setMinimumSectionSize(std::min(rowHeight, header->minimumSectionSize()));
    m_view->verticalHeader()->setDefaultSectionSize(rowHeight);
    m_view->setColumnWidth(0, rowHeight);
    m_view->horizontalHeader()->setFixedHeight(headerHeight);
}

void ReferenceTablePanel::setLines(bool vertical, bool horizontal) {
    m_delegate->setLines(vertical, horizontal);
    m_view->viewport()->update();
}

void ReferenceTablePanel::setAlternateColor(const QColor &color) {
    m_delegate->setAlternateColor(color);
}

void ReferenceTablePanel::setHighlightColors(const QColor &color) {
    m_colorHarmful = color;
    m_colorBeneficial = color;
}

void ReferenceTablePanel::openMenu(const QPoint &pos) {
    // The menu belongs to the data rows; the cell pressed becomes current.
    const QModelIndex index = m_view->indexAt(pos);
    if (!index.isValid() || !m_menu)
        return;
    m_clickColumn = index.column();
    m_clickRow = index.row() + 1;
    m_view->setCurrentIndex(index);
    m_menu->popup(m_view->viewport()->mapToGlobal(pos));
}

void ReferenceTablePanel::prepareMenu() {
    if (!m_menu)
        return;
    const GridPopupState popup =
        gridPopupState(m_state.Data, m_state.session.grid(), m_clickColumn, m_clickRow);
    for (QAction *marker : m_items.markers)
        marker->setEnabled(popup.effectCommands);
    m_items.countItems->setEnabled(popup.effectCommands);
    m_items.setAllMarkers->setEnabled(popup.setAllMarkers);
}

void ReferenceTablePanel::applyHighlight() {
    if (m_model)
        m_model->setEffectHighlight(m_items.highlightHarmful->isChecked() ? m_colorHarmful : QColor(),
                                    m_items.highlightBeneficial->isChecked() ? m_colorBeneficial : QColor());
}

void ReferenceTablePanel::toggleHighlight(QAction *item, bool harmful) {
    QColor &colour = harmful ? m_colorHarmful : m_colorBeneficial;
    if (item->isChecked() && m_clickRow >= 1) {
        if (const auto chosen = m_dialogs.chooseColor(window(), colour)) {
            colour = *chosen;
        } else {
            const CommandGate::Scope quiet(m_state.Gate, CommandGate::Hold::Commands);
            item->setChecked(false);
        }
    }
    applyHighlight();
    m_view->viewport()->update();
}

void ReferenceTablePanel::markersOff() {
    m_state.session.editGrid([](GridState &grid) { disableGridMarkers(grid); });
    {
        const CommandGate::Scope quiet(m_state.Gate, CommandGate::Hold::Commands);
        for (QAction *marker : m_items.markers)
            marker->setChecked(false);
        m_items.highlightHarmful->setChecked(false);
        m_items.highlightBeneficial->setChecked(false);
        applyHighlight();
    }
    m_view->viewport()->update();
}

void ReferenceTablePanel::setAllMarkers() {
    const GridElement element =
        GetGridDataNum(m_state.Data, m_state.session.grid(), 1, m_clickColumn, m_clickRow);
    if (element.item < 1)
        return;
    m_state.session.editGrid([&](GridState &grid) { setAllGridMarkers(m_state.Data, grid, element.item); });
    const CommandGate::Scope quiet(m_state.Gate, CommandGate::Hold::Commands);
    for (QAction *marker : m_items.markers)
        marker->setChecked(true);
}

void ReferenceTablePanel::countItemsWithEffect() {
    const GridElement element =
        GetGridDataNum(m_state.Data, m_state.session.grid(), 1, m_clickColumn, m_clickRow);
    if (element.result < 1 || !GridColumn::isEffectColumn(m_clickColumn))
        return;
    m_dialogs.message(window(),
                      countItemsWithEffectMessage(m_state.Data.EffectNames.value(element.result),
                                                  qor::countItemsWithEffect(m_state.Data, element.result)));
}

void ReferenceTablePanel::toggleMarker(QAction *item, int number) {
    const GridElement element =
        GetGridDataNum(m_state.Data, m_state.session.grid(), 1, m_clickColumn, m_clickRow);
    if (element.result < 1 || !GridColumn::isEffectColumn(m_clickColumn))
        return;
    m_state.session.editGrid([&](GridState &grid) {
        GridMarker &marker = grid.GridMarkers[static_cast<std::size_t>(number - 1)];
        marker.effect = element.result;
        marker.on = item->isChecked();
    });
}

} // namespace qor

#include "hints/ui/cell_hints.h"

#include "common_ui/cell_hint_rules.h"
#include "common_ui/hint_window.h"
#include "common_ui/sort_mark.h"
#include "common_ui/view_colors.h"
#include "recipe_list/potion_cells.h"
#include "recipe_list/ui/chooser_combo.h"
#include "recipe_list/ui/potion_header.h"
#include "recipe_list/ui/potion_list_view.h"
#include "recipe_list/ui/recipe_info_lists.h"
#include "reference_table/ui/grid_header_view.h"
#include "session/program_state.h"

#include <QCursor>
#include <QEvent>
#include <QHeaderView>
#include <QListWidget>
#include <QMouseEvent>
#include <QStyleOptionComboBox>
#include <QTableView>

#include <cstdlib>
#include <vector>

namespace qor {

namespace {

int textWidth(const QFont &font, const QString &text) {
    return QFontMetrics(font).horizontalAdvance(text);
}

} // namespace

CellHints::CellHints(const ProgramState &state, const ViewColors &colors, QWidget *window)
    : QObject(window), m_state(state), m_colors(colors), m_parentWindow(window),
      m_markWidth(makeSortMark(true).width() + 1) {
    // A hint lies over a cell; once the window changes size or place the
    // cell is elsewhere.
    if (window)
        window->installEventFilter(this);
    connect(&state.session, &Session::settingChanged, this, [this](int line) {
        if (line == Setting.MenuShowHints.line && !enabled())
            HideCellHint();
    });
}

CellHints::~CellHints() {
    delete m_window;
}

void CellHints::watchRecipeList(PotionListView *list, PotionHeader *header, QWidget *rowBar) {
    m_recipes = list;
    m_recipeHeader = header;
    m_recipeRowBar = rowBar;
    addSource(list->viewport(), {Kind::Recipes, list, {}, {}});
    addSource(header->viewport(), {Kind::RecipeHeader, header, {}, {}});
}

void CellHints::watchEffectList(EffectInfoList *list, PotionHeader *header) {
    m_effects = list;
    m_effectHeader = header;
    addSource(header->viewport(), {Kind::EffectHeader, header, {}, {}});
    addSource(list->viewport(), {Kind::Effects, list, {}, {}});
}

void CellHints::watchGrid(QTableView *grid) {
    m_grid = grid;
    addSource(grid->viewport(), {Kind::Grid, grid, {}, {}});
    addSource(grid->horizontalHeader()->viewport(), {Kind::GridHeader, grid, {}, {}});
}

void CellHints::addList(QAbstractItemView *list, RowText text, RowIndent indent) {
    addSource(list->viewport(), {Kind::List, list, std::move(text), std::move(indent)});
}

void CellHints::addChooser(ChooserComboBox *chooser) {
    addSource(chooser, {Kind::Chooser, chooser, {}, {}});
}

void CellHints::addSource(QWidget *eventWidget, Source source) {
    eventWidget->setMouseTracking(true);
    eventWidget->installEventFilter(this);
    m_sources.insert(eventWidget, std::move(source));
    connect(eventWidget, &QObject::destroyed, this, [this](QObject *gone) { m_sources.remove(gone); });
}

const CellHints::Source *CellHints::sourceOf(const QWidget *control) const {
    for (auto it = m_sources.cbegin(); it != m_sources.cend(); ++it) {
        if (it.value().control == control && it.value().kind != Kind::GridHeader)
            return &it.value();
    }
    return nullptr;
}

QWidget *CellHints::eventWidgetOf(const QWidget *control) const {
    for (auto it = m_sources.cbegin(); it != m_sources.cend(); ++it) {
        if (it.value().control == control && it.value().kind != Kind::GridHeader)
            return const_cast<QWidget *>(static_cast<const QWidget *>(it.key()));
    }
    return nullptr;
}

bool CellHints::enabled() const {
    return m_state.session.block().get(Setting.MenuShowHints);
}

bool CellHints::hintVisible() const {
    return m_window && m_window->isVisible();
}

bool CellHints::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_parentWindow) {
        if (event->type() == QEvent::Resize || event->type() == QEvent::Move ||
            event->type() == QEvent::WindowStateChange)
            HideCellHint();
        return QObject::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::MouseMove: {
        const auto it = m_sources.constFind(watched);
        if (it == m_sources.cend())
            break;
        const auto *mouse = static_cast<const QMouseEvent *>(event);
        auto *eventWidget = static_cast<QWidget *>(watched);
        if (!enabled()) {
            HideCellHint();
            break;
        }
        const Built built = build(it.value(), eventWidget, mouse->position().toPoint());
        m_pendingFont = built.font;
        m_pendingHeight = built.height;
        ShowCellHint(eventWidget->mapToGlobal(built.pos), it.value().control, built.text);
        break;
    }
    case QEvent::Leave: {
        // Some window systems report a leave when the hint itself appears
        // under the mouse; only a mouse that really left hides it.
        const auto *w = static_cast<const QWidget *>(watched);
        if (m_sources.contains(watched) && !w->rect().contains(w->mapFromGlobal(QCursor::pos()))) {
            HideCellHint();
        }
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::Hide:
    case QEvent::Resize:
    case QEvent::Move:
        if (m_sources.contains(watched))
            HideCellHint();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void CellHints::UpdateCellHint(QWidget *control, const QPoint &pos) {
    const Source *source = sourceOf(control);
    QWidget *eventWidget = eventWidgetOf(control);
    if (!source || !eventWidget)
        return;
    if (!enabled()) {
        HideCellHint();
        return;
    }
    const Built built = build(*source, eventWidget, pos);
    m_pendingFont = built.font;
    m_pendingHeight = built.height;
    ShowCellHint(eventWidget->mapToGlobal(built.pos), control, built.text);
}

void CellHints::ShowCellHint(const QPoint &position, QWidget *control, const QString &text) {
    if (text.isEmpty()) {
        HideCellHint();
        m_hintText.clear();
        return;
    }
    if (position == m_hintPos && hintVisible() && control == m_hintControl && m_hintText == text)
        return;
    m_hintPos = position;
    m_hintText = text;
    On_ShowHint(control);
    Q_EMIT hintShown(control, text);
}

void CellHints::HideCellHint() {
    if (hintVisible())
        m_window->hide();
}

void CellHints::On_ShowHint(QWidget *control) {
    if (!m_window)
        m_window = new TQORHintWindow(m_parentWindow);
    m_window->setEventTarget(eventWidgetOf(control));
    m_hintControl = control;
    const QFont font = m_pendingFont;
    const int height = m_pendingHeight > 0 ? m_pendingHeight : plainHeight(font);
    m_window->ActivateHint(m_hintPos, height, m_hintText, font);
}

int CellHints::plainHeight(const QFont &font) {
    return QFontMetrics(font).height() + 4;
}

CellHints::Built CellHints::build(const Source &source, QWidget *eventWidget, const QPoint &pos) const {
    switch (source.kind) {
    case Kind::Recipes:
        return buildRecipes(eventWidget, pos);
    case Kind::RecipeHeader:
    case Kind::EffectHeader:
        return buildRecipeHeader(*static_cast<PotionHeader *>(source.control), eventWidget, pos);
    case Kind::Effects:
        return buildEffects(eventWidget, pos);
    case Kind::Grid:
        return buildGrid(eventWidget, pos);
    case Kind::GridHeader:
        return buildGridHeader(eventWidget, pos);
    case Kind::List:
        return buildList(source, pos);
    case Kind::Chooser:
        return buildChooser(source);
    }
    return {};
}

std::pair<int, int> CellHints::recipeBand(const QWidget *w) const {
    // The region is the panel that slides the list (the recipe region, or the
    // full-screen window while the list is in it).
    const QWidget *panel = m_recipes->parentWidget();
    const QWidget *region = panel ? panel->parentWidget() : nullptr;
    if (!region)
        return {0, w->width()};
    int visibleRight = region->width();
    const QWidget *bar = m_recipeRowBar;
    if (bar && bar->isVisible() && bar->parentWidget() == region)
        visibleRight = bar->x();
    const int originX = w->mapTo(region, QPoint(0, 0)).x();
    return {-originX, visibleRight - originX};
}

CellHints::Built CellHints::buildRecipes(QWidget *eventWidget, const QPoint &pos) const {
    const PotionListView &list = *m_recipes;
    const int row = list.rowAt(pos.y());
    const int column = list.columnAt(pos.x());
    if (row < 0 || column < 0)
        return {};
    Built out;
    out.font = list.font();
    out.height = list.itemHeight();
    const QString text = GetPotionCellText(m_state.Data, m_state.session.recipes(), row, column, false);
    const auto [left, right] = recipeBand(eventWidget);
    hint::RecipeCell cell;
    cell.textWidth = textWidth(out.font, text);
    cell.sectionLeft = m_recipeHeader->sectionLeft(column);
    cell.sectionWidth = m_recipeHeader->sectionSize(column);
    cell.pictureWidth = PotionColumn::isItemColumn(column) ? list.itemHeight() : 0;
    cell.visibleLeft = left;
    cell.visibleRight = right;
    cell.y = pos.y();
    cell.rowHeight = list.itemHeight();
    const hint::Spot spot = hint::recipeCellHint(cell);
    if (spot.show) {
        out.text = text;
        out.pos = {spot.x, spot.y};
    }
    return out;
}

CellHints::Built CellHints::buildRecipeHeader(const PotionHeader &header, QWidget *eventWidget,
                                              const QPoint &pos) const {
    std::vector<int> widths;
    header.sectionWidths(widths);
    const int x = pos.x() + header.offset();
    const int section = hint::sectionStrictlyAt(x, widths.data(), static_cast<int>(widths.size()));
    if (section < 0)
        return {};
    const bool recipes = header.kind() == PotionHeader::Kind::Recipes;
    Built out;
    out.font = header.font();
    // The find column's caption is drawn bold: measured and shown so.
    if (recipes && section == m_colors.PotionFindCol)
        out.font.setBold(true);
    const QString text = header.model()->headerData(section, Qt::Horizontal).toString();
    hint::HeaderSection s;
    s.textWidth = textWidth(out.font, text);
    s.sectionLeft = header.sectionLeft(section) - header.offset();
    s.sectionWidth = widths[static_cast<std::size_t>(section)];
    if (recipes) {
        if (const QImage *mark = header.sortMarkFor(section, m_state.session.recipes().PotionSortCode))
            s.markWidth = PotionHeader::markWidthFor(mark->width(), s.sectionLeft + s.sectionWidth);
        const auto [left, right] = recipeBand(eventWidget);
        s.visibleLeft = left;
        s.visibleRight = right;
    } else {
        s.visibleRight = eventWidget->width();
    }
    s.headerHeight = header.height();
    const hint::Spot spot = hint::headerHint(s);
    if (spot.show) {
        out.text = text;
        out.pos = {spot.x, spot.y};
    }
    return out;
}

CellHints::Built CellHints::buildEffects(QWidget *eventWidget, const QPoint &pos) const {
    const EffectInfoList &list = *m_effects;
    const PotionHeader &header = *m_effectHeader;
    std::vector<int> widths;
    header.sectionWidths(widths);
    const int section = hint::sectionStrictlyAt(pos.x(), widths.data(), static_cast<int>(widths.size()));
    const QModelIndex index = list.indexAt(pos);
    if (section < 0 || !index.isValid())
        return {};
    Built out;
    out.font = list.font();
    out.height = list.itemHeight();
    const QString text = GetPotEffDataStr(m_state.Data, m_state.session.recipes().CurPotion, index.row() + 1,
                                          section, m_state.DecimalPoint);
    hint::EffectCell cell;
    cell.textWidth = textWidth(out.font, text);
    cell.sectionLeft = header.sectionLeft(section);
    cell.sectionWidth = widths[static_cast<std::size_t>(section)];
    cell.clientWidth = eventWidget->width();
    const hint::Spot spot = hint::effectCellHint(cell);
    if (spot.show) {
        out.text = text;
        out.pos = {spot.x, list.visualRect(index).top()};
    }
    return out;
}

CellHints::Built CellHints::buildGrid(QWidget *eventWidget, const QPoint &pos) const {
    const QTableView &grid = *m_grid;
    const QModelIndex index = grid.indexAt(pos);
    if (!index.isValid())
        return {};
    Built out;
    out.font = grid.font();
    const QRect cell = grid.visualRect(index);
    out.height = cell.height();
    const QString text = index.data(Qt::DisplayRole).toString();
    const hint::Spot spot = hint::gridCellHint({.textWidth = textWidth(out.font, text),
                                                .left = cell.left(),
                                                .top = cell.top(),
                                                .width = cell.width(),
                                                .visibleWidth = eventWidget->width()});
    if (spot.show) {
        out.text = text;
        out.pos = {spot.x, spot.y};
    }
    return out;
}

CellHints::Built CellHints::buildGridHeader(QWidget *eventWidget, const QPoint &pos) const {
    const QTableView &grid = *m_grid;
    const QHeaderView &header = *grid.horizontalHeader();
    const int section = header.logicalIndexAt(pos.x());
    if (section < 0 || !grid.model())
        return {};
    Built out;
    out.font = header.font();
    int markWidth = 0;
    if (const auto *gridHeader = qobject_cast<const GridHeaderView *>(&header)) {
        out.font.setBold(section == gridHeader->boldColumn());
        const int code = gridHeader->sortCode();
        if (section != 0 && code != 0 && std::abs(static_cast<long long>(code)) == section)
            markWidth = m_markWidth;
    }
    // One row of the table high, as over its cells.
    out.height = grid.verticalHeader()->defaultSectionSize();
    const QString text = grid.model()->headerData(section, Qt::Horizontal, Qt::DisplayRole).toString();
    hint::HeaderSection s;
    s.textWidth = textWidth(out.font, text);
    s.sectionLeft = header.sectionViewportPosition(section);
    s.sectionWidth = header.sectionSize(section);
    s.markWidth = markWidth;
    s.visibleRight = eventWidget->width();
    s.headerHeight = header.height();
    const hint::Spot spot = hint::gridHeaderHint(s);
    if (spot.show) {
        out.text = text;
        out.pos = {spot.x, spot.y};
    }
    return out;
}

CellHints::Built CellHints::buildList(const Source &source, const QPoint &pos) const {
    const auto *list = static_cast<const QAbstractItemView *>(source.control);
    const QModelIndex index = list->indexAt(pos);
    if (!index.isValid() || !source.text)
        return {};
    Built out;
    out.font = list->font();
    const QRect rect = list->visualRect(index);
    out.height = rect.height();
    const QString text = source.text(index.row());
    const int indent = source.indent ? source.indent(index.row()) : 0;
    const hint::Spot spot = hint::listRowHint({.textWidth = textWidth(out.font, text),
                                               .indent = indent,
                                               .clientWidth = list->viewport()->width(),
                                               .y = rect.top(),
                                               .rowHeight = std::max(1, rect.height())});
    if (spot.show) {
        out.text = text;
        out.pos = {rect.left() + spot.x, rect.top()};
    }
    return out;
}

CellHints::Built CellHints::buildChooser(const Source &source) const {
    const auto *chooser = static_cast<const ChooserComboBox *>(source.control);
    const int row = chooser->currentIndex();
    if (row < 0)
        return {};
    Built out;
    out.font = chooser->font();
    // The text the chooser draws: ingredient choosers hold placeholders
    // and draw the ingredient's name after its picture.
    QString text = chooser->itemText(row);
    QStyleOptionComboBox opt;
    opt.initFrom(chooser);
    opt.editable = chooser->isEditable();
    const QRect field =
        chooser->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, chooser);
    int indent = 2;
    if (chooser->kind() == ChooserComboBox::Kind::Ingredient) {
        text = row > 0 ? m_state.Data.ItemNames.value(row) : QString();
        indent = field.height() + 2;
    } else if (chooser->kind() == ChooserComboBox::Kind::Effect && row > 0) {
        indent = textWidth(out.font, QString(m_colors.EffColorChar)) + 6;
    }
    const hint::Spot spot = hint::chooserHint({.textWidth = textWidth(out.font, text),
                                               .indent = indent,
                                               .fieldWidth = field.width(),
                                               .height = chooser->height()});
    if (spot.show) {
        out.text = text;
        out.pos = {spot.x, spot.y};
    }
    return out;
}

} // namespace qor

#include "favorites/ui/form_used_items.h"

#include "favorites/favorites_store.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>

#include <utility>

namespace qor {

namespace {
// Gap around the chooser of the filter panel; the rename button is this wide.
constexpr int kFilterMargin = 4;
constexpr int kRenameButtonWidth = 20;
} // namespace

TFormUsedItems::TFormUsedItems(FavoritesStore &store, const GameData &data, const ViewColors &colors,
                               const PictureSource *pictures, ToolWindowPrompts prompts,
                               const std::function<QComboBox *(QWidget *parent)> &makeChooser, QWidget *owner)
    : ToolWindow(owner, Esc::Ignored), m_store(store), m_prompts(std::move(prompts)) {
    setObjectName(QStringLiteral("FormUsedItems"));
    setWindowTitle(QStringLiteral("Возможные ингредиенты"));
    if (owner)
        setFont(owner->font());

    CLbUsedItems = new UsedItemsList(store.ingredientSets(), data, colors, pictures, this);
    buildFilterPanel(makeChooser);
    PanelUsedItemsSelected = new QLabel(this);
    PanelUsedItemsSelected->setObjectName(QStringLiteral("PanelUsedItemsSelected"));
    PanelUsedItemsSelected->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(CLbUsedItems, 1);
    layout->addWidget(PanelUsedItemsFilter);
    layout->addWidget(PanelUsedItemsSelected);
    buildPopup();

    connect(CLbUsedItems, &UsedItemsList::checkToggled, this, &TFormUsedItems::toggleRow);
    CLbUsedItems->resetRows();
    CLbUsedItems->setCurrentRow(0);
    connect(&store, &FavoritesStore::ingredientSetsChanged, this, [this] { showSets(); });
    m_store.editIngredientSets([](UsedItemsModel &sets) { return sets.MakeUsedItems(); });
    showSets();

    {
        m_filling = true;
        for (int k = 0; k < kUsedItemsSetCount; ++k)
            ComboBoxUsedItemsFilter->addItem(store.ingredientSets().setName(k));
        m_filling = false;
    }
    connect(ComboBoxUsedItemsFilter, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!m_filling)
            chooseSet(index);
    });
}

void TFormUsedItems::buildFilterPanel(const std::function<QComboBox *(QWidget *parent)> &makeChooser) {
    PanelUsedItemsFilter = new QFrame(this);
    PanelUsedItemsFilter->setObjectName(QStringLiteral("PanelUsedItemsFilter"));
    LabelUsedItemsFilterCount = new QLabel(QStringLiteral("Фильтр"), PanelUsedItemsFilter);
    LabelUsedItemsFilterCount->setObjectName(QStringLiteral("LabelUsedItemsFilterCount"));
    LabelUsedItemsFilterCount->setAlignment(Qt::AlignCenter);
    ComboBoxUsedItemsFilter =
        makeChooser ? makeChooser(PanelUsedItemsFilter) : new QComboBox(PanelUsedItemsFilter);
    ComboBoxUsedItemsFilter->setObjectName(QStringLiteral("ComboBoxUsedItemsFilter"));
    ButtFilterRename = new QToolButton(PanelUsedItemsFilter);
    ButtFilterRename->setObjectName(QStringLiteral("ButtFilterRename"));
    ButtFilterRename->setText(QStringLiteral("..."));
    connect(ButtFilterRename, &QToolButton::clicked, this, [this] { renameSet(); });
    PanelUsedItemsFilter->installEventFilter(this);
    ComboBoxUsedItemsFilter->installEventFilter(this);
    layoutFilterPanel();
}

void TFormUsedItems::buildPopup() {
    PopupMenuLbUsedItems = new QMenu(this);
    PopupMenuLbUsedItems->setObjectName(QStringLiteral("PopupMenuLbUsedItems"));
    const auto add = [this](const char *name, const QString &caption, void (TFormUsedItems::*run)(),
                            QKeySequence shortcut = {}) {
        QAction *act = PopupMenuLbUsedItems->addAction(caption);
        act->setObjectName(QString::fromLatin1(name));
        connect(act, &QAction::triggered, this, run);
        if (!shortcut.isEmpty()) {
            act->setShortcut(shortcut);
            act->setShortcutContext(Qt::WidgetShortcut);
            CLbUsedItems->addAction(act);
        }
        return act;
    };
    PMenuUsedItemsEnableAll =
        add("PMenuUsedItemsEnableAll", QStringLiteral("Включить все"), &TFormUsedItems::enableAll);
    PMenuUsedItemsDisableAll =
        add("PMenuUsedItemsDisableAll", QStringLiteral("Отключить все"), &TFormUsedItems::disableAll);
    PMenuUsedItemsGoToEnabled =
        add("PMenuUsedItemsGoToEnabled", QStringLiteral("Перейти к ближайшему включенному"),
            &TFormUsedItems::goToEnabled, QKeySequence(Qt::CTRL | Qt::Key_Right));
    PMenuUsedItemsGoToDisabled =
        add("PMenuUsedItemsGoToDisabled", QStringLiteral("Перейти к ближайшему отключенному"),
            &TFormUsedItems::goToDisabled, QKeySequence(Qt::CTRL | Qt::Key_Left));
    connect(CLbUsedItems, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        PopupMenuLbUsedItems->popup(CLbUsedItems->viewport()->mapToGlobal(pos));
    });
}

bool TFormUsedItems::eventFilter(QObject *watched, QEvent *event) {
    if ((watched == PanelUsedItemsFilter && event->type() == QEvent::Resize) ||
        (watched == ComboBoxUsedItemsFilter && event->type() == QEvent::FontChange))
        layoutFilterPanel();
    return ToolWindow::eventFilter(watched, event);
}

void TFormUsedItems::layoutFilterPanel() {
    // The label on top, below it the chooser and at its right the rename
    // button; the panel is one margin higher than the chooser's bottom.
    const int width = PanelUsedItemsFilter->width();
    const int labelHeight = LabelUsedItemsFilterCount->sizeHint().height();
    LabelUsedItemsFilterCount->setGeometry(0, 1, width, labelHeight);
    const int chooserTop = 1 + labelHeight + 1;
    const int chooserHeight = ComboBoxUsedItemsFilter->sizeHint().height();
    ComboBoxUsedItemsFilter->setGeometry(kFilterMargin, chooserTop,
                                         std::max(1, width - 3 * kFilterMargin - kRenameButtonWidth),
                                         chooserHeight);
    ButtFilterRename->setGeometry(width - kFilterMargin - kRenameButtonWidth, chooserTop, kRenameButtonWidth,
                                  chooserHeight);
    PanelUsedItemsFilter->setFixedHeight(chooserTop + chooserHeight + kFilterMargin);
}

void TFormUsedItems::setRowHeight(int height) {
    CLbUsedItems->setItemHeight(clampToolRowHeight(height));
}

void TFormUsedItems::setListFont(const ListFont &font) {
    CLbUsedItems->setFont(font.applied(CLbUsedItems->font()));
    CLbUsedItems->viewport()->update();
}

void TFormUsedItems::showSets() {
    const UsedItemsModel &sets = m_store.ingredientSets();
    PanelUsedItemsSelected->setText(sets.selectedText(sets.availableCount()));
    CLbUsedItems->viewport()->update();
}

template <class Edit> void TFormUsedItems::editCurrentSet(Edit &&edit) {
    if (m_store.ingredientSets().UsedItemsSetIndex >= 0)
        m_store.editIngredientSets(std::forward<Edit>(edit));
}

void TFormUsedItems::chooseSet(int set) {
    if (set < 0 || set >= kUsedItemsSetCount)
        return;
    if (ComboBoxUsedItemsFilter->currentIndex() != set) {
        m_filling = true;
        ComboBoxUsedItemsFilter->setCurrentIndex(set);
        m_filling = false;
    }
    m_store.editIngredientSets([set](UsedItemsModel &sets) {
        sets.UsedItemsSetIndex = set;
        return sets.MakeUsedItems();
    });
}

void TFormUsedItems::enableAll() {
    editCurrentSet([](UsedItemsModel &sets) { sets.enableAll(); });
}

void TFormUsedItems::disableAll() {
    editCurrentSet([](UsedItemsModel &sets) { sets.disableAll(); });
}

void TFormUsedItems::goToEnabled() {
    const int row = m_store.ingredientSets().nextEnabledRow(CLbUsedItems->currentRow());
    if (row >= 0)
        CLbUsedItems->setCurrentRow(row);
}

void TFormUsedItems::goToDisabled() {
    const int row = m_store.ingredientSets().nextDisabledRow(CLbUsedItems->currentRow());
    if (row >= 0)
        CLbUsedItems->setCurrentRow(row);
}

void TFormUsedItems::renameSet() {
    const int set = ComboBoxUsedItemsFilter->currentIndex();
    if (set < 0 || !m_prompts.text)
        return;
    const auto name =
        m_prompts.text(QStringLiteral("Название фильтра"), ComboBoxUsedItemsFilter->itemText(set));
    if (!name)
        return;
    // The new name is kept with the settings: the player named his set.
    m_store.editIngredientSets([&](UsedItemsModel &sets) { return sets.renameSet(set, *name); });
    m_filling = true;
    ComboBoxUsedItemsFilter->setItemText(set, m_store.ingredientSets().setName(set));
    ComboBoxUsedItemsFilter->setCurrentIndex(set);
    m_filling = false;
}

void TFormUsedItems::selectItem(int item) {
    if (item >= 1 && item <= CLbUsedItems->count())
        CLbUsedItems->setCurrentRow(item - 1);
}

void TFormUsedItems::toggleRow(int row, bool checked) {
    if (row >= 0)
        editCurrentSet([&](UsedItemsModel &sets) { return sets.setRowChecked(row, checked); });
}

} // namespace qor

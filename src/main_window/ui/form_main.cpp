// The main window's construction, its Qt event hooks and the wiring of every
// control to the shared handlers.

#include "main_window/ui/form_main.h"

#include "main_window/ui/drag_controller.h"
#include "main_window/ui/full_screen_window.h"
#include "main_window/ui/hint_switch.h"
#include "main_window/ui/reference_table_panel.h"
#include "recipe_list/empty_list_hint.h"
#include "recipe_list/ui/alt_lists.h"
#include "recipe_list/ui/chooser_combo.h"
#include "favorites/ui/favorites_list.h"
#include "recipe_list/ui/item_pictures_source.h"
#include "recipe_list/ui/potion_header.h"
#include "recipe_list/ui/potion_list_view.h"
#include "recipe_list/ui/recipe_info_lists.h"
#include "reference_table/ui/grid_cell_delegate.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>

#include <algorithm>

namespace qor {

QRect centredWindowRect(const QSize &wanted, const QRect &available) {
    // Without a window manager that maximises, a window larger than the
    // screen would hide its right or bottom edge.
    const QSize size = available.isEmpty() ? wanted : wanted.boundedTo(available.size());
    const int x = std::max(available.left(), available.left() + (available.width() - size.width()) / 2);
    const int y = std::max(available.top(), available.top() + (available.height() - size.height()) / 2);
    return {QPoint(x, y), size};
}

TFormMain::TFormMain(const FormOptions &options, QWidget *parent)
    : QMainWindow(parent), m_options(options), m_state(std::make_unique<ProgramState>()) {
    m_dialogs.setScripted(options.scriptedDialogs);
    m_pictureSource = std::make_unique<ItemPicturesSource>(m_pictures);
    setObjectName(QStringLiteral("FormMain"));
    QFont mainFont(QStringLiteral("Tahoma"));
    mainFont.setPixelSize(13);
    setFont(mainFont);
    setMinimumSize(640, 480);
    const QScreen *screen = QGuiApplication::primaryScreen();
    setGeometry(screen ? centredWindowRect(QSize(1055, 768), screen->availableGeometry())
                       : QRect(0, 0, 1055, 768));
    m_colors.takeSystemColors(palette());

    buildRegions();
    buildMenus();
    connectControls();
    m_drag = new DragController(*m_state, m_dialogs, m_pictures, m_colors, *this, *m_grid,
                                {.click = [this](QObject *sender) { On_Click(sender); },
                                 .altChanged = [this] { AltMakePotion(); },
                                 .recipeListChanged = [this](int row) { afterRecipeListChange(row); }},
                                this);
    // Application-wide, as the hint option is; removed with the window.
    qApp->installEventFilter(new HintSwitch(command("MenuShowHints"), this));
    FormCreate();
}

TFormMain::~TFormMain() {
    FormDestroy();
    // The full-screen window is a top-level of its own; the panels it may
    // still hold belong to this window's tree only after moving back.
    if (FullScreen) {
        CloseFullScreen();
        delete FullScreen;
        FullScreen = nullptr;
    }
    // The views read the program state by reference: they go before it does
    // (members die before the QWidget base deletes the children).
    m_state->CommandsReady = false;
    delete takeCentralWidget();
    delete PopupMenuLB;
    delete PopupMenuLBFavorites;
    delete PopupMenuGrid;
    delete PopupMenuLocal;
}

void TFormMain::closeEvent(QCloseEvent *event) {
    if (FullScreen && FullScreen->isVisible())
        FullScreen->close();
    FormDestroy();
    event->accept();
}

void TFormMain::showEvent(QShowEvent *event) {
    QMainWindow::showEvent(event);
    FormShow();
}

void TFormMain::resizeEvent(QResizeEvent *event) {
    QMainWindow::resizeEvent(event);
    FormResize(this);
}

bool TFormMain::eventFilter(QObject *watched, QEvent *event) {
    switch (event->type()) {
    case QEvent::Resize:
        // The ingredient list's own resize: the panel's children are laid
        // out after the panel's resize event.
        if (watched == LbItemsInfo) {
            FormResize(PanelInfoMain);
            break;
        }
        // Likewise the picture inside the picture panel.
        if (watched == Image) {
            FormResize(PanelItemDisplay);
            break;
        }
        if (watched == PanelLbPotionsMain || watched == PageControl || watched == PanelEffInfo ||
            watched == PanelCapLBPotions)
            FormResize(watched);
        break;
    case QEvent::MouseButtonDblClick:
        if (watched == PanelCapLBPotions || watched == PanelCapGrid || watched == PanelCount ||
            watched == Image) {
            On_DblClick(watched);
            return true;
        }
        if (watched == LBPotion->viewport()) {
            On_DblClick(LBPotion);
            return false;
        }
        if (watched == StringGrid->viewport()) {
            On_DblClick(StringGrid);
            return false;
        }
        break;
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (watched == LBPotion->viewport())
            m_lbPotionPressPoint = mouse->position().toPoint();
        break;
    }
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Escape && (watched == LBPotion || watched == StringGrid) && FullScreen &&
            FullScreen->isVisible()) {
            FullScreen->close();
            return true;
        }
        break;
    }
    case QEvent::FocusOut:
        if (watched == LbItemsInfo || watched == LbEffectInfo)
            On_Exit(static_cast<QWidget *>(watched));
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TFormMain::connectControls() {
    auto clickOnIndex = [this](QComboBox *combo) {
        connect(combo, &QComboBox::currentIndexChanged, this, [this, combo] { On_Click(combo); });
    };
    auto clickOnToggle = [this](QAbstractButton *button) {
        connect(button, &QAbstractButton::clicked, this, [this, button] { On_Click(button); });
    };
    for (int k = 0; k < 5; ++k) {
        clickOnIndex(CbEffect[k]);
        clickOnIndex(CbFilter[k]);
        clickOnToggle(CBoxEnableEff[k]);
        const int line = k;
        CbEffect[k]->setGrayPredicate([this, line] {
            return !m_state->Conditions.EffectEnabled[line] || m_state->Conditions.FilterCode[line] > 0;
        });
        CbFilter[k]->setGrayPredicate([this, line] { return !m_state->Conditions.EffectEnabled[line]; });
    }
    ComboBoxCost_Min->setGrayPredicate([this] { return !m_state->Conditions.CheckCost; });
    ComboBoxCost_Max->setGrayPredicate([this] { return !m_state->Conditions.CheckCost; });
    for (int k = 0; k < 2; ++k) {
        clickOnIndex(CbPrioriryIngredient[k]);
        clickOnToggle(CheckBoxCanPrimaryItem[k]);
    }
    for (int k = 0; k < 3; ++k) {
        clickOnIndex(CbIngredient[k]);
        clickOnToggle(CBoxCanUseItem[k]);
    }
    clickOnIndex(ComboBoxCost_Min);
    clickOnIndex(ComboBoxCost_Max);
    clickOnToggle(CBoxNeedCheckCost);
    connect(RadioGroupButtons, &QButtonGroup::idClicked, this, [this] { On_Click(RadioGroupItemsCount); });
    clickOnToggle(ButtFormFavorites);
    clickOnToggle(ButtFormUsedItems);
    // The speed buttons open tool windows that come with a later version.
    ButtFormFavorites->setEnabled(false);
    ButtFormUsedItems->setEnabled(false);

    clickOnIndex(ComboBoxMainAlchPercCount);
    for (QCheckBox *perk :
         {CheckBoxPerkPhysician, CheckBoxPerkBenefactor, CheckBoxPerkPoisoner, CheckBoxPerkPurity})
        clickOnToggle(perk);
    connect(EditAlchemyValue, &QLineEdit::textChanged, this, [this] { On_Change(EditAlchemyValue); });
    connect(EditAlchemyModify, &QLineEdit::textChanged, this, [this] { On_Change(EditAlchemyModify); });

    connect(PageControl, &QTabWidget::currentChanged, this, [this] { On_Click(PageControl); });
    connect(PageControlSearshOpt, &QTabWidget::currentChanged, this,
            [this] { On_Click(PageControlSearshOpt); });

    connect(LBPotion, &PotionListView::selectedRowChanged, this, [this] { On_Click(LBPotion); });
    LBPotion->setEmptyHint(
        [this] { return EmptyRecipeListHint(m_state->Data, m_state->LastSearchType, m_state->Conditions); });
    connect(LBFavorites, &FavoritesList::selectedRowChanged, this, [this] { On_Click(LBFavorites); });
    connect(Header, &PotionHeader::HeaderSectionClick, this,
            [this](int section) { HeaderSectionClick(section); });
    connect(Header, &PotionHeader::PotionFindColChosen, this, [this](int section) {
        m_colors.PotionFindCol = section;
        m_state->Settings.block.setPotionFindCol(section);
        Header->viewport()->update();
    });
    connect(Header, &QHeaderView::sectionResized, this, [this] {
        LBPotion->viewport()->update();
        layoutPanelLBox();
    });
    connect(HeaderEffInfo, &QHeaderView::sectionResized, this,
            [this] { LbEffectInfo->viewport()->update(); });
    connect(PanelPotionInfo, &QSplitter::splitterMoved, this,
            [this] { m_stripWidths = PanelPotionInfo->sizes(); });
    connect(MainSplitter, &QSplitter::splitterMoved, this,
            [this] { m_regionHeights = MainSplitter->sizes(); });
    connect(ScrollBarLB, &QScrollBar::valueChanged, this, [this](int value) { On_Scroll(value); });
    connect(m_grid, &ReferenceTablePanel::currentMoved, this, [this] { On_Click(StringGrid); });
    connect(m_grid, &ReferenceTablePanel::currentShown, this, [this] { onGridSelection(); });
    connect(m_grid, &ReferenceTablePanel::menuOpening, this, [this](QMenu *menu) { On_Popup(menu); });

    // Double and right clicks of the alternative-making lists.
    for (QListView *list :
         {static_cast<QListView *>(LbAltEffectsList), static_cast<QListView *>(LbAltItemsList),
          static_cast<QListView *>(LbAltAmountEffects), static_cast<QListView *>(LbAltAmountItems)}) {
        connect(list, &QListView::doubleClicked, this, [this, list] { On_DblClick(list); });
        connect(list, &QListView::customContextMenuRequested, this, [this, list](const QPoint &pos) {
            const QModelIndex index = list->indexAt(pos);
            if (!index.isValid())
                return;
            list->setCurrentIndex(index);
            On_DblClick(list);
        });
    }

    connect(LBPotion, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        On_Popup(PopupMenuLB);
        PopupMenuLB->popup(LBPotion->viewport()->mapToGlobal(pos));
    });
    connect(LBFavorites, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        On_Popup(PopupMenuLBFavorites);
        PopupMenuLBFavorites->popup(LBFavorites->viewport()->mapToGlobal(pos));
    });
    for (QWidget *w : {static_cast<QWidget *>(PanelCount), static_cast<QWidget *>(HeaderEffInfo),
                       static_cast<QWidget *>(LabelAddInfo), static_cast<QWidget *>(LbItemsInfo)}) {
        connect(w, &QWidget::customContextMenuRequested, this, [this, w](const QPoint &pos) {
            m_localMenuTarget = w;
            PopupMenuLocal->popup(w->mapToGlobal(pos));
        });
    }

    for (QObject *watched :
         {static_cast<QObject *>(PanelLbPotionsMain), static_cast<QObject *>(PanelInfoMain),
          static_cast<QObject *>(PageControl), static_cast<QObject *>(PanelItemDisplay),
          static_cast<QObject *>(PanelEffInfo), static_cast<QObject *>(PanelCapLBPotions),
          static_cast<QObject *>(PanelCapGrid), static_cast<QObject *>(PanelCount),
          static_cast<QObject *>(Image), static_cast<QObject *>(LBPotion),
          static_cast<QObject *>(LBPotion->viewport()), static_cast<QObject *>(StringGrid),
          static_cast<QObject *>(StringGrid->viewport()), static_cast<QObject *>(LbItemsInfo),
          static_cast<QObject *>(LbEffectInfo)})
        watched->installEventFilter(this);
}

void TFormMain::On_Exit(QWidget *control) {
    if (control == LbEffectInfo)
        LbEffectInfo->setCurrentRow(-1);
}

void TFormMain::On_DblClick(QObject *sender) {
    if (!m_state->CommandsReady)
        return;
    ProgramState &st = *m_state;
    if (sender == PanelCapLBPotions) {
        command("MenuLbPotionDirectFloatingMode")->trigger();
    } else if (sender == PanelCapGrid) {
        command("MenuGridDirectFloatingMode")->trigger();
    } else if (sender == StringGrid) {
        m_grid->doubleClick(QGuiApplication::keyboardModifiers() & Qt::ControlModifier);
    } else if (sender == LBPotion) {
        recipeDoubleClick(QGuiApplication::keyboardModifiers() & Qt::ControlModifier);
    } else if (sender == PanelCount) {
        if (st.Potions.PotionCount() > 0) {
            selectRecipeRow(st.Potions.PotionCount() - 1);
            LbPotionSelectionChanged();
        }
    } else if (sender == LbAltEffectsList) {
        const int effect = LbAltEffectsList->effectAt(LbAltEffectsList->currentRow());
        if (st.Alt.AltAddEffect(st.Data, st.Skills.PerkPurity, st.Potions, effect, st.AltSel))
            AltMakePotion();
    } else if (sender == LbAltItemsList) {
        const int item = LbAltItemsList->itemAt(LbAltItemsList->currentRow());
        if (st.Alt.AltAddItem(st.Data, st.Skills.PerkPurity, st.Potions, item, st.AltSel))
            AltMakePotion();
    } else if (sender == LbAltAmountEffects) {
        st.AltSel.amountEffects = LbAltAmountEffects->currentRow();
        if (st.Alt.AltDelEffect(st.Data, st.Skills.PerkPurity, st.Potions, LbAltAmountEffects->currentRow(),
                                st.AltSel))
            AltMakePotion();
    } else if (sender == LbAltAmountItems) {
        st.AltSel.amountItems = LbAltAmountItems->currentRow();
        if (st.Alt.AltDelItem(st.Data, st.Skills.PerkPurity, st.Potions, LbAltAmountItems->currentRow(),
                              st.AltSel))
            AltMakePotion();
    }
}

} // namespace qor

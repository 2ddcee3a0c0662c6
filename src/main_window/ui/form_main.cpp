// The main window's construction, its Qt event hooks and the wiring of every
// control to the shared handlers.

#include "main_window/ui/form_main.h"

#include "brewing_plan/ui/brewing_plan_window.h"
#include "common_ui/full_screen_window.h"
#include "main_window/ui/alt_make_tab.h"
#include "main_window/ui/control_commands.h"
#include "main_window/ui/favorites_tab.h"
#include "main_window/ui/ingredient_search_tab.h"
#include "main_window/ui/picture_region.h"
#include "main_window/ui/prompts.h"
#include "main_window/ui/recipe_list_region.h"
#include "main_window/ui/reference_table_panel.h"
#include "main_window/ui/region_layout.h"
#include "main_window/ui/search_inputs.h"
#include "main_window/ui/settings_binding.h"
#include "main_window/ui/skills_tab.h"
#include "main_window/ui/tool_window_lists.h"
#include "main_window/ui/tool_windows.h"
#include "main_window/ui/view_commands.h"
#include "main_window/ui/window_key_host.h"
#include "recipe_list/empty_list_hint.h"
#include "recipe_list/ui/alt_lists.h"
#include "recipe_list/ui/chooser_combo.h"
#include "recipe_list/ui/item_pictures_source.h"
#include "recipe_list/ui/potion_header.h"
#include "recipe_list/ui/potion_list_view.h"
#include "recipe_list/ui/recipe_info_lists.h"
#include "reference_table/ui/grid_cell_delegate.h"
#include "settings/stored_geometry.h"

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
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QWindowStateChangeEvent>

#include <algorithm>

namespace qor {

namespace {

// Time the window manager takes to frame and place a window after it is
// shown or un-maximised; only then are the frame's sizes known.
constexpr int kFrameSettleMs = 200;

} // namespace

TFormMain::TFormMain(const FormOptions &options, QWidget *parent)
    : QMainWindow(parent), m_options(options), m_state(std::make_unique<ProgramState>()) {
    m_dialogs.setScripted(options.scriptedDialogs);
    m_pictureSource = std::make_unique<ItemPicturesSource>(m_pictures);
    setObjectName(QStringLiteral("FormMain"));
    QFont mainFont(QStringLiteral("Tahoma"));
    mainFont.setPixelSize(13);
    setFont(mainFont);
    const QScreen *screen = QGuiApplication::primaryScreen();
    // Until the window manager has framed the window, its title bar is
    // guessed at the style's height.
    const QMargins titleBar(0, style()->pixelMetric(QStyle::PM_TitleBarHeight), 0, 0);
    setMinimumSize(screen ? minimumInside(QSize(640, 480), titleBar, screen->availableGeometry().size())
                          : QSize(640, 480));
    setGeometry(screen ? centredWindowRect(QSize(1055, 768), screen->availableGeometry())
                       : QRect(0, 0, 1055, 768));
    m_colors.takeSystemColors(palette());
    buildMenus();

    m_recipes = std::make_unique<RecipeListRegion>(context());
    m_favorites = std::make_unique<FavoritesTab>(context());
    m_controlCommands = std::make_unique<ControlCommands>(m_state->Gate, *this);
    m_skills = std::make_unique<SkillsTab>(context());
    m_ingredients = std::make_unique<IngredientSearchTab>(context(), *m_recipes, *m_items.clearBeforeSearch);
    m_altMake = std::make_unique<AltMakeTab>(context());
    m_inputs = std::make_unique<SearchInputs>(context());
    const ControlsContext controls{*this, *m_state, m_colors, m_pictures, m_pictureSource.get(), m_dialogs};
    buildRegions(controls);
    m_inputs->buildControls(*TabSheet1, controls);
    m_recipes->buildControls(*MainSplitter, m_pictureSource.get());
    static_cast<RecipeListWidgets &>(*this) = m_recipes->widgets();
    PanelGrid = new ReferenceTablePanel(*m_state, m_pictures, m_dialogs, MainSplitter);
    PanelCapGrid = PanelGrid->caption();
    StringGrid = PanelGrid->view();
    MainSplitter->addWidget(PanelGrid);
    finishRegions();
    m_ingredients->buildControls(*TabSheetSearshFromItem, controls);
    m_altMake->buildControls(*TabSheetAltMake, controls);
    m_skills->buildControls(*TabSheetSkills, controls);
    m_favorites->buildControls(*TabSheetFavorites, m_pictureSource.get());
    m_layout = std::make_unique<RegionLayout>(context(),
                                              RegionLayout::Regions{*MainSplitter, *PanelGrid, FullScreen},
                                              *m_recipes, m_items.fullScreen);
    attachMenus();
    connectControls();
    buildKeyboard();
    buildViewCommands();
    buildToolWindows();
    buildRouters();
    m_picture = std::make_unique<PictureRegion>(
        context(), PictureRegion::Sources{*PanelItemDisplay, *Image, *PanelGrid, *m_items.looks.flyPicture});
    connect(m_picture.get(), &PictureRegion::displayPicturesRebuilt, this,
            [this] { m_recipes->LbPotionSelectionChanged(); });
    FormCreate();
}

void TFormMain::buildViewCommands() {
    m_view = std::make_unique<ViewCommands>(
        context(),
        ViewCommands::Views{m_recipes->widgets(),
                            *PanelGrid,
                            *m_favorites->list(),
                            *m_altMake->lists().items,
                            {MainSplitter, PanelPotionInfo, InfoMainSplitter, HelpSplitter}},
        m_items.looks);
    connect(m_view.get(), &ViewCommands::recipeListHeightsChanged, m_recipes.get(),
            &RecipeListRegion::layoutPanelLBox);
    m_view->connectLocalMenu(*PopupMenuLocal);
    m_settings = std::make_unique<SettingsBinding>(
        context(),
        SettingsBinding::Parts{m_recipes->widgets(), *PanelGrid, *m_view, *m_layout, *m_favorites});
}

WindowContext TFormMain::context() {
    return {*this, *m_state, m_dialogs, m_colors, m_pictures};
}

QColor TFormMain::gridColor2() const {
    return m_view->gridColor2();
}

int TFormMain::splitterThickness() const {
    return m_view->splitterThickness();
}

void TFormMain::ToggleFullScreen(bool recipeList) {
    m_layout->ToggleFullScreen(recipeList);
}

void TFormMain::CloseFullScreen() {
    m_layout->CloseFullScreen();
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
    m_state->Gate.setReady(false);
    delete takeCentralWidget();
    // A running plan reads the game data; its window joins it.
    delete findChild<BrewingPlanWindow *>(QString(), Qt::FindDirectChildrenOnly);
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
    if (!m_state->ShownOnce)
        QTimer::singleShot(kFrameSettleMs, this, [this] { keepFrameOnScreen(false); });
    FormShow();
}

void TFormMain::changeEvent(QEvent *event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    // The window manager frames and places the window after the change.
    constexpr Qt::WindowStates large = Qt::WindowMaximized | Qt::WindowFullScreen;
    if (static_cast<const QWindowStateChangeEvent *>(event)->oldState() & large && !(windowState() & large))
        QTimer::singleShot(kFrameSettleMs, this, [this] { keepFrameOnScreen(true); });
}

void TFormMain::keepFrameOnScreen(bool placeWindow) {
    const QScreen *screen = this->screen();
    if (!screen || !isVisible())
        return;
    const QRect outside = frameGeometry();
    const QRect inside = geometry();
    const QMargins frame(inside.left() - outside.left(), inside.top() - outside.top(),
                         outside.right() - inside.right(), outside.bottom() - inside.bottom());
    // Without a frame (no window manager, or none yet) there is nothing to fit.
    if (frame.isNull())
        return;
    const QRect available = screen->availableGeometry();
    setMinimumSize(minimumInside(QSize(640, 480), frame, available.size()));
    if (!placeWindow || (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized)))
        return;
    const QRect fitted = frameOnArea(inside, frame, available);
    if (fitted != inside)
        setGeometry(fitted);
}

void TFormMain::resizeEvent(QResizeEvent *event) {
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TFormMain::FormResize() {
    if (m_inResize)
        return;
    m_inResize = true;
    QSize size = this->size();
    m_layout->onCanResize(size);
    // The regions were resized inside this guard: the recipe list panel
    // follows its region here.
    if (PanelLBox->parentWidget() == PanelLbPotionsMain)
        m_recipes->layoutPanelLBox();
    m_inResize = false;
}

void TFormMain::connectControls() {
    // The searches follow the state they read; nothing runs before start-up
    // is complete.
    const Session *session = &m_state->session;
    connect(session, &Session::searchNeeded, this, [this](bool force) {
        if (m_state->Gate.ready())
            SearshFromEffects(force);
    });
    connect(session, &Session::skillsChanged, this, [this] {
        StringGrid->viewport()->update();
        if (m_state->Gate.ready())
            StartSearshLastType();
    });
    connect(session, &Session::availableItemsChanged, this, [this] {
        if (m_state->Gate.ready())
            SearshFromEffects(false);
    });
    connect(session, &Session::altChanged, this, [this] { AltMakePotion(); });
    m_inputs->connectSignals(*m_controlCommands);
    m_altMake->connectSignals(*m_controlCommands);
    m_ingredients->connectSignals(*m_controlCommands);
    m_skills->connectSignals(*m_controlCommands);

    // The help page enters itself.
    connect(PageControl, &QTabWidget::currentChanged, this, [this] {
        if (m_state->Gate.open())
            On_Enter(PageControl->currentWidget());
    });

    m_favorites->connectSignals(*m_controlCommands);
    m_recipes->connectSignals();
    connect(m_recipes.get(), &RecipeListRegion::showInGridRequested, PanelGrid,
            [this](int element, int mode) { PanelGrid->showInGrid(element, mode); });
    m_layout->trackUserSizes();
    // A double click on a caption bar works as the full-screen item.
    connect(PanelGrid, &ReferenceTablePanel::captionDoubleClicked, m_items.fullScreen.grid,
            &QAction::trigger);
    connect(m_recipes.get(), &RecipeListRegion::captionDoubleClicked, m_items.fullScreen.recipeList,
            &QAction::trigger);
}

void TFormMain::buildToolWindows() {
    ToolWindowHooks hooks;
    hooks.owner = this;
    hooks.prompts = dialogPrompts(m_dialogs, this);
    hooks.makeChooser = [this](QWidget *parent) {
        return makeChooser({*this, *m_state, m_colors, m_pictures, m_pictureSource.get(), m_dialogs}, parent,
                           QStringLiteral("ComboBoxUsedItemsFilter"), 0,
                           static_cast<int>(ChooserComboBox::Kind::Text));
    };
    hooks.comboBoxMode = [this](QWidget *window) { m_view->SetComboBoxMode(window); };
    m_toolWindows =
        std::make_unique<ToolWindows>(*m_state, m_colors, m_pictureSource.get(), std::move(hooks));
    connect(m_view.get(), &ViewCommands::mainFontChanged, m_toolWindows.get(), &ToolWindows::mainFontChanged);
    connect(m_view.get(), &ViewCommands::dropDownsChanged, m_toolWindows.get(),
            &ToolWindows::applyComboBoxMode);
    connect(m_view.get(), &ViewCommands::splittersChanged, m_toolWindows.get(),
            &ToolWindows::SetSplittersHeight);
}

void TFormMain::On_DblClick(QObject *sender) {
    // The recipe list region, the reference table and the picture take
    // their own double clicks; the alternative making's lists come here.
    if (m_state->Gate.ready())
        m_controlCommands->doubleClick(sender);
}

} // namespace qor

#pragma once
// The main window: every region, tab, list, chooser and menu of the program,
// the shared event handlers that tell the controls apart by sender, start-up
// and shutdown, and the layout modes. The window owns the one ProgramState.

#include "main_window/program_state.h"
#include "main_window/ui/dialog_provider.h"
#include "main_window/ui/platform_adapter.h"
#include "recipe_list/potion_list_ops.h"
#include "recipe_list/ui/view_colors.h"
#include "visuals/ui/item_pictures.h"
#include "visuals/ui/picture_library.h"

#include <QColor>
#include <QMainWindow>
#include <QPointer>

#include <array>
#include <memory>
#include <optional>

class QAbstractItemModel;
class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QHeaderView;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QScrollBar;
class QSplitter;
class QStackedWidget;
class QTabWidget;
class QTableView;
class QToolButton;

namespace qor {

class AltEffectsList;
class AltItemsList;
class ChooserComboBox;
class EffectInfoList;
class FavoritesList;
class FullScreenWindow;
class GridPictures;
class GridTableModel;
class GridHeaderView;
class GridCellDelegate;
class ItemPicturesSource;
class ItemsInfoList;
class PotionHeader;
class PotionListView;

// Where the window finds its data and how it talks to the user; tests point
// it at a scratch copy of the data folder and script the dialogs.
struct FormOptions {
    QString dataDir;              // empty: applicationDirPath() + "/Files/"
    bool scriptedDialogs = false; // no dialog ever blocks (tests)
};

// Row-colour mixing: each channel of base times percent/100, rounded half
// to even and capped at 255.
QColor MakeColor2(const QColor &base, int percent);

// The one-byte Cyrillic code-page form of the effect-kind symbol as
// Main.ini stores it; nullopt for a character the code page lacks.
std::optional<std::uint8_t> effColorCharCode(QChar symbol);

// The window's first geometry: the given size, cut down to the screen's
// available area, centred in that area.
QRect centredWindowRect(const QSize &wanted, const QRect &available);

class TFormMain : public QMainWindow {
    Q_OBJECT
  public:
    explicit TFormMain(const FormOptions &options = {}, QWidget *parent = nullptr);
    ~TFormMain() override;

    ProgramState &state() { return *m_state; }
    const ProgramState &state() const { return *m_state; }
    DialogProvider &dialogs() { return m_dialogs; }
    TickClock &clock() { return m_clock; }
    // The start-up error text, empty when start-up completed.
    QString startupError() const { return m_startupError; }
    // Writes the settings (unless "Выход без сохранения") and frees the
    // tables; runs once, from the close event or the destructor.
    void FormDestroy();

    // Shared handlers: the sender tells the controls apart.
    void On_Click(QObject *sender);
    void On_DblClick(QObject *sender);
    void On_Enter(QWidget *tab);
    void On_Exit(QWidget *control);
    void On_Change(QObject *sender);
    void On_Popup(QMenu *menu);
    void FormResize(QObject *sender);
    void On_Scroll(int position);
    void HeaderSectionClick(int section);

    // Searches and the recipe selection.
    void SearshFromEffects(bool force);
    void SearshFromItems();
    void AltMakePotion();
    void StartSearshLastType();
    void LbPotionSelectionChanged();
    void RefreshPanelCount();
    void FillLbPotionsFromFavorites(bool all, int index);

    // Layout routines.
    void SetSplittersHeight();
    void SetComboBoxMode(QWidget *window);
    void MakeColor2();
    void SetLBoxLightCellType();
    void SetItemDisplayColor();
    void ToggleFullScreen(bool recipeList);
    void CloseFullScreen();
    const ViewColors &viewColors() const { return m_colors; }
    QColor gridColor2() const { return m_gridColor2; }
    int splitterThickness() const { return m_splitterThickness; }

  protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    friend class FormMainTestAccess;

    // Building (form_build_*.cpp).
    void buildRegions();
    void buildTabSearchEffects();
    void buildTabSearchItems();
    void buildTabAltMake();
    void buildTabSkills();
    void buildTabHelpFavorites();
    void buildRecipeRegion();
    void buildRecipeStrip();
    void buildGridRegion();
    void buildMainMenu();
    void buildContextMenus();
    void connectControls();
    ChooserComboBox *makeChooser(QWidget *parent, const QString &name, int width, int kind);
    void showStartupFailure(const QString &title, const QString &detail, const QString &remedy);

    // Start-up and shutdown (form_startup.cpp).
    void FormCreate();
    void FormShow();
    void ReleaseAll();
    void applySettings();
    void applyRegionSizes();
    void applyFavoritesTabSettings();
    void collectSettings();
    void fillGrid();
    void buildGridView();
    void showGridRow(int gridRow);
    // Moves the grid to the row of an ingredient (mode 0) or of the first
    // ingredient with an effect (mode 1) and shows its picture.
    void showInGrid(int value, int mode);
    // The double clicks on the reference table and on the recipe list.
    void gridDoubleClick(bool ctrl);
    // A click on the reference table's header row sorts by that column; a
    // right press makes it the column that find searches.
    void gridHeaderClick(int column);
    void setGridFindColumn(int column);
    void recipeDoubleClick(bool ctrl);
    void onGridSelection();
    void showItemPicture(int item);
    void showPotionKindPicture(int kind);

    // Commands (form_commands.cpp).
    void onConditionChanged(QObject *sender);
    void onSkillChanged(QObject *sender);
    void onSkillEditChanged(QLineEdit *edit);
    void onMenuCommand(QAction *action);
    void onViewCommand(QAction *action);
    bool onRecipeMenuCommand(QAction *action);
    bool onFavoritesMenuCommand(QAction *action);
    // The reference table's context menu: prepared for the cell under the
    // right press, and its commands.
    void openGridMenu(const QPoint &pos);
    void prepareGridMenu();
    bool onGridMenuCommand(QAction *action);
    // The colour commands; false for any other item.
    bool onColorCommand(QAction *action);
    // The font commands; false for any other item.
    bool onFontCommand(QAction *action);
    bool promptWidgetFont(QWidget *widget);
    void onFavoritesClick();
    void prepareFavoritesMenu();
    ListElement currentCellElement() const;
    void afterRecipeListChange(int selectedRow);
    void rebuildRowPictures();
    void SetGridRowHeight(int rowHeight, int headerHeight);
    void AltLBoxsSetView();
    // The font dialog preset with font; on confirmation font takes the
    // chosen face name and size only.
    bool PromptFont(QFont &font);
    bool PromptNumber(QAction *item, int current, int &value, int maximum, int minimum,
                      const QString &prompt = {});
    void ExecDebugCmd(const QString &text);
    void restoreSearchSlot(int slot);
    void setConditionControls(const SearchConditions &c);
    void refreshAltLists();
    void selectRecipeRow(int row);
    int selectedRecipeRow() const;

    // Layout (form_layout.cpp).
    void layoutPanelLBox();
    void onCanResize(QSize &proposed);
    void shrinkRecipeStripWidth();

    QAction *addMenuItem(QMenu *menu, const char *name, const QString &caption,
                         const QKeySequence &shortcut = {}, bool checkable = false, bool checked = false);

    FormOptions m_options;
    std::unique_ptr<ProgramState> m_state;
    DialogProvider m_dialogs;
    TickClock m_clock;
    ViewColors m_colors;
    QColor m_gridColor2;
    PictureLibrary m_pictureLibrary;
    ItemPictures m_pictures;
    std::unique_ptr<ItemPicturesSource> m_pictureSource;
    std::unique_ptr<GridPictures> m_gridPictures; // the reference table's picture column
    QString m_startupError;
    bool m_destroyed = false;
    bool m_inResize = false;
    int m_splitterThickness = 6;
    int m_potionTypeShown = 0;
    QList<int> m_stripWidths;   // recipe strip widths as the user last chose them
    QList<int> m_regionHeights; // region heights as the user last chose them
    int m_displayItem = 0;
    int m_lastFavoriteIndex =
        0; // LastFavoriteIndex: the favourite handled last    // ingredient shown in the picture panel
    TPotionRec m_prevPotion{};
    bool m_enteredItems = false;
    bool m_enteredAlt = false;
    bool m_enteredSkills = false;
    bool m_enteredFavorites = false;
    QPoint m_lbPotionPressPoint;

  public:
    // Controls, named as the window description names them. Qt's parent
    // ownership frees them with the window.
    QStackedWidget *CentralStack = nullptr;
    QLabel *StartupFailurePage = nullptr;
    QSplitter *MainSplitter = nullptr;

    QTabWidget *PageControl = nullptr;
    QWidget *TabSheet1 = nullptr;
    QWidget *TabSheetSearshFromItem = nullptr;
    QWidget *TabSheetAltMake = nullptr;
    QWidget *TabSheetSkills = nullptr;
    QWidget *TabSheetHelp = nullptr;
    QWidget *TabSheetFavorites = nullptr;

    QWidget *Panel5 = nullptr;
    std::array<ChooserComboBox *, 5> CbEffect{};
    std::array<QCheckBox *, 5> CBoxEnableEff{};
    std::array<ChooserComboBox *, 5> CbFilter{};
    QTabWidget *PageControlSearshOpt = nullptr;
    QWidget *TabSheet4 = nullptr;
    QGroupBox *RadioGroupItemsCount = nullptr;
    QButtonGroup *RadioGroupButtons = nullptr;
    QCheckBox *CBoxNeedCheckCost = nullptr;
    ChooserComboBox *ComboBoxCost_Min = nullptr;
    ChooserComboBox *ComboBoxCost_Max = nullptr;
    QToolButton *ButtFormFavorites = nullptr;
    QToolButton *ButtFormUsedItems = nullptr;
    std::array<QCheckBox *, 2> CheckBoxCanPrimaryItem{};
    std::array<ChooserComboBox *, 2> CbPrioriryIngredient{};

    std::array<ChooserComboBox *, 3> CbIngredient{};
    std::array<QCheckBox *, 3> CBoxCanUseItem{};

    AltEffectsList *LbAltEffectsList = nullptr;
    AltItemsList *LbAltAmountItems = nullptr;
    AltEffectsList *LbAltAmountEffects = nullptr;
    AltItemsList *LbAltItemsList = nullptr;

    QLineEdit *EditAlchemyValue = nullptr;
    QLabel *LabelAlchemyValue = nullptr;
    QLineEdit *EditAlchemyModify = nullptr;
    ChooserComboBox *ComboBoxMainAlchPercCount = nullptr;
    QCheckBox *CheckBoxPerkPurity = nullptr;
    QCheckBox *CheckBoxPerkPoisoner = nullptr;
    QCheckBox *CheckBoxPerkBenefactor = nullptr;
    QCheckBox *CheckBoxPerkPhysician = nullptr;

    QListWidget *LbHelp = nullptr;
    QSplitter *HelpSplitter = nullptr;
    QPlainTextEdit *MemoHelp = nullptr;
    FavoritesList *LBFavorites = nullptr;

    QWidget *PanelLbPotionsMain = nullptr;
    QFrame *PanelCapLBPotions = nullptr;
    QLabel *PanelCount = nullptr;
    QLabel *ImgSortUp = nullptr;
    QLabel *ImgSortDown = nullptr;
    QFrame *PanelLBox = nullptr;
    PotionHeader *Header = nullptr;
    PotionListView *LBPotion = nullptr;
    QScrollBar *ScrollBarLB = nullptr;
    QScrollBar *ScrollBarLBVert = nullptr; // the list's rows, kept at the region's right edge

    QSplitter *PanelPotionInfo = nullptr;
    QFrame *PanelItemDisplay = nullptr;
    QLabel *Image = nullptr;
    QWidget *PanelInfoMain = nullptr;
    QLabel *PanelCap2 = nullptr;
    QSplitter *InfoMainSplitter = nullptr;
    QFrame *PanelPotionType = nullptr;
    QLabel *ImagePotionType = nullptr;
    QFrame *PanelAddInfo = nullptr;
    QLabel *LabelAddInfo = nullptr;
    ItemsInfoList *LbItemsInfo = nullptr;
    QWidget *PanelEffInfo = nullptr;
    PotionHeader *HeaderEffInfo = nullptr;
    EffectInfoList *LbEffectInfo = nullptr;
    QFrame *PanelPotInfoRightFree = nullptr;

    QWidget *PanelGrid = nullptr;
    QLabel *PanelCapGrid = nullptr;
    QTableView *StringGrid = nullptr;

    FullScreenWindow *FullScreen = nullptr;

    QMenu *PopupMenuLB = nullptr;
    QMenu *PopupMenuLBFavorites = nullptr;
    QMenu *PopupMenuGrid = nullptr;
    QMenu *PopupMenuLocal = nullptr;
    // Every menu item by its name.
    QAction *action(const QString &name) const;

  private:
    QHash<QString, QAction *> m_actions;
    QPointer<QWidget> m_localMenuTarget;
    GridTableModel *m_gridModel = nullptr;
    GridCellDelegate *m_gridDelegate = nullptr;
    int m_gridClickColumn = -1; // cell under the last right press on the grid
    int m_gridClickRow = -1;    // grid row (1.. data rows), -1 none
    QColor m_gridColorBad;
    QColor m_gridColorGood;
};

} // namespace qor

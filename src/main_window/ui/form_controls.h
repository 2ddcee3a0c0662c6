#pragma once
// The controls of the main window, named as the window description names
// them, and the code that creates and lays them out (as a designer form's
// set-up would). Qt's parent ownership frees them with the window; the
// window keeps them private and tests reach them through a test accessor.

#include <array>

class QButtonGroup;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMainWindow;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QScrollBar;
class QSplitter;
class QStackedWidget;
class QTabWidget;
class QTableView;
class QToolButton;
class QString;
class QWidget;

namespace qor {

class AltEffectsList;
class AltItemsList;
class ChooserComboBox;
class EffectInfoList;
class FavoritesList;
class FullScreenWindow;
class ItemsInfoList;
class PotionHeader;
class PotionListView;
class DialogProvider;
class ItemPictures;
class ItemPicturesSource;
class ReferenceTablePanel;
struct ProgramState;
struct ViewColors;

// What creating the controls needs from the window: the views read the
// program state, the colours and the pictures by reference.
struct ControlsContext {
    QMainWindow &window;
    ProgramState &state;
    ViewColors &colors;
    const ItemPictures &pictures;
    ItemPicturesSource *pictureSource;
    DialogProvider &dialogs;
};

// A chooser of the given kind and fixed width (0: free) in the program's
// chooser font.
ChooserComboBox *makeChooser(const ControlsContext &ctx, QWidget *parent, const QString &name, int width,
                             int kind);

struct FormControls {
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

    // The alternative-making tab builds its lists; the view commands set
    // their font and row height.
    AltEffectsList *LbAltEffectsList = nullptr;
    AltItemsList *LbAltAmountItems = nullptr;
    AltEffectsList *LbAltAmountEffects = nullptr;
    AltItemsList *LbAltItemsList = nullptr;

    QListWidget *LbHelp = nullptr;
    QSplitter *HelpSplitter = nullptr;
    QPlainTextEdit *MemoHelp = nullptr;
    FavoritesList *LBFavorites = nullptr; // the favourites tab builds it

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

    ReferenceTablePanel *PanelGrid = nullptr;
    QLabel *PanelCapGrid = nullptr;
    QTableView *StringGrid = nullptr;

    FullScreenWindow *FullScreen = nullptr;

    QMenu *PopupMenuLB = nullptr;
    QMenu *PopupMenuLBFavorites = nullptr;
    QMenu *PopupMenuGrid = nullptr;
    QMenu *PopupMenuLocal = nullptr;

    // Creates every region, tab and list of the window, top to bottom
    // (controls_regions.cpp, controls_tabs.cpp).
    void buildRegions(const ControlsContext &ctx);

  private:
    void buildTabSearchEffects(const ControlsContext &ctx);
    void buildTabHelp();
    void buildRecipeRegion(const ControlsContext &ctx);
    void buildRecipeStrip(const ControlsContext &ctx);
    void buildGridRegion(const ControlsContext &ctx);
};

} // namespace qor

#pragma once
// The widgets of the recipe list region and its current recipe strip, named
// as the window description names them. The region builds them; the
// window's controls keep a copy of the pointers.

class QFrame;
class QLabel;
class QScrollBar;
class QSplitter;
class QWidget;

namespace qor {

class EffectInfoList;
class ItemsInfoList;
class PotionHeader;
class PotionListView;

// The region's widgets, named as the window description names them.
struct RecipeListWidgets {
    QWidget *PanelLbPotionsMain = nullptr;
    QLabel *PanelCapLBPotions = nullptr;
    QLabel *PanelCount = nullptr;
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
};

} // namespace qor

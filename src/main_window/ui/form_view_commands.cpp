// Menu commands that change how the lists, captions and splitters look: row
// and caption heights, alternate-row percentages, splitter thickness,
// drop-down sizes, colours, fonts and the vertical lines. Numbers are asked
// with PromptNumber within the range of their settings line.

#include "main_window/ui/form_main.h"

#include "main_window/ui/tool_windows.h"
#include "recipe_list/ui/alt_lists.h"
#include "recipe_list/ui/chooser_combo.h"
#include "favorites/ui/favorites_list.h"
#include "recipe_list/ui/potion_header.h"
#include "recipe_list/ui/potion_list_view.h"
#include "recipe_list/ui/recipe_info_lists.h"
#include "reference_table/ui/grid_cell_delegate.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTableView>

namespace qor {

void TFormMain::rebuildRowPictures() {
    m_pictures.MakePictures(1, LBPotion->itemHeight(), m_colors.Window.rgb(), m_colors.PotionColor2.rgb(),
                            m_colors.Highlight.rgb());
}

void TFormMain::AltLBoxsSetView() {
    const MainSettings &s = m_state->Settings;
    const FontSetting &f = s.font(SettingsFont::AltLists);
    const int height = s.block.clampedValue(SettingsLine::AltListsItemHeight);
    for (OwnerDrawListView *list : {static_cast<OwnerDrawListView *>(LbAltItemsList),
                                    static_cast<OwnerDrawListView *>(LbAltEffectsList),
                                    static_cast<OwnerDrawListView *>(LbAltAmountItems),
                                    static_cast<OwnerDrawListView *>(LbAltAmountEffects)}) {
        if (!f.name.isEmpty() && f.size > 0 && f.size <= 200) {
            QFont font = list->font();
            font.setFamily(f.name);
            font.setPointSize(f.size);
            list->setFont(font);
        }
        list->setItemHeight(height);
    }
}

namespace {

// The stored form of a chosen colour: red in the low byte.
ColorCode codeOfColor(const QColor &c) {
    return static_cast<ColorCode>(c.red() | (c.green() << 8) | (c.blue() << 16));
}

} // namespace

bool TFormMain::PromptFont(QFont &font) {
    const auto chosen = m_dialogs.chooseFont(this, font);
    if (!chosen)
        return false;
    // Only the face name and the size are taken.
    font.setFamily(chosen->family());
    if (chosen->pointSize() > 0)
        font.setPointSize(chosen->pointSize());
    else if (chosen->pixelSize() > 0)
        font.setPixelSize(chosen->pixelSize());
    return true;
}

bool TFormMain::promptWidgetFont(QWidget *widget) {
    if (!widget)
        return false;
    QFont font = widget->font();
    if (!PromptFont(font))
        return false;
    widget->setFont(font);
    widget->update();
    return true;
}

void TFormMain::cmdFont(QAction *, int target) {
    MainSettings &s = m_state->Settings;
    // The font settings of the choosers and of the alternative-making lists
    // are kept as face name and point size.
    const auto store = [](FontSetting &setting, const QFont &font) {
        setting.name = font.family();
        if (font.pointSize() > 0)
            setting.size = font.pointSize();
    };
    switch (static_cast<FontTarget>(target)) {
    case FontTarget::RecipeList:
        promptWidgetFont(LBPotion);
        break;
    case FontTarget::Grid:
        promptWidgetFont(StringGrid);
        break;
    case FontTarget::EffectInfo:
        promptWidgetFont(LbEffectInfo);
        break;
    case FontTarget::Favorites:
        promptWidgetFont(LBFavorites);
        break;
    case FontTarget::MainForm:
        if (promptWidgetFont(this))
            m_toolWindows->mainFontChanged(font());
        break;
    case FontTarget::LocalMenuControl:
        promptWidgetFont(m_localMenuTarget);
        m_localMenuTarget = nullptr;
        break;
    case FontTarget::DropDown: {
        QFont font = CbEffect[0]->font();
        if (PromptFont(font)) {
            store(s.font(SettingsFont::DropDown), font);
            SetComboBoxMode(this);
            m_toolWindows->applyComboBoxMode();
        }
        break;
    }
    case FontTarget::AltLists: {
        QFont font = LbAltItemsList->font();
        if (PromptFont(font)) {
            store(s.font(SettingsFont::AltLists), font);
            AltLBoxsSetView();
        }
        break;
    }
    }
}

void TFormMain::cmdColor(QAction *, int line) {
    SettingsBlock &b = m_state->Settings.block;
    const auto choose = [&](QColor &colour) {
        const auto chosen = m_dialogs.chooseColor(this, colour);
        if (!chosen)
            return false;
        colour = *chosen;
        b.setValue(line, codeOfColor(*chosen));
        return true;
    };
    const auto updateAll = [this] {
        for (QWidget *child : findChildren<QWidget *>())
            child->update();
    };
    switch (line) {
    case SettingsLine::CellLightColor:
        if (choose(m_colors.CellLightColor))
            LBPotion->viewport()->update();
        break;
    case SettingsLine::VertLineColor:
        if (choose(m_colors.VertLineColor))
            LBPotion->viewport()->update();
        break;
    case SettingsLine::PoisonEffColor:
        if (choose(m_colors.PoisonEffColor))
            updateAll();
        break;
    case SettingsLine::GoodEffColor:
        if (choose(m_colors.GoodEffColor))
            updateAll();
        break;
    case SettingsLine::DefMarkerColor: {
        QColor marker = colorFromCode(b.defMarkerColor(), m_colors);
        // The markers take the new colour at the next start.
        if (choose(marker))
            m_dialogs.message(this, QStringLiteral("Изменения вступят после перезапуска программы    "));
        break;
    }
    case SettingsLine::PicBgColor: {
        QColor background = colorFromCode(b.picBgColor(), m_colors);
        if (choose(background)) {
            SetItemDisplayColor();
            m_pictures.MakePicturesDisplay(0, 0, background.rgb(), m_colors.Window.rgb());
            onGridSelection();
            LbPotionSelectionChanged();
        }
        break;
    }
    default:
        break;
    }
}

void TFormMain::cmdDrawVertLines(QAction *item, int) {
    m_colors.DrawVertLines = item->isChecked();
    m_colors.VertLineColor = colorFromCode(m_state->Settings.block.vertLineColor(), m_colors);
    LBPotion->viewport()->update();
}

void TFormMain::cmdScrollBar(QAction *item, int) {
    ScrollBarLB->setVisible(item->isChecked());
    FormResize(PanelLBox);
}

void TFormMain::cmdCellMarking(QAction *, int) {
    LBPotion->clearLitRow();
    SetLBoxLightCellType();
    LBPotion->viewport()->update();
}

void TFormMain::cmdRecipeRowHeight(QAction *item, int line) {
    int value = 0;
    if (promptSetting(item, line, LBPotion->itemHeight(), value)) {
        LBPotion->setItemHeight(value);
        rebuildRowPictures();
        LBPotion->viewport()->update();
    }
}

void TFormMain::cmdGridRowHeight(QAction *item, int line) {
    SettingsBlock &b = m_state->Settings.block;
    int value = 0;
    if (promptSetting(item, line, b.gridRowHeight(), value)) {
        b.setGridRowHeight(value);
        SetGridRowHeight(value, -1);
    }
}

void TFormMain::cmdEffectRowHeight(QAction *item, int line) {
    int value = 0;
    if (promptSetting(item, line, LbEffectInfo->itemHeight(), value))
        LbEffectInfo->setItemHeight(value);
}

void TFormMain::cmdFavoritesRowHeight(QAction *item, int line) {
    int value = 0;
    if (promptSetting(item, line, LBFavorites->itemHeight(), value)) {
        LBFavorites->setItemHeight(value);
        m_state->Settings.block.setLbFavoritesItemHeight(value);
    }
}

void TFormMain::cmdAltRowHeight(QAction *item, int line) {
    SettingsBlock &b = m_state->Settings.block;
    int value = 0;
    if (promptSetting(item, line, b.altListsItemHeight(), value)) {
        b.setAltListsItemHeight(value);
        AltLBoxsSetView();
    }
}

void TFormMain::cmdCaptionHeight(QAction *item, int line) {
    QWidget *caption = line == SettingsLine::PanelCapLBPotionsHeight
                           ? static_cast<QWidget *>(PanelCapLBPotions)
                       : line == SettingsLine::PanelCap2Height ? static_cast<QWidget *>(PanelCap2)
                                                               : static_cast<QWidget *>(PanelCapGrid);
    // A caption height is asked without bounds and limited afterwards.
    int value = 0;
    if (!PromptNumber(item, caption->height(), value, 2147483647, -2147483647))
        return;
    const SettingRange range = settingRange(line);
    caption->setFixedHeight(std::clamp(value, range.min, range.max));
    if (caption == PanelCapLBPotions)
        FormResize(PanelLbPotionsMain);
}

void TFormMain::cmdRecipeHeaderHeight(QAction *item, int line) {
    int value = 0;
    if (promptSetting(item, line, Header->height(), value)) {
        Header->setFixedHeight(value);
        FormResize(PanelLbPotionsMain);
    }
}

void TFormMain::cmdEffectHeaderHeight(QAction *item, int line) {
    int value = 0;
    if (promptSetting(item, line, HeaderEffInfo->height(), value))
        HeaderEffInfo->setFixedHeight(value);
}

void TFormMain::cmdGridHeaderHeight(QAction *item, int line) {
    SettingsBlock &b = m_state->Settings.block;
    int value = 0;
    if (promptSetting(item, line, StringGrid->horizontalHeader()->height(), value)) {
        b.setGridHeaderRowHeight(value);
        SetGridRowHeight(b.gridRowHeight(), value);
    }
}

void TFormMain::cmdColor2(QAction *item, int line) {
    SettingsBlock &b = m_state->Settings.block;
    int value = 0;
    if (promptSetting(item, line, b.value(line), value)) {
        b.setValue(line, value);
        MakeColor2();
        if (line == SettingsLine::PotionColor2Percent)
            rebuildRowPictures();
        LBPotion->viewport()->update();
        LbEffectInfo->viewport()->update();
        StringGrid->viewport()->update();
    }
}

void TFormMain::cmdGrayDisabled(QAction *item, int) {
    m_colors.grayDisabledItems = item->isChecked();
    update();
    for (QWidget *w : findChildren<QWidget *>())
        w->update();
}

void TFormMain::cmdSplitterThickness(QAction *item, int line) {
    int value = 0;
    if (promptSetting(item, line, m_splitterThickness, value)) {
        m_splitterThickness = value;
        SetSplittersHeight();
    }
}

void TFormMain::cmdDropDownCount(QAction *item, int line) {
    SettingsBlock &b = m_state->Settings.block;
    int value = 0;
    if (promptSetting(item, line, b.dropDownCount(), value)) {
        b.setDropDownCount(value);
        SetComboBoxMode(this);
        m_toolWindows->applyComboBoxMode();
    }
}

void TFormMain::cmdEffectSymbol(QAction *item, int) {
    const auto text = m_dialogs.inputText(this, item->text(), QString(m_colors.EffColorChar));
    if (!text || text->isEmpty())
        return;
    // Main.ini keeps the symbol as one byte of the Cyrillic code page.
    if (!effColorCharCode(text->at(0))) {
        m_dialogs.message(this,
                          QStringLiteral("Символ \"%1\" нельзя сохранить в файле настроек. "
                                         "Выберите символ из кириллической кодовой страницы.")
                              .arg(text->left(text->at(0).isHighSurrogate() ? 2 : 1)),
                          MessageIcon::Warning);
        return;
    }
    m_colors.EffColorChar = text->at(0);
    for (QWidget *child : findChildren<QWidget *>())
        child->update();
}

void TFormMain::cmdFastFindTime(QAction *item, int line) {
    SettingsBlock &b = m_state->Settings.block;
    int value = 0;
    if (promptSetting(item, line, b.fastFindTimeout(), value))
        b.setFastFindTimeout(value);
}

} // namespace qor

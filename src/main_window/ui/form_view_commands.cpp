// Menu commands that change how the lists, captions and splitters look: row
// and caption heights, alternate-row percentages, splitter thickness,
// drop-down sizes and the vertical lines. Numbers are asked with
// PromptNumber and clamped to each setting's range.

#include "main_window/ui/form_main.h"

#include "recipe_list/ui/alt_lists.h"
#include "recipe_list/ui/chooser_combo.h"
#include "recipe_list/ui/favorites_list.h"
#include "recipe_list/ui/potion_header.h"
#include "recipe_list/ui/potion_list_view.h"
#include "recipe_list/ui/recipe_info_lists.h"
#include "reference_table/ui/grid_cell_delegate.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>

namespace qor {

void TFormMain::rebuildRowPictures() {
    m_pictures.MakePictures(1, LBPotion->itemHeight(), m_colors.Window.rgb(), m_colors.PotionColor2.rgb(),
                            m_colors.Highlight.rgb());
}

void TFormMain::SetGridRowHeight(int rowHeight, int headerHeight) {
    if (headerHeight == -1)
        headerHeight = StringGrid->horizontalHeader()->height();
    StringGrid->verticalHeader()->setDefaultSectionSize(rowHeight);
    StringGrid->setColumnWidth(0, rowHeight);
    StringGrid->horizontalHeader()->setFixedHeight(headerHeight);
}

void TFormMain::AltLBoxsSetView() {
    const MainSettings &s = m_state->Settings;
    const FontSetting &f = s.font(SettingsFont::AltLists);
    const int height = std::clamp(s.block.altListsItemHeight(), 10, 50);
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

bool TFormMain::onFontCommand(QAction *act) {
    const QString name = act->objectName();
    MainSettings &s = m_state->Settings;
    // The font settings of the choosers and of the alternative-making lists
    // are kept as face name and point size.
    const auto store = [](FontSetting &setting, const QFont &font) {
        setting.name = font.family();
        if (font.pointSize() > 0)
            setting.size = font.pointSize();
    };
    if (name == QLatin1String("MenuLbPotionsFont")) {
        promptWidgetFont(LBPotion);
    } else if (name == QLatin1String("MenuGridFont")) {
        promptWidgetFont(StringGrid);
    } else if (name == QLatin1String("MenuLbEffectInfoFont")) {
        promptWidgetFont(LbEffectInfo);
    } else if (name == QLatin1String("MenuFontFavorites")) {
        promptWidgetFont(LBFavorites);
    } else if (name == QLatin1String("MenuFontMainForm")) {
        promptWidgetFont(this);
    } else if (name == QLatin1String("PMenuLocatFont")) {
        promptWidgetFont(m_localMenuTarget);
        m_localMenuTarget = nullptr;
    } else if (name == QLatin1String("MenuFontComboBox")) {
        QFont font = CbEffect[0]->font();
        if (PromptFont(font)) {
            store(s.font(SettingsFont::DropDown), font);
            SetComboBoxMode(this);
        }
    } else if (name == QLatin1String("MenuFontAltLBoxs")) {
        QFont font = LbAltItemsList->font();
        if (PromptFont(font)) {
            store(s.font(SettingsFont::AltLists), font);
            AltLBoxsSetView();
        }
    } else {
        return false;
    }
    return true;
}

bool TFormMain::onColorCommand(QAction *act) {
    const QString name = act->objectName();
    SettingsBlock &b = m_state->Settings.block;
    const auto choose = [&](QColor &colour, void (SettingsBlock::*store)(ColorCode)) {
        const auto chosen = m_dialogs.chooseColor(this, colour);
        if (!chosen)
            return false;
        colour = *chosen;
        (b.*store)(codeOfColor(*chosen));
        return true;
    };
    if (name == QLatin1String("MenuColorLightLbox")) {
        if (choose(m_colors.CellLightColor, &SettingsBlock::setCellLightColor))
            LBPotion->viewport()->update();
    } else if (name == QLatin1String("MenuColorLBoxLines")) {
        if (choose(m_colors.VertLineColor, &SettingsBlock::setVertLineColor))
            LBPotion->viewport()->update();
    } else if (name == QLatin1String("MenuColorEffPoison") || name == QLatin1String("MenuColorEffGood")) {
        const bool poison = name == QLatin1String("MenuColorEffPoison");
        if (choose(poison ? m_colors.PoisonEffColor : m_colors.GoodEffColor,
                   poison ? &SettingsBlock::setPoisonEffColor : &SettingsBlock::setGoodEffColor)) {
            for (QWidget *child : findChildren<QWidget *>())
                child->update();
        }
    } else if (name == QLatin1String("MenuColorMarkerDef")) {
        QColor marker = colorFromCode(b.defMarkerColor(), m_colors);
        // The markers take the new colour at the next start.
        if (choose(marker, &SettingsBlock::setDefMarkerColor))
            m_dialogs.message(this, QStringLiteral("Изменения вступят после перезапуска программы    "));
    } else if (name == QLatin1String("MenuColorWndPicBg")) {
        QColor background = colorFromCode(b.picBgColor(), m_colors);
        if (choose(background, &SettingsBlock::setPicBgColor)) {
            SetItemDisplayColor();
            m_pictures.MakePicturesDisplay(0, 0, background.rgb(), m_colors.Window.rgb());
            onGridSelection();
            LbPotionSelectionChanged();
        }
    } else {
        return false;
    }
    return true;
}

void TFormMain::onViewCommand(QAction *act) {
    const QString name = act->objectName();
    SettingsBlock &b = m_state->Settings.block;
    int value = 0;
    // A caption height is asked without bounds and limited afterwards.
    auto captionHeight = [&](QWidget *caption) {
        if (!PromptNumber(act, caption->height(), value, 2147483647, -2147483647))
            return false;
        caption->setFixedHeight(std::clamp(value, 0, 50));
        return true;
    };
    if (name == QLatin1String("MenuGridLines_ver") || name == QLatin1String("MenuGridLines_hor")) {
        m_gridDelegate->setLines(action(QStringLiteral("MenuGridLines_ver"))->isChecked(),
                                 action(QStringLiteral("MenuGridLines_hor"))->isChecked());
        StringGrid->viewport()->update();
    } else if (name == QLatin1String("MenuCanDrawLines")) {
        m_colors.DrawVertLines = act->isChecked();
        m_colors.VertLineColor = colorFromCode(b.vertLineColor(), m_colors);
        LBPotion->viewport()->update();
    } else if (name == QLatin1String("MenuLbPotionItemHeight")) {
        if (PromptNumber(act, LBPotion->itemHeight(), value, 100, 10)) {
            LBPotion->setItemHeight(value);
            rebuildRowPictures();
            LBPotion->viewport()->update();
        }
    } else if (name == QLatin1String("MenuHeightCap1")) {
        if (captionHeight(PanelCapLBPotions))
            FormResize(PanelLbPotionsMain);
    } else if (name == QLatin1String("MenuHeightCap2")) {
        captionHeight(PanelCap2);
    } else if (name == QLatin1String("MenuHeightCap3")) {
        captionHeight(PanelCapGrid);
    } else if (name == QLatin1String("MenuHeaderHeight")) {
        if (PromptNumber(act, Header->height(), value, 50, 1)) {
            Header->setFixedHeight(value);
            FormResize(PanelLbPotionsMain);
        }
    } else if (name == QLatin1String("MenuHeaderEffInfoHeight")) {
        if (PromptNumber(act, HeaderEffInfo->height(), value, 50, 1))
            HeaderEffInfo->setFixedHeight(value);
    } else if (name == QLatin1String("MenuLbEffectInfoItemHeight")) {
        if (PromptNumber(act, LbEffectInfo->itemHeight(), value, 50, 10))
            LbEffectInfo->setItemHeight(value);
    } else if (name == QLatin1String("MenuColor2LBox") || name == QLatin1String("MenuColor2LbEff") ||
               name == QLatin1String("MenuColor2Grid")) {
        const int line = name == QLatin1String("MenuColor2LBox")    ? SettingsLine::PotionColor2Percent
                         : name == QLatin1String("MenuColor2LbEff") ? SettingsLine::EffInfoColor2Percent
                                                                    : SettingsLine::GridColor2Percent;
        if (PromptNumber(act, b.value(line), value, 300, 25)) {
            b.setValue(line, value);
            MakeColor2();
            if (line == SettingsLine::PotionColor2Percent)
                rebuildRowPictures();
            LBPotion->viewport()->update();
            LbEffectInfo->viewport()->update();
            StringGrid->viewport()->update();
        }
    } else if (name == QLatin1String("MenuGridItemHeight")) {
        if (PromptNumber(act, b.gridRowHeight(), value, 100, 10)) {
            b.setGridRowHeight(value);
            SetGridRowHeight(value, -1);
        }
    } else if (name == QLatin1String("MenuGridHeaderHeight")) {
        if (PromptNumber(act, StringGrid->horizontalHeader()->height(), value, 50, 1)) {
            b.setGridHeaderRowHeight(value);
            SetGridRowHeight(b.gridRowHeight(), value);
        }
    } else if (name == QLatin1String("MenuCanGrayedDisabledItem")) {
        m_colors.grayDisabledItems = act->isChecked();
        update();
        for (QWidget *w : findChildren<QWidget *>())
            w->update();
    } else if (name == QLatin1String("MenuSplitterHeight")) {
        if (PromptNumber(act, m_splitterThickness, value, 50, 1)) {
            m_splitterThickness = value;
            SetSplittersHeight();
        }
    } else if (name == QLatin1String("MenuSetDropDownCount")) {
        if (PromptNumber(act, b.dropDownCount(), value, 50, 5)) {
            b.setDropDownCount(value);
            SetComboBoxMode(this);
        }
    } else if (onColorCommand(act) || onFontCommand(act)) {
        return;
    } else if (name == QLatin1String("MenuCharEffectType")) {
        const auto text = m_dialogs.inputText(this, act->text(), QString(m_colors.EffColorChar));
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
    } else if (name == QLatin1String("MenuLbFavoritesItemHeight")) {
        if (PromptNumber(act, LBFavorites->itemHeight(), value, 100, 10)) {
            LBFavorites->setItemHeight(value);
            b.setLbFavoritesItemHeight(value);
        }
    } else if (name == QLatin1String("MenuItemHeightAltLBoxs")) {
        if (PromptNumber(act, b.altListsItemHeight(), value, 50, 10)) {
            b.setAltListsItemHeight(value);
            AltLBoxsSetView();
        }
    } else if (name == QLatin1String("MenuFastFindTime")) {
        if (PromptNumber(act, b.fastFindTimeout(), value, 5000, 100))
            b.setFastFindTimeout(value);
    }
}

} // namespace qor

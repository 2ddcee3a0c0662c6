// Layout modes: the recipe list panel sliding under its scroll bar, the
// minimum region sizes, splitter thickness, drop-down sizes, row colours,
// cell marking, the picture panel's colour and the two full-screen modes.

#include "main_window/ui/form_main.h"

#include "main_window/ui/full_screen_window.h"
#include "main_window/ui/reference_table_panel.h"
#include "main_window/ui/tool_windows.h"
#include "recipe_list/ui/chooser_combo.h"
#include "recipe_list/ui/potion_header.h"
#include "recipe_list/ui/potion_list_view.h"
#include "recipe_list/ui/recipe_info_lists.h"
#include "reference_table/ui/grid_cell_delegate.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <cmath>

namespace qor {

QColor MakeColor2(const QColor &base, int percent) {
    auto mix = [percent](int channel) {
        const double v = std::nearbyint(channel * (percent / 100.0)); // half to even
        return static_cast<int>(std::clamp(v, 0.0, 255.0));
    };
    return QColor(mix(base.red()), mix(base.green()), mix(base.blue()));
}

void TFormMain::MakeColor2() {
    const SettingsBlock &b = m_state->Settings.block;
    const QColor window = palette().color(QPalette::Base);
    m_colors.PotionColor2 = qor::MakeColor2(window, b.potionColor2Percent());
    m_gridColor2 = qor::MakeColor2(window, b.gridColor2Percent());
    if (m_grid)
        m_grid->setAlternateColor(m_gridColor2);
    m_colors.EffInfoColor2 = qor::MakeColor2(window, b.effInfoColor2Percent());
}

void TFormMain::SetLBoxLightCellType() {
    const bool light = command("MenuCanLightLBox")->isChecked();
    const bool frame = command("MenuCanFrameLBoxCell")->isChecked();
    m_colors.LightCellMode = (light ? 1 : 0) | (frame ? 2 : 0);
}

void TFormMain::SetItemDisplayColor() {
    // The see-through picture mode comes with the floating picture; the
    // panel always shows its background colour here.
    QPalette pal = PanelItemDisplay->palette();
    pal.setColor(QPalette::Window, colorFromCode(m_state->Settings.block.picBgColor(), m_colors));
    pal.setColor(QPalette::WindowText, QColor(0, 255, 0));
    PanelItemDisplay->setPalette(pal);
    PanelItemDisplay->update();
}

void TFormMain::SetSplittersHeight() {
    for (QSplitter *splitter : {MainSplitter, PanelPotionInfo, InfoMainSplitter, HelpSplitter})
        splitter->setHandleWidth(m_splitterThickness);
    if (m_toolWindows)
        m_toolWindows->SetSplittersHeight(m_splitterThickness);
}

void TFormMain::SetComboBoxMode(QWidget *window) {
    const SettingsBlock &b = m_state->Settings.block;
    const FontSetting &dropFont = m_state->Settings.font(SettingsFont::DropDown);
    const QScreen *screen = window->screen();
    const int screenHeight = screen ? screen->geometry().height() : 768;
    for (QComboBox *combo : window->findChildren<QComboBox *>()) {
        const int top = combo->mapToGlobal(QPoint(0, 0)).y();
        const int rows = (screenHeight - top - 2 * combo->height()) / kChooserItemHeight;
        combo->setMaxVisibleItems(
            std::max(1, std::min(b.dropDownCount() > 0 ? b.dropDownCount() : 32, rows)));
        if (!dropFont.name.isEmpty() && dropFont.size > 0 && dropFont.size <= 200) {
            QFont f = combo->font();
            f.setFamily(dropFont.name);
            f.setPointSize(dropFont.size);
            combo->setFont(f);
        }
    }
}

void TFormMain::layoutPanelLBox() {
    QWidget *parent = PanelLBox->parentWidget();
    if (!parent)
        return;
    if (ScrollBarLBVert->parentWidget() != parent) {
        ScrollBarLBVert->setParent(parent);
        ScrollBarLBVert->show();
    }
    const int last = Header->count() - 1;
    const int right = last >= 0 ? Header->sectionPosition(last) + Header->sectionSize(last) : 0;
    const int top = PanelCapLBPotions->parentWidget() == parent ? PanelCapLBPotions->height() : 0;
    const int bottom = parent->height() - (ScrollBarLB->isVisible() ? ScrollBarLB->height() : 0);
    // The range ends where the last column is fully in view left of the
    // vertical bar.
    const int barWidth = ScrollBarLBVert->sizeHint().width();
    const int visibleWidth = std::max(1, parent->width() - barWidth);
    const int panelWidth = right + 4;
    {
        const QSignalBlocker blocker(ScrollBarLB);
        ScrollBarLB->setMaximum(std::max(0, panelWidth - visibleWidth));
        ScrollBarLB->setPageStep(visibleWidth);
    }
    const int position = ScrollBarLB->value();
    PanelLBox->setGeometry(-position, top, panelWidth, std::max(0, bottom - top));
    // Beside the rows: below the header, inside the panel's frame and margin.
    const int inset = PanelLBox->frameWidth() + 1;
    const int listTop = top + inset + Header->height();
    ScrollBarLBVert->setGeometry(parent->width() - barWidth, listTop, barWidth,
                                 std::max(0, top + PanelLBox->height() - inset - listTop));
    ScrollBarLBVert->raise();
    PanelCapLBPotions->setGeometry(0, 0, parent->width(), PanelCapLBPotions->height());
    ScrollBarLB->setGeometry(0, parent->height() - ScrollBarLB->height(), parent->width(),
                             ScrollBarLB->height());
}

void TFormMain::On_Scroll(int position) {
    if (position < 0 || position > ScrollBarLB->maximum()) {
        position = std::clamp(position, 0, ScrollBarLB->maximum());
        ScrollBarLB->setValue(position);
    }
    PanelLBox->move(-position, PanelLBox->y());
}

void TFormMain::FormResize(QObject *sender) {
    // The ingredient rows and the picture follow their panels even while the
    // window's own resize is being laid out (that is when the panels change
    // size). The list's viewport is resized after its own resize event: take
    // the height inside the list's frame.
    if (sender == PanelInfoMain) {
        LbItemsInfo->setItemHeight(std::max(1, LbItemsInfo->contentsRect().height() / 3));
        return;
    }
    if (sender == PanelItemDisplay) {
        // The picture is scaled to the panel: rebuild it for the new size.
        if (m_displayItem > 0)
            showItemPicture(m_displayItem);
        return;
    }
    if (m_inResize)
        return;
    m_inResize = true;
    if (sender == PanelLBox || sender == PanelLbPotionsMain || sender == PanelCapLBPotions ||
        (sender == FullScreen && FullScreen) || (sender == nullptr && !FullScreen)) {
        layoutPanelLBox();
    } else if (sender == this) {
        QSize size = this->size();
        onCanResize(size);
        // The regions were resized inside this guard: the recipe list panel
        // follows its region here.
        if (PanelLBox->parentWidget() == PanelLbPotionsMain)
            layoutPanelLBox();
    }
    m_inResize = false;
}

void TFormMain::onCanResize(QSize &proposed) {
    // Qt resizes first and reports afterwards: the clamping is applied to the
    // regions of the window as it now is.
    proposed = proposed.expandedTo(QSize(640, 480));
    shrinkRecipeStripWidth();
    QList<int> sizes = MainSplitter->sizes();
    if (sizes.size() != 4)
        return;
    // Start from the heights the user chose, so that growing the window back
    // returns the regions that gave way.
    if (m_regionHeights.size() == 4)
        sizes = m_regionHeights;
    const int client = MainSplitter->height();
    const int handles = 3 * MainSplitter->handleWidth();
    const int keepGrid = 79;
    int excess = sizes[0] + sizes[1] + sizes[2] + handles + keepGrid - client;
    // The recipe list gives way down to 75, then the recipe strip, then the tabs.
    for (const int index : {1, 2, 0}) {
        if (excess <= 0)
            break;
        const int floor = index == 0 ? 0 : 75;
        const int give = std::min(excess, std::max(0, sizes[index] - floor));
        sizes[index] -= give;
        excess -= give;
    }
    sizes[3] = std::max(keepGrid, client - handles - sizes[0] - sizes[1] - sizes[2]);
    MainSplitter->setSizes(sizes);
}

void TFormMain::shrinkRecipeStripWidth() {
    // When the strip no longer fits, the effect panel gives way down to 100
    // pixels, then the ingredient panel gives up the rest.
    // Qt's splitter has already shared out the change; start again from the
    // widths the user last chose (never from shrunk ones, so that growing
    // the window back gives the layout of before).
    QList<int> widths = m_stripWidths.size() == 4 ? m_stripWidths : PanelPotionInfo->sizes();
    if (widths.size() != 4)
        return;
    const int client = PanelPotionInfo->width();
    const int thickness = PanelPotionInfo->handleWidth();
    const int effRight = widths[0] + widths[1] + widths[2] + 2 * thickness;
    if (client < effRight + thickness + 4) {
        const int b = widths[2] + client - effRight - thickness - 4;
        if (b < 100) {
            widths[1] = std::max(1, widths[1] + b - 100);
            widths[2] = 100;
        } else {
            widths[2] = b;
        }
    }
    widths[3] = std::max(0, client - widths[0] - widths[1] - widths[2] - 3 * thickness);
    PanelPotionInfo->setSizes(widths);
}

void TFormMain::ToggleFullScreen(bool recipeList) {
    if (!FullScreen) {
        FullScreen = new FullScreenWindow(font());
        connect(FullScreen, &FullScreenWindow::closing, this, [this] { CloseFullScreen(); });
        connect(FullScreen, &FullScreenWindow::resized, this, [this] { FormResize(FullScreen); });
        FullScreen->addActions(
            {command("MenuLbPotionDirectFloatingMode"), command("MenuGridDirectFloatingMode")});
    }
    if (FullScreen->isVisible()) {
        FullScreen->close();
        return;
    }
    const QRect screen = this->screen() ? this->screen()->geometry() : QRect(0, 0, 1280, 1024);
    int top = 0;
    if (recipeList) {
        const ScopedFlag guard(m_state->SuppressCommands);
        command("MenuLbPotionDirectFloatingMode")->setChecked(true);
        command("MenuGridDirectFloatingMode")->setChecked(false);
        top = PanelLbPotionsMain->mapToGlobal(QPoint(0, 0)).y();
        PanelCapLBPotions->setParent(FullScreen);
        PanelLBox->setParent(FullScreen);
        ScrollBarLB->setParent(FullScreen);
        PanelCapLBPotions->show();
        PanelLBox->show();
        ScrollBarLB->setVisible(command("MenuScrollForLBox")->isChecked());
    } else {
        const ScopedFlag guard(m_state->SuppressCommands);
        top = StringGrid->mapToGlobal(QPoint(0, 0)).y();
        auto *layout = new QVBoxLayout;
        layout->setContentsMargins(0, 0, 0, 0);
        StringGrid->setParent(FullScreen);
        delete FullScreen->layout();
        FullScreen->setLayout(layout);
        layout->addWidget(StringGrid);
        StringGrid->show();
        command("MenuGridDirectFloatingMode")->setChecked(true);
        command("MenuLbPotionDirectFloatingMode")->setChecked(false);
    }
    FullScreen->setGeometry(screen.left(), std::max(screen.top(), top), screen.width(),
                            screen.bottom() - std::max(screen.top(), top));
    FullScreen->showMaximized();
    FormResize(FullScreen);
}

void TFormMain::CloseFullScreen() {
    if (!FullScreen)
        return;
    if (PanelLBox->parentWidget() == FullScreen) {
        PanelCapLBPotions->setParent(PanelLbPotionsMain);
        ScrollBarLB->setParent(PanelLbPotionsMain);
        PanelLBox->setParent(PanelLbPotionsMain);
        PanelCapLBPotions->show();
        ScrollBarLB->setVisible(command("MenuScrollForLBox")->isChecked());
        PanelLBox->show();
        layoutPanelLBox();
        LBPotion->setTopIndex(std::max(0, LBPotion->currentRow()));
        LBPotion->setFocus();
    }
    if (StringGrid->parentWidget() == FullScreen) {
        FullScreen->layout()->removeWidget(StringGrid);
        m_grid->takeBackView();
    }
    {
        const ScopedFlag guard(m_state->SuppressCommands);
        command("MenuLbPotionDirectFloatingMode")->setChecked(false);
        command("MenuGridDirectFloatingMode")->setChecked(false);
    }
    if (FullScreen->isVisible()) {
        FullScreen->hide();
        FullScreen->setWindowState(Qt::WindowNoState);
    }
}

} // namespace qor

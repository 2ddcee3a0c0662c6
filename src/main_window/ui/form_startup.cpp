// Start-up (FormCreate), the first show (FormShow) and shutdown
// (FormDestroy, ReleaseAll), with the application of the saved state at
// start-up and its collection at shutdown.

#include "main_window/ui/form_main.h"

#include "engine/effect_strength.h"
#include "game_data/data_loader.h"
#include "help/ui/help_panel.h"
#include "main_window/ui/discovery_hookup.h"
#include "main_window/ui/favorites_tab.h"
#include "main_window/ui/picture_region.h"
#include "main_window/ui/recipe_list_region.h"
#include "main_window/ui/reference_table_panel.h"
#include "main_window/ui/region_layout.h"
#include "main_window/ui/search_inputs.h"
#include "main_window/ui/settings_binding.h"
#include "main_window/ui/tool_windows.h"
#include "main_window/ui/view_commands.h"
#include "recipe_list/ui/chooser_combo.h"
#include "recipe_list/ui/potion_list_view.h"
#include "recipe_list/ui/recipe_info_lists.h"
#include "reference_table/grid_model.h"
#include "reference_table/ui/grid_table_model.h"
#include "settings/settings_file.h"
#include "settings/settings_location.h"
#include "visuals/ui/floating_picture.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>

#include <exception>

namespace qor {

namespace {

// Names the settings folder when it is not the data folder (an installed
// program keeps Main.ini in the user's configuration folder).
QString settingsFolderNote(const ProgramState &st) {
    if (st.SettingsDir.isEmpty() || st.SettingsDir == st.DataDir)
        return {};
    return QStringLiteral("<p>Настройки (Main.ini) хранятся в папке:<br><tt>%1</tt></p>")
        .arg(QDir::toNativeSeparators(st.SettingsDir).toHtmlEscaped());
}

} // namespace

void TFormMain::showStartupFailure(const QString &title, const QString &detail, const QString &remedy) {
    m_startupError = title + QLatin1Char('\n') + detail;
    m_dialogs.message(this, m_startupError, MessageIcon::Warning);
    StartupFailurePage->setText(QStringLiteral("<h2>QOR Алхимия не может начать работу</h2>"
                                               "<p>%1</p><p><b>%2</b></p>"
                                               "<p>Данные программы должны лежать в папке:<br><tt>%3</tt></p>"
                                               "%4<p>%5</p>")
                                    .arg(title.toHtmlEscaped(), detail.toHtmlEscaped(),
                                         QDir::toNativeSeparators(m_state->DataDir).toHtmlEscaped(),
                                         settingsFolderNote(*m_state), remedy.toHtmlEscaped()));
    CentralStack->setCurrentWidget(StartupFailurePage);
    menuBar()->setEnabled(true);
    const auto &exits = m_items.exits;
    for (QAction *act : std::as_const(m_actions)) {
        if (act != exits[0] && act != exits[1])
            act->setEnabled(false);
    }
    // The dispatcher stays closed (start-up did not finish); the two exits
    // still close the window, which then writes nothing.
    for (QAction *exit : exits)
        connect(exit, &QAction::triggered, this, &QWidget::close);
}

void TFormMain::FormCreate() {
    ProgramState &st = *m_state;
    st.DataDir = m_options.dataDir.isEmpty()
                     ? QCoreApplication::applicationDirPath() + QStringLiteral("/Files/")
                     : m_options.dataDir;
    if (!st.DataDir.endsWith(QLatin1Char('/')))
        st.DataDir += QLatin1Char('/');
    setWindowTitle(kAppCaption);
    QCoreApplication::setApplicationName(kAppCaption);
    // After the application name, which names the configuration folder.
    st.SettingsDir = settingsFolder(st.DataDir);

    m_pictureLibrary.load(st.DataDir);

    // Cost.txt, Effects.ini, Filter.txt, Items.ini.
    if (const auto error = loadGameData(st.DataDir, st.Data)) {
        showStartupFailure(
            QStringLiteral("Не удалось загрузить данные программы."), error->toText(),
            QStringLiteral("Положите туда файлы Cost.txt, Effects.ini, Filter.txt и Items.ini "
                           "(и при желании Main.ini, Data1.bmc, Data2.bmc) и запустите программу "
                           "снова."));
        return;
    }

    // A damaged picture file only leaves the pictures out.
    try {
        m_pictures.cutAll(m_pictureLibrary, st.DataDir, st.Data.itemRecordCount());
    } catch (const std::exception &) {
        m_pictures.release();
    }

    const QString settingsPath =
        settingsFileToRead(st.SettingsDir, st.DataDir, QString::fromLatin1(kSettingsFileName));
    MainSettings fromFile;
    const SettingsResult read = ReadSettings(settingsPath, st.Data.itemRecordCount(), fromFile);
    st.session.editSettings([&fromFile](MainSettings &s) { s = std::move(fromFile); });
    if (read.status == SettingsResult::Status::Error) {
        showStartupFailure(
            QStringLiteral("Не удалось прочитать файл настроек Main.ini."), read.message,
            QStringLiteral("Исправьте или удалите файл Main.ini (без него программа начнёт с "
                           "настроек по умолчанию) и запустите программу снова. При закрытии этого "
                           "окна файл не изменяется."));
        return;
    }
    m_settings->apply();

    const ColorCode marker = st.session.block().get(Setting.DefMarkerColor);
    for (TItemRec &item : st.Data.ItemTable) {
        item.MarkerColor = marker;
        item.Marked = false;
    }
    for (TEffectRec &effect : st.Data.EffectTable) {
        effect.MarkerColor = marker;
        effect.Marked = false;
    }
    PanelGrid->setHighlightColors(colorFromCode(marker, m_colors));
    st.session.editGrid([&](GridState &grid) { resetGridRowOrder(st.Data, grid); });
    m_inputs->fillChoosers();
    st.session.setConditions(SearchConditions{});

    st.session.editIngredientSets([](UsedItemsModel &sets) { return sets.MakeUsedItems(); });
    m_view->MakeColor2();
    m_view->SetSplittersHeight();
    m_pictures.MakePictures(0, LBPotion->itemHeight(), m_colors.Window.rgb(), m_colors.PotionColor2.rgb(),
                            m_colors.Highlight.rgb());
    // Display mode, for the saved grid row's ingredient only: every other
    // display and window picture is made when first shown.
    m_pictures.MakePicturesDisplay(1, st.session.block().get(Setting.GridSelRow),
                                   colorFromCode(st.session.block().get(Setting.PicBgColor), m_colors).rgb(),
                                   m_colors.Window.rgb());
    m_picture->SetItemDisplayColor();
    m_view->SetComboBoxMode(this);
    st.Strengths = RecalcItemEffects(st.Data, st.session.skills());
    // The saved sort of the reference table, once the computed columns
    // (strength, time, price) hold real values and before the grid is filled
    // and its saved current row restored.
    st.session.editGrid([&](GridState &grid) { SortGrid(st.Data, st.Strengths, grid); });

    st.Gate.setReady(true);
    m_view->followSettings();

    PageControl->setCurrentIndex(0);
    m_inputs->controls().PageControlSearshOpt->setCurrentIndex(0);
    m_recipes->layoutPanelLBox();
    m_recipes->RefreshPanelCount();
    PanelGrid->fill(st.session.settings().gridColumnWidths);
    installDiscovery(*this);

    // The stored row, or the first data row when none was stored.
    const int selRow = st.session.block().get(Setting.GridSelRow);
    PanelGrid->showStartRow(selRow > 0 && selRow < st.session.grid().rowCount() ? selRow : 1);

    // The context menus' shortcuts work before a menu first opens.
    m_recipes->prepareMenu();
    m_favorites->prepareMenu();
    PanelGrid->prepareMenu();
    m_view->applyLookFlags();
}

void TFormMain::FormShow() {
    if (m_state->ShownOnce)
        return;
    // Now that the window has its real size the saved region sizes fit.
    if (m_state->Gate.ready()) {
        m_layout->applyRegionSizes();
        m_recipes->layoutPanelLBox();
    }
    m_state->ShownOnce = true;
    if (!m_state->Gate.ready())
        return;
    // The tool windows first, then the floating picture, which opens above them.
    m_toolWindows->reopen();
    if (m_state->PictureWindowOpen) {
        const QRect screen = this->screen() ? this->screen()->geometry() : QRect(0, 0, 1024, 768);
        m_picture->floating().reopen(m_state->session.settings().pictureWindowBounds, screen.size());
    }
}

void TFormMain::FormDestroy() {
    if (m_destroyed)
        return;
    m_destroyed = true;
    ProgramState &st = *m_state;
    // After a failed start-up the tables are half-filled: writing them would
    // replace the user's settings with defaults.
    if (!st.SkipSaveOnExit && st.Gate.ready()) {
        m_settings->collect();
        m_help->collectSettings();
        st.session.editSettings([this](MainSettings &s) {
            m_picture->floating().collectBounds(s.pictureWindowBounds);
            m_toolWindows->collect(s);
        });
        const QString path = st.SettingsDir + QString::fromLatin1(kSettingsFileName);
        // The message names the file; the player may free the disk or the
        // folder and try again before the settings are lost.
        SettingsResult written = WriteSettings(path, st.session.settings());
        while (!written.ok() &&
               m_dialogs.askRetry(this,
                                  written.message + QStringLiteral("\n\nНастройки не сохранены. Повторить?")))
            written = WriteSettings(path, st.session.settings());
    }
    ReleaseAll();
}

void TFormMain::ReleaseAll() {
    if (PanelGrid)
        PanelGrid->release();
    m_pictures.release();
    m_pictureLibrary.unload();
}

} // namespace qor

// The reference table's context menu: the four effect markers, the
// highlighting of harmful and beneficial effect names, and the count of the
// ingredients that share an effect.

#include "main_window/ui/form_main.h"

#include "main_window/settings_guard.h"
#include "reference_table/grid_model.h"
#include "reference_table/ui/grid_table_model.h"

#include <QAction>
#include <QMenu>
#include <QTableView>

#include <array>

namespace qor {

void TFormMain::openGridMenu(const QPoint &pos) {
    // The menu belongs to the data rows; the cell pressed becomes current.
    const QModelIndex index = StringGrid->indexAt(pos);
    if (!index.isValid())
        return;
    m_gridClickColumn = index.column();
    m_gridClickRow = index.row() + 1;
    StringGrid->setCurrentIndex(index);
    On_Popup(PopupMenuGrid);
    PopupMenuGrid->popup(StringGrid->viewport()->mapToGlobal(pos));
}

void TFormMain::prepareGridMenu() {
    const ProgramState &st = *m_state;
    const GridPopupState popup = gridPopupState(st.Data, st.Grid, m_gridClickColumn, m_gridClickRow);
    for (const char *name : {"PMenuSetGridMarker1", "PMenuSetGridMarker2", "PMenuSetGridMarker3",
                             "PMenuSetGridMarker4", "PMenuGridShowCountItemsWithCurEff"})
        command(name)->setEnabled(popup.effectCommands);
    command("PMenuGridSetAllMarkers")->setEnabled(popup.setAllMarkers);
}

namespace {

constexpr std::array<const char *, kGridMarkerCount> kMarkerItems{
    "PMenuSetGridMarker1", "PMenuSetGridMarker2", "PMenuSetGridMarker3", "PMenuSetGridMarker4"};

} // namespace

void TFormMain::cmdGridHighlight(QAction *item, int bad) {
    QColor &colour = bad ? m_gridColorBad : m_gridColorGood;
    if (item->isChecked() && m_gridClickRow >= 1) {
        if (const auto chosen = m_dialogs.chooseColor(this, colour)) {
            colour = *chosen;
        } else {
            const ScopedFlag guard(m_state->SuppressCommands);
            item->setChecked(false);
        }
    }
    applyGridHighlight();
    StringGrid->viewport()->update();
}

void TFormMain::applyGridHighlight() {
    if (m_gridModel)
        m_gridModel->setEffectHighlight(
            command("PMenuSetGridMarkerToBad")->isChecked() ? m_gridColorBad : QColor(),
            command("PMenuSetGridMarkerToGood")->isChecked() ? m_gridColorGood : QColor());
}

void TFormMain::cmdGridMarkersOff(QAction *, int) {
    disableGridMarkers(m_state->Grid);
    {
        const ScopedFlag guard(m_state->SuppressCommands);
        for (const char *name : kMarkerItems)
            command(name)->setChecked(false);
        command("PMenuSetGridMarkerToBad")->setChecked(false);
        command("PMenuSetGridMarkerToGood")->setChecked(false);
        applyGridHighlight();
    }
    StringGrid->viewport()->update();
}

void TFormMain::cmdGridSetAllMarkers(QAction *, int) {
    ProgramState &st = *m_state;
    const GridElement element = GetGridDataNum(st.Data, st.Grid, 1, m_gridClickColumn, m_gridClickRow);
    if (element.item < 1)
        return;
    setAllGridMarkers(st.Data, st.Grid, element.item);
    {
        const ScopedFlag guard(st.SuppressCommands);
        for (const char *name : kMarkerItems)
            command(name)->setChecked(true);
    }
    StringGrid->viewport()->update();
}

void TFormMain::cmdGridCountItems(QAction *, int) {
    const ProgramState &st = *m_state;
    const GridElement element = GetGridDataNum(st.Data, st.Grid, 1, m_gridClickColumn, m_gridClickRow);
    if (element.result < 1 || !GridColumn::isEffectColumn(m_gridClickColumn))
        return;
    m_dialogs.message(this, countItemsWithEffectMessage(st.Data.EffectNames.value(element.result),
                                                        countItemsWithEffect(st.Data, element.result)));
}

void TFormMain::cmdGridMarker(QAction *item, int number) {
    ProgramState &st = *m_state;
    const GridElement element = GetGridDataNum(st.Data, st.Grid, 1, m_gridClickColumn, m_gridClickRow);
    if (element.result < 1 || !GridColumn::isEffectColumn(m_gridClickColumn))
        return;
    GridMarker &marker = st.Grid.GridMarkers[static_cast<std::size_t>(number - 1)];
    marker.effect = element.result;
    marker.on = item->isChecked();
    StringGrid->viewport()->update();
}

} // namespace qor

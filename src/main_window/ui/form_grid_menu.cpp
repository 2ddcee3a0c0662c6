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
        action(QString::fromLatin1(name))->setEnabled(popup.effectCommands);
    action(QStringLiteral("PMenuGridSetAllMarkers"))->setEnabled(popup.setAllMarkers);
}

bool TFormMain::onGridMenuCommand(QAction *act) {
    ProgramState &st = *m_state;
    const QString name = act->objectName();
    if (!name.startsWith(QLatin1String("PMenuSetGridMarker")) && !name.startsWith(QLatin1String("PMenuGrid")))
        return false;
    const GridElement element = GetGridDataNum(st.Data, st.Grid, 1, m_gridClickColumn, m_gridClickRow);
    const auto markerItem = [this](int n) { return action(QStringLiteral("PMenuSetGridMarker%1").arg(n)); };
    const auto highlight = [&] {
        if (m_gridModel)
            m_gridModel->setEffectHighlight(
                action(QStringLiteral("PMenuSetGridMarkerToBad"))->isChecked() ? m_gridColorBad : QColor(),
                action(QStringLiteral("PMenuSetGridMarkerToGood"))->isChecked() ? m_gridColorGood : QColor());
    };
    bool handled = true;
    if (name == QLatin1String("PMenuSetGridMarkerToBad") || name == QLatin1String("PMenuSetGridMarkerToGood")) {
        const bool bad = name == QLatin1String("PMenuSetGridMarkerToBad");
        QColor &colour = bad ? m_gridColorBad : m_gridColorGood;
        if (act->isChecked() && m_gridClickRow >= 1) {
            if (const auto chosen = m_dialogs.chooseColor(this, colour)) {
                colour = *chosen;
            } else {
                const ScopedFlag guard(st.SuppressCommands);
                act->setChecked(false);
            }
        }
        highlight();
    } else if (name == QLatin1String("PMenuGridDisableMarkers")) {
        disableGridMarkers(st.Grid);
        const ScopedFlag guard(st.SuppressCommands);
        for (int n = 1; n <= kGridMarkerCount; ++n)
            markerItem(n)->setChecked(false);
        action(QStringLiteral("PMenuSetGridMarkerToBad"))->setChecked(false);
        action(QStringLiteral("PMenuSetGridMarkerToGood"))->setChecked(false);
        highlight();
    } else if (name == QLatin1String("PMenuGridSetAllMarkers")) {
        if (element.item < 1)
            return true;
        setAllGridMarkers(st.Data, st.Grid, element.item);
        const ScopedFlag guard(st.SuppressCommands);
        for (int n = 1; n <= kGridMarkerCount; ++n)
            markerItem(n)->setChecked(true);
    } else if (name == QLatin1String("PMenuGridShowCountItemsWithCurEff")) {
        if (element.result < 1 || !GridColumn::isEffectColumn(m_gridClickColumn))
            return true;
        m_dialogs.message(this, countItemsWithEffectMessage(st.Data.EffectNames.value(element.result),
                                                            countItemsWithEffect(st.Data, element.result)));
        return true;
    } else {
        handled = false;
        for (int n = 1; n <= kGridMarkerCount; ++n) {
            if (act != markerItem(n))
                continue;
            handled = true;
            if (element.result < 1 || !GridColumn::isEffectColumn(m_gridClickColumn))
                return true;
            GridMarker &marker = st.Grid.GridMarkers[static_cast<std::size_t>(n - 1)];
            marker.effect = element.result;
            marker.on = act->isChecked();
        }
        if (!handled)
            return false;
    }
    StringGrid->viewport()->update();
    return true;
}

} // namespace qor

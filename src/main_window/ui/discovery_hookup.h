#pragma once
// Effect discovery joins the window here and nowhere else: its menu
// commands beside "План варки", the switch that shows only known effects in
// the reference table, and its commands in the context menus of the
// reference table and the recipe list.

#include <QStringList>

namespace qor {

class TFormMain;

// The object names of the items it adds: they come from no command table row.
QStringList discoveryCommandNames();

// Once, after start-up has filled the reference table.
void installDiscovery(TFormMain &form);

} // namespace qor

#pragma once
// Effect discovery joins the window here and nowhere else: its menu
// commands beside "План варки", the switch that shows only known effects in
// the reference table, and its commands in the context menus of the
// reference table and the recipe list.

namespace qor {

class TFormMain;

// Once, after start-up has filled the reference table.
void installDiscovery(TFormMain &form);

} // namespace qor

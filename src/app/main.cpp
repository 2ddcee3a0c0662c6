// QOR Алхимия: the desktop program.

#include "main_window/ui/form_main.h"
#include "main_window/ui/platform_adapter.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    qor::installFontSubstitutes();
    // Hints stay up for 10000 ms: QToolTip has no application-wide hide
    // pause; Qt keeps a tooltip up for a time derived from its text length,
    // which is ample for the window's short hints.
    qor::TFormMain form;
    form.showMaximized();
    return app.exec();
}

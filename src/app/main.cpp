// QOR Алхимия: the desktop program.

#include "common_ui/close_on_signal.h"
#include "common_ui/platform_adapter.h"
#include "common_ui/qt_translation.h"
#include "main_window/ui/form_main.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

namespace {

// Test hook of the installation test, read nowhere else: with
// QOR_ALCHEMY_TEST_CLOSE_AFTER_SHOW set, the window reports on standard
// output once it is shown and then closes itself as the user would, so that
// the ordinary shutdown (writing Main.ini) runs.
void closeAfterShowForTests(qor::TFormMain &form) {
    if (!qEnvironmentVariableIsSet("QOR_ALCHEMY_TEST_CLOSE_AFTER_SHOW"))
        return;
    QTimer::singleShot(0, &form, [&form] {
        const QString startup = form.startupError().isEmpty() ? QStringLiteral("ok") : form.startupError();
        std::printf("window shown: %s; start-up: %s\n", form.isVisible() ? "yes" : "no", qPrintable(startup));
        std::fflush(stdout);
        form.close();
    });
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    qor::installFontSubstitutes();
    // Without the translation package Qt's own texts stay English.
    qor::installQtRussianTranslation(app);
    // Hints stay up for 10000 ms: QToolTip has no application-wide hide
    // pause; Qt keeps a tooltip up for a time derived from its text length,
    // which is ample for the window's short hints.
    qor::TFormMain form;
    const qor::CloseOnSignal closeOnSignal(form);
    form.showMaximized();
    closeAfterShowForTests(form);
    return app.exec();
}

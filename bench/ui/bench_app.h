#pragma once
// The one QApplication of the widget benchmarks (offscreen unless a platform
// is chosen), with the program's font substitutes so text is measured as the
// program draws it.

#include "common_ui/platform_adapter.h"

#include <QApplication>

namespace qor::bench {

inline void ensureUiApp() {
    if (QApplication::instance() != nullptr)
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "qor-bench-ui";
    static char *argv[] = {name, nullptr};
    new QApplication(argc, argv); // lives until the process ends
    installFontSubstitutes();
}

} // namespace qor::bench

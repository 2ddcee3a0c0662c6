#include "gui_test_support.h"

#include "common_ui/platform_adapter.h"

#include <QApplication>
#include <QDir>
#include <QFile>

namespace qor::test {

void ensureApplication() {
    if (QApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "test_gui";
    static char *argv[] = {name, nullptr};
    // Lives until the test program ends.
    new QApplication(argc, argv);
    installFontSubstitutes();
}

ScratchData::ScratchData() {
    ensureApplication();
    if (!m_dir.isValid())
        return;
    const QDir source(QStringLiteral(QOR_BUILD_DATA_DIR));
    m_ok = true;
    for (const QString &name : source.entryList(QDir::Files)) {
        if (name == QLatin1String("Main.ini"))
            continue;
        m_ok = QFile::copy(source.filePath(name), dir() + name) && m_ok;
    }
}

std::unique_ptr<TFormMain> openForm(const ScratchData &data, bool show) {
    ensureApplication();
    FormOptions options;
    options.dataDir = data.dir();
    options.scriptedDialogs = true;
    auto form = std::make_unique<TFormMain>(options);
    if (show) {
        form->show();
        QApplication::processEvents();
    }
    return form;
}

QByteArray readAll(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace qor::test

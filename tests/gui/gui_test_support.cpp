#include "gui_test_support.h"

#include "common_ui/platform_adapter.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

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

namespace {

QMenu *menuHolding(const QAction *item) {
    for (QObject *holder : item->associatedObjects()) {
        if (auto *menu = qobject_cast<QMenu *>(holder))
            return menu;
    }
    return nullptr;
}

// An open menu takes every mouse event of the program: none stays open
// beyond the click that chose its item (a disabled item keeps it open).
void closePopups() {
    while (QWidget *popup = QApplication::activePopupWidget())
        popup->close();
}

// Depth first from `items` down to `item`: the items to click on the way.
bool pathTo(const QList<QAction *> &items, const QAction *item, std::vector<QAction *> &path) {
    for (QAction *candidate : items) {
        path.push_back(candidate);
        if (candidate == item || (candidate->menu() && pathTo(candidate->menu()->actions(), item, path)))
            return true;
        path.pop_back();
    }
    return false;
}

} // namespace

void pressShortcut(QWidget &window, QAction *item) {
    ASSERT_FALSE(item->shortcut().isEmpty()) << item->objectName().toStdString();
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    const QKeyCombination key = item->shortcut()[0];
    QTest::keyClick(&window, key.key(), key.keyboardModifiers());
}

void clickMenuItem(QMainWindow &window, QAction *item) {
    // The items to click, from the one in the menu bar down to `item`.
    std::vector<QAction *> path;
    ASSERT_TRUE(pathTo(window.menuBar()->actions(), item, path)) << item->objectName().toStdString();
    QMenuBar *bar = window.menuBar();
    closePopups();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(path.front()).center());
    for (std::size_t k = 1; k < path.size(); ++k) {
        QMenu *open = path[k - 1]->menu();
        ASSERT_TRUE(QTest::qWaitFor([open] { return open->isVisible(); }))
            << path[k - 1]->text().toStdString();
        QTest::mouseClick(open, Qt::LeftButton, {}, open->actionGeometry(path[k]).center());
    }
    closePopups();
}

void clickContextMenuItem(QWidget *control, QPoint pos, QAction *item) {
    closePopups();
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, pos, control->mapToGlobal(pos));
    QApplication::sendEvent(control, &rightClick);
    QMenu *menu = menuHolding(item);
    ASSERT_NE(menu, nullptr) << item->objectName().toStdString();
    ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); })) << item->objectName().toStdString();
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    closePopups();
}

void doubleClick(QWidget *control, std::optional<QPoint> pos) {
    const QPoint at = pos.value_or(control->rect().center());
    QMouseEvent click(QEvent::MouseButtonDblClick, at, control->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(control, &click);
}

void useMenuItem(QMainWindow &window, QAction *item) {
    if (item->shortcut().isEmpty())
        clickMenuItem(window, item);
    else
        pressShortcut(window, item);
}

void useCommand(TFormMain &form, const char *name) {
    QAction *item = form.action(QString::fromLatin1(name));
    ASSERT_NE(item, nullptr) << name;
    useMenuItem(form, item);
}

QByteArray readAll(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace qor::test

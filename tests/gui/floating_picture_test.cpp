// The floating picture window: opened and closed by double clicks on the
// picture, its size, caption and colour, the logo in the emptied panel, its
// reopening after a restart, and the fly-picture mode's see-through masks.

#include "gui_test_support.h"

#include "visuals/ui/floating_picture.h"
#include "visuals/ui/logo_animation.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

namespace qor {
namespace {

// Records the object names of the top-level windows in the order they show.
class ShownWindows : public QObject {
  public:
    QStringList names;

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (event->type() == QEvent::Show && widget && widget->isWindow())
            names << widget->objectName();
        return false;
    }
};

class FloatingPictureTest : public ::testing::Test {
  protected:
    void open(bool withPictures = true) {
        if (!withPictures)
            QFile::remove(data.file(QStringLiteral("Data1.bmc")));
        form = test::openForm(data);
        form->resize(1000, 760);
        QApplication::processEvents();
    }
    FormControls &ui() { return test::ui(form); }
    FloatingPicture &picture() { return FormMainTestAccess::floatingPicture(*form); }
    void doubleClickPicture() {
        QLabel *image = ui().Image;
        const QPoint pos(image->width() / 2, image->height() / 2);
        QMouseEvent click(QEvent::MouseButtonDblClick, pos, image->mapToGlobal(pos), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(image, &click);
        QApplication::processEvents();
    }
    // Selects a row of the reference table as the user does.
    void selectGridRow(int gridRow) {
        QTableView *grid = ui().StringGrid;
        grid->setCurrentIndex(grid->model()->index(gridRow - 1, 1));
        QApplication::processEvents();
    }
    QString gridItemName() {
        const ProgramState &st = form->state();
        const int row = ui().StringGrid->currentIndex().row() + 1;
        return st.Data.ItemNames.value(st.session.grid().itemAtRow(row));
    }

    test::ScratchData data;
    std::unique_ptr<TFormMain> form;
};

TEST_F(FloatingPictureTest, EmptyPictureOpensA100By100WindowThatFollowsTheGridAndGivesThePictureBack) {
    open(false);
    selectGridRow(3);
    doubleClickPicture();
    FloatingPictureWindow *window = picture().window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->size(), QSize(100, 100));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(ui().Image->parentWidget(), window);
    EXPECT_TRUE(form->state().PictureWindowOpen);
    EXPECT_EQ(window->windowTitle(), gridItemName());

    // The window opens beside the emptied panel, so the logo in it shows.
    QFrame *panel = ui().PanelItemDisplay;
    EXPECT_FALSE(window->frameGeometry().intersects(QRect(panel->mapToGlobal(QPoint(0, 0)), panel->size())));

    // The emptied panel plays the logo.
    LogoAnimation *logo = picture().logo();
    ASSERT_NE(logo, nullptr);
    EXPECT_TRUE(logo->running());
    EXPECT_EQ(logo->parentWidget(), ui().PanelItemDisplay);
    EXPECT_TRUE(logo->isVisible());
    logo->TimerLogoTimer();
    EXPECT_EQ(logo->LogoImage().size(), logo->size());

    // The caption follows the grid.
    selectGridRow(5);
    EXPECT_EQ(window->windowTitle(), gridItemName());

    // Another double click brings the picture back.
    doubleClickPicture();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(ui().Image->parentWidget(), ui().PanelItemDisplay);
    EXPECT_TRUE(ui().Image->isVisible());
    EXPECT_FALSE(form->state().PictureWindowOpen);
    EXPECT_FALSE(logo->running());
    EXPECT_FALSE(logo->isVisible());

    // So does the window's close button; the window is kept for the next time.
    doubleClickPicture();
    EXPECT_EQ(picture().window(), window);
    window->close();
    QApplication::processEvents();
    EXPECT_EQ(ui().Image->parentWidget(), ui().PanelItemDisplay);
    EXPECT_FALSE(form->state().PictureWindowOpen);
}

// The picture and its window's caption follow the table row the player
// picks with the mouse or the keys.
TEST_F(FloatingPictureTest, PictureFollowsTheTableRowChosenByAClickOrAKey) {
    open();
    selectGridRow(2);
    doubleClickPicture();
    FloatingPictureWindow *window = picture().window();
    ASSERT_NE(window, nullptr);
    const QImage second = ui().Image->pixmap().toImage();

    QTableView *grid = ui().StringGrid;
    const QRect row5 = grid->visualRect(grid->model()->index(4, 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, row5.center());
    QApplication::processEvents();
    ASSERT_EQ(grid->currentIndex().row(), 4);
    EXPECT_EQ(window->windowTitle(), gridItemName());
    EXPECT_NE(ui().Image->pixmap().toImage(), second);

    QTest::keyClick(grid, Qt::Key_Down);
    QApplication::processEvents();
    ASSERT_EQ(grid->currentIndex().row(), 5);
    EXPECT_EQ(window->windowTitle(), gridItemName());
}

TEST_F(FloatingPictureTest, WindowTakesThePicturesSizeAndBackgroundAndReopensAfterARestart) {
    open();
    selectGridRow(2);
    doubleClickPicture();
    FloatingPictureWindow *window = picture().window();
    ASSERT_NE(window, nullptr);
    ASSERT_FALSE(ui().Image->pixmap().isNull());
    const QImage shown = ui().Image->pixmap().toImage();
    // The window is the picture's own size, so the picture shows unscaled.
    EXPECT_EQ(shown.size(), window->size());
    EXPECT_EQ(window->background().rgb(), shown.pixel(0, shown.height() - 1));

    window->setGeometry(60, 70, 130, 120);
    QApplication::processEvents();
    const QRect placed = window->geometry();
    test::useCommand(*form, "MenuShowFormFavorites");
    form->close();
    form.reset();

    // The tool windows come back first, the floating picture after them.
    ShownWindows shownOrder;
    qApp->installEventFilter(&shownOrder);
    open();
    qApp->removeEventFilter(&shownOrder);
    const qsizetype favorites = shownOrder.names.indexOf(QStringLiteral("FormFavorites"));
    const qsizetype floating = shownOrder.names.indexOf(QStringLiteral("FloatingPictureWindow"));
    ASSERT_GE(favorites, 0);
    EXPECT_GT(floating, favorites);
    ASSERT_NE(picture().window(), nullptr);
    EXPECT_TRUE(picture().window()->isVisible());
    EXPECT_TRUE(form->state().PictureWindowOpen);
    EXPECT_EQ(picture().window()->geometry(), placed);
    EXPECT_EQ(ui().Image->parentWidget(), picture().window());
    EXPECT_TRUE(picture().logo()->running());

    // Closed at exit: it stays closed at the next start.
    picture().window()->close();
    form->close();
    form.reset();
    open();
    EXPECT_EQ(picture().window(), nullptr);
    EXPECT_FALSE(form->state().PictureWindowOpen);
}

TEST_F(FloatingPictureTest, FlyPictureModeLetsTheDesktopThroughAroundThePicture) {
    open();
    selectGridRow(2);
    QAction *fly = form->action(QStringLiteral("MenuFlyPictureMode"));
    ASSERT_TRUE(fly->isEnabled());
    test::useMenuItem(*form, fly);
    QApplication::processEvents();
    EXPECT_EQ(picture().panelColor().rgb(), QColor::fromRgb(kSeeThroughColor).rgb());
    const QImage shown = ui().Image->pixmap().toImage();
    ASSERT_FALSE(shown.isNull());
    // The display picture stands on the see-through colour.
    EXPECT_EQ(shown.pixel(0, shown.height() - 1) & 0xFFFFFFu, kSeeThroughColor & 0xFFFFFFu);

    const QRegion mask = form->mask();
    ASSERT_FALSE(mask.isEmpty());
    QFrame *panel = ui().PanelItemDisplay;
    const QPoint panelInside = panel->mapTo(form.get(), panel->contentsRect().topLeft() + QPoint(1, 1));
    EXPECT_FALSE(mask.contains(panelInside));
    // Nor does the panel's frame stay as a strip round the hole.
    EXPECT_FALSE(mask.contains(panel->mapTo(form.get(), QPoint(0, 0))));
    EXPECT_FALSE(mask.contains(panel->mapTo(form.get(), QPoint(panel->width() - 1, panel->height() - 1))));
    EXPECT_TRUE(mask.contains(ui().StringGrid->mapTo(form.get(), QPoint(5, 5))));
    // The picture's own pixels stay, its key-coloured ones do not.
    const QPoint pictureAt((ui().Image->width() - shown.width()) / 2,
                           (ui().Image->height() - shown.height()) / 2);
    std::optional<QPoint> own, key;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const bool isKey = (shown.pixel(x, y) & 0xFFFFFFu) == (kSeeThroughColor & 0xFFFFFFu);
            (isKey ? key : own) = QPoint(x, y);
        }
    }
    ASSERT_TRUE(own && key);
    EXPECT_TRUE(mask.contains(ui().Image->mapTo(form.get(), pictureAt + *own)));
    EXPECT_FALSE(mask.contains(ui().Image->mapTo(form.get(), pictureAt + *key)));

    // Floating, the panel keeps its colour and the window is cut instead.
    doubleClickPicture();
    QApplication::processEvents();
    EXPECT_NE(picture().panelColor().rgb(), QColor::fromRgb(kSeeThroughColor).rgb());
    EXPECT_TRUE(form->mask().isEmpty());
    ASSERT_NE(picture().window(), nullptr);
    EXPECT_FALSE(picture().window()->mask().isEmpty());

    // Mode off: nothing is cut any more.
    doubleClickPicture();
    test::useMenuItem(*form, fly);
    QApplication::processEvents();
    EXPECT_TRUE(form->mask().isEmpty());
    EXPECT_TRUE(picture().window()->mask().isEmpty());
    EXPECT_NE(ui().Image->pixmap().toImage().pixel(0, 0) & 0xFFFFFFu, kSeeThroughColor & 0xFFFFFFu);
}

TEST(OpaqueRegion, KeyPixelsAreLeftOut) {
    test::ensureApplication();
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(kSeeThroughColor);
    image.setPixel(1, 1, qRgb(200, 10, 10));
    image.setPixel(3, 2, qRgb(3, 27, 6));
    const QRegion region = opaqueRegion(image, kSeeThroughColor);
    EXPECT_TRUE(region.contains(QPoint(1, 1)));
    EXPECT_TRUE(region.contains(QPoint(3, 2)));
    EXPECT_FALSE(region.contains(QPoint(0, 0)));
    EXPECT_FALSE(region.contains(QPoint(2, 1)));
    EXPECT_TRUE(opaqueRegion(QImage(), kSeeThroughColor).isEmpty());
}

} // namespace
} // namespace qor

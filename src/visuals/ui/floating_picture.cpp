#include "visuals/ui/floating_picture.h"

#include "visuals/ui/floating_picture_window.h"
#include "visuals/ui/logo_animation.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QPixmap>
#include <QRandomGenerator>
#include <QRegion>
#include <QScreen>
#include <QStyle>

#include <algorithm>

namespace qor {

namespace {

constexpr int kEmptyPictureSide = 100;
// Saved bounds further off than this are taken as damaged.
constexpr int kMaxBoundsSize = 100000;

// Where a window of frame size `frame` opens beside `panel` (both in screen
// coordinates) without covering it, so that the logo in the emptied panel
// shows: right of it, else left, below, above; each kept on the screen's
// available area. Without room anywhere it is only kept on the screen.
QPoint besidePanel(const QRect &panel, const QSize &frame, const QRect &available) {
    constexpr int gap = 4;
    const QPoint candidates[] = {{panel.right() + 1 + gap, panel.top()},
                                 {panel.left() - gap - frame.width(), panel.top()},
                                 {panel.left(), panel.bottom() + 1 + gap},
                                 {panel.left(), panel.top() - gap - frame.height()}};
    const auto keptOnScreen = [&](QPoint at) {
        at.setX(std::clamp(at.x(), available.left(),
                           std::max(available.left(), available.right() + 1 - frame.width())));
        at.setY(std::clamp(at.y(), available.top(),
                           std::max(available.top(), available.bottom() + 1 - frame.height())));
        return at;
    };
    for (const QPoint &at : candidates) {
        const QPoint kept = keptOnScreen(at);
        if (!QRect(kept, frame).intersects(panel) && available.contains(QRect(kept, frame)))
            return kept;
    }
    return keptOnScreen(candidates[0]);
}

} // namespace

FloatingPicture::FloatingPicture(QWidget &mainWindow, QFrame &panel, QLabel &image, bool &pictureWindowOpen,
                                 FloatingPictureHooks hooks)
    : QObject(&mainWindow), m_main(mainWindow), m_panel(panel), m_image(image), m_open(pictureWindowOpen),
      m_hooks(std::move(hooks)) {
    m_maskTimer.setSingleShot(true);
    m_maskTimer.setInterval(0);
    connect(&m_maskTimer, &QTimer::timeout, this, &FloatingPicture::updateMasks);
    // The mask follows the panel wherever splitters and the window move it.
    m_image.installEventFilter(this);
    for (QWidget *w = &m_panel; w; w = w->parentWidget()) {
        w->installEventFilter(this);
        if (w == &m_main)
            break;
    }
}

FloatingPicture::~FloatingPicture() = default;

bool FloatingPicture::eventFilter(QObject *watched, QEvent *event) {
    if (watched == &m_image && event->type() == QEvent::MouseButtonDblClick) {
        if (!m_hooks.ready || m_hooks.ready())
            toggle();
        return true;
    }
    // The picture is scaled to the panel: it follows the panel's size.
    if (watched == &m_image && event->type() == QEvent::Resize && !m_source.isNull())
        rescale();
    if (event->type() == QEvent::Resize || event->type() == QEvent::Move || event->type() == QEvent::Show)
        scheduleMasks();
    return QObject::eventFilter(watched, event);
}

bool FloatingPicture::isShowing() const {
    return m_window && m_window->isVisible();
}

void FloatingPicture::toggle() {
    if (isShowing())
        m_window->close();
    else
        open();
}

void FloatingPicture::open() {
    if (!m_window) {
        m_window = new FloatingPictureWindow(&m_main);
        m_window->setWindowTitle(m_hooks.caption ? m_hooks.caption() : QString());
        connect(m_window, &FloatingPictureWindow::closing, this, &FloatingPicture::onWindowClosing);
    }
    m_window->setBackground(windowBackground());
    const QSize size = m_source.isNull() ? QSize(kEmptyPictureSide, kEmptyPictureSide) : m_source.size();
    const int caption = m_main.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, m_window);
    const QRect panel(m_panel.mapToGlobal(QPoint(0, 0)), m_panel.size());
    const QRect available = m_main.screen() ? m_main.screen()->availableGeometry() : panel;
    m_window->resize(size);
    // move() places the frame; the caption and the borders add to the size.
    const QSize frame = size + QSize(4, caption + 4);
    m_window->move(besidePanel(panel, frame, available));
    m_window->hostPicture(&m_image);
    m_window->show();
    m_open = true;

    if (!m_logo) {
        m_logo = new LogoAnimation(&m_panel);
        m_panel.layout()->addWidget(m_logo);
    }
    m_logo->show();
    m_logo->start(m_panel.font(), panelColor(), QRandomGenerator::global()->generate());
    if (m_hooks.setItemDisplayColor)
        m_hooks.setItemDisplayColor();
    rescale();
}

void FloatingPicture::onWindowClosing() {
    if (m_logo) {
        m_logo->stop();
        m_logo->hide();
    }
    m_open = false;
    if (m_hooks.setItemDisplayColor)
        m_hooks.setItemDisplayColor();
    m_panel.update();
    m_image.setParent(&m_panel);
    m_panel.layout()->addWidget(&m_image);
    m_image.show();
    rescale();
}

void FloatingPicture::reopen(const WindowBounds &saved, const QSize &screen) {
    toggle();
    if (!isShowing())
        return;
    const long long width = static_cast<long long>(saved.right) - saved.left;
    const long long height = static_cast<long long>(saved.bottom) - saved.top;
    const bool sane = width > 0 && height > 0 && width < kMaxBoundsSize && height < kMaxBoundsSize &&
                      saved.left > -kMaxBoundsSize && saved.top > -kMaxBoundsSize;
    if (sane && saved.right + 20 < screen.width() && saved.bottom + 20 < screen.height())
        m_window->setGeometry(saved.left, saved.top, static_cast<int>(width), static_cast<int>(height));
}

void FloatingPicture::collectBounds(WindowBounds &out) const {
    if (!m_window)
        return;
    const QRect g = m_window->geometry();
    out = {g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
}

void FloatingPicture::setCaption(const QString &name) {
    if (m_window)
        m_window->setWindowTitle(name);
}

void FloatingPicture::showPicture(const QImage *picture) {
    m_source = picture && !picture->isNull() ? *picture : QImage();
    rescale();
    if (m_window)
        m_window->setBackground(windowBackground());
}

void FloatingPicture::rescale() {
    if (m_source.isNull()) {
        m_scaled = QImage();
        m_image.clear();
    } else {
        // See-through needs the key colour kept exact: no smoothing then.
        const QSize box = m_image.size().expandedTo(QSize(1, 1));
        m_scaled = m_source.scaled(box, Qt::KeepAspectRatio,
                                   m_flyMode ? Qt::FastTransformation : Qt::SmoothTransformation);
        m_image.setPixmap(QPixmap::fromImage(m_scaled));
    }
    scheduleMasks();
}

QColor FloatingPicture::panelColor() const {
    return (!m_flyMode || m_open) ? m_picBg : QColor::fromRgb(kSeeThroughColor);
}

QColor FloatingPicture::windowBackground() const {
    // The picture's own background: its bottom-left pixel.
    if (!m_source.isNull())
        return QColor::fromRgb(m_source.pixel(0, m_source.height() - 1));
    return m_flyMode ? QColor::fromRgb(kSeeThroughColor) : m_picBg;
}

void FloatingPicture::applyDisplayColor(const QColor &picBgColor, bool flyMode) {
    const bool rescaleNeeded = flyMode != m_flyMode;
    m_picBg = picBgColor;
    m_flyMode = flyMode;
    QPalette pal = m_panel.palette();
    pal.setColor(QPalette::Window, panelColor());
    pal.setColor(QPalette::WindowText, QColor(0, 255, 0)); // the panel's lime lettering
    m_panel.setPalette(pal);
    m_panel.update();
    if (m_logo)
        m_logo->setPanelColor(panelColor());
    if (m_window)
        m_window->setBackground(windowBackground());
    if (rescaleNeeded)
        rescale();
    scheduleMasks();
}

QRect FloatingPicture::pictureRectInImage() const {
    if (m_scaled.isNull())
        return {};
    const QRect area = m_image.contentsRect();
    return QRect(area.left() + (area.width() - m_scaled.width()) / 2,
                 area.top() + (area.height() - m_scaled.height()) / 2, m_scaled.width(), m_scaled.height());
}

void FloatingPicture::scheduleMasks() {
    if (!m_maskTimer.isActive())
        m_maskTimer.start();
}

void FloatingPicture::updateMasks() {
    // Outside the fly-picture mode nothing is cut: no region to build.
    const QRegion picture =
        m_scaled.isNull() || !m_flyMode ? QRegion() : opaqueRegion(m_scaled, kSeeThroughColor);
    const QPoint pictureAt = pictureRectInImage().topLeft();

    // The main window: the whole panel, its frame too (a frame left standing
    // would show as a strip round the hole), lets the desktop through, all
    // but the picture's own pixels.
    const bool mainSeeThrough = m_flyMode && !m_open && m_panel.isVisible() && m_panel.width() > 0;
    if (mainSeeThrough) {
        const QRect inside(m_panel.mapTo(&m_main, QPoint(0, 0)), m_panel.size());
        QRegion mask = QRegion(m_main.rect()).subtracted(QRegion(inside));
        if (m_image.parentWidget() == &m_panel)
            mask += picture.translated(m_image.mapTo(&m_main, pictureAt)).intersected(QRegion(inside));
        m_main.setMask(mask);
        m_mainMasked = true;
    } else if (m_mainMasked) {
        m_main.clearMask();
        m_mainMasked = false;
        // What was drawn while the panel was cut out never reached the
        // screen: the panel is drawn again now that it shows.
        m_main.update(QRect(m_panel.mapTo(&m_main, QPoint(0, 0)), m_panel.size()));
    }

    // The floating window: only the picture's own pixels; a picture without
    // any (or none at all) keeps the whole window, so it can still be found.
    if (m_window) {
        if (m_flyMode && !picture.isEmpty() && m_image.parentWidget() == m_window)
            m_window->setMask(picture.translated(m_image.mapTo(m_window, pictureAt)));
        else
            m_window->clearMask();
    }
}

} // namespace qor

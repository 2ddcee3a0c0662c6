#include "help/ui/help_panel.h"

#include "common_ui/dialog_provider.h"
#include "common_ui/pixel_font.h"
#include "settings/settings_block.h"
#include "settings/settings_store.h"
#include "settings/stored_geometry.h"

#include <QDir>
#include <QEvent>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QToolTip>

#include <algorithm>

namespace qor {

namespace {

// Titles 2 pixels from the left, centred in rows of a fixed height; a title
// too wide for the list shows whole in a hint over its row.
class HelpTitleDelegate : public QStyledItemDelegate {
  public:
    HelpTitleDelegate(const int &rowHeight, QObject *parent)
        : QStyledItemDelegate(parent), m_rowHeight(rowHeight) {}

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const override {
        return {option.rect.width(), m_rowHeight};
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override {
        const bool selected = option.state & QStyle::State_Selected;
        const QPalette &pal = option.palette;
        painter->fillRect(option.rect, selected ? pal.highlight() : pal.base());
        painter->setPen(selected ? pal.highlightedText().color() : pal.text().color());
        painter->setFont(option.font);
        const QFontMetrics metrics(option.font);
        const int top = option.rect.top() + option.rect.height() / 2 - metrics.height() / 2;
        painter->drawText(QPoint(option.rect.left() + 2, top + metrics.ascent()),
                          index.data(Qt::DisplayRole).toString());
    }

    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override {
        if (event->type() != QEvent::ToolTip || !index.isValid())
            return QStyledItemDelegate::helpEvent(event, view, option, index);
        const QString title = index.data(Qt::DisplayRole).toString();
        if (QFontMetrics(option.font).horizontalAdvance(title) + 2 < view->viewport()->width()) {
            QToolTip::hideText();
            return true;
        }
        const QPoint at = view->viewport()->mapToGlobal(QPoint(0, option.rect.top()));
        QToolTip::showText(at, title, view->viewport(), option.rect);
        return true;
    }

  private:
    const int &m_rowHeight;
};

} // namespace

HelpPanel::HelpPanel(QTabWidget &pages, QWidget &tabSheet, const QString &dataDir, DialogProvider &dialogs,
                     SettingsStore &settings, QObject *parent)
    : QObject(parent), m_dataDir(dataDir), m_dialogs(dialogs), m_settings(settings) {
    buildControls(tabSheet);
    connect(m_list, &QListWidget::currentRowChanged, this, &HelpPanel::showSelectedTopic);
    connect(&m_settings, &SettingsStore::settingChanged, this, [this](int line) {
        if (line == Setting.HelpItemHeight.line)
            applyItemHeight();
    });
    connect(&pages, &QTabWidget::currentChanged, this, [this, &pages, &tabSheet] {
        if (pages.currentWidget() == &tabSheet)
            enter();
    });
}

void HelpPanel::buildControls(QWidget &tabSheet) {
    auto *layout = new QHBoxLayout(&tabSheet);
    layout->setContentsMargins(0, 0, 0, 0);
    m_splitter = new QSplitter(Qt::Horizontal, &tabSheet);
    m_list = new QListWidget(m_splitter);
    m_list->setObjectName(QStringLiteral("LbHelp"));
    m_list->setFont(pixelFont(QStringLiteral("Tahoma"), 13));
    m_memo = new QPlainTextEdit(m_splitter);
    m_memo->setObjectName(QStringLiteral("MemoHelp"));
    m_memo->setReadOnly(true);
    m_memo->setFont(pixelFont(QStringLiteral("Tahoma"), 13));
    m_splitter->addWidget(m_list);
    m_splitter->addWidget(m_memo);
    m_splitter->handle(1)->setObjectName(QStringLiteral("Splitter6"));
    m_splitter->setSizes({501, 500});
    layout->addWidget(m_splitter);

    m_list->setItemDelegate(new HelpTitleDelegate(m_itemHeight, m_list));
    m_list->setUniformItemSizes(true);
    // A title wider than the list shows whole in its hint instead.
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(m_splitter, &QSplitter::splitterMoved, this, [this] { m_chosenListWidth = m_list->width(); });
    m_splitter->installEventFilter(this);
}

bool HelpPanel::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_splitter && event->type() == QEvent::Resize && m_loaded)
        applyListWidth();
    return QObject::eventFilter(watched, event);
}

void HelpPanel::applyListWidth() {
    const int total = m_splitter->width();
    const int width = std::max(1, std::min(m_chosenListWidth, (total - m_splitter->handleWidth()) / 2));
    m_splitter->setSizes({width, std::max(1, total - width - m_splitter->handleWidth())});
}

void HelpPanel::enter() {
    const MainSettings &settings = m_settings.settings();
    if (m_loaded)
        return;
    HelpPage page;
    if (const auto error = loadHelpFile(m_dataDir, page)) {
        m_dialogs.message(m_list->window(), error->toText(), MessageIcon::Warning);
        return;
    }
    m_page = std::move(page);
    {
        const QSignalBlocker quiet(m_list);
        m_list->setUpdatesEnabled(false);
        m_list->clear();
        m_list->addItems(m_page.Titles);
    }
    const SettingsBlock &b = settings.block;
    const FontSetting &stored = settings.font(SettingsFont::LbHelp);
    if (!stored.name.isEmpty() && stored.size > 0 && stored.size <= 200) {
        QFont font = m_list->font();
        font.setFamily(stored.name);
        font.setPointSize(stored.size);
        m_list->setFont(font);
    }
    m_memo->setFont(m_list->font());
    // The height read is kept within its range from now on.
    m_settings.setSetting(Setting.HelpItemHeight, b.clamped(Setting.HelpItemHeight));
    applyItemHeight();
    m_chosenListWidth = storedPixelSize(b.get(Setting.HelpListWidth), 1);
    applyListWidth();
    {
        const QSignalBlocker quiet(m_list);
        m_list->setCurrentRow(m_page.topicCount() > 0 ? 0 : -1);
        m_list->setUpdatesEnabled(true);
    }
    showSelectedTopic();
    if (m_page.topicCount() == 0) {
        m_memo->setPlainText(
            QStringLiteral("Файл справки %1 пуст.")
                .arg(QDir::toNativeSeparators(QDir(m_dataDir).filePath(QStringLiteral("Help.ini")))));
    }
    m_loaded = true;
}

void HelpPanel::showSelectedTopic() {
    const int row = m_list->currentRow();
    if (row < 0)
        return;
    // The body keeps the file's CR LF line ends; the text area wants LF.
    QString text = m_page.body(row);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_memo->setPlainText(text);
}

int HelpPanel::itemHeight() const {
    return m_settings.block().clamped(Setting.HelpItemHeight);
}

void HelpPanel::applyItemHeight() {
    m_itemHeight = std::max(1, itemHeight());
    // The uniform row size is measured again after a layout change.
    m_list->doItemsLayout();
    m_list->viewport()->update();
}

void HelpPanel::setHelpFont(const QFont &font) {
    m_settings.setFont(SettingsFont::LbHelp, font.family(), font.pointSize());
    m_list->setFont(font);
    m_memo->setFont(font);
    m_list->doItemsLayout();
}

void HelpPanel::collectSettings() {
    if (m_loaded)
        m_settings.setSetting(Setting.HelpListWidth, m_chosenListWidth);
}

} // namespace qor

#include "brewing_plan/ui/brewing_plan_window.h"

#include "visuals/ui/item_pictures.h"

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace qor {

namespace {

constexpr int kIconSize = 32;
constexpr int kCountColumn = 1;
// The size the window opens at where the screen has room.
constexpr QSize kPreferredSize(1000, 680);
// Long effect names must not widen the window past a small screen.
constexpr int kComboMinimumChars = 14;

QString number(std::int64_t v) {
    return QLocale(QLocale::Russian).toString(qlonglong(v));
}

QTableWidgetItem *readOnlyItem(const QString &text) {
    auto *item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

QTableWidgetItem *numberItem(std::int64_t v) {
    QTableWidgetItem *item = readOnlyItem(QString::number(v));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

} // namespace

// Stays on top like the other tool windows, so that raising it puts it above them.
BrewingPlanWindow::BrewingPlanWindow(const BrewingPlanContext &context, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), m_ctx(context) {
    setObjectName(QStringLiteral("BrewingPlanWindow"));
    setWindowTitle(QStringLiteral("План варки"));
    buildControls();
    loadStock();
    loadSettings();
    // Leaving the program stops a plan at once rather than when the window
    // is destroyed after the event loop.
    connect(qApp, &QCoreApplication::aboutToQuit, this, &BrewingPlanWindow::cancelPlan);
    const QScreen *screen = parent != nullptr ? parent->screen() : this->screen();
    const QSize room = screen != nullptr ? screen->availableGeometry().size() : kPreferredSize;
    resize(kPreferredSize.boundedTo(room * 9 / 10).expandedTo(minimumSizeHint()));
}

BrewingPlanWindow::~BrewingPlanWindow() {
    if (m_cancel)
        m_cancel->store(true);
    joinWorker();
}

void BrewingPlanWindow::buildControls() {
    // Left: the stock.
    auto *stockBox = new QGroupBox(QStringLiteral("Запас ингредиентов"));
    stockBox->setObjectName(QStringLiteral("StockBox"));
    m_stockBox = stockBox;
    m_stockTable = new QTableWidget(0, 2, stockBox);
    m_stockTable->setObjectName(QStringLiteral("StockTable"));
    m_stockTable->setHorizontalHeaderLabels({QStringLiteral("Ингредиент"), QStringLiteral("Кол-во")});
    m_stockTable->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_stockTable->verticalHeader()->hide();
    m_stockTable->setIconSize(QSize(kIconSize, kIconSize));
    m_stockTable->verticalHeader()->setDefaultSectionSize(kIconSize + 2);
    connect(m_stockTable, &QTableWidget::itemChanged, this, &BrewingPlanWindow::onStockEdited);

    m_fillCount = new QSpinBox;
    m_fillCount->setObjectName(QStringLiteral("FillCount"));
    m_fillCount->setRange(0, kMaxStockCount);
    m_fillCount->setValue(5);
    auto *fill = new QPushButton(QStringLiteral("Взять из набора"));
    fill->setObjectName(QStringLiteral("FillButton"));
    fill->setToolTip(QStringLiteral("Столько каждого ингредиента текущего набора"));
    connect(fill, &QPushButton::clicked, this, [this] { fillFromAvailable(m_fillCount->value()); });
    auto *clear = new QPushButton(QStringLiteral("Очистить"));
    connect(clear, &QPushButton::clicked, this, [this] { fillFromAvailable(0); });
    auto *fillRow = new QHBoxLayout;
    fillRow->addWidget(m_fillCount);
    fillRow->addWidget(fill);
    fillRow->addWidget(clear);
    auto *stockLayout = new QVBoxLayout(stockBox);
    stockLayout->addWidget(m_stockTable);
    stockLayout->addLayout(fillRow);

    // Right: options, the plan and what is left.
    m_countMode = new QComboBox;
    m_countMode->setObjectName(QStringLiteral("PlanCountMode"));
    m_countMode->addItems(
        {QStringLiteral("Пары"), QStringLiteral("Тройки"), QStringLiteral("Пары и тройки")});
    m_countMode->setCurrentIndex(2);
    m_kind = new QComboBox;
    m_kind->setObjectName(QStringLiteral("PlanKind"));
    m_kind->addItems({QStringLiteral("Зелья"), QStringLiteral("Яды"), QStringLiteral("Зелья и яды")});
    m_kind->setCurrentIndex(2);
    m_effect = new QComboBox;
    m_effect->setObjectName(QStringLiteral("PlanEffect"));
    m_effect->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_effect->setMinimumContentsLength(kComboMinimumChars);
    m_effect->addItem(QStringLiteral("Любой"), 0);
    for (int e = 1; e <= m_ctx.data.highestEffect() && e < m_ctx.data.EffectNames.size(); ++e)
        m_effect->addItem(m_ctx.data.EffectNames.at(e), e);
    m_objective = new QComboBox;
    m_objective->setObjectName(QStringLiteral("PlanObjective"));
    m_objective->addItems({QStringLiteral("Наибольшая цена"), QStringLiteral("Больше всего зелий")});
    m_timeLimit = new QDoubleSpinBox;
    m_timeLimit->setObjectName(QStringLiteral("PlanTimeLimit"));
    m_timeLimit->setRange(0.5, 3600.0);
    m_timeLimit->setValue(30.0);
    m_timeLimit->setSuffix(QStringLiteral(" с"));
    // Saved when a value is settled, not at every typed digit.
    m_timeLimit->setKeyboardTracking(false);
    for (QComboBox *combo : {m_countMode, m_kind, m_effect, m_objective})
        connect(combo, &QComboBox::currentIndexChanged, this, &BrewingPlanWindow::saveSettings);
    connect(m_timeLimit, &QDoubleSpinBox::valueChanged, this, &BrewingPlanWindow::saveSettings);

    auto *options = new QFormLayout;
    options->addRow(QStringLiteral("Ингредиентов:"), m_countMode);
    options->addRow(QStringLiteral("Вид:"), m_kind);
    options->addRow(QStringLiteral("Эффект:"), m_effect);
    options->addRow(QStringLiteral("Цель:"), m_objective);
    options->addRow(QStringLiteral("Не дольше:"), m_timeLimit);

    m_planButton = new QPushButton(QStringLiteral("Составить план"));
    m_planButton->setObjectName(QStringLiteral("PlanButton"));
    connect(m_planButton, &QPushButton::clicked, this, &BrewingPlanWindow::startPlan);
    m_cancelButton = new QPushButton(QStringLiteral("Прервать"));
    m_cancelButton->setObjectName(QStringLiteral("PlanCancelButton"));
    m_cancelButton->setEnabled(false);
    connect(m_cancelButton, &QPushButton::clicked, this, &BrewingPlanWindow::cancelPlan);
    m_progress = new QProgressBar;
    m_progress->setObjectName(QStringLiteral("PlanBusy"));
    m_progress->setRange(0, 1);
    m_progress->setTextVisible(false);
    // Shown only while a plan is made: a visible bar keeps its style's
    // animation (and a timer) running even when it shows no progress.
    m_progress->hide();
    m_progressLabel = new QLabel;
    m_progressLabel->setObjectName(QStringLiteral("PlanProgress"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_planButton);
    buttons->addWidget(m_cancelButton);
    buttons->addWidget(m_progress, 1);

    m_planTable = new QTableWidget(0, 4);
    m_planTable->setObjectName(QStringLiteral("PlanTable"));
    m_planTable->setHorizontalHeaderLabels(
        {QStringLiteral("Рецепт"), QStringLiteral("Раз"), QStringLiteral("Цена"), QStringLiteral("Всего")});
    m_planTable->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_planTable->verticalHeader()->hide();
    m_planTable->setIconSize(QSize(3 * kIconSize, kIconSize));
    m_planTable->verticalHeader()->setDefaultSectionSize(kIconSize + 2);
    m_planTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_summary = new QLabel;
    m_summary->setObjectName(QStringLiteral("PlanSummary"));
    m_summary->setWordWrap(true);
    m_leftOver = new QListWidget;
    m_leftOver->setObjectName(QStringLiteral("PlanLeftOver"));
    m_leftOver->setViewMode(QListView::IconMode);
    m_leftOver->setIconSize(QSize(kIconSize, kIconSize));
    m_leftOver->setResizeMode(QListView::Adjust);
    m_leftOver->setMaximumHeight(110);

    auto *planBox = new QGroupBox(QStringLiteral("План"));
    auto *planLayout = new QVBoxLayout(planBox);
    planLayout->addLayout(options);
    planLayout->addLayout(buttons);
    planLayout->addWidget(m_progressLabel);
    planLayout->addWidget(m_planTable, 1);
    planLayout->addWidget(m_summary);
    planLayout->addWidget(new QLabel(QStringLiteral("Останется:")));
    planLayout->addWidget(m_leftOver);

    // Either side may shrink to fit a small screen.
    stockBox->setMinimumWidth(0);
    planBox->setMinimumWidth(0);
    auto *splitter = new QSplitter;
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(stockBox);
    splitter->addWidget(planBox);
    splitter->setStretchFactor(1, 2);
    splitter->setSizes({340, 640});
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(splitter);
}

QIcon BrewingPlanWindow::itemIcon(int item) const {
    if (m_ctx.pictures == nullptr)
        return {};
    const QImage *picture = m_ctx.pictures->picSmall(item);
    return picture != nullptr ? QIcon(QPixmap::fromImage(*picture)) : QIcon();
}

QIcon BrewingPlanWindow::recipeIcon(const TPotionRec &rec) const {
    if (m_ctx.pictures == nullptr)
        return {};
    QPixmap strip(3 * kIconSize, kIconSize);
    strip.fill(Qt::transparent);
    QPainter painter(&strip);
    for (int k = 0; k < rec.ItemCount; ++k) {
        if (const QImage *picture = m_ctx.pictures->picSmall(rec.Items[std::size_t(k)]))
            painter.drawImage(QRect(k * kIconSize, 0, kIconSize, kIconSize), *picture);
    }
    painter.end();
    return QIcon(strip);
}

void BrewingPlanWindow::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void BrewingPlanWindow::warn(const QString &text) {
    if (m_ctx.warn)
        m_ctx.warn(text);
}

void BrewingPlanWindow::loadStock() {
    const StockResult read =
        ReadStock(StockFilePath(m_ctx.settingsDir), m_ctx.data.itemRecordCount(), m_stock);
    // A file that is there but cannot be used is moved aside, not overwritten,
    // by the first save.
    m_stockToBackUp = read.status == StockResult::Status::Error;
    if (m_stockToBackUp) {
        warn(read.message +
             QStringLiteral("\nЗапас пуст. При первом изменении старый файл будет сохранён как %1.")
                 .arg(StockBackupPath(StockFilePath(m_ctx.settingsDir))));
    }
    showStock();
}

void BrewingPlanWindow::saveStock() {
    const QString path = StockFilePath(m_ctx.settingsDir);
    StockResult written;
    if (m_stockToBackUp)
        written = MoveStockToBackup(path);
    if (written.ok()) {
        m_stockToBackUp = false;
        written = WriteStock(path, m_stock);
    }
    // The counts on screen stay as typed; the box says they are not on disk.
    m_stockBox->setTitle(written.ok() ? QStringLiteral("Запас ингредиентов")
                                      : QStringLiteral("Запас ингредиентов (не сохранён)"));
    if (!written.ok())
        warn(written.message);
}

void BrewingPlanWindow::showStock() {
    const QSignalBlocker block(m_stockTable);
    const int items = m_ctx.data.highestItem();
    m_stockTable->setRowCount(items);
    for (int i = 1; i <= items; ++i) {
        QTableWidgetItem *name =
            readOnlyItem(i < m_ctx.data.ItemNames.size() ? m_ctx.data.ItemNames.at(i) : QString());
        name->setIcon(itemIcon(i));
        m_stockTable->setItem(i - 1, 0, name);
        auto *count = new QTableWidgetItem(QString::number(m_stock[std::size_t(i)]));
        count->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_stockTable->setItem(i - 1, kCountColumn, count);
    }
}

void BrewingPlanWindow::onStockEdited(QTableWidgetItem *item) {
    if (item->column() != kCountColumn)
        return;
    const auto index = std::size_t(item->row() + 1);
    bool ok = false;
    const qlonglong typed = item->text().trimmed().toLongLong(&ok);
    // Anything but a number keeps the old count; a number is held to 0..9999.
    const std::int32_t count =
        ok ? std::int32_t(std::clamp<qlonglong>(typed, 0, kMaxStockCount)) : m_stock[index];
    {
        const QSignalBlocker block(m_stockTable);
        item->setText(QString::number(count));
    }
    if (count != m_stock[index]) {
        m_stock[index] = count;
        saveStock();
    }
}

void BrewingPlanWindow::fillFromAvailable(std::int32_t count) {
    m_stock = StockFromAvailable(m_ctx.itemAvailable, m_ctx.data.itemRecordCount(), count);
    showStock();
    saveStock();
}

void BrewingPlanWindow::loadSettings() {
    PlanWindowSettings read;
    const PlanSettingsResult result = ReadPlanSettings(PlanSettingsFilePath(m_ctx.settingsDir), read);
    if (result.status == PlanSettingsResult::Status::Error)
        warn(result.message + QStringLiteral("\nВзяты настройки по умолчанию."));
    {
        // Showing what was read is no change to save.
        const QSignalBlocker blockCount(m_countMode), blockKind(m_kind), blockEffect(m_effect),
            blockObjective(m_objective), blockTime(m_timeLimit);
        m_countMode->setCurrentIndex(read.options.ItemsCountMode);
        m_kind->setCurrentIndex(int(read.options.kind));
        // An effect this data lacks falls back to "any".
        m_effect->setCurrentIndex(std::max(m_effect->findData(read.options.wantedEffect), 0));
        m_objective->setCurrentIndex(int(read.options.objective));
        m_timeLimit->setValue(read.timeLimitCs / 100.0);
    }
    m_savedSettings = result.ok() ? read : PlanWindowSettings{};
    if (!result.ok())
        m_savedSettings.timeLimitCs = -1; // nothing valid on disk: the first change writes
}

PlanWindowSettings BrewingPlanWindow::currentSettings() const {
    PlanWindowSettings s;
    s.options = currentOptions();
    s.timeLimitCs = static_cast<std::int32_t>(std::lround(m_timeLimit->value() * 100.0));
    return s;
}

void BrewingPlanWindow::saveSettings() {
    const PlanWindowSettings now = currentSettings();
    if (now == m_savedSettings)
        return;
    const PlanSettingsResult written = WritePlanSettings(PlanSettingsFilePath(m_ctx.settingsDir), now);
    if (!written.ok()) {
        warn(written.message);
        return;
    }
    m_savedSettings = now;
}

PlanOptions BrewingPlanWindow::currentOptions() const {
    PlanOptions o;
    o.ItemsCountMode = m_countMode->currentIndex();
    o.kind = static_cast<PlanKind>(m_kind->currentIndex());
    o.wantedEffect = m_effect->currentData().toInt();
    o.objective = m_objective->currentIndex() == 0 ? PlanObjective::Price : PlanObjective::Count;
    return o;
}

void BrewingPlanWindow::startPlan() {
    if (isSolving())
        return;
    // The worker shares the game data and gets its own copy of the
    // strengths: the program may recompute them while it runs.
    const GameData *data = &m_ctx.data;
    const bool purity = m_ctx.skills.PerkPurity;
    const StockCounts stock = m_stock;
    const PlanOptions options = currentOptions();
    auto cancel = std::make_shared<std::atomic<bool>>(false);
    m_cancel = cancel;
    PlanSolveControl control;
    control.timeLimitSeconds = m_timeLimit->value();
    control.cancel = cancel.get();
    // The destructor joins the worker, so this outlives it; events posted to
    // a window being destroyed are dropped by Qt.
    BrewingPlanWindow *self = this;
    control.progress = [self](std::int64_t best, std::int64_t bound) {
        QMetaObject::invokeMethod(
            self, [self, best, bound] { self->onProgress(best, bound); }, Qt::QueuedConnection);
    };
    auto bestSoFar = std::make_shared<BestPlanSoFar>();
    m_bestSoFar = bestSoFar;
    setSolving(true);
    m_progressLabel->setText(QStringLiteral("Перебор рецептов…"));
    m_worker = std::thread([self, data, strengths = m_ctx.strengths, purity, stock, options, control, cancel,
                            bestSoFar] {
        const auto solver = CreatePlanSolver();
        auto outcome = std::make_shared<BrewingPlanOutcome>(
            ComputeBrewingPlan(*data, strengths, purity, stock, options, *solver, control, bestSoFar.get()));
        QMetaObject::invokeMethod(
            self, [self, outcome] { self->onFinished(outcome); }, Qt::QueuedConnection);
    });
}

void BrewingPlanWindow::cancelPlan() {
    if (!isSolving())
        return;
    m_cancel->store(true);
    // The solver may need a moment to notice; the player sees the best plan
    // at once, and the worker's own answer (no worse) replaces it when it ends.
    if (const auto latest = m_bestSoFar ? m_bestSoFar->latest() : nullptr) {
        m_outcome = std::make_unique<BrewingPlanOutcome>(*latest);
        m_progress->setRange(0, 1);
        m_progress->hide();
        showPlan();
    }
    m_progressLabel->setText(QStringLiteral("Прерывание…"));
}

void BrewingPlanWindow::joinWorker() {
    if (!m_worker.joinable())
        return;
    m_worker.join();
#ifdef __GLIBC__
    // The solver's memory was freed in the worker's own arena, which the C
    // library keeps for reuse; hand it back so an idle window stays small.
    malloc_trim(0);
#endif
}

void BrewingPlanWindow::setSolving(bool on) {
    m_planButton->setEnabled(!on);
    m_cancelButton->setEnabled(on);
    m_stockBox->setEnabled(!on);
    m_progress->setRange(0, on ? 0 : 1); // busy indicator while solving
    m_progress->setVisible(on);
}

void BrewingPlanWindow::onProgress(std::int64_t best, std::int64_t bound) {
    if (!isSolving() || m_cancel->load())
        return;
    m_progressLabel->setText(
        QStringLiteral("Лучший план: %1; лучше %2 не бывает").arg(number(best), number(bound)));
}

void BrewingPlanWindow::onFinished(std::shared_ptr<BrewingPlanOutcome> outcome) {
    joinWorker();
    m_bestSoFar.reset();
    m_outcome = std::make_unique<BrewingPlanOutcome>(std::move(*outcome));
    setSolving(false);
    showPlan();
    Q_EMIT planFinished();
}

void BrewingPlanWindow::showPlan() {
    const BrewingPlanOutcome &o = *m_outcome;
    const auto &times = o.exact.plan.times;
    m_planTable->setRowCount(0);
    // The biggest contributions first.
    std::vector<std::size_t> brewed;
    for (std::size_t r = 0; r < o.recipes.size() && r < times.size(); ++r) {
        if (times[r] > 0)
            brewed.push_back(r);
    }
    std::stable_sort(brewed.begin(), brewed.end(), [&](std::size_t a, std::size_t b) {
        return o.recipes[a].value * times[a] > o.recipes[b].value * times[b];
    });
    int row = 0;
    for (std::size_t r : brewed) {
        const TPotionRec &rec = o.recipes[r].rec;
        QStringList names;
        for (int k = 0; k < rec.ItemCount; ++k) {
            const int item = rec.Items[std::size_t(k)];
            names.append(item < m_ctx.data.ItemNames.size() ? m_ctx.data.ItemNames.at(item) : QString());
        }
        m_planTable->insertRow(row);
        QTableWidgetItem *recipe = readOnlyItem(names.join(QStringLiteral(" + ")));
        recipe->setIcon(recipeIcon(rec));
        m_planTable->setItem(row, 0, recipe);
        m_planTable->setItem(row, 1, numberItem(times[r]));
        m_planTable->setItem(row, 2, numberItem(rec.Cost));
        m_planTable->setItem(row, 3, numberItem(std::int64_t(rec.Cost) * times[r]));
        ++row;
    }

    const bool byPrice = o.options.objective == PlanObjective::Price;
    QString text = byPrice ? QStringLiteral("Итого: %1").arg(number(o.exact.plan.total))
                           : QStringLiteral("Зелий: %1").arg(number(o.exact.plan.total));
    text += QStringLiteral("; жадный план: %1").arg(number(o.greedy.total));
    if (o.greedy.total > 0)
        text += QStringLiteral(", этот лучше на %1 %")
                    .arg(QLocale(QLocale::Russian).toString(100.0 * o.gainOverGreedy(), 'f', 1));
    switch (o.exact.status) {
    case PlanSolveStatus::Optimal:
        text += QStringLiteral(". План наилучший.");
        break;
    case PlanSolveStatus::TimeLimit:
    case PlanSolveStatus::Cancelled: {
        const QString why = o.exact.status == PlanSolveStatus::Cancelled ? QStringLiteral("Прервано")
                                                                         : QStringLiteral("Время вышло");
        // Stopped while the recipes were still being listed: nothing bounds the plan yet.
        if (o.exact.bound == kUnknownPlanBound)
            text += QStringLiteral(". %1 до оценки лучшего плана.").arg(why);
        else
            text += QStringLiteral(". %1; лучше %2 не бывает (разрыв до %3 %).")
                        .arg(why, number(o.exact.bound),
                             QLocale(QLocale::Russian).toString(100.0 * o.exact.gap(), 'f', 2));
        break;
    }
    case PlanSolveStatus::Failed:
        text += QStringLiteral(". Точный план не составлен (%1), показан жадный.").arg(o.exact.error);
        break;
    }
    m_summary->setText(text);
    m_progressLabel->setText(
        QStringLiteral("Рецептов на выбор: %1").arg(number(qlonglong(o.candidateCount))));

    m_leftOver->clear();
    const auto left = PlanLeftOver(o.recipes, times, o.stock);
    for (std::size_t i = 1; i < left.size(); ++i) {
        if (left[i] <= 0)
            continue;
        const QString name =
            qsizetype(i) < m_ctx.data.ItemNames.size() ? m_ctx.data.ItemNames.at(qsizetype(i)) : QString();
        auto *entry = new QListWidgetItem(itemIcon(int(i)), QStringLiteral("%1 ×%2").arg(name).arg(left[i]));
        m_leftOver->addItem(entry);
    }
    if (m_leftOver->count() == 0)
        m_leftOver->addItem(QStringLiteral("ничего"));
}

BrewingPlanWindow *showBrewingPlanWindow(QWidget *parent, const BrewingPlanContext &context) {
    auto *window = parent->findChild<BrewingPlanWindow *>(QStringLiteral("BrewingPlanWindow"),
                                                          Qt::FindDirectChildrenOnly);
    if (window == nullptr)
        window = new BrewingPlanWindow(context, parent);
    window->show();
    // Where the window manager left it partly off a small screen, bring it back.
    if (const QScreen *screen = window->screen()) {
        const QRect room = screen->availableGeometry();
        QRect frame = window->frameGeometry();
        if (!room.contains(frame)) {
            frame.moveRight(std::min(frame.right(), room.right()));
            frame.moveBottom(std::min(frame.bottom(), room.bottom()));
            frame.moveLeft(std::max(frame.left(), room.left()));
            frame.moveTop(std::max(frame.top(), room.top()));
            window->move(frame.topLeft());
        }
    }
    window->raise();
    window->activateWindow();
    return window;
}

} // namespace qor

#include "discovery/ui/discovery_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>

namespace qor {

namespace {

// Single experiments listed, and the plan's time limit, the command-line
// tool's default: the window stays usable meanwhile and "Прервать" stops
// the solve sooner.
constexpr std::size_t kBestShown = 15;
constexpr double kPlanSeconds = 30.0;
const QSize kPreferredSize(620, 460);

// A line too long for a narrow window is read whole in its tooltip.
void addLine(QListWidget *list, const QString &text) {
    auto *item = new QListWidgetItem(text, list);
    item->setToolTip(text);
}

// The steps less what is known now, without those that teach nothing more.
std::vector<DiscoveryStep> stillTeaching(std::span<const DiscoveryStep> steps, const KnownEffects &known) {
    std::vector<DiscoveryStep> left;
    for (const DiscoveryStep &s : steps) {
        const DiscoveryStep rest = withoutKnown(s, known);
        if (rest.freshCount() > 0)
            left.push_back(rest);
    }
    return left;
}

} // namespace

// What the worker hands back to the window.
struct DiscoveryWindow::Outcome {
    std::vector<DiscoveryStep> best;
    DiscoveryPlan plan;
    bool planned = false; // false: cancelled before the plan was begun
};

DiscoveryWindow::DiscoveryWindow(KnownStore &store, const QString &settingsDir, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), m_store(store), m_settingsDir(settingsDir) {
    setObjectName(QStringLiteral("DiscoveryWindow"));
    setWindowTitle(QStringLiteral("Изучение эффектов"));
    buildControls();
    connect(&m_store, &KnownStore::changed, this, [this] {
        if (isVisible())
            refreshAfterChange();
    });
    // Leaving the program stops a solve at once rather than when the window
    // is destroyed after the event loop.
    connect(qApp, &QCoreApplication::aboutToQuit, this, &DiscoveryWindow::cancelSolve);
    const QScreen *screen = parent != nullptr ? parent->screen() : this->screen();
    const QSize room = screen != nullptr ? screen->availableGeometry().size() : kPreferredSize;
    resize(kPreferredSize.boundedTo(room * 9 / 10).expandedTo(minimumSizeHint()));
}

DiscoveryWindow::~DiscoveryWindow() {
    if (m_cancel)
        m_cancel->store(true);
    joinWorker();
}

void DiscoveryWindow::buildControls() {
    auto *layout = new QVBoxLayout(this);
    auto *options = new QHBoxLayout;
    m_fromStock = new QCheckBox(QStringLiteral("Только из запаса"), this);
    m_fromStock->setObjectName(QStringLiteral("DiscoveryFromStock"));
    m_eating = new QCheckBox(QStringLiteral("Можно есть"), this);
    m_eating->setObjectName(QStringLiteral("DiscoveryEating"));
    auto *maxLabel = new QLabel(QStringLiteral("Варок не больше:"), this);
    m_maxBrews = new QSpinBox(this);
    m_maxBrews->setObjectName(QStringLiteral("DiscoveryMaxBrews"));
    m_maxBrews->setRange(0, 999);
    m_maxBrews->setSpecialValueText(QStringLiteral("без предела"));
    maxLabel->setBuddy(m_maxBrews);
    m_compute = new QPushButton(QStringLiteral("Рассчитать"), this);
    m_compute->setObjectName(QStringLiteral("DiscoveryCompute"));
    options->addWidget(m_fromStock);
    options->addWidget(m_eating);
    options->addWidget(maxLabel);
    options->addWidget(m_maxBrews);
    m_cancelButton = new QPushButton(QStringLiteral("Прервать"), this);
    m_cancelButton->setObjectName(QStringLiteral("DiscoveryCancel"));
    m_cancelButton->setEnabled(false);
    options->addStretch(1);
    options->addWidget(m_compute);
    options->addWidget(m_cancelButton);
    layout->addLayout(options);
    m_busy = new QProgressBar(this);
    m_busy->setObjectName(QStringLiteral("DiscoveryBusy"));
    m_busy->setTextVisible(false);
    m_busy->setMaximumHeight(m_busy->sizeHint().height() / 2);
    // Shown only while solving: a busy bar keeps its animation (and a timer)
    // running even when it shows no progress.
    m_busy->hide();
    layout->addWidget(m_busy);

    auto *planLabel = new QLabel(QStringLiteral("План (по порядку):"), this);
    m_plan = new QListWidget(this);
    m_plan->setObjectName(QStringLiteral("DiscoveryPlan"));
    planLabel->setBuddy(m_plan);
    layout->addWidget(planLabel);
    layout->addWidget(m_plan, 3);
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("DiscoverySummary"));
    m_summary->setWordWrap(true);
    layout->addWidget(m_summary);
    auto *lower = new QGridLayout;
    auto *bestLabel = new QLabel(QStringLiteral("Лучшие опыты по одному:"), this);
    m_best = new QListWidget(this);
    m_best->setObjectName(QStringLiteral("DiscoveryBest"));
    auto *neverLabel = new QLabel(QStringLiteral("Не открыть ни одним опытом:"), this);
    m_never = new QListWidget(this);
    m_never->setObjectName(QStringLiteral("DiscoveryNever"));
    lower->addWidget(bestLabel, 0, 0);
    lower->addWidget(m_best, 1, 0);
    lower->addWidget(neverLabel, 0, 1);
    lower->addWidget(m_never, 1, 1);
    lower->setColumnStretch(0, 3);
    lower->setColumnStretch(1, 1);
    layout->addLayout(lower, 2);
    auto *buttons = new QHBoxLayout;
    m_apply = new QPushButton(QStringLiteral("Отметить шаг изученным"), this);
    m_apply->setObjectName(QStringLiteral("DiscoveryApply"));
    auto *close = new QPushButton(QStringLiteral("Закрыть"), this);
    buttons->addStretch(1);
    buttons->addWidget(m_apply);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    connect(m_compute, &QPushButton::clicked, this, &DiscoveryWindow::recompute);
    connect(m_cancelButton, &QPushButton::clicked, this, &DiscoveryWindow::cancelSolve);
    connect(m_apply, &QPushButton::clicked, this, &DiscoveryWindow::applySelectedStep);
    connect(m_plan, &QListWidget::itemDoubleClicked, this, &DiscoveryWindow::applySelectedStep);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

QString DiscoveryWindow::slotText(int item, int slot) const {
    const GameData &data = m_store.data();
    const std::int32_t effect = data.ItemTable[std::size_t(item)].Eff[std::size_t(slot)].Effect;
    return effect > 0 && effect < data.EffectNames.size() ? data.EffectNames[effect] : QStringLiteral("?");
}

QString DiscoveryWindow::stepText(const DiscoveryStep &step) const {
    const GameData &data = m_store.data();
    QStringList names;
    QStringList learnt;
    for (std::size_t k = 0; k < step.items.size(); ++k) {
        const int item = step.items[k];
        if (item == 0)
            continue;
        names << data.ItemNames.value(item);
        for (int s = 0; s < kSlotsPerItem; ++s) {
            if ((step.fresh[k] & (1u << s)) != 0)
                learnt << QStringLiteral("%1: %2").arg(data.ItemNames.value(item), slotText(item, s));
        }
    }
    const QString what = step.eat ? QStringLiteral("Съесть %1").arg(names.join(QString()))
                                  : QStringLiteral("Сварить %1").arg(names.join(QStringLiteral(" + ")));
    return QStringLiteral("%1 → %2: %3")
        .arg(what)
        .arg(step.freshCount())
        .arg(learnt.join(QStringLiteral("; ")));
}

void DiscoveryWindow::showBest(std::span<const DiscoveryStep> steps) {
    m_best->clear();
    for (const DiscoveryStep &s : steps)
        addLine(m_best, stepText(s));
}

void DiscoveryWindow::showPlanSteps() {
    m_plan->clear();
    for (std::size_t k = 0; k < m_steps.size(); ++k)
        addLine(m_plan, QStringLiteral("%1. %2").arg(k + 1).arg(stepText(m_steps[k])));
    if (!m_steps.empty())
        m_plan->setCurrentRow(0);
    m_apply->setEnabled(!m_steps.empty() && !isSolving());
}

void DiscoveryWindow::refreshAfterChange() {
    // A new plan takes seconds; the one shown loses what is known now, and
    // "Рассчитать" plans anew.
    m_steps = stillTeaching(m_steps, m_store.known());
    showPlanSteps();
    // A running computation shows its own list when it ends.
    if (!isSolving())
        showBest(
            BestExperiments(m_store.data(), m_store.strengths(), m_store.known(), m_lastOptions, kBestShown));
}

void DiscoveryWindow::recompute() {
    if (isSolving())
        return;
    StockCounts stock;
    DiscoveryOptions options;
    options.eating = m_eating->isChecked();
    options.maxBrews = m_maxBrews->value() > 0 ? m_maxBrews->value() : -1;
    m_stockNote.clear();
    if (m_fromStock->isChecked()) {
        const StockResult r =
            ReadStock(StockFilePath(m_settingsDir), m_store.data().itemRecordCount(), stock);
        if (r.status == StockResult::Status::Error)
            m_stockNote = r.message + u'\n';
    }
    m_lastOptions = options;
    m_lastStock = stock;
    m_lastOptions.stock = m_fromStock->isChecked() ? &m_lastStock : nullptr;

    // The worker gets its own copies: the player may mark effects, and the
    // program load other data, while it runs.
    auto data = std::make_shared<const GameData>(m_store.data());
    auto strengths = std::make_shared<const EffectStrengths>(m_store.strengths());
    auto known = std::make_shared<const KnownEffects>(m_store.known());
    auto ownStock = std::make_shared<const StockCounts>(std::move(stock));
    auto cancel = std::make_shared<std::atomic<bool>>(false);
    m_cancel = cancel;
    PlanSolveControl control;
    control.timeLimitSeconds = kPlanSeconds;
    control.cancel = cancel.get();
    const bool fromStock = m_lastOptions.stock != nullptr;
    setSolving(true);
    m_summary->setText(m_stockNote + QStringLiteral("Перебор опытов…"));
    // The destructor joins the worker, so the window outlives it; an event
    // posted to a window being destroyed is dropped by Qt.
    DiscoveryWindow *self = this;
    m_worker = std::thread([self, data, strengths, known, ownStock, options, fromStock, control, cancel] {
        DiscoveryOptions own = options;
        own.stock = fromStock ? ownStock.get() : nullptr;
        auto outcome = std::make_shared<Outcome>();
        outcome->best =
            BestExperiments(*data, *strengths, *known, own, kBestShown, [&cancel] { return cancel->load(); });
        // A cancel while the steps are listed skips the plan.
        outcome->planned = !cancel->load();
        if (outcome->planned) {
            QMetaObject::invokeMethod(
                self, [self] { self->onPlanning(); }, Qt::QueuedConnection);
            const auto solver = CreateCoverSolver();
            outcome->plan = PlanDiscovery(*data, *strengths, *known, own, *solver, control);
        }
        QMetaObject::invokeMethod(
            self, [self, outcome] { self->onFinished(outcome); }, Qt::QueuedConnection);
    });
}

void DiscoveryWindow::onPlanning() {
    if (isSolving() && !m_cancel->load())
        m_summary->setText(m_stockNote + QStringLiteral("Поиск плана…"));
}

void DiscoveryWindow::cancelSolve() {
    if (!isSolving())
        return;
    m_cancel->store(true);
    m_summary->setText(m_stockNote + QStringLiteral("Прерывание…"));
}

void DiscoveryWindow::joinWorker() {
    if (m_worker.joinable())
        m_worker.join();
}

void DiscoveryWindow::setSolving(bool on) {
    m_compute->setEnabled(!on);
    m_cancelButton->setEnabled(on);
    m_fromStock->setEnabled(!on);
    m_eating->setEnabled(!on);
    m_maxBrews->setEnabled(!on);
    m_apply->setEnabled(!on && !m_steps.empty());
    m_busy->setRange(0, on ? 0 : 1); // a busy bar while solving
    m_busy->setVisible(on);
    // The window's own cursor: the rest of the program stays usable.
    if (on)
        setCursor(Qt::BusyCursor);
    else
        unsetCursor();
}

void DiscoveryWindow::onFinished(const std::shared_ptr<Outcome> &outcome) {
    joinWorker();
    m_cancel.reset();
    setSolving(false);
    const DiscoveryPlan &plan = outcome->plan;
    // What the player marked meanwhile is left out of both lists.
    m_steps = stillTeaching(plan.steps, m_store.known());
    showPlanSteps();
    showBest(stillTeaching(outcome->best, m_store.known()));
    const GameData &data = m_store.data();
    m_never->clear();
    for (const EffectSlot &u : plan.unrevealable)
        addLine(m_never,
                QStringLiteral("%1: %2").arg(data.ItemNames.value(u.item), slotText(u.item, u.slot)));
    if (!outcome->planned) {
        m_summary->setText(m_stockNote + QStringLiteral("Расчёт прерван до плана."));
        Q_EMIT planFinished();
        return;
    }
    QString proof;
    if (plan.status == PlanSolveStatus::Optimal)
        proof = QStringLiteral("меньше шагов не бывает");
    else if (plan.lowerBound >= 0)
        proof = QStringLiteral("не меньше %1 шагов нужно в любом плане").arg(plan.lowerBound);
    else
        proof = QStringLiteral("лучший найденный план");
    if (plan.status == PlanSolveStatus::Cancelled)
        proof = QStringLiteral("прервано; ") + proof;
    m_summary->setText(m_stockNote +
                       QStringLiteral("Неизвестно эффектов: %1, можно открыть: %2, план открывает: %3. "
                                      "Варок: %4, съесть: %5 (%6).")
                           .arg(plan.unknownCount)
                           .arg(plan.revealableCount)
                           .arg(plan.revealedCount)
                           .arg(plan.brews)
                           .arg(plan.eatings)
                           .arg(proof));
    Q_EMIT planFinished();
}

void DiscoveryWindow::applySelectedStep() {
    const int row = m_plan->currentRow();
    if (row < 0 || std::size_t(row) >= m_steps.size())
        return;
    // The store's change recomputes the plan from the new knowledge.
    m_store.apply(m_steps[std::size_t(row)]);
}

void DiscoveryWindow::closeEvent(QCloseEvent *event) {
    // A closed window has no use for its plan.
    cancelSolve();
    QWidget::closeEvent(event);
}

void DiscoveryWindow::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

DiscoveryWindow *showDiscoveryWindow(QWidget *parent, KnownStore &store, const QString &settingsDir) {
    auto *window =
        parent->findChild<DiscoveryWindow *>(QStringLiteral("DiscoveryWindow"), Qt::FindDirectChildrenOnly);
    if (window == nullptr)
        window = new DiscoveryWindow(store, settingsDir, parent);
    window->show();
    window->raise();
    window->activateWindow();
    if (!window->isSolving())
        window->recompute();
    return window;
}

} // namespace qor

#include "discovery/ui/discovery_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>

namespace qor {

namespace {

// Single experiments listed, and the plan's time limit: the window waits for
// the plan, so it is short; the command-line tool can take longer.
constexpr std::size_t kBestShown = 15;
constexpr double kPlanSeconds = 5.0;
const QSize kPreferredSize(620, 460);

// A line too long for a narrow window is read whole in its tooltip.
void addLine(QListWidget *list, const QString &text) {
    auto *item = new QListWidgetItem(text, list);
    item->setToolTip(text);
}

} // namespace

DiscoveryWindow::DiscoveryWindow(KnownStore &store, const QString &settingsDir, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), m_store(store), m_settingsDir(settingsDir) {
    setObjectName(QStringLiteral("DiscoveryWindow"));
    setWindowTitle(QStringLiteral("Изучение эффектов"));
    buildControls();
    connect(&m_store, &KnownStore::changed, this, [this] {
        if (isVisible())
            refreshAfterChange();
    });
    const QScreen *screen = parent != nullptr ? parent->screen() : this->screen();
    const QSize room = screen != nullptr ? screen->availableGeometry().size() : kPreferredSize;
    resize(kPreferredSize.boundedTo(room * 9 / 10).expandedTo(minimumSizeHint()));
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
    options->addStretch(1);
    options->addWidget(m_compute);
    layout->addLayout(options);

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

QStringList DiscoveryWindow::bestLines(const DiscoveryOptions &options) const {
    QStringList lines;
    for (const DiscoveryStep &s :
         BestExperiments(m_store.data(), m_store.strengths(), m_store.known(), options, kBestShown))
        lines << stepText(s);
    return lines;
}

void DiscoveryWindow::showPlanSteps() {
    m_plan->clear();
    for (std::size_t k = 0; k < m_steps.size(); ++k)
        addLine(m_plan, QStringLiteral("%1. %2").arg(k + 1).arg(stepText(m_steps[k])));
    if (!m_steps.empty())
        m_plan->setCurrentRow(0);
    m_apply->setEnabled(!m_steps.empty());
}

void DiscoveryWindow::refreshAfterChange() {
    // A new plan takes seconds; the one shown loses what is known now, and
    // "Рассчитать" plans anew.
    std::vector<DiscoveryStep> left;
    for (const DiscoveryStep &s : m_steps) {
        const DiscoveryStep rest = withoutKnown(s, m_store.known());
        if (rest.freshCount() > 0)
            left.push_back(rest);
    }
    m_steps = std::move(left);
    showPlanSteps();
    m_best->clear();
    for (const QString &line : bestLines(m_lastOptions))
        addLine(m_best, line);
}

void DiscoveryWindow::recompute() {
    const GameData &data = m_store.data();
    const KnownEffects &known = m_store.known();
    StockCounts stock;
    DiscoveryOptions options;
    options.eating = m_eating->isChecked();
    options.maxBrews = m_maxBrews->value() > 0 ? m_maxBrews->value() : -1;
    QString stockNote;
    if (m_fromStock->isChecked()) {
        const StockResult r = ReadStock(StockFilePath(m_settingsDir), data.itemRecordCount(), stock);
        if (r.status == StockResult::Status::Error)
            stockNote = r.message + u'\n';
        options.stock = &stock;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_lastOptions = options;
    m_lastOptions.stock = nullptr;
    if (options.stock != nullptr) {
        m_lastStock = stock;
        m_lastOptions.stock = &m_lastStock;
    }
    m_best->clear();
    for (const QString &line : bestLines(options))
        addLine(m_best, line);
    PlanSolveControl control;
    control.timeLimitSeconds = kPlanSeconds;
    const auto solver = CreateCoverSolver();
    const DiscoveryPlan plan = PlanDiscovery(data, m_store.strengths(), known, options, *solver, control);
    QApplication::restoreOverrideCursor();

    m_steps = plan.steps;
    showPlanSteps();
    m_never->clear();
    for (const EffectSlot &u : plan.unrevealable)
        addLine(m_never,
                QStringLiteral("%1: %2").arg(data.ItemNames.value(u.item), slotText(u.item, u.slot)));
    QString proof;
    if (plan.status == PlanSolveStatus::Optimal)
        proof = QStringLiteral("меньше шагов не бывает");
    else if (plan.lowerBound >= 0)
        proof = QStringLiteral("не меньше %1 шагов нужно в любом плане").arg(plan.lowerBound);
    else
        proof = QStringLiteral("лучший найденный план");
    m_summary->setText(stockNote +
                       QStringLiteral("Неизвестно эффектов: %1, можно открыть: %2, план открывает: %3. "
                                      "Варок: %4, съесть: %5 (%6).")
                           .arg(plan.unknownCount)
                           .arg(plan.revealableCount)
                           .arg(plan.revealedCount)
                           .arg(plan.brews)
                           .arg(plan.eatings)
                           .arg(proof));
    m_apply->setEnabled(!m_steps.empty());
}

void DiscoveryWindow::applySelectedStep() {
    const int row = m_plan->currentRow();
    if (row < 0 || std::size_t(row) >= m_steps.size())
        return;
    // The store's change recomputes the plan from the new knowledge.
    m_store.apply(m_steps[std::size_t(row)]);
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
    window->recompute();
    return window;
}

} // namespace qor

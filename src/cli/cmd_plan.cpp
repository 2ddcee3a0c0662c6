// plan --stock FILE [...]: the brewing plan for a stock, greedy and exact.

#include "brewing_plan/plan_model_lp.h"
#include "brewing_plan/plan_run.h"
#include "cli/cli_commands.h"
#include "cli/cli_format.h"
#include "cli/solve_options.h"

#include <QFile>
#include <QTextStream>

#include <atomic>
#include <chrono>
#include <csignal>
#include <future>
#include <memory>

namespace qor {

namespace {

// What a shell expects of a program ended by Ctrl+C (128 + SIGINT).
constexpr int kExitInterrupted = 128 + SIGINT;
// How often the waiting command looks whether Ctrl+C came.
constexpr std::chrono::milliseconds kInterruptPoll{5};

// Ctrl+C while the plan is made cancels the solve instead of killing the
// process, so the best plan found so far is still printed. A signal handler
// can only reach a flag with static storage; this one lives as long as the
// guard that installs the handler.
class InterruptCancelsSolve {
  public:
    InterruptCancelsSolve() {
        s_interrupted.store(false);
        struct sigaction action {};
        action.sa_handler = &InterruptCancelsSolve::onInterrupt;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, &m_previous);
    }
    ~InterruptCancelsSolve() { sigaction(SIGINT, &m_previous, nullptr); }
    InterruptCancelsSolve(const InterruptCancelsSolve &) = delete;
    InterruptCancelsSolve &operator=(const InterruptCancelsSolve &) = delete;

    const std::atomic<bool> *flag() const { return &s_interrupted; }
    bool interrupted() const { return s_interrupted.load(); }

  private:
    static void onInterrupt(int) { s_interrupted.store(true); }

    static_assert(std::atomic<bool>::is_always_lock_free, "the handler may only touch a lock-free flag");
    static inline std::atomic<bool> s_interrupted{false};
    struct sigaction m_previous {};
};

// One line per recipe brewed (ingredients, 0 for none; times; price each),
// then the totals and how the solve ended.
void printPlan(CliContext &ctx, const BrewingPlanOutcome &plan) {
    for (std::size_t r = 0; r < plan.recipes.size(); ++r) {
        const std::int32_t times = plan.exact.plan.times[r];
        if (times == 0)
            continue;
        const TPotionRec &rec = plan.recipes[r].rec;
        ctx.out << "brew " << rec.Items[0] << ' ' << rec.Items[1] << ' ' << rec.Items[2] << ' ' << times
                << ' ' << rec.Cost << '\n';
    }
    ctx.out << "total " << plan.exact.plan.total << '\n'
            << "greedy " << plan.greedy.total << '\n'
            << "bound ";
    if (plan.exact.bound == kUnknownPlanBound)
        ctx.out << "unknown";
    else
        ctx.out << plan.exact.bound;
    ctx.out << '\n'
            << "recipes " << plan.candidateCount << '\n'
            << "status " << planStatusName(plan.exact.status) << '\n';
}

struct FinishedPlan {
    std::shared_ptr<const BrewingPlanOutcome> plan;
    bool printed = false; // already printed when Ctrl+C came
};

// Makes the plan on a worker thread. On Ctrl+C the best plan so far is
// printed at once, however long the solver takes to notice the cancel; the
// worker is then waited for, so nothing runs on after the command.
FinishedPlan runPlan(CliContext &ctx, const StockCounts &stock, const PlanOptions &options,
                     const PlanSolveControl &control, const InterruptCancelsSolve &interrupt) {
    BestPlanSoFar bestSoFar;
    // The future's get() hands on what the worker threw; std::async joins it.
    auto result = std::async(std::launch::async, [&] {
        const auto solver = CreatePlanSolver();
        return std::make_shared<const BrewingPlanOutcome>(ComputeBrewingPlan(
            ctx.data, ctx.strengths, ctx.skills.PerkPurity, stock, options, *solver, control, &bestSoFar));
    });
    FinishedPlan finished;
    while (result.wait_for(kInterruptPoll) != std::future_status::ready) {
        if (!interrupt.interrupted())
            continue;
        if (const auto latest = bestSoFar.latest()) {
            printPlan(ctx, *latest);
            ctx.out.flush();
            finished.printed = true;
        }
        break;
    }
    finished.plan = result.get();
    return finished;
}

} // namespace

int cmdPlan(CliContext &ctx, const QStringList &args) {
    const QString name = QStringLiteral("plan");
    QCommandLineParser parser;
    const QCommandLineOption stockOpt(QStringLiteral("stock"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption countOpt(QStringLiteral("count"), QString(), QStringLiteral("M"));
    const QCommandLineOption kindOpt(QStringLiteral("kind"), QString(), QStringLiteral("KIND"));
    const QCommandLineOption effectOpt(QStringLiteral("effect"), QString(), QStringLiteral("E"));
    const QCommandLineOption objectiveOpt(QStringLiteral("objective"), QString(), QStringLiteral("OBJ"));
    const QCommandLineOption lpOpt(QStringLiteral("write-lp"), QString(), QStringLiteral("FILE"));
    parser.addOptions({stockOpt, countOpt, kindOpt, effectOpt, objectiveOpt, lpOpt});
    PlanSolveControl control;
    // The window's default: its work budget proves every bundled stock.
    control.timeLimitSeconds = 30.0;
    if (const std::optional<int> failed = parseSolveOptions(ctx, name, parser, args, stockOpt, control))
        return *failed;

    PlanOptions options;
    if (parser.isSet(countOpt)) {
        if (!parseInt32(parser.value(countOpt), options.ItemsCountMode) || options.ItemsCountMode < 0 ||
            options.ItemsCountMode > 2)
            return ctx.usageError(name, QStringLiteral("--count must be 0 (pairs), 1 (triples) or 2 (both)"));
    }
    if (parser.isSet(kindOpt)) {
        const QString kind = parser.value(kindOpt);
        if (kind == QLatin1String("potions"))
            options.kind = PlanKind::Potions;
        else if (kind == QLatin1String("poisons"))
            options.kind = PlanKind::Poisons;
        else if (kind == QLatin1String("both"))
            options.kind = PlanKind::Both;
        else
            return ctx.usageError(name, QStringLiteral("--kind must be potions, poisons or both"));
    }
    if (parser.isSet(objectiveOpt)) {
        const QString objective = parser.value(objectiveOpt);
        if (objective == QLatin1String("price"))
            options.objective = PlanObjective::Price;
        else if (objective == QLatin1String("count"))
            options.objective = PlanObjective::Count;
        else
            return ctx.usageError(name, QStringLiteral("--objective must be price or count"));
    }
    if (parser.isSet(effectOpt) && !parseInt32(parser.value(effectOpt), options.wantedEffect))
        return ctx.usageError(name,
                              QStringLiteral("not an effect index: \"%1\"").arg(parser.value(effectOpt)));

    if (!ctx.loadData())
        return kExitDataError;
    if (options.wantedEffect < 0 || options.wantedEffect > ctx.data.highestEffect()) {
        return ctx.usageError(name, QStringLiteral("effect index %1 outside 0..%2")
                                        .arg(options.wantedEffect)
                                        .arg(ctx.data.highestEffect()));
    }
    StockCounts stock;
    if (!readStockOption(ctx, name, parser.value(stockOpt), stock))
        return kExitDataError;

    const InterruptCancelsSolve interrupt;
    control.cancel = interrupt.flag();
    const auto finished = runPlan(ctx, stock, options, control, interrupt);
    if (parser.isSet(lpOpt)) {
        QFile lp(parser.value(lpOpt));
        // The plan keeps only the recipes it brews: the model lists them all.
        const auto candidates =
            EnumeratePlanColumns(ctx.data, ctx.strengths, ctx.skills.PerkPurity, stock, options);
        if (!lp.open(QIODevice::WriteOnly) || lp.write(PlanModelLp(candidates, stock)) < 0) {
            ctx.err << name << ": cannot write " << parser.value(lpOpt) << ": " << lp.errorString() << '\n';
            return kExitDataError;
        }
    }
    if (!finished.printed)
        printPlan(ctx, *finished.plan);
    return interrupt.interrupted() ? kExitInterrupted : kExitOk;
}

} // namespace qor

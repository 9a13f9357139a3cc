// vantrel-solve on the shipped data file: one invocation with one entry, timed from before its
// process starts until it has ended; 10,000 commits in a row through the page session; and
// batches of 20,000 three-entry cases (Hazen-Williams and Colebrook-White for the head loss,
// Colebrook-White for the diameter) on one and on two threads, against a Python loop over the
// fluids library on the same cases. For steady figures on a busy machine pin it to cores:
//   taskset -c 0,1 vantrel_solve_bench --benchmark_repetitions=5 //
//   --benchmark_report_aggregates_only=true

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryFile>
#include <map>
#include <memory>
#include <random>

#include "calc/CalcUi.h"
#include "calc/NewtonMethod.h"
#include "calc/PageSession.h"
#include "solve/BatchCases.h"
#include "solve/BatchRun.h"
#include "solve/SolveRun.h"

namespace {

using namespace vantrel;

class Silent : public calc::CalcUi {
 public:
  void setStatusText(const QString&) override {}
  bool askYesNo(const QString&) override { return false; }
  void showCritical(const QString&) override {}
};

// Flow Rate on the Hazen-Williams page goes through 40 ... 79 l/s and back, each value typed
// as text and solved for Head Loss from the state the previous commit left. With argument 1 every
// row's text is also made after each commit, as the window's redisplay does.
void BM_TenThousandCommits(benchmark::State& state) {
  const bool withTexts = state.range(0) == 1;
  datafile::PageTables loaded;
  solve::loadDataFile(QStringLiteral(VANTREL_SHIPPED_DATA_DIR "/Vantrel.rtf"), loaded);
  QStringList typed;
  for (int i = 0; i < 40; ++i)
    typed << QString::number(40 + i);
  constexpr Integer kFlowRate = 2;
  Silent ui;
  for (auto _ : state) {
    state.PauseTiming();
    datafile::PageTables t = loaded;
    Integer unknown = 0;
    calc::PageSession session(t, unknown);
    session.enterPage(1);
    state.ResumeTiming();
    for (int n = 0; n < 10000; ++n) {
      Single prevValue = session.value(kFlowRate);
      const calc::CommitResult r = session.commit(kFlowRate, typed[n % 40], prevValue, ui);
      benchmark::DoNotOptimize(r.accepted);
      if (!withTexts) continue;
      for (Integer i = 1; i <= session.rowCount(); ++i)
        benchmark::DoNotOptimize(session.valueText(i));
    }
  }
}
BENCHMARK(BM_TenThousandCommits)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The batches measured: three entries each, drawn at random (seeded) over what a designer would
// use, every case solved from the page's defaults; and the Python loop over fluids that a batch
// is measured against, on the same cases.
struct BatchKind {
  const char* page;
  const char* unknown;  // "" for the page's own
  const char* header;
  const char* python;  // the fluids loop's mode; "" for none
};
const BatchKind kKinds[] = {
    {"H.Williams", "", "Flow Rate [l/s],Pipe Dia. [mm],C Factor", ""},
    {"C.White", "", "Flow Rate [l/s],Pipe Dia. [mm],Roughness [mm]", "headloss"},
    {"C.White", "Pipe Dia.", "Flow Rate [l/s],Head Loss [m],Roughness [mm]", "diameter"},
};
constexpr int kCases = 20000;

// The cases of kind, written once into a file that lasts as long as the program.
QString caseFile(int kind) {
  static std::map<int, std::unique_ptr<QTemporaryFile>> files;
  std::unique_ptr<QTemporaryFile>& file = files[kind];
  if (file) return file->fileName();
  file = std::make_unique<QTemporaryFile>();
  if (!file->open()) return {};
  std::mt19937 random(static_cast<unsigned>(kind + 1));
  const auto uniform = [&](double a, double b, char format, int decimals) {
    return QByteArray::number(std::uniform_real_distribution(a, b)(random), format, decimals);
  };
  QByteArray text = QByteArray(kKinds[kind].header) + '\n';
  for (int n = 0; n < kCases; ++n) {
    QByteArray flow = uniform(10, 200, 'f', 2);
    if (kind == 2) {
      text += flow + ',' + uniform(0.5, 20, 'f', 3) + ',' + uniform(0.01, 1, 'f', 3) + '\n';
      continue;
    }
    const QByteArray diameter = QByteArray::number(std::uniform_int_distribution(100, 600)(random));
    const QByteArray third = kind == 0 ? uniform(80, 150, 'f', 1) : uniform(0.01, 1, 'f', 3);
    text += flow + ',' + diameter + ',' + third + '\n';
  }
  file->write(text);
  file->flush();
  return file->fileName();
}

// The page and unknown of kind, as the command line names them.
solve::Request requestOf(int kind) {
  solve::Request request;
  request.page = QString::fromLatin1(kKinds[kind].page);
  request.unknown = QString::fromLatin1(kKinds[kind].unknown);
  return request;
}

std::string labelOf(int kind) {
  return std::string(kKinds[kind].page) + (kind == 2 ? " diameter" : " head loss");
}

// Cases a second of the fluids loop on each kind, as measured in this run.
std::map<int, double>& pythonRates() {
  static std::map<int, double> rates;
  return rates;
}

// The Python loop's own processor time for the cases (Python's start and imports aside).
// Argument: the kind of batch.
void BM_FluidsLoop(benchmark::State& state) {
  const auto kind = static_cast<int>(state.range(0));
  state.SetLabel(kKinds[kind].python);
  for (auto _ : state) {
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral(VANTREL_FLUIDS_LOOP), kKinds[kind].python, caseFile(kind)});
    if (!python.waitForFinished(600000) || python.exitCode() != 0) {
      state.SkipWithError("/usr/bin/python3 with python3-fluids and python3-scipy is needed");
      return;
    }
    const QList<QByteArray> words = python.readAllStandardOutput().trimmed().split(' ');
    const double seconds = words.value(1).toDouble();
    state.SetIterationTime(seconds);
    pythonRates()[kind] = words.value(0).toDouble() / seconds;
  }
  state.SetItemsProcessed(state.iterations() * kCases);
}
BENCHMARK(BM_FluidsLoop)->Arg(1)->Arg(2)->UseManualTime()->Unit(benchmark::kMillisecond);

// A batch run in this process, the output made and counted, not written. Arguments: the kind
// and the threads. items_per_second is per second of processor time (of every thread);
// cases_per_s_wall is per second of the clock, and on two threads also its ratio to one.
void BM_Batch(benchmark::State& state) {
  const auto kind = static_cast<int>(state.range(0));
  const auto threads = static_cast<int>(state.range(1));
  datafile::PageTables tables;
  solve::loadDataFile(QStringLiteral(VANTREL_SHIPPED_DATA_DIR "/Vantrel.rtf"), tables);
  solve::Request request = requestOf(kind);
  request.batch = caseFile(kind);
  request.format = solve::Format::Csv;
  request.jobs = threads;
  state.SetLabel(labelOf(kind));
  qsizetype written = 0;
  QElapsedTimer clock;
  clock.start();
  for (auto _ : state) {
    const solve::ExitStatus status = solve::runBatch(
        tables, request, -1, [&](const QByteArray& bytes) { written += bytes.size(); });
    if (status != solve::kSolved) state.SkipWithError("a case was not solved");
  }
  const double wall = static_cast<double>(state.iterations()) * kCases /
                      (static_cast<double>(clock.nsecsElapsed()) * 1e-9);
  benchmark::DoNotOptimize(written);
  state.SetItemsProcessed(state.iterations() * kCases);
  state.counters["cases_per_s_wall"] = wall;
  static std::map<int, double> oneThread;
  if (threads == 1) oneThread[kind] = wall;
  if (threads > 1 && oneThread.count(kind) != 0)
    state.counters["wall_vs_one_thread"] = wall / oneThread[kind];
  const int python = kind == 0 ? 1 : kind;
  if (pythonRates().count(python) != 0) {
    state.counters["python_cases_per_s"] = pythonRates()[python];
  }
}
BENCHMARK(BM_Batch)
    ->ArgsProduct({{0, 1, 2}, {1, 2}})
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();

// The most a batch of these cases can do while it prints the same numbers: each case's entries
// moved in from the page's defaults by the solver alone, as the commits move them, with nothing
// read, checked, formatted or written. Every further cost of a batch is on top of this.
void BM_SolverAlone(benchmark::State& state) {
  const auto kind = static_cast<int>(state.range(0));
  datafile::PageTables t;
  solve::loadDataFile(QStringLiteral(VANTREL_SHIPPED_DATA_DIR "/Vantrel.rtf"), t);
  const solve::CaseSetup setup = solve::setupOf(t, requestOf(kind));
  QFile file(caseFile(kind));
  if (!file.open(QIODevice::ReadOnly)) {
    state.SkipWithError("the cases cannot be read");
    return;
  }
  const QList<QByteArray> lines = file.readAll().trimmed().split('\n');
  const std::vector<solve::CaseEntry> columns =
      solve::batchColumns(t, setup, QString::fromLatin1(lines.front()).split(u','));
  // Each case's entries in base units, as the commits hold them.
  std::vector<std::vector<Single>> cases;
  for (qsizetype n = 1; n < lines.size(); ++n) {
    std::vector<Single> entries;
    const QList<QByteArray> cells = lines[n].split(',');
    for (std::size_t c = 0; c < columns.size(); ++c) {
      const Single factor = t.UnitFactor(setup.page, columns[c].var, columns[c].unit);
      const float typed = cells.value(static_cast<qsizetype>(c)).toFloat();
      entries.push_back(static_cast<Single>(static_cast<double>(typed) / factor));
    }
    cases.push_back(entries);
  }
  Array1<Single> defaults(t.VarCount(setup.page));
  for (Integer i = 1; i <= defaults.upper(); ++i)
    defaults(i) = t.VarValue(setup.page, i);
  const QString caption = t.PageCaption(setup.page);
  Silent ui;
  for (auto _ : state) {
    for (const std::vector<Single>& entries : cases) {
      Array1<Single> values = defaults;
      for (std::size_t c = 0; c < columns.size(); ++c) {
        Single start = values(columns[c].var);
        values(columns[c].var) = entries[c];
        calc::NewtonSolve(values, setup.unknown, columns[c].var, start, ui, caption);
      }
      benchmark::DoNotOptimize(values(setup.unknown));
    }
  }
  state.SetLabel(labelOf(kind));
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(cases.size()));
}
BENCHMARK(BM_SolverAlone)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// Runs after the commits: in a process that has started children, the commits above measure
// several times slower, which would say nothing about the page session.
void BM_OneInvocationStartToExit(benchmark::State& state) {
  for (auto _ : state) {
    QProcess solve;
    solve.setWorkingDirectory(QStringLiteral(VANTREL_SHIPPED_DATA_DIR));
    QElapsedTimer clock;
    clock.start();
    solve.start(QStringLiteral(VANTREL_SOLVE_PROGRAM), {"H.Williams", "flow=60 l/s"});
    if (!solve.waitForFinished(30000) || solve.exitCode() != 0) {
      state.SkipWithError("vantrel-solve did not solve the page");
      break;
    }
    state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) * 1e-9);
  }
}
BENCHMARK(BM_OneInvocationStartToExit)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

// The window's own work on the shipped data file, offscreen: one commit (a value box losing the
// focus with a changed value, through the solve, to every box redisplayed) on each page, and one
// page switch (save, remove, build, display, focus) between every two pages; the rewrite of
// the checks panel that follows every commit; and the table list of a row, opened and filtered.

#include <benchmark/benchmark.h>

#include <QDir>
#include <QLineEdit>
#include <QTabBar>
#include <QTreeView>
#include <memory>

#include "app/Application.h"
#include "app/TablePicker.h"
#include "app/frmPageData.h"
#include "input/ValueEntry.h"
#include "numtext/NumberFormat.h"
#include "pages/ChecksRefresh.h"
#include "pages/PageSwitch.h"
#include "ui/Dialogs.h"
#include "ui/DocumentOpener.h"
#include "ui/ProgramEnd.h"
#include "ui/RecordFolderStore.h"
#include "ui/TableList.h"
#include "ui/WindowPositionStore.h"

namespace vantrel {
namespace {

class Answers : public ui::Dialogs {
 public:
  ui::MessageAnswer message(const QString&, ui::MessageIcon, ui::MessageButtons) override {
    return ui::MessageAnswer::No;
  }
};
class NoPositions : public ui::WindowPositionStore {
 public:
  ui::WindowPosition read() override { return {}; }
  void write(const ui::WindowPosition&) override {}
};
class NoEnd : public ui::ProgramEnd {
 public:
  void end(int) override {}
};
class NoOpener : public ui::DocumentOpener {
 public:
  bool open(const QString&) override { return false; }
};
class NoFolders : public ui::RecordFolderStore {
 public:
  QString read() override { return {}; }
  void write(const QString&) override {}
};

// One window on the shipped data file for all benchmarks.
struct Window {
  Window() {
    QDir::setCurrent(QStringLiteral(VANTREL_SHIPPED_DATA_DIR));
    window = std::make_unique<app::frmPageData>(
        program, app::WindowServices{dialogs, positions, end, opener, folders});
    loaded = window->Form_Load();
  }
  void show(int page) {
    if (form().tables.CurPage != page) window->TabStrip()->setCurrentIndex(page - 1);
  }
  pages::PageDataForm& form() { return window->form(); }

  ProgramWide program;
  Answers dialogs;
  NoPositions positions;
  NoEnd end;
  NoOpener opener;
  NoFolders folders;
  std::unique_ptr<app::frmPageData> window;
  bool loaded = false;
};

Window& shared() {
  static Window window;
  return window;
}

// The first row that is not the unknown, edited by 10 % and back, so that every commit solves.
void BM_Commit(benchmark::State& state) {
  Window& w = shared();
  const auto page = static_cast<int>(state.range(0));
  w.show(page);
  pages::PageDataForm& form = w.form();
  const Integer row = form.program.CurUnknown == 1 ? 2 : 1;
  const datafile::PageTables& t = form.tables;
  const Single factor = t.UnitFactor(page, row, t.VarUnit(page, row));
  const Single base = form.tables.CurValue(row);
  const QString texts[2] = {numtext::generalForm(factor * base * 1.1f),
                            numtext::generalForm(factor * base)};
  int k = 0;
  for (auto _ : state) {
    form.PrevValue = form.tables.CurValue(row);
    form.controls.txtV(row)->setText(texts[k]);
    input::txtV_LostFocus(form, row);
    k = 1 - k;
  }
  state.SetLabel(t.PageCaption(page).toStdString());
}
BENCHMARK(BM_Commit)->DenseRange(1, 9)->Unit(benchmark::kMicrosecond);

// What the checks add to a commit: the page checked and the panel rewritten (its line, the list
// on hover and for screen readers). Row 1 alternates between two values, as commits would leave
// it, so that the panel's texts change every time.
void BM_ChecksRefresh(benchmark::State& state) {
  Window& w = shared();
  const auto page = static_cast<int>(state.range(0));
  w.show(page);
  Single& row1 = w.form().tables.CurValue(1);
  const Single values[2] = {row1 * 1.1f, row1};
  int k = 0;
  for (auto _ : state) {
    row1 = values[k];
    pages::RefreshChecks(w.form());
    k = 1 - k;
  }
  state.SetLabel(w.form().tables.PageCaption(page).toStdString());
}
BENCHMARK(BM_ChecksRefresh)->DenseRange(1, 9)->Unit(benchmark::kMicrosecond);

void BM_PageSwitch(benchmark::State& state) {
  Window& w = shared();
  const auto from = static_cast<int>(state.range(0));
  const auto to = static_cast<int>(state.range(1));
  w.show(from);
  int next = to;
  for (auto _ : state) {
    w.window->TabStrip()->setCurrentIndex(next - 1);
    next = next == to ? from : to;
  }
}
void allPairs(benchmark::internal::Benchmark* b) {
  for (int from = 1; from <= 9; ++from)
    for (int to = 1; to <= 9; ++to)
      if (from != to) b->Args({from, to});
}
BENCHMARK(BM_PageSwitch)->Apply(allPairs)->Unit(benchmark::kMicrosecond);

// The tables of Pipe Dia. opened as the list beside its row, drawn, and closed again.
void BM_TableListOpen(benchmark::State& state) {
  Window& w = shared();
  w.show(1);
  app::TablePicker& picker = *w.window->tablePicker();
  for (auto _ : state) {
    picker.open(1);
    picker.list()->repaint();
    picker.list()->hide();
  }
}
BENCHMARK(BM_TableListOpen)->Unit(benchmark::kMillisecond);

// The open list filtered at each key typed, and its lines on show drawn in the row's unit: the
// keys of "6 40", "pe 110 sdr11", "globe" and "1" (which most sizes fit) in turn, each prefix one
// keystroke.
void BM_TableListKeystroke(benchmark::State& state) {
  Window& w = shared();
  w.show(1);
  app::TablePicker& picker = *w.window->tablePicker();
  picker.open(1);
  QStringList typed;
  for (const QString text : {"6 40", "pe 110 sdr11", "globe", "1"})
    for (qsizetype n = 1; n <= text.size(); ++n)
      typed << text.left(n);
  qsizetype k = 0;
  for (auto _ : state) {
    picker.list()->searchBox()->setText(typed[k]);
    picker.list()->lines()->viewport()->repaint();
    k = (k + 1) % typed.size();
  }
  picker.list()->hide();
}
BENCHMARK(BM_TableListKeystroke)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vantrel

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  vantrel::app::Application application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (!vantrel::shared().loaded) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

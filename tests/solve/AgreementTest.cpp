// The window and the command line given the same entries show the same page. Seeded random entries
// (some out of range or in another unit, sometimes for another unknown) are typed into the window
// and given to the run: after each, every box and unit reads as printed, or both say why not.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QListWidget>
#include <map>
#include <random>

#include "app/WindowFixture.h"
#include "solve/Matching.h"
#include "solve/SolveError.h"
#include "solve/SolveRun.h"

namespace vantrel::solve {
namespace {

using testing::WindowRun;

void runSequence(unsigned seed, std::map<std::string, int>& reached) {
  SCOPED_TRACE(seed);
  std::mt19937 random(seed);
  const auto pick = [&](int a, int b) { return std::uniform_int_distribution(a, b)(random); };
  const auto chance = [&](double p) { return std::bernoulli_distribution(p)(random); };
  WindowRun run;  // its folder, the current one, holds the shipped data file
  ASSERT_TRUE(run.activate());
  run.dialogs().answer = ui::MessageAnswer::No;
  const datafile::PageTables& t = run.form().tables;
  const int page = pick(1, t.PageCount);
  const auto nameOf = [&](int row) {  // as shown, or in lower case and without blanks
    const QString name = variableName(t.VarCaptionRTF(page, row).plainText());
    return chance(0.5) ? name : name.toLower().remove(' ');
  };
  QTabBar* tabs = run.window().TabStrip();
  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(page - 1).center());
  WindowRun::settle();
  QStringList args{t.PageCaption(page), "--format", "json"};
  const int chosen = pick(1, t.VarCount(page));
  if (chance(0.4) && chosen != t.UnknownVar(page)) {
    QTest::mouseClick(run.form().controls.chkV(chosen), Qt::LeftButton);
    WindowRun::settle();
    args << "--for" << nameOf(chosen);
    ++reached["unknowns"];
  }
  const int unknown = run.program().CurUnknown;
  for (int n = pick(1, 6); n > 0; --n) {
    int row = unknown;
    while (row == unknown)
      row = pick(1, t.VarCount(page));
    const int other = pick(1, t.unitListLength(page, row));
    const bool inOther = chance(0.35) && !printedUnitName(t.UnitName(page, row, other)).isEmpty();
    const int unit = inOther ? other : t.VarUnitDefault(page, row);
    reached["units"] += unit != t.VarUnitDefault(page, row);
    double value = static_cast<double>(t.VarDefault(page, row)) * t.UnitFactor(page, row, unit) *
                   std::uniform_real_distribution<double>(0.5, 1.6)(random);
    if (chance(0.1)) value = chance(0.5) ? -value : value * 1e7;
    const QString number = QString::number(value, 'g', pick(2, 7));
    args << nameOf(row) + '=' + number;
    if (unit != t.VarUnitDefault(page, row) || chance(0.3))
      args.last() += ' ' + printedUnitName(t.UnitName(page, row, unit));
    SCOPED_TRACE(args.join(' ').toStdString());
    const std::size_t before = run.dialogs().messages.size();
    if (t.VarUnit(page, row) != unit) {
      QTest::mouseClick(run.form().controls.lblUnit(row), Qt::LeftButton);
      WindowRun::settle();
      run.window().lstUnit()->setCurrentRow(unit - 1);
      WindowRun::settle();
    }
    if (run.focused() != run.txtV(row)) QTest::mouseClick(run.txtV(row), Qt::LeftButton);
    run.txtV(row)->selectAll();  // typed over, also when the focus stayed in the box
    QTest::keyClicks(run.txtV(row), number);
    run.key(Qt::Key_Return);

    const RunResult r = runCommandLine(args);
    const std::vector<testing::RecordedMessage>& messages = run.dialogs().messages;
    const bool quiet = messages.size() == before;
    const bool asked = !quiet && messages.back().buttons == ui::MessageButtons::YesNo;
    ASSERT_EQ(r.status, quiet ? kSolved : asked ? kNoSolution : kRefused) << r.err.toStdString();
    ++reached["status " + std::to_string(r.status)];
    // Every box and unit reads as printed, also after a failed solve (the question answered No).
    const pages::PageControls& c = run.form().controls;
    QString shown = variableName(c.chkV(run.program().CurUnknown)->text());
    for (int i = 1; i <= c.rowCount(); ++i) {
      shown += '\n' + variableName(c.chkV(i)->text()) + '|' + c.txtV(i)->text() + '|' +
               c.lblUnit(i)->text().trimmed() + '|' + QString::number(t.CurValue(i), 'g', 9);
    }
    const QJsonObject json = QJsonDocument::fromJson(r.out.toUtf8()).object();
    QString printed = json["unknown"].toString();
    for (const QJsonValue v : json["variables"].toArray()) {
      printed += '\n' + v["name"].toString() + '|' + v["value"].toString() + '|' +
                 v["unit"].toString() + '|' + QString::number(float(v["base"].toDouble()), 'g', 9);
    }
    EXPECT_EQ(printed, r.status == kRefused ? "" : shown);
    EXPECT_EQ(r.err.isEmpty(), quiet) << r.err.toStdString();
    if (quiet) continue;
    const QString message = QString(messages.back().text).replace('\r', '\n');
    EXPECT_TRUE(
        r.err.startsWith(asked ? message.left(message.lastIndexOf('\n') + 1) : message + '\n'))
        << r.err.toStdString();
    return;  // the command line stops at a refused or failed entry
  }
}

TEST(Agreement, WindowAndCommandLineShowTheSamePageAfterEveryEntry) {
  std::map<std::string, int> reached;
  for (unsigned seed = 1; seed <= 60 && !HasFatalFailure(); ++seed)
    runSequence(seed, reached);
  // Solved (0), refused (3) and failed (4) entries, entries in other units, other unknowns.
  for (const auto& [what, least] : std::map<std::string, int>{
           {"status 0", 100}, {"status 3", 4}, {"status 4", 0}, {"units", 20}, {"unknowns", 10}})
    EXPECT_GT(reached[what], least) << what;
}

}  // namespace
}  // namespace vantrel::solve

// The window and the command line given the same entries show the same page. Random sequences of
// entries (seeded: values around the page's defaults, some outside their range, some in another
// unit, sometimes another unknown) are typed into the real window, offscreen, and given to
// vantrel-solve's run; after every entry each value box and unit field must read exactly as the
// printed value and unit, and a refused or failed entry must give the window's message.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QListWidget>
#include <QTabBar>
#include <iostream>
#include <random>

#include "app/WindowFixture.h"
#include "solve/Matching.h"
#include "solve/SolveError.h"
#include "solve/SolveFixture.h"
#include "ui/CheckBox.h"

namespace vantrel::solve {
namespace {

using testing::kShippedFile;
using testing::shippedTables;
using testing::WindowRun;

struct Entry {
  int row = 0;
  int unit = 0;    // unit of the row's list the number is typed in
  QString number;  // as typed
  QStringList args;
};

class Generator {
 public:
  explicit Generator(unsigned seed) : random_(seed) {}

  int pick(int first, int last) { return std::uniform_int_distribution<int>(first, last)(random_); }
  bool chance(double p) { return std::bernoulli_distribution(p)(random_); }

  // How a user might write row's name: as shown, in lower case, without blanks or shortened.
  QString nameOf(int page, int row) {
    const datafile::PageTables& t = shippedTables();
    const QString name = variableName(t.VarCaptionRTF(page, row).plainText());
    switch (pick(0, 3)) {
      case 0:
        return name.toLower();
      case 1:
        return QString(name).remove(u' ');
      case 2:
        for (qsizetype n = 1; n < name.size(); ++n) {
          try {
            if (findVariable(t, static_cast<Integer>(page), name.left(n)) == row)
              return name.left(n);
          } catch (const SolveError&) {
          }
        }
        return name;
      default:
        return name;
    }
  }

  Entry entry(int page, int unknown) {
    const datafile::PageTables& t = shippedTables();
    Entry e;
    do {
      e.row = pick(1, t.VarCount(page));
    } while (e.row == unknown);
    e.unit = t.VarUnitDefault(page, e.row);
    if (chance(0.35)) {
      const int other = pick(1, t.unitListLength(page, e.row));
      if (!printedUnitName(t.UnitName(page, e.row, other)).isEmpty()) e.unit = other;
    }
    double shown = static_cast<double>(t.VarDefault(page, e.row)) *
                   t.UnitFactor(page, e.row, e.unit) *
                   std::uniform_real_distribution<double>(0.5, 1.6)(random_);
    if (chance(0.1)) shown = chance(0.5) ? -shown : shown * 1e7;
    e.number = QString::number(shown, 'g', pick(2, 7));
    QString arg = nameOf(page, e.row) + '=' + e.number;
    e.args << arg;
    const QString unit = printedUnitName(t.UnitName(page, e.row, e.unit));
    if (e.unit != t.VarUnitDefault(page, e.row) || (!unit.isEmpty() && chance(0.3))) {
      if (chance(0.5)) {
        e.args.last() += unit;
      } else {
        e.args << unit.split(u' ');
      }
    }
    return e;
  }

 private:
  std::mt19937 random_;
};

void clickTab(WindowRun& run, int page) {
  QTabBar* tabs = run.window().TabStrip();
  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(page - 1).center());
  WindowRun::settle();
}

void chooseUnitInWindow(WindowRun& run, int row, int unit) {
  QTest::mouseClick(run.form().controls.lblUnit(row), Qt::LeftButton);
  WindowRun::settle();
  run.window().lstUnit()->setCurrentRow(unit - 1);
  WindowRun::settle();
}

// Types number over row's box, as a user who clicks into it (or is still in it) does, and
// commits it with Enter.
void typeAndEnter(WindowRun& run, int row, const QString& number) {
  QLineEdit* box = run.txtV(row);
  if (run.focused() != box) {
    QTest::mouseClick(box, Qt::LeftButton);
    WindowRun::settle();
  }
  ASSERT_EQ(run.focused(), box);
  box->selectAll();
  QTest::keyClicks(box, number);
  run.key(Qt::Key_Return);
}

void expectSamePage(WindowRun& run, const RunResult& r) {
  QJsonParseError error;
  const QJsonObject printed = QJsonDocument::fromJson(r.out.toUtf8(), &error).object();
  ASSERT_EQ(error.error, QJsonParseError::NoError) << r.out.toStdString();
  const pages::PageControls& c = run.form().controls;
  EXPECT_EQ(printed["unknown"].toString(), variableName(c.chkV(run.program().CurUnknown)->text()));
  const QJsonArray variables = printed["variables"].toArray();
  ASSERT_EQ(variables.size(), c.rowCount());
  for (int i = 1; i <= c.rowCount(); ++i) {
    SCOPED_TRACE(i);
    const QJsonObject v = variables[i - 1].toObject();
    EXPECT_EQ(v["name"].toString(), variableName(c.chkV(i)->text()));
    EXPECT_EQ(v["value"].toString(), c.txtV(i)->text());
    EXPECT_EQ(v["unit"].toString(), c.lblUnit(i)->text().trimmed());
    EXPECT_EQ(static_cast<float>(v["base"].toDouble()), run.form().tables.CurValue(i));
  }
}

struct Tally {
  int solved = 0, refused = 0, failed = 0, inOtherUnits = 0, otherUnknowns = 0;
};

void runSequence(unsigned seed, Tally& tally) {
  SCOPED_TRACE(seed);
  Generator g(seed);
  const datafile::PageTables& t = shippedTables();
  const int page = g.pick(1, t.PageCount);
  WindowRun run;
  ASSERT_TRUE(run.activate());
  run.dialogs().answer = ui::MessageAnswer::No;
  if (page != 1) clickTab(run, page);
  ASSERT_EQ(run.form().tables.CurPage, page);

  QStringList args{"--data", kShippedFile, t.PageCaption(page), "--format", "json"};
  int unknown = t.UnknownVar(page);
  if (g.chance(0.4)) {
    const int chosen = g.pick(1, t.VarCount(page));
    if (chosen != unknown) {
      unknown = chosen;
      ++tally.otherUnknowns;
      QTest::mouseClick(run.form().controls.chkV(unknown), Qt::LeftButton);
      WindowRun::settle();
      args << "--for" << g.nameOf(page, unknown);
    }
  }
  ASSERT_EQ(run.program().CurUnknown, unknown);

  const int count = g.pick(1, 6);
  for (int n = 0; n < count; ++n) {
    const Entry e = g.entry(page, unknown);
    SCOPED_TRACE((args + e.args).join(' ').toStdString());
    if (e.unit != t.VarUnitDefault(page, e.row)) ++tally.inOtherUnits;
    const std::size_t messagesBefore = run.dialogs().messages.size();
    if (run.form().tables.VarUnit(page, e.row) != e.unit) chooseUnitInWindow(run, e.row, e.unit);
    typeAndEnter(run, e.row, e.number);

    const RunResult r = runCommandLine(args + e.args);
    const std::vector<testing::RecordedMessage>& shown = run.dialogs().messages;
    if (shown.size() == messagesBefore) {
      ASSERT_EQ(r.status, kSolved) << r.err.toStdString();
      EXPECT_EQ(r.err, "");
      expectSamePage(run, r);
      ++tally.solved;
      args << e.args;
      continue;
    }
    ASSERT_EQ(shown.size(), messagesBefore + 1);
    QString message = shown.back().text;
    message.replace(u'\r', u'\n');
    if (shown.back().buttons == ui::MessageButtons::YesNo) {
      // The question answered No: the page is back as before the entry.
      EXPECT_EQ(r.status, kNoSolution);
      EXPECT_TRUE(r.err.startsWith(message.left(message.lastIndexOf(u'\n') + 1)))
          << r.err.toStdString();
      expectSamePage(run, r);
      ++tally.failed;
    } else {
      EXPECT_EQ(r.status, kRefused);
      EXPECT_EQ(r.err, message + '\n');
      EXPECT_EQ(r.out, "");
      ++tally.refused;
    }
    // The window keeps what the command line gives up with a failed entry (a unit chosen for
    // it); the sequence ends here.
    return;
  }
}

TEST(Agreement, WindowAndCommandLineShowTheSamePageAfterEveryEntry) {
  Tally tally;
  for (unsigned seed = 1; seed <= 60; ++seed) {
    runSequence(seed, tally);
    if (HasFatalFailure()) return;
  }
  // The sequences reach every kind of outcome.
  EXPECT_GT(tally.solved, 100);
  EXPECT_GT(tally.refused, 4);
  EXPECT_GT(tally.inOtherUnits, 20);
  EXPECT_GT(tally.otherUnknowns, 10);
  EXPECT_GT(tally.failed, 0);
  std::cout << "solved " << tally.solved << ", refused " << tally.refused << ", failed "
            << tally.failed << ", in other units " << tally.inOtherUnits << ", other unknowns "
            << tally.otherUnknowns << '\n';
}

}  // namespace
}  // namespace vantrel::solve

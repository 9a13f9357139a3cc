// vantrel-solve --batch: each case as its own run would give it, the header refused whole, the
// order kept on any number of threads, standard input answered line by line; and --list.

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include "datafile/LoaderFixture.h"
#include "solve/CsvInput.h"
#include "solve/SolveError.h"
#include "solve/SolveRun.h"

namespace vantrel::solve {
namespace {

const QString kShipped = QStringLiteral(VANTREL_SHIPPED_DATA_DIR "/Vantrel.rtf");
const testing::TempFolder kFolder;

RunResult runBatch(const QString& page, const QByteArray& csv, const QStringList& options) {
  const QString file = kFolder.write("batch.csv", csv);
  return runCommandLine(QStringList{"--data", kShipped, page, "--batch", file} + options);
}

QString oneLine(const QString& message) {
  QStringList lines = message.split('\n', Qt::SkipEmptyParts);
  for (QString& line : lines)
    line = line.trimmed();
  return lines.join(' ');
}

// Every case whose cells are numbers, run alone as NAME=VALUE UNIT entries from its header, gives
// the same status, page and message as its batch line, in JSON and in CSV. The other lines are
// refused with their own status and message.
TEST(Batch, EachCaseIsWhatItsOwnRunGives) {
  struct Case {
    QString cells;
    int status;
    QString message = {};  // a line that is not a run of its own: its message
  };
  const struct {
    QString page;
    QStringList options;
    QString header;
    std::vector<Case> cases;
  } batches[] = {
      {"H.Williams",
       {"--unit", "head=ft"},
       // A byte-order mark and CR LF line ends, as spreadsheets write them.
       "\xEF\xBB\xBF"
       "Flow Rate [US gpm],pipe d,length, \"c\"",
       {{"800,250,2000,120", kSolved},
        // A quote left open spoils its own line, not the ones after it.
        {"\"40,250", kBadUsage, "A quote is not closed."},
        {",,,", kSolved},
        {"\"900\",,,90", kSolved},
        {"-5,,,", kRefused},
        {"700,,,1000", kRefused},
        {"\"1,5\",,,", kRefused, "Column 1: \"1,5\" is not a number."},
        {"1,2,3,4,5,", kBadUsage, "The line has 5 cells; the header names 4 columns."},
        {"\"7", kBadUsage, "A quote is not closed."}}},
      // Velocity is computed by the formula: solving for it never converges.
      {"bends", {"--for", "vel"}, "pipe d [m],k", {{"0.2,", kNoSolution}, {",", kSolved}}},
      // A header copied from a page's caption, with a comma after its last column.
      {"Bends", {}, "K Factor =,", {{"0.5,", kSolved}, {"2", kSolved}}},
      // Laminar: solved, with the checks' warning in its own cell.
      {"C.White", {}, "pipe d,flow", {{"8,0.0066", kSolved}, {"5,50", kSolved}}},
      // A cell may name a table row, as an entry may; words that fit several rows name them.
      {"C.White",
       {},
       "pipe d [m],visc",
       {{"NPS 6 Sch 40,water 10 °C", kSolved},
        {"pe 110 sdr11,", kSolved},
        {"NPS 6 Sch 8,", kBadUsage,
         "Column 1: \"NPS 6 Sch 8\" fits 4 rows of the tables for Pipe Dia.; name one of them: "
         "PVC, ASTM D1785 | NPS 6 | Sch 80 PVC Stainless steel, ASME B36.19M | NPS 6 | Sch 80S "
         "Steel, ASME B36.10M | NPS 6 | Sch 80 Steel, ASME B36.10M | NPS 8 | Sch 60"}}},
  };
  for (const auto& batch : batches) {
    QByteArray csv = batch.header.toUtf8() + "\r\n\r\n";  // a blank line is no case
    bool allSolved = true;
    for (const Case& c : batch.cases) {
      csv += c.cells.toUtf8() + "\r\n";
      allSolved = allSolved && c.status == kSolved;
    }
    const RunResult json = runBatch(batch.page, csv, batch.options + QStringList{"--format=json"});
    const RunResult table = runBatch(batch.page, csv, batch.options + QStringList{"--jobs", "3"});
    SCOPED_TRACE(csv.toStdString());
    for (const RunResult& r : {json, table}) {
      EXPECT_EQ(r.status, allSolved ? kSolved : kSomeCasesFailed);
      EXPECT_EQ(r.err, "");
    }
    const QStringList jsonLines = json.out.split('\n', Qt::SkipEmptyParts);
    const QStringList csvLines = table.out.split("\n", Qt::SkipEmptyParts);
    ASSERT_EQ(jsonLines.size(), batch.cases.size());
    ASSERT_EQ(csvLines.size(), batch.cases.size() + 1);
    const QStringList header = batch.header.split(',');
    for (std::size_t n = 0; n < batch.cases.size(); ++n) {
      const Case& c = batch.cases[n];
      SCOPED_TRACE(c.cells.toStdString());
      QJsonObject line = QJsonDocument::fromJson(jsonLines[n].toUtf8()).object();
      EXPECT_EQ(line.take("line").toInt(), n + 3);
      EXPECT_EQ(line.take("status").toInt(), c.status);
      const QString message = line.take("message").toString();
      bool closed = false;
      const QStringList cells = csvCells(csvLines[n + 1].toUtf8(), closed);
      // After the values: status, message, reynolds, regime, checks.
      const QStringList tail = cells.mid(cells.size() - 5);
      EXPECT_EQ(tail.mid(0, 2), (QStringList{QString::number(c.status), message}));
      QStringList values = cells.mid(0, cells.size() - 5);
      if (!c.message.isEmpty()) {
        EXPECT_EQ(message, c.message);
        EXPECT_TRUE(line.isEmpty());
        continue;
      }
      // Each column is shown in its header's unit in every case, as --unit would show it.
      QStringList args{"--data", kShipped, batch.page, "--format", "json"}, entries;
      const QStringList entered = c.cells.split(',');
      for (qsizetype i = 0; i < header.size(); ++i) {
        const QString name =
            QString(header[i]).remove('"').remove('=').remove("\xEF\xBB\xBF").section('[', 0, 0);
        const QString unit = header[i].contains('[') ? header[i].section('[', 1).chopped(1) : "";
        if (!unit.isEmpty()) args << "--unit" << name + '=' + unit;
        if (i < entered.size() && !entered[i].isEmpty())
          entries << name + '=' + QString(entered[i]).remove('"') + ' ' + unit;
      }
      args += batch.options + entries;
      const RunResult alone = runCommandLine(args);
      EXPECT_EQ(alone.status, c.status) << alone.err.toStdString();
      QJsonObject run = QJsonDocument::fromJson(alone.out.toUtf8()).object();
      run.remove("iterations");  // one page's solve, which a batch's lines leave out
      const QJsonObject page = run;
      EXPECT_EQ(line, page);
      // The message of an entry not taken names the entry as given: its cell, or NAME=VALUE.
      EXPECT_EQ(message.section("Entry", 0, 0), oneLine(alone.err).section("Entry", 0, 0));
      QStringList shown;
      for (const QJsonValue v : page["variables"].toArray())
        shown << v["value"].toString();
      // The checks as the page object gives them, the findings each led by its level.
      QStringList findings;
      for (const QJsonValue f : page["checks"].toArray())
        findings << f["level"].toString() + ": " + f["text"].toString();
      EXPECT_EQ(tail.mid(3), (QStringList{page["regime"].toString(), findings.join(" | ")}));
      EXPECT_EQ(tail[2].toDouble(), page["reynolds"].toDouble());  // none: "" and null, 0
      if (page.isEmpty()) values.removeAll("");
      EXPECT_EQ(values, shown);
    }
  }
}

// Records come whole across the reader's reads (64 KiB each): CR LF and LF line ends, a line end
// inside quotes (which ends its record all the same), a byte-order mark, and no line end after
// the last record.
TEST(Batch, RecordsAndTheirLinesAreReadWholeAcrossReads) {
  QByteArray text = "\xEF\xBB\xBFhead\r\n";
  std::vector<std::pair<QByteArray, int>> wanted{{"head", 1}};
  for (int n = 0; text.size() < 200000; ++n) {
    const QByteArray record = n % 1000 == 7 ? "\"open" : QByteArray::number(n) + ",x";
    wanted.emplace_back(record, wanted.back().second + 1);
    text += record + (n % 2 ? "\r\n" : "\n");
  }
  text.chop(text.endsWith("\r\n") ? 2 : 1);
  QFile file(kFolder.write("records.csv", text));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  RecordReader reader(file.handle());
  QByteArray record;
  std::int64_t line = 0;
  for (const auto& [want, wantLine] : wanted) {
    ASSERT_TRUE(reader.next(record, line));
    ASSERT_EQ(record, want);
    ASSERT_EQ(line, wantLine);
  }
  EXPECT_FALSE(reader.next(record, line));
  EXPECT_FALSE(reader.next(record, line));
}

// A header that cannot be understood, or no batch at all, stops the run before any output.
TEST(Batch, AHeaderOrFileThatCannotBeReadStopsTheRun) {
  const QString column = "Column 2 of the batch header, ";
  const std::pair<QByteArray, QString> files[] = {
      {"", "The batch file \"%1\" is empty: its first line names the columns.\n"},
      {"flow,head loss\n1\n", column + "\"head loss\": Head Loss is the variable solved for on "
                                       "H.Williams; choose another with --for to enter it.\n"},
      {"flow,factor\n",
       column + "\"factor\": \"factor\" fits more than one variable of H.Williams: C Factor, K "
                "Factor.\n"},
      {"flow,length [yd]\n", column + "\"length [yd]\": \"yd\" is not a unit of Pipe Length. Its "
                                      "units are: m, km, ft, mi.\n"},
      {"flow,,length\n", column + "\"\": names no variable.\n"},
      {"\"flow\n1\n", "The batch header leaves a quote open.\n"},
  };
  for (const auto& [csv, message] : files) {
    const RunResult r = runBatch("1", csv, {});
    EXPECT_EQ(r.status, kBadUsage);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, QString(message).replace("%1", kFolder.path() + "/batch.csv"));
  }
  const RunResult missing = runCommandLine({"--data", kShipped, "1", "--batch", "/no/such.csv"});
  EXPECT_EQ(missing.err,
            "The batch file \"/no/such.csv\" cannot be read: No such file or "
            "directory.\n");
}

// Thousands of cases, every seventh refused, come out in input order on one thread and on more
// threads than there are cores, and the same.
TEST(Batch, OutputKeepsTheInputOrderOnAnyNumberOfThreads) {
  QByteArray csv = "flow [l/s],length\n";
  for (int n = 0; n < 3000; ++n)
    csv +=
        QByteArray::number(n % 7 == 0 ? -n : n % 300 + 1) + ',' + QByteArray::number(n + 1) + '\n';
  const RunResult one = runBatch("1", csv, {"--jobs", "1", "--format", "json"});
  const RunResult many = runBatch("1", csv, {"--jobs", "5", "--format", "json"});
  EXPECT_EQ(one.status, kSomeCasesFailed);
  EXPECT_EQ(many.out, one.out);
  const QStringList lines = many.out.split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 3000);
  for (int n = 0; n < 3000; ++n) {
    const QJsonObject line = QJsonDocument::fromJson(lines[n].toUtf8()).object();
    ASSERT_EQ(line["line"].toInt(), n + 2);
    ASSERT_EQ(line["status"].toInt(), n % 7 == 0 ? kRefused : kSolved);
  }
}

// "-" reads standard input, and each case is answered as soon as its line has come.
TEST(Batch, StandardInputIsAnsweredLineByLine) {
  QProcess solve;
  solve.start(VANTREL_SOLVE_PROGRAM, {"--data", kShipped, "bends", "--batch", "-"});
  ASSERT_TRUE(solve.waitForStarted());
  solve.write("k\n");
  QByteArray out;
  for (const auto& [k, lines] : {std::pair{"0.5", 2}, {"-1", 3}}) {
    solve.write(QByteArray(k) + '\n');
    while (out.count('\n') < lines && solve.waitForReadyRead(10000))
      out += solve.readAllStandardOutput();
    ASSERT_EQ(out.count('\n'), lines) << "no answer while the input stays open";
  }
  solve.closeWriteChannel();
  ASSERT_TRUE(solve.waitForFinished(10000));
  EXPECT_EQ(out.toStdString(),
            "Pipe Dia. [mm],Flow Rate [l/s],K Factor,Head Loss [m],Velocity [m/s],status,message,"
            "reynolds,regime,checks\n"
            "150.0,30.000,0.500,0.07339,1.697,0,,253600.48,turbulent,\n"
            ",,,,,3,K Factor   out of Range! Accepted range is: 0 to 1000,,,\n");
  EXPECT_EQ(solve.exitCode(), kSomeCasesFailed);
}

// --list: the pages; and one page's variables with their defaults, ranges, result rows and units.
TEST(List, NamesThePagesAndEveryVariableOfOne) {
  const RunResult pages = runCommandLine({"--data", kShipped, "--list"});
  EXPECT_TRUE(
      pages.out.startsWith("1  H.Williams   Hazen-Williams :- Friction head loss of "
                           "water in a full pipe\n2  C.White"));
  EXPECT_EQ(pages.out.count('\n'), 9);
  const RunResult bends = runCommandLine({"--data", kShipped, "--list", "5"});
  EXPECT_EQ(bends.out,
            "Bends :- Head loss in pipe bends and elbows\n"
            "Variable    Default     Range                         Row     Units\n"
            "Pipe Dia.   150.0 mm    greater than 0 to 10000 mm    entry   m, mm, cm, in, ft\n"
            "Flow Rate   30.000 l/s  greater than 0 to 100000 l/s  entry   m³/s, l/s, m³/h, l/min, "
            "US gpm, ft³/s\n"
            "K Factor    0.300       0 to 1000                     entry\n"
            "Head Loss?  0.04403 m   0 to 10000 m                  entry   m, mm, cm, in, ft, "
            "kPa H2O, bar H2O, psi H2O\n"
            "Velocity    1.697 m/s   any                           result  m/s, ft/s\n"
            "? marks the variable solved for unless --for names another.\n");
  EXPECT_EQ(runCommandLine({"--data", kShipped, "--list", "9", "--for", "k"}).err,
            "--list takes no --for\n" + usageLine() + '\n');
}

}  // namespace
}  // namespace vantrel::solve

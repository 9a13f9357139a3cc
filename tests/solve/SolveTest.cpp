// vantrel-solve: the command line read, what it names found, the output formats, the exit statuses.

#include <gtest/gtest.h>

#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QXmlStreamReader>

#include "datafile/LoaderFixture.h"
#include "record/RecordFields.h"
#include "record/RecordHtml.h"
#include "solve/Matching.h"
#include "solve/Report.h"
#include "solve/SolveError.h"
#include "solve/SolveRun.h"

namespace vantrel::solve {
namespace {

const QString kShipped = QStringLiteral(VANTREL_SHIPPED_DATA_DIR "/Vantrel.rtf");
// A data file of three pages, in a folder without Vantrel.rtf: one without a formula, where an
// exact name must win over the longer names it begins, with units that differ only in case, one
// that cannot show the default, and a list that a factor of 0 ends; one without an unknown; and
// bends with a caption of three words and a head loss that outgrows a unit of its.
const testing::TempFolder kFolder;
const QString kOwn = kFolder.write(
    "own.rtf",
    testing::rtfFromPlain(testing::fileText(
        {{.system = "#&Flow =, 5, 1, 0# #&Flow Rate =, 2, 1, 0# #R&&D =, 3, 1, 1# #0,N,Nothing,1#",
          .unit = "\\ROW/@Mm,0.0,0.001@ @mm,0.0,1000@ @huge,0.0,1e38@ @gal,0.0,0@ @in,0.0,39.37@"
                  "\\ROW/ \\ROW/@m³/s,0.00000,1@\\ROW/ \\ROW/@m,0.000,1@\\ROW/"},
         {.system = "#D =, 0.1, 2, 0# #F =, 0.01, 1, 0# #L =, 0.07, 1, 0# #0,S,Spare,1#"},
         {.system = "#Pipe Inner Dia. =, 0.15, 1, 0# #Flow =, 0.03, 1, 0# #K =, 0.3, 1, 0# "
                    "#Head =, 0.044, 1, 1# #Velocity =, 1.7, 1, 0# #0,B,Bends,1#",
          .unit = "\\ROW/@m,0.000,1@\\ROW/ \\ROW/@m³/s,0.00000,1@\\ROW/ \\ROW/@ ,0.0,1@\\ROW/ "
                  "\\ROW/@m,0.000,1@ @huge,0.0,1e38@\\ROW/ \\ROW/@m/s,0.000,1@\\ROW/",
          .range = "#F,>0~10# #F,>0~100# #F,*# #F,*# #F,*#",
          .tips = "#d# #q# #k# #h# #v#"}})));

// What find returns, or the message of the bad-usage failure it throws.
template <typename Find>
QString outcome(Find find) try {
  return find();
} catch (const SolveError& e) {
  EXPECT_EQ(e.status(), kBadUsage);
  return e.message();
}

// A request on one line: the page, whether help is asked for, then every entry.
QString described(const Request& r) {
  QString s = r.page + (r.help ? " help" : "");
  for (const Assignment& a : r.assignments)
    s += " [" + a.name + '|' + a.number + '|' + a.unit + ']';
  return s;
}

// The command line read, and what it names found in the data file.
TEST(CommandLine, EntriesSplitWhereTheNumberEndsAndNamesAreFoundOrRefusedWithTheChoices) {
  const QString usage = '\n' + usageLine();
  const std::pair<QStringList, QString> lines[] = {
      {{"1", "flow=60", "q=60l/s", "r=60 US", "gpm"}, "1 [flow|60|] [q|60|l/s] [r|60|US gpm]"},
      {{"1", " Flow Rate = 1 000.5  US  gpm"}, "1 [Flow Rate|1 000.5|US gpm]"},
      // Text without a leading number reads 0, as in a value box; the text is then a unit.
      {{"1", "d=abc", "d=-", "d="}, "1 [d||abc] [d||-] [d||]"},
      {{"7", "-h"}, "7 help"},
      {{}, "no page given" + usage},
      {{" "}, "the page is empty" + usage},
      {{"flow=60"}, "\"flow=60\" comes before the page" + usage},
      {{"1", "extra"}, "unexpected \"extra\"" + usage},
      {{"1", "-"}, "unexpected \"-\"" + usage},
      // An option ends an entry: a word after it is no unit.
      {{"1", "flow=60", "--for", "head", "l/s"}, "unexpected \"l/s\"" + usage},
      {{"1", "=5"}, "\"=5\" names no variable before its \"=\"" + usage},
      {{"1", "--format", "xml"}, "unknown format \"xml\": text, csv, json or html" + usage},
      {{"1", "--for"}, "--for needs a value" + usage},
      {{"1", "--for", " "}, "--for needs a value" + usage},
      {{"1", "--for", "a", "--for=b"}, "--for is given twice" + usage},
      {{"1", "--verbose"}, "unknown option \"--verbose\"" + usage},
      {{"1", "--unit", "flow"}, "--unit wants NAME=UNIT, not \"flow\"" + usage},
      {{"1", "--batch", "-", "d=1"},
       "entries and --batch do not go together: the batch file's columns hold the entries" + usage},
      {{"1", "--jobs", "2"}, "--jobs is for --batch" + usage},
      {{"1", "--batch=-", "--format=html"}, "--batch writes csv or json" + usage},
      {{"1", "--batch=-", "--record", "r.pdf"},
       "--record is for one page, not for --batch" + usage},
      {{"1", "--plot", "p.jpg"},
       "--plot wants a file ending in .svg, .png or .pdf, not \"p.jpg\"" + usage},
      {{"1", "--batch=-", "--plot", "p.PNG"}, "--plot is for one page, not for --batch" + usage},
      {{"1", "--moody"},
       "--x and --moody choose the plot of --plot, --record or --format html" + usage},
      {{"1", "--format=html", "--x", "d", "--moody"},
       "--x and --moody do not go together: the Moody chart has its own axes" + usage},
  };
  for (const auto& [args, wanted] : lines)
    EXPECT_EQ(outcome([&args = args] { return described(parseArguments(args)); }), wanted)
        << args.join(' ').toStdString();

  datafile::PageTables own, shipped;
  loadDataFile(kOwn, own);
  loadDataFile(kShipped, shipped);
  // What is looked for (p: a page, v: a variable of page, u: a unit of its variable var), in
  // which data file, and what is found or why not.
  const std::tuple<char, bool, int, int, QString, QString> rows[] = {
      {'p', 0, 0, 0, "9", "9"},
      {'p', 1, 0, 0, "4", "There is no page \"4\". The pages are: 1 Nothing, 2 Spare, 3 Bends."},
      {'v', 0, 1, 0, "FLOW  r", "2"},
      {'v', 1, 1, 0, "r&d", "3"},
      // The beginning of a later word, or of the rest of the name from there.
      {'v', 0, 1, 0, "length", "4"},
      {'v', 1, 3, 0, "inner", "1"},
      {'v', 1, 3, 0, "innerdia", "1"},
      // A beginning that fits more than one variable is never guessed: beginning the name wins
      // nothing over beginning a later word.
      {'v', 0, 4, 0, "d",
       "\"d\" fits more than one variable of Orifice: Pipe Dia., Beta d/D, Diff. Head."},
      {'v', 0, 2, 0, "r", "\"r\" fits more than one variable of C.White: Flow Rate, Roughness."},
      {'v', 0, 8, 0, "d",
       "\"d\" fits more than one variable of Expansion: Upstream D1, Downstr. D2."},
      {'v', 1, 1, 0, "fl", "\"fl\" fits more than one variable of Nothing: Flow, Flow Rate."},
      {'v', 1, 1, 0, "", "Nothing has no variable \"\". Its variables are: Flow, Flow Rate, R&D."},
      {'u', 0, 1, 2, "m3/s", "1"},
      {'u', 0, 2, 3, "um", "3"},
      {'u', 0, 2, 4, "MM2/s", "2"},
      // Whole names only: a beginning is not enough.
      {'u', 1, 1, 1, "m", "\"m\" is not a unit of Flow. Its units are: Mm, mm, huge."},
      {'u', 0, 1, 3, "m", "C Factor is a number without a unit; \"m\" is not wanted."},
      // The unnamed unit of Depth y/D is not listed.
      {'u', 0, 3, 4, "x", "\"x\" is not a unit of Depth y/D. Its units are: %."},
      {'u', 0, 1, 1, "gal", "\"gal\" is not a unit of Pipe Dia. Its units are: m, mm, cm, in, ft."},
      {'u', 1, 1, 1, "mm", "2"},
      {'u', 1, 1, 1, "MM",
       "\"MM\" could be more than one unit of Flow. Its units are: Mm, mm, huge."},
      {'u', 1, 1, 1, "gal", "\"gal\" is not a unit of Flow. Its units are: Mm, mm, huge."},
  };
  for (const auto& [what, inOwn, page, var, text, wanted] : rows) {
    const datafile::PageTables& t = inOwn ? own : shipped;
    // Structured bindings are captured through initialisers, which clang 14 needs.
    const QString got = outcome([&t, what = what, page = page, var = var, &text = text] {
      if (what == 'p') return QString::number(findPage(t, text));
      if (what == 'v') return QString::number(findVariable(t, page, text));
      return QString::number(findUnit(t, page, var, text));
    });
    EXPECT_EQ(got, wanted) << what << ' ' << text.toStdString();
  }
}

TEST(Output, FieldsAreQuotedAndEscapedWhereTheFormatNeedsIt) {
  PageReport report{
      "P\\Q", "say \"hi\"\t", "a,\"b\"", {{"a,\"b\"", " 5", "\x01", 1e3, true, {}}}, {}, {}};
  EXPECT_EQ(formatReport(report, Format::Csv),
            "name,value,unit,base,unknown\n\"a,\"\"b\"\"\",\" 5\",\x01,1000,1\n");
  const QString json =
      "{\"page\": \"P\\\\Q\", \"title\": \"say \\\"hi\\\"\\t\", \"unknown\": \"a,\\\"b\\\"\", "
      "\"variables\": [{\"name\": \"a,\\\"b\\\"\", \"value\": \" 5\", \"unit\": \"\\u0001\", "
      "\"base\": 1000}]";
  EXPECT_EQ(formatReport(report, Format::Json),
            json + ", \"reynolds\": null, \"regime\": null, \"checks\": []}\n");
  // The checks: after the text table, beside the CSV table on standard error, in the JSON object.
  report.checks = {2500.25,
                   checks::Regime::Transitional,
                   "",
                   {{checks::Level::Warning, "w \"1\""}, {checks::Level::Note, "n"}}};
  const QString lines = "warning: w \"1\"\nnote: n\n";
  EXPECT_TRUE(
      formatReport(report, Format::Text).endsWith(" 5 \x01\nRe 2500 transitional\n" + lines));
  EXPECT_EQ(reportNotes(report, Format::Csv), lines);
  EXPECT_EQ(reportNotes(report, Format::Json), "");
  EXPECT_EQ(formatReport(report, Format::Json),
            json +
                ", \"reynolds\": 2500.25, \"regime\": \"transitional\", \"checks\": "
                "[{\"level\": \"warning\", \"text\": \"w \\\"1\\\"\"}, {\"level\": \"note\", "
                "\"text\": \"n\"}]}\n");
}

// ">/dev/full" and ">&-" (closed) in `to` fail standard output.
RunResult runProgram(const QStringList& args, const QString& to = {}) {
  QProcess process;
  if (to == ">/dev/full") process.setStandardOutputFile("/dev/full");
  if (to == ">&-") process.setChildProcessModifier([] { ::close(STDOUT_FILENO); });
  process.start(VANTREL_SOLVE_PROGRAM, args);
  const bool ended = process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit;
  return {ended ? process.exitCode() : -1, process.readAllStandardOutput(),
          process.readAllStandardError()};
}

// Each row is run here and as the program, in a folder without Vantrel.rtf; neither finds one
// installed beside the program.
TEST(Run, EachExitStatusWithWhatGoesToEitherStreamAndEachFormat) {
  const QString here = QDir(kFolder.path()).canonicalPath();
  const QString programFolder = QFileInfo(VANTREL_SOLVE_PROGRAM).canonicalPath();
  const QString installed = QDir::cleanPath(programFolder + "/../share/vantrel/Vantrel.rtf");
  const QString files[] = {"", kShipped, kOwn, kFolder.write("bad.rtf", "plain text"),
                           here + "/gone.rtf"};
  const auto aborted = [](const QString& what, const QString& path) {
    return "System Data File " + what + "\n[" + path + "]\nLoading ABORT !\n";
  };
  const QString failed =
      "The equation is ill-conditioned, real solution may not be possible.\nNo answer found "
      "after  500 iterations.\nEntry 1, ";
  const QString before = " was not taken: the page is as it was before it.\n";
  const QString full = "vantrel-solve: cannot write the output: No space left on device\n";
  const QString closed = "vantrel-solve: cannot write the output: Bad file descriptor\n";
  const QString many = kFolder.write("many.csv", "flow\n" + QByteArray("60\n").repeated(5000));
  // Its second case is refused for the unit --unit chose, not for one the first case left.
  const QString carried = kFolder.write("carried.csv", "k\n0.5\n30\n");
  // The data file given with --data (0 none, 1 shipped, 2 kOwn, 3 damaged, 4 missing), the rest
  // of the command line split at "|" (a last part ">..." sends the program's standard output
  // there), the status, standard error, and text standard output must hold ("" when it must
  // stay empty).
  const std::tuple<int, QString, int, QString, QString> rows[] = {
      // Every place looked in is named, one a line.
      {0, "1", kBadUsage, aborted("not found !", here + "/Vantrel.rtf]\n[" + installed), ""},
      {4, "1", kBadUsage, aborted("not found !", files[4]), ""},
      {3, "1", kBadUsage, aborted("is damaged !\nthe file is not an RTF document", files[3]), ""},
      {2, "1|r&d=2", kBadUsage,
       "R&D is the variable solved for on Nothing; choose another with --for to enter it.\n", ""},
      // Every entry is looked up before the first is solved.
      {2, "1|flow=-5|q=1", kBadUsage,
       "Nothing has no variable \"q\". Its variables are: Flow, Flow Rate, R&D.\n", ""},
      {2, "2|f=0.02", kBadUsage,
       "Spare has no variable to solve for; choose one with --for NAME.\n", ""},
      // The accepted range is shown in the unit the entry was given in.
      {1, "1|pipe d=250|flow=-5 m³/h", kRefused,
       " Flow Rate   out of Range!\nAccepted range is:  greater than  0 to  360000m³/h\n", ""},
      {2, "1|flow=1 huge", kRefused, "The value is too large to be shown in huge.\n", ""},
      // Velocity is an output of the formula: solving for it never converges. The page is
      // printed as before the entry, the row in the unit the entry was given in.
      {1, "bends|--for|vel|pipe d=0.2|m|--format=CSV", kNoSolution,
       failed + "\"pipe d=0.2 m\" (Pipe Dia.)," + before +
           "warning: Velocity is computed from the other rows and cannot be solved for: choose "
           "another row to solve for.\n",
       "\nPipe Dia.,0.15000,m,0.15,0\n"},
      {2, "nothing|flow=0.002", kNoSolution,
       "Formular not available!\n" + failed + "\"flow=0.002\" (Flow)," + before, "N\nFlow "},
      // An entry's unit stays the row's unit; one without a unit is in the default unit.
      {1, "1|flow=0.06 m³/s|pipe d=0.4m|flow=60|--format|csv", kSolved, "",
       "\nPipe Dia.,0.40000,m,0.4,0\nFlow Rate,60.000,l/s,0.06,0\n"},
      {1, "--help", kSolved, "", "Usage: vantrel-solve [--data FILE] PAGE"},
      // --unit shows a row, the unknown too, in another unit; entries keep their own.
      {1, "1|--unit|head=ft|--unit=flow=us gpm|flow=60|--format|csv", kSolved, "",
       "Flow Rate,951.02,US gpm,0.06,0\nC Factor,130.0,,130,0\nPipe Length,1000.0,m,1000,0\nHead "
       "Loss,8.2837,ft,"},
      {1, "Bends|flow=40|US|gpm|--for=pipe d", kSolved, "",
       "Bends :- Head loss in pipe bends and elbows\n"
       "Pipe Dia.?    43.51 mm\n"
       "Flow Rate     40.00 US gpm\n"
       "K Factor      0.300\n"
       "Head Loss   0.04403 m\n"
       "Velocity      1.697 m/s\n"},
      {2, "2|--format|json", kSolved, "",
       "{\"page\": \"Spare\", \"title\": \"S\", \"unknown\": \"\", \"variables\": [{\"name\": "
       "\"D\", \"value\": \"100.0\", \"unit\": \"mm\", \"base\": 0.1}, "},
      // The calculation record in place of the table, or beside it in a file.
      {1, "1|--format|html", kSolved, "", "<h1>Calculation record</h1>"},
      {1, "1|--record|" + here + "/r.pdf", kSolved, "", "Head Loss?"},
      {1, "1|--record|" + here + "/gone/r.pdf", kBadUsage,
       "The calculation record could not be written to " + here +
           "/gone/r.pdf: No such file or directory.\n",
       "Head Loss?"},
      {1, "1|d=-1|--record|" + here + "/refused.html", kRefused,
       " Pipe Dia.   out of Range!\nAccepted range is:  greater than  0 to  10000mm\n", ""},
      {1, "1|--record|-", kSolved, "", "<h1>Calculation record</h1>"},
      // The plot's axis is an entry, the Moody chart Colebrook-White's; a file that cannot be
      // written is told.
      {1, "1|--plot|p.svg|--moody", kBadUsage,
       "--moody is for the Colebrook-White page, not for H.Williams.\n", ""},
      {1, "1|--plot|p.svg|--x|gradient", kBadUsage,
       "Gradient is no row entered on H.Williams; the plot's axis can be: Pipe Dia., Flow Rate, C "
       "Factor, Pipe Length.\n",
       ""},
      {1, "1|--plot|" + here + "/gone/p.svg", kBadUsage,
       "The plot could not be written to " + here + "/gone/p.svg: No such file or directory.\n",
       "Head Loss?"},
      // JSON's iterations: the passes of the last solve, none before a solve.
      {1, "1|flow=60|--format|json", kSolved, "",
       "\"iterations\": [{\"step\": 1, \"trial\": 1.8019782, \"residual\": -6.723927e-05}, "},
      {1, "1|--format|json", kSolved, "", ", \"iterations\": []}\n"},
      {0, "--version", kSolved, "", "vantrel-solve " + record::programVersion() + '\n'},
      // A value may name the one table row its words fit, cited by json and the record; words
      // that fit several rows or none are refused naming them. --tables lists the rows.
      {1, "1|dia=NPS 6 Sch 40|--format|json", kSolved, "",
       "\"value\": \"154.08\", \"unit\": \"mm\", \"base\": 0.15408, \"table\": {\"entry\": "
       "\"Steel, ASME B36.10M | NPS 6 | Sch 40\", \"source\": \"ASME B36.10M-2018, Table 1\"}}"},
      {1, "c.white|visc=water 10 °C|--format|html", kSolved, "",
       "1.3062904e-06</td><td>m²/s</td><td>from table: Water at 10 °C</td>"},
      {1, "c.white|rough=galvanised|dia=6.5|in", kSolved, "", "Roughness     0.1500 mm"},
      {1, "1|dia=NPS 6 Sch 8", kBadUsage,
       "\"NPS 6 Sch 8\" fits 4 rows of the tables for Pipe Dia.; name one of them:\n  PVC, ASTM "
       "D1785 | NPS 6 | Sch 80 PVC\n  Stainless steel, ASME B36.19M | NPS 6 | Sch 80S\n  Steel, "
       "ASME B36.10M | NPS 6 | Sch 80\n  Steel, ASME B36.10M | NPS 8 | Sch 60\n",
       ""},
      {1, "c.white|visc=water 120 °C", kBadUsage,
       "No row of the tables for Viscosity fits \"water 120 °C\" (water is computed from 0 to 100 "
       "°C); vantrel-solve --tables WORDS lists the rows.\n",
       ""},
      // A number with a word that is no unit and names no row: the unit is what is wrong.
      {1, "1|dia=5 inch", kBadUsage,
       "\"inch\" is not a unit of Pipe Dia. Its units are: m, mm, cm, in, ft.\n", ""},
      {1, "--tables|glob|bev|1/2", kSolved, "",
       "Loss coefficients K: valves (K Factor on Valves)\n  Globe valve | bevel seat, 1/2 open  9.5"
       "   Perry's Chemical Engineers' Handbook, 8th ed. (2008), Table 6-4\n"},
      {1, "--tables|zz", kSolved, "No row of the tables fits \"zz\".\n", ""},
      {1, "--tables|--for|x", kBadUsage, "--tables takes no --for\n" + usageLine() + '\n', ""},
      {2, "3|--batch|" + carried + "|--unit|head=huge", kSomeCasesFailed, "",
       "\n,,,,,3,The value is too large to be shown in huge.,,,\n"},
      // Output that could not be written is never taken for done.
      {1, "--help|>/dev/full", kBadUsage, full, ""},
      {1, "--list|>&-", kBadUsage, closed, ""},
      {1, "1|flow=60|>/dev/full", kBadUsage, full, ""},
      {1, "1|--batch|" + many + "|>&-", kBadUsage, closed, ""},
      {1, "1|--batch|" + many + "|--format|json|>/dev/full", kBadUsage, full, ""},
  };
  const QString previous = QDir::currentPath();
  QDir::setCurrent(here);
  for (const auto& [file, rest, status, err, out] : rows) {
    QStringList args =
        (file ? QStringList{"--data", files[file]} : QStringList()) + rest.split('|');
    const QString to = args.last().startsWith('>') ? args.takeLast() : QString();
    SCOPED_TRACE((args.join(' ') + ' ' + to).toStdString());
    // Made whole, not grown: g++ 12 takes the growth of a vector of these for a bounds fault.
    const RunResult program = runProgram(args, to);
    const std::vector<RunResult> runs =
        to.isEmpty() ? std::vector{program, runCommandLine(args, programFolder)}
                     : std::vector{program};
    for (const RunResult& r : runs) {
      EXPECT_EQ(r.status, status);
      EXPECT_EQ(r.err, err);
      EXPECT_EQ(r.out.isEmpty(), out.isEmpty());
      EXPECT_TRUE(r.out.contains(out)) << r.out.toStdString();
    }
  }
  EXPECT_FALSE(QFile::exists(here + "/refused.html"));
  EXPECT_FALSE(QFile::exists(here + "/-"));
  QDir::setCurrent(previous);
}

// The record the program writes, as a PDF and as HTML, read back.
TEST(Run, TheRecordFileReadsBack) {
  for (const QString& path : {kFolder.path() + "/cli.pdf", kFolder.path() + "/cli.html"}) {
    ASSERT_EQ(runProgram({"--data", kShipped, "1", "flow=60", "--record", path}).status, kSolved);
    testing::expectHazenAt60(testing::recordFileLines(path), kShipped);
  }
}

// The plot written as SVG (its title and its texts read back as XML), PNG (the curve's blue on it)
// and PDF (its text through pdftotext); the axis chosen by --x, the Moody chart by --moody.
TEST(Run, ThePlotFileReadsBack) {
  const std::tuple<QString, QStringList, QString> rows[] = {
      {"p.svg", {"1", "flow=60"}, "Head Loss against Flow Rate"},
      {"p.png", {"1", "--x", "length"}, ""},
      {"p.pdf", {"2", "--moody"}, "Moody chart"},
      {"x.pdf", {"1", "--x", "dia"}, "Head Loss against Pipe Dia."},
  };
  for (const auto& [name, args, title] : rows) {
    const QString path = kFolder.path() + '/' + name;
    ASSERT_EQ(
        runProgram(QStringList{"--data", kShipped} + args + QStringList{"--plot", path}).status,
        kSolved);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    if (name.endsWith(".svg")) {
      QXmlStreamReader xml(file.readAll());
      QStringList texts;
      while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement &&
            (xml.name() == u"title" || xml.name() == u"text"))
          texts << xml.readElementText().trimmed();
      EXPECT_FALSE(xml.hasError());
      EXPECT_EQ(texts.value(0), title);
      EXPECT_TRUE(texts.contains("Flow Rate (l/s)") && texts.contains("60.000 l/s, 2.5249 m"));
    } else if (name.endsWith(".png")) {
      const QImage image = QImage::fromData(file.readAll());
      int blue = 0;
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
          blue += image.pixelColor(x, y).blue() > 150 && image.pixelColor(x, y).red() < 60;
      EXPECT_GT(blue, 2000);
    } else {
      EXPECT_TRUE(testing::recordFileLines(path).contains(title));
    }
  }
}

}  // namespace
}  // namespace vantrel::solve

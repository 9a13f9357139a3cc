#include "solve/Arguments.h"

#include <QRegularExpression>

#include "numtext/NumberReading.h"
#include "solve/SolveError.h"
#include "solve/TablesCommand.h"

namespace vantrel::solve {

namespace {

[[noreturn]] void badUsage(const QString& problem) {
  throw SolveError(kBadUsage, problem + u'\n' + usageLine());
}

// An entry's value splits where the leading number ends: "60l/s" and "60 l/s" both give 60 in
// l/s, as the value box reads "60 l/s" as 60.
Assignment assignmentOf(const QString& arg) {
  const qsizetype equals = arg.indexOf(u'=');
  Assignment a;
  a.name = arg.left(equals).trimmed();
  if (a.name.isEmpty())
    badUsage(QStringLiteral("\"%1\" names no variable before its \"=\"").arg(arg));
  const QString value = arg.mid(equals + 1);
  const qsizetype length = numtext::leadingNumberLength(value);
  a.number = value.left(length).trimmed();
  a.unit = value.mid(length).simplified();
  a.typed = arg;
  return a;
}

Format formatOf(const QString& text) {
  const QString lower = text.toLower();
  if (lower == u"text") return Format::Text;
  if (lower == u"csv") return Format::Csv;
  if (lower == u"json") return Format::Json;
  if (lower == u"html") return Format::Html;
  badUsage(QStringLiteral("unknown format \"%1\": text, csv, json or html").arg(text));
}

UnitChoice unitChoiceOf(const QString& text) {
  const qsizetype equals = text.indexOf(u'=');
  const UnitChoice choice{text.left(equals).trimmed(), text.mid(equals + 1).trimmed()};
  if (equals < 0 || choice.name.isEmpty() || choice.unit.isEmpty())
    badUsage(QStringLiteral("--unit wants NAME=UNIT, not \"%1\"").arg(text));
  return choice;
}

int jobsOf(const QString& text) {
  bool isNumber = false;
  const int jobs = text.toInt(&isNumber);
  if (!isNumber || jobs < 1 || jobs > 256)
    badUsage(
        QStringLiteral("--jobs wants a number of threads from 1 to 256, not \"%1\"").arg(text));
  return jobs;
}

// Options that take a value; each but --unit may be given once.
const QStringList kValueOptions{"--data", "--for",    "--format", "--batch", "--jobs",
                                "--unit", "--record", "--plot",   "--x"};

void takeOption(Request& r, const QString& option, const QString& value) {
  if (option == u"--data") {
    r.dataFile = value;
  } else if (option == u"--for") {
    r.unknown = value.trimmed();
  } else if (option == u"--format") {
    r.format = formatOf(value.trimmed());
  } else if (option == u"--batch") {
    r.batch = value.trimmed();
  } else if (option == u"--jobs") {
    r.jobs = jobsOf(value.trimmed());
  } else if (option == u"--record") {
    r.record = value;
  } else if (option == u"--plot" || option == u"--x") {
    (option == u"--plot" ? r.plot : r.plotX) = option == u"--x" ? value.trimmed() : value;
  } else {
    r.units.push_back(unitChoiceOf(value));
  }
}

// The plot's options: a file that names its kind, and an axis or a chart for a plot or a record.
void checkPlotOptions(const Request& r, const QStringList& given) {
  static const QRegularExpression kinds(QStringLiteral("\\.(svg|png|pdf)$"),
                                        QRegularExpression::CaseInsensitiveOption);
  if (!r.plot.isEmpty() && !kinds.match(r.plot.trimmed()).hasMatch())
    badUsage(
        QStringLiteral("--plot wants a file ending in .svg, .png or .pdf, not \"%1\"").arg(r.plot));
  if (!r.batch.isEmpty() && !r.plot.isEmpty())
    badUsage(QStringLiteral("--plot is for one page, not for --batch"));
  const bool drawn = !r.plot.isEmpty() || !r.record.isEmpty() || r.format == Format::Html;
  if (!drawn && (given.contains(u"--x") || r.moody))
    badUsage(
        QStringLiteral("--x and --moody choose the plot of --plot, --record or --format html"));
  if (given.contains(u"--x") && r.moody)
    badUsage(
        QStringLiteral("--x and --moody do not go together: the Moody chart has its own axes"));
}

// What the options ask for together must make sense: a batch takes its entries from its file,
// and a list computes nothing.
void checkCombination(const Request& r, const QStringList& given) {
  if (r.help || r.version) return;
  if (r.list) {
    for (const QString& option : given) {
      if (option != u"--data") badUsage(QStringLiteral("--list takes no %1").arg(option));
    }
    if (!r.assignments.empty()) badUsage(QStringLiteral("--list takes no entries"));
    return;
  }
  if (r.page.isEmpty()) badUsage(QStringLiteral("no page given"));
  if (!r.batch.isEmpty() && !r.assignments.empty()) {
    badUsage(
        QStringLiteral("entries and --batch do not go together: the batch file's columns "
                       "hold the entries"));
  }
  if (r.batch.isEmpty() && given.contains(u"--jobs"))
    badUsage(QStringLiteral("--jobs is for --batch"));
  if (!r.batch.isEmpty() && given.contains(u"--format") &&
      (r.format == Format::Text || r.format == Format::Html))
    badUsage(QStringLiteral("--batch writes csv or json"));
  if (!r.batch.isEmpty() && given.contains(u"--record"))
    badUsage(QStringLiteral("--record is for one page, not for --batch"));
  if (r.record.trimmed() == u"-" && given.contains(u"--format") && r.format != Format::Html)
    badUsage(QStringLiteral("--record - and --format both write to standard output"));
  checkPlotOptions(r, given);
}

}  // namespace

Request parseArguments(const QStringList& args) {
  if (args.contains(QStringLiteral("--tables"))) return tablesRequest(args);
  Request r;
  QStringList given;
  // Words that follow an entry belong to its unit ("flow=60 US gpm" as three words).
  bool unitMayFollow = false;
  for (qsizetype i = 0; i < args.size(); ++i) {
    const QString& arg = args[i];
    if (arg.size() > 1 && arg.startsWith(u'-')) {
      unitMayFollow = false;
      if (arg == u"-h" || arg == u"--help") {
        r.help = true;
        continue;
      }
      if (arg == u"--list") {
        r.list = true;
        continue;
      }
      if (arg == u"--version") {
        r.version = true;
        continue;
      }
      if (arg == u"--moody") {
        r.moody = true;
        given << arg;
        continue;
      }
      const qsizetype equals = arg.indexOf(u'=');
      const QString option = equals < 0 ? arg : arg.left(equals);
      if (!kValueOptions.contains(option))
        badUsage(QStringLiteral("unknown option \"%1\"").arg(arg));
      if (option != u"--unit" && given.contains(option))
        badUsage(QStringLiteral("%1 is given twice").arg(option));
      given << option;
      QString value;
      if (equals >= 0) {
        value = arg.mid(equals + 1);
      } else if (i + 1 < args.size()) {
        value = args[++i];
      } else {
        badUsage(QStringLiteral("%1 needs a value").arg(option));
      }
      if (value.trimmed().isEmpty()) badUsage(QStringLiteral("%1 needs a value").arg(option));
      takeOption(r, option, value);
    } else if (r.page.isEmpty() && !arg.contains(u'=')) {
      if (arg.trimmed().isEmpty()) badUsage(QStringLiteral("the page is empty"));
      r.page = arg.trimmed();
    } else if (arg.contains(u'=')) {
      if (r.page.isEmpty()) badUsage(QStringLiteral("\"%1\" comes before the page").arg(arg));
      r.assignments.push_back(assignmentOf(arg));
      unitMayFollow = true;
    } else if (unitMayFollow) {
      Assignment& last = r.assignments.back();
      last.unit = (last.unit + u' ' + arg).simplified();
      last.typed += u' ' + arg;
    } else {
      badUsage(QStringLiteral("unexpected \"%1\"").arg(arg));
    }
  }
  checkCombination(r, given);
  if (!r.batch.isEmpty() && !given.contains(u"--format")) r.format = Format::Csv;
  // "-" is standard output, where the record is what --format html prints.
  if (r.record.trimmed() == u"-") {
    r.record.clear();
    r.format = Format::Html;
  }
  return r;
}

// The synopsis follows the convention help2man reads ("Usage:", then "  or:" lines) when it writes
// the manual page from the help text.
QString usageLine() {
  return QStringLiteral(
      "Usage: vantrel-solve [--data FILE] PAGE [NAME=VALUE[ UNIT]]... [--for NAME] "
      "[--unit NAME=UNIT]... [--format text|csv|json|html] [--record FILE] "
      "[--plot FILE] [--x NAME | --moody]\n"
      "  or:  vantrel-solve [--data FILE] PAGE --batch FILE.csv [--for NAME] "
      "[--unit NAME=UNIT]... [--format csv|json] [--jobs N]\n"
      "  or:  vantrel-solve [--data FILE] --list [PAGE]\n"
      "  or:  vantrel-solve [--data FILE] --tables [WORDS]...\n"
      "  or:  vantrel-solve --help | --version");
}

QString helpText() {
  return usageLine() + QStringLiteral(R"(

Computes pages of the calculator as its window does: from the page's defaults, each entry is
committed in turn and the unknown solved for; then every variable is printed.

PAGE is a tab caption (H.Williams), in any letter case, or a page number. NAME=VALUE[ UNIT]
enters VALUE into a variable, in the order given. NAME is the variable's caption in any letter
case with blanks ignored (its closing "=" may stay: "Pipe Dia. ="); the beginning of it, or of
any of its words, is enough when only one variable fits ("length" finds Pipe Length). A name
that fits more than one variable is refused with those it fits ("d" on Orifice: Pipe Dia.,
Beta d/D, Diff. Head); nothing is guessed. The same holds for --for, --unit and the columns
of --batch. UNIT is one of the variable's units (60 l/s or 60l/s); without one, the value is
in the variable's default unit.

VALUE may name a row of a table that serves the variable instead of a number, by the starts
of the row's words in any order: "dia=NPS 6 Sch 40", "visc=water 10 °C", "rough=galvanised",
also in the cells of --batch. The words must fit exactly one row (where several fit, the one
that holds every word whole and leaves the fewest of its words unnamed); otherwise the entry
is refused, with status 2, naming the rows that fit. The row's value is entered in the
variable's default unit, or in the unit that follows the words (in a batch, the column's
unit); json and the calculation record name the row and its source.

Options:
  --for NAME        the variable to solve for (default: the page's own unknown)
  --unit NAME=UNIT  shows NAME in another of its units, the unknown included; may be given for
                    several variables. Entries are still read in their own unit.
  --format F        text (the default for one page), csv, json or html; for one page, csv and
                    json add each value in base SI units, json also "iterations" (each pass of
                    the solve that gave the unknown its value: its step, trial value and
                    residual; not in a batch's lines), and html prints the calculation record.
  --record FILE     writes the calculation record of the page once the entries are in: an A4
                    PDF when FILE ends in .pdf, the HTML otherwise (the plot in it as SVG);
                    "-" prints the HTML on standard output, as --format html does. The record
                    holds the program and its version, the date and time, the data file and
                    its SHA-256, the formula, every variable with its value as shown, in SI
                    base units and where it comes from (entered, default, from table: and
                    the row, computed by the formula or solved for), the sources of the
                    table rows, the checks, the plot (as --plot draws it), the
                    working and lines to sign. The working is the formula's residual with
                    every entered value put in (SI units), each pass of the solver (trial
                    value and residual) and the residual at the answer; on C.White also Re,
                    k/D and the friction factor. It is one sheet where it fits; otherwise the
                    working begins a second ("Sheet 1 of 2", "Sheet 2 of 2").
  --plot FILE       draws the unknown against an entry into FILE: SVG, PNG or PDF as its name
                    ends (.svg, .png, .pdf). Each point is solved as the window solves it with
                    every other entry held; the span runs around the entry's value within its
                    range, the page's point is marked with its values, and where the checks
                    warn the span is shaded.
  --x NAME          the plot's horizontal axis, an entry named as in NAME=VALUE (default: the
                    last entry given, else Flow Rate, else the first row entered)
  --moody           on C.White, the Moody chart instead: the friction factor against Re for a
                    family of relative roughnesses, the laminar line, the transition zone, the
                    page's pipe and its point
  --batch FILE.csv  solves one case per line of FILE.csv ("-" reads standard input). The first
                    line names a variable in each column, as NAME does, with its unit in
                    brackets if it is not the default one ("Flow Rate [l/s]"). Every case
                    starts from the page's defaults; its cells, numbers in their column's unit,
                    are committed from left to right and an empty cell keeps its default.
                    --for and --unit apply to every case. Output, one line per case in input
                    order: csv (the default: a header, then every variable's value in the unit
                    it is shown in, then status, message, reynolds, regime and checks, the
                    case's warnings and notes joined by " | ") or json (the one-page object
                    with "line", "status" and "message" added; a refused case has only those
                    three).
                    A case refused or unsolved gets its status 3 or 4, a line that is no case
                    (too many cells, a quote left open) status 2, and the batch goes on: a
                    line break ends a case even inside quotes. Empty cells at the end of a
                    line, the header's too, are no columns ("Flow Rate,Pipe Dia.,").
  --jobs N          threads that solve a batch (default: one for each core)
  --list [PAGE]     names the pages; with PAGE, every variable of it: its default, accepted
                    range, units, and whether the formula computes it (a result row)
  --tables [WORDS]  lists the rows of the tables that fit WORDS (every row without), each
                    with its value, unit and source, under its table's title and the variables
                    it serves. The tables lie in the "tables" folder beside the data file;
                    the user's own in $XDG_DATA_HOME/vantrel/tables (~/.local/share/vantrel/
                    tables). A temperature from 0 to 100 (°C) names water at it.
  --data FILE       the data file (default: Vantrel.rtf in the current directory, else the
                    one installed with the program)
  -h, --help        prints this help
  --version         prints the program's name and version

Exit status: 0 solved (every case of a batch), 2 bad usage, a bad batch header or file, a
missing or damaged data file, a record or plot file that cannot be written, or output that
cannot be written (standard output full or closed: the message names the reason), 3 an entry
out of its range, 4 no solution found for an entry, 5 some case of a batch not solved.
)");
}

}  // namespace vantrel::solve

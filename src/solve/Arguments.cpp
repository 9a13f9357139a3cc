#include "solve/Arguments.h"

#include "numtext/NumberReading.h"
#include "solve/SolveError.h"

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
  badUsage(QStringLiteral("unknown format \"%1\": text, csv or json").arg(text));
}

}  // namespace

Request parseArguments(const QStringList& args) {
  Request r;
  bool dataGiven = false;
  bool unknownGiven = false;
  bool formatGiven = false;
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
      const qsizetype equals = arg.indexOf(u'=');
      const QString option = equals < 0 ? arg : arg.left(equals);
      bool* given = nullptr;
      if (option == u"--data") {
        given = &dataGiven;
      } else if (option == u"--for") {
        given = &unknownGiven;
      } else if (option == u"--format") {
        given = &formatGiven;
      } else {
        badUsage(QStringLiteral("unknown option \"%1\"").arg(arg));
      }
      if (*given) badUsage(QStringLiteral("%1 is given twice").arg(option));
      *given = true;
      QString value;
      if (equals >= 0) {
        value = arg.mid(equals + 1);
      } else if (i + 1 < args.size()) {
        value = args[++i];
      } else {
        badUsage(QStringLiteral("%1 needs a value").arg(option));
      }
      if (value.trimmed().isEmpty()) badUsage(QStringLiteral("%1 needs a value").arg(option));
      if (option == u"--data") {
        r.dataFile = value;
      } else if (option == u"--for") {
        r.unknown = value.trimmed();
      } else {
        r.format = formatOf(value.trimmed());
      }
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
  if (!r.help && r.page.isEmpty()) badUsage(QStringLiteral("no page given"));
  return r;
}

// "Usage:" is where help2man finds the synopsis of the manual page it writes from the help text.
QString usageLine() {
  return QStringLiteral(
      "Usage: vantrel-solve [--data FILE] PAGE [NAME=VALUE[ UNIT]]... [--for NAME] "
      "[--format text|csv|json]");
}

QString helpText() {
  return usageLine() + QStringLiteral(R"(
Computes one page of the calculator as its window does and prints every variable of it.
  PAGE          a tab caption (H.Williams) or a page number
  NAME=VALUE    enters VALUE into a variable, in the order given; NAME is its caption in any
                letter case, blanks ignored, and a unique beginning of it is enough
  UNIT          one of the variable's units (60 l/s or 60l/s); without one, its default unit
  --for NAME    the variable to solve for (default: the page's own)
  --data FILE   the data file (default: Vantrel.rtf in the current directory, else the one
                installed with the program)
  --format F    text (default), csv or json; csv and json add the value in base units
Exit status: 0 solved, 2 bad usage or data file, 3 an entry out of its range, 4 no solution
found for an entry.
)");
}

}  // namespace vantrel::solve

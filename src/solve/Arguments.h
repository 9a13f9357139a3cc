#pragma once
// The command line of vantrel-solve:
//   vantrel-solve [--data FILE] PAGE [NAME=VALUE[ UNIT]]... [--for NAME] [--format text|csv|json]
// Reading it checks only its form; whether the page, the names and the units exist is decided
// against the data file later.

#include <QString>
#include <QStringList>
#include <vector>

namespace vantrel::solve {

enum class Format { Text, Csv, Json };

// One NAME=VALUE[ UNIT] entry.
struct Assignment {
  QString name;    // before the "=", trimmed
  QString number;  // the value's leading number, as a value box reads it ("" reads 0)
  QString unit;    // whatever follows the number, glued or as further words; "" = default unit
  QString typed;   // the entry as given, for messages
};

struct Request {
  QString dataFile;  // "" = Vantrel.rtf in the current directory
  QString page;
  std::vector<Assignment> assignments;
  QString unknown;  // "" = the page's default unknown
  Format format = Format::Text;
  bool help = false;
};

// Throws SolveError(kBadUsage) for a command line that cannot be read.
Request parseArguments(const QStringList& args);

// The synopsis line, and the whole help text.
QString usageLine();
QString helpText();

}  // namespace vantrel::solve

#pragma once
// The command line of vantrel-solve (see usageLine()): one page solved from entries, a batch of
// cases read as CSV, or the list of the pages or of one page's variables.
// Reading it checks only its form; whether the page, the names and the units exist is decided
// against the data file later.

#include <QString>
#include <QStringList>
#include <vector>

namespace vantrel::solve {

enum class Format { Text, Csv, Json, Html };

// One NAME=VALUE[ UNIT] entry.
struct Assignment {
  QString name;    // before the "=", trimmed
  QString number;  // the value's leading number, as a value box reads it ("" reads 0)
  QString unit;    // whatever follows the number, glued or as further words; "" = default unit
  QString typed;   // the entry as given, for messages
};

// One --unit NAME=UNIT: the variable is shown in that unit.
struct UnitChoice {
  QString name;
  QString unit;
};

struct Request {
  QString dataFile;  // "" = Vantrel.rtf in the current directory
  QString page;      // "" only with help or list
  std::vector<Assignment> assignments;
  QString unknown;  // "" = the page's default unknown
  std::vector<UnitChoice> units;
  Format format = Format::Text;  // Csv for a batch unless given
  QString batch;                 // the cases' CSV file, "-" for standard input; "" = no batch
  int jobs = 0;                  // threads of a batch; 0 = one per core
  QString record;                // the calculation record's file; "" = none
  QString plot;                  // --plot: the plot's file (.svg, .png or .pdf); "" = none
  QString plotX;                 // --x: the plot's horizontal axis; "" = the last entry's row
  bool moody = false;            // --moody: the Moody chart is the plot
  bool list = false;
  // --tables: the table rows that fit tableWords are listed.
  bool tables = false;
  QString tableWords;
  // Where the tables lie that entries may name rows of; set once the data file is found.
  QStringList tableFolders;
  bool help = false;
  bool version = false;
};

// Throws SolveError(kBadUsage) for a command line that cannot be read.
Request parseArguments(const QStringList& args);

// The synopsis line, and the whole help text.
QString usageLine();
QString helpText();

}  // namespace vantrel::solve

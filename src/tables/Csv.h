#pragma once
// One line of a CSV file as a spreadsheet writes it: cells separated by commas, a cell in double
// quotes may hold commas, and "" inside quotes stands for one quote. Blanks around an unquoted
// cell are dropped.

#include <QString>
#include <QStringList>
#include <QStringView>

namespace vantrel::tables {

struct CsvLine {
  QStringList cells;
  QString error;  // empty when the line is well formed
};

CsvLine splitCsvLine(QStringView line);

}  // namespace vantrel::tables

#pragma once
// A table of input values as read from one file: which variables it serves, its unit, and its
// rows, each an entry's name, its values and its source.

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>
#include <vector>

#include "tables/Words.h"

namespace vantrel::tables {

struct TableRow {
  QString name;
  std::vector<std::optional<double>> values;  // one per value column, in the table's unit
  QString source;
  int line = 0;  // in the file, from 1
  Words words;   // of the name, for the search
};

struct Table {
  QString title;
  QString file;
  QStringList serves;   // variable names, as the data file spells them without "="
  QStringList pages;    // the pages' tab captions; empty for every page
  QString unit;         // as the file writes it
  double toSi = 1;      // factor from the unit to SI base units
  QStringList columns;  // the headings of the value columns
  int valueColumn = 0;  // the column whose value is entered
  bool water = false;   // also offers water at any temperature, computed
  std::vector<TableRow> rows;

  bool servesVariable(QStringView page, QStringView variable) const;
  // The entered value of a row, in the table's unit.
  double value(const TableRow& row) const { return *row.values[valueColumn]; }
};

// A row that fits a search: a row of the table, or water at a temperature computed for it.
struct Found {
  const Table* table = nullptr;
  QString name;
  double value = 0;  // in the table's unit
  QString source;
  double siValue() const { return value * table->toSi; }
};

}  // namespace vantrel::tables

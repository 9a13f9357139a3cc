#pragma once
// Every table the programs offer: the shipped ones, then the user's own, which add rows the same
// way. A file or row that cannot be read is told in messages; everything else loads.

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>
#include <vector>

#include "tables/Table.h"

namespace vantrel::tables {

using TableList = std::vector<const Table*>;

class TableSet {
 public:
  // Reads every "*.csv" file of each folder, in the order given and by name within a folder. A
  // folder that does not exist adds nothing.
  static TableSet read(const QStringList& folders);

  const std::vector<Table>& tables() const { return tables_; }
  const QStringList& messages() const { return messages_; }
  TableList all() const;
  // The tables that serve a variable of a page (its name without "=", as calc::variableName
  // gives it).
  TableList serving(QStringView page, QStringView variable) const;

  void add(Table table) { tables_.push_back(std::move(table)); }
  void addMessages(const QStringList& messages) { messages_ << messages; }

 private:
  std::vector<Table> tables_;
  QStringList messages_;
};

// The rows of the tables whose names fit the text by word starts, in the tables' order; all rows
// for an empty text. A text that names a temperature puts water at that temperature first.
std::vector<Found> search(QStringView text, const TableList& tables);

// Exactly one row for a text, as an entry on the command line names it. When several rows fit by
// word starts, the single nearest by distance() among those that hold its words whole is taken.
// Otherwise nothing is found and fits lists the rows that fit (the nearest when some hold the
// words whole), and note may say why.
struct Lookup {
  std::optional<Found> found;
  std::vector<Found> fits;
  QString note;
};
Lookup lookup(QStringView text, const TableList& tables);

}  // namespace vantrel::tables

#pragma once
// Reading a table file: UTF-8 CSV that a spreadsheet opens and saves. Lines starting with "#"
// before the heading line describe the table, each a key and its cells:
//
//   #table,"Pipe sizes: steel, ASME B36.10M"
//   #serves,Pipe Dia.,Upstream D1,Downstr. D2
//   #pages,Bends                  (optional: only on these pages)
//   #unit,mm                      (of every value column)
//   #value,Inside diameter        (optional: the column that is entered; else the first)
//   #computed,water               (optional: also water at any temperature, computed)
//   Entry,Outside diameter,Wall,Inside diameter,Source
//   "Steel, ASME B36.10M | NPS 6 | Sch 40",168.3,7.11,154.08,"ASME B36.10M-2018, Table 1"
//
// The heading line names the columns: the entry's name first, its source last, value columns
// between. Other lines starting with "#", and empty lines, are comments.

#include <QString>
#include <QStringList>
#include <optional>

#include "tables/Table.h"

namespace vantrel::tables {

struct FileReading {
  std::optional<Table> table;  // none when the file as a whole cannot serve
  QStringList messages;        // "FILE, line N: what is wrong", one for each bad line
};

// The file's text; fileName names it in the messages.
FileReading readTableText(const QString& text, const QString& fileName);
FileReading readTableFile(const QString& path);

}  // namespace vantrel::tables

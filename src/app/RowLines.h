#pragma once
// The lines of the tables that serve one row, as the table list shows them: each entry with its
// value in the row's unit on display, formatted as the row formats it, and its source. The
// Viscosity row's water table starts with a line that asks for a temperature.

#include <QString>
#include <vector>

#include "numtext/NumberTypes.h"
#include "tables/TableSet.h"
#include "ui/TableList.h"

namespace vantrel::pages {
struct PageDataForm;
}

namespace vantrel::app {

class RowLines : public ui::TableLines {
 public:
  RowLines(pages::PageDataForm& form, Integer row, tables::TableList served);

  void filter(const QString& words) override;
  int count() const override;
  QString cell(int line, int column) const override;
  bool choosable(int line) const override { return found(line) != nullptr; }

  // The table row of a line; null for the line that asks for a temperature.
  const tables::Found* found(int line) const;
  // What the list is called: the table's title, or the row's tables'.
  QString name() const;

 private:
  pages::PageDataForm& form_;
  Integer row_;
  tables::TableList served_;
  std::vector<tables::Found> found_;
  bool prompt_ = false;  // the first line asks for a water temperature
};

}  // namespace vantrel::app

#include "PageRun.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "calc/CalcUi.h"
#include "calc/NewtonMethod.h"
#include "datafile/DataFileError.h"
#include "datafile/LoadSequence.h"

namespace vantrel::accuracy {
namespace {

// A user who answers No when the solver asks to go on, so that a hopeless solve ends.
class DecliningUi : public calc::CalcUi {
 public:
  void setStatusText(const QString&) override {}
  bool askYesNo(const QString&) override {
    declined = true;
    return false;
  }
  void showCritical(const QString&) override { declined = true; }
  bool declined = false;
};

}  // namespace

ShippedPages::ShippedPages(const QString& path) {
  rtf::WorkingDocument document;
  datafile::SilentLoadView view;
  try {
    datafile::ReadSystemData(document, tables_, path, view);
  } catch (const datafile::DataFileError& error) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(path), error.what());
    std::exit(1);
  }
}

int ShippedPages::pageOf(const QString& caption) const {
  for (int i = 1; i <= tables_.PageCount; ++i)
    if (tables_.PageCaption(i) == caption) return i;
  std::fprintf(stderr, "the data file has no page %s\n", qPrintable(caption));
  std::exit(1);
}

Array1<Single> ShippedPages::defaults(int page) const {
  Array1<Single> values(tables_.VarCount(page));
  for (int j = 1; j <= values.upper(); ++j)
    values(j) = tables_.VarDefault(page, j);
  return values;
}

PageResult commitOnPage(const QString& caption, Array1<Single> values, int unknown,
                        const std::vector<std::pair<int, Single>>& inputs) {
  DecliningUi ui;
  PageResult result;
  try {
    for (const auto& [position, value] : inputs) {
      Single start = values(position);
      values(position) = value;
      calc::NewtonSolve(values, static_cast<Integer>(unknown), static_cast<Integer>(position),
                        start, ui, caption);
      if (ui.declined) return result;
    }
  } catch (const std::overflow_error&) {
    return result;
  }
  result.solved = true;
  result.values = std::move(values);
  return result;
}

}  // namespace vantrel::accuracy

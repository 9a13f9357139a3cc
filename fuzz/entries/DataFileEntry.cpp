// The whole data-file load under arbitrary bytes. A file either loads into page tables that the
// window can show without another check, or is refused with a data-file error; nothing else may
// leave the loading sequence.

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <cfloat>
#include <cmath>
#include <vector>

#include "datafile/DataFileError.h"
#include "datafile/LoadSequence.h"
#include "entries/FuzzEntries.h"
#include "entries/Inputs.h"

namespace vantrel::fuzz {
namespace {

using datafile::PageTables;

class ListedTabs : public datafile::TabStrip {
 public:
  int tabCount() const override { return static_cast<int>(captions.size()); }
  void removeTab(int position) override { captions.removeAt(position - 1); }
  void addTab(const QString& caption) override { captions.append(caption); }
  void setTabToolTip(int position, const QString&) override {
    require(position >= 1 && position <= tabCount(), "tooltip for a tab that does not exist");
  }
  QStringList captions;
};

// Loading without a window: the progress is kept to check its order, the layout is dropped.
class SilentView : public datafile::LoadView {
 public:
  void setProgress(int percent) override { progress.push_back(percent); }
  void applyLayout(const datafile::FormLayout&) override {}
  datafile::TabStrip& tabStrip() override { return tabs; }
  std::vector<int> progress;
  ListedTabs tabs;
};

// One folder per process for the file the loader reads.
const QString& dataFilePath() {
  static QTemporaryDir folder;
  static const QString path = folder.filePath(QStringLiteral("Vantrel.rtf"));
  return path;
}

std::string at(int page, int var = 0) {
  std::string place = "page " + std::to_string(page);
  if (var > 0) place += ", variable " + std::to_string(var);
  return place + ": ";
}

// What the pages rely on after loading, without checking again.
void checkComplete(const PageTables& t, const SilentView& view) {
  require(t.PageCount >= 1 && t.PageCount <= 20, "page count outside 1 ... 20");
  require(t.MaxVarCount >= 2 && t.MaxVarCount <= 10, "largest record count outside 2 ... 10");
  require(view.tabs.captions.size() == t.PageCount, "not one tab per page");
  require(!view.progress.empty() && view.progress.back() == 100, "loading did not reach 100");
  for (std::size_t k = 1; k < view.progress.size(); ++k)
    require(view.progress[k - 1] < view.progress[k], "progress went backwards");
  require(t.UnitFactor.upper1() == t.PageCount && t.UnitFactor.upper2() == t.MaxVarCount &&
              t.UnitFactor.upper3() == t.UnitName.upper3() + 1,
          "unit tables of the wrong size");
  for (int i = 1; i <= t.PageCount; ++i) {
    const int vars = t.VarCount(i);
    require(vars >= 1 && vars < t.MaxVarCount, at(i) + "variable count outside the tables");
    require(view.tabs.captions[i - 1] == t.PageCaption(i), at(i) + "tab caption is not the page's");
    require(t.UnknownVar(i) >= 0 && t.UnknownVar(i) <= vars, at(i) + "unknown is not a row");
    for (int j = 1; j <= vars; ++j) {
      const int unit = t.VarUnit(i, j);
      require(unit >= 1 && unit <= t.UnitName.upper3(),
              at(i, j) + "default unit outside the table");
      require(
          std::fabs(static_cast<double>(t.UnitFactor(i, j, unit)) * t.VarValue(i, j)) <= FLT_MAX,
          at(i, j) + "default value beyond what its unit can show");
    }
  }
}

}  // namespace

Outcome fuzzDataFile(const std::uint8_t* data, std::size_t size) {
  {
    QFile file(dataFilePath());
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) ==
                    static_cast<qint64>(size),
            "cannot write the data file for the loader");
  }
  rtf::WorkingDocument document;
  PageTables tables;
  SilentView view;
  try {
    datafile::ReadSystemData(document, tables, dataFilePath(), view);
  } catch (const datafile::DataFileError& error) {
    require(!error.problem().isEmpty(), "a data-file error without a problem");
    require(!error.message().isEmpty(), "a data-file error without a message");
    return Outcome::Refused;
  }
  checkComplete(tables, view);
  return Outcome::Accepted;
}

}  // namespace vantrel::fuzz

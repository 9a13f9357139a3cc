#pragma once
// The shipped data file loaded once, and small data files written for a test.

#include <QString>

#include "datafile/LoaderFixture.h"
#include "datafile/PageTables.h"
#include "solve/SolveRun.h"

namespace vantrel::testing {

inline const QString kShippedFile = QStringLiteral(VANTREL_SHIPPED_DATA_DIR "/Vantrel.rtf");

inline const datafile::PageTables& shippedTables() {
  static const datafile::PageTables tables = [] {
    datafile::PageTables t;
    solve::loadDataFile(kShippedFile, t);
    return t;
  }();
  return tables;
}

// A data file of the pages given, in a folder that lives as long as the object.
class DataFile {
 public:
  explicit DataFile(const std::vector<PageText>& pages)
      : path_(folder_.write("Vantrel.rtf", rtfFromPlain(fileText(pages)))) {}
  explicit DataFile(const QByteArray& bytes) : path_(folder_.write("Vantrel.rtf", bytes)) {}
  const QString& path() const { return path_; }
  QString folder() const { return folder_.path(); }
  datafile::PageTables tables() const {
    datafile::PageTables t;
    solve::loadDataFile(path_, t);
    return t;
  }

 private:
  TempFolder folder_;
  QString path_;
};

}  // namespace vantrel::testing

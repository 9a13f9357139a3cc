#pragma once
// Where the tables lie, and reading them without delaying the start: on a thread of their own
// from startReading(), or on first use.

#include <QString>
#include <QStringList>
#include <future>
#include <memory>
#include <mutex>

#include "tables/TableSet.h"

namespace vantrel::tables {

// The shipped tables: the "tables" folder beside the data file, in the first of the data file's
// folders (in the order the data file is looked for) that has one; "" when none has.
QString shippedTablesFolder(const QStringList& dataFileFolders);
// The user's own: $XDG_DATA_HOME/vantrel/tables (~/.local/share/vantrel/tables by default).
QString userTablesFolder();

class TablesOnDemand {
 public:
  explicit TablesOnDemand(QStringList folders) : folders_(std::move(folders)) {}
  ~TablesOnDemand();  // waits for a reading under way
  TablesOnDemand(const TablesOnDemand&) = delete;
  TablesOnDemand& operator=(const TablesOnDemand&) = delete;

  // Starts reading on a thread of its own; a second call, or one after get(), does nothing.
  void startReading();
  // The tables, read now unless they are read or being read already.
  const TableSet& get();

 private:
  void start(std::launch policy);

  QStringList folders_;
  std::once_flag started_;
  std::shared_future<std::shared_ptr<const TableSet>> tables_;
};

}  // namespace vantrel::tables

#include "tables/TablesOnDemand.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace vantrel::tables {

QString shippedTablesFolder(const QStringList& dataFileFolders) {
  for (const QString& folder : dataFileFolders) {
    const QFileInfo tables(QDir(folder).filePath(QStringLiteral("tables")));
    if (tables.isDir()) return tables.absoluteFilePath();
  }
  return QString();
}

QString userTablesFolder() {
  return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
      .filePath(QStringLiteral("vantrel/tables"));
}

TablesOnDemand::~TablesOnDemand() {
  if (tables_.valid()) tables_.wait();
}

void TablesOnDemand::start(std::launch policy) {
  std::call_once(started_, [&] {
    tables_ = std::async(policy, [folders = folders_] {
                return std::make_shared<const TableSet>(TableSet::read(folders));
              }).share();
  });
}

void TablesOnDemand::startReading() {
  start(std::launch::async);
}

const TableSet& TablesOnDemand::get() {
  start(std::launch::deferred);
  return *tables_.get();
}

}  // namespace vantrel::tables

#pragma once
// The settings store's entry for the folder that the last calculation record was saved into, so
// that the next Save, in this run or a later one, suggests it again.

#include <QString>

namespace vantrel::ui {

class RecordFolderStore {
 public:
  virtual ~RecordFolderStore() = default;
  // Empty when no record has been saved yet.
  virtual QString read() = 0;
  virtual void write(const QString& folder) = 0;
};

// The user's settings (QSettings, organisation and application "Vantrel").
class QtRecordFolderStore : public RecordFolderStore {
 public:
  QString read() override;
  void write(const QString& folder) override;
};

}  // namespace vantrel::ui

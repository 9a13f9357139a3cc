#pragma once
// The data file read on a thread of its own while the window system starts, so that the window
// waits for neither in turn. What loading would have shown on the screen is kept and shown, in
// its order, when the window asks for the file.

#include <QString>
#include <functional>
#include <future>
#include <memory>
#include <vector>

#include "datafile/LoadSequence.h"

namespace vantrel::datafile {

class LoadInAdvance {
 public:
  // Starts reading the file that FindSystemDataFile finds from the current folder and
  // programFolder.
  explicit LoadInAdvance(const QString& programFolder);
  ~LoadInAdvance();  // waits for the reading to end
  LoadInAdvance(const LoadInAdvance&) = delete;
  LoadInAdvance& operator=(const LoadInAdvance&) = delete;

  // When path is the file read in advance: gives what was read to tables, shows through view
  // what ReadSystemData would have shown, and returns true; throws the DataFileError that
  // ReadSystemData would have thrown. Another path, or a second call: false, nothing done.
  bool finish(const QString& path, PageTables& tables, LoadView& view);

 private:
  struct Result;
  std::future<std::unique_ptr<Result>> result_;
};

}  // namespace vantrel::datafile

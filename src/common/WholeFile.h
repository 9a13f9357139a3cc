#pragma once
// A file written as a whole. A regular file (or a new one) is written to a temporary file beside
// it, which replaces it only once complete, so that a failure leaves the old file as it was. A
// path that names something else, a device (/dev/stdout, /dev/full) or a pipe (a shell's
// `>(...)`), cannot be replaced, only written to: it is written directly, and a failed write or
// flush is reported all the same.

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <memory>

namespace vantrel {

class WholeFile {
 public:
  explicit WholeFile(const QString& path) {
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
      direct_ = std::make_unique<QFile>(path);
    else
      whole_ = std::make_unique<QSaveFile>(path);
  }

  bool open() { return file().open(QIODevice::WriteOnly); }
  QFileDevice& file() { return whole_ ? static_cast<QFileDevice&>(*whole_) : *direct_; }
  QString errorString() const {
    if (whole_) return whole_->errorString();
    return error_.isEmpty() ? direct_->errorString() : error_;
  }

  // Gives up: the old file stays as it was (what went to a device or pipe is gone).
  void cancel() {
    if (whole_) whole_->cancelWriting();
  }
  // Puts the file in place; false when it could not be written whole (errorString says why).
  bool commit() {
    if (whole_) return whole_->commit();
    // Closing clears a device's error, so the reason is kept first.
    if (direct_->error() == QFileDevice::NoError) direct_->flush();
    if (direct_->error() == QFileDevice::NoError) direct_->close();
    if (direct_->error() == QFileDevice::NoError) return true;
    error_ = direct_->errorString();
    direct_->close();
    return false;
  }

 private:
  std::unique_ptr<QSaveFile> whole_;
  std::unique_ptr<QFile> direct_;
  QString error_;  // why the direct write failed
};

}  // namespace vantrel

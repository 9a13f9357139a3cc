// A file is replaced only once written whole; a device or a pipe is written to, never replaced,
// and a write that fails there is reported.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <algorithm>

#include "common/WholeFile.h"

namespace vantrel {
namespace {

QByteArray contentOf(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

mode_t kindOf(const QString& path) {
  struct stat s {};
  return ::stat(path.toLocal8Bit().constData(), &s) == 0 ? (s.st_mode & S_IFMT) : 0;
}

TEST(WholeFile, ReplacesARegularFileWholeAndWritesThroughADeviceOrPipe) {
  const QTemporaryDir folder;
  const QString existing = folder.filePath("kept.pdf");
  {
    QFile old(existing);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
  }
  const QString pipe = folder.filePath("pipe");
  ASSERT_EQ(::mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
  // The reading end, open before anything writes: a non-blocking open needs no writer, the writer's
  // open then finds a reader, and what it writes waits in the pipe. Nothing here can block, so a
  // fault fails the test instead of hanging it.
  const int readEnd = ::open(pipe.toLocal8Bit().constData(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(readEnd, 0);

  const struct {
    QString path;
    bool cancelled;
    bool written;
    QByteArray afterwards;  // what the path then holds
    QString error;
  } cases[] = {
      {folder.filePath("new.pdf"), false, true, "new", ""},
      {existing, true, true, "old", ""},
      {pipe, false, true, "", ""},  // read by the other end
      {"/dev/full", false, false, "", "No space left on device"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path.toStdString());
    const mode_t kind = kindOf(c.path);
    if (c.path == "/dev/full" && kind != S_IFCHR) continue;  // no such device here
    WholeFile file(c.path);
    ASSERT_TRUE(file.open()) << file.errorString().toStdString();
    file.file().write("new");
    if (c.cancelled) {
      file.cancel();
    } else {
      EXPECT_EQ(file.commit(), c.written);
      EXPECT_TRUE(file.errorString().contains(c.error)) << file.errorString().toStdString();
    }
    if (kind == S_IFREG || kind == 0) {
      EXPECT_EQ(contentOf(c.path), c.afterwards);
    } else {
      EXPECT_EQ(kindOf(c.path), kind) << "the node was replaced";
    }
  }
  char fromPipe[16] = {};
  const ssize_t got = ::read(readEnd, fromPipe, sizeof fromPipe);
  ::close(readEnd);
  EXPECT_EQ(QByteArray(fromPipe, std::max<ssize_t>(got, 0)), "new");
}

}  // namespace
}  // namespace vantrel

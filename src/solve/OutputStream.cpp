#include "solve/OutputStream.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "solve/SolveError.h"

namespace vantrel::solve {

Write writerTo(int fd, const QString& what) {
  return [fd, what](const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
      const ssize_t written = ::write(fd, data, static_cast<std::size_t>(left));
      if (written < 0 && errno == EINTR) continue;
      if (written <= 0) {
        // A write that takes nothing and names no reason would otherwise be tried for ever.
        const int error = written < 0 ? errno : EIO;
        throw SolveError(kBadUsage, QStringLiteral("vantrel-solve: cannot write %1: %2\n")
                                        .arg(what, QString::fromLocal8Bit(std::strerror(error))));
      }
      data += written;
      left -= written;
    }
  };
}

}  // namespace vantrel::solve

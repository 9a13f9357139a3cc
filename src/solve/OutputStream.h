#pragma once
// Where vantrel-solve's output and messages go: a stream that takes every byte it is given, or
// ends the run. Nothing is reported as done that did not reach its file.

#include <QByteArray>
#include <QString>
#include <functional>

namespace vantrel::solve {

// Takes one piece of output; throws SolveError(kBadUsage) when it cannot.
using Write = std::function<void(const QByteArray&)>;

// Writes each piece whole to fd at once (a batch fed line by line is answered line by line).
// A write that fails throws SolveError(kBadUsage) with "vantrel-solve: cannot write WHAT: " and
// the system's reason. A reader gone away ends the program by SIGPIPE, as it ends any other.
Write writerTo(int fd, const QString& what);

}  // namespace vantrel::solve

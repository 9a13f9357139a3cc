#pragma once
// A batch run: the cases of a CSV file solved on every core, streamed from the input to the
// output in input order.

#include <QByteArray>
#include <functional>

#include "datafile/PageTables.h"
#include "solve/Arguments.h"
#include "solve/SolveError.h"

namespace vantrel::solve {

// Runs request's batch on tables as loaded (each thread works on a copy of its own), reading
// standard input from fd `input` for "-", and writing the output through `write` as it is
// made. Returns kSolved when every case was solved, kSomeCasesFailed when any was not. Throws
// SolveError(kBadUsage) for a batch file that cannot be read or a header that cannot be
// understood (nothing is written then), and for a failed read or write later on.
ExitStatus runBatch(const datafile::PageTables& tables, const Request& request, int input,
                    const std::function<void(const QByteArray&)>& write);

}  // namespace vantrel::solve

#pragma once
// vantrel-solve --tables [WORDS]: the rows of the tables that fit the words, each with its value,
// unit and source, under the title of its table and the variables the table serves.

#include <QStringList>

#include "solve/Arguments.h"
#include "solve/OutputStream.h"

namespace vantrel::solve {

// A command line that holds "--tables": every word but the options is a search word; --data
// is the only option it takes. Throws SolveError(kBadUsage) for any other.
Request tablesRequest(const QStringList& args);

// Lists the rows that fit request.tableWords (every row when there are none). What cannot be read
// of the user's own tables goes to err, a line each.
int listTables(const Request& request, const Write& out, const Write& err,
               const QString& programFolder);

}  // namespace vantrel::solve

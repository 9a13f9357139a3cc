#include "solve/TablesCommand.h"

#include <QFileInfo>
#include <algorithm>

#include "solve/SolveError.h"
#include "solve/TableEntries.h"
#include "tables/TableSet.h"

namespace vantrel::solve {

namespace {

[[noreturn]] void badUsage(const QString& problem) {
  throw SolveError(kBadUsage, problem + u'\n' + usageLine());
}

QString unitOf(const tables::Table& table) {
  return table.unit == u"1" || table.unit == u"-" ? QString() : table.unit;
}

QString heading(const tables::Table& table) {
  QString serves = table.serves.join(QStringLiteral(", "));
  if (!table.pages.isEmpty()) serves += QStringLiteral(" on ") + table.pages.join(u'/');
  return QStringLiteral("%1 (%2)\n").arg(table.title.isEmpty() ? table.file : table.title, serves);
}

// The rows of one table that fit, aligned: the entry, its value and unit, its source.
QString tableLines(std::vector<tables::Found>::const_iterator from,
                   std::vector<tables::Found>::const_iterator to) {
  qsizetype nameWidth = 0;
  qsizetype valueWidth = 0;
  QStringList values;
  for (auto f = from; f != to; ++f) {
    values << QString::number(f->value, 'g', 7);
    nameWidth = std::max(nameWidth, f->name.size());
    valueWidth = std::max(valueWidth, values.last().size());
  }
  const QString unit = unitOf(*from->table);
  QString out = heading(*from->table);
  for (auto f = from; f != to; ++f) {
    QString line = QStringLiteral("  ") + f->name.leftJustified(nameWidth + 2) +
                   values[f - from].rightJustified(valueWidth);
    line += (unit.isEmpty() ? QString() : u' ' + unit).leftJustified(unit.size() + 3);
    out += line + f->source + u'\n';
  }
  return out;
}

}  // namespace

Request tablesRequest(const QStringList& args) {
  Request r;
  r.tables = true;
  QStringList words;
  for (qsizetype i = 0; i < args.size(); ++i) {
    const QString& arg = args[i];
    if (arg == u"--tables") continue;
    if (arg == u"-h" || arg == u"--help") {
      r.help = true;
      continue;
    }
    if (arg == u"--data" || arg.startsWith(QStringLiteral("--data="))) {
      if (!r.dataFile.isEmpty()) badUsage(QStringLiteral("--data is given twice"));
      r.dataFile = arg == u"--data" ? args.value(++i) : arg.mid(7);
      if (r.dataFile.trimmed().isEmpty()) badUsage(QStringLiteral("--data needs a value"));
    } else if (arg.size() > 1 && arg.startsWith(u'-')) {
      badUsage(QStringLiteral("--tables takes no %1").arg(arg));
    } else {
      words << arg;
    }
  }
  r.tableWords = words.join(u' ');
  return r;
}

int listTables(const Request& request, const Write& out, const Write& err,
               const QString& programFolder) {
  const QString dataFile =
      request.dataFile.isEmpty() ? QString() : QFileInfo(request.dataFile).absoluteFilePath();
  const tables::TableSet set = tables::TableSet::read(tableFolders(dataFile, programFolder));
  QString messages;
  for (const QString& message : set.messages())
    messages += message + u'\n';
  const std::vector<tables::Found> fits = tables::search(request.tableWords, set.all());
  if (fits.empty())
    messages += QStringLiteral("No row of the tables fits \"%1\".\n").arg(request.tableWords);
  QString text;
  for (auto from = fits.begin(); from != fits.end();) {
    const auto to = std::find_if(from, fits.end(),
                                 [&](const tables::Found& f) { return f.table != from->table; });
    text += tableLines(from, to);
    from = to;
  }
  out(text.toUtf8());
  err(messages.toUtf8());
  return kSolved;
}

}  // namespace vantrel::solve

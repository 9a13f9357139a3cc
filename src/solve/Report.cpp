#include "solve/Report.h"

#include <QStringList>
#include <algorithm>
#include <stdexcept>
#include <utility>

#include "numtext/NumberFormat.h"
#include "solve/Escaping.h"
#include "solve/Matching.h"
#include "solve/SolveError.h"

namespace vantrel::solve {

namespace {

QString checkLines(const checks::PageChecks& c) {
  QString out;
  for (const QString& line : findingLines(c))
    out += line + u'\n';
  return out;
}

QString textReport(const PageReport& r) {
  qsizetype nameWidth = 0;
  qsizetype valueWidth = 0;
  for (const VariableLine& v : r.variables) {
    nameWidth = std::max(nameWidth, v.name.size() + (v.unknown ? 1 : 0));
    valueWidth = std::max(valueWidth, v.value.size());
  }
  QString out = r.title + u'\n';
  for (const VariableLine& v : r.variables) {
    // The unknown carries the "?" its caption has in the window.
    QString line =
        (v.name + (v.unknown ? QStringLiteral("?") : QString())).leftJustified(nameWidth + 2) +
        v.value.rightJustified(valueWidth);
    if (!v.unit.isEmpty()) line += u' ' + v.unit;
    out += line + u'\n';
  }
  const QString reynolds = checks::reynoldsLine(r.checks);
  if (!reynolds.isEmpty()) out += reynolds + u'\n';
  return out + checkLines(r.checks);
}

QString csvReport(const PageReport& r) {
  QString out = QStringLiteral("name,value,unit,base,unknown\n");
  for (const VariableLine& v : r.variables) {
    appendCsvField(out, v.name);
    out += u',';
    appendCsvField(out, v.value);
    out += u',';
    appendCsvField(out, v.unit);
    out += u',';
    out += numtext::shortestText(v.base);
    out += v.unknown ? QLatin1StringView(",1\n") : QLatin1StringView(",0\n");
  }
  return out;
}

// "reynolds", "regime" and "checks", each led by ", ".
void appendJsonChecks(QString& out, const checks::PageChecks& c) {
  out += QLatin1StringView(", \"reynolds\": ");
  if (c.reynolds)
    out += numtext::shortestText(static_cast<Single>(*c.reynolds));
  else
    out += QLatin1StringView("null");
  out += QLatin1StringView(", \"regime\": ");
  if (c.regime)
    appendJsonString(out, checks::regimeName(*c.regime));
  else
    out += QLatin1StringView("null");
  out += QLatin1StringView(", \"checks\": [");
  for (std::size_t i = 0; i < c.findings.size(); ++i) {
    const checks::Finding& f = c.findings[i];
    if (i > 0) out += QLatin1StringView(", ");
    out += QLatin1StringView("{\"level\": ");
    appendJsonString(out, f.level == checks::Level::Warning ? u"warning" : u"note");
    out += QLatin1StringView(", \"text\": ");
    appendJsonString(out, f.text);
    out += u'}';
  }
  out += u']';
}

// ", \"table\": {...}" for a value taken from a table, the row and its source.
void appendJsonTable(QString& out, const record::TableCitation& table) {
  if (table.entry.isEmpty()) return;
  out += QLatin1StringView(", \"table\": {\"entry\": ");
  appendJsonString(out, table.entry);
  out += QLatin1StringView(", \"source\": ");
  appendJsonString(out, table.source);
  out += u'}';
}

// ", \"iterations\": [...]" when asked for.
void appendJsonIterations(QString& out, const PageReport& r) {
  if (!r.iterations) return;
  out += QLatin1StringView(", \"iterations\": [");
  for (std::size_t n = 0; n < r.iterations->size(); ++n) {
    const IterationLine& i = (*r.iterations)[n];
    if (n > 0) out += QLatin1StringView(", ");
    out += QLatin1StringView("{\"step\": ");
    out += QString::number(i.step);
    out += QLatin1StringView(", \"trial\": ");
    out += numtext::shortestText(i.trial);
    out += QLatin1StringView(", \"residual\": ");
    out += numtext::shortestText(i.residual);
    out += u'}';
  }
  out += u']';
}

}  // namespace

void appendJsonReport(QString& out, const PageReport& r) {
  out += QLatin1StringView("{\"page\": ");
  appendJsonString(out, r.page);
  out += QLatin1StringView(", \"title\": ");
  appendJsonString(out, r.title);
  out += QLatin1StringView(", \"unknown\": ");
  appendJsonString(out, r.unknown);
  out += QLatin1StringView(", \"variables\": [");
  for (std::size_t i = 0; i < r.variables.size(); ++i) {
    const VariableLine& v = r.variables[i];
    if (i > 0) out += QLatin1StringView(", ");
    out += QLatin1StringView("{\"name\": ");
    appendJsonString(out, v.name);
    out += QLatin1StringView(", \"value\": ");
    appendJsonString(out, v.value);
    out += QLatin1StringView(", \"unit\": ");
    appendJsonString(out, v.unit);
    out += QLatin1StringView(", \"base\": ");
    out += numtext::shortestText(v.base);
    appendJsonTable(out, v.table);
    out += u'}';
  }
  out += u']';
  appendJsonChecks(out, r.checks);
  appendJsonIterations(out, r);
  out += QLatin1StringView("}\n");
}

QStringList findingLines(const checks::PageChecks& c) {
  QStringList lines;
  for (const checks::Finding& f : c.findings) {
    lines << (f.level == checks::Level::Warning ? QStringLiteral("warning: ")
                                                : QStringLiteral("note: ")) +
                 f.text;
  }
  return lines;
}

std::vector<QString> rowNames(const datafile::PageTables& tables, Integer page) {
  std::vector<QString> names;
  for (Integer i = 1; i <= tables.VarCount(page); ++i)
    names.push_back(variableName(tables.VarCaptionRTF(page, i).plainText()));
  return names;
}

PageReport reportOf(const calc::PageSession& session, const std::vector<QString>& names) {
  PageReport r;
  r.page = session.pageCaption();
  r.title = session.pageTitle();
  r.variables.reserve(static_cast<std::size_t>(std::max<Integer>(session.rowCount(), 0)));
  for (Integer i = 1; i <= session.rowCount(); ++i) {
    VariableLine v;
    v.name = names.at(static_cast<std::size_t>(i - 1));
    try {
      v.value = session.valueText(i);
    } catch (const std::overflow_error&) {
      throw SolveError(kBadUsage, QStringLiteral("The value of %1 is too large to be shown in %2.")
                                      .arg(v.name, session.unitName(i).trimmed()));
    }
    v.unit = printedUnitName(session.unitName(i));
    v.base = session.value(i);
    v.unknown = i == session.unknown();
    if (v.unknown) r.unknown = v.name;
    r.variables.push_back(std::move(v));
  }
  r.checks = checks::checkPage(session);
  return r;
}

QString formatReport(const PageReport& report, Format format) {
  switch (format) {
    case Format::Csv:
      return csvReport(report);
    case Format::Json: {
      QString out;
      appendJsonReport(out, report);
      return out;
    }
    case Format::Text:
    case Format::Html:  // the calculation record, made from the page itself (solvePage)
      break;
  }
  return textReport(report);
}

QString reportNotes(const PageReport& report, Format format) {
  return format == Format::Csv ? checkLines(report.checks) : QString();
}

}  // namespace vantrel::solve

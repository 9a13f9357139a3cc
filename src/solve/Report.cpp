#include "solve/Report.h"

#include <QStringList>
#include <algorithm>
#include <stdexcept>

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
    out += csvField(v.name) + u',' + csvField(v.value) + u',' + csvField(v.unit) + u',' +
           numtext::shortestText(v.base) + u',' + (v.unknown ? u'1' : u'0') + u'\n';
  }
  return out;
}

// "reynolds", "regime" and "checks", each led by ", ".
QString jsonChecks(const checks::PageChecks& c) {
  const QString null = QStringLiteral("null");
  QStringList findings;
  for (const checks::Finding& f : c.findings) {
    findings << QStringLiteral("{\"level\": %1, \"text\": %2}")
                    .arg(jsonString(f.level == checks::Level::Warning ? QStringLiteral("warning")
                                                                      : QStringLiteral("note")),
                         jsonString(f.text));
  }
  return QStringLiteral(", \"reynolds\": %1, \"regime\": %2, \"checks\": [%3]")
      .arg(c.reynolds ? numtext::shortestText(static_cast<Single>(*c.reynolds)) : null,
           c.regime ? jsonString(checks::regimeName(*c.regime)) : null,
           findings.join(QStringLiteral(", ")));
}

// ", \"table\": {...}" for a value taken from a table, the row and its source.
QString jsonTable(const record::TableCitation& table) {
  if (table.entry.isEmpty()) return {};
  return QStringLiteral(", \"table\": {\"entry\": %1, \"source\": %2}")
      .arg(jsonString(table.entry), jsonString(table.source));
}

// ", \"iterations\": [...]" when asked for.
QString jsonIterations(const PageReport& r) {
  if (!r.iterations) return {};
  QStringList passes;
  for (const IterationLine& i : *r.iterations) {
    passes << QStringLiteral("{\"step\": %1, \"trial\": %2, \"residual\": %3}")
                  .arg(QString::number(i.step), numtext::shortestText(i.trial),
                       numtext::shortestText(i.residual));
  }
  return QStringLiteral(", \"iterations\": [%1]").arg(passes.join(QStringLiteral(", ")));
}

QString jsonReport(const PageReport& r) {
  QStringList variables;
  for (const VariableLine& v : r.variables) {
    variables << QStringLiteral("{\"name\": %1, \"value\": %2, \"unit\": %3, \"base\": %4%5}")
                     .arg(jsonString(v.name), jsonString(v.value), jsonString(v.unit),
                          numtext::shortestText(v.base), jsonTable(v.table));
  }
  return QStringLiteral("{\"page\": %1, \"title\": %2, \"unknown\": %3, \"variables\": [%4]%5}\n")
      .arg(jsonString(r.page), jsonString(r.title), jsonString(r.unknown),
           variables.join(QStringLiteral(", ")), jsonChecks(r.checks) + jsonIterations(r));
}

}  // namespace

QStringList findingLines(const checks::PageChecks& c) {
  QStringList lines;
  for (const checks::Finding& f : c.findings) {
    lines << (f.level == checks::Level::Warning ? QStringLiteral("warning: ")
                                                : QStringLiteral("note: ")) +
                 f.text;
  }
  return lines;
}

PageReport reportOf(const calc::PageSession& session) {
  PageReport r;
  r.page = session.pageCaption();
  r.title = session.pageTitle();
  for (Integer i = 1; i <= session.rowCount(); ++i) {
    VariableLine v;
    v.name = variableName(session.caption(i));
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
    r.variables.push_back(v);
  }
  r.checks = checks::checkPage(session);
  return r;
}

QString formatReport(const PageReport& report, Format format) {
  switch (format) {
    case Format::Csv:
      return csvReport(report);
    case Format::Json:
      return jsonReport(report);
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

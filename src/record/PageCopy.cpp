#include "record/PageCopy.h"

#include <QStringList>

#include "checks/PageChecks.h"
#include "record/PageRows.h"

namespace vantrel::record {

namespace {

QStringList cellsOf(const RowFacts& row) {
  QStringList cells{row.caption, row.value, row.unit};
  if (row.unknown) cells << sourceName(Source::SolvedFor);
  return cells;
}

// The checks as the record gives them: the Reynolds number, then each finding, or that there is
// none.
QStringList checkLines(const calc::PageSession& session) {
  const checks::PageChecks found = checks::checkPage(session);
  QStringList lines;
  const QString reynolds = checks::reynoldsLine(found);
  if (!reynolds.isEmpty()) lines << reynolds;
  for (const checks::Finding& finding : found.findings)
    lines << checks::findingLine(finding);
  if (found.findings.empty()) lines << QStringLiteral("No warnings or notes.");
  return lines;
}

}  // namespace

QString pageText(const calc::PageSession& session) {
  QString text = session.pageCaption().trimmed() + u'\t' + session.pageTitle() + u'\n';
  for (const RowFacts& row : pageRows(session))
    text += cellsOf(row).join(u'\t') + u'\n';
  // A blank line keeps the checks apart from the rows, also as spreadsheet cells.
  text += u'\n';
  for (const QString& line : checkLines(session))
    text += line + u'\n';
  return text;
}

QString pageHtml(const calc::PageSession& session) {
  QString html = QStringLiteral(
                     "<html><head><meta charset=\"utf-8\"></head><body>\n<p><b>%1</b>"
                     "&emsp;%2</p>\n<table>\n")
                     .arg(session.pageCaption().trimmed().toHtmlEscaped(),
                          session.pageTitle().toHtmlEscaped());
  for (const RowFacts& row : pageRows(session)) {
    html += QStringLiteral("<tr>");
    for (const QString& cell : cellsOf(row)) {
      const QString text = cell.toHtmlEscaped();
      html += QStringLiteral("<td>") +
              (row.unknown ? QStringLiteral("<b>%1</b>").arg(text) : text) +
              QStringLiteral("</td>");
    }
    html += QStringLiteral("</tr>\n");
  }
  html += QStringLiteral("</table>\n");
  for (const QString& line : checkLines(session))
    html += QStringLiteral("<p>%1</p>\n").arg(line.toHtmlEscaped());
  return html + QStringLiteral("</body></html>\n");
}

}  // namespace vantrel::record

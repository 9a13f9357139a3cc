#include "record/PageCopy.h"

#include <QStringList>

#include "record/PageRows.h"

namespace vantrel::record {

namespace {

QStringList cellsOf(const RowFacts& row) {
  QStringList cells{row.caption, row.value, row.unit};
  if (row.unknown) cells << sourceName(Source::SolvedFor);
  return cells;
}

}  // namespace

QString pageText(const calc::PageSession& session) {
  QString text;
  for (const RowFacts& row : pageRows(session))
    text += cellsOf(row).join(u'\t') + u'\n';
  return text;
}

QString pageHtml(const calc::PageSession& session) {
  QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body><table>\n");
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
  return html + QStringLiteral("</table></body></html>\n");
}

}  // namespace vantrel::record

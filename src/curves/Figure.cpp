#include "curves/Figure.h"

namespace vantrel::curves {

QString tableText(const Table& table) {
  QString text = table.header.join(u'\t') + u'\n';
  for (const QStringList& row : table.rows)
    text += row.join(u'\t') + u'\n';
  return text;
}

QString tableHtml(const Table& table) {
  const auto cells = [](const QStringList& row, const QString& tag) {
    QString html = QStringLiteral("<tr>");
    for (const QString& cell : row)
      html += QStringLiteral("<%1>%2</%1>").arg(tag, cell.toHtmlEscaped());
    return html + QStringLiteral("</tr>\n");
  };
  QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body><table>\n");
  html += cells(table.header, QStringLiteral("th"));
  for (const QStringList& row : table.rows)
    html += cells(row, QStringLiteral("td"));
  return html + QStringLiteral("</table></body></html>\n");
}

}  // namespace vantrel::curves

#include "record/RecordHtml.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

#include "calc/CaptionText.h"
#include "checks/PageChecks.h"
#include "common/WholeFile.h"
#include "record/FormulaTexts.h"
#include "record/PageRows.h"
#include "record/Working.h"

namespace vantrel::record {

namespace {

// Laid out by Qt's rich-text engine for the PDF and by browsers for the HTML file: only what
// both understand. Arial is the window's font (Liberation Sans shares its metrics). Type sizes
// are left to the reader (a PDF makes the whole record smaller to keep it on one page).
const QString kStyle = QStringLiteral(
    "body { font-family: Arial, 'Liberation Sans', Helvetica, sans-serif; }\n"
    "h1 { margin-bottom: 10px; }\n"
    "h2 { margin-top: 18px; margin-bottom: 8px; }\n"
    "table { border-collapse: collapse; }\n"
    "th, td { padding: 3px 12px 3px 0; text-align: left; vertical-align: top; }\n"
    "table.grid th, table.grid td { border: 1px solid #808080; padding: 3px 6px; }\n"
    "table.grid th { background-color: #e8e8f4; }\n"
    "table.passes th, table.passes td { border: 1px solid #808080; padding: 0px 6px; }\n"
    "table.passes th { background-color: #e8e8f4; }\n"
    "td.number { text-align: right; }\n"
    "p.equation { font-family: 'Times New Roman', 'Liberation Serif', serif; font-size: large; "
    "margin-left: 24px; margin-bottom: 12px; }\n"
    "td.blank { border-bottom-width: 1px; border-bottom-style: solid; "
    "border-bottom-color: #000000; }\n"
    "p.sheet { text-align: right; margin-top: 30px; }\n"
    "p.caption { font-style: italic; }\n");

QString escaped(const QString& text) {
  return text.toHtmlEscaped();
}

QString factRow(const QString& label, const QString& html) {
  return QStringLiteral("<tr><th>%1</th><td>%2</td></tr>\n").arg(label, html);
}

QString facts(const calc::PageSession& session, const RecordOrigin& origin) {
  QString hash = origin.dataFileHash.isEmpty() ? QStringLiteral("(the file cannot be read)")
                                               : QString::fromLatin1(origin.dataFileHash);
  if (origin.dataFileChanged) hash += QStringLiteral(" (the file has changed since it was loaded)");
  return QStringLiteral("<table class=\"facts\">\n") +
         factRow(QStringLiteral("Program"), escaped(programName() + u' ' + programVersion())) +
         factRow(QStringLiteral("Date and time"), isoTime(origin.madeAt)) +
         factRow(QStringLiteral("Data file"), escaped(origin.dataFile)) +
         factRow(QStringLiteral("SHA-256"), escaped(hash)) +
         factRow(QStringLiteral("Page"), escaped(session.pageCaption().trimmed())) +
         factRow(QStringLiteral("Title"), escaped(session.pageTitle())) +
         QStringLiteral("</table>\n");
}

// The guide's texts are HTML already.
QString formula(const calc::PageSession& session) {
  const FormulaText& text = formulaText(calc::formulaOf(session.pageCaption()));
  if (text.name.isEmpty()) return QStringLiteral("<p>The page names no formula.</p>\n");
  QString html = QStringLiteral("<p><b>%1.</b> %2</p>\n").arg(text.name, text.sentence);
  for (const QString& equation : text.equations)
    html += QStringLiteral("<p class=\"equation\">%1</p>\n").arg(equation);
  return html;
}

// Every table row a value was taken from, with the source the table names for it.
QString sourcesUsed(const calc::PageSession& session, const RowCitations& citations) {
  if (citations.empty()) return {};
  QString html = QStringLiteral("<h2>Sources</h2>\n<ul>\n");
  for (const auto& [row, citation] : citations) {
    html += QStringLiteral("<li>%1: %2. Source: %3</li>\n")
                .arg(escaped(calc::variableName(session.caption(row))),
                     escaped(entryText(citation)), escaped(citation.source));
  }
  return html + QStringLiteral("</ul>\n");
}

QString sourceCell(const RowFacts& row, const RowCitations& citations, Integer i) {
  const auto cited = citations.find(i);
  if (row.source != Source::Entered || cited == citations.end()) return sourceName(row.source);
  return escaped(citationText(cited->second));
}

QString variables(const calc::PageSession& session, const RowCitations& citations) {
  QString html = QStringLiteral(
      "<table class=\"grid\" width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n"
      "<tr><th>Variable</th><th>Value</th><th>Unit</th><th>SI value</th><th>SI unit</th>"
      "<th>Source</th></tr>\n");
  Integer i = 0;
  for (const RowFacts& row : pageRows(session)) {
    const QString source = sourceCell(row, citations, ++i);
    const QString cells = QStringLiteral(
                              "<td>%1</td><td class=\"number\">%2</td><td>%3</td>"
                              "<td class=\"number\">%4</td><td>%5</td><td>%6</td>")
                              .arg(escaped(row.caption), escaped(row.value), escaped(row.unit),
                                   row.siValue, escaped(row.siUnit), source);
    html += (row.unknown ? QStringLiteral("<tr style=\"font-weight: bold\">")
                         : QStringLiteral("<tr>")) +
            cells + QStringLiteral("</tr>\n");
  }
  return html + QStringLiteral("</table>\n") + sourcesUsed(session, citations);
}

QString checksOf(const calc::PageSession& session) {
  const checks::PageChecks found = checks::checkPage(session);
  QString html;
  const QString reynolds = checks::reynoldsLine(found);
  if (!reynolds.isEmpty()) html += QStringLiteral("<p>%1</p>\n").arg(escaped(reynolds));
  if (found.findings.empty()) return html + QStringLiteral("<p>No warnings or notes.</p>\n");
  html += QStringLiteral("<ul>\n");
  for (const checks::Finding& finding : found.findings)
    html += QStringLiteral("<li>%1</li>\n").arg(escaped(checks::findingLine(finding)));
  return html + QStringLiteral("</ul>\n");
}

// Filled in by hand on the printed sheet.
QString signatures() {
  QString html = QStringLiteral("<table class=\"signatures\" width=\"100%\">\n");
  for (const char* label : {"Project", "Calculated by", "Checked by", "Date"}) {
    html += QStringLiteral("<tr><th width=\"20%\">%1</th><td class=\"blank\">&nbsp;</td></tr>\n")
                .arg(QLatin1String(label));
  }
  return html + QStringLiteral("</table>\n");
}

}  // namespace

RecordOrigin originNow(const QString& dataFile, const QDateTime& loadedAt) {
  RecordOrigin origin;
  origin.madeAt = QDateTime::currentDateTime();
  origin.dataFile = dataFile;
  QFile file(dataFile);
  if (file.open(QIODevice::ReadOnly)) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&file);
    origin.dataFileHash = hash.result().toHex();
  }
  origin.dataFileChanged = loadedAt.isValid() && QFileInfo(dataFile).lastModified() > loadedAt;
  return origin;
}

QString programName() {
  return QStringLiteral("Vantrel");
}

QString programVersion() {
  return QStringLiteral(VANTREL_VERSION);
}

QString isoTime(const QDateTime& time) {
  const int offset = time.offsetFromUtc() / 60;
  const int size = std::abs(offset);
  return time.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) + (offset < 0 ? u'-' : u'+') +
         QStringLiteral("%1:%2")
             .arg(size / 60, 2, 10, QLatin1Char('0'))
             .arg(size % 60, 2, 10, QLatin1Char('0'));
}

namespace {

// "Sheet 1 of 2" ends the first sheet of two: what follows begins a page of its own.
QString sheetLine(int sheet, int sheets) {
  return QStringLiteral("<p class=\"sheet\"%1>Sheet %2 of %3</p>\n")
      .arg(sheet < sheets ? QStringLiteral(" style=\"page-break-after: always\"") : QString())
      .arg(sheet)
      .arg(sheets);
}

QString plotOf(const RecordParts& parts) {
  if (parts.figure.isEmpty()) return {};
  return QStringLiteral("<h2>Plot</h2>\n<p>%1</p>\n<p class=\"caption\">%2</p>\n")
      .arg(parts.figure, escaped(parts.figureDescription));
}

}  // namespace

QString recordHtml(const calc::PageSession& session, const RecordOrigin& origin,
                   const RecordParts& parts) {
  const QString title = QStringLiteral("Calculation record: ") + session.pageTitle();
  const int sheets = parts.sheets > 1 ? 2 : 1;
  QString html = QStringLiteral(
                     "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
                     "<title>%1</title>\n<style>\n%2</style>\n</head>\n<body>\n")
                     .arg(escaped(title), kStyle) +
                 QStringLiteral("<h1>Calculation record</h1>\n") + facts(session, origin) +
                 QStringLiteral("<h2>Formula</h2>\n") + formula(session) +
                 QStringLiteral("<h2>Variables</h2>\n") + variables(session, origin.citations) +
                 QStringLiteral("<h2>Checks</h2>\n") + checksOf(session) + plotOf(parts);
  if (sheets == 2) {
    html += sheetLine(1, 2) + QStringLiteral("<p>Calculation record: %1 (continued)</p>\n")
                                  .arg(escaped(session.pageCaption().trimmed()));
  }
  return html + QStringLiteral("<h2>Working</h2>\n") + workingHtml(session, parts.solve) +
         QStringLiteral("<h2>Sign-off</h2>\n") + signatures() + sheetLine(sheets, sheets) +
         QStringLiteral("</body>\n</html>\n");
}

bool isPdfPath(const QString& path) {
  return path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive);
}

QString saveRecordHtml(const QString& html, const QString& path) {
  WholeFile file(path);
  if (!file.open()) return file.errorString();
  file.file().write(html.toUtf8());
  if (!file.commit()) return file.errorString();
  return {};
}

}  // namespace vantrel::record

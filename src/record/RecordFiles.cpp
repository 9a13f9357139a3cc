#include "record/RecordFiles.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QRegularExpression>

#include "common/WholeFile.h"
#include "plot/FigureFiles.h"
#include "record/RecordFigure.h"

namespace vantrel::record {

namespace {

// The figure as SVG, ready to stand in HTML: named and described for a screen reader.
QString svgFigureHtml(const curves::Figure& figure) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  plot::writeFigureSvg(figure, QSize(kFigureWidth, kFigureHeight), buffer);
  QString svg = QString::fromUtf8(buffer.data());
  // The XML prolog has no place inside HTML; the size is given in the page's pixels.
  svg = svg.mid(svg.indexOf(QStringLiteral("<svg")));
  static const QRegularExpression size(QStringLiteral(R"(^<svg\s+width="[^"]*"\s+height="[^"]*")"));
  svg.replace(size, QStringLiteral(R"(<svg width="%1" height="%2" role="img" aria-label="%3")")
                        .arg(kFigureWidth)
                        .arg(kFigureHeight)
                        .arg(figure.description.toHtmlEscaped()));
  return svg.trimmed();
}

}  // namespace

QString recordFileHtml(const RecordDraft& draft) {
  const RecordSetting setting = recordSetting(draft, recordPageLayout());
  const QString figure = draft.figure ? svgFigureHtml(*draft.figure) : QString();
  return recordHtml(draft.session, draft.origin, recordParts(draft, setting.sheets, figure));
}

QString saveRecordFile(const RecordDraft& draft, const QString& path) {
  if (!isPdfPath(path)) return saveRecordHtml(recordFileHtml(draft), path);
  WholeFile file(path);
  if (!file.open()) return file.errorString();
  QPdfWriter writer(&file.file());
  writer.setPageLayout(recordPageLayout());
  writer.setResolution(300);
  writer.setTitle(QStringLiteral("Calculation record"));
  writer.setCreator(programName() + u' ' + programVersion());
  if (!printRecord(draft, writer)) {
    file.cancel();
    return QStringLiteral("the PDF could not be made");
  }
  if (!file.commit()) return file.errorString();
  return {};
}

}  // namespace vantrel::record

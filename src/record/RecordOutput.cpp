#include "record/RecordOutput.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>
#include <algorithm>

#include "record/RecordFigure.h"

namespace vantrel::record {

namespace {

constexpr qreal kLargestPoints = 11;
constexpr qreal kSmallestOnOneSheet = 7;
constexpr qreal kSmallestPoints = 6;
constexpr qreal kStep = 0.5;
// The record is laid out as a browser would show it on a screen of 96 dots an inch (the pixel of
// its CSS), and painted scaled to the device.
constexpr qreal kLayoutDpi = 96;
constexpr qreal kPointsPerInch = 72;
constexpr qreal kPerMillimetre = kLayoutDpi / 25.4;
// At least these margins, in millimetres, whatever smaller ones a printer offers.
const QMarginsF kMargins(20, 15, 15, 15);

// The device's own margins, widened to at least kMargins.
QMarginsF marginsOf(const QPageLayout& layout) {
  const QMarginsF has = layout.margins(QPageLayout::Millimeter);
  return {std::max(has.left(), kMargins.left()), std::max(has.top(), kMargins.top()),
          std::max(has.right(), kMargins.right()), std::max(has.bottom(), kMargins.bottom())};
}

// The record laid out as on a screen, in pages of the text area of a sheet of paper.
class ScreenLayout {
 public:
  ScreenLayout(const RecordDraft& draft, const QPageLayout& layout)
      : draft_(draft), screen_(1, 1, QImage::Format_Mono) {
    screen_.setDotsPerMeterX(qRound(kLayoutDpi / 0.0254));
    screen_.setDotsPerMeterY(qRound(kLayoutDpi / 0.0254));
    document_.documentLayout()->setPaintDevice(&screen_);
    if (draft.figure) {
      figure_ = new PaperFigure(*draft.figure, &document_);
      document_.documentLayout()->registerHandler(QTextFormat::ImageObject, figure_);
    }
    const QMarginsF margins = marginsOf(layout);
    page_ =
        layout.fullRectPoints().size() * (kLayoutDpi / kPointsPerInch) -
        QSizeF(margins.left() + margins.right(), margins.top() + margins.bottom()) * kPerMillimetre;
    document_.setPageSize(page_);
  }

  // Chooses the setting (recordSetting) and leaves the record laid out in it.
  RecordSetting setInLargestType() {
    for (const int sheets : {1, 2}) {
      const qreal smallest = sheets == 1 ? kSmallestOnOneSheet : kSmallestPoints;
      // The type size only scales the text: the record is read once, and laid out again in each
      // size tried. Size i is smallest + i half points.
      document_.setHtml(recordHtml(draft_.session, draft_.origin,
                                   recordParts(draft_, sheets, paperFigureHtml())));
      const auto fits = [&](int i) { return setIn(smallest + i * kStep, sheets); };
      if (!fits(0)) {
        if (sheets == 1) continue;
        return {sheets, smallest};
      }
      // The largest size that fits, by halving the sizes still in question.
      int fitting = 0, failing = static_cast<int>((kLargestPoints - smallest) / kStep) + 1;
      int last = 0;
      while (failing - fitting > 1) {
        last = (fitting + failing) / 2;
        (fits(last) ? fitting : failing) = last;
      }
      if (last != fitting) fits(fitting);
      return {sheets, smallest + fitting * kStep};
    }
    return {2, kSmallestPoints};
  }

  int pageCount() const { return document_.pageCount(); }

  // Paints page `page` (from 0) at the painter's origin.
  void paint(QPainter& painter, int page) {
    const QRectF area(QPointF(0, page * page_.height()), page_);
    painter.save();
    painter.translate(0, -area.top());
    document_.drawContents(&painter, area);
    painter.restore();
  }

 private:
  // Whether the record set in `points` keeps to `pages` pages.
  bool setIn(qreal points, int pages) {
    QFont font(QString::fromLatin1(kRecordFontFamily));
    font.setPointSizeF(points);
    document_.setDefaultFont(font);
    return document_.pageCount() <= pages;
  }

  const RecordDraft& draft_;
  QImage screen_;
  QTextDocument document_;
  PaperFigure* figure_ = nullptr;
  QSizeF page_;
};

}  // namespace

QPageLayout recordPageLayout() {
  return {QPageSize(QPageSize::A4), QPageLayout::Portrait, kMargins, QPageLayout::Millimeter};
}

RecordParts recordParts(const RecordDraft& draft, int sheets, const QString& figureHtml) {
  RecordParts parts;
  parts.solve = draft.solve;
  parts.sheets = sheets;
  if (draft.figure) {
    parts.figure = figureHtml;
    parts.figureDescription = draft.figure->description;
  }
  return parts;
}

RecordSetting recordSetting(const RecordDraft& draft, const QPageLayout& layout) {
  return ScreenLayout(draft, layout).setInLargestType();
}

bool printRecord(const RecordDraft& draft, QPagedPaintDevice& device) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  const QPageLayout layout = device.pageLayout();
  ScreenLayout screen(draft, layout);
  screen.setInLargestType();
  // The painter starts at the device's own margins.
  const QMarginsF has = layout.margins(QPageLayout::Millimeter);
  const QMarginsF wanted = marginsOf(layout);
  painter.scale(device.logicalDpiX() / kLayoutDpi, device.logicalDpiY() / kLayoutDpi);
  painter.translate((wanted.left() - has.left()) * kPerMillimetre,
                    (wanted.top() - has.top()) * kPerMillimetre);
  for (int page = 0; page < screen.pageCount(); ++page) {
    if (page > 0 && !device.newPage()) return false;
    screen.paint(painter, page);
  }
  return painter.end();
}

}  // namespace vantrel::record

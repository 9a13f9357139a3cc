#pragma once
// The calculation record on paper: laid out on A4 pages of a PDF file or of a printer, text kept
// as text, in the window's font family, the plot painted as vector graphics. The record stays one
// page where it fits in legible type; otherwise its working begins a second sheet. Needs Qt Gui,
// and a QGuiApplication to run. The record's files are made in RecordFiles.h.

#include <QString>
#include <QtGlobal>
#include <optional>

#include "calc/PageSession.h"
#include "calc/SolveWorking.h"
#include "curves/Figure.h"
#include "record/RecordHtml.h"

class QPageLayout;
class QPagedPaintDevice;

namespace vantrel::record {

// The family the window's rows are set in, which the record is printed in.
inline constexpr const char* kRecordFontFamily = "Arial";

// A record to be put on paper or written to a file.
struct RecordDraft {
  const calc::PageSession& session;
  RecordOrigin origin;
  // The solve that left the page's values as they are; null when none is known.
  const calc::SolveWorking* solve = nullptr;
  // The plot; none for a record without one.
  std::optional<curves::Figure> figure;
};

// How a record is set: on one sheet or two, and the type size in points.
struct RecordSetting {
  int sheets = 1;
  qreal points = 11;
};

// The parts of draft's HTML when set on `sheets` sheets, the plot standing as figureHtml.
RecordParts recordParts(const RecordDraft& draft, int sheets, const QString& figureHtml);

// The page of a record's PDF: A4 upright with its margins.
QPageLayout recordPageLayout();

// The setting of draft on pages of layout: one sheet in the largest type from 11 points down to
// 7, in half points, that keeps it to one page; else two sheets in the largest from 11 down to 6
// that keeps each to its page (6 at the least).
RecordSetting recordSetting(const RecordDraft& draft, const QPageLayout& layout);

// Lays the record out on the pages of device and paints it. False when the device cannot be
// painted on.
bool printRecord(const RecordDraft& draft, QPagedPaintDevice& device);

}  // namespace vantrel::record

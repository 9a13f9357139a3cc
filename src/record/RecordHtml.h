#pragma once
// The calculation record of the page on show: what an engineering office files for a design
// figure. One builder serves the window (saved as PDF or HTML, printed) and vantrel-solve.
//
// It holds the program and its version, when the record was made, the data file and its
// SHA-256, the page's caption and title, the formula in words and symbols, every variable with
// its value as shown, its unit, its value in SI base units and where the value comes from (the
// table row it was taken from, if any, and the sources of those rows), the engineer's checks, the
// plot, the working (how the answer was reached), blank lines for the project and the
// signatures, and the sheet number: "Sheet 1 of 1", or "Sheet 1 of 2" and "Sheet 2 of 2" for a
// record whose working begins a second sheet.

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include "calc/PageSession.h"
#include "calc/SolveWorking.h"
#include "record/Sources.h"

namespace vantrel::record {

// Where the record comes from, besides the page.
struct RecordOrigin {
  QDateTime madeAt;              // local time
  QString dataFile;              // the data file's path
  QByteArray dataFileHash;       // SHA-256 of the file as it is now, in hex; empty when unreadable
  bool dataFileChanged = false;  // the file was written after the program loaded it
  RowCitations citations;        // the rows whose values a table gave
};

// An origin made now for the data file at path, which the program loaded at loadedAt (an
// invalid time: no change is looked for).
RecordOrigin originNow(const QString& dataFile, const QDateTime& loadedAt = {});

QString programName();
QString programVersion();
// "2026-03-01T14:05:09+01:00": ISO 8601 with the offset always written, also for UTC.
QString isoTime(const QDateTime& time);

// What the record shows besides the page itself.
struct RecordParts {
  // The solve that left the page's values as they are, for the working; null when none is known.
  const calc::SolveWorking* solve = nullptr;
  // The plot as HTML (an image or SVG) and the sentence that describes it; empty: no plot.
  QString figure;
  QString figureDescription;
  // 1, or 2: the working and the sign-off begin a second sheet.
  int sheets = 1;
};

QString recordHtml(const calc::PageSession& session, const RecordOrigin& origin,
                   const RecordParts& parts = {});

// Whether a record file is to be a PDF: its name ends in ".pdf", in any letter case. Any other
// name gets the HTML.
bool isPdfPath(const QString& path);
// Writes html to path. An existing file is replaced only once the new one is complete. Returns
// why the file could not be written, or an empty string.
QString saveRecordHtml(const QString& html, const QString& path);

}  // namespace vantrel::record

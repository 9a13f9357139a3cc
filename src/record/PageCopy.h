#pragma once
// The page on show as it goes to the clipboard: plain text for editors and spreadsheets, and an
// HTML table that pastes as cells or as a table into a word processor.

#include <QString>

#include "calc/PageSession.h"

namespace vantrel::record {

// The page's caption and title, then one line per row: caption, value as shown and unit,
// separated by tabs (the unknown's line has a fourth field, "solved for"); then, after a blank
// line, the checks: the Reynolds number and each finding, one a line.
QString pageText(const calc::PageSession& session);
// The same as HTML: the caption and title, the rows as a table (the unknown's in bold), the
// checks one a paragraph.
QString pageHtml(const calc::PageSession& session);

}  // namespace vantrel::record

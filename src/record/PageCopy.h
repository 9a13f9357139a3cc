#pragma once
// The page on show as it goes to the clipboard: plain text for editors and spreadsheets, and an
// HTML table that pastes as cells or as a table into a word processor.

#include <QString>

#include "calc/PageSession.h"

namespace vantrel::record {

// One line per row: caption, value as shown and unit, separated by tabs; the unknown's line has
// a fourth field, "solved for".
QString pageText(const calc::PageSession& session);
// The same rows as an HTML table, the unknown's in bold.
QString pageHtml(const calc::PageSession& session);

}  // namespace vantrel::record

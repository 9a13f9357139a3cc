#pragma once
// How the tables compare a search text with an entry's name. Both are cut into words: runs of
// letters, or of digits with "." and "/" between digits ("13.6", "1/2"); a change between letters
// and digits starts a new word, so "sdr11" reads as "sdr 11" and "40S" as "40 s". Case is
// folded. Any other character only separates words.

#include <QString>
#include <QStringView>
#include <vector>

namespace vantrel::tables {

using Words = std::vector<QString>;

Words wordsOf(QStringView text);

// Each word of the search is the start of some word of the name, in any order.
bool fitsWordStarts(const Words& search, const Words& name);

// A closer fit, which settles a lookup when several names fit by word starts: each word of the
// search is a whole word of the name, and every part of the name (the parts are separated by
// "|") in which the search names a word is named whole. "NPS 6 Sch 40" fits
// "Steel | NPS 6 | Sch 40" closely, but not "Stainless | NPS 6 | Sch 40S" nor
// "Steel | NPS 6 | Sch 40 PVC".
bool fitsClosely(const Words& search, QStringView name);

}  // namespace vantrel::tables

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

// A search text: the words of each piece between blanks. A piece of several words ("sdr11",
// "b36.10", "r/d") stands for words that follow each other in the name.
using Search = std::vector<Words>;
Search searchOf(QStringView text);

// Each piece of the search is the start of some run of words of the name, in any order: all its
// words but the last whole, the last the start of a word.
bool fitsWordStarts(const Search& search, const Words& name);

// How far a name is from a search that fits it, to settle a lookup when several names fit by word
// starts; -1 when some word of the search is not a whole word of the name. Otherwise the number
// of words left unnamed in the parts of the name (separated by "|") that the search names a word
// of, not counting a label such as "NPS", "DN" or "Sch" before a number. "NPS 6 Sch 40" is 0 from
// "Steel | NPS 6 | Sch 40" but 1 from "Stainless | NPS 6 | Sch 40S" and "PVC | NPS 6 | Sch 40 PVC".
int distance(const Search& search, QStringView name);

}  // namespace vantrel::tables

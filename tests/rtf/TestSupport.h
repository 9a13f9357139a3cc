#pragma once
// Shared helpers of the RTF engine tests: the fixture files and readable model dumps.

#include <QByteArray>
#include <QString>
#include <ostream>
#include <string>
#include <vector>

#include "rtf/Document.h"
#include "rtf/RichText.h"

namespace vantrel::rtf {

// Base names (without extension) of every .rtf file in tests/data/rtf, sorted.
std::vector<std::string> fixtureNames();
QByteArray fixtureRtf(const std::string& name);
// The expected plain text (UTF-8 file, CR LF kept).
QString fixtureText(const std::string& name);
// For parameterised test names: "lo-01-plain" becomes "lo_01_plain".
std::string testName(std::string name);

// Loads RTF text written in a test (Latin-1 source, so bytes >= 0x80 can be spelt "\xb0").
RichText load(const char* rtf);

// A format as text: "font=Arial, size=24, b, i, ul, strike, v, cf=R.G.B, bg=R.G.B, super|sub",
// leaving out what is not given or off.
std::string describe(const CharFormat& f);
// The first difference between two documents, or "" when they are equal.
std::string firstDifference(const Document& a, const Document& b);

void PrintTo(const RichText& t, std::ostream* os);

}  // namespace vantrel::rtf

QT_BEGIN_NAMESPACE
void PrintTo(const QString& s, std::ostream* os);
QT_END_NAMESPACE

#pragma once
// Shared helpers of the RTF engine tests: the fixture files and readable model dumps.

#include <QByteArray>
#include <QString>
#include <ostream>
#include <string>
#include <vector>

#include "QtPrinters.h"
#include "rtf/Document.h"
#include "rtf/RichText.h"

namespace vantrel::rtf {

// Base names (without extension) of every .rtf file in tests/data/rtf, sorted.
std::vector<std::string> fixtureNames();
QByteArray fixtureRtf(const std::string& name);
// The expected plain text (UTF-8 file, CR LF kept).
QString fixtureText(const std::string& name);

// Loads RTF text written in a test (Latin-1 source, so bytes >= 0x80 can be spelt "\xb0").
RichText load(const char* rtf);

// A format as text: "font=Arial, size=24, b, i, ul, strike, v, cf=R.G.B, bg=R.G.B, super|sub",
// leaving out what is not given or off.
std::string describe(const CharFormat& f);

// The plain text, and each run's start and format.
void PrintTo(const Document& d, std::ostream* os);
void PrintTo(const RichText& t, std::ostream* os);

}  // namespace vantrel::rtf

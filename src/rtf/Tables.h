#pragma once
// The two tables of an RTF header that the reader needs: fonts (by number, as \fN refers to
// them; Word's numbers are large and sparse) and colours (by position, as \cfN refers to them).

#include "rtf/CodePage.h"
#include "rtf/Document.h"
#include "rtf/SymbolFont.h"

#include <QString>
#include <map>
#include <optional>
#include <vector>

namespace vantrel::rtf {

struct FontEntry {
  QString name;  // null when the entry gave none
  int charset = -1;
  int codePage = 0;  // \cpgN; 0 when not given

  SymbolKind symbolKind() const;
  // The page that decodes bytes written in this font.
  int decodingPage(int documentPage) const;
};

using FontTable = std::map<int, FontEntry>;
using ColorTable = std::vector<std::optional<Rgb>>;  // nullopt: the automatic colour

// Collects font entries, whether each sits in a group of its own or several share one group:
// a new \fN starts an entry and ";" ends its name.
class FontTableReader {
 public:
  void startEntry(int number);
  void setCharset(int charset) { entry_.charset = charset; }
  void setCodePage(int page) { entry_.codePage = page; }
  // One byte of the name, decoded with the entry's own code page.
  void nameByte(quint8 byte, int documentPage);
  void nameChar(char32_t c);
  // Stores the entry being read, if any (at ";" and at the end of an entry's group).
  void commit(FontTable& table);

 private:
  int number_ = -1;
  FontEntry entry_;
  QString name_;
  ByteDecoder decoder_;
};

// Collects colour table entries; an entry without colour words is the automatic colour.
class ColorTableReader {
 public:
  void setComponent(int which, int value);  // 0 red, 1 green, 2 blue
  void commit(ColorTable& table);           // at ";"
  // At the end of the table: an entry whose ";" is missing still counts.
  void finish(ColorTable& table);

 private:
  Rgb rgb_;
  bool given_ = false;
};

}  // namespace vantrel::rtf

#include "rtf/Tables.h"

#include <algorithm>

namespace vantrel::rtf {

SymbolKind FontEntry::symbolKind() const {
  if (charset != 2 || codePage != 0) return SymbolKind::None;
  return name.compare(u"Symbol", Qt::CaseInsensitive) == 0 ? SymbolKind::Symbol
                                                           : SymbolKind::OtherSymbol;
}

int FontEntry::decodingPage(int documentPage) const {
  if (codePage > 0) return codePage;
  const int page = CodePage::forCharset(charset);
  return page > 0 ? page : documentPage;
}

void FontTableReader::startEntry(int number) {
  number_ = number;
  entry_ = FontEntry{};
  name_.clear();
  decoder_.reset();
}

void FontTableReader::nameByte(quint8 byte, int documentPage) {
  decoder_.setCodePage(CodePage::get(entry_.decodingPage(documentPage)));
  if (auto c = decoder_.feed(byte)) nameChar(*c);
}

void FontTableReader::nameChar(char32_t c) {
  // A name is written back between a control word and ";": keep it free of both, and of
  // anything that would need a surrogate pair.
  if (c < 0x20 || c == u';' || c > 0xFFFF || (c >= 0xD800 && c <= 0xDFFF)) return;
  name_.append(QString::fromUcs4(&c, 1));
}

void FontTableReader::commit(FontTable& table) {
  if (number_ < 0) return;
  const QString name = name_.trimmed();
  entry_.name = name.isEmpty() ? QString() : name;
  table[number_] = entry_;
  startEntry(-1);
}

void ColorTableReader::setComponent(int which, int value) {
  const auto v = static_cast<quint8>(std::clamp(value, 0, 255));
  if (which == 0) rgb_.red = v;
  if (which == 1) rgb_.green = v;
  if (which == 2) rgb_.blue = v;
  given_ = true;
}

void ColorTableReader::commit(ColorTable& table) {
  table.push_back(given_ ? std::optional<Rgb>(rgb_) : std::nullopt);
  rgb_ = Rgb{};
  given_ = false;
}

void ColorTableReader::finish(ColorTable& table) {
  if (given_) commit(table);
}

}  // namespace vantrel::rtf

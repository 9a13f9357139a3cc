#include "rtf/CodePage.h"

#include <QByteArray>
#include <QStringDecoder>
#include <map>
#include <memory>
#include <mutex>

namespace vantrel::rtf {

namespace {

// Windows-1252 bytes 0x80-0x9F. The five unassigned bytes keep their C1 value, as Windows does.
constexpr char16_t k1252Controls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char32_t kReplacement = 0xFFFD;

void fill1252(std::array<char32_t, 128>& high) {
  for (int b = 0x80; b < 0x100; ++b)
    high[b - 0x80] = b < 0xA0 ? k1252Controls[b - 0x80] : b;
}

// Greek, for a toolkit without a converter for it.
void fill1253(std::array<char32_t, 128>& high) {
  fill1252(high);
  for (int b : {0x88, 0x8A, 0x8C, 0x8D, 0x8E, 0x8F, 0x90, 0x98, 0x9A, 0x9C, 0x9D, 0x9E, 0x9F, 0xAA,
                0xD2, 0xFF}) {
    high[b - 0x80] = kReplacement;
  }
  const std::pair<int, char32_t> specials[] = {
      {0xA1, 0x0385}, {0xA2, 0x0386}, {0xAF, 0x2015}, {0xB4, 0x0384}, {0xB8, 0x0388},
      {0xB9, 0x0389}, {0xBA, 0x038A}, {0xBC, 0x038C}, {0xBE, 0x038E}, {0xBF, 0x038F}};
  for (auto [b, c] : specials)
    high[b - 0x80] = c;
  for (int b = 0xC0; b <= 0xFE; ++b) {
    if (b != 0xD2) high[b - 0x80] = 0x0390 + (b - 0xC0);
  }
}

// Cyrillic letters, for a toolkit without a converter for it.
void fill1251(std::array<char32_t, 128>& high) {
  fill1252(high);
  for (int b = 0xC0; b <= 0xFF; ++b)
    high[b - 0x80] = 0x0410 + (b - 0xC0);
  high[0xA8 - 0x80] = 0x0401;
  high[0xB8 - 0x80] = 0x0451;
}

struct KnownPage {
  int number;
  const char* name;
  bool doubleByte;
};

// Converter names that the toolkit accepts for the pages RTF files use.
constexpr KnownPage kKnownPages[] = {
    {437, "IBM437", false},          {850, "IBM850", false},
    {874, "windows-874", false},     {932, "windows-31j", true},
    {936, "windows-936", true},      {949, "windows-949", true},
    {950, "windows-950", true},      {1250, "windows-1250", false},
    {1251, "windows-1251", false},   {1253, "windows-1253", false},
    {1254, "windows-1254", false},   {1255, "windows-1255", false},
    {1256, "windows-1256", false},   {1257, "windows-1257", false},
    {1258, "windows-1258", false},   {1361, "Johab", true},
    {10000, "macintosh", false},     {10001, "Shift_JIS", true},
    {10002, "Big5", true},           {10003, "EUC-KR", true},
    {10006, "x-mac-greek", false},   {10007, "x-mac-cyrillic", false},
    {10008, "GB2312", true},         {10029, "x-mac-ce", false},
    {10081, "x-mac-turkish", false},
};

bool converterExists(const char* name) {
  return name && QStringDecoder(name).isValid();
}

// One code point decoded from bytes, or U+FFFD when they do not make exactly one character.
char32_t decodeOne(const char* converter, const QByteArray& bytes) {
  QStringDecoder decoder(converter, QStringConverter::Flag::Stateless);
  const QString text = decoder.decode(bytes);
  if (text.size() == 1 && !text[0].isSurrogate()) return text[0].unicode();
  if (text.size() == 2 && text[0].isHighSurrogate() && text[1].isLowSurrogate()) {
    return QChar::surrogateToUcs4(text[0], text[1]);
  }
  return kReplacement;
}

}  // namespace

CodePage::CodePage(int number) : number_(number) {
  fill1252(high_);
  if (number == 1252) return;
  for (const KnownPage& known : kKnownPages) {
    if (known.number == number) {
      converterName_ = known.name;
      doubleByte_ = known.doubleByte;
    }
  }
  if (!converterExists(converterName_)) {
    converterName_ = nullptr;
    doubleByte_ = false;
    if (number == 1253) fill1253(high_);
    if (number == 1251) fill1251(high_);
    if (number != 1253 && number != 1251) number_ = 1252;
    return;
  }
  for (int b = 0x80; b < 0x100; ++b) {
    if (!isLeadByte(b)) high_[b - 0x80] = decodeOne(converterName_, QByteArray(1, char(b)));
  }
}

const CodePage& CodePage::get(int number) {
  static std::mutex mutex;
  static std::map<int, std::unique_ptr<CodePage>> pages;
  std::lock_guard lock(mutex);
  auto& page = pages[number];
  if (!page) page.reset(new CodePage(number));
  return *page;
}

int CodePage::forCharset(int charset) {
  static const std::map<int, int> pages = {
      {0, 1252},   {77, 10000}, {78, 10001}, {79, 10003}, {80, 10008}, {81, 10002}, {83, 10005},
      {84, 10004}, {85, 10006}, {86, 10081}, {87, 10021}, {88, 10029}, {89, 10007}, {128, 932},
      {129, 949},  {130, 1361}, {134, 936},  {136, 950},  {161, 1253}, {162, 1254}, {163, 1258},
      {177, 1255}, {178, 1256}, {179, 1256}, {180, 1256}, {181, 1255}, {186, 1257}, {204, 1251},
      {222, 874},  {238, 1250}, {254, 437},  {255, 850}};
  auto it = pages.find(charset);
  return it == pages.end() ? 0 : it->second;
}

bool CodePage::isLeadByte(quint8 byte) const {
  if (!doubleByte_) return false;
  if (number_ == 932 || number_ == 10001) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
  }
  return byte >= 0x81 && byte <= 0xFE;
}

char32_t CodePage::decodePair(quint8 lead, quint8 trail) const {
  if (!converterName_) return kReplacement;
  QByteArray bytes;
  bytes.append(char(lead));
  bytes.append(char(trail));
  return decodeOne(converterName_, bytes);
}

void ByteDecoder::setCodePage(const CodePage& page) {
  if (&page != page_) lead_.reset();
  page_ = &page;
}

std::optional<char32_t> ByteDecoder::feed(quint8 byte) {
  if (lead_) {
    const quint8 lead = *lead_;
    lead_.reset();
    return page_->decodePair(lead, byte);
  }
  if (page_->isLeadByte(byte)) {
    lead_ = byte;
    return std::nullopt;
  }
  return page_->decode(byte);
}

}  // namespace vantrel::rtf

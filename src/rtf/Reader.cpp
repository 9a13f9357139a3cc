#include "rtf/Reader.h"

#include "rtf/ControlWords.h"
#include "rtf/DocumentBuilder.h"
#include "rtf/Lexer.h"
#include "rtf/RichText.h"
#include "rtf/Tables.h"

#include <algorithm>
#include <vector>

namespace vantrel::rtf {

namespace {

constexpr int kPlainSize = 24;    // \plain means 12 pt
constexpr int kMaxSize = 3276;    // 1638 pt: larger sizes are garbage, not text
constexpr int kDefaultShift = 6;  // \up and \dn without a parameter
constexpr int kMaxDepth = 4096;   // deeper groups are skipped, so memory stays bounded

enum class Destination {
  Body,  // document text
  FontTable,
  ColorTable,
  Alternatives,  // inside \upr: only the \*\ud group is read
  Choosing,      // a group inside \upr whose first word decides whether it is read
};

// Character formatting as the control words set it; fonts and colours are still indexes.
struct CharState {
  int font = -1;  // -1: the default font
  int size = 0;   // 0: not given
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strike = false;
  bool hidden = false;
  int color = -1;      // -1: automatic
  int background = 0;  // 0: none
  VerticalPosition position = VerticalPosition::Baseline;
  bool operator==(const CharState&) const = default;
};

// Everything a group saves and its closing brace restores.
struct GroupState {
  CharState chars;
  Alignment alignment = Alignment::Left;
  int unicodeSkip = 1;
  Destination destination = Destination::Body;
};

// What the last character-producing token was, for the table rules at \cell and \row.
enum class LastOutput { Other, ParagraphMark, CellEnd };

bool toggleOn(const Token& t) {
  return !t.hasParam || t.param != 0;
}

class Reader {
 public:
  explicit Reader(QByteArrayView data) : lexer_(data) {}
  std::shared_ptr<const Document> read();

 private:
  GroupState& state() { return stack_.back(); }
  int depth() const { return static_cast<int>(stack_.size()) - 1; }

  void handle(const Token& t);
  bool consumedAsFallback(const Token& t);
  bool handleChoice(const Token& t);
  void openGroup();
  void closeGroup();
  void skipGroup();

  void word(const Token& t);
  void bodyWord(const Token& t, const WordInfo& info);
  bool formatWord(const Token& t, WordAction action, CharState& c);
  void fontTableWord(const Token& t, WordAction action);
  void symbol(quint8 c);
  void textByte(quint8 byte, bool fromHex);

  void syncFormat();
  const FontEntry* effectiveFont(int number) const;
  void put(char32_t c);
  void putUnicode(int param);
  void flushHighSurrogate();
  void paragraphBreak(BreakKind kind, LastOutput last);
  void cellEnd();
  void rowEnd();

  Lexer lexer_;
  std::vector<GroupState> stack_{GroupState{}};
  DocumentBuilder builder_;
  bool done_ = false;
  Alignment finalAlignment_ = Alignment::Left;

  FontTable fonts_;
  ColorTable colors_;
  FontTableReader fontReader_;
  ColorTableReader colorReader_;
  int documentPage_ = 1252;
  int defaultFont_ = -1;

  // Decoding and formatting of the current font, refreshed when the character state changes.
  CharState synced_;
  bool syncValid_ = false;
  // The character state may differ from synced_: a formatting word or a group's end came since
  // the last sync. Text runs between them, most of a document, skip the comparison.
  bool charsTouched_ = true;
  SymbolKind symbolKind_ = SymbolKind::None;
  ByteDecoder decoder_;

  int fallbackLeft_ = 0;  // units still to skip after \uN
  bool starPending_ = false;
  char16_t highSurrogate_ = 0;
  LastOutput last_ = LastOutput::Other;
};

std::shared_ptr<const Document> Reader::read() {
  for (Token t = lexer_.next(); !done_ && t.type != Token::Type::End; t = lexer_.next()) {
    handle(t);
  }
  if (!done_) finalAlignment_ = state().alignment;  // unbalanced: the open groups end here
  flushHighSurrogate();
  const FontEntry* font = effectiveFont(-1);
  return builder_.finish(finalAlignment_, font ? font->name : QString(), true);
}

void Reader::handle(const Token& t) {
  if (consumedAsFallback(t)) return;
  if (state().destination == Destination::Choosing && handleChoice(t)) return;
  if (t.type != Token::Type::Text && t.type != Token::Type::HexByte) decoder_.reset();
  if (!(t.type == Token::Type::Symbol && t.byte == '*') && t.type != Token::Type::Word) {
    starPending_ = false;
  }
  switch (t.type) {
    case Token::Type::OpenGroup:
      return openGroup();
    case Token::Type::CloseGroup:
      return closeGroup();
    case Token::Type::Word:
      return word(t);
    case Token::Type::Symbol:
      return symbol(t.byte);
    case Token::Type::HexByte:
    case Token::Type::Text:
      return textByte(t.byte, t.type == Token::Type::HexByte);
    case Token::Type::End:
      return;
  }
}

// The units after \uN are the fallback for readers without Unicode; a brace ends them early.
bool Reader::consumedAsFallback(const Token& t) {
  if (fallbackLeft_ == 0) return false;
  if (t.type == Token::Type::OpenGroup || t.type == Token::Type::CloseGroup) {
    fallbackLeft_ = 0;
    return false;
  }
  --fallbackLeft_;
  return true;
}

// Inside \upr, a group is read only when it starts with \*\ud (the Unicode version).
bool Reader::handleChoice(const Token& t) {
  if (t.type == Token::Type::Symbol && t.byte == '*') {
    starPending_ = true;
    return true;
  }
  if (t.type == Token::Type::Word && t.word == "ud") {
    state().destination = Destination::Body;
    starPending_ = false;
    return true;
  }
  starPending_ = false;
  if (t.type == Token::Type::CloseGroup) return false;       // an empty group simply ends
  if (t.type == Token::Type::OpenGroup) lexer_.skipGroup();  // the nested group first
  skipGroup();
  return true;
}

void Reader::openGroup() {
  if (depth() >= kMaxDepth) {
    // No writer nests this deep: such a group is garbage and is stepped over unread.
    lexer_.skipGroup();
    return;
  }
  const Destination outer = state().destination;
  stack_.push_back(state());
  if (outer == Destination::Alternatives) state().destination = Destination::Choosing;
}

void Reader::closeGroup() {
  if (depth() <= 1) {
    // The document's own group ends: whatever follows is not part of it.
    finalAlignment_ = state().alignment;
    done_ = true;
    return;
  }
  const Destination inner = state().destination;
  if (inner == Destination::FontTable) {
    fontReader_.commit(fonts_);
    syncValid_ = false;
  }
  stack_.pop_back();
  charsTouched_ = true;
  if (inner == Destination::ColorTable && state().destination != Destination::ColorTable) {
    colorReader_.finish(colors_);
    syncValid_ = false;
  }
}

void Reader::skipGroup() {
  if (depth() <= 1) return;  // never skip the document itself
  lexer_.skipGroup();
  stack_.pop_back();
  charsTouched_ = true;
}

void Reader::word(const Token& t) {
  const WordInfo info = lookupWord(t.word);
  if (starPending_) {
    // {\*\name ...}: a destination this reader does not read on purpose.
    starPending_ = false;
    if (depth() > 1) return skipGroup();
  }
  if (info.action == WordAction::SkipDestination) {
    if (depth() > 1) skipGroup();
    return;
  }
  if (info.action == WordAction::UnicodeSkipCount) {
    state().unicodeSkip = t.hasParam ? std::max(t.param, 0) : 1;
    return;
  }
  switch (state().destination) {
    case Destination::Body:
      return bodyWord(t, info);
    case Destination::FontTable:
      return fontTableWord(t, info.action);
    case Destination::ColorTable:
      if (info.action == WordAction::Red) colorReader_.setComponent(0, t.param);
      if (info.action == WordAction::Green) colorReader_.setComponent(1, t.param);
      if (info.action == WordAction::Blue) colorReader_.setComponent(2, t.param);
      return;
    case Destination::Alternatives:
    case Destination::Choosing:
      return;
  }
}

void Reader::bodyWord(const Token& t, const WordInfo& info) {
  GroupState& s = state();
  if (formatWord(t, info.action, s.chars)) {
    charsTouched_ = true;
    return;
  }
  switch (info.action) {
    case WordAction::Ansi:
      documentPage_ = 1252;
      break;
    case WordAction::Mac:
      documentPage_ = 10000;
      break;
    case WordAction::Pc:
      documentPage_ = 437;
      break;
    case WordAction::Pca:
      documentPage_ = 850;
      break;
    case WordAction::AnsiCodePage:
      if (t.param > 0) documentPage_ = t.param;
      break;
    case WordAction::DefaultFont:
      defaultFont_ = t.param;
      break;
    case WordAction::FontTable:
      if (depth() > 1) s.destination = Destination::FontTable;
      return;
    case WordAction::ColorTable:
      if (depth() > 1) {
        s.destination = Destination::ColorTable;
        colors_.clear();  // a new table replaces an earlier one
      }
      return;
    case WordAction::UnicodeAlternatives:
      if (depth() > 1) s.destination = Destination::Alternatives;
      return;
    case WordAction::Character:
      return put(info.character);
    case WordAction::ParagraphMark:
      return paragraphBreak(BreakKind::Paragraph, LastOutput::ParagraphMark);
    case WordAction::OtherParagraphMark:
      return paragraphBreak(BreakKind::Paragraph, LastOutput::Other);
    case WordAction::LineBreak:
      return paragraphBreak(BreakKind::Line, LastOutput::Other);
    case WordAction::Tab:
      return put(u'\t');
    case WordAction::Cell:
      return cellEnd();
    case WordAction::Row:
      return rowEnd();
    case WordAction::Unicode:
      return putUnicode(t.param);
    case WordAction::ParagraphDefaults:
      s.alignment = Alignment::Left;
      return;
    case WordAction::AlignLeft:
      s.alignment = Alignment::Left;
      return;
    case WordAction::AlignCenter:
      s.alignment = Alignment::Center;
      return;
    case WordAction::AlignRight:
      s.alignment = Alignment::Right;
      return;
    case WordAction::AlignJustify:
      s.alignment = Alignment::Justify;
      return;
    default:
      return;
  }
  syncValid_ = false;  // the code page or the default font may have changed
}

// Character formatting words; false when the word is not one of them.
bool Reader::formatWord(const Token& t, WordAction action, CharState& c) {
  switch (action) {
    case WordAction::Plain:
      c = CharState{};
      c.size = kPlainSize;
      return true;
    case WordAction::Font:
      c.font = std::max(t.param, 0);
      return true;
    case WordAction::FontSize:
      c.size = t.hasParam && t.param > 0 ? std::min(t.param, kMaxSize) : kPlainSize;
      return true;
    case WordAction::Bold:
      c.bold = toggleOn(t);
      return true;
    case WordAction::Italic:
      c.italic = toggleOn(t);
      return true;
    case WordAction::Underline:
      c.underline = toggleOn(t);
      return true;
    case WordAction::UnderlineNone:
      c.underline = false;
      return true;
    case WordAction::Strike:
      c.strike = toggleOn(t);
      return true;
    case WordAction::Hidden:
      c.hidden = toggleOn(t);
      return true;
    case WordAction::Color:
      c.color = t.param;
      return true;
    case WordAction::Background:
      c.background = t.param;
      return true;
    case WordAction::Superscript:
      c.position = VerticalPosition::Superscript;
      return true;
    case WordAction::Subscript:
      c.position = VerticalPosition::Subscript;
      return true;
    case WordAction::Raise:
    case WordAction::Lower: {
      const bool shifted = (t.hasParam ? t.param : kDefaultShift) > 0;
      const auto direction =
          action == WordAction::Raise ? VerticalPosition::Superscript : VerticalPosition::Subscript;
      c.position = shifted ? direction : VerticalPosition::Baseline;
      return true;
    }
    case WordAction::Baseline:
      c.position = VerticalPosition::Baseline;
      return true;
    default:
      return false;
  }
}

void Reader::fontTableWord(const Token& t, WordAction action) {
  switch (action) {
    case WordAction::Font:
      fontReader_.commit(fonts_);
      fontReader_.startEntry(std::max(t.param, 0));
      break;
    case WordAction::FontCharset:
      fontReader_.setCharset(t.param);
      break;
    case WordAction::FontCodePage:
      fontReader_.setCodePage(std::max(t.param, 0));
      break;
    case WordAction::Unicode:
      fontReader_.nameChar(static_cast<char32_t>(t.param < 0 ? t.param + 65536 : t.param));
      fallbackLeft_ = state().unicodeSkip;
      break;
    default:
      break;
  }
}

void Reader::symbol(quint8 c) {
  if (c == '*') {
    starPending_ = true;
    return;
  }
  const bool literal = c == '\\' || c == '{' || c == '}';
  switch (state().destination) {
    case Destination::Body:
      break;
    case Destination::FontTable:
      if (literal) fontReader_.nameChar(c);
      return;
    default:
      return;
  }
  if (literal) return put(c);
  switch (c) {
    case '~':
      return put(0x00A0);
    case '_':
      return put(0x2011);
    case '\t':
      return put(u'\t');
    case '\r':
    case '\n':
      return paragraphBreak(BreakKind::Paragraph, LastOutput::ParagraphMark);
    default:
      return;  // \- (optional hyphen), \: and \| produce nothing; unknown symbols are ignored
  }
}

void Reader::textByte(quint8 byte, bool fromHex) {
  switch (state().destination) {
    case Destination::Body:
      break;
    case Destination::FontTable:
      if (byte == ';' && !fromHex) return fontReader_.commit(fonts_);
      return fontReader_.nameByte(byte, documentPage_);
    case Destination::ColorTable:
      if (byte == ';') colorReader_.commit(colors_);
      return;
    default:
      return;
  }
  if (byte == '\t' && !fromHex) return put(u'\t');
  syncFormat();
  if (symbolKind_ != SymbolKind::None) return put(symbolFontChar(symbolKind_, byte));
  if (auto c = decoder_.feed(byte)) put(*c);
}

const FontEntry* Reader::effectiveFont(int number) const {
  auto it = number >= 0 ? fonts_.find(number) : fonts_.end();
  if (it == fonts_.end()) it = fonts_.find(defaultFont_);
  return it == fonts_.end() ? nullptr : &it->second;
}

// Brings the builder's formatting and the byte decoding up to date with the character state.
void Reader::syncFormat() {
  if (syncValid_ && !charsTouched_) return;
  charsTouched_ = false;
  const CharState& c = state().chars;
  if (syncValid_ && c == synced_) return;
  synced_ = c;
  syncValid_ = true;

  const FontEntry* font = effectiveFont(c.font);
  auto color = [&](int index) -> std::optional<Rgb> {
    return index >= 0 && index < static_cast<int>(colors_.size()) ? colors_[index] : std::nullopt;
  };
  CharFormat format;
  format.font = font ? font->name : QString();
  format.size = c.size;
  format.bold = c.bold;
  format.italic = c.italic;
  format.underline = c.underline;
  format.strike = c.strike;
  format.hidden = c.hidden;
  format.color = color(c.color);
  format.background = c.background > 0 ? color(c.background) : std::nullopt;
  format.position = c.position;
  builder_.setFormat(format);

  symbolKind_ = font ? font->symbolKind() : SymbolKind::None;
  decoder_.setCodePage(CodePage::get(font ? font->decodingPage(documentPage_) : documentPage_));
}

void Reader::flushHighSurrogate() {
  if (highSurrogate_ == 0) return;
  highSurrogate_ = 0;
  builder_.append(0xFFFD);  // a high surrogate whose partner never came
}

void Reader::put(char32_t c) {
  syncFormat();
  flushHighSurrogate();
  builder_.append(c);
  last_ = LastOutput::Other;
}

void Reader::putUnicode(int param) {
  fallbackLeft_ = state().unicodeSkip;
  const qint64 code = param < 0 ? qint64(param) + 65536 : param;
  if (code < 0) return put(0xFFFD);
  syncFormat();
  if (QChar::isHighSurrogate(char32_t(code))) {
    flushHighSurrogate();
    highSurrogate_ = static_cast<char16_t>(code);
    last_ = LastOutput::Other;
    return;
  }
  if (QChar::isLowSurrogate(char32_t(code)) && highSurrogate_ != 0) {
    const char32_t pair = QChar::surrogateToUcs4(highSurrogate_, static_cast<char16_t>(code));
    highSurrogate_ = 0;
    return put(pair);
  }
  put(symbolFontCode(symbolKind_, static_cast<char32_t>(std::min<qint64>(code, 0x110000))));
}

void Reader::paragraphBreak(BreakKind kind, LastOutput last) {
  syncFormat();
  flushHighSurrogate();
  builder_.appendBreak(kind, state().alignment);
  last_ = last;
}

// A cell ends with a TAB; a paragraph mark directly before it is the cell's own end and
// gives nothing (pandoc ends every cell with \par).
void Reader::cellEnd() {
  if (last_ == LastOutput::ParagraphMark && builder_.endsWithBreak()) builder_.removeLastBreak();
  put(u'\t');
  last_ = LastOutput::CellEnd;
}

// The row's last cell end becomes the row's CR LF.
void Reader::rowEnd() {
  if (last_ == LastOutput::CellEnd && builder_.endsWith(u'\t')) builder_.removeLastChar();
  paragraphBreak(BreakKind::Paragraph, LastOutput::Other);
}

// Where the document's group opens, after optional white space; -1 when the data is not RTF.
qsizetype rtfStart(QByteArrayView data) {
  qsizetype i = 0;
  while (i < data.size() && (data[i] == ' ' || data[i] == '\t' || data[i] == '\r' ||
                             data[i] == '\n' || data[i] == '\f' || data[i] == '\v')) {
    ++i;
  }
  return data.sliced(i).startsWith("{\\rtf") ? i : -1;
}

}  // namespace

std::shared_ptr<const Document> readRtf(QByteArrayView rtf) {
  const qsizetype start = rtfStart(rtf);
  if (start < 0) throw RtfError("The data is not RTF: it does not start with {\\rtf");
  return Reader(rtf.sliced(start)).read();
}

}  // namespace vantrel::rtf

#include "rtf/Lexer.h"

#include <algorithm>
#include <limits>

namespace vantrel::rtf {

namespace {

constexpr int kMaxWordLength = 32;

Token makeToken(Token::Type type, quint8 byte = 0) {
  Token token;
  token.type = type;
  token.byte = byte;
  return token;
}

bool isLetter(quint8 c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(quint8 c) {
  return c >= '0' && c <= '9';
}

int hexValue(quint8 c) {
  if (isDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

quint8 Lexer::peek(qsizetype ahead) const {
  const qsizetype at = pos_ + ahead;
  return at < data_.size() ? static_cast<quint8>(data_[at]) : 0;
}

Token Lexer::next() {
  while (!atEnd()) {
    const quint8 c = peek();
    switch (c) {
      case '{':
        ++pos_;
        return makeToken(Token::Type::OpenGroup);
      case '}':
        ++pos_;
        return makeToken(Token::Type::CloseGroup);
      case '\\':
        ++pos_;
        return readControl();
      default:
        ++pos_;
        // Line ends are where writers wrapped their output; other control bytes are noise.
        if (c < 0x20 && c != '\t') continue;
        return makeToken(Token::Type::Text, c);
    }
  }
  return makeToken(Token::Type::End);
}

Token Lexer::readControl() {
  if (atEnd()) return next();  // a lone backslash at the end means nothing
  const quint8 c = peek();
  if (isLetter(c)) return readWord();
  ++pos_;
  if (c == '\'') {
    const int high = hexValue(peek());
    const int low = hexValue(peek(1));
    // Without two hex digits it is no byte: ignored, and what follows is read normally.
    if (high < 0 || low < 0) return makeToken(Token::Type::Symbol, '\'');
    pos_ += 2;
    return makeToken(Token::Type::HexByte, static_cast<quint8>(high * 16 + low));
  }
  return makeToken(Token::Type::Symbol, c);
}

Token Lexer::readWord() {
  Token token = makeToken(Token::Type::Word);
  const qsizetype start = pos_;
  while (!atEnd() && isLetter(peek()))
    ++pos_;
  token.word = data_.sliced(start, std::min<qsizetype>(pos_ - start, kMaxWordLength));

  const bool negative = peek() == '-' && isDigit(peek(1));
  if (negative || isDigit(peek())) {
    if (negative) ++pos_;
    qint64 value = 0;
    while (!atEnd() && isDigit(peek())) {
      // Clamp absurd digit strings instead of overflowing.
      value = std::min<qint64>(value * 10 + (peek() - '0'), qint64(1) << 32);
      ++pos_;
    }
    if (negative) value = -value;
    token.hasParam = true;
    token.param = static_cast<int>(std::clamp<qint64>(value, std::numeric_limits<int>::min(),
                                                      std::numeric_limits<int>::max()));
  }
  if (peek() == ' ' && !atEnd()) ++pos_;  // the delimiter space belongs to the word
  skipBinary(token);
  return token;
}

void Lexer::skipBinary(const Token& word) {
  if (word.word != "bin" || !word.hasParam || word.param <= 0) return;
  pos_ += std::min<qsizetype>(word.param, data_.size() - pos_);
}

void Lexer::skipGroup() {
  int depth = 1;
  while (!atEnd()) {
    const quint8 c = peek();
    ++pos_;
    if (c == '{') {
      ++depth;
    } else if (c == '}') {
      if (--depth == 0) return;
    } else if (c == '\\' && !atEnd()) {
      if (isLetter(peek())) {
        readWord();  // steps over \binN data too
      } else {
        ++pos_;  // an escaped brace or backslash is not a brace
      }
    }
  }
}

}  // namespace vantrel::rtf

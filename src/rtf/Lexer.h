#pragma once
// Splits RTF bytes into tokens: braces, control words, control symbols, \'hh bytes and text
// bytes. Line ends and other control bytes are not text and never reach the reader (except as
// the control symbol backslash + line end, which is a paragraph mark). Binary data after \binN
// is stepped over here, so neither the reader nor a skipped group ever looks into it.

#include <QByteArrayView>
#include <QtGlobal>

namespace vantrel::rtf {

struct Token {
  enum class Type { End, OpenGroup, CloseGroup, Word, Symbol, HexByte, Text };
  Type type = Type::End;
  QByteArrayView word;  // Word: the name
  bool hasParam = false;
  int param = 0;    // Word: the parameter, clamped to 32 bits
  quint8 byte = 0;  // Symbol: the character after the backslash; HexByte, Text: the byte
};

class Lexer {
 public:
  explicit Lexer(QByteArrayView data) : data_(data) {}

  Token next();
  // Steps over the rest of the current group, including its closing brace, counting nested
  // braces and honouring escaped braces and \binN. Linear in the bytes skipped.
  void skipGroup();

 private:
  bool atEnd() const { return pos_ >= data_.size(); }
  quint8 peek(qsizetype ahead = 0) const;
  Token readControl();
  Token readWord();
  void skipBinary(const Token& word);

  QByteArrayView data_;
  qsizetype pos_ = 0;
};

}  // namespace vantrel::rtf

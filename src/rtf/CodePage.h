#pragma once
// Decoding of the bytes of RTF text (\'hh and raw 8-bit bytes) in the code page of the font
// they are written in. Single-byte pages decode through a 128-entry table built once per page;
// double-byte pages (Japanese, Chinese, Korean) join a lead byte with the byte after it.

#include <QtGlobal>
#include <array>
#include <optional>

namespace vantrel::rtf {

class CodePage {
 public:
  // The page with this number; a page the toolkit cannot decode falls back to 1252, so this
  // never fails. Pages are built on first use and live for the rest of the program.
  static const CodePage& get(int number);
  // The page a font's \fcharsetN selects, or 0 when the charset names no page of its own
  // (default, symbol, or unknown).
  static int forCharset(int charset);

  int number() const { return number_; }
  bool isLeadByte(quint8 byte) const;
  char32_t decode(quint8 byte) const { return byte < 0x80 ? byte : high_[byte - 0x80]; }
  char32_t decodePair(quint8 lead, quint8 trail) const;

 private:
  explicit CodePage(int number);

  int number_;
  bool doubleByte_ = false;
  const char* converterName_ = nullptr;
  std::array<char32_t, 128> high_{};
};

// Turns a stream of text bytes into characters, holding a double-byte lead until its trail
// byte arrives (which may come as \'hh or as a plain letter).
class ByteDecoder {
 public:
  void setCodePage(const CodePage& page);
  // The decoded character, or nothing while a lead byte waits for its trail byte.
  std::optional<char32_t> feed(quint8 byte);
  // Forgets a lead byte whose trail byte never came (a brace or control word interrupted it).
  void reset() { lead_.reset(); }

 private:
  const CodePage* page_ = &CodePage::get(1252);
  std::optional<quint8> lead_;
};

}  // namespace vantrel::rtf

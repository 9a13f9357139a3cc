#include "rtf/SymbolFont.h"

#include <array>

namespace vantrel::rtf {

namespace {

// Bytes 0x41-0x5A and 0x61-0x7A of the Symbol font: the Greek alphabet in Symbol's own order.
constexpr char16_t kUpper[26] = {u'Α', u'Β', u'Χ', u'Δ', u'Ε', u'Φ', u'Γ', u'Η', u'Ι',
                                 u'ϑ', u'Κ', u'Λ', u'Μ', u'Ν', u'Ο', u'Π', u'Θ', u'Ρ',
                                 u'Σ', u'Τ', u'Υ', u'ς', u'Ω', u'Ξ', u'Ψ', u'Ζ'};
constexpr char16_t kLower[26] = {u'α', u'β', u'χ', u'δ', u'ε', u'φ', u'γ', u'η', u'ι',
                                 u'ϕ', u'κ', u'λ', u'μ', u'ν', u'ο', u'π', u'θ', u'ρ',
                                 u'σ', u'τ', u'υ', u'ϖ', u'ω', u'ξ', u'ψ', u'ζ'};

struct Sign {
  quint8 byte;
  char16_t ch;
};
constexpr Sign kSigns[] = {
    {0x22, u'∀'}, {0x24, u'∃'}, {0x27, u'∋'}, {0x2A, u'∗'}, {0x2D, u'−'}, {0x40, u'≅'},
    {0x5C, u'∴'}, {0x5E, u'⊥'}, {0x7E, u'∼'}, {0xA1, u'ϒ'}, {0xA2, u'′'}, {0xA3, u'≤'},
    {0xA5, u'∞'}, {0xA6, u'ƒ'}, {0xAB, u'↔'}, {0xAC, u'←'}, {0xAD, u'↑'}, {0xAE, u'→'},
    {0xAF, u'↓'}, {0xB0, u'°'}, {0xB1, u'±'}, {0xB2, u'″'}, {0xB3, u'≥'}, {0xB4, u'×'},
    {0xB5, u'∝'}, {0xB6, u'∂'}, {0xB7, u'•'}, {0xB8, u'÷'}, {0xB9, u'≠'}, {0xBA, u'≡'},
    {0xBB, u'≈'}, {0xBC, u'…'}, {0xC4, u'⊗'}, {0xC5, u'⊕'}, {0xC6, u'∅'}, {0xC7, u'∩'},
    {0xC8, u'∪'}, {0xCE, u'∈'}, {0xD0, u'∠'}, {0xD1, u'∇'}, {0xD5, u'∏'}, {0xD6, u'√'},
    {0xD7, u'⋅'}, {0xD8, u'¬'}, {0xD9, u'∧'}, {0xDA, u'∨'}, {0xDB, u'⇔'}, {0xDE, u'⇒'},
    {0xE5, u'∑'}, {0xF2, u'∫'},
};

constexpr std::array<char32_t, 256> makeSymbolTable() {
  std::array<char32_t, 256> table{};
  for (int b = 0; b < 256; ++b)
    table[b] = b < 0x80 ? char32_t(b) : char32_t(0xF000 + b);
  for (int i = 0; i < 26; ++i) {
    table[0x41 + i] = kUpper[i];
    table[0x61 + i] = kLower[i];
  }
  for (const Sign& s : kSigns)
    table[s.byte] = s.ch;
  return table;
}

constexpr std::array<char32_t, 256> kSymbolTable = makeSymbolTable();

}  // namespace

char32_t symbolFontChar(SymbolKind kind, quint8 byte) {
  switch (kind) {
    case SymbolKind::Symbol:
      return kSymbolTable[byte];
    case SymbolKind::OtherSymbol:
      return 0xF000 + byte;
    case SymbolKind::None:
      break;
  }
  return byte;
}

char32_t symbolFontCode(SymbolKind kind, char32_t code) {
  if (kind == SymbolKind::None || code < 0xF020 || code > 0xF0FF) return code;
  return symbolFontChar(kind, static_cast<quint8>(code - 0xF000));
}

}  // namespace vantrel::rtf

#pragma once
// Fonts with \fcharset2 select glyphs, not characters. The Symbol font's glyphs are mapped to
// the real characters (Greek letters, maths signs) so that the plain text can be searched and
// shown in any font; the glyphs of other symbol fonts go to the private-use area U+F000 + byte,
// as Windows maps them.

#include <QtGlobal>

namespace vantrel::rtf {

enum class SymbolKind { None, Symbol, OtherSymbol };

// The character for one byte of text written in a symbol font of this kind.
char32_t symbolFontChar(SymbolKind kind, quint8 byte);

// For \uN in a symbol font: a private-use code U+F020-U+F0FF stands for a byte.
char32_t symbolFontCode(SymbolKind kind, char32_t code);

}  // namespace vantrel::rtf

#pragma once
// What the reader does with each control word it knows. Every other word is ignored together
// with its parameter, which is how the hundreds of layout and revision words of word-processor
// files change nothing here.

#include <QByteArrayView>

namespace vantrel::rtf {

enum class WordAction {
  Ignore,
  SkipDestination,  // a group whose content is not document text
  // Document header.
  Ansi,
  Mac,
  Pc,
  Pca,
  AnsiCodePage,
  DefaultFont,
  // Destinations read on purpose.
  FontTable,
  ColorTable,
  UnicodeAlternatives,
  // Font table entries.
  FontCharset,
  FontCodePage,
  // Text.
  Character,
  ParagraphMark,
  OtherParagraphMark,
  LineBreak,
  Tab,
  Cell,
  Row,
  Unicode,
  UnicodeSkipCount,
  // Character formatting.
  Plain,
  Font,
  FontSize,
  Bold,
  Italic,
  Underline,
  UnderlineNone,
  Strike,
  Hidden,
  Color,
  Background,
  Superscript,
  Subscript,
  Raise,
  Lower,
  Baseline,
  // Paragraph formatting.
  ParagraphDefaults,
  AlignLeft,
  AlignCenter,
  AlignRight,
  AlignJustify,
  // Colour table entries.
  Red,
  Green,
  Blue,
};

struct WordInfo {
  WordAction action = WordAction::Ignore;
  char16_t character = 0;  // for WordAction::Character
};

WordInfo lookupWord(QByteArrayView name);

}  // namespace vantrel::rtf

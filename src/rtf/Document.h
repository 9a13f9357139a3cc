#pragma once
// The parsed model behind a RichText: flat tables over one plain text.
//
// The plain text holds every character the reader produced, with CR LF for each break. Three
// sorted tables describe it: character runs (where each formatting starts), breaks (where each
// CR LF is and whether it ends a paragraph or only a line) and paragraphs (where each ends and
// how it is aligned). Cutting a piece out is then a substring plus a binary search and a copy in
// each table, so its cost follows the piece and never the whole document.
//
// Invariants the builder guarantees (and slicing keeps):
// - every CR in the text is followed by LF and is listed in breaks(); there is no other CR or LF
//   and no other character below U+0020 except TAB; surrogates always come in pairs;
// - runs() cover the text without gaps, the first starts at 0, neighbours differ in format;
//   an empty text has no runs;
// - paragraphs() is never empty; each but the last ends at the CR of a paragraph break, the last
//   ends at the end of the text.

#include <QString>
#include <QStringView>
#include <QtGlobal>
#include <compare>
#include <memory>
#include <optional>
#include <vector>

namespace vantrel::rtf {

enum class Alignment { Left, Center, Right, Justify };
enum class VerticalPosition { Baseline, Superscript, Subscript };
enum class BreakKind { Paragraph, Line };

// A colour from a colour table (the automatic colour is the absence of one).
struct Rgb {
  quint8 red = 0;
  quint8 green = 0;
  quint8 blue = 0;
  bool operator==(const Rgb&) const = default;
};

// Character formatting. Font and size may be "not given": the display then uses its own.
struct CharFormat {
  QString font;  // null: not given
  int size = 0;  // in half-points; 0: not given
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strike = false;
  bool hidden = false;
  std::optional<Rgb> color;       // nullopt: automatic
  std::optional<Rgb> background;  // nullopt: none
  VerticalPosition position = VerticalPosition::Baseline;

  bool fontGiven() const { return !font.isEmpty(); }
  bool sizeGiven() const { return size > 0; }
  bool operator==(const CharFormat&) const = default;
};

// The formatting that starts at `start` and lasts up to the next run.
struct TextRun {
  int start = 0;
  CharFormat format;
  bool operator==(const TextRun&) const = default;
};

// A CR LF at `position` (the index of the CR).
struct Break {
  int position = 0;
  BreakKind kind = BreakKind::Paragraph;
  bool operator==(const Break&) const = default;
};

// A paragraph ending at `end`: the index of the CR of its break, or the text length for the last.
struct Paragraph {
  int end = 0;
  Alignment alignment = Alignment::Left;
  bool operator==(const Paragraph&) const = default;
};

class DocumentBuilder;

class Document {
 public:
  // The empty document: one empty left-aligned paragraph, no default font.
  Document();

  const QString& text() const { return text_; }
  int length() const { return static_cast<int>(text_.size()); }
  const std::vector<TextRun>& runs() const { return runs_; }
  const std::vector<Break>& breaks() const { return breaks_; }
  const std::vector<Paragraph>& paragraphs() const { return paragraphs_; }
  // The font the document named as its default (\deff); null when it named none.
  const QString& defaultFont() const { return defaultFont_; }

  // Index into runs() of the run holding position pos (0 <= pos < length()).
  int runIndexAt(int pos) const;
  // Index into paragraphs() of the paragraph holding position pos; a position on a paragraph's
  // CR or LF belongs to that paragraph, the end of the text to the last one.
  int paragraphIndexAt(int pos) const;
  // Start position of paragraph i.
  int paragraphStart(int i) const;

  // First position >= from of needle, ignoring letter case; -1 when none or needle is empty.
  int find(QStringView needle, int from) const;

  // Clamps [start, start + length) to the text and moves a bound that falls between the CR and
  // LF of a break to just after the LF (and one inside a surrogate pair to just after the pair).
  // Returns the adjusted [first, second).
  std::pair<int, int> clampRange(int start, int length) const;
  // The document that loading the RTF of [start, start + length) gives (see RichText::slice).
  std::shared_ptr<const Document> slice(int start, int length) const;

  // Content equality; caches do not take part.
  bool operator==(const Document& other) const;

 private:
  friend class DocumentBuilder;

  // Builds the case-folded copy of the text that find() searches.
  void foldText();
  // Applies the rule that the last break of a loaded document is its final mark, not text.
  void dropFinalMark();

  QString text_;
  std::vector<TextRun> runs_;
  std::vector<Break> breaks_;
  std::vector<Paragraph> paragraphs_;
  QString defaultFont_;
  QString folded_;  // text_ with each character case-folded, same length
};

// Case-folds each code point where that keeps the UTF-16 length, so positions stay valid.
QString foldCase(QStringView text);

}  // namespace vantrel::rtf

#pragma once
// Assembles a Document character by character, as the reader and the plain-text constructor
// produce it. The builder enforces the model's invariants, so whatever garbage comes in, the
// document that comes out can be cut and written safely.

#include "rtf/Document.h"

#include <memory>
#include <optional>

namespace vantrel::rtf {

class DocumentBuilder {
 public:
  DocumentBuilder();

  // The formatting of the characters appended from now on.
  void setFormat(const CharFormat& format);
  // Appends one code point. Control characters other than TAB are dropped (breaks come only
  // through appendBreak) and surrogate code points become U+FFFD: pairs arrive as one code point.
  void append(char32_t codePoint);
  // Appends text; CR LF, a lone CR or a lone LF becomes a paragraph break (left aligned).
  void appendPlainText(QStringView text);
  // Appends a CR LF; a paragraph break ends the current paragraph with the given alignment.
  void appendBreak(BreakKind kind, Alignment alignment);

  int length() const { return static_cast<int>(doc_->text_.size()); }
  bool endsWithBreak() const;
  bool endsWith(QChar c) const;
  // Removes the trailing CR LF (endsWithBreak() must hold) and, for a paragraph break, the end
  // of the paragraph it closed, so the text that follows continues that paragraph.
  void removeLastBreak();
  // Removes the last character (a single UTF-16 unit that is not part of a break).
  void removeLastChar();

  // Closes the last paragraph with `alignment` and hands the document over. With
  // dropFinalMark, a trailing CR LF is taken as the document's final mark and removed.
  std::shared_ptr<const Document> finish(Alignment alignment, const QString& defaultFont,
                                         bool dropFinalMark);

 private:
  void appendUnit(QChar unit);
  void truncate(int newLength);

  std::shared_ptr<Document> doc_;
  CharFormat format_;
  bool formatPending_ = true;  // the next character may need a new run
};

}  // namespace vantrel::rtf

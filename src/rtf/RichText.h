#pragma once
// The program's rich-text value: a document read from RTF, or a piece cut out of one.
//
// A RichText is an immutable value. Copies share one parsed document, so passing the data file
// around, setting a working document to it again or cutting a piece out of it never parses RTF
// text a second time; RTF text is produced only when somebody asks for it. A piece cut with
// slice() is exactly the document that writing the range as RTF and loading that RTF would give,
// formatting and plain text alike.
//
// Positions are indexes into plainText(), counted in UTF-16 code units from 0; each paragraph
// break, line break or table row end reads CR LF.

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <memory>
#include <stdexcept>

namespace vantrel::rtf {

class Document;  // the parsed model (rtf/Document.h)

// Loading failed: the data is not RTF.
class RtfError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class RichText {
 public:
  // The empty document.
  RichText();
  // Parses RTF as word processors save it. Throws RtfError when the data does not start with
  // "{\rtf" (after optional white space).
  static RichText fromRtf(const QByteArray& rtf);
  // A document of unformatted paragraphs (CR LF, or a lone CR or LF, separates paragraphs).
  static RichText fromPlainText(QStringView text);
  // Wraps an already built model.
  explicit RichText(std::shared_ptr<const Document> document);

  // The whole document as RTF, readable by this engine and by common word processors.
  QByteArray toRtf() const;
  // The RTF of the characters [start, start + length) (a range, not a whole document).
  QByteArray rangeToRtf(int start, int length) const;

  // The plain text: CR LF for every break, TAB for tabs and between table cells.
  const QString& plainText() const;
  int length() const { return plainText().size(); }

  // Position of the first occurrence of needle at or after position from, ignoring letter case;
  // -1 when there is none (also for an empty needle or a position beyond the end).
  int find(QStringView needle, int from = 0) const;

  // The piece [start, start + length) with its formatting, as a document of its own: equal to
  // fromRtf(rangeToRtf(start, length)), and made without writing or parsing RTF. Out-of-range
  // bounds are clamped to the document; a boundary between the CR and LF of one break moves
  // to just after the LF, one inside a surrogate pair to just after the pair. rangeToRtf()
  // treats its bounds the same way.
  RichText slice(int start, int length) const;

  // Same plain text and formatting (copies of one RichText are equal at no cost).
  bool operator==(const RichText& other) const;

  const Document& document() const { return *document_; }
  const std::shared_ptr<const Document>& sharedDocument() const { return document_; }

 private:
  std::shared_ptr<const Document> document_;
};

}  // namespace vantrel::rtf

#pragma once
// The rich-text working document through which the data file is read: the loaders load the file
// into it, set it to a piece, search its plain text for markers, select a range and take that
// range's rich text. The tip box uses one too.

#include <QString>
#include <QStringView>

#include "rtf/RichText.h"

namespace vantrel::rtf {

class WorkingDocument {
 public:
  // Replaces the document by the RTF file at path. Throws RtfError when the file cannot be
  // read or is not RTF.
  void loadFile(const QString& path);

  // The whole document as rich text, and replacing it by rich text (the selection is cleared).
  const RichText& textRtf() const { return document_; }
  void setTextRtf(const RichText& text);

  // The plain text; a paragraph break reads CR LF.
  const QString& text() const { return document_.plainText(); }
  // First occurrence of what at or after position start, ignoring letter case; -1 if none.
  int find(QStringView what, int start) const { return document_.find(what, start); }

  void select(int start, int length);
  int selStart() const { return selStart_; }
  int selLength() const { return selLength_; }
  // The selected range as rich text of its own.
  RichText selRtf() const { return document_.slice(selStart_, selLength_); }

 private:
  RichText document_;
  int selStart_ = 0;
  int selLength_ = 0;
};

}  // namespace vantrel::rtf

#include "rtf/DocumentBuilder.h"

namespace vantrel::rtf {

DocumentBuilder::DocumentBuilder() : doc_(std::make_shared<Document>()) {
  // Only finished paragraphs are listed while building; finish() adds the last one.
  doc_->paragraphs_.clear();
}

void DocumentBuilder::setFormat(const CharFormat& format) {
  format_ = format;
  formatPending_ = true;
}

void DocumentBuilder::appendUnit(QChar unit) {
  if (formatPending_) {
    if (doc_->runs_.empty() || doc_->runs_.back().format != format_) {
      doc_->runs_.push_back({length(), format_});
    }
    formatPending_ = false;
  }
  doc_->text_.append(unit);
}

void DocumentBuilder::append(char32_t codePoint) {
  if (codePoint < 0x20 && codePoint != u'\t') return;
  if ((codePoint >= 0xD800 && codePoint <= 0xDFFF) || codePoint > 0x10FFFF) codePoint = 0xFFFD;
  if (QChar::requiresSurrogates(codePoint)) {
    appendUnit(QChar(QChar::highSurrogate(codePoint)));
    appendUnit(QChar(QChar::lowSurrogate(codePoint)));
  } else {
    appendUnit(QChar(static_cast<char16_t>(codePoint)));
  }
}

void DocumentBuilder::appendPlainText(QStringView text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c == u'\r' || c == u'\n') {
      if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
      appendBreak(BreakKind::Paragraph, Alignment::Left);
    } else if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      append(QChar::surrogateToUcs4(c, text[i + 1]));
      ++i;
    } else {
      append(c.unicode());
    }
  }
}

void DocumentBuilder::appendBreak(BreakKind kind, Alignment alignment) {
  doc_->breaks_.push_back({length(), kind});
  if (kind == BreakKind::Paragraph) doc_->paragraphs_.push_back({length(), alignment});
  appendUnit(u'\r');
  appendUnit(u'\n');
}

bool DocumentBuilder::endsWithBreak() const {
  return !doc_->breaks_.empty() && doc_->breaks_.back().position + 2 == length();
}

bool DocumentBuilder::endsWith(QChar c) const {
  return !doc_->text_.isEmpty() && doc_->text_.back() == c && !endsWithBreak();
}

void DocumentBuilder::removeLastBreak() {
  if (!endsWithBreak()) return;
  if (doc_->breaks_.back().kind == BreakKind::Paragraph) doc_->paragraphs_.pop_back();
  doc_->breaks_.pop_back();
  truncate(length() - 2);
}

void DocumentBuilder::removeLastChar() {
  if (!doc_->text_.isEmpty() && !endsWithBreak()) truncate(length() - 1);
}

void DocumentBuilder::truncate(int newLength) {
  doc_->text_.truncate(newLength);
  auto& runs = doc_->runs_;
  while (!runs.empty() && runs.back().start >= newLength)
    runs.pop_back();
  formatPending_ = true;
}

std::shared_ptr<const Document> DocumentBuilder::finish(Alignment alignment,
                                                        const QString& defaultFont,
                                                        bool dropFinalMark) {
  auto doc = std::move(doc_);
  doc->paragraphs_.push_back({static_cast<int>(doc->text_.size()), alignment});
  doc->defaultFont_ = defaultFont.isEmpty() ? QString() : defaultFont;
  if (dropFinalMark) doc->dropFinalMark();
  doc->foldText();
  doc_ = std::make_shared<Document>();
  doc_->paragraphs_.clear();
  formatPending_ = true;
  return doc;
}

}  // namespace vantrel::rtf

#include "rtf/RichText.h"

#include "rtf/Document.h"
#include "rtf/DocumentBuilder.h"
#include "rtf/Reader.h"
#include "rtf/Writer.h"

namespace vantrel::rtf {

namespace {

const std::shared_ptr<const Document>& emptyDocument() {
  static const std::shared_ptr<const Document> empty = std::make_shared<Document>();
  return empty;
}

}  // namespace

RichText::RichText() : document_(emptyDocument()) {}

RichText::RichText(std::shared_ptr<const Document> document)
    : document_(document ? std::move(document) : emptyDocument()) {}

RichText RichText::fromRtf(const QByteArray& rtf) {
  return RichText(readRtf(rtf));
}

RichText RichText::fromPlainText(QStringView text) {
  DocumentBuilder builder;
  builder.appendPlainText(text);
  return RichText(builder.finish(Alignment::Left, QString(), false));
}

QByteArray RichText::toRtf() const {
  return writeDocument(*document_);
}

QByteArray RichText::rangeToRtf(int start, int length) const {
  return writeRange(*document_, start, length);
}

const QString& RichText::plainText() const {
  return document_->text();
}

int RichText::find(QStringView needle, int from) const {
  return document_->find(needle, from);
}

RichText RichText::slice(int start, int length) const {
  return RichText(document_->slice(start, length));
}

bool RichText::operator==(const RichText& other) const {
  return document_ == other.document_ || *document_ == *other.document_;
}

}  // namespace vantrel::rtf

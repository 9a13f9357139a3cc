#include "datafile/RecordPrimitives.h"

#include "datafile/DataFileError.h"
#include "numtext/NumberReading.h"

namespace vantrel::datafile {

namespace {

const QString kNotFound = QStringLiteral("Data not found!");
const QString kLineBreak = QStringLiteral("\r\n");

void checkMarkerPosition(int position, const QString& tag) {
  if (position > kLastMarkerPosition) {
    throw DataFileError(QStringLiteral("the marker \"%1\" stands at character %2, beyond the "
                                       "last usable position %3")
                            .arg(tag)
                            .arg(position)
                            .arg(kLastMarkerPosition));
  }
}

template <typename Number>
Number convertField(rtf::WorkingDocument& sData, const rtf::RichText& field,
                    Number (*convert)(QStringView)) {
  const QString text = fieldText(sData, field);
  try {
    return convert(text);
  } catch (const numtext::NumberError& error) {
    if (error.kind() == numtext::NumberError::Kind::TypeMismatch) {
      throw DataFileError(QStringLiteral("the field \"%1\" is not a number").arg(text));
    }
    throw DataFileError(QStringLiteral("the number in the field \"%1\" is too large").arg(text));
  }
}

template <typename Number>
Number recordNumber(rtf::WorkingDocument& sData, const std::vector<rtf::RichText>& fields, int k,
                    Number (*read)(rtf::WorkingDocument&, const rtf::RichText&)) {
  return withContext(Place("field", k),
                     [&] { return read(sData, fields.at(static_cast<std::size_t>(k))); });
}

}  // namespace

QString sDataUnpack(rtf::WorkingDocument& sData, Integer& iItemNo, const QString& sTag) {
  int start = 0;
  Integer count = 0;
  bool lastFound = false;
  bool anyFound = false;
  const int tagLength = sTag.size();
  do {
    const int p = sData.find(sTag, start);
    lastFound = p >= 0;
    if (lastFound) {
      checkMarkerPosition(p, sTag);
      const int q = sData.find(sTag, p + tagLength);
      if (q < 0) {
        throw DataFileError(
            QStringLiteral("the closing \"%1\" of item %2 is missing").arg(sTag).arg(count + 1));
      }
      checkMarkerPosition(q, sTag);
      sData.select(p + tagLength, q - p - tagLength);
      start = q + 1;
      ++count;
      anyFound = true;
    }
  } while (count != iItemNo && lastFound);

  QString result;
  if (!lastFound) {
    result = kNotFound;
    iItemNo = count;
  }
  sData.setTextRtf(anyFound ? sData.selRtf() : rtf::RichText());
  if (sData.text().startsWith(kLineBreak)) {
    sData.select(2, sData.text().size() - 2);
    sData.setTextRtf(sData.selRtf());
  }
  return result;
}

Integer iDataExplt(rtf::WorkingDocument& sData, std::vector<rtf::RichText>& aData) {
  const QString& text = sData.text();
  const int n = static_cast<int>(text.count(QLatin1Char(','))) + 1;
  if (n > 32767) throw DataFileError(QStringLiteral("a record has more than 32767 fields"));
  aData.assign(static_cast<std::size_t>(n) + 1, rtf::RichText());
  int from = 0;
  for (int k = 1; k <= n; ++k) {
    const int comma = k < n ? text.indexOf(QLatin1Char(','), from) : text.size();
    sData.select(from, comma - from);
    aData[static_cast<std::size_t>(k)] = sData.selRtf();
    from = comma + 1;
  }
  return static_cast<Integer>(n);
}

QString fieldText(rtf::WorkingDocument& sData, const rtf::RichText& field) {
  sData.setTextRtf(field);
  return sData.text();
}

Single fieldSingle(rtf::WorkingDocument& sData, const rtf::RichText& field) {
  return convertField<Single>(sData, field, &numtext::leadingSingle);
}

Integer fieldInteger(rtf::WorkingDocument& sData, const rtf::RichText& field) {
  return convertField<Integer>(sData, field, &numtext::leadingInteger);
}

Integer fieldCompleteInteger(rtf::WorkingDocument& sData, const rtf::RichText& field) {
  return convertField<Integer>(sData, field, &numtext::completeInteger);
}

std::vector<rtf::RichText> splitRecord(rtf::WorkingDocument& sData, Integer minimum,
                                       const QString& what, const QString& needs) {
  std::vector<rtf::RichText> fields;
  const Integer n = iDataExplt(sData, fields);
  if (n < minimum) {
    throw DataFileError(QStringLiteral("the %1 has %2 field(s); it needs %3%4")
                            .arg(what)
                            .arg(n)
                            .arg(minimum)
                            .arg(needs));
  }
  return fields;
}

Single recordSingle(rtf::WorkingDocument& sData, const std::vector<rtf::RichText>& fields, int k) {
  return recordNumber<Single>(sData, fields, k, &fieldSingle);
}

Integer recordInteger(rtf::WorkingDocument& sData, const std::vector<rtf::RichText>& fields,
                      int k) {
  return recordNumber<Integer>(sData, fields, k, &fieldInteger);
}

Integer recordCompleteInteger(rtf::WorkingDocument& sData, const std::vector<rtf::RichText>& fields,
                              int k) {
  return recordNumber<Integer>(sData, fields, k, &fieldCompleteInteger);
}

void cutItem(rtf::WorkingDocument& sData, Integer itemNo, const QString& tag) {
  sDataUnpack(sData, itemNo, tag);
}

Integer countItems(rtf::WorkingDocument& sData, Integer limit, const QString& tag) {
  sDataUnpack(sData, limit, tag);
  return limit;
}

}  // namespace vantrel::datafile

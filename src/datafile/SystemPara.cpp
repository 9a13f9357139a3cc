// The variable records and the page record of every page's "\SYSTEM/" section.

#include "datafile/DataFileError.h"
#include "datafile/Loaders.h"
#include "datafile/RecordPrimitives.h"
#include "datafile/SectionNames.h"

namespace vantrel::datafile {

namespace {

constexpr Integer kMaxRecords = 50;

std::vector<rtf::RichText> cutRecordFields(WorkingDocument& sData, const rtf::RichText& section,
                                           Integer record, const char* recordKind) {
  sData.setTextRtf(section);
  cutItem(sData, record, kRecordTag);
  std::vector<rtf::RichText> fields;
  const Integer n = iDataExplt(sData, fields);
  if (n < 4) {
    throw DataFileError(
        QStringLiteral("the %1 has %2 field(s); it needs 4").arg(QLatin1String(recordKind)).arg(n));
  }
  return fields;
}

void readVariableRecord(WorkingDocument& sData, PageTables& t, Integer i, Integer j,
                        const std::vector<rtf::RichText>& fields, bool& found) {
  t.VarCaptionRTF(i, j) = fields[1];
  const int captionLength = fieldText(sData, fields[1]).size();
  if (t.MaxCaptionLen < captionLength + 1) {
    if (captionLength + 1 > 32767) throw DataFileError(QStringLiteral("the caption is too long"));
    t.MaxCaptionLen = static_cast<Integer>(captionLength + 1);
  }
  t.VarValue(i, j) = t.VarDefault(i, j) =
      withContext(QStringLiteral("field 2"), [&] { return fieldSingle(sData, fields[2]); });
  t.VarUnit(i, j) = t.VarUnitDefault(i, j) =
      withContext(QStringLiteral("field 3"), [&] { return fieldInteger(sData, fields[3]); });
  t.VarCheck(i, j) = t.VarCheckDefault(i, j) =
      withContext(QStringLiteral("field 4"), [&] { return fieldInteger(sData, fields[4]); });
  if (t.VarCheck(i, j) == 1 && !found) {
    t.UnknownVar(i) = j;
    found = true;
  }
}

void readPageRecord(WorkingDocument& sData, PageTables& t, Integer i,
                    const std::vector<rtf::RichText>& fields) {
  t.SplitRow(i) =
      withContext(QStringLiteral("field 1"), [&] { return fieldInteger(sData, fields[1]); });
  t.PageTitle(i) = fieldText(sData, fields[2]);
  t.PageCaption(i) = fieldText(sData, fields[3]);
  t.FocusRow(i) = withContext(QStringLiteral("field 4"),
                              [&] { return fieldCompleteInteger(sData, fields[4]); });
}

void readPage(WorkingDocument& sData, PageTables& t, const rtf::RichText& sSysData, Integer i) {
  sData.setTextRtf(sSysData);
  cutItem(sData, i, kSystemTag);
  const rtf::RichText section = sData.textRtf();
  const Integer n = countItems(sData, kMaxRecords, kRecordTag);
  if (n < 2) {
    throw DataFileError(QStringLiteral("the section has %1 \"#\" record(s); it needs at least one "
                                       "variable record and the page record")
                            .arg(n));
  }
  t.VarCount(i) = static_cast<Integer>(n - 1);
  bool found = false;
  for (Integer j = 1; j <= n - 1; ++j) {
    withContext(numberedPlace("variable record", j), [&] {
      readVariableRecord(sData, t, i, j, cutRecordFields(sData, section, j, "variable record"),
                         found);
    });
  }
  withContext(QStringLiteral("page record (record %1)").arg(n), [&] {
    readPageRecord(sData, t, i, cutRecordFields(sData, section, n, "page record"));
  });
}

}  // namespace

void GetSystemPara(WorkingDocument& sData, PageTables& tables, const rtf::RichText& sSysData) {
  for (Integer i = 1; i <= tables.PageCount; ++i) {
    withContext(pagePlace(i, kSystemTag), [&] { readPage(sData, tables, sSysData, i); });
  }
}

}  // namespace vantrel::datafile

// The variable records and the page record of every page's "\SYSTEM/" section.

#include "datafile/DataFileError.h"
#include "datafile/Loaders.h"
#include "datafile/RecordPrimitives.h"
#include "datafile/SectionNames.h"

namespace vantrel::datafile {

namespace {

constexpr Integer kMaxRecords = 50;

std::vector<rtf::RichText> cutRecordFields(rtf::WorkingDocument& sData,
                                           const rtf::RichText& section, Integer record,
                                           const QString& recordKind) {
  sData.setTextRtf(section);
  cutItem(sData, record, kRecordTag);
  return splitRecord(sData, 4, recordKind);
}

void readVariableRecord(rtf::WorkingDocument& sData, PageTables& t, Integer i, Integer j,
                        const std::vector<rtf::RichText>& fields, bool& found) {
  t.VarCaptionRTF(i, j) = fields[1];
  const int captionLength = fieldText(sData, fields[1]).size();
  if (t.MaxCaptionLen < captionLength + 1) {
    if (captionLength + 1 > 32767) throw DataFileError(QStringLiteral("the caption is too long"));
    t.MaxCaptionLen = static_cast<Integer>(captionLength + 1);
  }
  t.VarValue(i, j) = t.VarDefault(i, j) = recordSingle(sData, fields, 2);
  t.VarUnit(i, j) = t.VarUnitDefault(i, j) = recordInteger(sData, fields, 3);
  t.VarCheck(i, j) = t.VarCheckDefault(i, j) = recordInteger(sData, fields, 4);
  if (t.VarCheck(i, j) == 1 && !found) {
    t.UnknownVar(i) = j;
    found = true;
  }
}

void readPageRecord(rtf::WorkingDocument& sData, PageTables& t, Integer i,
                    const std::vector<rtf::RichText>& fields) {
  t.SplitRow(i) = recordInteger(sData, fields, 1);
  t.PageTitle(i) = fieldText(sData, fields[2]);
  t.PageCaption(i) = fieldText(sData, fields[3]);
  t.FocusRow(i) = recordCompleteInteger(sData, fields, 4);
}

void readPage(rtf::WorkingDocument& sData, PageTables& t, const rtf::RichText& sSysData,
              Integer i) {
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
      readVariableRecord(sData, t, i, j,
                         cutRecordFields(sData, section, j, QStringLiteral("variable record")),
                         found);
    });
  }
  withContext(QStringLiteral("page record (record %1)").arg(n), [&] {
    readPageRecord(sData, t, i, cutRecordFields(sData, section, n, QStringLiteral("page record")));
  });
}

}  // namespace

void GetSystemPara(rtf::WorkingDocument& sData, PageTables& tables, const rtf::RichText& sSysData) {
  for (Integer i = 1; i <= tables.PageCount; ++i) {
    withContext(pagePlace(i, kSystemTag), [&] { readPage(sData, tables, sSysData, i); });
  }
}

}  // namespace vantrel::datafile

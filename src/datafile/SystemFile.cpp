// Finding the data file, loading it, counting its pages and reading its layout record.

#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "datafile/DataFileError.h"
#include "datafile/DataFilePlaces.h"
#include "datafile/Loaders.h"
#include "datafile/RecordPrimitives.h"
#include "datafile/SectionNames.h"

namespace vantrel::datafile {

namespace {

constexpr Integer kMaxPages = 20;
constexpr Integer kMaxRecords = 50;
// The solver keeps 10 values of a page: 9 variables and the page record's slot.
constexpr Integer kMaxUsableRecords = 10;

FormLayout readLayoutRecord(rtf::WorkingDocument& sData, const rtf::RichText& whole) {
  sData.setTextRtf(whole);
  cutItem(sData, 1, kFormTag);
  cutItem(sData, 1, kRecordTag);
  const std::vector<rtf::RichText> fields =
      splitRecord(sData, 4, QStringLiteral("layout record"),
                  QStringLiteral(" (tab strip height and width, window height and width)"));
  FormLayout layout;
  layout.TabHeight = recordInteger(sData, fields, 1);
  layout.TabWidth = recordInteger(sData, fields, 2);
  layout.FormHeight = recordInteger(sData, fields, 3);
  layout.FormWidth = recordInteger(sData, fields, 4);
  return layout;
}

}  // namespace

QString FindSystemDataFile(QString& sFileName, QString& sFolder, ProgramWide& program,
                           const QString& programFolder) {
  sFileName = QDir::separator() + QStringLiteral("Vantrel.rtf");
  program.HelpBaseName = QStringLiteral("QuorHelp");
  for (const QString& folder : DataFileFolders(program.AppFolder, programFolder)) {
    const QFileInfo file(folder + sFileName);
    if (file.exists() && file.isFile() && !file.isHidden()) {
      // The help documents lie beside the data file.
      program.AppFolder = sFolder = folder;
      program.DataFile = file.absoluteFilePath();
      return file.fileName();
    }
  }
  sFolder = program.AppFolder;
  return QString();
}

rtf::RichText sGetPagePara(rtf::WorkingDocument& sData, PageTables& tables, const QString& sFile) {
  try {
    sData.loadFile(sFile);
  } catch (const rtf::RtfError& error) {
    throw DataFileError(QString::fromStdString(error.what()));
  }
  const rtf::RichText whole = sData.textRtf();

  tables.PageCount = countItems(sData, kMaxPages, kSystemTag);
  if (tables.PageCount == 0) {
    throw DataFileError(
        QStringLiteral("there is no \"%1\" section, so the file has no pages").arg(kSystemTag));
  }
  tables.MaxVarCount = 0;

  tables.Layout = withContext(layoutPlace(), [&] { return readLayoutRecord(sData, whole); });

  for (Integer i = 1; i <= tables.PageCount; ++i) {
    withContext(pagePlace(i, kSystemTag), [&] {
      sData.setTextRtf(whole);
      cutItem(sData, i, kSystemTag);
      const Integer n = countItems(sData, kMaxRecords, kRecordTag);
      if (n > kMaxUsableRecords) {
        throw DataFileError(QStringLiteral("the page has %1 variables; a page may have at most %2")
                                .arg(n - 1)
                                .arg(kMaxUsableRecords - 1));
      }
      tables.MaxVarCount = std::max(tables.MaxVarCount, n);
    });
  }
  return whole;
}

}  // namespace vantrel::datafile

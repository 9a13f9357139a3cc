#pragma once
// The loaders that read the system data file into the page tables. Each takes the whole file as
// rich text (the result of sGetPagePara) and cuts its sections out through the working document.
// A malformed file raises DataFileError, with the section kind, page and record in its context.

#include <QString>

#include "common/ProgramWide.h"
#include "datafile/PageTables.h"
#include "datafile/TabStrip.h"
#include "rtf/WorkingDocument.h"

namespace vantrel::datafile {

// Sets sFileName to the data file's name (with a leading separator) and program.HelpBaseName, and
// looks for the file in the folders of DataFileFolders(program.AppFolder, programFolder). Returns
// the file's name when sFolder + sFileName is an existing, visible file, with sFolder and
// program.AppFolder set to the folder it was found in; else "" with sFolder = program.AppFolder.
QString FindSystemDataFile(QString& sFileName, QString& sFolder, ProgramWide& program,
                           const QString& programFolder);

// Loads the file, counts the pages (PageCount) and the most records of a page (MaxVarCount) and
// reads the layout record into tables.Layout. Returns the whole file as rich text.
rtf::RichText sGetPagePara(rtf::WorkingDocument& sData, PageTables& tables, const QString& sFile);

// Variable and page records of every page's "\SYSTEM/" section; MaxCaptionLen.
void GetSystemPara(rtf::WorkingDocument& sData, PageTables& tables, const rtf::RichText& sSysData);
// One tab per page, captioned PageCaption, with the text after ":-" of PageTitle as tooltip.
void SetUpPage(const PageTables& tables, TabStrip& tabStrip);
// Every variable's accepted-range expression from the page's "\Range/" section.
void GetRangeData(rtf::WorkingDocument& sData, PageTables& tables, const rtf::RichText& sFileData);
// The unit rows of every page's "\UNIT/" section: UnitName, UnitFormat, UnitFactor.
void GetLabelData(rtf::WorkingDocument& sData, PageTables& tables, const rtf::RichText& sSysData);
// Every page's "\Tips/" section, and the tip timing.
void GetTipsData(rtf::WorkingDocument& sData, PageTables& tables, const rtf::RichText& sFileData);

// Checks what the window relies on later: every default unit indexes a slot of the unit table.
// Throws DataFileError.
void CheckPageTables(const PageTables& tables);

}  // namespace vantrel::datafile

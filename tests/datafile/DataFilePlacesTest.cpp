// Where the data file is found: the current folder's first, else the one installed beside the
// program; the help documents' folder goes with it.

#include <gtest/gtest.h>

#include "QtPrinters.h"
#include "datafile/DataFilePlaces.h"
#include "datafile/Loaders.h"
#include "datafile/RtfText.h"

namespace vantrel::datafile {
namespace {

TEST(DataFilePlaces, TheCurrentFolderWinsThenTheFolderInstalledBesideTheProgram) {
  // Where a Vantrel.rtf lies (h: the current folder, i: the installed folder; d: the current
  // folder holds a directory of that name), whether the program's folder is known, and the
  // folder the file is found in ("" when none).
  const std::tuple<QString, bool, QString> rows[] = {
      {"hi", true, "here"},
      {"i", true, "usr/share/vantrel"},
      {"di", true, "usr/share/vantrel"},
      {"h", false, "here"},
      {"i", false, ""},
      {"", true, ""},
  };
  for (const auto& [holds, known, where] : rows) {
    SCOPED_TRACE(holds.toStdString() + (known ? " known" : " unknown"));
    const testing::TempFolder root;
    const QDir dir(root.path());
    dir.mkpath("here");
    dir.mkpath("usr/bin");
    dir.mkpath("usr/share/vantrel");
    if (holds.contains('d')) dir.mkpath("here/Vantrel.rtf");
    if (holds.contains('h')) root.write("here/Vantrel.rtf", "{\\rtf1 x}");
    if (holds.contains('i')) root.write("usr/share/vantrel/Vantrel.rtf", "{\\rtf1 x}");

    ProgramWide program;
    program.AppFolder = dir.filePath("here");
    QString name;
    QString folder;
    const QString found =
        FindSystemDataFile(name, folder, program, known ? dir.filePath("usr/bin") : QString());
    const QString expected = dir.filePath(where.isEmpty() ? "here" : where);
    EXPECT_EQ(found, where.isEmpty() ? "" : "Vantrel.rtf");
    EXPECT_EQ(folder + name, expected + "/Vantrel.rtf");
    EXPECT_EQ(program.AppFolder, expected);
    EXPECT_EQ(program.HelpBaseName, "QuorHelp");
  }
  // Started inside the installed folder, there is one place to look in.
  EXPECT_EQ(DataFileFolders("/usr/share/vantrel", "/usr/bin"), QStringList{"/usr/share/vantrel"});
}

}  // namespace
}  // namespace vantrel::datafile

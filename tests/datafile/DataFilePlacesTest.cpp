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
  // The folders holding a Vantrel.rtf, whether the program's folder is known, and the folder the
  // file is found in; the current one is named when it is found nowhere.
  const std::tuple<QStringList, bool, QString> rows[] = {
      {{"here", "usr/share/vantrel"}, true, "here"},
      {{"usr/share/vantrel"}, true, "usr/share/vantrel"},
      {{"usr/share/vantrel"}, false, "here"},
      {{}, true, "here"},
  };
  for (const auto& [holding, known, where] : rows) {
    const testing::TempFolder root;
    const QDir dir(root.path());
    for (const char* folder : {"here", "usr/bin", "usr/share/vantrel"})
      dir.mkpath(folder);
    for (const QString& folder : holding)
      root.write(folder + "/Vantrel.rtf", "{\\rtf1 x}");
    ProgramWide program;
    program.AppFolder = dir.filePath("here");
    QString name, folder;
    const QString found =
        FindSystemDataFile(name, folder, program, known ? dir.filePath("usr/bin") : QString());
    EXPECT_EQ(QStringList({found, folder + name, program.AppFolder}),
              QStringList({holding.contains(where) ? "Vantrel.rtf" : "",
                           dir.filePath(where + "/Vantrel.rtf"), dir.filePath(where)}))
        << holding.join(',').toStdString() << known;
  }
  // Started inside the installed folder, there is one place to look in.
  EXPECT_EQ(DataFileFolders("/usr/share/vantrel", "/usr/bin"), QStringList{"/usr/share/vantrel"});
}

}  // namespace
}  // namespace vantrel::datafile

// A module is found in the folder the environment names, beside the program and where an
// installation puts it as seen from the program's folder; otherwise the reason is given.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "modules/ModuleEntry.h"
#include "ui/FileAndPrintDialogs.h"

namespace vantrel::modules {
namespace {

TEST(ModuleEntry, IsFoundWhereTheProgramsLookOrSaysWhyNot) {
  // An installation: bin/ and the module folder as the build places it relative to bin/.
  const QTemporaryDir installed;
  const QString bin = installed.filePath("bin");
  const QString plugins = QDir::cleanPath(bin + "/" VANTREL_MODULES_FROM_BINDIR);
  ASSERT_TRUE(QDir().mkpath(bin) && QDir().mkpath(plugins));
  ASSERT_TRUE(
      QFile::copy(VANTREL_BUILD_MODULEDIR "/vantrel-print.so", plugins + "/vantrel-print.so"));
  // A file of the module's name that is no library: beside the installed program (a copy an older
  // build left there must not shadow the module folder's), and alone.
  QFile stale(bin + "/vantrel-print.so");
  ASSERT_TRUE(stale.open(QIODevice::WriteOnly) && stale.write("not a library") > 0);
  stale.close();
  const QTemporaryDir broken;
  QFile junk(broken.filePath("vantrel-pdf.so"));
  ASSERT_TRUE(junk.open(QIODevice::WriteOnly) && junk.write("not a library") > 0);
  junk.close();

  const struct {
    const char* environment;  // VANTREL_MODULE_DIR; null: unset
    QString programFolder;
    const char* module;
    const char* entry;
    QString error;  // empty: found
  } cases[] = {
      {VANTREL_BUILD_MODULEDIR, "", "vantrel-pdf.so", "vantrelDraw", ""},
      {nullptr, VANTREL_BUILD_MODULEDIR, "vantrel-print.so", ui::kPrintDialogEntryName, ""},
      {nullptr, bin, "vantrel-print.so", ui::kPrintDialogEntryName, ""},
      // The folder the environment names comes first, even where the program's would do.
      {"/nonexistent", bin, "vantrel-print.so", ui::kPrintDialogEntryName, ""},
      {nullptr, bin, "vantrel-pdf.so", "vantrelDraw",
       "the module vantrel-pdf.so is not installed beside the program"},
      {nullptr, "", "vantrel-pdf.so", "vantrelDraw",
       "the module vantrel-pdf.so is not installed beside the program"},
      {VANTREL_BUILD_MODULEDIR, "", "vantrel-pdf.so", "noSuchEntry", "cannot be loaded"},
      {nullptr, broken.path(), "vantrel-pdf.so", "vantrelDraw", "cannot be loaded"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.module) + " from " + c.programFolder.toStdString());
    if (c.environment != nullptr)
      qputenv("VANTREL_MODULE_DIR", c.environment);
    else
      qunsetenv("VANTREL_MODULE_DIR");
    QString error;
    const QFunctionPointer entry = moduleEntry(c.programFolder, c.module, c.entry, error);
    EXPECT_EQ(entry == nullptr, !c.error.isEmpty());
    EXPECT_TRUE(error.contains(c.error)) << error.toStdString();
  }
}

}  // namespace
}  // namespace vantrel::modules

// Starting the program: the shipped file, a missing or malformed file, and the window position
// kept between runs.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTabBar>
#include <QTimer>

#include "app/WindowFixture.h"
#include "datafile/LoaderFixture.h"
#include "numtext/NumberReading.h"
#include "ui/Twips.h"

namespace vantrel::app {
namespace {

TEST(Startup, ShowsPageOneOfTheShippedFile) {
  testing::WindowRun run;
  ASSERT_TRUE(run.loaded());
  EXPECT_TRUE(run.dialogs().messages.empty());
  EXPECT_TRUE(run.programEnd().statuses.empty());
  EXPECT_EQ(run.window().splash().progress(), 100);
  EXPECT_FALSE(run.window().splash().isVisible());
  EXPECT_EQ(run.window().splash().versionText(), "Version 0.1.0");
  EXPECT_EQ(run.program().AppFolder, QDir::currentPath());
  EXPECT_EQ(run.program().HelpBaseName, "QuorHelp");
  EXPECT_EQ(run.window().statusText(), "Ready");
  EXPECT_EQ(run.window().TipTimer()->interval(), 1000);

  const datafile::PageTables& t = run.form().tables;
  EXPECT_EQ(t.CurPage, 1);
  EXPECT_EQ(run.window().windowTitle(), t.PageTitle(1));
  QTabBar* tabs = run.window().TabStrip();
  ASSERT_EQ(tabs->count(), 9);
  EXPECT_EQ(tabs->tabText(0), "H.Williams");
  EXPECT_EQ(tabs->tabText(8), "Contraction");
  EXPECT_TRUE(tabs->tabToolTip(0).startsWith('-'));

  const pages::PageControls& c = run.form().controls;
  ASSERT_EQ(c.rowCount(), t.VarCount(1));
  for (int i = 1; i <= c.rowCount(); ++i) {
    SCOPED_TRACE(i);
    const QString caption = t.VarCaptionRTF(1, i).plainText();
    const bool unknown = i == t.UnknownVar(1);
    EXPECT_EQ(c.chkV(i)->text(), unknown ? caption + "?" : caption);
    EXPECT_EQ(c.chkV(i)->isChecked(), unknown);
    const int u = t.VarUnit(1, i);
    EXPECT_EQ(c.lblUnit(i)->text(), t.UnitName(1, i, u));
    EXPECT_EQ(c.lblUnit(i)->toolTip(), i == 1 ? "Click to change unit" : c.lblUnit(1)->toolTip());
    // The shown number reads back as the stored value in the shown unit, to the format's digits.
    const double shown = numtext::leadingDouble(c.txtV(i)->text().remove(','));
    const double expected = static_cast<double>(t.UnitFactor(1, i, u)) * t.VarValue(1, i);
    EXPECT_NEAR(shown, expected, std::abs(expected) * 0.01) << c.txtV(i)->text().toStdString();
  }
}

// A data file missing, malformed or not RTF at all: one message, with the place of the fault, and
// the program ends with its status before the window shows.
TEST(Startup, AFileThatCannotBeLoadedIsReportedAndEndsTheProgram) {
  testing::PageText malformed;
  malformed.unit = "\\ROW/@m, 1@\\ROW/ \\ROW/@m,0,1@\\ROW/ \\ROW/@m,0,1@\\ROW/";
  const QString damaged = "System Data File is damaged !\r";
  const std::tuple<QByteArray, QString, int> cases[] = {
      {{}, "System Data File not found !\r[%1/Vantrel.rtf]\rLoading ABORT !", 1},
      {testing::rtfFromPlain(testing::fileText({malformed})),
       damaged + "the unit item has 2 field(s); it needs 3 (name, format, factor)\rAt: page 1, "
                 "\"\\UNIT/\" section, row 1, unit item 1\r[%1/Vantrel.rtf]\rLoading ABORT !",
       2},
      {"just text", damaged + "the file is not an RTF document\r[%1/Vantrel.rtf]\rLoading ABORT !",
       2},
  };
  for (const auto& [file, message, status] : cases) {
    testing::WindowRun run(file);
    EXPECT_FALSE(run.loaded());
    ASSERT_EQ(run.dialogs().messages.size(), 1u);
    EXPECT_EQ(run.dialogs().messages.front().text, message.arg(QDir::currentPath()));
    EXPECT_EQ(run.dialogs().messages.front().icon, ui::MessageIcon::Critical);
    EXPECT_EQ(run.programEnd().statuses, std::vector<int>{status});
    EXPECT_FALSE(run.window().isVisible());
    EXPECT_FALSE(run.window().splash().isVisible());
  }
}

QPoint pixelsOf(int leftTwips, int topTwips) {
  return {ui::twipsToPixelsX(leftTwips), ui::twipsToPixelsY(topTwips)};
}

// With no position stored (a left of 0, whatever the top) the window opens centred; Exit and the
// close box both store where it stands, and the next start opens it there.
TEST(WindowPosition, IsKeptByExitAndTheCloseBoxAndCentredWhenNoneIsStored) {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  for (const bool closeBox : {false, true}) {
    testing::MemoryPositionStore store;
    store.stored = {0, 2000};
    {
      testing::WindowRun run(testing::WindowRun::shippedFile(), &store);
      ASSERT_TRUE(run.loaded());
      EXPECT_NEAR(run.window().frameGeometry().center().x(), screen.center().x(), 2);
      EXPECT_NEAR(run.window().frameGeometry().center().y(), screen.center().y(), 2);
      run.window().show();
      run.window().move(pixelsOf(1500, 900));
      if (closeBox) {
        run.window().close();
      } else {
        run.window().btnExit_Click();
      }
      EXPECT_EQ(run.programEnd().statuses, std::vector<int>{0});
    }
    EXPECT_EQ(store.writes, 1);
    testing::WindowRun next(testing::WindowRun::shippedFile(), &store);
    EXPECT_EQ(next.window().pos(), pixelsOf(1500, 900));
  }
}

// The user's settings keep the whole 16-bit range; an entry beyond it or not a number reads as
// no stored position.
TEST(WindowPosition, TheSettingsStoreKeepsEverySixteenBitPosition) {
  ui::QtWindowPositionStore store;
  for (const ui::WindowPosition p :
       {ui::WindowPosition{32767, -32768}, ui::WindowPosition{-1, 1}}) {
    store.write(p);
    EXPECT_EQ(store.read().left, p.left);
    EXPECT_EQ(store.read().top, p.top);
  }
  QSettings settings("Vantrel", "Vantrel");
  for (const QVariant& damaged : {QVariant(32768), QVariant("left")}) {
    settings.setValue("Window/WinLeft", damaged);
    settings.sync();
    EXPECT_EQ(store.read().left, 0);
  }
}

}  // namespace
}  // namespace vantrel::app

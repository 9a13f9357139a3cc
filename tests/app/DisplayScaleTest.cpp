// The window on screens of other densities. Run by CTest twice more: with QT_SCALE_FACTOR=2 (the
// whole window drawn at twice the pixels) and with a logical DPI of 120 (a desktop font setting),
// which the environment sets before the application starts.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "app/WindowFixture.h"
#include "ui/Twips.h"

namespace vantrel::app {
namespace {

using testing::WindowRun;

double expectedRatio() {
  const QByteArray factor = qgetenv("QT_SCALE_FACTOR");
  return factor.isEmpty() ? 1.0 : factor.toDouble();
}

double expectedDpi() {
  const QByteArray dpi = qgetenv("QT_FONT_DPI");
  return dpi.isEmpty() ? 96.0 : dpi.toDouble();
}

int pixels(int twips) {
  return static_cast<int>(std::lround(twips * expectedDpi() / 1440.0));
}

TEST(DisplayScale, TheLayoutFollowsTheTwipsThroughTheLogicalDpi) {
  WindowRun run;
  ASSERT_TRUE(run.activate());
  const QScreen* screen = run.window().screen();
  EXPECT_DOUBLE_EQ(screen->devicePixelRatio(), expectedRatio());
  EXPECT_DOUBLE_EQ(screen->logicalDotsPerInchX(), expectedDpi());
  EXPECT_DOUBLE_EQ(run.window().devicePixelRatioF(), expectedRatio());

  const pages::PageControls& c = run.form().controls;
  std::vector<QWidget*> placed{c.Imgbox(0), c.Imgbox(1), c.btnExit(), c.btnHelp()};
  for (int i = 1; i <= c.rowCount(); ++i) {
    placed.insert(placed.end(), {c.chkV(i), c.txtV(i), c.lblUnit(i)});
  }
  for (QWidget* w : placed) {
    const QRect t = ui::twipsRect(w);
    EXPECT_EQ(w->geometry(),
              QRect(pixels(t.x()), pixels(t.y()), pixels(t.width()), pixels(t.height())))
        << w->metaObject()->className();
  }
  // Fonts follow the same DPI, so every caption still fits its check box.
  for (int i = 1; i <= c.rowCount(); ++i) {
    EXPECT_LE(c.chkV(i)->sizeHint().width(), c.chkV(i)->width()) << c.chkV(i)->text().toStdString();
  }
  // Every unit name of the file shows whole in a unit field: the field need not scroll to show
  // the end of the name (a clipped "US gpm" shows "JS gpm").
  QLineEdit* field = c.lblUnit(1);
  const datafile::PageTables& t = run.form().tables;
  for (int page = 1; page <= t.PageCount; ++page) {
    for (int var = 1; var <= t.VarCount(page); ++var) {
      for (int unit = 1; unit <= t.unitListLength(page, var); ++unit) {
        const QString name = t.UnitName(page, var, unit);
        field->setText(name);
        field->setCursorPosition(0);
        field->repaint();  // a line edit scrolls its text when it paints
        const int start = field->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
        field->setCursorPosition(static_cast<int>(name.size()));
        field->repaint();
        EXPECT_GE(field->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x() - start,
                  field->fontMetrics().horizontalAdvance(name) - 1)
            << name.toStdString();
      }
    }
  }
}

}  // namespace
}  // namespace vantrel::app

#include "app/frmSplash.h"

#include <QCoreApplication>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>
#include <cmath>

#include "app/Version.h"
#include "ui/Fonts.h"
#include "ui/Twips.h"

namespace vantrel::app {

namespace {

constexpr int kSplashHeight = 4470;
constexpr int kSplashWidth = 6600;

// Each text fits its line: a label that wraps would lay its text out again and again to find
// its height, while the splash is the first thing a start shows.
QLabel* makeLabel(QWidget* parent, int pointSize, bool bold) {
  auto* label = new QLabel(parent);
  QFont font = ui::formFont(pointSize);
  font.setBold(bold);
  label->setFont(font);
  label->setAlignment(Qt::AlignCenter);
  return label;
}

}  // namespace

frmSplash::frmSplash(ProgramWide& program)
    : QWidget(nullptr, Qt::SplashScreen | Qt::WindowStaysOnTopHint | Qt::FramelessWindowHint),
      program_(program) {
  setObjectName(QStringLiteral("frmSplash"));
  setFont(ui::formFont());
  auto* panel = new QFrame(this);
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel->setLineWidth(2);
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->addWidget(panel);
  lblTitle_ = makeLabel(panel, 22, true);
  lblVersion_ = makeLabel(panel, 10, false);
  lblMaker_ = makeLabel(panel, 10, false);
  lblNotice_ = makeLabel(panel, 8, false);
  Pbload_ = new QProgressBar(panel);
  Pbload_->setRange(0, 100);
  Pbload_->setValue(0);
  auto* layout = new QVBoxLayout(panel);
  layout->addStretch();
  for (QWidget* w : {static_cast<QWidget*>(lblTitle_), static_cast<QWidget*>(lblVersion_),
                     static_cast<QWidget*>(lblMaker_), static_cast<QWidget*>(lblNotice_)}) {
    layout->addWidget(w);
  }
  layout->addStretch();
  layout->addWidget(Pbload_);
}

void frmSplash::Form_Load() {
  if (!loadedBefore_) {
    program_.AppFolder = QDir::currentPath();
    loadedBefore_ = true;
  }
  lblVersion_->setText(versionText());
  lblTitle_->setText(QString::fromUtf8(kProgramTitle));
  lblMaker_->setText(QString::fromUtf8(kProgramMaker));
  lblNotice_->setText(QString::fromUtf8(kProgramNotice));

  resize(ui::twipsToPixelsX(kSplashWidth, this), ui::twipsToPixelsY(kSplashHeight, this));
  // Placed before it is shown, so that the window system maps it where it stays. Centre in whole
  // pixels: halves and the division truncate, as the window sizes are whole twips.
  if (const QScreen* screen = this->screen()) {
    const int twipsPerPixelX =
        std::max(1, static_cast<int>(std::lround(ui::kTwipsPerInch / ui::logicalDpiX(this))));
    const int twipsPerPixelY =
        std::max(1, static_cast<int>(std::lround(ui::kTwipsPerInch / ui::logicalDpiY(this))));
    const int screenWidth = screen->geometry().width() * twipsPerPixelX;
    const int screenHeight = screen->geometry().height() * twipsPerPixelY;
    move((screenWidth / 2 - kSplashWidth / 2) / twipsPerPixelX,
         (screenHeight / 2 - kSplashHeight / 2) / twipsPerPixelY);
  }
  show();
  raise();
  QCoreApplication::processEvents();
  sinceDrawn_.start();  // the splash has just drawn its bar
}

void frmSplash::setProgress(int percent) {
  // Loading does not return to the event loop, so the bar is drawn here, but at most once in a
  // frame of the screen: a drawing more often shows nothing to the eye and costs the start its
  // time (a progress bar would draw itself at every step).
  Pbload_->setUpdatesEnabled(false);
  Pbload_->setValue(percent);
  Pbload_->setUpdatesEnabled(true);
  if (!sinceDrawn_.isValid() || sinceDrawn_.elapsed() >= kFrameMs) {
    Pbload_->repaint();
    sinceDrawn_.start();
  }
}

int frmSplash::progress() const {
  return Pbload_->value();
}

QString frmSplash::versionText() const {
  return QStringLiteral("Version %1.%2.%3")
      .arg(kVersionMajor)
      .arg(kVersionMinor)
      .arg(kVersionRevision);
}

}  // namespace vantrel::app

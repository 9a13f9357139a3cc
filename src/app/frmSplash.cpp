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
#include "ui/Twips.h"

namespace vantrel::app {

namespace {

constexpr int kSplashHeight = 4470;
constexpr int kSplashWidth = 6600;

QLabel* makeLabel(QWidget* parent, int pointSize, bool bold) {
  auto* label = new QLabel(parent);
  QFont font = label->font();
  font.setPointSize(pointSize);
  font.setBold(bold);
  label->setFont(font);
  label->setAlignment(Qt::AlignCenter);
  label->setWordWrap(true);
  return label;
}

}  // namespace

frmSplash::frmSplash(ProgramWide& program)
    : QWidget(nullptr, Qt::SplashScreen | Qt::WindowStaysOnTopHint | Qt::FramelessWindowHint),
      program_(program) {
  setObjectName(QStringLiteral("frmSplash"));
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
  show();
  // Centre in whole pixels: halves and the division truncate, as the window sizes are whole twips.
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
  raise();
  QCoreApplication::processEvents();
}

void frmSplash::setProgress(int percent) {
  Pbload_->setValue(percent);
  // Loading does not return to the event loop; draw the bar now.
  Pbload_->repaint();
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

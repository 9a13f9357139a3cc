#include "app/frmPageData.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLoggingCategory>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabBar>
#include <QTimer>
#include <cmath>

#include "app/LoadScreen.h"
#include "app/PageCommands.h"
#include "app/TablePicker.h"
#include "app/PageWorkings.h"
#include "app/PlotCommand.h"
#include "datafile/DataFileError.h"
#include "datafile/DataFilePlaces.h"
#include "datafile/FileMessages.h"
#include "datafile/LoadInAdvance.h"
#include "datafile/LoadSequence.h"
#include "numtext/NumberReading.h"
#include "pages/PageBuilder.h"
#include "ui/ChecksPanel.h"
#include "ui/Dialogs.h"
#include "ui/Fonts.h"
#include "ui/ProgramEnd.h"
#include "ui/RichTextBox.h"
#include "ui/Twips.h"
#include "ui/WindowPositionStore.h"

namespace vantrel::app {

namespace {

// Off unless asked for (QT_LOGGING_RULES="vantrel.startup.info=true"): lets an installation
// check see that the first page came up without a screen to look at.
Q_LOGGING_CATEGORY(lcStartup, "vantrel.startup", QtWarningMsg)

constexpr int kStatusMissingFile = 1;
constexpr int kStatusMalformedFile = 2;

}  // namespace

frmPageData::frmPageData(ProgramWide& program, WindowServices services)
    : QWidget(nullptr),
      program_(program),
      services_(services),
      dialogs_(services.dialogs),
      splash_(program),
      TabStrip_(new QTabBar(this)),
      pageArea_(new QWidget(this)),
      StatusBar_(new QStatusBar(this)),
      statusPanel_(new QLabel(StatusBar_)),
      checksPanel_(new ui::ChecksPanel(StatusBar_)),
      rTxtTips_(nullptr),
      lstUnit_(nullptr),
      TipTimer_(new QTimer(this)) {
  setObjectName(QStringLiteral("frmPageData"));
  setWindowTitle(QStringLiteral("Hazen Williams Formular"));
  setFont(ui::formFont());
  TabStrip_->setExpanding(false);
  TabStrip_->setDrawBase(true);
  // A click on a tab takes the focus, so that the value box being edited commits before the
  // page changes.
  TabStrip_->setFocusPolicy(Qt::StrongFocus);
  TabStrip_->setAccessibleName(QStringLiteral("Pages"));
  StatusBar_->setSizeGripEnabled(false);
  StatusBar_->addWidget(statusPanel_, 1);
  StatusBar_->addWidget(checksPanel_, 4);
  StatusBar_->setAccessibleName(QStringLiteral("Status"));
  form_ = std::make_unique<pages::PageDataForm>(this, pageArea_, program_);
  rTxtTips_ = new ui::RichTextBox(pageArea_);
  lstUnit_ = new QListWidget(pageArea_);
  lstUnit_->hide();
  lstUnit_->setAccessibleName(QStringLiteral("Units"));
  ui::setTwipsRect(lstUnit_, QRect(0, 0, 1095, 225));
  form_->tabStrip = TabStrip_;
  form_->lstUnit = lstUnit_;
  form_->rTxtTips = rTxtTips_;
  form_->TipTimer = TipTimer_;
  form_->dialogs = &dialogs_;
  form_->opener = &services_.opener;
  form_->calcUi = this;
  form_->checksPanel = checksPanel_;
  events_ = std::make_unique<WindowEvents>(*form_, dialogs_);
  events_->watchWindow(this, pageArea_);
  form_->controls.setRowCreated([this](const pages::PageRow& row) {
    events_->watchRow(row);
    if (picker_) picker_->watchRow(row);
  });
  connect(form_->controls.btnExit(), &QPushButton::clicked, this, &frmPageData::btnExit_Click);
  auto* commands =
      new PageCommands(*form_, dialogs_, services_.documents, services_.recordFolders, this);
  workings_ = std::make_unique<PageWorkings>(form_->tables, program_.CurUnknown);
  form_->solveObserver = workings_.get();
  plot_ = new PlotCommand(*form_, *commands, this);
  form_->pageShown = [this] { plot_->pageShown(); };
  commands->setRecordSources([this] { return workings_->current(); },
                             [this] { return plot_->figure(); });
}

frmPageData::~frmPageData() {
  // The helpers that hold the form go before it: closing the window, later in this destructor,
  // still sends events through their filters.
  delete picker_;
  delete plot_;
}

QString frmPageData::statusText() const {
  return statusPanel_->text();
}

void frmPageData::setStatusText(const QString& text) {
  statusPanel_->setText(text);
}

bool frmPageData::askYesNo(const QString& text) {
  return dialogs_.message(text, ui::MessageIcon::None, ui::MessageButtons::YesNo) ==
         ui::MessageAnswer::Yes;
}

void frmPageData::showCritical(const QString& text) {
  dialogs_.message(text, ui::MessageIcon::Critical, ui::MessageButtons::Ok);
}

bool frmPageData::Form_Load() {
  splash_.Form_Load();
  if (!LoadSystemData()) return false;
  splash_.close();
  datafile::PageTables& tables = form_->tables;
  tables.CurPage = 1;
  pages::CreatePage(*form_, tables.CurPage);
  setStatusText(QStringLiteral("Ready"));
  pages::DisplayValues(*form_);
  placeWindow();
  TipTimer_->setInterval(tables.TipInterval);
  events_->watchTabChoices();
  picker_ =
      new TablePicker(*form_, this, TablePicker::foldersFor(program_.DataFile, program_.AppFolder));
  for (int i = 1; i <= form_->controls.rowCount(); ++i)
    picker_->watchRow(form_->controls.row(i));
  qCInfo(lcStartup).noquote() << "page 1 shown:" << windowTitle();
  return true;
}

bool frmPageData::LoadSystemData() {
  lstUnit_->hide();
  QString fileName;
  QString folder;
  if (datafile::FindSystemDataFile(fileName, folder, program_, datafile::RunningProgramFolder())
          .isEmpty()) {
    // Named as it was looked for first: the current folder's file, which would win.
    abortLoading(datafile::missingFileMessage({folder + fileName}), kStatusMissingFile);
    return false;
  }
  const QString path = folder + fileName;
  LoadScreen screen(splash_, *TabStrip_,
                    [this](const datafile::FormLayout& layout) { applyLayout(layout); });
  try {
    if (services_.loadInAdvance == nullptr ||
        !services_.loadInAdvance->finish(path, form_->tables, screen)) {
      datafile::ReadSystemData(sData_, form_->tables, path, screen);
    }
  } catch (const datafile::DataFileError& error) {
    abortLoading(datafile::damagedFileMessage(error, path), kStatusMalformedFile);
    return false;
  }
  for (int i = 1; i <= form_->controls.rowCount(); ++i) {
    form_->controls.lblUnit(i)->setToolTip(QStringLiteral("Click to change unit"));
  }
  pages::FitUnitFields(*form_);
  return true;
}

void frmPageData::abortLoading(const QString& message, int status) {
  splash_.close();
  services_.dialogs.message(message, ui::MessageIcon::Critical);
  ended_ = true;
  services_.programEnd.end(status);
}

// The tab strip runs along the top; the page area below it is where the rows, frames and
// buttons stand, at twips positions measured from its top-left corner; the status bar closes
// the window at the bottom.
void frmPageData::applyLayout(const datafile::FormLayout& layout) {
  const int width = ui::twipsToPixelsX(layout.FormWidth, this);
  const int height = ui::twipsToPixelsY(layout.FormHeight, this);
  const int tabHeight = ui::twipsToPixelsY(layout.TabHeight, this);
  const int statusHeight = StatusBar_->sizeHint().height();
  setFixedSize(width, height);
  TabStrip_->setGeometry(0, 0, ui::twipsToPixelsX(layout.TabWidth, this), tabHeight);
  pageArea_->setGeometry(0, tabHeight, width, std::max(0, height - tabHeight - statusHeight));
  StatusBar_->setGeometry(0, height - statusHeight, width, statusHeight);
}

void frmPageData::placeWindow() {
  const ui::WindowPosition stored = services_.positions.read();
  program_.WinLeft = stored.left;
  program_.WinTop = stored.top;
  if (program_.WinLeft != 0) {
    move(ui::twipsToPixelsX(program_.WinLeft, this), ui::twipsToPixelsY(program_.WinTop, this));
    return;
  }
  const QScreen* screen = this->screen();
  if (screen == nullptr) return;
  const QRect available = screen->geometry();
  const double left = (ui::pixelsToTwipsX(available.width(), this) -
                       ui::pixelsToTwipsX(frameGeometry().width(), this)) /
                      2;
  const double top = (ui::pixelsToTwipsY(available.height(), this) -
                      ui::pixelsToTwipsY(frameGeometry().height(), this)) /
                     2;
  move(static_cast<int>(std::lround(left * ui::logicalDpiX(this) / ui::kTwipsPerInch)),
       static_cast<int>(std::lround(top * ui::logicalDpiY(this) / ui::kTwipsPerInch)));
}

void frmPageData::btnExit_Click() {
  ui::WindowPosition position;
  try {
    position.left = numtext::roundToInteger(ui::pixelsToTwipsX(pos().x(), this));
    position.top = numtext::roundToInteger(ui::pixelsToTwipsY(pos().y(), this));
  } catch (const numtext::NumberError&) {
    // A position beyond the 16-bit range cannot be kept; the next start centres the window.
    position = {};
  }
  program_.WinLeft = position.left;
  program_.WinTop = position.top;
  services_.positions.write(position);
  ended_ = true;
  services_.programEnd.end(0);
}

void frmPageData::closeEvent(QCloseEvent* event) {
  if (!ended_) btnExit_Click();
  event->accept();
}

}  // namespace vantrel::app

#pragma once
// Starts the real main window on a data file in a folder of its own, with message boxes, the
// settings store and the end of the program replaced by recorders.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPushButton>
#include <QStringList>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "QtPrinters.h"
#include "app/frmPageData.h"
#include "datafile/RtfText.h"
#include "pages/PageControls.h"
#include "ui/Dialogs.h"
#include "ui/DocumentOpener.h"
#include "ui/FileAndPrintDialogs.h"
#include "ui/ProgramEnd.h"
#include "ui/RecordFolderStore.h"
#include "ui/WindowPositionStore.h"

namespace vantrel::testing {

struct RecordedMessage {
  QString text;
  ui::MessageIcon icon;
  ui::MessageButtons buttons;
};

class RecordingDialogs : public ui::Dialogs {
 public:
  ui::MessageAnswer message(const QString& text, ui::MessageIcon icon,
                            ui::MessageButtons buttons) override {
    messages.push_back({text, icon, buttons});
    if (real != nullptr) return real->message(text, icon, buttons);
    if (buttons != ui::MessageButtons::YesNo) return ui::MessageAnswer::Ok;
    return answerYesNo ? answerYesNo() : answer;
  }
  std::vector<RecordedMessage> messages;
  ui::Dialogs* real = nullptr;  // when set, the real boxes come up (see DeskUser)
  ui::MessageAnswer answer = ui::MessageAnswer::Yes;
  std::function<ui::MessageAnswer()> answerYesNo;  // when set, answers instead of `answer`
};

class MemoryPositionStore : public ui::WindowPositionStore {
 public:
  ui::WindowPosition read() override { return stored; }
  void write(const ui::WindowPosition& position) override {
    stored = position;
    ++writes;
  }
  ui::WindowPosition stored;
  int writes = 0;
};

struct MemoryFolderStore : ui::RecordFolderStore {
  QString read() override { return folder; }
  void write(const QString& written) override { folder = written; }
  QString folder;
};

class RecordingEnd : public ui::ProgramEnd {
 public:
  void end(int status) override { statuses.push_back(status); }
  std::vector<int> statuses;
};

// Records the documents the window asks to open; those named in `opens` open.
class RecordingOpener : public ui::DocumentOpener {
 public:
  bool open(const QString& path) override {
    asked.push_back(path);
    return opens.contains(path);
  }
  QStringList opens;
  QStringList asked;
};

// Answers the file dialog with `answer` (empty: cancelled) and prints into the PDF file `printTo`.
class RecordingFileDialogs : public ui::FileAndPrintDialogs {
 public:
  QString saveFileName(const QString&, const QString& suggested, const QStringList&) override {
    this->suggested = suggested;
    return answer;
  }
  bool print(const ui::PrintFunction& print, QString&) override {
    QPdfWriter printer(printTo);
    print(printer);
    return true;
  }
  QString answer, suggested, printTo;
};

// Lets the event loop run for ms milliseconds. Not QTest::qWait, which also deletes what waits for
// deletion, under the feet of the handlers that a message box interrupted.
inline void pause(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

// A person at the desktop while real message boxes come up: each box is answered with a key sent
// to it (Return: OK or Yes; Escape: No), after `whileUp` has run, which does what the person
// does meanwhile (lets go of the mouse button whose press raised the box, for one). A context
// menu is closed with Escape, or its item whose text begins with `menuChoice` is chosen by its
// access key.
class DeskUser : public QObject {
 public:
  DeskUser() {
    poll_.setInterval(5);
    QObject::connect(&poll_, &QTimer::timeout, this, [this] { answerBox(); });
    poll_.start();
  }
  Qt::Key answer = Qt::Key_Return;
  std::function<void()> whileUp;
  QString menuChoice;

 private:
  void answerBox() {
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
      if (!menu->isVisible()) return;
      for (QAction* item : menu->actions()) {
        const QString text = item->text();
        if (!menuChoice.isEmpty() && QString(text).remove('&').startsWith(menuChoice)) {
          menuChoice.clear();
          // Its access key, the letter after the "&".
          QTest::keyClick(menu, text.at(text.indexOf('&') + 1).toLower().toLatin1());
          return;
        }
      }
      QTest::keyClick(menu, Qt::Key_Escape);  // closed without a choice
      return;
    }
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) return;
    // A person reads the box first: by then the desktop has made it the active window.
    poll_.stop();
    (void)QTest::qWaitFor([box] { return QApplication::activeWindow() == box; }, 2000);
    pause(50);
    if (whileUp) whileUp();
    QTest::keyClick(box, answer);
    poll_.start();
  }
  QTimer poll_;
};

// One run of the program in a folder that holds the data file given (or none).
class WindowRun {
 public:
  // Starts in a fresh folder holding the shipped data file.
  WindowRun() : WindowRun(shippedFile()) {}
  // Starts in a fresh folder holding dataFile (RTF bytes), or no data file when it is empty.
  explicit WindowRun(const QByteArray& dataFile, MemoryPositionStore* positions = nullptr)
      : previousFolder_(QDir::currentPath()), positions_(positions ? positions : &ownPositions_) {
    if (!dataFile.isEmpty()) {
      folder_.write("Vantrel.rtf", dataFile);
      // The shipped tables beside it, as installed.
      QFile::link(QStringLiteral(VANTREL_SHIPPED_DATA_DIR "/tables"), folder_.path() + "/tables");
    }
    QDir::setCurrent(folder_.path());
    window_ = std::make_unique<app::frmPageData>(
        program_,
        app::WindowServices{dialogs_, *positions_, end_, opener_, recordFolders_, &files_});
    loaded_ = window_->Form_Load();
  }
  ~WindowRun() {
    window_.reset();
    QDir::setCurrent(previousFolder_);
  }

  static QByteArray shippedFile() {
    QFile file(QStringLiteral(VANTREL_SHIPPED_DATA_DIR "/Vantrel.rtf"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  bool loaded() const { return loaded_; }

  // From now on messages come up as real modal boxes, answered by `user`.
  DeskUser& realMessageBoxes() {
    realDialogs_.setParent(window_.get());
    dialogs_.real = &realDialogs_;
    user_ = std::make_unique<DeskUser>();
    return *user_;
  }

  // Shows the window and makes it the active one, so that focus changes raise their events.
  bool activate() {
    window_->show();
    QApplication::setActiveWindow(window_.get());
    window_->activateWindow();
    return QTest::qWaitForWindowActive(window_.get());
  }
  // Lets queued work (a posted Tab, a deferred selection) run.
  static void settle() { QCoreApplication::processEvents(); }
  // On a desktop the window gets its activation back only some time after a message box has
  // closed; this waits for it and lets what the activation brings run.
  void settleActive() {
    settle();
    // Without a window manager nobody gives the activation back: do what it would. A closed
    // menu may be left the active window there.
    const QWidget* active = QApplication::activeWindow();
    if (QGuiApplication::platformName() == "offscreen" && !window_->isActiveWindow() &&
        (active == nullptr || !active->isVisible())) {
      window_->activateWindow();
    }
    // The plot beside the page has the activation when the user has moved to it.
    const auto ours = [this] {
      const QWidget* w = QApplication::activeWindow();
      return w == window_.get() || (w != nullptr && w->objectName() == "plotPanel");
    };
    if (!QTest::qWaitFor(ours, 2000)) {
      ADD_FAILURE() << "the window did not get its activation back; active: "
                    << (QApplication::activeWindow()
                            ? QApplication::activeWindow()->metaObject()->className()
                            : "none");
    }
    settle();
  }
  QWidget* focused() const { return QApplication::focusWidget(); }
  QLineEdit* txtV(int i) { return form().controls.txtV(i); }
  // Gives row i's value box the focus as a click would, and types text over its selection.
  void typeInto(int i, const QString& text) {
    QTest::mouseClick(txtV(i), Qt::LeftButton);
    settle();
    if (text.isEmpty()) QTest::keyClick(focused(), Qt::Key_Backspace);
    QTest::keyClicks(focused(), text);
  }
  // A control by a short name: "v3" row 3's value box, "c3" its check box, "tabs", or a button's
  // caption ("Compute").
  QWidget* named(const QString& name) {
    const pages::PageControls& c = form().controls;
    if (name == "tabs") return window().TabStrip();
    if (name[0] == 'v') return c.txtV(name.mid(1).toInt());
    if (name[0] == 'c' && name[1].isDigit()) return c.chkV(name.mid(1).toInt());
    for (QPushButton* b : {c.btnExit(), c.btnReset(), c.btnCompute(), c.btnHelp()}) {
      if (b->text().remove('&') == name) return b;
    }
    return nullptr;
  }
  void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
    QTest::keyClick(focused(), k, m);
    settle();
  }
  app::frmPageData& window() { return *window_; }
  pages::PageDataForm& form() { return window_->form(); }
  ProgramWide& program() { return program_; }
  RecordingDialogs& dialogs() { return dialogs_; }
  RecordingEnd& programEnd() { return end_; }
  RecordingOpener& opener() { return opener_; }
  RecordingFileDialogs& files() { return files_; }
  MemoryFolderStore& recordFolders() { return recordFolders_; }
  QString folder() const { return QDir(folder_.path()).canonicalPath(); }

 private:
  QString previousFolder_;
  TempFolder folder_;
  ProgramWide program_;
  RecordingDialogs dialogs_;
  MemoryPositionStore ownPositions_;
  MemoryPositionStore* positions_;
  MemoryFolderStore recordFolders_;
  RecordingEnd end_;
  RecordingOpener opener_;
  RecordingFileDialogs files_;
  ui::QtDialogs realDialogs_;
  std::unique_ptr<DeskUser> user_;
  std::unique_ptr<app::frmPageData> window_;
  bool loaded_ = false;
};

}  // namespace vantrel::testing

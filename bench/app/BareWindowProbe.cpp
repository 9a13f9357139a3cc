// The yardstick of start-up: bare Qt Widgets windows with the calculator's controls (the splash
// window with its labels and progress bar, shown while the main window is built; the main window
// with the tab strip, frames, eight rows, buttons, unit list, tip box and status bar), built and
// shown with nothing loaded and nothing computed. Writes "shown" as the calculator's probe does
// and ends, or with --stay stays up (bench/app/visible_startup.py ends it).

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>
#include <cstdio>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QFont font(QStringLiteral("Arial"));
  font.setPointSizeF(8.25);
  QWidget splash(nullptr, Qt::SplashScreen | Qt::WindowStaysOnTopHint | Qt::FramelessWindowHint);
  splash.setFont(font);
  auto* splashLayout = new QVBoxLayout(&splash);
  for (const auto& [text, size] : {std::pair{"Vantrel", 22},
                                   {"Version 0.1.0", 10},
                                   {"The Vantrel developers", 10},
                                   {"Copyright (c) 2026", 8}}) {
    auto* label = new QLabel(QString::fromLatin1(text), &splash);
    QFont labelFont = font;
    labelFont.setPointSize(size);
    label->setFont(labelFont);
    splashLayout->addWidget(label);
  }
  auto* progress = new QProgressBar(&splash);
  splashLayout->addWidget(progress);
  splash.resize(440, 298);
  splash.show();
  QCoreApplication::processEvents();
  progress->setValue(100);
  QWidget window;
  window.setFont(font);
  window.setFixedSize(670, 440);
  auto* tabs = new QTabBar(&window);
  for (const char* caption : {"H.Williams", "C.White", "Manning", "Orifice", "Bends", "Valves",
                              "In/Out", "Expansion", "Contraction"})
    tabs->addTab(QString::fromLatin1(caption));
  tabs->setGeometry(0, 0, 670, 27);
  auto* area = new QWidget(&window);
  area->setGeometry(0, 27, 670, 390);
  for (int frame = 0; frame < 2; ++frame)
    (new QGroupBox(area))->setGeometry(23, 13 + frame * 170, 300, 160);
  QFont valueFont(QStringLiteral("Times New Roman"));
  valueFont.setPointSizeF(9.75);
  for (int row = 0; row < 8; ++row) {
    (new QCheckBox(QStringLiteral("&Pipe Dia. ="), area))->setGeometry(31, 25 + row * 29, 100, 22);
    auto* value = new QLineEdit(QStringLiteral("300.0"), area);
    value->setFont(valueFont);
    value->setGeometry(136, 26 + row * 29, 73, 22);
    auto* unit = new QLineEdit(QStringLiteral("mm"), area);
    unit->setReadOnly(true);
    unit->setFrame(false);
    unit->setGeometry(213, 33 + row * 29, 45, 19);
  }
  for (int b = 0; b < 4; ++b)
    (new QPushButton(QStringLiteral("Compute"), area))->setGeometry(360, 24 + b * 32, 65, 25);
  (new QListWidget(area))->hide();
  (new QTextEdit(area))->hide();
  auto* status = new QStatusBar(&window);
  status->addWidget(new QLabel(QStringLiteral("Ready")), 1);
  status->addWidget(new QLabel(QStringLiteral("Re 2.1e5 turbulent")), 2);
  status->setGeometry(0, 417, 670, 23);
  splash.close();
  window.show();
  // --stay keeps the window up until the process is ended, for a measure taken from outside.
  const bool stay = QCoreApplication::arguments().contains(QStringLiteral("--stay"));
  QTimer::singleShot(0, [stay] {
    std::puts("shown");
    std::fflush(stdout);
    if (!stay) QCoreApplication::exit(0);
  });
  return application.exec();
}

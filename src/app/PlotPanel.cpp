#include "app/PlotPanel.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

#include "app/PlotFigures.h"
#include "plot/Painter.h"
#include "ui/PlotView.h"

namespace vantrel::app {

namespace {

constexpr int kGap = 8;  // between the main window and the plot
constexpr int kHandBackMs = 500;
constexpr int kWidth = 640;
constexpr int kHeight = 460;
constexpr int kLowest = 360;
constexpr int kNarrowest = 440;  // narrower, the plot goes over the main window

// Sets the list's items, leaving it alone when it holds them already (a list rebuilt under a
// screen reader's cursor would be read out again).
void setItems(QComboBox* list, const std::vector<std::pair<QString, int>>& items, int current) {
  bool same = list->count() == static_cast<int>(items.size());
  for (int i = 0; same && i < list->count(); ++i) {
    const auto& [text, data] = items[static_cast<std::size_t>(i)];
    same = list->itemText(i) == text && list->itemData(i).toInt() == data;
  }
  if (!same) {
    list->clear();
    for (const auto& [text, data] : items)
      list->addItem(text, data);
  }
  list->setCurrentIndex(std::max(0, list->findData(current)));
}

}  // namespace

PlotPanel::PlotPanel(PlotFigures& figures, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window),
      figures_(figures),
      mainWindow_(mainWindow),
      viewLabel_(new QLabel(QStringLiteral("&View:"), this)),
      views_(new QComboBox(this)),
      axis_(new QComboBox(this)),
      view_(new ui::PlotView(this)),
      redrawTimer_(new QTimer(this)) {
  setObjectName(QStringLiteral("plotPanel"));
  // Opening the plot leaves the keyboard where it is, in the page's value box.
  setAttribute(Qt::WA_ShowWithoutActivating);
  views_->setObjectName(QStringLiteral("views"));
  views_->setAccessibleName(QStringLiteral("View"));
  viewLabel_->setBuddy(views_);
  auto* axisLabel = new QLabel(QStringLiteral("Horizontal &axis:"), this);
  axis_->setObjectName(QStringLiteral("axis"));
  axis_->setAccessibleName(QStringLiteral("Horizontal axis"));
  axisLabel->setBuddy(axis_);
  auto* copy = new QPushButton(QStringLiteral("&Copy points"), this);
  copy->setAccessibleName(QStringLiteral("Copy points"));
  copy->setAccessibleDescription(
      QStringLiteral("Puts the plot's points on the clipboard as a two-column table"));

  auto* choices = new QHBoxLayout;
  for (QWidget* w : {static_cast<QWidget*>(viewLabel_), static_cast<QWidget*>(views_),
                     static_cast<QWidget*>(axisLabel), static_cast<QWidget*>(axis_)})
    choices->addWidget(w);
  choices->addStretch(1);
  choices->addWidget(copy);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(choices);
  layout->addWidget(view_, 1);
  resize(kWidth, kHeight);

  redrawTimer_->setSingleShot(true);
  redrawTimer_->setInterval(0);
  connect(redrawTimer_, &QTimer::timeout, this, &PlotPanel::redraw);
  connect(views_, &QComboBox::activated, this, [this](int index) {
    figures_.showSecondView(index == 1);
    redraw();
  });
  connect(axis_, &QComboBox::activated, this, [this](int index) {
    figures_.pick(static_cast<Integer>(axis_->itemData(index).toInt()));
    redraw();
  });
  connect(copy, &QPushButton::clicked, this, &PlotPanel::copyPoints);
  connect(view_, &ui::PlotView::copyRequested, this, &PlotPanel::copyPoints);
  connect(new QShortcut(QKeySequence(Qt::Key_F6), this), &QShortcut::activated, this,
          &PlotPanel::moveKeyboard);
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
          &QWidget::close);
}

void PlotPanel::openBeside() {
  if (isVisible()) return;
  redraw();
  placeBeside();
  // Some platforms make a window they show the active one, whatever it asks for, a moment
  // later: an activation that soon is given back to the page.
  if (mainWindow_->isActiveWindow()) handBackUntil_.setRemainingTime(kHandBackMs);
  show();
}

void PlotPanel::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::ActivationChange || !isActiveWindow()) return;
  if (!handBackUntil_.hasExpired()) mainWindow_->activateWindow();
  handBackUntil_ = QDeadlineTimer();
}

void PlotPanel::moveKeyboard() {
  handBackUntil_ = QDeadlineTimer();
  if (!isVisible()) return;
  if (isActiveWindow()) {
    mainWindow_->raise();
    mainWindow_->activateWindow();
    return;
  }
  raise();
  activateWindow();
  view_->setFocus(Qt::ShortcutFocusReason);
}

void PlotPanel::redrawSoon() {
  if (isVisible()) redrawTimer_->start();
}

// The page gets the keyboard back once the plot is gone: a desktop gives the keyboard of a window
// that goes to none in particular.
void PlotPanel::closeEvent(QCloseEvent* event) {
  if (isActiveWindow()) {
    QTimer::singleShot(0, mainWindow_, [page = mainWindow_] { page->activateWindow(); });
  }
  event->accept();
}

void PlotPanel::redraw() {
  figure_ = figures_.figure();
  fillLists();
  const QString name = figure_.title.isEmpty() ? QStringLiteral("Plot") : figure_.title;
  view_->showPicture(
      [this](QPainter& painter, const QRectF& area) { plot::paintFigure(painter, area, figure_); },
      name, figure_.description);
  setWindowTitle(name + QStringLiteral(" - Vantrel plot"));
}

void PlotPanel::fillLists() {
  const QString second = figures_.secondView();
  viewLabel_->setVisible(!second.isEmpty());
  views_->setVisible(!second.isEmpty());
  setItems(views_, {{QStringLiteral("Unknown against an entry"), 0}, {second, 1}},
           figures_.showsSecondView() ? 1 : 0);
  const Integer followed = figures_.followed();
  std::vector<std::pair<QString, int>> rows{
      {followed != 0 ? QStringLiteral("Last entry (%1)").arg(figures_.name(followed))
                     : QStringLiteral("Last entry"),
       0}};
  for (const Integer row : figures_.entries())
    rows.emplace_back(figures_.name(row), row);
  setItems(axis_, rows, figures_.picked());
  axis_->setEnabled(!figures_.showsSecondView() && rows.size() > 1);
}

void PlotPanel::copyPoints() {
  auto* data = new QMimeData;
  data->setText(curves::tableText(figure_.table));
  data->setHtml(curves::tableHtml(figure_.table));
  QGuiApplication::clipboard()->setMimeData(data);
}

// Beside the main window: on its right where the screen has room, else on its left; where
// neither side has room, the main window moves aside for it. A screen too small for both side by
// side gets the plot over the main window's right part.
void PlotPanel::placeBeside() {
  const QRect main = mainWindow_->frameGeometry();
  const QScreen* screen = mainWindow_->screen();
  const QRect room = screen != nullptr ? screen->availableGeometry() : main;
  // The plot's frame is not known before it is first shown: taken as wide as the main window's.
  const QSize frame = main.size() - mainWindow_->size();
  const int width = std::min(kWidth, room.width() - main.width() - kGap);
  const int top = std::clamp(main.top(), room.top(), std::max(room.top(), room.bottom() - kHeight));
  if (width < kNarrowest) {
    resize(kWidth - frame.width(), kHeight);
    move(std::max(room.left(), room.right() + 1 - kWidth), top);
    return;
  }
  resize(width - frame.width(), std::max(kLowest, mainWindow_->height()));
  const int right = room.right() - main.right() - kGap, left = main.left() - room.left() - kGap;
  if (right >= width) {
    move(main.right() + 1 + kGap, top);
  } else if (left >= width) {
    move(main.left() - kGap - width, top);
  } else {
    const int shift = width - right;
    mainWindow_->move(main.left() - shift, main.top());
    move(main.right() + 1 - shift + kGap, top);
  }
}

}  // namespace vantrel::app

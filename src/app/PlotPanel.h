#pragma once
// The plot beside the page: a window of its own beside the main window, which draws the page's
// plot again from the values stored after every change of the page. It holds the list of views
// (where the page has a second one), the list of the entries for the horizontal axis, the
// picture, and "Copy points", which puts the plot's points on the clipboard as a two-column table
// (text and HTML, as Copy page does).
//
// It opens without taking the keyboard from the page; F6 moves the keyboard between the page and
// the plot, and Escape or the close box closes the plot and gives the keyboard back to the page.

#include <QDeadlineTimer>
#include <QWidget>

#include "curves/Figure.h"

class QComboBox;
class QLabel;
class QTimer;

namespace vantrel::ui {
class PlotView;
}

namespace vantrel::app {

class PlotFigures;

class PlotPanel : public QWidget {
  Q_OBJECT

 public:
  PlotPanel(PlotFigures& figures, QWidget* mainWindow);

  // Shows the plot beside the main window, which keeps the keyboard.
  void openBeside();
  // Gives the plot the keyboard, or the page when the plot has it.
  void moveKeyboard();
  // Draws the plot again once the event that changed the page has run to its end.
  void redrawSoon();

  const curves::Figure& figure() const { return figure_; }
  ui::PlotView* view() const { return view_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void redraw();
  void fillLists();
  void copyPoints();
  void placeBeside();

  PlotFigures& figures_;
  QWidget* mainWindow_;
  QLabel* viewLabel_;
  QComboBox* views_;
  QComboBox* axis_;
  ui::PlotView* view_;
  QTimer* redrawTimer_;
  curves::Figure figure_;
  // Until then an activation is the platform's, not the user's, and goes back to the page.
  QDeadlineTimer handBackUntil_;
};

}  // namespace vantrel::app

#pragma once
// The plot's command, "Plot" with F6, in the page's context menu and anywhere in the main window.
// F6 opens the plot beside the page, leaving the keyboard in the page; pressed again it moves the
// keyboard to the plot, and there it moves it back. F6 is the key that moves between the panes of
// a window on the desktops the program runs on, and the page uses no function key but F1 (help)
// and F4 (the unit list). Nothing of the plot is built before it is first opened.

#include <QObject>

#include "app/PlotFigures.h"

class QWidget;

namespace vantrel::pages {
struct PageDataForm;
}

namespace vantrel::app {

class PageCommands;
class PlotPanel;

class PlotCommand : public QObject {
  Q_OBJECT

 public:
  PlotCommand(pages::PageDataForm& form, PageCommands& commands, QWidget* window);

  // The page may have changed (a commit, another unknown or unit, another page, a reset): the plot
  // on show is drawn again.
  void pageShown();
  // The figure of the page on show as the plot shows it, or would show it when opened.
  curves::Figure figure() const { return figures_.figure(); }
  // Null until the plot is first opened.
  PlotPanel* panel() const { return panel_; }

 private:
  void run();

  PlotFigures figures_;
  QWidget* window_;
  PlotPanel* panel_ = nullptr;
};

}  // namespace vantrel::app

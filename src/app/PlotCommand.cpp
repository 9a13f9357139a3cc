#include "app/PlotCommand.h"

#include <QAction>

#include "app/PageCommands.h"
#include "app/PlotPanel.h"

namespace vantrel::app {

PlotCommand::PlotCommand(pages::PageDataForm& form, PageCommands& commands, QWidget* window)
    : QObject(window), figures_(form), window_(window) {
  auto* action = new QAction(QStringLiteral("P&lot"), this);
  action->setShortcut(QKeySequence(Qt::Key_F6));
  action->setShortcutContext(Qt::WindowShortcut);
  connect(action, &QAction::triggered, this, &PlotCommand::run);
  commands.addCommand(action);
}

void PlotCommand::pageShown() {
  figures_.pageShown();
  if (panel_ != nullptr) panel_->redrawSoon();
}

void PlotCommand::run() {
  if (panel_ == nullptr) panel_ = new PlotPanel(figures_, window_);
  if (panel_->isVisible()) {
    panel_->moveKeyboard();
  } else {
    panel_->openBeside();
  }
}

}  // namespace vantrel::app

#include "ui/ChecksPanel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>
#include <QStyle>

namespace vantrel::ui {

namespace {

// A dark red that reads on the light status bars of the usual themes.
const QColor kWarningColour(176, 0, 0);

// QLabel's own accessible object gives its text only as its name, which here is "Checks"; this
// one gives the line through the text interface as well.
class ChecksPanelAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit ChecksPanelAccessible(ChecksPanel* panel)
      : QAccessibleWidget(panel, QAccessible::StaticText) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return line();
    return QAccessibleWidget::text(t);
  }

  // A text that is read, never edited or selected.
  QString text(int startOffset, int endOffset) const override {
    return line().mid(startOffset, endOffset - startOffset);
  }
  int characterCount() const override { return static_cast<int>(line().size()); }
  void selection(int, int* startOffset, int* endOffset) const override {
    *startOffset = *endOffset = 0;
  }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QRect characterRect(int) const override { return {}; }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int offset, int* startOffset, int* endOffset) const override {
    *startOffset = *endOffset = offset;
    return {};
  }

 private:
  QString line() const { return static_cast<const ChecksPanel*>(object())->text(); }
};

QAccessibleInterface* accessibleOf(const QString&, QObject* object) {
  if (auto* panel = qobject_cast<ChecksPanel*>(object)) return new ChecksPanelAccessible(panel);
  return nullptr;
}

}  // namespace

ChecksPanel::ChecksPanel(QWidget* parent) : QLabel(parent) {
  static const bool installed = [] {
    QAccessible::installFactory(accessibleOf);
    return true;
  }();
  (void)installed;
  setObjectName(QStringLiteral("ChecksPanel"));
  setAccessibleName(QStringLiteral("Checks"));
  setTextFormat(Qt::PlainText);
}

void ChecksPanel::showChecks(const QString& line, const QString& details, bool warning) {
  if (warning != warning_) {
    warning_ = warning;
    QPalette colours;  // the application's
    if (warning) colours.setColor(QPalette::WindowText, kWarningColour);
    setPalette(colours);
  }
  if (line != text()) {
    const QString before = text();
    setText(line);
    QAccessibleTextUpdateEvent changed(this, 0, before, line);
    QAccessible::updateAccessibility(&changed);
  }
  if (details != toolTip()) {
    setToolTip(details);
    setAccessibleDescription(details);
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
  }
}

QSize ChecksPanel::sizeHint() const {
  return {0, QLabel::sizeHint().height()};
}

QSize ChecksPanel::minimumSizeHint() const {
  return sizeHint();
}

void ChecksPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect area = contentsRect();
  const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
  style()->drawItemText(&painter, area, Qt::AlignLeft | Qt::AlignVCenter, palette(), isEnabled(),
                        shown, foregroundRole());
}

}  // namespace vantrel::ui

#include "ui/RichTextBox.h"

#include <QAccessibleWidget>

namespace vantrel::ui {

namespace {

class TipAccessible : public QAccessibleWidget {
 public:
  explicit TipAccessible(QWidget* box) : QAccessibleWidget(box, QAccessible::ToolTip) {}
  QString text(QAccessible::Text t) const override {
    const auto* box = static_cast<const QTextEdit*>(widget());
    switch (t) {
      case QAccessible::Name:
        return box->accessibleName();
      case QAccessible::Value:
      case QAccessible::Description:
        return box->toPlainText();
      default:
        return QAccessibleWidget::text(t);
    }
  }
};

QAccessibleInterface* tipAccessible(const QString& className, QObject* object) {
  if (className == QLatin1String(RichTextBox::staticMetaObject.className()) && object != nullptr &&
      object->isWidgetType()) {
    return new TipAccessible(static_cast<QWidget*>(object));
  }
  return nullptr;
}

}  // namespace

RichTextBox::RichTextBox(QWidget* parent) : QTextEdit(parent) {
  static const bool factoryInstalled = [] {
    QAccessible::installFactory(tipAccessible);
    return true;
  }();
  (void)factoryInstalled;
  setReadOnly(true);
  setFocusPolicy(Qt::NoFocus);
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setLineWrapMode(QTextEdit::NoWrap);
  document()->setDocumentMargin(1);
  setAccessibleName(QStringLiteral("Tip"));
  hide();
}

QFont RichTextBox::ownFont() {
  QFont font(QStringLiteral("Courier New"));
  font.setStyleHint(QFont::TypeWriter);
  font.setPointSizeF(9.75);
  return font;
}

}  // namespace vantrel::ui

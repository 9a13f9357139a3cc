#pragma once
// Modal message boxes. Every box carries the application's title as caption. The window and the
// modules speak to this interface, so tests answer boxes without a screen.

#include <QString>

class QWidget;

namespace vantrel::ui {

inline const QString kAppTitle = QStringLiteral("Vantrel");

enum class MessageIcon { None, Critical };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // Shows text (lines separated by CR, CR LF or LF) and waits for the answer.
  virtual MessageAnswer message(const QString& text, MessageIcon icon = MessageIcon::None,
                                MessageButtons buttons = MessageButtons::Ok) = 0;
};

// The real boxes, owned by parent (which may be null).
class QtDialogs : public Dialogs {
 public:
  explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
  void setParent(QWidget* parent) { parent_ = parent; }
  MessageAnswer message(const QString& text, MessageIcon icon, MessageButtons buttons) override;

 private:
  QWidget* parent_;
};

// The program's texts break lines with CR; a Qt label breaks them with LF.
QString toDisplayLines(const QString& text);

}  // namespace vantrel::ui

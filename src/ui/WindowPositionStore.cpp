#include "ui/WindowPositionStore.h"

#include <QSettings>

namespace vantrel::ui {

namespace {

const QString kLeftKey = QStringLiteral("Window/WinLeft");
const QString kTopKey = QStringLiteral("Window/WinTop");

std::int16_t readInteger(const QSettings& settings, const QString& key) {
  bool ok = false;
  const int value = settings.value(key, 0).toInt(&ok);
  // A damaged or hand-edited entry counts as no stored position.
  if (!ok || value < -32768 || value > 32767) return 0;
  return static_cast<std::int16_t>(value);
}

}  // namespace

WindowPosition QtWindowPositionStore::read() {
  const QSettings settings(QStringLiteral("Vantrel"), QStringLiteral("Vantrel"));
  return {readInteger(settings, kLeftKey), readInteger(settings, kTopKey)};
}

void QtWindowPositionStore::write(const WindowPosition& position) {
  QSettings settings(QStringLiteral("Vantrel"), QStringLiteral("Vantrel"));
  settings.setValue(kLeftKey, static_cast<int>(position.left));
  settings.setValue(kTopKey, static_cast<int>(position.top));
  settings.sync();
}

}  // namespace vantrel::ui

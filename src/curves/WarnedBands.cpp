#include "curves/WarnedBands.h"

#include <algorithm>

namespace vantrel::curves {

namespace {

QString keyOf(const QString& headline) {
  QString key;
  for (const QChar c : headline)
    if (!c.isDigit() && c != u'.') key += c;
  return key;
}

}  // namespace

QString headline(const QString& warning) {
  qsizetype end = warning.size();
  for (const QString& stop : {QStringLiteral(":"), QStringLiteral(";"), QStringLiteral(". ")}) {
    const qsizetype at = warning.indexOf(stop);
    if (at >= 0) end = std::min(end, at);
  }
  QString text = warning.left(end).trimmed();
  if (text.endsWith(u'.')) text.chop(1);
  return text;
}

void WarnedBands::add(int i, const std::vector<QString>& warnings) {
  for (const QString& warning : warnings) {
    const QString legend = headline(warning);
    const QString key = keyOf(legend);
    const auto open = std::find_if(runs_.begin(), runs_.end(), [&](const Run& run) {
      return run.key == key && run.last == previous_ && previous_ == i - 1;
    });
    if (open != runs_.end())
      open->last = i;
    else
      runs_.push_back({key, legend, i, i});
  }
  previous_ = i;
}

std::vector<Band> WarnedBands::bands(double factor) const {
  const double step = 1.0 / (count_ - 1);
  std::vector<Band> out;
  for (const Run& run : runs_) {
    const double from = std::max(0.0, (run.first - 0.5) * step);
    const double to = std::min(1.0, (run.last + 0.5) * step);
    out.push_back({factor * span_.at(from), factor * span_.at(to), run.legend});
  }
  return out;
}

}  // namespace vantrel::curves

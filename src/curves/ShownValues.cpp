#include "curves/ShownValues.h"

#include <algorithm>

#include "calc/CaptionText.h"

namespace vantrel::curves {

QString ShownValues::name(Integer row) const {
  return calc::variableName(page_.caption(row));
}

QString ShownValues::unit(Integer row) const {
  return page_.unitName(row).trimmed();
}

QString ShownValues::axisTitle(Integer row) const {
  const QString u = unit(row);
  return u.isEmpty() ? name(row) : name(row) + QStringLiteral(" (") + u + u')';
}

QString ShownValues::number(Integer row, double base) const {
  const QString text = page_.textInUnit(row, base).trimmed();
  const bool saysNothing =
      std::none_of(text.begin(), text.end(), [](QChar c) { return c >= u'1' && c <= u'9'; });
  if (saysNothing && base != 0) return QString::number(page_.factor(row) * base, 'g', 3);
  return text;
}

QString ShownValues::withUnit(Integer row, double base) const {
  const QString u = unit(row);
  return u.isEmpty() ? number(row, base) : number(row, base) + u' ' + u;
}

}  // namespace vantrel::curves

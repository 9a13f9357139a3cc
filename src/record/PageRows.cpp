#include "record/PageRows.h"

#include <stdexcept>

#include "calc/CaptionText.h"
#include "calc/FormulaLayout.h"
#include "numtext/NumberFormat.h"

namespace vantrel::record {

using calc::Quantity;

QString siUnitOf(Quantity quantity) {
  switch (quantity) {
    case Quantity::Diameter:
    case Quantity::UpstreamDiameter:
    case Quantity::DownstreamDiameter:
    case Quantity::Roughness:
    case Quantity::Length:
    case Quantity::Head:
      return QStringLiteral("m");
    case Quantity::Flow:
      return QStringLiteral(u"m³/s");
    case Quantity::Viscosity:
      return QStringLiteral(u"m²/s");
    case Quantity::Gradient:
      return QStringLiteral("m/m");
    case Quantity::Velocity:
    case Quantity::UpstreamVelocity:
    case Quantity::DownstreamVelocity:
    case Quantity::OrificeVelocity:
      return QStringLiteral("m/s");
    default:
      return {};
  }
}

std::vector<RowFacts> pageRows(const calc::PageSession& session) {
  const calc::Formula formula = calc::formulaOf(session.pageCaption());
  const auto positions = calc::positionsOf(formula);
  std::vector<RowFacts> rows;
  for (Integer i = 1; i <= session.rowCount(); ++i) {
    RowFacts row;
    row.caption = calc::shownCaption(session.caption(i));
    try {
      row.value = session.valueText(i);
    } catch (const std::overflow_error&) {
      // Only a data file's default can be beyond its unit; the SI value still tells it.
    }
    row.unit = session.unitName(i).trimmed();
    row.siValue = numtext::shortestText(session.value(i));
    const auto at = static_cast<std::size_t>(i - 1);
    if (at < positions.size()) row.siUnit = siUnitOf(positions[at].quantity);
    row.unknown = i == session.unknown();
    // A result row ticked as the unknown is still what the formula computes; the checks warn.
    row.source = calc::isWritten(formula, i) ? Source::Computed
                 : row.unknown               ? Source::SolvedFor
                 : session.changed(i)        ? Source::Entered
                                             : Source::Default;
    rows.push_back(row);
  }
  return rows;
}

QString sourceName(Source source) {
  switch (source) {
    case Source::Computed:
      return QStringLiteral("computed by the formula");
    case Source::SolvedFor:
      return QStringLiteral("solved for");
    case Source::Entered:
      return QStringLiteral("entered");
    case Source::Default:
      break;
  }
  return QStringLiteral("default");
}

}  // namespace vantrel::record

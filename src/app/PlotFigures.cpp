#include "app/PlotFigures.h"

#include <algorithm>

#include "calc/CaptionText.h"
#include "calc/FormulaLayout.h"
#include "curves/EntryCurve.h"
#include "curves/MoodyChart.h"
#include "curves/PartFull.h"
#include "pages/PageDataForm.h"

namespace vantrel::app {

namespace {

calc::Formula formulaOn(const datafile::PageTables& t) {
  return calc::formulaOf(t.PageCaption(t.CurPage));
}

}  // namespace

const PlotFigures::Choice& PlotFigures::choice() const {
  static const Choice none;
  const auto found = pages_.find(form_.tables.CurPage);
  return found == pages_.end() ? none : found->second;
}

void PlotFigures::pageShown() {
  if (form_.LastEntry.row != 0) pages_[form_.tables.CurPage].lastEdited = form_.LastEntry.row;
}

QString PlotFigures::secondView() const {
  switch (formulaOn(form_.tables)) {
    case calc::Formula::ColebrookWhite:
      return QStringLiteral("Moody chart");
    case calc::Formula::Manning:
      return QStringLiteral("Part-full curves");
    default:
      return {};
  }
}

bool PlotFigures::showsSecondView() const {
  return choice().second && !secondView().isEmpty();
}

void PlotFigures::showSecondView(bool second) {
  pages_[form_.tables.CurPage].second = second;
}

std::vector<Integer> PlotFigures::entries() const {
  return curves::entryRows(form_.tables, form_.program.CurUnknown);
}

Integer PlotFigures::picked() const {
  const std::vector<Integer> rows = entries();
  const Integer row = choice().picked;
  return std::find(rows.begin(), rows.end(), row) != rows.end() ? row : 0;
}

void PlotFigures::pick(Integer row) {
  pages_[form_.tables.CurPage].picked = row;
}

Integer PlotFigures::followed() const {
  return curves::defaultEntry(form_.tables, form_.program.CurUnknown, choice().lastEdited);
}

Integer PlotFigures::entry() const {
  const Integer row = picked();
  return row != 0 ? row : followed();
}

QString PlotFigures::name(Integer row) const {
  return calc::variableName(form_.session().caption(row));
}

curves::Figure PlotFigures::figure() const {
  if (showsSecondView()) {
    const calc::PageSession session = form_.session();
    return formulaOn(form_.tables) == calc::Formula::Manning ? curves::partFullCurves(session)
                                                             : curves::moodyChart(session);
  }
  return curves::entryCurve(form_.tables, form_.program.CurUnknown, entry());
}

}  // namespace vantrel::app

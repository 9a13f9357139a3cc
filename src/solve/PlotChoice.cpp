#include "solve/PlotChoice.h"

#include <QStringList>

#include "calc/FormulaLayout.h"
#include "curves/EntryCurve.h"
#include "curves/MoodyChart.h"
#include "solve/Matching.h"
#include "solve/SolveError.h"

namespace vantrel::solve {

PlotChoice plotChoiceOf(const datafile::PageTables& t, const CaseSetup& setup, const Request& r) {
  PlotChoice choice;
  const calc::Formula formula = calc::formulaOf(t.PageCaption(setup.page));
  if (r.moody) {
    if (formula != calc::Formula::ColebrookWhite) {
      throw SolveError(kBadUsage, QStringLiteral("--moody is for the Colebrook-White page, not "
                                                 "for %1.")
                                      .arg(t.PageCaption(setup.page).trimmed()));
    }
    choice.moody = true;
  }
  if (r.plotX.isEmpty()) return choice;
  choice.entry = findVariable(t, setup.page, r.plotX);
  QStringList entries;
  bool isEntry = false;
  for (Integer row = 1; row <= t.VarCount(setup.page); ++row) {
    if (row == setup.unknown || calc::isWritten(formula, row)) continue;
    entries << variableName(t.VarCaptionRTF(setup.page, row).plainText());
    isEntry = isEntry || row == choice.entry;
  }
  if (!isEntry) {
    throw SolveError(
        kBadUsage,
        QStringLiteral("%1 is no row entered on %2; the plot's axis can be: %3.")
            .arg(variableName(t.VarCaptionRTF(setup.page, choice.entry).plainText()),
                 t.PageCaption(setup.page).trimmed(), entries.join(QStringLiteral(", "))));
  }
  return choice;
}

curves::Figure plotOf(const datafile::PageTables& tables, const calc::PageSession& session,
                      const PlotChoice& choice) {
  if (choice.moody) return curves::moodyChart(session);
  const calc::EntryRecord* last = session.lastEntry();
  const Integer entry = choice.entry != 0 ? choice.entry
                                          : curves::defaultEntry(tables, session.unknown(),
                                                                 last != nullptr ? last->row : 0);
  return curves::entryCurve(tables, session.unknown(), entry);
}

}  // namespace vantrel::solve

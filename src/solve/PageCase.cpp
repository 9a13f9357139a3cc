#include "solve/PageCase.h"

#include <QStringList>

#include "calc/CalcUi.h"
#include "solve/Matching.h"
#include "solve/TableEntries.h"
#include "tables/TablesOnDemand.h"

namespace vantrel::solve {

namespace {

// The solver's question is answered No: a script cannot wait for somebody to decide, and a
// solve that has run out of its budget is reported rather than prolonged.
class CommandLineUi : public calc::CalcUi {
 public:
  void setStatusText(const QString&) override {}
  bool askYesNo(const QString& text) override {
    question = text;
    return false;
  }
  void showCritical(const QString& text) override { criticals += terminalLines(text); }

  QString question;   // the last question asked; empty when none was
  QString criticals;  // every critical message, in terminal form
};

// The question's last line asks whether to go on; what comes before it says what happened.
QString budgetMessage(const QString& question, const CaseEntry& e,
                      const calc::PageSession& session) {
  QStringList lines = question.split(u'\r');
  if (lines.size() > 1 && lines.last().endsWith(u'?')) lines.removeLast();
  lines << QStringLiteral("Entry %1, \"%2\" (%3), was not taken: the page is as it was before it.")
               .arg(e.position)
               .arg(e.typed, variableName(session.caption(e.var)));
  return terminalLines(lines.join(u'\n'));
}

QString tooLargeMessage(const datafile::PageTables& t, Integer page, Integer var, Integer unit) {
  return QStringLiteral("The value is too large to be shown in %1.\n")
      .arg(t.UnitName(page, var, unit).trimmed());
}

}  // namespace

CaseSetup setupOf(const datafile::PageTables& t, const Request& r) {
  CaseSetup setup;
  setup.page = findPage(t, r.page);
  setup.unknown =
      r.unknown.isEmpty() ? t.UnknownVar(setup.page) : findVariable(t, setup.page, r.unknown);
  for (const UnitChoice& choice : r.units) {
    const Integer var = findVariable(t, setup.page, choice.name);
    setup.shownUnits.emplace_back(var, findUnit(t, setup.page, var, choice.unit));
  }
  setup.tables = std::make_shared<tables::TablesOnDemand>(r.tableFolders);
  return setup;
}

CaseEntry entryOf(const datafile::PageTables& t, const CaseSetup& setup, const QString& name,
                  const QString& unit) {
  CaseEntry e;
  e.var = findVariable(t, setup.page, name);
  if (e.var == setup.unknown) {
    throw SolveError(kBadUsage,
                     QStringLiteral("%1 is the variable solved for on %2; choose "
                                    "another with --for to enter it.")
                         .arg(variableName(t.VarCaptionRTF(setup.page, e.var).plainText()),
                              t.PageCaption(setup.page)));
  }
  e.unit =
      unit.isEmpty() ? t.VarUnitDefault(setup.page, e.var) : findUnit(t, setup.page, e.var, unit);
  return e;
}

void checkSolvable(const datafile::PageTables& t, const CaseSetup& setup, bool anyEntries) {
  if (anyEntries && (setup.unknown < 1 || setup.unknown > t.VarCount(setup.page))) {
    throw SolveError(kBadUsage, QStringLiteral("%1 has no variable to solve for; choose one with "
                                               "--for NAME.")
                                    .arg(t.PageCaption(setup.page)));
  }
}

PageCase::PageCase(datafile::PageTables& tables, CaseSetup setup)
    : t_(tables),
      setup_(std::move(setup)),
      session_(tables, unknown_, &lastEntry_),
      rowNames_(rowNames(tables, setup_.page)) {}

void PageCase::startFromDefaults() {
  working_ = calc::SolveWorking();
  session_.enterPage(setup_.page);
  session_.forgetChanges();
  for (Integer i = 1; i <= session_.rowCount(); ++i)
    t_.VarUnit(setup_.page, i) = t_.VarUnitDefault(setup_.page, i);
  session_.chooseUnknown(setup_.unknown);
}

CaseOutcome PageCase::solve(const std::vector<CaseEntry>& entries) {
  startFromDefaults();
  citations_.clear();
  CaseOutcome outcome;
  CommandLineUi ui;
  for (const CaseEntry& e : entries) {
    if (!session_.chooseUnit(e.var, e.unit))
      return {kRefused, std::nullopt, tooLargeMessage(t_, setup_.page, e.var, e.unit)};
    // As when the box takes the focus: the solve starts from the value the row has now.
    Single prevValue = session_.value(e.var);
    ui.question.clear();
    const calc::CommitResult commit = session_.commit(e.var, e.number, prevValue, ui);
    if (!commit.accepted)
      return {kRefused, std::nullopt, ui.criticals + terminalLines(commit.message)};
    // The solve was abandoned: the values are back as before the entry. The row stays in the
    // unit the entry was given in, as the window's row stays in the unit chosen for it.
    if (!ui.question.isEmpty()) {
      outcome.status = kNoSolution;
      outcome.message = budgetMessage(ui.question, e, session_);
      break;
    }
    cite(citations_, e, session_);
  }
  outcome.message.prepend(ui.criticals);
  for (const auto& [var, unit] : setup_.shownUnits) {
    if (!session_.chooseUnit(var, unit))
      return {kRefused, std::nullopt, ui.criticals + tooLargeMessage(t_, setup_.page, var, unit)};
  }
  try {
    outcome.report = reportOf(session_, rowNames_);
    addCitations(*outcome.report, citations_);
  } catch (const SolveError& error) {
    return {error.status(), std::nullopt, ui.criticals + terminalLines(error.message())};
  }
  return outcome;
}

}  // namespace vantrel::solve

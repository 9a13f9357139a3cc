#include "solve/PageList.h"

#include <QStringList>
#include <algorithm>
#include <vector>

#include "calc/FormulaLayout.h"
#include "calc/PageSession.h"
#include "calc/RangeData.h"
#include "solve/Matching.h"

namespace vantrel::solve {

namespace {

// Rows of cells in columns as wide as their widest cell; the last column is not padded.
QString aligned(const std::vector<QStringList>& rows) {
  std::vector<qsizetype> widths;
  for (const QStringList& row : rows) {
    widths.resize(std::max(widths.size(), static_cast<std::size_t>(row.size())));
    for (qsizetype c = 0; c < row.size(); ++c)
      widths[static_cast<std::size_t>(c)] =
          std::max(widths[static_cast<std::size_t>(c)], row[c].size());
  }
  QString out;
  for (const QStringList& row : rows) {
    QString line;
    for (qsizetype c = 0; c < row.size(); ++c)
      line += c + 1 < row.size() ? row[c].leftJustified(widths[static_cast<std::size_t>(c)] + 2)
                                 : row[c];
    out += line.trimmed() + u'\n';
  }
  return out;
}

// The accepted range as the out-of-range message words it, in the default unit.
QString rangeText(const datafile::PageTables& t, Integer page, Integer var) {
  const Integer unit = t.VarUnitDefault(page, var);
  const QString range = calc::RangeWords(t.RangeExpr(page, var), t.UnitFactor(page, var, unit));
  if (range.isEmpty()) return range;
  const QString unitName = printedUnitName(t.UnitName(page, var, unit));
  if (range == u"*") return QStringLiteral("any");
  return unitName.isEmpty() ? range : range + u' ' + unitName;
}

}  // namespace

QString pageList(const datafile::PageTables& t) {
  std::vector<QStringList> rows;
  for (Integer p = 1; p <= t.PageCount; ++p)
    rows.push_back({QString::number(p), t.PageCaption(p).trimmed(), t.PageTitle(p)});
  return aligned(rows);
}

QString variableList(datafile::PageTables& t, Integer page) {
  Integer unknown = 0;
  calc::PageSession session(t, unknown);
  session.enterPage(page);
  std::vector<QStringList> rows{{"Variable", "Default", "Range", "Row", "Units"}};
  for (Integer i = 1; i <= session.rowCount(); ++i) {
    const QString name = variableName(session.caption(i));
    QString shown = session.valueText(i);
    const QString unit = printedUnitName(session.unitName(i));
    if (!unit.isEmpty()) shown += u' ' + unit;
    QStringList units;
    for (int k = 1; k <= t.unitListLength(page, i); ++k)
      units << printedUnitName(t.UnitName(page, i, k));
    units.removeAll(QString());
    rows.push_back({i == unknown ? name + u'?' : name, shown.trimmed(), rangeText(t, page, i),
                    calc::isWritten(calc::formulaOf(session.pageCaption()), i) ? "result" : "entry",
                    units.join(QStringLiteral(", "))});
  }
  return session.pageTitle() + u'\n' + aligned(rows) +
         QStringLiteral("? marks the variable solved for unless --for names another.\n");
}

}  // namespace vantrel::solve

#include "record/Sources.h"

#include <QStringList>

namespace vantrel::record {

QString enteredText(double valueInUnit) {
  return QString::number(valueInUnit, 'g', 9);
}

QString entryText(const TableCitation& citation) {
  QStringList parts;
  for (const QStringView part : QStringView(citation.entry).tokenize(u'|'))
    parts << part.trimmed().toString();
  return parts.join(QStringLiteral(", "));
}

QString citationText(const TableCitation& citation) {
  return QStringLiteral("from table: ") + entryText(citation);
}

const TableCitation* ValueSources::of(const calc::PageSession& session, Integer var) const {
  const auto found = cited_.find({session.page(), var});
  if (found == cited_.end()) return nullptr;
  const bool holds =
      var != session.unknown() && session.changed(var) && session.value(var) == found->second.value;
  return holds ? &found->second : nullptr;
}

RowCitations ValueSources::ofPage(const calc::PageSession& session) const {
  RowCitations citations;
  for (Integer i = 1; i <= session.rowCount(); ++i) {
    if (const TableCitation* c = of(session, i)) citations.emplace(i, *c);
  }
  return citations;
}

}  // namespace vantrel::record

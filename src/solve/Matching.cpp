#include "solve/Matching.h"

#include <QStringList>
#include <QVarLengthArray>
#include <vector>

#include "solve/SolveError.h"

namespace vantrel::solve {

namespace {

QString withoutBlanks(const QString& text) {
  QString key;
  key.reserve(text.size());
  for (const QChar c : text) {
    if (!c.isSpace()) key += c;
  }
  return key;
}

QString nameKey(const QString& text) {
  return withoutBlanks(text).toCaseFolded();
}

// Units are written on keyboards without superscripts or a micro sign. (Case folding has already
// turned the micro sign into the Greek mu.)
QString unitKey(const QString& text) {
  QString key = nameKey(text);
  key.replace(QChar(0x00B2), u'2');
  key.replace(QChar(0x00B3), u'3');
  key.replace(QChar(0x03BC), u'u');
  return key;
}

// Whether wanted (a name key) begins one of the words of name after its first, blanks ignored
// from there on: "length" and "le" begin "Pipe Length".
bool beginsALaterWord(const QString& name, const QString& wanted) {
  const QStringList words = name.split(u' ', Qt::SkipEmptyParts);
  for (qsizetype w = 1; w < words.size(); ++w) {
    if (nameKey(words.mid(w).join(QString())).startsWith(wanted)) return true;
  }
  return false;
}

// Ends a message with a period, unless a name at its end brings its own ("Pipe Dia.").
QString sentence(const QString& text) {
  return text.endsWith(u'.') ? text : text + u'.';
}

QString quoted(const QString& text) {
  return u'"' + text + u'"';
}

QString pageNames(const datafile::PageTables& t, Integer page) {
  QStringList names;
  for (Integer j = 1; j <= t.VarCount(page); ++j)
    names << variableName(t.VarCaptionRTF(page, j).plainText());
  return names.join(QStringLiteral(", "));
}

QStringList unitNames(const datafile::PageTables& t, Integer page, Integer var) {
  QStringList names;
  for (int k = 1; k <= t.unitListLength(page, var); ++k)
    names << printedUnitName(t.UnitName(page, var, k));
  return names;
}

}  // namespace

QString printedUnitName(const QString& unitName) {
  return unitName.trimmed();
}

Integer findPage(const datafile::PageTables& t, const QString& text) {
  bool isNumber = false;
  const int number = text.toInt(&isNumber);
  if (isNumber && number >= 1 && number <= t.PageCount) return static_cast<Integer>(number);
  for (Integer i = 1; i <= t.PageCount; ++i) {
    if (t.PageCaption(i).trimmed().compare(text.trimmed(), Qt::CaseInsensitive) == 0) return i;
  }
  QStringList pages;
  for (Integer i = 1; i <= t.PageCount; ++i)
    pages << QStringLiteral("%1 %2").arg(i).arg(t.PageCaption(i));
  throw SolveError(kBadUsage, sentence(QStringLiteral("There is no page %1. The pages are: %2")
                                           .arg(quoted(text), pages.join(QStringLiteral(", ")))));
}

Integer findVariable(const datafile::PageTables& t, Integer page, const QString& text) {
  QString wanted = nameKey(text);
  // The caption as a page is copied, "Pipe Dia. =", names its variable too.
  if (wanted.endsWith(u'=')) wanted.chop(1);
  std::vector<Integer> exact;
  std::vector<Integer> fitting;
  for (Integer j = 1; j <= t.VarCount(page) && !wanted.isEmpty(); ++j) {
    const QString name = variableName(t.VarCaptionRTF(page, j).plainText());
    const QString key = nameKey(name);
    if (key == wanted) exact.push_back(j);
    if (key.startsWith(wanted) || beginsALaterWord(name, wanted)) fitting.push_back(j);
  }
  // A whole caption is never refused for the longer ones it begins ("Flow" beside "Flow Rate");
  // a shorter name is taken only where no other variable could have been meant.
  const std::vector<Integer>& found = exact.size() == 1 ? exact : fitting;
  if (found.size() == 1) return found.front();
  if (found.empty()) {
    throw SolveError(kBadUsage,
                     sentence(QStringLiteral("%1 has no variable %2. Its variables are: %3")
                                  .arg(t.PageCaption(page), quoted(text), pageNames(t, page))));
  }
  // Those that fit are the choice to be made; the page's other variables are no help in it.
  QStringList candidates;
  for (const Integer j : found)
    candidates << variableName(t.VarCaptionRTF(page, j).plainText());
  throw SolveError(kBadUsage, sentence(QStringLiteral("%1 fits more than one variable of %2: %3")
                                           .arg(quoted(text), t.PageCaption(page),
                                                candidates.join(QStringLiteral(", ")))));
}

Integer findUnit(const datafile::PageTables& t, Integer page, Integer var, const QString& text) {
  const int count = t.unitListLength(page, var);
  for (int k = 1; k <= count; ++k) {
    if (t.UnitName(page, var, k).trimmed() == text) return static_cast<Integer>(k);
  }
  // Units are matched whole: "m" never stands for "mm".
  std::vector<Integer> found;
  for (int k = 1; k <= count; ++k) {
    if (!text.isEmpty() && unitKey(t.UnitName(page, var, k)) == unitKey(text))
      found.push_back(static_cast<Integer>(k));
  }
  if (found.size() == 1) return found.front();
  const QString name = variableName(t.VarCaptionRTF(page, var).plainText());
  QStringList names = unitNames(t, page, var);
  names.removeAll(QString());
  if (names.isEmpty()) {
    throw SolveError(kBadUsage, QStringLiteral("%1 is a number without a unit; %2 is not "
                                               "wanted.")
                                    .arg(name, quoted(text)));
  }
  const QString problem = found.empty() ? QStringLiteral("%1 is not a unit of %2")
                                        : QStringLiteral("%1 could be more than one unit of %2");
  throw SolveError(kBadUsage, sentence(problem.arg(quoted(text), name)) +
                                  QStringLiteral(" Its units are: ") +
                                  names.join(QStringLiteral(", ")) + u'.');
}

}  // namespace vantrel::solve

#pragma once
// The markers of the data file and the names of places in it that error messages use.

#include <QString>

#include "numtext/NumberTypes.h"

namespace vantrel::datafile {

inline const QString kSystemTag = QStringLiteral("\\SYSTEM/");
inline const QString kFormTag = QStringLiteral("\\Form/");
inline const QString kUnitTag = QStringLiteral("\\UNIT/");
inline const QString kRowTag = QStringLiteral("\\ROW/");
inline const QString kRangeTag = QStringLiteral("\\Range/");
inline const QString kTipsTag = QStringLiteral("\\Tips/");
inline const QString kRecordTag = QStringLiteral("#");
inline const QString kUnitItemTag = QStringLiteral("@");

inline QString layoutPlace() {
  return QStringLiteral("layout record of the \"%1\" section").arg(kFormTag);
}
inline QString pagePlace(Integer page, const QString& sectionTag) {
  return QStringLiteral("page %1, \"%2\" section").arg(page).arg(sectionTag);
}
inline QString numberedPlace(const char* what, int number) {
  return QStringLiteral("%1 %2").arg(QLatin1String(what)).arg(number);
}

}  // namespace vantrel::datafile

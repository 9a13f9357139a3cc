#pragma once
// The markers of the data file and the names of places in it that error messages use.

#include <QString>

#include "datafile/DataFileError.h"
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
// sectionTag is one of the markers above, which outlive every place.
inline Place pagePlace(Integer page, const QString& sectionTag) {
  return Place("page", page, &sectionTag);
}
inline Place numberedPlace(const char* what, int number) {
  return Place(what, number);
}

}  // namespace vantrel::datafile

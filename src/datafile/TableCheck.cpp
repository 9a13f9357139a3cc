// Checks made once after loading, so that a page the window cannot show is reported with the
// file's other faults instead of failing later in the middle of the user's work.

#include "datafile/DataFileError.h"
#include "datafile/Loaders.h"
#include "datafile/SectionNames.h"

namespace vantrel::datafile {

void CheckPageTables(const PageTables& t) {
  for (Integer i = 1; i <= t.PageCount; ++i) {
    withContext(pagePlace(i, kSystemTag), [&] {
      if (t.FocusRow(i) < 0 || t.FocusRow(i) > t.VarCount(i)) {
        throw DataFileError(QStringLiteral("the page record's focus row %1 is not a row of the "
                                           "page (0 to %2)")
                                .arg(t.FocusRow(i))
                                .arg(t.VarCount(i)));
      }
      for (Integer j = 1; j <= t.VarCount(i); ++j) {
        withContext(numberedPlace("variable record", j), [&] {
          const int units = t.unitListLength(i, j);
          const Integer unit = t.VarUnitDefault(i, j);
          if (unit < 1 || unit > units || t.UnitFactor(i, j, unit) == 0) {
            throw DataFileError(QStringLiteral("the default unit %1 is not one of the %2 unit(s) "
                                               "of the variable's \"%3\" row")
                                    .arg(unit)
                                    .arg(units)
                                    .arg(kRowTag));
          }
        });
      }
    });
  }
}

}  // namespace vantrel::datafile

// Checks made once after loading, so that a page the window cannot show is reported with the
// file's other faults instead of failing later in the middle of the user's work.

#include <cfloat>
#include <cmath>

#include "datafile/DataFileError.h"
#include "datafile/Loaders.h"
#include "datafile/SectionNames.h"

namespace vantrel::datafile {

void CheckPageTables(const PageTables& t) {
  // A default unit past the end of its row's list, or on a slot after a factor of 0, is still
  // shown with that slot's factor; only an index outside the unit table has nothing to show.
  const int units = t.UnitName.upper3();
  for (Integer i = 1; i <= t.PageCount; ++i) {
    withContext(pagePlace(i, kSystemTag), [&] {
      for (Integer j = 1; j <= t.VarCount(i); ++j) {
        withContext(numberedPlace("variable record", j), [&] {
          const Integer unit = t.VarUnitDefault(i, j);
          if (unit < 1 || unit > units) {
            throw DataFileError(QStringLiteral("the default unit %1 lies outside the unit table "
                                               "(1 to %2, the most unit items of any \"%3\" row)")
                                    .arg(unit)
                                    .arg(units)
                                    .arg(kRowTag));
          }
          // A default that its own unit cannot show would make the page fail whenever it is
          // built.
          const double shown = static_cast<double>(t.UnitFactor(i, j, unit)) * t.VarDefault(i, j);
          if (std::fabs(shown) > FLT_MAX) {
            throw DataFileError(QStringLiteral("the default value %1 is beyond what its default "
                                               "unit (factor %2) can show")
                                    .arg(static_cast<double>(t.VarDefault(i, j)))
                                    .arg(static_cast<double>(t.UnitFactor(i, j, unit))));
          }
        });
      }
    });
  }
}

}  // namespace vantrel::datafile

#pragma once
// The units a table file may write its values in. A table carries its own unit, independent of
// the data file's unit tables, and its values are handed on in SI base units.

#include <QStringView>
#include <optional>

namespace vantrel::tables {

// The factor that takes a value in the unit to SI base units (m, m²/s, or a plain number);
// nothing for a unit the tables do not know. "1", "-" and "" stand for a plain number.
std::optional<double> siFactor(QStringView unit);

}  // namespace vantrel::tables

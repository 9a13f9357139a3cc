#include "tables/TableSet.h"

#include <QDir>
#include <algorithm>

#include "tables/TableFile.h"
#include "tables/Water.h"

namespace vantrel::tables {

namespace {

// Water at the temperatures a list shows before one is typed.
constexpr double kListedCelsius[] = {0, 5, 10, 15, 20, 25, 30, 40, 50, 60, 70, 80, 90, 100};

bool inWaterRange(double celsius) {
  return celsius >= kWaterLowestCelsius && celsius <= kWaterHighestCelsius;
}

Found waterAt(const Table& table, double celsius, double kinematicViscosity) {
  return {&table, waterEntryName(celsius), kinematicViscosity / table.toSi, waterSource()};
}

Found waterAt(const Table& table, double celsius) {
  return waterAt(table, celsius, waterKinematicViscosity(celsius));
}

// The listed temperatures' viscosities, computed once: a list shows them at every keystroke.
const std::vector<double>& listedViscosities() {
  static const std::vector<double> viscosities = [] {
    std::vector<double> v;
    for (const double celsius : kListedCelsius)
      v.push_back(waterKinematicViscosity(celsius));
    return v;
  }();
  return viscosities;
}

Found foundRow(const Table& table, const TableRow& row) {
  return {&table, row.name, table.value(row), row.source};
}

// Every row of one table that fits the words, the listed water temperatures among them but for
// the one typed, which comes first.
void addFits(const Table& table, const Search& words, std::optional<double> typed,
             std::vector<Found>& fits) {
  for (const TableRow& row : table.rows)
    if (fitsWordStarts(words, row.words)) fits.push_back(foundRow(table, row));
  if (!table.water) return;
  for (std::size_t i = 0; i < std::size(kListedCelsius); ++i) {
    const double celsius = kListedCelsius[i];
    if (celsius != typed && fitsWordStarts(words, wordsOf(waterEntryName(celsius))))
      fits.push_back(waterAt(table, celsius, listedViscosities()[i]));
  }
}

// The fits nearest to the search by distance(), when some fit by whole words; else all of them.
std::vector<Found> nearest(const Search& words, std::vector<Found> fits) {
  int least = -1;
  std::vector<Found> closest;
  for (Found& f : fits) {
    const int d = distance(words, f.name);
    if (d < 0 || (least >= 0 && d > least)) continue;
    if (d < least || least < 0) closest.clear();
    least = d;
    closest.push_back(f);
  }
  return closest.empty() ? fits : closest;
}

std::optional<double> waterTemperature(QStringView text) {
  const std::optional<double> celsius = temperatureIn(text);
  if (celsius && inWaterRange(*celsius)) return celsius;
  return std::nullopt;
}

}  // namespace

bool Table::servesVariable(QStringView page, QStringView variable) const {
  return serves.contains(variable) && (pages.isEmpty() || pages.contains(page));
}

TableSet TableSet::read(const QStringList& folders) {
  TableSet set;
  for (const QString& folder : folders) {
    const QDir dir(folder);
    const QStringList names =
        dir.entryList({QStringLiteral("*.csv")}, QDir::Files | QDir::Readable, QDir::Name);
    for (const QString& name : names) {
      FileReading reading = readTableFile(dir.filePath(name));
      set.messages_ << reading.messages;
      if (reading.table) set.tables_.push_back(std::move(*reading.table));
    }
  }
  return set;
}

TableList TableSet::all() const {
  TableList list;
  for (const Table& table : tables_)
    list.push_back(&table);
  return list;
}

TableList TableSet::serving(QStringView page, QStringView variable) const {
  TableList list;
  for (const Table& table : tables_)
    if (table.servesVariable(page, variable)) list.push_back(&table);
  return list;
}

std::vector<Found> search(QStringView text, const TableList& tables) {
  std::vector<Found> fits;
  const Search words = searchOf(text);
  const std::optional<double> celsius = waterTemperature(text);
  for (const Table* table : tables) {
    if (!table->water || !celsius) continue;
    fits.push_back(waterAt(*table, *celsius));
  }
  for (const Table* table : tables)
    addFits(*table, words, celsius, fits);
  return fits;
}

Lookup lookup(QStringView text, const TableList& tables) {
  Lookup result;
  const Search words = searchOf(text);
  const std::optional<double> celsius = temperatureIn(text);
  for (const Table* table : tables) {
    if (table->water && celsius) {
      // A temperature names water exactly; the listed temperatures would only blur it.
      if (inWaterRange(*celsius))
        result.fits.push_back(waterAt(*table, *celsius));
      else
        result.note = QStringLiteral("water is computed from %1 to %2 °C")
                          .arg(kWaterLowestCelsius)
                          .arg(kWaterHighestCelsius);
      continue;
    }
    if (words.empty()) continue;
    addFits(*table, words, std::nullopt, result.fits);
  }
  if (result.fits.size() > 1) result.fits = nearest(words, std::move(result.fits));
  if (result.fits.size() == 1) result.found = result.fits.front();
  return result;
}

}  // namespace vantrel::tables

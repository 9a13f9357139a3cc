// The shipped tables held to values taken independently of them: pipe walls and diameters from
// the standards' inch tables, PE walls from the SDR, and water from the IAPWS reference values.

#include <gtest/gtest.h>

#include <QStringList>
#include <cmath>

#include "QtPrinters.h"
#include "tables/TableSet.h"
#include "tables/Water.h"

namespace vantrel::tables {
namespace {

const TableSet& shipped() {
  static const TableSet set = TableSet::read({QStringLiteral(VANTREL_SHIPPED_DATA_DIR "/tables")});
  return set;
}

const TableRow* rowNamed(const Table& table, const QString& name) {
  for (const TableRow& row : table.rows)
    if (row.name == name) return &row;
  return nullptr;
}

double column(const Table& table, const TableRow& row, const char* heading) {
  const qsizetype c = table.columns.indexOf(QString::fromLatin1(heading));
  return c < 0 || !row.values[c] ? 0.0 : *row.values[c];
}

TEST(ShippedTables, LoadWithoutMessagesAndServeTheirVariables) {
  EXPECT_EQ(shipped().messages(), QStringList());
  const struct {
    const char* page;
    const char* variable;
    std::size_t tables;
    std::size_t leastRows;
  } cases[] = {
      {"Manning", "Pipe Dia.", 6, 700}, {"Expansion", "Upstream D1", 6, 700},
      {"C.White", "Roughness", 1, 15},  {"H.Williams", "C Factor", 1, 10},
      {"Manning", "Manning n", 1, 12},  {"Bends", "K Factor", 1, 20},
      {"Valves", "K Factor", 1, 20},    {"In/Out", "K Factor", 1, 8},
      {"Expansion", "K Factor", 0, 0},  {"C.White", "Viscosity", 1, 0},
  };
  for (const auto& c : cases) {
    const TableList tables =
        shipped().serving(QString::fromUtf8(c.page), QString::fromUtf8(c.variable));
    std::size_t rows = 0;
    for (const Table* t : tables)
      rows += t->rows.size();
    EXPECT_EQ(tables.size(), c.tables) << c.page << ' ' << c.variable;
    EXPECT_GE(rows, c.leastRows) << c.page << ' ' << c.variable;
  }
}

// The entered inner diameter is what the outside diameter, the wall and any lining leave.
TEST(ShippedTables, EveryPipeRowsInnerDiameterIsItsOutsideLessTwoWalls) {
  for (const Table* table : shipped().serving(u"H.Williams", u"Pipe Dia.")) {
    for (const TableRow& row : table->rows) {
      const double od = column(*table, row, "Outside diameter");
      const double wall = column(*table, row, "Wall") + column(*table, row, "Lining");
      EXPECT_NEAR(table->value(row), od - 2 * wall, 0.0006) << row.name.toStdString();
      EXPECT_GT(wall, 0) << row.name.toStdString();
    }
  }
}

// Outside diameter and wall in inches as the standards print them: a wrong or shifted wall fails.
TEST(ShippedTables, PipeRowsAgreeWithTheStandardsInchTables) {
  const struct {
    const char* name;
    double od, wall;  // in
  } cases[] = {
      {"Steel, ASME B36.10M | NPS 1/2 | XXS", 0.840, 0.294},
      {"Steel, ASME B36.10M | NPS 2 | Sch 80", 2.375, 0.218},
      {"Steel, ASME B36.10M | NPS 3 1/2 | Sch 40", 4.000, 0.226},
      {"Steel, ASME B36.10M | NPS 6 | Sch 40", 6.625, 0.280},
      {"Steel, ASME B36.10M | NPS 8 | Sch 140", 8.625, 0.812},
      {"Steel, ASME B36.10M | NPS 12 | STD", 12.75, 0.375},
      {"Steel, ASME B36.10M | NPS 12 | Sch 40", 12.75, 0.406},
      {"Steel, ASME B36.10M | NPS 24 | Sch 160", 24, 2.344},
      {"Steel, ASME B36.10M | NPS 36 | Sch 40", 36, 0.750},
      {"Steel, ASME B36.10M | NPS 48 | XS", 48, 0.500},
      {"Stainless steel, ASME B36.19M | NPS 4 | Sch 10S", 4.5, 0.120},
      {"Stainless steel, ASME B36.19M | NPS 30 | Sch 5S", 30, 0.250},
      {"Stainless steel, ASME B36.19M | NPS 12 | Sch 80S", 12.75, 0.500},
      {"PVC, ASTM D1785 | NPS 2 | Sch 40 PVC", 2.375, 0.154},
      {"PVC, ASTM D1785 | NPS 10 | Sch 80 PVC", 10.75, 0.593},
      {"Copper tube, ASTM B88 | 1/2 in | Type L", 0.625, 0.040},
      {"Copper tube, ASTM B88 | 2 in | Type M", 2.125, 0.058},
      {"Copper tube, ASTM B88 | 4 in | Type K", 4.125, 0.134},
  };
  std::size_t found = 0;
  for (const Table* table : shipped().serving(u"H.Williams", u"Pipe Dia.")) {
    for (const auto& c : cases) {
      const TableRow* row = rowNamed(*table, QString::fromUtf8(c.name));
      if (!row) continue;
      ++found;
      // Past NPS 12 the metric outside diameters are rounded to the millimetre.
      EXPECT_NEAR(column(*table, *row, "Outside diameter"), c.od * 25.4, 0.45) << c.name;
      EXPECT_NEAR(column(*table, *row, "Wall"), c.wall * 25.4, 0.006) << c.name;
    }
  }
  EXPECT_EQ(found, std::size(cases));
}

// A PE wall is the size over the SDR (whose nominal values round the exact series by up to 1 %),
// rounded up to 0.1 mm, never below 2 mm; a few walls as published, and ductile iron's K9 wall.
TEST(ShippedTables, PeWallsFollowTheirSdrAndPublishedWalls) {
  const TableSet& set = shipped();
  const TableList tables = set.serving(u"H.Williams", u"Pipe Dia.");
  for (const Table* table : tables) {
    if (!table->title.contains(u"PE,")) continue;
    for (const TableRow& row : table->rows) {
      const double dn = column(*table, row, "Outside diameter");
      const double sdr = row.name.section(QStringLiteral("SDR "), 1).toDouble();
      const double wall = column(*table, row, "Wall");
      EXPECT_GE(wall, std::max(2.0, dn / sdr * 0.99)) << row.name.toStdString();
      EXPECT_LE(wall, std::max(3.0, dn / sdr * 1.02 + 0.1)) << row.name.toStdString();
    }
  }
  const struct {
    const char* text;
    double wall;
  } published[] = {{"PE 110 SDR 17", 6.6},   {"PE 110 SDR 26", 4.2},   {"PE 250 SDR 11", 22.7},
                   {"PE 160 SDR 7.4", 21.9}, {"PE 20 SDR 11", 2.0},    {"PE 315 SDR 17", 18.7},
                   {"ductile 300 K9", 7.2},  {"ductile 1000 K9", 13.5}};
  for (const auto& p : published) {
    const Lookup found = lookup(QString::fromUtf8(p.text), tables);
    ASSERT_TRUE(found.found) << p.text;
    const TableRow* row = rowNamed(*found.found->table, found.found->name);
    EXPECT_DOUBLE_EQ(column(*found.found->table, *row, "Wall"), p.wall) << p.text;
  }
}

// Materials and fittings as their sources print them, reached as the command line names them.
TEST(ShippedTables, LookupGivesTheSourcesValueInSiUnits) {
  const struct {
    const char* page;
    const char* variable;
    const char* text;
    double si;
  } cases[] = {
      {"C.White", "Roughness", "galvanised", 0.15e-3},
      {"C.White", "Roughness", "commercial steel new", 0.046e-3},
      {"C.White", "Roughness", "cast iron new", 0.26e-3},
      {"H.Williams", "C Factor", "pvc", 150},
      {"H.Williams", "C Factor", "cast iron new", 130},
      {"Manning", "Manning n", "concrete finished", 0.012},
      {"Manning", "Manning n", "vitrified sewer with manholes", 0.015},
      {"Bends", "K Factor", "bend r/d 1.5", 0.21},
      {"Bends", "K Factor", "elbow 90 standard", 0.75},
      {"Valves", "K Factor", "gate open", 0.17},
      {"Valves", "K Factor", "ball valve", 0.045},
      {"In/Out", "K Factor", "sharp", 0.5},
      {"In/Out", "K Factor", "re-entrant", 0.78},
      {"In/Out", "K Factor", "outlet", 1},
      {"Manning", "Pipe Dia.", "NPS 6 Sch 40", 0.15408},
      {"C.White", "Viscosity", "Water at 20 °C", 1.003396e-6},
  };
  for (const auto& c : cases) {
    const Lookup found =
        lookup(QString::fromUtf8(c.text),
               shipped().serving(QString::fromUtf8(c.page), QString::fromUtf8(c.variable)));
    ASSERT_TRUE(found.found) << c.text << ": " << found.fits.size() << " fit";
    EXPECT_NEAR(found.found->siValue(), c.si, c.si * 1e-6) << c.text;
    EXPECT_FALSE(found.found->source.isEmpty());
  }
}

// IAPWS reference values at 0.1 MPa: dynamic viscosity in µPa·s and density in kg/m³.
TEST(Water, MatchesTheReferenceValues) {
  const struct {
    double celsius, viscosity, density;
  } cases[] = {{0, 1791.76, 999.842}, {10, 1305.90, 999.702}, {20, 1001.60, 998.207},
               {40, 652.73, 992.216}, {60, 466.03, 983.195},  {80, 354.05, 971.790}};
  for (const auto& c : cases) {
    EXPECT_NEAR(waterDensity(c.celsius), c.density, 0.0006) << c.celsius;
    EXPECT_NEAR(waterDynamicViscosity(c.celsius) * 1e6, c.viscosity, 0.006) << c.celsius;
    const double nu = c.viscosity * 1e-6 / c.density;
    EXPECT_NEAR(waterKinematicViscosity(c.celsius), nu, nu * 2e-4) << c.celsius;
  }
}

}  // namespace
}  // namespace vantrel::tables

// Table files as a user writes them, damaged ones among them, and finding rows by the words typed.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "QtPrinters.h"
#include "tables/TableFile.h"
#include "tables/TablesOnDemand.h"
#include "tables/Water.h"

namespace vantrel::tables {
namespace {

const QString kHead = QStringLiteral("#serves,K Factor\n#pages,Valves\n#unit,1\nEntry,K,Source\n");

// One message for the bad line, naming file and line; every other row loads.
TEST(TableFile, ABadRowIsToldAndTheOthersLoad) {
  const struct {
    const char* text;  // after kHead (lines 1-4); the good rows are "A" and "B"
    const char* message;
  } cases[] = {
      {"A,1,S\nC,abc,S\nB,2,S\n", "t.csv, line 6: \"abc\" under \"K\" is not a number"},
      {"A,1,S\nC,2\nB,2,S\n", "t.csv, line 6: the row has 2 cells where the heading line has 3"},
      {"A,1,S\n,2,S\nB,2,S\n", "t.csv, line 6: the entry has no name"},
      {"A,1,S\nC,2,\nB,2,S\n", "t.csv, line 6: the entry has no source"},
      {"A,1,S\nC,,S\nB,2,S\n", "t.csv, line 6: there is no value under \"K\""},
      {"A,1,S\nC,-1,S\nB,2,S\n", "t.csv, line 6: the value under \"K\" is negative"},
      {"A,1,S\na,1,S\nB,2,S\n", "t.csv, line 6: \"a\" is already the entry of line 5"},
      {"A,1,S\n\"C,1,S\nB,2,S\n", "t.csv, line 6: a quoted cell is not closed"},
      {"A,1,S\n\"C\"x,1,S\nB,2,S\n", "t.csv, line 6: text follows a quoted cell's closing quote"},
      {"A,1,S\nC,nan,S\nB,2,S\n", "t.csv, line 6: \"nan\" under \"K\" is not a number"},
  };
  for (const auto& c : cases) {
    const FileReading r = readTableText(kHead + QString::fromUtf8(c.text), QStringLiteral("t.csv"));
    ASSERT_TRUE(r.table) << c.text;
    EXPECT_EQ(r.messages, QStringList{QString::fromUtf8(c.message)}) << c.text;
    ASSERT_EQ(r.table->rows.size(), 2u) << c.text;
    EXPECT_EQ(r.table->rows[1].name, QStringLiteral("B"));
  }
}

// A file whose description cannot serve is left out whole, with one message.
TEST(TableFile, AFileThatCannotServeIsToldAndLeftOut) {
  const struct {
    const char* text;
    const char* message;
  } cases[] = {
      {"#unit,mm\nEntry,D,Source\nA,1,S\n",
       "t.csv: no \"#serves\" line names the variables the table serves"},
      {"#serves,Pipe Dia.\n#unit,furlong\nEntry,D,Source\n",
       "t.csv, line 2: the unit \"furlong\" is not one the tables know"},
      {"#serves,Pipe Dia.\nEntry,D,Source\n",
       "t.csv, line 2: no \"#unit\" line names the unit of the values"},
      {"#serves,Pipe Dia.\n#unit,mm\nEntry,Source\n",
       "t.csv, line 3: the heading line names no value column between the entry and its source"},
      {"#serves,Pipe Dia.\n#unit,mm\n#value,ID\nEntry,OD,Source\n",
       "t.csv, line 3: \"#value\" names \"ID\", which the heading line does not"},
      {"#serves,Pipe Dia.\n# only comments\n",
       "t.csv: the file has no heading line naming its columns"},
  };
  for (const auto& c : cases) {
    const FileReading r = readTableText(QString::fromUtf8(c.text), QStringLiteral("t.csv"));
    EXPECT_FALSE(r.table) << c.text;
    EXPECT_EQ(r.messages, QStringList{QString::fromUtf8(c.message)}) << c.text;
  }
}

// A spreadsheet's save: byte-order mark, CRLF, quoted cells, padding commas, its own unit.
TEST(TableFile, ReadsASpreadsheetsSaveInItsOwnUnit) {
  const FileReading r = readTableText(
      QStringLiteral(
          "\xFEFF#serves,Pipe Dia.,,\r\n#unit,in,,\r\n#value,ID,,\r\n"
          "Entry,OD,ID,Source\r\n\"Acme \"\"Flow\"\", 4\",4.5,4.026,\"Cat. 7, p. 3\",,\r\n"),
      QStringLiteral("t.csv"));
  ASSERT_TRUE(r.table);
  EXPECT_EQ(r.messages, QStringList());
  ASSERT_EQ(r.table->rows.size(), 1u);
  const TableRow& row = r.table->rows[0];
  EXPECT_EQ(row.name, QStringLiteral("Acme \"Flow\", 4"));
  EXPECT_EQ(row.source, QStringLiteral("Cat. 7, p. 3"));
  EXPECT_DOUBLE_EQ(r.table->value(row) * r.table->toSi, 4.026 * 0.0254);
}

// The user's folder adds its tables beside the shipped ones; a damaged file costs only itself.
TEST(TablesOnDemand, UserTablesAddRowsAndDamagedFilesAreTold) {
  QTemporaryDir user;
  const auto write = [&](const char* name, const QByteArray& bytes) {
    QFile file(QDir(user.path()).filePath(QString::fromLatin1(name)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  };
  write("acme.csv", "#serves,Pipe Dia.\n#unit,mm\nEntry,ID,Source\nAcme DN 100,102.2,Acme 2024\n");
  write("latin1.csv", "#serves,Pipe Dia.\n#unit,mm\nEntry,ID,Source\nR\xE9seau,1,S\n");
  TablesOnDemand tables({QStringLiteral(VANTREL_SHIPPED_DATA_DIR "/tables"), user.path(),
                         QStringLiteral("/nonexistent")});
  tables.startReading();
  const TableSet& set = tables.get();
  EXPECT_EQ(set.messages(), QStringList{QDir(user.path()).filePath("latin1.csv") +
                                        QStringLiteral(": is not UTF-8 text")});
  const Lookup acme = lookup(u"acme 100", set.serving(u"Bends", u"Pipe Dia."));
  ASSERT_TRUE(acme.found);
  EXPECT_DOUBLE_EQ(acme.found->siValue(), 0.1022);
  EXPECT_EQ(set.serving(u"Bends", u"Pipe Dia.").size(), 7u);
  EXPECT_EQ(&tables.get(), &set);
}

const TableSet& shipped() {
  static const TableSet set = TableSet::read({QStringLiteral(VANTREL_SHIPPED_DATA_DIR "/tables")});
  return set;
}

// Word starts in any order, any case; a temperature gives water first.
TEST(Search, FitsWordStartsInAnyOrder) {
  const struct {
    const char* variable;
    const char* text;
    const char* first;  // "" for no row
    std::size_t count;
  } cases[] = {
      {"Pipe Dia.", "pe 110 sdr11", "PE, ISO 4427 | DN 110 | SDR 11", 1},
      {"Pipe Dia.", "40 6 STEEL b36.10", "Steel, ASME B36.10M | NPS 6 | Sch 40", 1},
      {"Pipe Dia.", "6 40", "PVC, ASTM D1785 | NPS 6 | Sch 40 PVC", 3},
      {"K Factor", "GLOBE", "Globe valve | bevel seat, open", 4},
      {"K Factor", "θ = 5", "Plug cock | θ = 5°", 2},
      {"Viscosity", "10", "Water at 10 °C", 2},
      {"Viscosity", "water at 37.5 °C", "Water at 37.5 °C", 1},
      {"Viscosity", "", "Water at 0 °C", 14},
      {"Viscosity", "glycol", "", 0},
  };
  for (const auto& c : cases) {
    const std::vector<Found> fits = search(
        QString::fromUtf8(c.text), shipped().serving(u"Valves", QString::fromUtf8(c.variable)));
    EXPECT_EQ(fits.size(), c.count) << c.text;
    if (!fits.empty()) {
      EXPECT_EQ(fits.front().name, QString::fromUtf8(c.first)) << c.text;
    }
  }
}

// Exactly one row, or none with the rows that fit.
TEST(Lookup, TakesTheOneRowTheWordsNameOrListsTheFits) {
  const struct {
    const char* variable;
    const char* text;
    const char* found;  // "" when refused
    std::size_t fits;
    const char* note = "";
  } cases[] = {
      {"Pipe Dia.", "NPS 6 Sch 40", "Steel, ASME B36.10M | NPS 6 | Sch 40", 1},
      {"Pipe Dia.", "nps 1 sch 40", "Steel, ASME B36.10M | NPS 1 | Sch 40", 1},
      {"Pipe Dia.", "NPS 6 Sch 40S", "Stainless steel, ASME B36.19M | NPS 6 | Sch 40S", 1},
      {"Pipe Dia.", "NPS 6", "", 14},
      {"Pipe Dia.", "NPS 7", "", 0},
      {"Viscosity", "water 10 °C", "Water at 10 °C", 1},
      {"Viscosity", "Water at 10 °C", "Water at 10 °C", 1},
      {"Viscosity", "10", "Water at 10 °C", 1},
      {"Viscosity", "water 150 C", "", 0, "water is computed from 0 to 100 °C"},
      {"Viscosity", "", "", 0},
      {"Roughness", "galvanised", "Galvanised iron | new", 1},
      {"Roughness", "cast iron", "", 3},
  };
  for (const auto& c : cases) {
    const Lookup r = lookup(QString::fromUtf8(c.text),
                            shipped().serving(u"C.White", QString::fromUtf8(c.variable)));
    EXPECT_EQ(r.found ? r.found->name : QString(), QString::fromUtf8(c.found)) << c.text;
    EXPECT_EQ(r.fits.size(), c.fits) << c.text;
    EXPECT_EQ(r.note, QString::fromUtf8(c.note)) << c.text;
  }
}

TEST(Water, ReadsATemperatureFromTheWaysItIsTyped) {
  const struct {
    const char* text;
    std::optional<double> celsius;
  } cases[] = {{"10", 10},     {"water 10 °C", 10}, {"Water at 10 °C", 10}, {"12.5 C", 12.5},
               {" -4 ℃ ", -4}, {"water", {}},       {"10 bar", {}},         {"1e2", {}}};
  for (const auto& c : cases)
    EXPECT_EQ(temperatureIn(QString::fromUtf8(c.text)), c.celsius) << c.text;
}

}  // namespace
}  // namespace vantrel::tables

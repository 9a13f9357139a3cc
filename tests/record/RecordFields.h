#pragma once
// A calculation record read back as its reader sees it: from its HTML with the tags taken off,
// or from what pdftotext reads in a PDF of it. Shared by the record, window and command-line
// tests, which all write the record of H.Williams at 60 l/s.

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <map>
#include <vector>

#include "QtPrinters.h"

namespace vantrel::testing {

struct RecordFields {
  std::map<QString, QString> facts;  // each line of the head: its label and its text
  QString formula;                   // the line that names the formula
  std::vector<QStringList> rows;     // caption, value, unit, SI value, SI unit, source
  QStringList checks;                // the lines under "Checks"
  QStringList blanks;                // the lines left to fill by hand
  bool sheet = false;
};

inline QString textOfHtml(QString html) {
  html.remove(
      QRegularExpression("<head>.*</head>", QRegularExpression::DotMatchesEverythingOption));
  html.replace(QRegularExpression("</t[dh]>"), " ");
  html.replace(QRegularExpression("</(tr|p|h1|h2|li)>"), "\n");
  html.remove(QRegularExpression("<[^>]*>"));
  return html.replace("&nbsp;", " ")
      .replace("&lt;", "<")
      .replace("&gt;", ">")
      .replace("&amp;", "&");
}

inline QString textOfPdf(const QString& path) {
  QProcess pdftotext;
  pdftotext.start("pdftotext", {"-layout", path, "-"});
  EXPECT_TRUE(pdftotext.waitForFinished(10000)) << "pdftotext (poppler-utils) is needed";
  return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

inline RecordFields readRecord(const QString& text) {
  static const QRegularExpression fact(
      "^(Program|Date and time|Data file|SHA-256|Page|Title)\\s+(.*)$");
  static const QRegularExpression row(
      "^(.+=)\\s+(\\S+)\\s+(.*?)\\s*(\\d[\\d.e+-]*)\\s+(\\S*)\\s*(entered|computed by the "
      "formula|solved for)$");
  static const QRegularExpression blank("^(Project|Calculated by|Checked by|Date)$");
  RecordFields fields;
  QString part;
  for (QString line : text.split('\n')) {
    line = line.trimmed();
    if (line.isEmpty()) continue;
    if (line == "Formula" || line == "Checks" || line == "Sign-off") {
      part = line;
    } else if (const auto m = fact.match(line); m.hasMatch() && part.isEmpty()) {
      fields.facts[m.captured(1)] = m.captured(2);
    } else if (const auto r = row.match(line); r.hasMatch()) {
      fields.rows.push_back(r.capturedTexts().mid(1));
    } else if (part == "Formula" && fields.formula.isEmpty()) {
      fields.formula = line;
    } else if (part == "Checks") {
      fields.checks << line;
    } else if (blank.match(line).hasMatch()) {
      fields.blanks << line;
    }
    fields.sheet = fields.sheet || line == "Sheet 1 of 1";
  }
  return fields;
}

// H.Williams from its defaults with 60 l/s entered, as the record of the data file at path shows
// it, made a moment ago.
inline void expectHazenAt60(const RecordFields& f, const QString& dataFile) {
  const auto fact = [&](const char* label) {
    const auto found = f.facts.find(label);
    return found == f.facts.end() ? QString("(none)") : found->second;
  };
  EXPECT_TRUE(QRegularExpression("^Vantrel \\d+\\.\\d+\\.\\d+$").match(fact("Program")).hasMatch())
      << fact("Program").toStdString();
  const QString time = fact("Date and time");
  EXPECT_TRUE(QRegularExpression("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d[+-]\\d\\d:\\d\\d$")
                  .match(time)
                  .hasMatch())
      << time.toStdString();
  EXPECT_LE(std::abs(QDateTime::fromString(time, Qt::ISODate).secsTo(QDateTime::currentDateTime())),
            60);
  EXPECT_EQ(fact("Data file"), dataFile);
  QFile file(dataFile);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(fact("SHA-256"),
            QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex());
  EXPECT_EQ(fact("Page"), "H.Williams");
  EXPECT_EQ(fact("Title"), "Hazen-Williams :- Friction head loss of water in a full pipe");
  EXPECT_TRUE(f.formula.startsWith("Hazen-Williams. The Hazen-Williams formula"))
      << f.formula.toStdString();
  const std::vector<QStringList> rows{
      {"Pipe Dia. =", "300.0", "mm", "0.3", "m", "entered"},
      {"Flow Rate =", "60.000", "l/s", "0.06", "m³/s", "entered"},
      {"C Factor =", "130.0", "", "130", "", "entered"},
      {"Pipe Length =", "1000.0", "m", "1000", "m", "entered"},
      {"Head Loss =", "2.5249", "m", "2.5248725", "m", "solved for"},
      {"Gradient =", "2.525", "m/km", "0.0025248725", "m/m", "computed by the formula"},
      {"K Factor =", "68.81", "", "68.807335", "", "computed by the formula"},
      {"Velocity =", "0.849", "m/s", "0.84871626", "m/s", "computed by the formula"}};
  EXPECT_EQ(f.rows, rows);
  EXPECT_EQ(f.checks,
            QStringList({"Re 2.5e5 turbulent (water at 20 °C)", "No warnings or notes."}));
  EXPECT_EQ(f.blanks, QStringList({"Project", "Calculated by", "Checked by", "Date"}));
  EXPECT_TRUE(f.sheet);
}

}  // namespace vantrel::testing

#pragma once
// A calculation record read back as its reader sees it: its HTML with the tags taken off, or
// what pdftotext reads in a PDF of it. The record, window and command-line tests all write the
// record of H.Williams at 60 l/s and check it here.

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

#include "QtPrinters.h"
#include "record/RecordHtml.h"

namespace vantrel::testing {

// The lines of a record with their blanks simplified, the empty ones left out.
inline QStringList recordLines(QString text, bool html) {
  if (html) {
    text.remove(
        QRegularExpression("<head>.*</head>", QRegularExpression::DotMatchesEverythingOption));
    text.replace(QRegularExpression("</t[dh]>"), " ");
    text.replace(QRegularExpression("</(tr|p|h1|h2|li)>"), "\n");
    text.remove(QRegularExpression("<[^>]*>"));
    text.replace("&nbsp;", " ").replace("&lt;", "<").replace("&gt;", ">").replace("&amp;", "&");
  }
  QStringList lines;
  for (const QString& line : text.split('\n'))
    if (!line.simplified().isEmpty()) lines << line.simplified();
  return lines;
}

inline QStringList recordFileLines(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  if (!path.endsWith(".pdf")) return recordLines(QString::fromUtf8(file.readAll()), true);
  QProcess pdftotext;  // poppler-utils
  pdftotext.start("pdftotext", {"-layout", path, "-"});
  EXPECT_TRUE(pdftotext.waitForFinished(10000));
  return recordLines(QString::fromUtf8(pdftotext.readAllStandardOutput()), false);
}

// H.Williams from its defaults with 60 l/s entered, recorded a moment ago from dataFile: every
// field, in this order. A record the program drew (the window's, the command line's) has the plot
// and the passes of the solve that gave Head Loss, on two sheets; the record's HTML alone has
// neither, on one.
inline void expectHazenAt60(const QStringList& lines, const QString& dataFile, bool drawn = true) {
  QFile file(dataFile);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  const QString hash = QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex();
  QStringList wanted{
      "Calculation record",
      "Program Vantrel " + record::programVersion(),
      "Data file " + dataFile,
      "SHA-256 " + hash,
      "Page H.Williams",
      "Title Hazen-Williams :- Friction head loss of water in a full pipe",
      "Formula",
      "Hazen-Williams. The Hazen-Williams formula gives the friction loss of water in a full pipe.",
      "Variables",
      "Variable Value Unit SI value SI unit Source",
      "Pipe Dia. = 300.0 mm 0.3 m default",
      "Flow Rate = 60.000 l/s 0.06 m³/s entered",
      "C Factor = 130.0 130 default",
      "Pipe Length = 1000.0 m 1000 m default",
      "Head Loss = 2.5249 m 2.5248725 m solved for",
      "Gradient = 2.525 m/km 0.0025248725 m/m computed by the formula",
      "K Factor = 68.81 68.807335 computed by the formula",
      "Velocity = 0.849 m/s 0.84871626 m/s computed by the formula",
      "Checks",
      "Re 2.5e5 turbulent (water at 20 °C)",
      "No warnings or notes."};
  if (drawn) {
    wanted << "Plot"
           << "Head Loss against Flow Rate, 12.000 to 300.000 l/s; at 60.000 l/s, 2.5249 m"
           << "Sheet 1 of 2";
  }
  wanted << "Working"
         << "r = hf/L − 10.7 [ Q / (C·D2.63) ]1.85"
         << "r = hf/1000 − 10.7 [ 0.06 / (130·0.32.63) ]1.85";
  // The first pass and the last, which the answer is one derivative step beyond.
  if (drawn)
    wanted << "1 0.051 1 1.8019782 -6.723927e-05"
           << "3 2.5248473 1.6854248e-09";
  wanted << "Answer: Head Loss = 2.5248725 m; the residual there is r = 2.6957794e-08 m/m."
         << "Sign-off"
         << "Project"
         << "Calculated by"
         << "Checked by"
         << "Date" << (drawn ? "Sheet 2 of 2" : "Sheet 1 of 1");
  qsizetype at = 0;
  for (const QString& line : wanted) {
    at = lines.indexOf(line, at);
    ASSERT_GE(at, 0) << "missing or out of order: " << line.toStdString() << "\n"
                     << lines.join('\n').toStdString();
  }
  const QString time = lines.filter(QRegularExpression("^Date and time ")).value(0).mid(14);
  EXPECT_TRUE(QRegularExpression("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d[+-]\\d\\d:\\d\\d$")
                  .match(time)
                  .hasMatch())
      << time.toStdString();
  EXPECT_LE(QDateTime::fromString(time, Qt::ISODate).secsTo(QDateTime::currentDateTime()), 60);
}

}  // namespace vantrel::testing

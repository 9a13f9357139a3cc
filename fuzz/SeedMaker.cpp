// Writes the fuzz targets' seed corpora into a folder (one subfolder per target) from the files
// the program really reads: the shipped data file, loaded by the real loaders, and the RTF test
// files. Usage: fuzz_seeds OUTPUT_FOLDER

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <cstdio>
#include <cstring>

#include "datafile/DataFileError.h"
#include "datafile/LoadSequence.h"
#include "numtext/NumberFormat.h"
#include "rtf/WorkingDocument.h"

namespace {

using namespace vantrel;

class Corpus {
 public:
  Corpus(const QString& root, const char* target) : dir_(QDir(root).filePath(target)) {
    QDir().mkpath(dir_);
  }
  void add(const QString& name, const QByteArray& bytes) {
    QFile file(QDir(dir_).filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
      std::exit(1);
    }
  }

 private:
  QString dir_;
};

QByteArray readFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
    std::exit(1);
  }
  return file.readAll();
}

// The RTF of every section of the data file, cut as the loaders cut them (formatting included).
void addSections(Corpus& rtf, const rtf::RichText& whole) {
  const char* tags[] = {"\\Form/", "\\SYSTEM/", "\\UNIT/", "\\Range/", "\\Tips/"};
  for (const char* tag : tags) {
    const QString marker = QString::fromLatin1(tag);
    int item = 0;
    for (int p = whole.find(marker, 0); p >= 0;) {
      const int q = whole.find(marker, p + marker.size());
      if (q < 0) break;
      const int end = q + static_cast<int>(marker.size());
      rtf.add(QStringLiteral("section-%1-%2.rtf")
                  .arg(QString(tag).mid(1, marker.size() - 2))
                  .arg(++item),
              whole.rangeToRtf(p, end - p));
      p = whole.find(marker, end);
    }
  }
}

// The data file up to the end of page k, for k = 1 ... pages: small files that load completely.
void addPagePrefixes(Corpus& datafile, const rtf::RichText& whole) {
  const QString tips = QStringLiteral("\\Tips/");
  int page = 0;
  for (int p = whole.find(tips, 0); p >= 0;) {
    const int q = whole.find(tips, p + tips.size());
    if (q < 0) break;
    const int end = q + static_cast<int>(tips.size());
    datafile.add(QStringLiteral("pages-1-to-%1.rtf").arg(++page), whole.rangeToRtf(0, end));
    p = whole.find(tips, end);
  }
}

QByteArray singleBytes(Single value) {
  QByteArray bytes(sizeof value, '\0');
  std::memcpy(bytes.data(), &value, sizeof value);
  return bytes;
}

// Range lines and number texts from every variable of every page, in every unit.
void addPageValues(Corpus& range, Corpus& numtext, const datafile::PageTables& t) {
  for (int i = 1; i <= t.PageCount; ++i) {
    for (int j = 1; j <= t.VarCount(i); ++j) {
      const Single value = t.VarDefault(i, j);
      const QString caption = QStringLiteral("&Variable %1 =").arg(j);
      for (int k = 1; k <= t.unitListLength(i, j); ++k) {
        const Single factor = t.UnitFactor(i, j, k);
        const QString shown = numtext::formatPattern(value * factor, t.UnitFormat(i, j, k));
        const QString name = QStringLiteral("page%1-var%2-unit%3").arg(i).arg(j).arg(k);
        range.add(name, (t.RangeExpr(i, j) + u'\n' + shown + u'\n' + numtext::generalForm(factor) +
                         u'\n' + caption + u'\n' + t.UnitName(i, j, k))
                            .toUtf8());
        numtext.add(name, singleBytes(value * factor) + t.UnitFormat(i, j, k).toUtf8());
        numtext.add(name + "-text", (shown + u' ' + t.UnitName(i, j, k)).toUtf8());
      }
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  const QString out = QString::fromLocal8Bit(argv[1]);
  Corpus rtfSeeds(out, "rtf"), datafileSeeds(out, "datafile"), rangeSeeds(out, "range"),
      numtextSeeds(out, "numtext");

  const QString shipped = QStringLiteral(VANTREL_SHIPPED_DATA_DIR "/Vantrel.rtf");
  datafileSeeds.add(QStringLiteral("Vantrel.rtf"), readFile(shipped));

  rtf::WorkingDocument doc;
  datafile::PageTables tables;
  datafile::SilentLoadView view;
  try {
    datafile::ReadSystemData(doc, tables, shipped, view);
  } catch (const datafile::DataFileError& error) {
    std::fprintf(stderr, "the shipped data file does not load: %s\n", error.what());
    return 1;
  }
  doc.loadFile(shipped);
  addSections(rtfSeeds, doc.textRtf());
  addPagePrefixes(datafileSeeds, doc.textRtf());
  addPageValues(rangeSeeds, numtextSeeds, tables);

  const QDir rtfTests(QStringLiteral(VANTREL_TEST_DATA_DIR "/rtf"));
  for (const QFileInfo& file : rtfTests.entryInfoList({QStringLiteral("*.rtf")}, QDir::Files))
    rtfSeeds.add(file.fileName(), readFile(file.filePath()));
  return 0;
}

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <sstream>

namespace vantrel::rtf {

namespace {

QString fixturePath(const std::string& name, const char* extension) {
  return QStringLiteral(VANTREL_TEST_DATA_DIR "/rtf/") + QString::fromStdString(name) +
         QLatin1String(extension);
}

QByteArray readFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

std::string show(const QString& s) {
  QString shown = s;
  shown.replace(u'\r', QLatin1String("\\r")).replace(u'\n', QLatin1String("\\n"));
  shown.replace(u'\t', QLatin1String("\\t"));
  return shown.toStdString();
}

}  // namespace

std::vector<std::string> fixtureNames() {
  std::vector<std::string> names;
  const QDir dir(QStringLiteral(VANTREL_TEST_DATA_DIR "/rtf"));
  for (const QString& file : dir.entryList({QStringLiteral("*.rtf")}, QDir::Files, QDir::Name)) {
    names.push_back(file.chopped(4).toStdString());
  }
  return names;
}

QByteArray fixtureRtf(const std::string& name) {
  return readFile(fixturePath(name, ".rtf"));
}

QString fixtureText(const std::string& name) {
  return QString::fromUtf8(readFile(fixturePath(name, ".txt")));
}

RichText load(const char* rtf) {
  return RichText::fromRtf(QByteArray(rtf));
}

void PrintTo(const CharFormat& f, std::ostream* os) {
  *os << "{font=" << (f.font.isNull() ? "<none>" : f.font.toStdString()) << " size=" << f.size
      << (f.bold ? " b" : "") << (f.italic ? " i" : "") << (f.underline ? " ul" : "")
      << (f.strike ? " strike" : "") << (f.hidden ? " v" : "");
  if (f.color)
    *os << " cf=" << int(f.color->red) << ',' << int(f.color->green) << ',' << int(f.color->blue);
  if (f.background) {
    *os << " bg=" << int(f.background->red) << ',' << int(f.background->green) << ','
        << int(f.background->blue);
  }
  if (f.position == VerticalPosition::Superscript) *os << " super";
  if (f.position == VerticalPosition::Subscript) *os << " sub";
  *os << '}';
}

void PrintTo(const RichText& t, std::ostream* os) {
  *os << '"' << show(t.plainText()) << '"';
}

std::string firstDifference(const Document& a, const Document& b) {
  std::ostringstream os;
  if (a.text() != b.text()) {
    os << "text \"" << show(a.text()) << "\" vs \"" << show(b.text()) << '"';
  } else if (a.defaultFont() != b.defaultFont()) {
    os << "default font " << a.defaultFont().toStdString() << " vs "
       << b.defaultFont().toStdString();
  } else if (a.breaks() != b.breaks()) {
    os << "breaks differ (" << a.breaks().size() << " vs " << b.breaks().size() << ')';
  } else if (a.paragraphs() != b.paragraphs()) {
    os << "paragraphs differ (" << a.paragraphs().size() << " vs " << b.paragraphs().size() << ')';
  } else if (a.runs() != b.runs()) {
    for (size_t i = 0; i < std::max(a.runs().size(), b.runs().size()); ++i) {
      if (i >= a.runs().size() || i >= b.runs().size() || a.runs()[i] != b.runs()[i]) {
        os << "run " << i << ": ";
        if (i < a.runs().size()) {
          os << a.runs()[i].start << ' ';
          PrintTo(a.runs()[i].format, &os);
        }
        os << " vs ";
        if (i < b.runs().size()) {
          os << b.runs()[i].start << ' ';
          PrintTo(b.runs()[i].format, &os);
        }
        break;
      }
    }
  }
  return os.str();
}

}  // namespace vantrel::rtf

QT_BEGIN_NAMESPACE
void PrintTo(const QString& s, std::ostream* os) {
  *os << '"' << s.toStdString() << '"';
}
QT_END_NAMESPACE

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <algorithm>

namespace vantrel::rtf {

namespace {

QByteArray readFixture(const std::string& name, const char* extension) {
  QFile file(QStringLiteral(VANTREL_TEST_DATA_DIR "/rtf/") + QString::fromStdString(name) +
             QLatin1String(extension));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::string show(QString s) {
  return s.replace(u'\r', QLatin1String("\\r"))
      .replace(u'\n', QLatin1String("\\n"))
      .replace(u'\t', QLatin1String("\\t"))
      .toStdString();
}

}  // namespace

std::vector<std::string> fixtureNames() {
  std::vector<std::string> names;
  const QDir dir(QStringLiteral(VANTREL_TEST_DATA_DIR "/rtf"));
  for (const QString& file : dir.entryList({QStringLiteral("*.rtf")}, QDir::Files, QDir::Name))
    names.push_back(file.chopped(4).toStdString());
  return names;
}

QByteArray fixtureRtf(const std::string& name) {
  return readFixture(name, ".rtf");
}

QString fixtureText(const std::string& name) {
  return QString::fromUtf8(readFixture(name, ".txt"));
}

std::string testName(std::string name) {
  std::replace(name.begin(), name.end(), '-', '_');
  return name;
}

RichText load(const char* rtf) {
  return RichText::fromRtf(QByteArray(rtf));
}

std::string describe(const CharFormat& f) {
  std::string d;
  const auto add = [&d](const std::string& part) { d += (d.empty() ? "" : ", ") + part; };
  const auto rgb = [](const Rgb& c) {
    return std::to_string(c.red) + '.' + std::to_string(c.green) + '.' + std::to_string(c.blue);
  };
  if (!f.font.isEmpty()) add("font=" + f.font.toStdString());
  if (f.size != 0) add("size=" + std::to_string(f.size));
  const std::pair<bool, const char*> flags[] = {
      {f.bold, "b"}, {f.italic, "i"}, {f.underline, "ul"}, {f.strike, "strike"}, {f.hidden, "v"}};
  for (const auto& [on, name] : flags)
    if (on) add(name);
  if (f.color) add("cf=" + rgb(*f.color));
  if (f.background) add("bg=" + rgb(*f.background));
  if (f.position != VerticalPosition::Baseline)
    add(f.position == VerticalPosition::Superscript ? "super" : "sub");
  return d;
}

std::string firstDifference(const Document& a, const Document& b) {
  if (a == b) return "";
  if (a.text() != b.text()) return "text \"" + show(a.text()) + "\" vs \"" + show(b.text()) + '"';
  for (size_t i = 0; i < std::min(a.runs().size(), b.runs().size()); ++i) {
    if (a.runs()[i] != b.runs()[i])
      return "run " + std::to_string(i) + ": {" + describe(a.runs()[i].format) + "} vs {" +
             describe(b.runs()[i].format) + "} from " + std::to_string(a.runs()[i].start);
  }
  return "breaks, paragraphs, default font or number of runs";
}

void PrintTo(const RichText& t, std::ostream* os) {
  *os << '"' << show(t.plainText()) << '"';
}

}  // namespace vantrel::rtf

QT_BEGIN_NAMESPACE
void PrintTo(const QString& s, std::ostream* os) {
  *os << '"' << s.toStdString() << '"';
}
QT_END_NAMESPACE

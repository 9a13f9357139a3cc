#include "TestSupport.h"

#include <QDir>
#include <QFile>

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

void PrintTo(const Document& d, std::ostream* os) {
  *os << '"' << show(d.text()) << '"';
  for (const TextRun& run : d.runs())
    *os << " @" << run.start << " {" << describe(run.format) << '}';
}

void PrintTo(const RichText& t, std::ostream* os) {
  PrintTo(t.document(), os);
}

}  // namespace vantrel::rtf

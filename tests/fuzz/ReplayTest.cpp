// Every input a fuzz target ever failed on, fed again through the target's entry function; inputs
// whose outcome is known, to show that each entry still does its work; and the RTF engine's test
// documents with damaged and hostile variants of them through the RTF target's checks.

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <cstring>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "entries/FuzzEntries.h"

namespace vantrel::fuzz {
namespace {

// The fuzzers give an input one second; the sanitizer build runs several times slower.
#if defined(__SANITIZE_ADDRESS__)
constexpr qint64 kMillisecondsPerInput = 10000;
#else
constexpr qint64 kMillisecondsPerInput = 1000;
#endif

QByteArray readFile(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  return file.readAll();
}

// What the target made of the input; a finding or an escaped exception fails the test.
std::optional<Outcome> run(const std::string& target, const QByteArray& input) {
  for (const Target& t : kTargets) {
    if (target != t.name) continue;
    try {
      return t.entry(reinterpret_cast<const std::uint8_t*>(input.constData()),
                     static_cast<std::size_t>(input.size()));
    } catch (const std::exception& failure) {
      ADD_FAILURE() << failure.what() << " on " << input.left(60).toStdString();
      return std::nullopt;
    }
  }
  ADD_FAILURE() << "no fuzz target " << target;
  return std::nullopt;
}

struct KeptInput {
  std::string target;
  QString path;
};

void PrintTo(const KeptInput& input, std::ostream* out) {
  *out << input.path.toStdString();
}

std::vector<KeptInput> keptInputs() {
  std::vector<KeptInput> inputs;
  for (const Target& target : kTargets) {
    const QDir dir(QStringLiteral(VANTREL_TEST_DATA_DIR "/fuzz/") + target.name);
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
      inputs.push_back({target.name, dir.filePath(name)});
  }
  return inputs;
}

class KeptInputTest : public ::testing::TestWithParam<KeptInput> {};

TEST_P(KeptInputTest, RunsCleanWithinTheFuzzersTime) {
  const QByteArray input = readFile(GetParam().path);
  QElapsedTimer timer;
  timer.start();
  run(GetParam().target, input);
  EXPECT_LT(timer.elapsed(), kMillisecondsPerInput);
}

INSTANTIATE_TEST_SUITE_P(Fuzz, KeptInputTest, ::testing::ValuesIn(keptInputs()),
                         [](const ::testing::TestParamInfo<KeptInput>& info) {
                           std::string name = info.param.target + "_" +
                                              QFileInfo(info.param.path).fileName().toStdString();
                           for (char& c : name)
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           return name;
                         });

QByteArray singleAndText(float value, const char* text) {
  QByteArray bytes(sizeof value, '\0');
  std::memcpy(bytes.data(), &value, sizeof value);
  return bytes + text;
}

TEST(FuzzEntryTest, KnownInputsHaveTheirOutcome) {
  const struct {
    const char* target;
    QByteArray input;
    Outcome expected;
  } known[] = {
      {"datafile", readFile(VANTREL_SHIPPED_DATA_DIR "/Vantrel.rtf"), Outcome::Accepted},
      {"datafile", "{\\rtf1 no sections}", Outcome::Refused},
      {"datafile", "not RTF", Outcome::Refused},
      {"rtf", "{\\rtf1 {\\b bold} plain\\par next}", Outcome::Accepted},
      {"rtf", "not RTF", Outcome::Refused},
      {"range", "F,>0~10\n5\n1000\n&Pipe Dia. =\nmm", Outcome::Accepted},
      {"range", "F,>0~10\n0\n1000\n&Pipe Dia. =\nmm", Outcome::Refused},
      {"range", "S,YES,NO\nyes\n2\nAnswer\n", Outcome::Accepted},
      {"numtext", singleAndText(2.675f, "0.00"), Outcome::Accepted},
      {"numtext", "12", Outcome::Refused},
  };
  for (const auto& k : known)
    EXPECT_EQ(run(k.target, k.input), k.expected)
        << k.target << ": " << k.input.left(40).toStdString();
}

// A byte changed, inserted or copied from elsewhere, a run of bytes removed, the tail cut off.
QByteArray damaged(QByteArray data, std::mt19937& random) {
  static const char kSignificant[] = "{}\\'*; \r\n\t0123456789-abuxcfdinpr\x80\xb0\xff";
  for (int e = 1 + random() % 8; e > 0 && !data.isEmpty(); --e) {
    const qsizetype p = random() % data.size();
    const char c = kSignificant[random() % (sizeof(kSignificant) - 1)];
    switch (random() % 5) {
      case 0:
        data[p] = c;
        break;
      case 1:
        data.insert(p, c);
        break;
      case 2:
        data.remove(p, 1 + random() % 40);
        break;
      case 3:
        data.truncate(p);
        break;
      default:
        data.insert(p, data.mid(random() % data.size(), 1 + random() % 60));
    }
  }
  return data;
}

// The engine's test documents are RTF as word processors write it: each passes every check of
// the RTF target. So do damaged copies of them, hostile constructions and random bytes, unless
// they are refused for not starting as RTF.
TEST(FuzzEntryTest, RtfTestDocumentsAndDamagedRtfPassTheRtfChecks) {
  std::vector<QByteArray> inputs = {
      "{\\rtf1 a" + QByteArray(200000, '{') + "b" + QByteArray(1000, '}'),
      "{\\rtf1 " + QByteArray(100000, '}'),
      "{\\rtf1 \\uc2000000000 \\u945 " + QByteArray(100000, 'x') + "}y",
      "{\\rtf1 \\bin2147483647 abc",
      "{\\rtf1 {\\*" + QByteArray(50000, '{') + "}",
      "{\\rtf1 {\\fonttbl{\\f-5 ;}{\\f2147483647\\fcharset-1\\cpg-9 x;}}\\f-5 a\\f2147483647 b}",
      "{\\rtf1 {\\colortbl\\red-9\\green999\\blue;;;}\\cf-3 a\\cf2147483647 b\\highlight-1 c}",
      "{\\rtf1 \\u-2147483648 \\u2147483647 \\u-32768?\\u65535?}",
  };
  std::mt19937 random(99);
  for (int k = 0; k < 100; ++k) {
    inputs.push_back("{\\rtf1 ");
    for (int i = random() % 2000; i > 0; --i)
      inputs.back().append(static_cast<char>(random() & 0xFF));
  }
  const QDir dir(QStringLiteral(VANTREL_TEST_DATA_DIR "/rtf"));
  const QStringList names = dir.entryList({QStringLiteral("*.rtf")}, QDir::Files);
  ASSERT_FALSE(names.isEmpty());
  for (const QString& name : names) {
    const QByteArray document = readFile(dir.filePath(name));
    EXPECT_EQ(run("rtf", document), Outcome::Accepted) << name.toStdString();
    for (int k = 0; k < 100; ++k)
      inputs.push_back(damaged(document, random));
  }
  for (const QByteArray& input : inputs) {
    if (run("rtf", input) == Outcome::Refused) {
      EXPECT_FALSE(input.trimmed().startsWith("{\\rtf")) << input.left(60).toStdString();
    }
  }
}

}  // namespace
}  // namespace vantrel::fuzz

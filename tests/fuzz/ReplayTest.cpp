// Every input a fuzz target ever failed on, fed again through the target's entry function; and
// inputs whose outcome is known, to show that each entry still does its work.

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <cstring>
#include <ostream>
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

Outcome run(const Target& target, const QByteArray& input) {
  return target.entry(reinterpret_cast<const std::uint8_t*>(input.constData()),
                      static_cast<std::size_t>(input.size()));
}

const Target& targetNamed(const std::string& name) {
  for (const Target& target : kTargets)
    if (name == target.name) return target;
  throw std::invalid_argument("no fuzz target " + name);
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
  const Target& target = targetNamed(GetParam().target);
  const QByteArray input = readFile(GetParam().path);
  QElapsedTimer timer;
  timer.start();
  try {
    run(target, input);
  } catch (const std::exception& failure) {
    FAIL() << failure.what();
  }
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

struct Known {
  const char* target;
  QByteArray input;
  Outcome expected;
};

TEST(FuzzEntryTest, KnownInputsHaveTheirOutcome) {
  const Known known[] = {
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
  for (const Known& k : known) {
    SCOPED_TRACE(std::string(k.target) + ": " + k.input.left(40).toStdString());
    try {
      EXPECT_EQ(run(targetNamed(k.target), k.input), k.expected);
    } catch (const std::exception& failure) {
      ADD_FAILURE() << failure.what();
    }
  }
}

// The engine's own test documents are RTF as word processors write it: each must pass every
// check of the RTF target.
TEST(FuzzEntryTest, RtfTestDocumentsPassTheRtfChecks) {
  const QDir dir(QStringLiteral(VANTREL_TEST_DATA_DIR "/rtf"));
  const QStringList names = dir.entryList({QStringLiteral("*.rtf")}, QDir::Files);
  ASSERT_FALSE(names.isEmpty());
  for (const QString& name : names) {
    SCOPED_TRACE(name.toStdString());
    try {
      EXPECT_EQ(run(targetNamed("rtf"), readFile(dir.filePath(name))), Outcome::Accepted);
    } catch (const std::exception& failure) {
      ADD_FAILURE() << failure.what();
    }
  }
}

}  // namespace
}  // namespace vantrel::fuzz

// The RTF engine under arbitrary bytes. Beyond not crashing, the engine promises that its model
// keeps its invariants, that what it writes reads back as the same document, and that a slice is
// exactly the document that writing and loading its range gives; the loaders cut the data file on
// these promises.

#include <QString>

#include "entries/FuzzEntries.h"
#include "entries/Inputs.h"
#include "rtf/Document.h"
#include "rtf/RichText.h"

namespace vantrel::fuzz {
namespace {

using rtf::Document;
using rtf::RichText;

QString context(const char* what, int start, int length) {
  return QStringLiteral("%1 [%2, +%3]").arg(QLatin1String(what)).arg(start).arg(length);
}

// The message is built only for a finding: the checks run once per character.
template <typename Message>
void requireQ(bool holds, Message&& what) {
  if (!holds) throw FuzzFinding(QString(what()).toStdString());
}

// The invariants that Document.h states for every document the builder or a slice makes.
void checkModel(const Document& d, const QString& where) {
  const QString& text = d.text();
  const int size = d.length();
  std::size_t nextBreak = 0;
  for (int i = 0; i < size; ++i) {
    const QChar c = text[i];
    if (c == u'\r') {
      requireQ(i + 1 < size && text[i + 1] == u'\n', [&] { return where + ": CR without LF"; });
      requireQ(nextBreak < d.breaks().size() && d.breaks()[nextBreak].position == i,
               [&] { return where + QStringLiteral(": CR at %1 is not a listed break").arg(i); });
      ++nextBreak;
      ++i;
    } else {
      requireQ(c.unicode() >= 0x20 || c == u'\t', [&] {
        return where + QStringLiteral(": control character %1 at %2").arg(c.unicode()).arg(i);
      });
      if (c.isHighSurrogate()) {
        requireQ(i + 1 < size && text[i + 1].isLowSurrogate(),
                 [&] { return where + QStringLiteral(": lone high surrogate at %1").arg(i); });
        ++i;
      } else {
        requireQ(!c.isLowSurrogate(),
                 [&] { return where + QStringLiteral(": lone low surrogate at %1").arg(i); });
      }
    }
  }
  requireQ(nextBreak == d.breaks().size(),
           [&] { return where + ": a break lies outside the text"; });

  const auto& runs = d.runs();
  requireQ(runs.empty() == (size == 0), [&] { return where + ": runs do not match the text"; });
  for (std::size_t r = 0; r < runs.size(); ++r) {
    requireQ(r == 0 ? runs[r].start == 0 : runs[r - 1].start < runs[r].start,
             [&] { return where + QStringLiteral(": run %1 out of order").arg(r); });
    requireQ(runs[r].start < size,
             [&] { return where + QStringLiteral(": run %1 starts past the end").arg(r); });
    requireQ(r == 0 || !(runs[r - 1].format == runs[r].format), [&] {
      return where + QStringLiteral(": runs %1 and %2 have one format").arg(r - 1).arg(r);
    });
  }

  const auto& paragraphs = d.paragraphs();
  requireQ(!paragraphs.empty(), [&] { return where + ": no paragraph"; });
  requireQ(paragraphs.back().end == size,
           [&] { return where + ": the last paragraph does not end the text"; });
  for (std::size_t p = 0; p + 1 < paragraphs.size(); ++p) {
    const int end = paragraphs[p].end;
    requireQ(end >= 0 && end + 1 < size && text[end] == u'\r', [&] {
      return where + QStringLiteral(": paragraph %1 does not end at a break").arg(p);
    });
    requireQ(p == 0 || paragraphs[p - 1].end < end,
             [&] { return where + QStringLiteral(": paragraph %1 out of order").arg(p); });
  }
}

// What the engine writes: RTF from its first byte, 7-bit, balanced, nothing after the last brace.
void checkWritten(const QByteArray& rtf, const QString& where) {
  requireQ(rtf.startsWith("{\\rtf1"),
           [&] { return where + ": output does not start with {\\rtf1"; });
  int depth = 0;
  for (qsizetype i = 0; i < rtf.size(); ++i) {
    const auto b = static_cast<unsigned char>(rtf[i]);
    requireQ(b < 0x80,
             [&] { return where + QStringLiteral(": byte %1 at %2 in the output").arg(b).arg(i); });
    if (b == '\\') {
      ++i;  // the escaped character is text, not a brace
    } else if (b == '{') {
      ++depth;
    } else if (b == '}') {
      --depth;
      requireQ(depth >= 0, [&] { return where + ": unbalanced closing brace in the output"; });
      if (depth == 0) {
        requireQ(rtf.mid(i + 1).trimmed().isEmpty(),
                 [&] { return where + ": text after the last brace"; });
      }
    }
  }
  requireQ(depth == 0, [&] { return where + ": the output leaves a group open"; });
}

RichText readBack(const QByteArray& rtf, const QString& where) {
  checkWritten(rtf, where);
  try {
    return RichText::fromRtf(rtf);
  } catch (const rtf::RtfError&) {
    requireQ(false, [&] { return where + ": the engine refuses its own output"; });
  }
  return RichText();
}

void checkSlice(const RichText& doc, int start, int length) {
  const QString where = context("slice", start, length);
  const RichText piece = doc.slice(start, length);
  checkModel(piece.document(), where);

  const auto [first, last] = doc.document().clampRange(start, length);
  QString expected = doc.plainText().mid(first, last - first);
  if (expected.endsWith(QStringLiteral("\r\n"))) expected.chop(2);
  requireQ(piece.plainText() == expected,
           [&] { return where + ": plain text is not the range's"; });

  const RichText loaded = readBack(doc.rangeToRtf(start, length), where + " written");
  requireQ(loaded == piece, [&] { return where + ": differs from its written range read back"; });
  // Equal documents must also search alike (the case-folded text is not part of equality).
  const std::pair<int, int> tail = piece.document().clampRange(piece.length() - 4, 4);
  const QString needle = piece.plainText().mid(tail.first, tail.second - tail.first);
  requireQ(piece.find(needle, 0) == loaded.find(needle, 0),
           [&] { return where + ": searches differently from its written range read back"; });
  requireQ(readBack(piece.toRtf(), where + " rewritten") == piece,
           [&] { return where + ": does not read back the same once written whole"; });
}

void checkFind(const RichText& doc, int start, int length) {
  const std::pair<int, int> bounds = doc.document().clampRange(start, length);
  const int first = bounds.first;
  if (first == bounds.second) return;
  const QString needle = doc.plainText().mid(first, bounds.second - first);
  requireQ(doc.find(needle, first) == first, [&] {
    return context("find", first, static_cast<int>(needle.size())) +
           ": the text at that position is not found";
  });
}

}  // namespace

Outcome fuzzRtf(const std::uint8_t* data, std::size_t size) {
  RichText doc;
  try {
    doc = RichText::fromRtf(bytesOf(data, size));
  } catch (const rtf::RtfError&) {
    return Outcome::Refused;
  }
  checkModel(doc.document(), QStringLiteral("read"));

  const RichText again = readBack(doc.toRtf(), QStringLiteral("whole document"));
  checkModel(again.document(), QStringLiteral("read again"));
  require(again == doc, "the document written and read again differs from the one first read");

  Choices choose(data, size);
  const int length = doc.length();
  checkSlice(doc, 0, length);
  for (int n = 0; n < 4; ++n) {
    const int start = choose.between(-2, length + 2);
    checkSlice(doc, start, choose.between(-2, length - start + 3));
  }
  if (length > 0) {
    const int start = choose.between(0, length - 1);
    checkFind(doc, start, choose.between(1, 12));
  }
  return Outcome::Accepted;
}

}  // namespace vantrel::fuzz

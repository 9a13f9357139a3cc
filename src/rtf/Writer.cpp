#include "rtf/Writer.h"

#include <QHash>
#include <algorithm>
#include <vector>

namespace vantrel::rtf {

namespace {

quint32 packed(const Rgb& c) {
  return (quint32(c.red) << 16) | (quint32(c.green) << 8) | c.blue;
}

void appendNumber(QByteArray& out, const char* word, int value) {
  out.append(word);
  out.append(QByteArray::number(value));
}

// \uN? with N as a signed 16-bit number, as old readers expect.
void appendUnicode(QByteArray& out, char16_t unit) {
  appendNumber(out, "\\u", static_cast<qint16>(unit));
  out.append('?');
}

void appendEscapedUnit(QByteArray& out, char16_t c) {
  switch (c) {
    case u'\\':
      out.append("\\\\");
      return;
    case u'{':
      out.append("\\{");
      return;
    case u'}':
      out.append("\\}");
      return;
    case u'\t':
      out.append("\\tab ");
      return;
    case 0x00A0:
      out.append("\\~");
      return;
    case 0x2011:
      out.append("\\_");
      return;
  }
  if (c >= 0x20 && c < 0x7F) {
    out.append(char(c));
  } else if (c >= 0x7F) {
    appendUnicode(out, c);  // surrogates go out one by one, as a pair of \u
  }
  // Other control characters are dropped: the model never holds them.
}

// Font names: only the characters that would end or break the entry need escaping.
void appendFontName(QByteArray& out, const QString& name) {
  for (QChar c : name) {
    const char16_t u = c.unicode();
    if (u == u'\\' || u == u'{' || u == u'}') {
      out.append('\\');
      out.append(char(u));
    } else if (u >= 0x20 && u < 0x7F && u != u';') {
      out.append(char(u));
    } else if (u >= 0x7F) {
      appendUnicode(out, u);
    }
  }
}

const char* alignmentWord(Alignment a) {
  switch (a) {
    case Alignment::Center:
      return "\\qc";
    case Alignment::Right:
      return "\\qr";
    case Alignment::Justify:
      return "\\qj";
    case Alignment::Left:
      break;
  }
  return "";
}

// Fonts and colours of the written range, numbered as the tables will list them. Entry 0 is
// the document's default font. A document that named no font gets an entry 0 without a name:
// reading it back gives "not given" again, so the display's own font still applies, where any
// invented name would turn into a font the text never had.
class Tables {
 public:
  explicit Tables(const QString& defaultFont) { fonts_.push_back(defaultFont); }

  void collect(const CharFormat& f) {
    fontIndex(f.font);
    if (f.color) colorIndex(*f.color);
    if (f.background) colorIndex(*f.background);
  }

  int fontIndex(const QString& name) {
    // An unnamed font shares entry 0 when the document has no default font either.
    auto it = std::find(fonts_.begin(), fonts_.end(), name);
    if (it != fonts_.end()) return static_cast<int>(it - fonts_.begin());
    fonts_.push_back(name);
    return static_cast<int>(fonts_.size()) - 1;
  }

  int colorIndex(const Rgb& c) {
    const quint32 key = packed(c);
    auto it = colorIndexes_.constFind(key);
    if (it != colorIndexes_.constEnd()) return it.value();
    colors_.push_back(c);
    colorIndexes_.insert(key, static_cast<int>(colors_.size()));
    return static_cast<int>(colors_.size());
  }

  void write(QByteArray& out) const {
    out.append("{\\fonttbl");
    for (size_t i = 0; i < fonts_.size(); ++i) {
      appendNumber(out, "{\\f", static_cast<int>(i));
      out.append("\\fnil\\fcharset0 ");
      appendFontName(out, fonts_[i]);
      out.append(";}");
    }
    out.append("}\n{\\colortbl;");
    for (const Rgb& c : colors_) {
      appendNumber(out, "\\red", c.red);
      appendNumber(out, "\\green", c.green);
      appendNumber(out, "\\blue", c.blue);
      out.append(';');
    }
    out.append("}\n");
  }

 private:
  std::vector<QString> fonts_;
  QHash<quint32, int> colorIndexes_;
  std::vector<Rgb> colors_;
};

class BodyWriter {
 public:
  BodyWriter(const Document& doc, QByteArray& out, Tables& tables)
      : doc_(doc), out_(out), tables_(tables) {}

  void write(int first, int last, bool whole);

 private:
  void openRun(const CharFormat& f);
  void closeRun();
  void startParagraph(int index);

  const Document& doc_;
  QByteArray& out_;
  Tables& tables_;
  bool runOpen_ = false;
};

// Every run is a group holding all its properties, so it does not depend on what came before
// and a size that was never given stays not given.
void BodyWriter::openRun(const CharFormat& f) {
  if (runOpen_) return;
  appendNumber(out_, "{\\f", tables_.fontIndex(f.font));
  if (f.sizeGiven()) appendNumber(out_, "\\fs", f.size);
  if (f.bold) out_.append("\\b");
  if (f.italic) out_.append("\\i");
  if (f.underline) out_.append("\\ul");
  if (f.strike) out_.append("\\strike");
  if (f.color) appendNumber(out_, "\\cf", tables_.colorIndex(*f.color));
  if (f.background) appendNumber(out_, "\\highlight", tables_.colorIndex(*f.background));
  if (f.position == VerticalPosition::Superscript) out_.append("\\super");
  if (f.position == VerticalPosition::Subscript) out_.append("\\sub");
  if (f.hidden) out_.append("\\v");
  out_.append(' ');
  runOpen_ = true;
}

void BodyWriter::closeRun() {
  if (runOpen_) out_.append('}');
  runOpen_ = false;
}

void BodyWriter::startParagraph(int index) {
  out_.append("\\pard");
  out_.append(alignmentWord(doc_.paragraphs()[index].alignment));
  out_.append(' ');
}

void BodyWriter::write(int first, int last, bool whole) {
  const QString& text = doc_.text();
  const auto& runs = doc_.runs();
  const auto& breaks = doc_.breaks();
  int paragraph = doc_.paragraphIndexAt(first);
  auto br = std::lower_bound(breaks.begin(), breaks.end(), first,
                             [](const Break& b, int value) { return b.position < value; });
  startParagraph(paragraph);
  int run = first < last ? doc_.runIndexAt(first) : 0;
  for (int pos = first; pos < last; ++pos) {
    if (run + 1 < static_cast<int>(runs.size()) && runs[run + 1].start == pos) {
      closeRun();
      ++run;
    }
    openRun(runs[run].format);
    if (br != breaks.end() && br->position == pos) {
      ++pos;  // the LF of the CR LF
      if (br->kind == BreakKind::Line) {
        out_.append("\\line ");
      } else {
        out_.append("\\par");
        closeRun();
        out_.append('\n');
        ++paragraph;
        if (pos + 1 < last || whole) startParagraph(paragraph);
      }
      ++br;
    } else {
      appendEscapedUnit(out_, text[pos].unicode());
    }
  }
  closeRun();
}

QByteArray write(const Document& doc, int first, int last, bool whole) {
  Tables tables(doc.defaultFont());
  if (first < last) {
    const auto& runs = doc.runs();
    for (int r = doc.runIndexAt(first); r < static_cast<int>(runs.size()) && runs[r].start < last;
         ++r) {
      tables.collect(runs[r].format);
    }
  }
  QByteArray out;
  out.reserve((last - first) * 2 + 256);
  out.append("{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n");
  tables.write(out);
  BodyWriter(doc, out, tables).write(first, last, whole);
  if (whole) out.append("\\par\n");  // the final paragraph mark
  out.append('}');
  return out;
}

}  // namespace

QByteArray writeDocument(const Document& doc) {
  return write(doc, 0, doc.length(), true);
}

QByteArray writeRange(const Document& doc, int start, int length) {
  const auto [first, last] = doc.clampRange(start, length);
  return write(doc, first, last, false);
}

}  // namespace vantrel::rtf

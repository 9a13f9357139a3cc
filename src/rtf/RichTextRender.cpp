#include "rtf/RichTextRender.h"

#include "rtf/Document.h"

#include <QColor>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace vantrel::rtf {

namespace {

Qt::Alignment toQt(Alignment a) {
  switch (a) {
    case Alignment::Center:
      return Qt::AlignHCenter;
    case Alignment::Right:
      return Qt::AlignRight;
    case Alignment::Justify:
      return Qt::AlignJustify;
    case Alignment::Left:
      break;
  }
  return Qt::AlignLeft;
}

QColor toQt(const Rgb& c) {
  return QColor(c.red, c.green, c.blue);
}

QTextCharFormat toQt(const CharFormat& f, const QFont& defaultFont) {
  QTextCharFormat out;
  out.setFontFamilies({f.fontGiven() ? f.font : defaultFont.family()});
  out.setFontPointSize(f.sizeGiven() ? f.size / 2.0 : defaultFont.pointSizeF());
  out.setFontWeight(f.bold ? QFont::Bold : QFont::Normal);
  out.setFontItalic(f.italic);
  out.setFontUnderline(f.underline);
  out.setFontStrikeOut(f.strike);
  if (f.color) out.setForeground(toQt(*f.color));
  if (f.background) out.setBackground(toQt(*f.background));
  if (f.position == VerticalPosition::Superscript) {
    out.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
  } else if (f.position == VerticalPosition::Subscript) {
    out.setVerticalAlignment(QTextCharFormat::AlignSubScript);
  }
  return out;
}

// The characters [from, to) of one paragraph, run by run; a line break becomes the toolkit's
// line separator so that it stays inside the paragraph.
void insertParagraphText(const Document& doc, int from, int to, QTextCursor& cursor,
                         const QFont& defaultFont) {
  const QString& text = doc.text();
  const auto& runs = doc.runs();
  for (int r = from < to ? doc.runIndexAt(from) : static_cast<int>(runs.size());
       r < static_cast<int>(runs.size()) && runs[r].start < to; ++r) {
    const int start = std::max(runs[r].start, from);
    const int end = r + 1 < static_cast<int>(runs.size()) ? std::min(runs[r + 1].start, to) : to;
    if (runs[r].format.hidden) continue;
    QString piece = text.mid(start, end - start);
    piece.replace(QLatin1String("\r\n"), QString(QChar::LineSeparator));
    cursor.insertText(piece, toQt(runs[r].format, defaultFont));
  }
}

}  // namespace

void renderRichText(const RichText& text, QTextDocument& target, const QFont& defaultFont) {
  const Document& doc = text.document();
  target.clear();
  target.setDefaultFont(defaultFont);
  QTextCursor cursor(&target);
  const auto& paragraphs = doc.paragraphs();
  for (int p = 0; p < static_cast<int>(paragraphs.size()); ++p) {
    QTextBlockFormat block;
    block.setAlignment(toQt(paragraphs[p].alignment));
    if (p == 0) {
      cursor.setBlockFormat(block);
    } else {
      cursor.insertBlock(block);
    }
    insertParagraphText(doc, doc.paragraphStart(p), paragraphs[p].end, cursor, defaultFont);
  }
}

}  // namespace vantrel::rtf

// Rich text shown through the toolkit's text document: formatting, alignment and the box's own
// font for text that names none.

#include "TestSupport.h"
#include "rtf/RichTextRender.h"

#include <gtest/gtest.h>
#include <QGuiApplication>
#include <QTextBlock>
#include <QTextDocument>

namespace vantrel::rtf {
namespace {

using namespace Qt::StringLiterals;

QFont boxFont() {
  QFont font(u"Courier New"_s);
  font.setPointSizeF(9.75);
  return font;
}

// The character format at the first character of `word` in the rendered document.
QTextCharFormat formatAt(const QTextDocument& doc, const QString& word) {
  const QTextCursor found = doc.find(word);
  EXPECT_FALSE(found.isNull()) << word.toStdString();
  QTextCursor cursor(const_cast<QTextDocument*>(&doc));
  cursor.setPosition(found.selectionStart() + 1);  // the format of the character before
  return cursor.charFormat();
}

TEST(Render, CarriesCharacterFormattingAndScripts) {
  QTextDocument doc;
  renderRichText(RichText::fromRtf(fixtureRtf("lo-02-formatting")), doc, boxFont());
  EXPECT_EQ(formatAt(doc, u"Normal"_s).fontFamilies().toStringList(),
            QStringList{u"Liberation Serif"_s});
  EXPECT_DOUBLE_EQ(formatAt(doc, u"Normal"_s).fontPointSize(), 12.0);
  EXPECT_EQ(formatAt(doc, u"bold,"_s).fontWeight(), QFont::Bold);
  EXPECT_EQ(formatAt(doc, u"Normal"_s).fontWeight(), QFont::Normal);
  EXPECT_TRUE(formatAt(doc, u"italic,"_s).fontItalic());
  EXPECT_TRUE(formatAt(doc, u"underlined"_s).fontUnderline());
  EXPECT_TRUE(formatAt(doc, u"struck"_s).fontStrikeOut());
  EXPECT_EQ(formatAt(doc, u"red"_s).foreground().color(), QColor(255, 0, 0));
  EXPECT_EQ(formatAt(doc, u"highlighted"_s).background().color(), QColor(255, 255, 0));
  EXPECT_DOUBLE_EQ(formatAt(doc, u"16 pt"_s).fontPointSize(), 16.0);
  EXPECT_EQ(formatAt(doc, u"mono font"_s).fontFamilies().toStringList(),
            QStringList{u"Liberation Mono"_s});
  renderRichText(RichText::fromRtf(fixtureRtf("pandoc-04-supersub")), doc, boxFont());
  EXPECT_EQ(formatAt(doc, u"3/s"_s).verticalAlignment(), QTextCharFormat::AlignSuperScript);
  EXPECT_EQ(formatAt(doc, u"1 "_s).verticalAlignment(), QTextCharFormat::AlignSubScript);
}

TEST(Render, TextWithoutFontOrSizeTakesTheBoxFont) {
  QTextDocument doc;
  renderRichText(RichText::fromPlainText(u"plain tip"), doc, boxFont());
  const QTextCharFormat f = formatAt(doc, u"plain"_s);
  EXPECT_EQ(f.fontFamilies().toStringList(), QStringList{u"Courier New"_s});
  EXPECT_DOUBLE_EQ(f.fontPointSize(), 9.75);

  // pandoc names a font but never a size.
  renderRichText(RichText::fromRtf(fixtureRtf("pandoc-02-formatting")), doc, boxFont());
  EXPECT_EQ(formatAt(doc, u"Normal"_s).fontFamilies().toStringList(), QStringList{u"Helvetica"_s});
  EXPECT_DOUBLE_EQ(formatAt(doc, u"Normal"_s).fontPointSize(), 9.75);
}

TEST(Render, ParagraphsLineBreaksAndAlignment) {
  QTextDocument doc;
  renderRichText(RichText::fromRtf(fixtureRtf("lo-08-lists-fields")), doc, boxFont());
  EXPECT_EQ(doc.blockCount(), 9);
  EXPECT_EQ(doc.find(u"Centred"_s).block().blockFormat().alignment(), Qt::AlignHCenter);
  EXPECT_EQ(doc.find(u"Right-aligned"_s).block().blockFormat().alignment(), Qt::AlignRight);
  EXPECT_EQ(doc.find(u"Justified"_s).block().blockFormat().alignment(), Qt::AlignJustify);

  renderRichText(load(R"({\rtf1 one\line two\par three})"), doc, boxFont());
  EXPECT_EQ(doc.blockCount(), 2);
  EXPECT_EQ(doc.firstBlock().text(), u"one\u2028two"_s);
  renderRichText(load(R"({\rtf1 a{\v hid}den{\fs21 x}})"), doc, boxFont());  // hidden: not shown
  EXPECT_EQ(doc.toPlainText(), u"adenx"_s);
  EXPECT_DOUBLE_EQ(formatAt(doc, u"x"_s).fontPointSize(), 10.5);
}

}  // namespace
}  // namespace vantrel::rtf

int main(int argc, char** argv) {
  // Rendering needs fonts but no screen; test discovery runs without the test environment.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

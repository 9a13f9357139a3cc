#include "rtf/ControlWords.h"

#include <string_view>
#include <unordered_map>

namespace vantrel::rtf {

namespace {

using Table = std::unordered_map<std::string_view, WordInfo>;

// Groups that hold text which must not leak into the document: tables and properties,
// headers and notes, pictures and objects, field instructions, list labels, bookmarks.
constexpr std::string_view kSkippedDestinations[] = {"stylesheet",
                                                     "listtable",
                                                     "listoverridetable",
                                                     "revtbl",
                                                     "rsidtbl",
                                                     "info",
                                                     "title",
                                                     "subject",
                                                     "author",
                                                     "operator",
                                                     "keywords",
                                                     "comment",
                                                     "doccomm",
                                                     "company",
                                                     "creatim",
                                                     "revtim",
                                                     "printim",
                                                     "buptim",
                                                     "generator",
                                                     "userprops",
                                                     "docvar",
                                                     "xmlnstbl",
                                                     "template",
                                                     "filetbl",
                                                     "pgdsctbl",
                                                     "latentstyles",
                                                     "themedata",
                                                     "colorschememapping",
                                                     "datastore",
                                                     "mmathPr",
                                                     "defchp",
                                                     "defpap",
                                                     "fchars",
                                                     "lchars",
                                                     "protusertbl",
                                                     "passwordhash",
                                                     "private",
                                                     "header",
                                                     "headerl",
                                                     "headerr",
                                                     "headerf",
                                                     "footer",
                                                     "footerl",
                                                     "footerr",
                                                     "footerf",
                                                     "footnote",
                                                     "ftnsep",
                                                     "ftnsepc",
                                                     "ftncn",
                                                     "aftnsep",
                                                     "aftnsepc",
                                                     "aftncn",
                                                     "annotation",
                                                     "atnid",
                                                     "atnauthor",
                                                     "atndate",
                                                     "atnref",
                                                     "atnparent",
                                                     "atrfstart",
                                                     "atrfend",
                                                     "pict",
                                                     "shppict",
                                                     "nonshppict",
                                                     "shp",
                                                     "shpgrp",
                                                     "shpinst",
                                                     "shprslt",
                                                     "shptxt",
                                                     "sp",
                                                     "sn",
                                                     "sv",
                                                     "object",
                                                     "objdata",
                                                     "objclass",
                                                     "objname",
                                                     "result",
                                                     "do",
                                                     "dptxbxtext",
                                                     "mmath",
                                                     "moMath",
                                                     "moMathPara",
                                                     "fldinst",
                                                     "datafield",
                                                     "formfield",
                                                     "listtext",
                                                     "pntext",
                                                     "pn",
                                                     "pnseclvl",
                                                     "pntxta",
                                                     "pntxtb",
                                                     "listpicture",
                                                     "bkmkstart",
                                                     "bkmkend",
                                                     "xe",
                                                     "tc",
                                                     "tcn",
                                                     "txe",
                                                     "rxe",
                                                     "pxe",
                                                     "nonesttables",
                                                     "panose",
                                                     "falt",
                                                     "fname",
                                                     "fontemb",
                                                     "fontfile"};

struct Special {
  std::string_view name;
  char16_t character;
};
constexpr Special kSpecials[] = {
    {"emdash", 0x2014},  {"endash", 0x2013},    {"bullet", 0x2022},    {"lquote", 0x2018},
    {"rquote", 0x2019},  {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"emspace", 0x2003},
    {"enspace", 0x2002}, {"qmspace", 0x2005},   {"zwj", 0x200D},       {"zwnj", 0x200C},
    {"zwbo", 0x200B},    {"zwnbo", 0x2060},     {"ltrmark", 0x200E},   {"rtlmark", 0x200F}};

struct Named {
  std::string_view name;
  WordAction action;
};
constexpr Named kActions[] = {
    {"ansi", WordAction::Ansi},
    {"mac", WordAction::Mac},
    {"pc", WordAction::Pc},
    {"pca", WordAction::Pca},
    {"ansicpg", WordAction::AnsiCodePage},
    {"deff", WordAction::DefaultFont},
    {"fonttbl", WordAction::FontTable},
    {"colortbl", WordAction::ColorTable},
    {"upr", WordAction::UnicodeAlternatives},
    {"fcharset", WordAction::FontCharset},
    {"cpg", WordAction::FontCodePage},
    {"par", WordAction::ParagraphMark},
    {"sect", WordAction::OtherParagraphMark},
    {"page", WordAction::OtherParagraphMark},
    {"column", WordAction::OtherParagraphMark},
    {"line", WordAction::LineBreak},
    {"tab", WordAction::Tab},
    {"cell", WordAction::Cell},
    {"nestcell", WordAction::Cell},
    {"row", WordAction::Row},
    {"nestrow", WordAction::Row},
    {"u", WordAction::Unicode},
    {"uc", WordAction::UnicodeSkipCount},
    {"plain", WordAction::Plain},
    {"f", WordAction::Font},
    {"fs", WordAction::FontSize},
    {"b", WordAction::Bold},
    {"i", WordAction::Italic},
    {"ulnone", WordAction::UnderlineNone},
    {"strike", WordAction::Strike},
    {"striked", WordAction::Strike},
    {"v", WordAction::Hidden},
    {"cf", WordAction::Color},
    {"highlight", WordAction::Background},
    {"cb", WordAction::Background},
    {"chcbpat", WordAction::Background},
    {"super", WordAction::Superscript},
    {"sub", WordAction::Subscript},
    {"up", WordAction::Raise},
    {"dn", WordAction::Lower},
    {"nosupersub", WordAction::Baseline},
    {"pard", WordAction::ParagraphDefaults},
    {"ql", WordAction::AlignLeft},
    {"qc", WordAction::AlignCenter},
    {"qr", WordAction::AlignRight},
    {"qj", WordAction::AlignJustify},
    {"qd", WordAction::AlignJustify},
    {"qk", WordAction::AlignJustify},
    {"qt", WordAction::AlignJustify},
    {"red", WordAction::Red},
    {"green", WordAction::Green},
    {"blue", WordAction::Blue},
};

// All underline styles read as plain underline; the underline colour (\ulc) is not one.
constexpr std::string_view kUnderlines[] = {
    "ul",         "uld",       "uldash",     "uldashd", "uldashdd", "uldb",
    "ulhwave",    "ulldash",   "ulth",       "ulthd",   "ulthdash", "ulthdashd",
    "ulthdashdd", "ulthldash", "ululdbwave", "ulw",     "ulwave"};

Table buildTable() {
  Table table;
  for (std::string_view name : kSkippedDestinations)
    table[name] = {WordAction::SkipDestination};
  for (const Special& s : kSpecials)
    table[s.name] = {WordAction::Character, s.character};
  for (const Named& n : kActions)
    table[n.name] = {n.action};
  for (std::string_view name : kUnderlines)
    table[name] = {WordAction::Underline};
  return table;
}

}  // namespace

WordInfo lookupWord(QByteArrayView name) {
  static const Table table = buildTable();
  auto it = table.find(std::string_view(name.data(), static_cast<size_t>(name.size())));
  return it == table.end() ? WordInfo{} : it->second;
}

}  // namespace vantrel::rtf

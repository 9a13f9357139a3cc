#include "app/RowLines.h"

#include <algorithm>
#include <limits>

#include "calc/CaptionText.h"
#include "pages/PageDataForm.h"
#include "tables/Water.h"
#include "tables/Words.h"

namespace vantrel::app {

namespace {

constexpr std::size_t kRankedRows = 100;

const QString kWaterPrompt = QStringLiteral(u"Water at … °C");

bool offersWater(const tables::TableList& tables) {
  return std::any_of(tables.begin(), tables.end(), [](const tables::Table* t) { return t->water; });
}

// Whether the words name water at a temperature the tables compute.
bool namesWaterTemperature(const QString& words) {
  const std::optional<double> celsius = tables::temperatureIn(words);
  return celsius && *celsius >= tables::kWaterLowestCelsius &&
         *celsius <= tables::kWaterHighestCelsius;
}

}  // namespace

RowLines::RowLines(pages::PageDataForm& form, Integer row, tables::TableList served)
    : form_(form), row_(row), served_(std::move(served)) {}

void RowLines::filter(const QString& words) {
  found_ = tables::search(words, served_);
  // Rows that hold the words whole, and leave the fewest of their own unnamed, come first: "6 40"
  // puts steel's Sch 40 before stainless 40S and PVC's Sch 40 PVC. A long list is left in the
  // tables' order: ranking it would cost a keystroke more than the next key, which narrows it.
  const tables::Search search = tables::searchOf(words);
  if (!search.empty() && found_.size() <= kRankedRows) {
    std::vector<std::pair<int, std::size_t>> ranks;
    for (std::size_t i = 0; i < found_.size(); ++i) {
      const int d = tables::distance(search, found_[i].name);
      ranks.emplace_back(d < 0 ? std::numeric_limits<int>::max() : d, i);
    }
    std::stable_sort(ranks.begin(), ranks.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<tables::Found> ranked;
    ranked.reserve(found_.size());
    for (const auto& rank : ranks)
      ranked.push_back(std::move(found_[rank.second]));
    found_ = std::move(ranked);
  }
  prompt_ = offersWater(served_) && !namesWaterTemperature(words) &&
            tables::fitsWordStarts(tables::searchOf(words), tables::wordsOf(kWaterPrompt));
}

int RowLines::count() const {
  return static_cast<int>(found_.size()) + (prompt_ ? 1 : 0);
}

const tables::Found* RowLines::found(int line) const {
  const int at = line - (prompt_ ? 1 : 0);
  if (at < 0 || at >= static_cast<int>(found_.size())) return nullptr;
  return &found_[static_cast<std::size_t>(at)];
}

QString RowLines::cell(int line, int column) const {
  const tables::Found* f = found(line);
  if (f == nullptr) {
    const QString prompt[] = {kWaterPrompt + QStringLiteral(": type a temperature"), QString(),
                              tables::waterSource()};
    return prompt[column];
  }
  if (column == 0) return f->name;
  if (column == 2) return f->source;
  const calc::PageSession session = form_.session();
  const QString value = session.textInUnit(row_, f->siValue()).trimmed();
  const QString unit = session.unitName(row_).trimmed();
  return unit.isEmpty() || value.isEmpty() ? value : value + u' ' + unit;
}

QString RowLines::name() const {
  const QString variable =
      calc::variableName(form_.tables.VarCaptionRTF(form_.tables.CurPage, row_).plainText());
  if (served_.size() == 1) return variable + QStringLiteral(": ") + served_.front()->title;
  // "Pipe sizes: steel, ASME B36.10M; stainless steel, ASME B36.19M": a kind all the titles
  // begin with is said once.
  const QString first = served_.front()->title;
  const QString kind = first.left(first.indexOf(QStringLiteral(": ")) + 2);
  QStringList titles;
  for (const tables::Table* table : served_) {
    const bool sameKind = kind.size() > 2 && table->title.startsWith(kind);
    titles << (sameKind && !titles.isEmpty() ? table->title.mid(kind.size()) : table->title);
  }
  return variable + QStringLiteral(": ") + titles.join(QStringLiteral("; "));
}

}  // namespace vantrel::app

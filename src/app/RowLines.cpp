#include "app/RowLines.h"

#include <algorithm>

#include "calc/CaptionText.h"
#include "pages/PageDataForm.h"
#include "tables/Water.h"
#include "tables/Words.h"

namespace vantrel::app {

namespace {

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
    const QString prompt[] = {kWaterPrompt, QStringLiteral("type a temperature"),
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
  const QString variable = calc::variableName(
      form_.tables.VarCaptionRTF(form_.tables.CurPage, row_).plainText());
  if (served_.size() == 1) return variable + QStringLiteral(": ") + served_.front()->title;
  QStringList titles;
  for (const tables::Table* table : served_)
    titles << table->title;
  return variable + QStringLiteral(": ") + titles.join(QStringLiteral("; "));
}

}  // namespace vantrel::app

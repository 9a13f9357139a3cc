#pragma once
// A CalcUi without a window: records every status text, question and critical message, and
// answers the questions from a script (then with a default answer).

#include <QString>
#include <deque>
#include <vector>

#include "calc/CalcUi.h"

namespace vantrel::calc::testing {

class FakeCalcUi : public CalcUi {
 public:
  explicit FakeCalcUi(bool defaultAnswer = false) : defaultAnswer_(defaultAnswer) {}

  void setStatusText(const QString& text) override { statusTexts.push_back(text); }
  bool askYesNo(const QString& text) override {
    questions.push_back(text);
    if (answers.empty()) return defaultAnswer_;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void showCritical(const QString& text) override { criticals.push_back(text); }

  std::deque<bool> answers;  // consumed in order by askYesNo
  std::vector<QString> statusTexts;
  std::vector<QString> questions;
  std::vector<QString> criticals;

 private:
  bool defaultAnswer_;
};

}  // namespace vantrel::calc::testing

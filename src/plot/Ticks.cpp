#include "plot/Ticks.h"

#include <algorithm>
#include <cmath>

namespace vantrel::plot {

namespace {

// Lets a tick on a bound count although the bound was computed with rounding.
constexpr double kSlack = 1e-6;
// Beyond these decades a logarithmic label is written as a power of ten.
constexpr int kPlainFrom = -4;
constexpr int kPlainTo = 5;

QString superscript(int n) {
  static const char16_t kDigits[] = u"\u2070\u00b9\u00b2\u00b3\u2074\u2075\u2076\u2077\u2078\u2079";
  QString text = n < 0 ? QString(QChar(u'\u207b')) : QString();
  for (const QChar c : QString::number(std::abs(n)))
    text += QChar(kDigits[c.digitValue()]);
  return text;
}

// A value m x 10^e of a logarithmic axis (m 1 ... 9).
QString logLabel(int m, int e, bool powers) {
  if (!powers) return QString::number(m * std::pow(10.0, e), 'f', std::max(0, -e));
  const QString power = QStringLiteral("10") + superscript(e);
  return m == 1 ? power : QString::number(m) + u'\u00d7' + power;
}

std::vector<Tick> linearTicks(double low, double high, int most) {
  const double span = high - low;
  if (!(span > 0) || !std::isfinite(span)) return {};
  double step = std::pow(10.0, std::floor(std::log10(span / most)));
  for (const double m : {1.0, 2.0, 5.0, 10.0}) {
    if (std::floor(high / (m * step) + kSlack) - std::ceil(low / (m * step) - kSlack) + 1 <= most) {
      step *= m;
      break;
    }
  }
  const int decimals = std::max(0, -static_cast<int>(std::floor(std::log10(step) + kSlack)));
  std::vector<Tick> ticks;
  for (double k = std::ceil(low / step - kSlack); k * step <= high + span * kSlack; ++k) {
    const double v = std::fabs(k) < 0.5 ? 0.0 : k * step;  // no "-0"
    ticks.push_back({v, QString::number(v, 'f', decimals)});
  }
  return ticks;
}

bool within(double v, double low, double high) {
  return v >= low * (1 - kSlack) && v <= high * (1 + kSlack);
}

}  // namespace

std::vector<Tick> axisTicks(double low, double high, curves::Scale scale, int most) {
  most = std::max(most, 2);
  if (scale == curves::Scale::Linear || !(low > 0) || !(high > low))
    return linearTicks(low, high, most);
  const int first = static_cast<int>(std::floor(std::log10(low) + kSlack));
  const int last = static_cast<int>(std::floor(std::log10(high) + kSlack));
  const bool powers = first < kPlainFrom || last > kPlainTo;
  // The labelled multiples: 1, 2 and 5 where they fit, else every decade, else every n-th.
  std::vector<int> multiples{1, 2, 5};
  int every = 1;
  const auto labelled = [&](int m, int e) {
    return std::find(multiples.begin(), multiples.end(), m) != multiples.end() &&
           ((e % every) + every) % every == 0;
  };
  const auto labels = [&] {
    int n = 0;
    for (int e = first; e <= last; ++e)
      for (const int m : multiples)
        n += labelled(m, e) && within(m * std::pow(10.0, e), low, high);
    return n;
  };
  if (labels() > most) multiples = {1};
  while (labels() > most)
    ++every;
  if (labels() < 2) return linearTicks(low, high, most);
  // Minor ticks only where a decade has room for them.
  const bool minors = last - first <= most;
  std::vector<Tick> ticks;
  for (int e = first; e <= last; ++e) {
    for (int m = 1; m <= 9; ++m) {
      const double v = m * std::pow(10.0, e);
      if (!within(v, low, high)) continue;
      if (labelled(m, e))
        ticks.push_back({v, logLabel(m, e, powers)});
      else if (minors)
        ticks.push_back({v, QString()});
    }
  }
  return ticks;
}

}  // namespace vantrel::plot

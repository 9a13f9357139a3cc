#include "plot/Painter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "plot/AxisMap.h"
#include "plot/Ticks.h"

namespace vantrel::plot {

namespace {

using curves::Figure;
using curves::Role;
using curves::Series;

constexpr QColor kInk(30, 30, 30);
constexpr QColor kFrame(90, 90, 90);
constexpr QColor kMajorGrid(205, 205, 205);
constexpr QColor kMinorGrid(235, 235, 235);
constexpr QColor kBandColours[] = {QColor(255, 165, 0, 70), QColor(130, 90, 210, 60),
                                   QColor(0, 160, 160, 60)};

QColor bandColour(std::size_t i) {
  return kBandColours[i % std::size(kBandColours)];
}

QPen seriesPen(Role role, qreal line) {
  switch (role) {
    case Role::Main:
      return QPen(QColor(0, 90, 181), line * 2.2);
    case Role::Second:
      return QPen(QColor(200, 60, 40), line * 2, Qt::DashLine);
    case Role::Family:
      return QPen(QColor(120, 120, 120), line);
    case Role::Reference:
      break;
  }
  return QPen(kInk, line * 1.6);
}

bool inLegend(const Figure& fig, const Series& s) {
  const auto named = std::count_if(fig.series.begin(), fig.series.end(), [](const Series& x) {
    return x.role != Role::Family && !x.name.isEmpty();
  });
  return named > 1 && s.role != Role::Family && !s.name.isEmpty();
}

class FigurePainter {
 public:
  FigurePainter(QPainter& p, const QRectF& area, const Figure& fig, qreal em)
      : p_(p), area_(area), fig_(fig), em_(em), font_(QString::fromLatin1(kFontFamily)) {
    font_.setPixelSize(std::max(1, qRound(em)));
    p_.setFont(font_);
    line_ = em / 12;
  }

  void paint();

 private:
  QFontMetricsF metrics() const { return QFontMetricsF(font_, p_.device()); }
  qreal textWidth(const QString& text) const { return metrics().horizontalAdvance(text); }
  void layout();
  qreal legendHeight(qreal width) const;
  void drawGrid(const AxisMap& x, const AxisMap& y);
  void drawBands(const AxisMap& x);
  void drawSeries(const AxisMap& x, const AxisMap& y);
  void drawFamilyLabels();
  void drawMarkers(const AxisMap& x, const AxisMap& y);
  void drawTitles();
  void drawLegend();
  void drawNote();
  QRectF placeLabel(QPointF at, const QString& text) const;

  QPainter& p_;
  QRectF area_;
  const Figure& fig_;
  qreal em_;
  qreal line_;
  QFont font_;
  QRectF box_;
  std::vector<Tick> xTicks_, yTicks_;
  qreal yLabelWidth_ = 0;
  std::vector<QPointF> drawn_;                   // points of the named lines, for placing labels
  std::vector<std::pair<qreal, QString>> ends_;  // where each family line leaves the box
  std::vector<QRectF> labels_;                   // labels placed so far
};

qreal FigurePainter::legendHeight(qreal width) const {
  qreal x = 0;
  int rows = 0;
  const auto entry = [&](const QString& text) {
    const qreal w = 2.6 * em_ + textWidth(text);
    if (rows == 0 || x + w > width) {
      ++rows;
      x = 0;
    }
    x += w + em_;
  };
  for (const curves::Band& b : fig_.bands)
    entry(b.legend);
  for (const Series& s : fig_.series)
    if (inLegend(fig_, s)) entry(s.name);
  return rows * metrics().height() * 1.35;
}

void FigurePainter::layout() {
  const QFontMetricsF fm = metrics();
  const qreal top = fig_.title.isEmpty() ? em_ : fm.height() * 2;
  qreal right = em_ * 1.5;
  for (const Series& s : fig_.series)
    if (s.role == Role::Family) right = std::max(right, textWidth(s.name) + em_ * 0.8);
  const qreal legend = legendHeight(area_.width() - 2 * em_);
  const qreal bottom = fm.height() * 2.9 + legend + (legend > 0 ? em_ * 0.6 : 0);
  const qreal height = area_.height() - top - bottom;
  // Ticked as drawn: an axis without extent is widened, a logarithmic one that cannot be is linear.
  const AxisMap xAxis(fig_.x, 0, 1), yAxis(fig_.y, 0, 1);
  const auto scale = [](const AxisMap& m) {
    return m.logarithmic() ? curves::Scale::Log : curves::Scale::Linear;
  };
  yTicks_ = axisTicks(yAxis.low(), yAxis.high(), scale(yAxis),
                      std::max(2, static_cast<int>(height / (fm.height() * 2.2))));
  for (const Tick& t : yTicks_)
    yLabelWidth_ = std::max(yLabelWidth_, textWidth(t.label));
  const qreal left = fm.height() * 1.8 + yLabelWidth_ + em_ * 0.6;
  box_ = area_.adjusted(left, top, -right, -bottom);
  // As many x labels as fit with a gap of two letters between them.
  const qreal widest = std::max({textWidth(QString::number(fig_.x.low, 'g', 4)),
                                 textWidth(QString::number(fig_.x.high, 'g', 4)), 2 * em_});
  xTicks_ = axisTicks(xAxis.low(), xAxis.high(), scale(xAxis),
                      std::max(2, static_cast<int>(box_.width() / (widest + 2 * em_))));
}

void FigurePainter::drawGrid(const AxisMap& x, const AxisMap& y) {
  const QFontMetricsF fm = metrics();
  for (const bool major : {false, true}) {
    p_.setPen(QPen(major ? kMajorGrid : kMinorGrid, line_));
    for (const Tick& t : xTicks_)
      if (t.label.isEmpty() != major)
        p_.drawLine(QPointF(x(t.value), box_.top()), QPointF(x(t.value), box_.bottom()));
    for (const Tick& t : yTicks_)
      if (t.label.isEmpty() != major)
        p_.drawLine(QPointF(box_.left(), y(t.value)), QPointF(box_.right(), y(t.value)));
  }
  p_.setPen(kInk);
  for (const Tick& t : xTicks_) {
    if (t.label.isEmpty()) continue;
    const qreal w = textWidth(t.label);
    p_.drawText(QPointF(x(t.value) - w / 2, box_.bottom() + em_ * 0.4 + fm.ascent()), t.label);
  }
  for (const Tick& t : yTicks_) {
    if (t.label.isEmpty()) continue;
    const qreal w = textWidth(t.label);
    p_.drawText(
        QPointF(box_.left() - em_ * 0.4 - w, y(t.value) + fm.ascent() / 2 - fm.descent() / 2),
        t.label);
  }
}

void FigurePainter::drawBands(const AxisMap& x) {
  for (std::size_t i = 0; i < fig_.bands.size(); ++i) {
    const curves::Band& b = fig_.bands[i];
    const qreal from = std::clamp(x(b.from), box_.left(), box_.right());
    const qreal to = std::clamp(x(b.to), box_.left(), box_.right());
    p_.fillRect(
        QRectF(QPointF(std::min(from, to), box_.top()), QPointF(std::max(from, to), box_.bottom())),
        bandColour(i));
  }
}

void FigurePainter::drawSeries(const AxisMap& x, const AxisMap& y) {
  // Families first, so that the named lines are drawn over them.
  std::vector<const Series*> order;
  for (const Series& s : fig_.series)
    order.push_back(&s);
  std::stable_partition(order.begin(), order.end(),
                        [](const Series* s) { return s->role == Role::Family; });
  for (const Series* s : order) {
    p_.setPen(seriesPen(s->role, line_));
    QPolygonF run;
    const auto flush = [&] {
      if (run.size() > 1) p_.drawPolyline(run);
      if (s->role != Role::Family) drawn_.insert(drawn_.end(), run.begin(), run.end());
      run.clear();
    };
    std::optional<QPointF> last;
    for (const QPointF& v : s->points) {
      if (!x.places(v.x()) || !y.places(v.y())) {
        flush();
        last.reset();
        continue;
      }
      const QPointF at(x(v.x()), y(v.y()));
      if (last) {
        if (const auto part = clipSegment(*last, at, box_)) {
          if (run.isEmpty() || run.back() != part->first) {
            flush();
            run << part->first;
          }
          run << part->second;
        } else {
          flush();
        }
      }
      last = at;
    }
    if (s->role == Role::Family && !run.isEmpty()) ends_.emplace_back(run.back().y(), s->name);
    flush();
  }
}

void FigurePainter::drawFamilyLabels() {
  const QFontMetricsF fm = metrics();
  const qreal h = fm.height() * 0.95;
  std::sort(ends_.begin(), ends_.end());
  // Crowded labels are spread apart, keeping their order, and kept beside the box.
  std::vector<qreal> at;
  for (const auto& end : ends_)
    at.push_back(std::max(end.first, at.empty() ? end.first : at.back() + h));
  for (std::size_t i = at.size(); i-- > 0;)
    at[i] = std::min(at[i], i + 1 < at.size() ? at[i + 1] - h : box_.bottom());
  p_.setPen(kInk);
  for (std::size_t i = 0; i < at.size(); ++i)
    p_.drawText(QPointF(box_.right() + em_ * 0.3, at[i] + fm.ascent() / 2 - fm.descent() / 2),
                ends_[i].second);
}

QRectF FigurePainter::placeLabel(QPointF at, const QString& text) const {
  const QFontMetricsF fm = metrics();
  const QSizeF size(textWidth(text) + em_ * 0.6, fm.height() + em_ * 0.2);
  const qreal gap = em_ * 0.6;
  const QPointF corners[] = {{at.x() + gap, at.y() - gap - size.height()},
                             {at.x() + gap, at.y() + gap},
                             {at.x() - gap - size.width(), at.y() - gap - size.height()},
                             {at.x() - gap - size.width(), at.y() + gap}};
  QRectF best;
  int bestScore = 1 << 30;
  for (const QPointF& c : corners) {
    const QRectF r(c, size);
    int score = box_.contains(r) ? 0 : 100000;
    for (const QRectF& other : labels_)
      score += r.intersects(other) ? 10000 : 0;
    for (const QPointF& d : drawn_)
      score += r.contains(d);
    if (score < bestScore) {
      bestScore = score;
      best = r;
    }
  }
  return best;
}

void FigurePainter::drawMarkers(const AxisMap& x, const AxisMap& y) {
  const QFontMetricsF fm = metrics();
  for (const curves::Marker& m : fig_.markers) {
    if (!x.places(m.at.x()) || !y.places(m.at.y())) continue;
    const QPointF at(x(m.at.x()), y(m.at.y()));
    if (!box_.contains(at)) continue;
    p_.setPen(QPen(kFrame, line_, Qt::DashLine));
    p_.drawLine(at, QPointF(at.x(), box_.bottom()));
    p_.drawLine(at, QPointF(box_.left(), at.y()));
    p_.setPen(QPen(kInk, line_ * 1.5));
    p_.setBrush(QColor(255, 220, 0));
    p_.drawEllipse(at, em_ * 0.4, em_ * 0.4);
    p_.setBrush(Qt::NoBrush);
  }
  for (const curves::Marker& m : fig_.markers) {
    if (!x.places(m.at.x()) || !y.places(m.at.y())) continue;
    const QPointF at(x(m.at.x()), y(m.at.y()));
    if (!box_.contains(at)) continue;
    const QRectF r = placeLabel(at, m.label);
    labels_.push_back(r);
    p_.fillRect(r, QColor(255, 255, 255, 215));
    p_.setPen(kInk);
    p_.drawText(QPointF(r.left() + em_ * 0.3, r.top() + em_ * 0.1 + fm.ascent()), m.label);
  }
}

void FigurePainter::drawTitles() {
  const QFontMetricsF fm = metrics();
  p_.setPen(kInk);
  if (!fig_.title.isEmpty()) {
    QFont bold = font_;
    bold.setBold(true);
    p_.setFont(bold);
    const qreal w = QFontMetricsF(bold, p_.device()).horizontalAdvance(fig_.title);
    p_.drawText(QPointF(area_.center().x() - w / 2, area_.top() + fm.height() * 1.2), fig_.title);
    p_.setFont(font_);
  }
  const qreal xw = textWidth(fig_.x.title);
  p_.drawText(QPointF(box_.center().x() - xw / 2, box_.bottom() + fm.height() * 2.4), fig_.x.title);
  p_.save();
  p_.translate(box_.left() - yLabelWidth_ - em_ * 0.6 - fm.descent(), box_.center().y());
  p_.rotate(-90);
  p_.drawText(QPointF(-textWidth(fig_.y.title) / 2, 0), fig_.y.title);
  p_.restore();
}

void FigurePainter::drawLegend() {
  const QFontMetricsF fm = metrics();
  const qreal rowHeight = fm.height() * 1.35;
  const qreal width = area_.width() - 2 * em_;
  QPointF at(area_.left() + em_, box_.bottom() + fm.height() * 2.9 + em_ * 0.6);
  const auto place = [&](const QString& text) {
    const qreal w = 2.6 * em_ + textWidth(text);
    if (at.x() > area_.left() + em_ && at.x() + w > area_.left() + em_ + width) {
      at = QPointF(area_.left() + em_, at.y() + rowHeight);
    }
    const QRectF swatch(at.x(), at.y() + fm.height() * 0.15, 2 * em_, fm.height() * 0.7);
    p_.setPen(kInk);
    p_.drawText(QPointF(at.x() + 2.6 * em_, at.y() + fm.ascent()), text);
    at.rx() += w + em_;
    return swatch;
  };
  for (std::size_t i = 0; i < fig_.bands.size(); ++i) {
    const QRectF swatch = place(fig_.bands[i].legend);
    p_.fillRect(swatch, bandColour(i));
  }
  for (const Series& s : fig_.series) {
    if (!inLegend(fig_, s)) continue;
    const QRectF swatch = place(s.name);
    p_.setPen(seriesPen(s.role, line_));
    p_.drawLine(QPointF(swatch.left(), swatch.center().y()),
                QPointF(swatch.right(), swatch.center().y()));
  }
}

void FigurePainter::drawNote() {
  if (fig_.note.isEmpty()) return;
  p_.setPen(kInk);
  p_.drawText(box_.adjusted(em_, em_, -em_, -em_), Qt::AlignCenter | Qt::TextWordWrap, fig_.note);
}

void FigurePainter::paint() {
  p_.fillRect(area_, Qt::white);
  layout();
  if (box_.width() < em_ || box_.height() < em_) return;  // too small to say anything
  const AxisMap x(fig_.x, box_.left(), box_.right());
  const AxisMap y(fig_.y, box_.bottom(), box_.top());
  drawBands(x);
  drawGrid(x, y);
  drawSeries(x, y);
  p_.setPen(QPen(kFrame, line_ * 1.2));
  p_.drawRect(box_);
  drawFamilyLabels();
  drawMarkers(x, y);
  drawTitles();
  drawLegend();
  drawNote();
}

}  // namespace

void paintFigure(QPainter& painter, const QRectF& area, const Figure& figure, qreal fontPixels) {
  if (!(area.width() > 0) || !(area.height() > 0)) return;
  const qreal em = fontPixels > 0 ? fontPixels : std::min(area.width() / 48, area.height() / 32);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  FigurePainter(painter, area, figure, em).paint();
  painter.restore();
}

}  // namespace vantrel::plot

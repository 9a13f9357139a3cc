#pragma once
// A plot as data: its axes, lines, shaded intervals and marked points, in the units the page
// shows, with what a screen reader hears of it and its points as a table. The curves are made
// without a window; the painter (plot/) draws a figure onto any QPainter target.

#include <QPointF>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <utility>
#include <vector>

namespace vantrel::curves {

enum class Scale : std::uint8_t { Linear, Log };

struct Axis {
  QString title;  // the row's name and the unit shown: "Flow Rate (l/s)"
  Scale scale = Scale::Linear;
  double low = 0;
  double high = 1;
};

// How a line is drawn: the plot's own curve, a second curve beside it, a member of a family
// (labelled at its end rather than in the legend), or a reference line.
enum class Role : std::uint8_t { Main, Second, Family, Reference };

struct Series {
  QString name;
  Role role = Role::Main;
  // Axis units; a point that is not finite breaks the line (a value that could not be had).
  std::vector<QPointF> points;
};

// A shaded part of the horizontal axis, with what the shading means.
struct Band {
  double from = 0;
  double to = 0;
  QString legend;
};

// A point of the page, marked and labelled with its values.
struct Marker {
  QPointF at;
  QString label;
};

struct Table {
  QStringList header;
  std::vector<QStringList> rows;
};

struct Figure {
  QString title;
  Axis x;
  Axis y;
  std::vector<Series> series;
  std::vector<Band> bands;
  std::vector<Marker> markers;
  // Why nothing could be drawn, for an empty figure.
  QString note;
  // The figure in one sentence, as a screen reader says it (the note, for an empty figure).
  QString description;
  // The points of the figure's own curve.
  Table table;
};

// An empty figure: its note says why, and so does its description.
inline Figure withNote(Figure figure, QString note) {
  figure.note = std::move(note);
  figure.description = figure.note;
  return figure;
}

// The table as text, one row a line with tabs between the cells, and as an HTML table: the
// two forms a copy puts on the clipboard.
QString tableText(const Table& table);
QString tableHtml(const Table& table);

}  // namespace vantrel::curves

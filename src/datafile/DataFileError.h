#pragma once
// A system data file that cannot be loaded. The message says what is wrong; the context says
// where (section kind, page, record), built from the inside out as the error passes through
// the loaders.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <exception>
#include <utility>

namespace vantrel::datafile {

class DataFileError : public std::exception {
 public:
  explicit DataFileError(QString problem) : problem_(std::move(problem)) {}

  // Called by each enclosing loader on the way out, so the outermost place ends up first.
  void addContext(const QString& place) { context_.prepend(place); }

  const QString& problem() const { return problem_; }
  // "page 3, "\UNIT/" section, row 2" (empty when the problem concerns the whole file).
  QString location() const { return context_.join(QStringLiteral(", ")); }
  // The problem followed by its location, as one sentence.
  QString message() const;
  const char* what() const noexcept override;

 private:
  QString problem_;
  QStringList context_;
  mutable QByteArray what_;
};

// A place in the data file ("row 2"; "page 3, "\UNIT/" section"), put into words only when an
// error passes through it: loading passes thousands of places and reports one at the most.
class Place {
 public:
  Place(const char* what, int number, const QString* section = nullptr)
      : what_(what), number_(number), section_(section) {}
  QString text() const;

 private:
  const char* what_;
  int number_;
  const QString* section_;  // a page's: the marker of its section
};

inline QString placeText(const Place& place) {
  return place.text();
}
inline QString placeText(const QString& place) {
  return place;
}

// Runs body(); a DataFileError escaping from it gets place added to its context.
template <typename PlaceOrText, typename Body>
decltype(auto) withContext(const PlaceOrText& place, Body&& body) {
  try {
    return body();
  } catch (DataFileError& error) {
    error.addContext(placeText(place));
    throw;
  }
}

}  // namespace vantrel::datafile

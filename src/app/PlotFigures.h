#pragma once
// What the plot of each page shows, and the figure it makes from the values stored now: the
// unknown against an entry (the one last edited, or one the user picked from the plot's list),
// or the page's second view where it has one (the Moody chart on Colebrook-White, the part-full
// curves on Manning). Each page keeps its own choice while the program runs.

#include <QString>
#include <map>
#include <vector>

#include "curves/Figure.h"
#include "numtext/NumberTypes.h"

namespace vantrel::pages {
struct PageDataForm;
}

namespace vantrel::app {

class PlotFigures {
 public:
  explicit PlotFigures(pages::PageDataForm& form) : form_(form) {}

  // Notes the entry last edited on the page on show; called whenever the page may have changed.
  void pageShown();

  // The second view of the page on show ("Moody chart", "Part-full curves"); empty: none.
  QString secondView() const;
  bool showsSecondView() const;
  void showSecondView(bool second);

  // The rows that can be the horizontal axis, and the one the user picked (0: the entry last
  // edited, which the axis then follows).
  std::vector<Integer> entries() const;
  Integer picked() const;
  void pick(Integer row);
  // The row the axis follows while none is picked: the entry last edited, else the flow rate, else
  // the first entry (0: none).
  Integer followed() const;
  // The row on the horizontal axis now.
  Integer entry() const;
  // A row's name, as the lists show it.
  QString name(Integer row) const;

  curves::Figure figure() const;

 private:
  struct Choice {
    bool second = false;
    Integer picked = 0;
    Integer lastEdited = 0;
  };
  const Choice& choice() const;

  pages::PageDataForm& form_;
  std::map<Integer, Choice> pages_;
};

}  // namespace vantrel::app

#pragma once
// Drives a window run as its user would, from a script of blank-separated words, and checks
// what the window shows and holds wherever the script says so. Message boxes come up as real
// boxes and are answered with a key, as a person would.
//
// Steps:
//   f<n>            row n's value box takes the focus     focus:<c>   control c takes it
//   "text"          typed                                 Tab Backtab Alt+Down Ctrl+Shift+C...:
//                                                         keys, as Qt names them
//   Menu            the menu key (a context menu at the control with the focus)
//   click:<c>  dclick:<c>  menu:<c> (a right click; the menu is closed with Escape)
//   pick:<text>     the next menu's item whose text begins so is chosen
//   press:<c>       a press whose release comes while the message box it raised is up
//   act:<c>         the press action of c (of a tab, with tab<n>) that screen readers use
//   wheel:<c>       the mouse wheel turned over c
//   m<n> b x        the pointer over row n's value box, the page background, the tip box
//   t<k>            k ticks of the tip timer (t alone: one)
//   tick            the tip timer runs for real under the next message box
//   No              the next message box is answered No
//   away back       another window takes the activation; the window gets it back
//   snap            remembers what every row shows and holds, for same= and kept=
// Checks (words with "="; "~=" for a text that holds the value; '...' or "..." for a value with
// blanks, "|" in it for a message's line break):
//   v<n>=text  s<n>=value stored (base unit)  ask<n>=0|1 (caption ends in "?")  ro<n>=0|1
//   unit<n>=k  focus=<c>  sel=<c> (whole text selected)  unsel=<c>  row=n (CurFocusRow)  page=n
//   hl=n (highlighted tab)  unknown=n  list=0|1  tip=n (row n's tip below it; 0: none up)
//   state<n>=0|1|2 (unchecked, grey, checked)
//   timer=0|1  msgs=n  msg=text (the last message)  msg<n>=text (message n)  help=n (documents
//   asked for)  end=n  edit=n same=0|1 (the rows show what snap saw)  kept=0|1 (the values are
//   snap's)  status=text checks=text (the checks panel's line)  checkstip=text (its full list)
//   warning=0|1 (the panel drawn in red) clip=text (the clipboard's text)  tl=0|1 (the table list
//   open)  tline=text (its current line as a screen reader hears it)  tname=text (the list's
//   name)  tnotes=text (what it says of rows that could not be read)  cite<n>=text (row n's table,
//   as the record cites it)  tiptext=text (the tip box's)  plot=none|0|text (nothing of the plot
//   built; the plot not on show; its description)
// Controls: v<n> c<n> u<n> (unit field) tab<n> tabs list list<n> (item n) frame<n> (near its
// lower left corner) area (the page's background) tlines (the table list's lines) and button
// captions; plot (the picture), axis and views (its lists).

#include <QPoint>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <memory>
#include <vector>

#include "app/WindowFixture.h"

namespace vantrel::testing {

class WindowScript {
 public:
  // Starts real message boxes on run and holds the tip timer (only t steps tick it).
  explicit WindowScript(WindowRun& run);

  void run(const QString& script);

  // What the run showed under a message box (a tip, with the tick step).
  bool tipUnderBox() const { return tipUnderBox_; }

 private:
  void step(const QString& word);
  bool key(const QString& word);
  void check(const QString& word);
  QWidget* control(const QString& name);
  QPoint pointIn(const QString& name);
  void moveOver(QWidget* w);
  QStringList shown();

  WindowRun& run_;
  DeskUser& user_;
  bool tipUnderBox_ = false;
  QStringList snapshot_;
  std::vector<Single> snapValues_;
  std::unique_ptr<QWidget> other_;  // the other window of "away"
};

// Each word of a script, quoted text kept whole.
QStringList scriptWords(const QString& script);

}  // namespace vantrel::testing

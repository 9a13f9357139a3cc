#pragma once
// The page tables: everything the data file says about the pages, filled once at start-up and
// then read and updated by every part of the window. All tables are indexed from 1, page first,
// then variable, then unit. P = PageCount, V = MaxVarCount, U = the largest number of unit items
// in any unit row.

#include <QString>

#include "common/OneBased.h"
#include "numtext/NumberTypes.h"
#include "rtf/RichText.h"

namespace vantrel::datafile {

// The layout record of the "\Form/" section, in twips.
struct FormLayout {
  Integer TabHeight = 0;
  Integer TabWidth = 0;
  Integer FormHeight = 0;
  Integer FormWidth = 0;
};

struct PageTables {
  // Sizes, fixed before any table is allocated.
  Integer PageCount = 0;      // 1 ... 20
  Integer MaxVarCount = 0;    // the most "#" records of any page section, page record included
  Integer MaxCaptionLen = 0;  // the longest caption's plain-text length + 1, over all pages
  FormLayout Layout;

  // Per page (1 ... P).
  Array1<Integer> VarCount;
  Array1<Integer> SplitRow;  // first row of the second frame; 0 = a single frame
  Array1<QString> PageTitle;
  Array1<QString> PageCaption;  // the tab caption, which also names the page's formula
  Array1<Integer> FocusRow;
  Array1<Integer> FocusRowDefault;  // never filled: a reset focuses row 1
  Array1<Integer> UnknownVar;
  Array1<rtf::RichText> PageTips;

  // Per page and variable (1 ... P, 1 ... V).
  Array2<rtf::RichText> VarCaptionRTF;
  Array2<Single> VarDefault;  // base units
  Array2<Single> VarValue;    // base units
  Array2<Integer> VarUnitDefault;
  Array2<Integer> VarUnit;
  Array2<Integer> VarCheckDefault;  // 1 = the variable to compute
  Array2<Integer> VarCheck;
  Array2<QString> RangeExpr;
  // 1 once a commit has changed the variable's value in this run (typed, or moved by a solve);
  // 0 while it holds the page's default. A reset clears it.
  Array2<Integer> VarChanged;

  // Per page, variable and unit (1 ... P, 1 ... V, 1 ... U; UnitFactor has U + 1 units, so a
  // row's unit list always ends at a factor of 0).
  Array3<QString> UnitName;
  Array3<QString> UnitFormat;
  Array3<Single> UnitFactor;  // value in the unit = factor x value in the base unit

  // The page on show.
  Array1<Single> CurValue;  // 1 ... V, base units
  Integer CurPage = 0;

  // Tip timing, set by the tips loader.
  Integer TipInterval = 0;  // milliseconds
  Integer TipTicks = 0;
  Integer TipShown = 0;  // Boolean: 0 or -1

  // Allocates every per-page and per-variable table and CurValue for PageCount pages and
  // MaxVarCount variables, and the unit tables with one unit, all empty and 0.
  void allocate();
  // Number of units in the list of variable var of page page: units 1, 2, ... up to, not
  // including, the first whose factor is 0 (unit 1 is always listed).
  int unitListLength(int page, int var) const;
};

}  // namespace vantrel::datafile

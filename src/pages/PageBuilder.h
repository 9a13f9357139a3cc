#pragma once
// Building the rows of a page from the page tables, removing them again, and writing the values
// and unit names into them.

#include "numtext/NumberTypes.h"
#include "pages/PageDataForm.h"

class QCheckBox;
class QLineEdit;

namespace vantrel::pages {

// Layout constants of a page, in twips.
struct PageLayout {
  static constexpr int kCheckTop = 380;
  static constexpr int kValueTop = 395;
  static constexpr int kUnitTop = 500;
  static constexpr int kCheckLeft = 460;
  static constexpr int kFrameGap = 100;
  static constexpr int kRowGap = 100;
  static constexpr int kFrameTop = 200;
  static constexpr int kFrameLeft = 350;
  static constexpr int kFrameBottomMargin = 150;
  static constexpr int kFrameSpacing = 50;
  static constexpr int kCaptionCharWidth = 105;
  static constexpr int kCaptionToValue = 75;
  static constexpr int kValueToUnit = 60;
  static constexpr int kFrameBeyondUnit = 800;
  static constexpr int kUnitWidth = 615;      // the unit field as designed
  static constexpr int kUnitFrameClear = 30;  // least room between a unit field and the frame
  static constexpr int kFramesToButtons = 300;
};

// Builds page's rows (only row 1 may exist), copies its values into CurValue, sets CurUnknown,
// the window caption and the tab order. The value boxes' text is left to DisplayValues.
void CreatePage(PageDataForm& form, Integer& page);
// Widens the unit fields, once the data file is loaded, so that its widest unit name shows whole:
// past the designed width only as far as that name needs, and never up to the frame's edge.
void FitUnitFields(PageDataForm& form);
// Removes rows 2 and up.
void RemovePage(PageDataForm& form);
// Rewrites every row's value box (factor x value, through the unit's format) and unit field.
// The rewrite does not count as an edit.
void DisplayValues(PageDataForm& form);

// A check box's state as the page tables hold it: 0 unchecked, 1 checked, 2 grey.
Integer CheckValue(const QCheckBox* box);

// Makes a value box the unknown's (read-only, described as computed) or an input.
void MarkComputed(QLineEdit* box, bool computed);

}  // namespace vantrel::pages

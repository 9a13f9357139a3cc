#pragma once
// The state of the main window that the page, input and tip handlers share: the page tables, the
// program-wide values, the controls of the page area and the window's own fields.

#include "common/ProgramWide.h"
#include "datafile/PageTables.h"
#include "pages/PageControls.h"

class QWidget;

namespace vantrel::pages {

struct PageDataForm {
  PageDataForm(QWidget* window, QWidget* pageArea, ProgramWide& programWide)
      : window(window), program(programWide), controls(pageArea) {}

  QWidget* window;  // carries the caption
  ProgramWide& program;
  datafile::PageTables tables;
  PageControls controls;

  Integer PageBuilding = 0;     // Boolean: True (-1) while a page is being built
  Integer CurFocusRow = 0;      // the row whose value box last took the focus
  QWidget* tabStrip = nullptr;  // first in the keyboard order of a page
};

}  // namespace vantrel::pages

#include "datafile/PageTables.h"

namespace vantrel::datafile {

void PageTables::allocate() {
  const int p = PageCount;
  const int v = MaxVarCount;
  VarCount = Array1<Integer>(p);
  SplitRow = Array1<Integer>(p);
  PageTitle = Array1<QString>(p);
  PageCaption = Array1<QString>(p);
  FocusRow = Array1<Integer>(p);
  FocusRowDefault = Array1<Integer>(p);
  UnknownVar = Array1<Integer>(p);
  PageTips = Array1<rtf::RichText>(p);

  VarCaptionRTF = Array2<rtf::RichText>(p, v);
  VarDefault = Array2<Single>(p, v);
  VarValue = Array2<Single>(p, v);
  VarUnitDefault = Array2<Integer>(p, v);
  VarUnit = Array2<Integer>(p, v);
  VarCheckDefault = Array2<Integer>(p, v);
  VarCheck = Array2<Integer>(p, v);
  RangeExpr = Array2<QString>(p, v);
  VarChanged = Array2<Integer>(p, v);

  UnitName = Array3<QString>(p, v, 1);
  UnitFormat = Array3<QString>(p, v, 1);
  UnitFactor = Array3<Single>(p, v, 2);

  CurValue = Array1<Single>(v);
}

int PageTables::unitListLength(int page, int var) const {
  int k = 1;
  while (UnitFactor(page, var, k + 1) != 0)
    ++k;
  return k;
}

}  // namespace vantrel::datafile

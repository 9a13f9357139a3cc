// The shipped file's window as its users meet it, one scenario a row (see WindowScript.h for the
// words). The rows also run on a real X server with a window manager (CTest's Desktop.Xcb), where
// a message box takes the activation away and gives it back only some time after it has gone.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QRegularExpression>

#include "app/WindowScript.h"
#include "datafile/LoaderFixture.h"

namespace vantrel::app {
namespace {

using testing::WindowRun;

struct Scene {
  const char* name;
  const char* script;
};

void PrintTo(const Scene& s, std::ostream* out) {
  *out << s.name;
}

// Whatever happened: no control stays drawn pressed, the focus never rests in the box of the
// unknown, and no box shows a number that is none.
void expectSound(WindowRun& run) {
  for (QAbstractButton* b : run.window().findChildren<QAbstractButton*>())
    EXPECT_FALSE(b->isDown()) << b->text().toStdString();
  const Integer u = run.program().CurUnknown;
  if (u >= 1 && u <= run.form().controls.rowCount()) {
    EXPECT_NE(run.focused(), run.txtV(u));
  }
  for (int i = 1; i <= run.form().controls.rowCount(); ++i) {
    EXPECT_FALSE(run.txtV(i)->text().contains(
        QRegularExpression("nan|inf", QRegularExpression::CaseInsensitiveOption)));
  }
}

class Scenes : public ::testing::TestWithParam<Scene> {};

TEST_P(Scenes, OnTheShippedFile) {
  WindowRun run;
  ASSERT_TRUE(run.activate());
  testing::WindowScript(run).run(GetParam().script);
  expectSound(run);
}

// Page 1 is Hazen-Williams: Pipe Dia. 300 mm, Flow Rate 50 l/s, C 130, Length 1000 m, Head Loss
// (the unknown, row 5) 1.8020 m; 60 l/s gives 2.5249 m (the solver's last iterate plus its step).
// clang-format off
INSTANTIATE_TEST_SUITE_P(PageOne, Scenes, ::testing::Values(
    // Committing: Enter keeps the box, Tab moves on, Compute returns; leaving again, or leaving the
    // window, commits nothing.
    Scene{"EnterCommits", R"(f2 "60" Return v5=2.5249 v2=60.000 v8=0.849 status=Ready focus=v2 sel=v2 edit=0 msgs=0 "abc" Return v2=60 s2=0.06 v5=2.5249 msgs=1)"},
    Scene{"TabCommits", R"(f2 "60" Tab v5=2.5249 focus=v3 edit=0)"},
    Scene{"ComputeCommits", R"(f2 "60" click:Compute v5=2.5249 focus=v2 sel=v2 f3 click:Compute focus=v3 msgs=0)"},
    Scene{"ComputeOnTheLastRow", R"(f8 "1" click:Compute focus=v8 msgs=0)"},
    Scene{"LeavingTheWindow", R"(f2 "60" away v5=1.8020 edit=-1 back focus=v2 v2=60 unsel=v2 Tab v5=2.5249)"},
    Scene{"AContextMenu", R"(f2 "60" menu:v2 focus=v2 edit=-1 v5=1.8020 msgs=0)"},
    // Ctrl+C in a value box copies its selected text, also once the whole page has been copied.
    Scene{"CtrlCCopiesTheSelection", "f2 Ctrl+C clip=50.000 Ctrl+Shift+C f3 Ctrl+C clip=130.0"},
    // The unknown: a tick moves the check, the "?" and the read-only box; its own box stays.
    // Entries are read by the leading-number rule and checked against the range; a refused one
    // gets the row's value back, in the general form.
    Scene{"EntriesTheRangeRefuses", R"(snap f1 "abc" Tab v1=300 f1 Delete Tab f1 "-" Tab f1 "0x10" Tab f1 "20000" Tab f1 "123 456 789 pasted from a report" Tab v1=300 kept=1 msgs=6 msg=" Pipe Dia.   out of Range!|Accepted range is:  greater than  0 to  10000mm")"},
    Scene{"ANumberBeyondTheSingleRange", R"(snap f1 "1e40" Tab v1=300 kept=1 msg=" Pipe Dia.   out of Range!|The number is beyond the largest that can be held (3.402823E+38)." f4 "1e40" Tab msg~="Pipe  Length   out of Range!|" click:tab2 f9 "1e40" Tab msg~="Velocity   out of Range!|")"},
    Scene{"AUnitWordAfterTheNumber", R"(f1 "5 m" Tab v1=5.0 msgs=0)"},
    Scene{"AnAbandonedSolveKeepsThePage", R"(snap f1 No "1e-30" Tab v1=300.0 kept=1 same=1 msgs=1 msg~="Try another 500 iterations?")"},
    Scene{"TickingPipeDia", R"(click:c1 unknown=1 ask1=1 ro1=1 ask5=0 ro5=0 click:c1 ask1=1 f5 "5" Tab v1=243.24 v5=5.0000)"},
    // The focus passes the unknown's box on in the direction it came from.
    Scene{"ByTab", "f4 Tab focus=v6 row=6 Backtab focus=v4 row=4"},
    Scene{"ByClick", "f2 click:v5 focus=v6 row=6 f7 click:v5 focus=v4 row=4"},
    Scene{"LastRowWrapsToTheChecks", "click:c8 f7 Tab focus=c1 row=8"},
    Scene{"FirstRowWrapsToTheTabs", "click:c1 f2 Backtab focus=tabs row=1 Tab focus=v2 row=2"},
    Scene{"BackToTheLastRowJustLeft", "click:c8 f8 click:v8 focus=v7 row=7"},
    // Up and Down walk the keyboard order as Shift+Tab and Tab do, wherever the focus is.
    Scene{"ArrowsInTheBoxes", "f1 Down focus=v2 row=2 f3 Up focus=v2 f8 Down focus=c1 row=8"},
    Scene{"ArrowsElsewhere", "focus:c2 Down focus=c3 row=0 focus:Compute Up focus=Reset"},
    // A message box that comes up while the focus moves: the box the focus arrives at takes
    // over when the window is active again, with its own value.
    Scene{"RefusedThenRefused", R"(f1 "20000" Tab Ctrl+A "abc" Tab v1=300 v2=50 s2=0.05 focus=v3 msgs=2)"},
    Scene{"AbandonedSolve", R"(f2 "abc" Backtab No "1e-30" Tab v1=300.0 s1=0.3 v5=1.8020 focus=v2 msgs=2)"},
    Scene{"RefusedBeforeTheUnknown", R"(f4 "abc" Tab v4=1000 focus=v6 sel=v6 msgs=1)"},
    Scene{"RefusedBeforeATabClick", R"(f2 "abc" click:tab2 "abc" Tab page=2 v1=300 focus=v2 msgs=2)"},
    // A press whose focus change raised a message completes as a click once the box is closed.
    Scene{"PressOnCompute", R"(f2 "abc" press:Compute focus=v2 sel=v2 v2=50 msgs=1)"},
    Scene{"PressOnACheckBox", R"(f2 "abc" press:c1 unknown=1 msgs=1)"},
    Scene{"PressOnATab", R"(f2 "abc" press:tab3 page=3 msgs=1)"},
    Scene{"PressOnReset", R"(f2 "60" Tab f3 "abc" press:Reset s2=0.05 v5=1.8020 focus=v1 msgs=1)"},
    Scene{"PressOnHelp", R"(f2 "abc" press:Help help=2 msgs=3)"},
    Scene{"PressOnExit", R"(f2 "abc" press:Exit end=1 msgs=1)"},
    // Pages: each comes back as it was left; the tab on show and the wheel change nothing; Up
    // and Down on the strip cycle through the pages and leave the highlight where it was.
    Scene{"APageComesBack", R"(f2 "60" Tab click:c8 click:u1 click:list3 f3 snap click:tab2 page=2 focus=v1 sel=v1 click:tab1 same=1 unknown=8 focus=v3)"},
    Scene{"TheTabOnShow", R"(f2 "60" click:tab1 page=1 focus=v2 edit=-1 v5=1.8020 msgs=0)"},
    Scene{"TheWheelOverTheTabs", R"(f2 "60" wheel:tab2 page=1 edit=-1 msgs=0)"},
    Scene{"ArrowsOnTheTabs", "focus:tabs Up page=9 hl=1 focus:tabs Down page=1 focus:tabs Down page=2 hl=1 focus=v1 focus:tabs Right page=2 focus=v1 click:tab1 page=1"},
    // A page rebuilt under the box that keeps the focus (by a press action, by code) is left and
    // arrived at again, with the new page's value and unknown. Reset focuses the default row.
    Scene{"ATabsActionUnderTheFocus", R"(click:tab7 f1 "4630.13" Tab click:v1 act:tab6 page=6 focus=v1 row=1 "1e9" Tab v1=150 s1=0.15 msgs=1)"},
    Scene{"ATabsActionCommitsTheEntry", R"(f2 "60" act:tab3 page=3 act:tab1 v2=60.000 v5=2.5249 msgs=0)"},
    Scene{"ATabsActionOntoTheUnknown", R"(click:tab2 click:c1 click:tab1 f1 act:tab2 page=2 focus=v2 row=2)"},
    Scene{"ResetsActionUnderTheFocus", R"(f1 "500" Tab click:v1 act:Reset v1=300.0 "1e9" Tab v1=300 s1=0.3 msgs=1)"},
    Scene{"ResetFocusesTheDefaultRow", "f3 click:tab2 click:tab1 focus=v3 click:Reset focus=v1 row=1"},
    Scene{"ResetKeepsOtherPages", R"(snap click:tab2 f1 "200" Tab click:tab1 click:c8 click:u1 click:list3 same=0 click:Reset same=1 unknown=5 focus=v1 click:tab2 v1=200.0)"},
    // The unit list: the current unit highlighted, a choice shows the same value in the new unit,
    // and closing the list gives the focus back to the box last left, never to the tab strip; a
    // press beside the list only closes it.
    Scene{"AChoice", R"(f2 "60" Tab click:u1 list=1 focus=list click:list4 list=0 v1=11.811 unit1=4 s1=0.3 edit=0 focus=v3 Down focus=v4 page=1)"},
    Scene{"KeysThatCloseTheList", "f2 Alt+Down Tab list=0 unit2=2 focus=v2 Down page=1 focus=v3 Alt+Down Backtab list=0 focus=v3 help=0 click:u1 Alt+P list=0 focus=v3 click:u1 Escape list=0 unit1=2 focus=v3"},
    Scene{"ClicksElsewhereCloseTheList", "f2 click:u1 b list=0 unit1=2 focus=v2 click:u1 click:area list=0 focus=v2 click:u1 click:frame2 focus=v2 click:u3 click:Help list=0 focus=v2 help=0 click:u1 click:c1 list=0 unknown=5 focus=v2"},
    Scene{"TheLossOfTheFocusClosesTheList", "click:u1 f2 list=0 unit1=2"},
    Scene{"ADoubleClickLeavesTheUnit", "f2 dclick:u1 unit1=2"},
    Scene{"AChoiceForTheUnknownCommitsNothing", "click:c1 click:u1 click:list5 unit1=5 v1=0.9843 s1=0.3 focus=v2 msgs=0"},
    Scene{"TheNoUnitItem", "click:u3 click:list1 v3=130.0 edit=0"},
    Scene{"ListFromTheKeyboard", "f1 Alt+Down Down Down list=1 unit1=2 focus=list Return list=0 unit1=4 v1=11.811 focus=v1 sel=v1"},
    Scene{"ListByF4AndSpace", "f1 F4 Up Space list=0 unit1=1 v1=0.30000 focus=v1 f1 Alt+Down Down Escape list=0 unit1=1 focus=v1 sel=v1"},
    // Tables: Ctrl+T or the value box's menu opens the row's tables beside it; typing filters by
    // word starts, the keys of any list move, Enter commits the line's value as typing it would,
    // and the row cites the table until its value changes. Escape changes nothing.
    Scene{"ATableByTheKeyboard", R"(f1 Ctrl+T tl=1 focus=tlines tname~="Pipe Dia.: Pipe sizes: copper water tube, ASTM B88; ductile iron, ISO 2531; " tline~="Copper tube" PgDown PgDown End tline~="NPS 48" Home tline~="Copper tube" "6 40" tline~="Sch 40, 154.08 mm, ASME B36.10M-2018, Table 1" Down tline~="Sch 40 PVC, 154.05 mm" Up Return tl=0 v1=154.08 s1=0.15408 focus=v1 sel=v1 edit=0 cite1="from table: Steel, ASME B36.10M, NPS 6, Sch 40" msgs=0 f2 m1 t tiptext~="From table: Steel, ASME B36.10M, NPS 6, Sch 40" tiptext~="Source: ASME B36.10M-2018, Table 1" f1 "154.08" Return cite1= f1 Ctrl+T "steel 6 40" Down Down Return cite1="from table: Stainless steel, ASME B36.19M, NPS 6, Sch 40S" click:Reset cite1=)"},
    Scene{"EscapeChangesNothing", R"(f1 "250" Ctrl+T tl=1 "6 40" Escape tl=0 v1=250 edit=-1 focus=v1 v5=1.8020 Ctrl+T Tab tl=0 focus=v1 msgs=0 Tab v1=250.0 cite1=)"},
    Scene{"FromTheMenu", R"(f2 m3 t tiptext~="Ctrl+T, or the context menu" pick:Choose menu:v1 tl=1 focus=tlines Escape focus=v1 f2 Ctrl+T tl=0 focus=v2)"},
    Scene{"WaterByTemperature", R"(click:tab2 f4 Ctrl+T tline~="Water at … °C: type a temperature, IAPWS" "10" tline~="Water at 10 °C, 1.3063 mm²/s, IAPWS" Return s4=1.3062904e-06 cite4="from table: Water at 10 °C" focus=v4)"},
    // Tips: another row's after one rest, the edited row's only after ten ticks; moves and keys
    // hide them by their rules; none under a message box and none from a page that is gone.
    Scene{"AnotherRowsTip", "f1 m2 t tip=2"},
    Scene{"TheEditedRowsTip", "f1 b t9 tip=0 t tip=1 End t tip=0"},
    Scene{"TheOwnBoxIsNoOtherRow", "f1 m1 t9 tip=0 t tip=1"},
    Scene{"TicksWhileATipIsUpCount", "f1 m2 t tip=2 t9 m7 m7 m1 t tip=1"},
    Scene{"TheMoveAfterATip", "f1 m2 t tip=2 b tip=2 b tip=0"},
    Scene{"EverySecondValueBoxMove", "f1 m2 t tip=2 m3 tip=2 m3 tip=0"},
    Scene{"TheMoveAfterAValueBoxMove", "f1 m2 m7 t tip=2"},
    Scene{"AKeyHidesTheTip", "f1 m2 t tip=2 b End tip=0 t tip=0"},
    Scene{"ACommitStopsTheTimer", R"(f1 "1" focus:tabs tip=0 timer=0 b timer=0 m3 t tip=3 b x b x tip=3 timer=0 m2 m2 tip=0)"},
    Scene{"NoTipUnderAMessage", R"(f2 "abc" m3 tick Tab tip=0 msgs=1)"},
    Scene{"NoTipFromAPageGone", "f1 m3 t tip=3 click:tab2 page=2 tip=0"},
    // The checks panel follows every change of the page. On C.White 8 mm at 6.63 ml/s gives
    // Re = 4Q/(pi D nu) = 1055: laminar.
    Scene{"TheChecksFollowThePage", R"s(checks="Re 2.1e5 turbulent (water at 20 °C)" warning=0 click:tab2 checks="Re 2.1e5 turbulent" f1 "8" Tab f2 "0.00663" Tab checks~="Re 1055 laminar · Warning: Laminar flow" warning=1 click:u6 click:list6 checkstip~=" kPa H2O for this flow." click:c9 checks~="Warning: Velocity is computed" click:tab1 warning=0)s"},
    // One note alone is the whole line. 50 l/s through 8 mm: a head loss far beyond its row's
    // range, warned before the note.
    // The plot beside the page: nothing of it is built before F6 opens it, it is drawn again after
    // each change of the page, and the keyboard stays in the page until F6 moves it there. Its own
    // lists choose the view (C.White's Moody chart) and the axis, which a later entry leaves.
    Scene{"ThePlotFollowsThePage", R"(plot=none f2 F6 focus=v2 plot="Head Loss against Flow Rate, 10.000 to 250.000 l/s; at 50.000 l/s, 1.8020 m" "60" Tab plot~="300.000 l/s; at 60.000 l/s, 2.5249 m" click:u5 click:list2 plot~="2524.87 mm" click:c1 plot~="Pipe Dia. against Flow Rate" click:tab2 plot~=1.5119 click:tab1 click:Reset plot~="at 50.000 l/s, 1.8020 m")"},
    Scene{"ThePlotLeavesTheKeyboardToThePage", R"(f2 "60" F6 focus=v2 edit=-1 F6 focus=plot F6 focus=v2 edit=-1 F6 Escape plot=0 focus=v2 Tab v5=2.5249 focus:c3 pick:Plot Menu focus=c3 plot~="at 60.000 l/s")"},
    Scene{"ThePlotsOwnChoices", R"(click:tab2 F6 F6 focus:views Down plot="Moody chart, Darcy friction factor against Reynolds number, 600 to 1.0e8; this pipe (k/D 0.00033) at Re 2.1e5, f 0.0178" focus:plot Ctrl+C clip~="Reynolds number Re" F6 click:tab1 F6 focus:axis Down plot="Head Loss against Pipe Dia., 60.0 to 1500.0 mm; at 300.0 mm, 1.8020 m" F6 f2 "60" Tab plot~="Pipe Dia., 60.0 to 1500.0 mm; at 300.0 mm, 2.5249 m")"},
    Scene{"AnEntryReadInPart", R"(f1 "300 in" Tab checks='Re 2.1e5 turbulent (water at 20 °C) · Note: read "300 in" as 300 mm' warning=0 click:tab2 f1 "8 in" Tab checkstip~='Note: read "8 in" as 8 mm' click:tab1 click:tab2 checks="Re 8.0e6 turbulent · Warning: Head Loss = 257895700.0000 m is outside the range the row accepts (greater than 0 to 10000 m)." f1 "8 in" Tab checkstip~=Note: click:Reset checks="Re 2.1e5 turbulent")"}),
    [](const ::testing::TestParamInfo<Scene>& info) { return std::string(info.param.name); });
// clang-format on

// A table of the user's own adds its rows to the list; a row it cannot read is named below the
// lines, and the rest is offered.
TEST(Tables, TheUsersOwnRowsAreOfferedAndTheirFaultsNamed) {
  const testing::TempFolder home;
  QDir(home.path()).mkpath("vantrel/tables");
  home.write("vantrel/tables/acme.csv",
             "#table,Acme pipes\n#serves,Pipe Dia.\n#unit,mm\nEntry,Bore,Source\n"
             "Acme DN 150,150.5,Acme catalogue 2024\nAcme DN 200,wide,Acme catalogue 2024\n");
  const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
  qputenv("XDG_DATA_HOME", home.path().toUtf8());
  WindowRun run;
  qputenv("XDG_DATA_HOME", dataHome);
  ASSERT_TRUE(run.activate());
  testing::WindowScript(run).run(
      R"(f1 Ctrl+T "acme" tline="Acme DN 150, 150.5 mm, Acme catalogue 2024" tnotes~='acme.csv, line 6: "wide" under "Bore" is not a number' Return v1=150.5 cite1="from table: Acme DN 150")");
}

// Pages of data files of their own, each made for its scenario.
struct FileScene {
  const char* name;
  std::vector<testing::PageText> pages;
  const char* script;
};

void PrintTo(const FileScene& s, std::ostream* out) {
  *out << s.name;
}

class FileScenes : public ::testing::TestWithParam<FileScene> {};

TEST_P(FileScenes, OnAFileOfItsOwn) {
  WindowRun run(testing::rtfFromPlain(testing::fileText(GetParam().pages)));
  ASSERT_TRUE(run.activate());
  testing::WindowScript(run).run(GetParam().script);
  expectSound(run);
}

// The loader tests' page (Diameter, Flow and Loss, Loss the unknown) and variations of it.
const QString kNoFormula =
    "#&Diameter =, 0.1, 1, 0# #&Flow =, 0.01, 1, 0# #&Loss =, 0.07431, 1, 1# #0,N :- no formula,"
    "Nothing,1#";
// Head Loss in a unit of factor 1e38: doubling the flow takes it from 1.8 to 6.5 m.
const testing::PageText kHugeUnit{
    .system =
        "#&Pipe Dia. =,0.3,1,0# #&Flow Rate =,0.05,1,0# #&C Factor =,130,1,0# #Pipe &Length "
        "=,1000,1,0# #&Head Loss =,1.8019782,1,1# #&Gradient =,0.0018019782,1,0# #&K Factor "
        "=,70.71431,1,0# #&Velocity =,0.7072635,1,0# #6,H-W :- big loss,H.Williams,1#",
    .unit = QString("\\ROW/@m,0.000,1@\\ROW/ ").repeated(4) + "\\ROW/@huge,0.0,1e38@\\ROW/ " +
            QString("\\ROW/@m,0.000,1@\\ROW/ ").repeated(3),
    .range = QString("#F,*# ").repeated(8),
    .tips = QString("#tip# ").repeated(8)};
// Flow's default unit is its third slot, past its one-unit list, where the factor is 0.
const testing::PageText kUnitPastTheList{
    .system =
        "#&Diameter =, 0.1, 2, 0# #&Flow =, 0.01, 3, 0# #&Loss =, 0.07431, 1, 1# #0,Bends :- "
        "Loss of a bend,Bends,1#",
    .unit =
        "\\ROW/@m,0.000,1@ @mm,0.0,1000@ @cm,0.0,100@\\ROW/ \\ROW/@m3/s,0.000,1@\\ROW/ "
        "\\ROW/@m,0.000,1@\\ROW/"};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Own, FileScenes, ::testing::Values(
    // The formula is asked for hundreds of times a solve; the page says once that it has none, and
    // the solve that cannot move ends at the budget question.
    FileScene{"NoFormula", {{.system = kNoFormula}}, R"(f1 "0.2" No Return msgs=2 msg1="Formular not available!" msg~="Try another 500")"},
    // A result its unit cannot show undoes the entry.
    FileScene{"AResultBeyondItsUnit", {kHugeUnit}, R"(snap f2 "0.1" Tab kept=1 msgs=1 msg="Flow Rate cannot be taken:|the result lies beyond the largest number that can be held or shown.")"},
    // A grey box (check state 2 in the file) shows no "?"; a click checks it, and no click of the
    // user's makes a box grey again.
    FileScene{"AGreyBox", {{.system = "#&Diameter =, 0.1, 1, 0# #&Flow =, 0.01, 1, 2# #&Loss =, 0.07431, 1, 1# #0,Bends :- Loss of a bend,Bends,1#"}},
              "ask2=0 state2=1 click:c2 click:c2 click:c3 click:c2 unknown=2 ask2=1 ask3=0 state2=2 state3=0"},
    // A unit with a factor of 0 shows 0 and takes no entry; its list still offers the others.
    FileScene{"AUnitOfFactorZero", {kUnitPastTheList}, R"(v2=0 snap f2 "5" Tab kept=1 msg="Flow cannot be entered in this unit: its conversion factor is 0." click:u2 click:list1 v2=0.010)"},
    // A table value out of the row's range is refused with the message typing it would give.
    FileScene{"ATableValueOutOfRange", {{.system = kHugeUnit.system, .unit = kHugeUnit.unit, .range = "#F,>0~0.1# " + QString("#F,*# ").repeated(7), .tips = kHugeUnit.tips}},
              R"(f1 Ctrl+T "steel 6 40" Return msgs=1 msg1=" Pipe Dia.   out of Range!|Accepted range is:  greater than 0 to 0.1m" v1=0.3 cite1= focus=v1 f1 "0.15408" Return msg2=" Pipe Dia.   out of Range!|Accepted range is:  greater than 0 to 0.1m")"},
    // A focus row off the page focuses row 1.
    FileScene{"AFocusRowOffThePage", {{}, {.system = "#&Diameter =, 0.1, 2, 0# #&Flow =, 0.01, 1, 0# #&Loss =, 0.07431, 1, 1# #0,Bends :- Loss of a bend,Bends,7#"}}, "click:tab2 focus=v1"}),
    [](const ::testing::TestParamInfo<FileScene>& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace vantrel::app

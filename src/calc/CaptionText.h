#pragma once
// How a variable's caption from the data file reads to people and to the command line. The
// window, the screen reader, the record, the checks and vantrel-solve all name rows this way.

#include <QString>
#include <QStringView>

namespace vantrel::calc {

// The caption as the window shows it: without the access key's "&" ("&&" stands for one "&"),
// the unknown's "?" and the blanks around it ("R&D =" of "R&&D =?").
QString shownCaption(QStringView caption);
// The variable's name alone: the shown caption without its closing "=" ("Pipe Dia." of
// "&Pipe Dia. =").
QString variableName(QStringView caption);

}  // namespace vantrel::calc

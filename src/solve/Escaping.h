#pragma once
// Text as a CSV cell and as a JSON string.

#include <QString>
#include <QStringView>

namespace vantrel::solve {

// The text as one CSV cell: quoted, with its quotes doubled, when it holds a comma, a quote, a
// line end or blanks around it; as it is otherwise.
QString csvField(const QString& text);
// The text as a JSON string literal, quotes included.
QString jsonString(const QString& text);

// The same, appended to `out`: a batch writes every case into one buffer.
void appendCsvField(QString& out, QStringView text);
void appendJsonString(QString& out, QStringView text);

}  // namespace vantrel::solve

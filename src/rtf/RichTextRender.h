#pragma once
// Shows a RichText in a QTextDocument, the toolkit's rich-text model behind text widgets.

#include "rtf/RichText.h"

#include <QFont>

class QTextDocument;

namespace vantrel::rtf {

// Replaces the content of `target` by `text`. Text that names no font or size takes those of
// `defaultFont` (the box's own font). Hidden text is not shown, as in a word processor; line
// breaks stay inside their paragraph.
void renderRichText(const RichText& text, QTextDocument& target, const QFont& defaultFont);

}  // namespace vantrel::rtf

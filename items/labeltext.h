#pragma once

#include <QString>

class QMimeData;

// What a label takes from the clipboard or a drop: plain text only. Rich text would let pasted
// HTML load local files onto the shared screen, and deeply nested tables can exhaust the stack
// or freeze the layout, so HTML is reduced to its words here and never reaches Qt's HTML
// importer.
namespace LabelText {

// The plain text carried by the data, at most limit characters of it. Plain text is taken when
// offered; HTML alone is reduced to its text (tags dropped, entities decoded, block ends as line
// breaks, scripts and styles skipped). The reduction stops once limit characters are collected,
// so a huge paste costs no more than the part that is kept. truncated tells whether more was
// offered than limit.
QString fromMimeData(const QMimeData &data, int limit, bool *truncated);

// The text of an HTML fragment, as above.
QString fromHtml(const QString &html, int limit, bool *truncated);

} // namespace LabelText

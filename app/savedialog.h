#pragma once

#include <QString>

class QWidget;

namespace SaveDialog {

// Asks where to save, starting at start. A name typed without an extension gets suffix, and a
// file already there is replaced only when the presenter says so: Qt's own dialog asks about
// the name it returns, and a desktop's dialog that returns a bare name is asked about here.
// Empty when the presenter cancels.
QString ask(QWidget *parent,
            const QString &title,
            const QString &start,
            const QString &filter,
            const QString &suffix);

} // namespace SaveDialog

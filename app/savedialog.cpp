#include "savedialog.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace SaveDialog {

QString ask(QWidget *parent,
            const QString &title,
            const QString &start,
            const QString &filter,
            const QString &suffix)
{
    QFileDialog dialog(parent, title, start, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    QString path = dialog.selectedFiles().constFirst();
    if (!QFileInfo(path).suffix().isEmpty())
        return path;
    path += '.' + suffix;
    if (QFileInfo::exists(path)
        && QMessageBox::question(
               parent,
               title,
               QCoreApplication::translate("MainWindow", "%1 ya existe. ¿Reemplazarlo?").arg(path))
               != QMessageBox::Yes) {
        return QString();
    }
    return path;
}

} // namespace SaveDialog

#include "boarddocument.h"

#include "app/mainwindow.h"
#include "app/preferences.h"
#include "app/savedialog.h"
#include "boardfile/boardfile.h"
#include "boardfile/writtenitems.h"
#include "scene/boardpages.h"
#include "scene/diagramscene.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QSaveFile>
#include <QScopedValueRollback>
#include <QStandardPaths>
#include <QStatusBar>
#include <QUndoStack>

#include <cmath>
#include <memory>

namespace {

constexpr int pdfResolution = 96; // one pixel of the screen is one pixel of the page

QString documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() || !QFileInfo(documents).isDir() ? QDir::homePath() : documents;
}

QString describeWriteError(const QFileDevice &file)
{
    const bool full = file.error() == QFileDevice::ResourceError
                      || file.error() == QFileDevice::WriteError;
    return full ? BoardDocument::tr("no queda espacio en el disco (%1)").arg(file.errorString())
                : file.errorString();
}

// A page as the file keeps it: no selection, handles, cursor or laser ink.
std::unique_ptr<DiagramScene> cleanCopyOf(const DiagramScene &page)
{
    auto copy = std::make_unique<DiagramScene>(nullptr, nullptr);
    QString ignored;
    BoardFile::load(*copy, BoardFile::save(page), &ignored);
    return copy;
}

// The pages of a file that does not say its screen: as large as their drawings reach.
QSize sizeHolding(const QList<const DiagramScene *> &pages)
{
    QRectF reach(0, 0, 1, 1);
    for (const DiagramScene *page : pages)
        reach |= page->itemsBoundingRect();
    return QSize(int(std::ceil(reach.right())), int(std::ceil(reach.bottom())));
}

} // namespace

BoardDocument::BoardDocument(MainWindow &window, BoardPages &pages)
    : QObject(&window)
    , window(window)
    , pages(pages)
{
    markSaved();
}

bool BoardDocument::hasLastBoard() const
{
    return !lastBoard.isEmpty() && QFileInfo(lastBoard).isFile();
}

bool BoardDocument::hasUnsavedChanges() const
{
    if (isEmpty())
        return false; // nothing to lose
    if (pages.count() != savedPages.size())
        return true;
    for (int i = 0; i < pages.count(); ++i) {
        const DiagramScene *page = pages.all().at(i);
        if (savedPages.at(i) != page || !page->history()->isClean())
            return true;
    }
    return false;
}

bool BoardDocument::isEmpty() const
{
    if (pages.count() != 1)
        return false;
    const DiagramScene *page = pages.currentPage();
    const QBrush background = page->backgroundBrush();
    return page->boardItems().isEmpty()
           && (background.style() == Qt::NoBrush
               || (background.style() == Qt::SolidPattern && background.color().alpha() == 0));
}

void BoardDocument::markSaved()
{
    savedPages.clear();
    for (DiagramScene *page : pages.all()) {
        savedPages.append(page);
        page->history()->setClean();
    }
}

QList<const DiagramScene *> BoardDocument::boardPages() const
{
    pages.currentPage()->finishLabelEdit(); // the text typed so far is part of the board
    return QList<const DiagramScene *>(pages.all().cbegin(), pages.all().cend());
}

QString BoardDocument::write(const QList<const DiagramScene *> &pages, const QString &path)
{
    if (!QFileInfo(QFileInfo(path).absolutePath()).isWritable())
        return tr("no hay permiso para escribir en esa carpeta");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    WrittenItems nothingKept;
    for (const QByteArray &part : BoardFile::saveInParts(pages, nothingKept)) {
        if (file.write(part) != part.size())
            break;
    }
    if (!file.commit())
        return describeWriteError(file);
    return QString();
}

QString BoardDocument::read(const QString &path, QByteArray *data)
{
    const QFileInfo info(path);
    if (!info.exists())
        return tr("no existe");
    if (!info.isFile())
        return tr("no es un archivo del tablero");
    if (info.size() > BoardFile::largestFile)
        return tr("el archivo es demasiado grande");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    *data = file.readAll();
    return QString();
}

namespace {

// A board file read into pages of their own, away from the board shown: for a check or a
// conversion.
struct LooseBoard
{
    // Why the file was refused; empty once its pages are read.
    QString readFrom(const QString &path)
    {
        QString reason = BoardDocument::read(path, &data);
        if (reason.isEmpty())
            BoardFile::load(pages, data, &reason);
        return reason;
    }

    QObject owner; // of the pages read
    BoardPages pages{[this] { return new DiagramScene(nullptr, &owner); }, &owner};
    QByteArray data;
};

} // namespace

QString BoardDocument::checkBoardFile(const QString &path)
{
    return LooseBoard().readFrom(path);
}

QString BoardDocument::writePdf(const QList<const DiagramScene *> &pages,
                                const QSize &pageSize,
                                const QString &path)
{
    if (!QFileInfo(QFileInfo(path).absolutePath()).isWritable())
        return tr("no hay permiso para escribir en esa carpeta");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    {
        QPdfWriter pdf(&file);
        pdf.setCreator(QStringLiteral("Tablero Tavelo"));
        pdf.setResolution(pdfResolution);
        pdf.setPageSize(QPageSize(QSizeF(pageSize) * 72.0 / pdfResolution, QPageSize::Point));
        pdf.setPageMargins(QMarginsF());
        QPainter painter(&pdf);
        const QRectF area(QPointF(0, 0), pageSize);
        for (qsizetype i = 0; i < pages.size(); ++i) {
            if (i > 0)
                pdf.newPage();
            painter.fillRect(area, Qt::white);
            cleanCopyOf(*pages.at(i))->render(&painter, area, area);
        }
    }
    if (!file.commit())
        return describeWriteError(file);
    return QString();
}

QString BoardDocument::convertToPdf(const QString &boardPath, const QString &pdfPath)
{
    LooseBoard board;
    if (const QString refused = board.readFrom(boardPath); !refused.isEmpty())
        return refused;
    const QList<const DiagramScene *> read(board.pages.all().cbegin(), board.pages.all().cend());
    QSize size = BoardFile::boardSize(board.data);
    if (size.isEmpty())
        size = sizeHolding(read);
    return writePdf(read, size, pdfPath);
}

bool BoardDocument::saveAs()
{
    const QString path = askWhereToWrite(tr("Guardar tablero"), tr("Tablero (*.tavelo)"), "tavelo");
    if (path.isEmpty())
        return false;
    const QString problem = write(boardPages(), path);
    if (!problem.isEmpty()) {
        say(tr("No se pudo guardar %1: %2").arg(path, problem));
        return false;
    }
    markSaved();
    rememberFolderOf(path);
    say(tr("Tablero guardado en %1").arg(path));
    return true;
}

void BoardDocument::open()
{
    if (asking)
        return;
    const QScopedValueRollback<bool> busy(asking, true);
    QFileDialog dialog(&window, tr("Abrir tablero"), startFolder(), tr("Tablero (*.tavelo)"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (hasLastBoard()) {
        dialog.setDirectory(QFileInfo(lastBoard).absolutePath());
        dialog.selectFile(lastBoard);
    }
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        openChecked(dialog.selectedFiles().constFirst());
}

// A board opened from the command line or the tray may come while a question of the board's
// is open: one question at a time.
void BoardDocument::openAsking(const QString &path)
{
    if (asking) {
        say(tr("No se abrió %1: antes, responda a la pregunta abierta").arg(path));
        return;
    }
    const QScopedValueRollback<bool> busy(asking, true);
    openChecked(path);
}

// A file that cannot be opened is said before anything is asked about the board.
void BoardDocument::openChecked(const QString &path)
{
    const QString refused = checkBoardFile(path);
    if (!refused.isEmpty()) {
        say(tr("No se pudo abrir %1: %2").arg(path, refused));
        return;
    }
    if (mayReplaceBoard())
        replaceBoardWith(path);
}

void BoardDocument::openLastBoard()
{
    if (!hasLastBoard()) {
        say(tr("No hay último tablero: se guarda al salir con Salir"));
        return;
    }
    openAsking(lastBoard);
}

// Opening is one step of the history of the first page opened: its undo brings back the
// board as it was.
bool BoardDocument::replaceBoardWith(const QString &path)
{
    QByteArray data;
    QString reason = read(path, &data);
    QList<DiagramScene *> replaced;
    if (reason.isEmpty()) {
        pages.currentPage()->finishLabelEdit();
        BoardFile::load(pages, data, &reason, nullptr, &replaced);
    }
    if (!reason.isEmpty()) {
        say(tr("No se pudo abrir %1: %2").arg(path, reason));
        return false;
    }
    pages.recordReplacement(replaced, tr("Abrir tablero"));
    markSaved();
    if (QFileInfo(path).absoluteFilePath() != QFileInfo(lastBoard).absoluteFilePath())
        rememberFolderOf(path);
    say(tr("Tablero abierto: %1 (páginas: %2; Ctrl+Z lo deshace)").arg(path).arg(pages.count()));
    return true;
}

// Drawings no board file holds are never thrown away without the presenter's word.
bool BoardDocument::mayReplaceBoard()
{
    if (!hasUnsavedChanges())
        return true;
    QMessageBox question(QMessageBox::Question,
                         tr("Abrir tablero"),
                         tr("El tablero tiene dibujos sin guardar."),
                         QMessageBox::NoButton,
                         &window);
    QPushButton *save = question.addButton(tr("Guardar"), QMessageBox::AcceptRole);
    QPushButton *discard = question.addButton(tr("Descartar"), QMessageBox::DestructiveRole);
    QPushButton *cancel = question.addButton(tr("Cancelar"), QMessageBox::RejectRole);
    question.setDefaultButton(save);
    question.setEscapeButton(cancel);
    question.exec();
    if (question.clickedButton() == save)
        return saveAs();
    return question.clickedButton() == discard;
}

void BoardDocument::exportPdf()
{
    const QString path = askWhereToWrite(tr("Exportar PDF"), tr("Documento PDF (*.pdf)"), "pdf");
    if (path.isEmpty())
        return;
    // The board's area on its screen, as a board file records it for the command line's PDF.
    const QSize size = pages.currentPage()->sceneRect().size().toSize();
    const QString problem = writePdf(boardPages(), size, path);
    if (!problem.isEmpty()) {
        say(tr("No se pudo exportar %1: %2").arg(path, problem));
        return;
    }
    rememberFolderOf(path);
    say(tr("PDF guardado en %1 (páginas: %2)").arg(path).arg(pages.count()));
}

QString BoardDocument::keepAsLastBoard()
{
    if (lastBoard.isEmpty() || isEmpty())
        return QString();
    const QString problem = write(boardPages(), lastBoard);
    if (problem.isEmpty()) // it shows what was on the screen: its user's alone
        QFile::setPermissions(lastBoard, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return problem;
}

QString BoardDocument::startFolder() const
{
    const QString folder = Preferences::lastBoardFolder.read(window.preferences());
    return folder.isEmpty() ? documentsFolder() : folder;
}

void BoardDocument::rememberFolderOf(const QString &path)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (folder != Preferences::lastBoardFolder.read(window.preferences()))
        window.storePreferences({{Preferences::lastBoardFolder.key, folder}});
}

// The dialog proposes a name with the date and time, in the folder of the last board.
QString BoardDocument::askWhereToWrite(const QString &title,
                                       const QString &filter,
                                       const QString &suffix)
{
    const QString named = tr("tablero-%1.%2")
                              .arg(QDateTime::currentDateTime().toString("yyyy-MM-dd-HHmmss"),
                                   suffix);
    return SaveDialog::ask(&window, title, QDir(startFolder()).filePath(named), filter, suffix);
}

void BoardDocument::say(const QString &message)
{
    window.statusBar()->showMessage(message, 0);
}

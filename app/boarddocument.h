#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QString>

class BoardPages;
class DiagramScene;
class MainWindow;

// The board as a document the presenter keeps: every page saved to a board file and opened
// again, editable; kept as the last board at Salir; and exported as a PDF of every page.
class BoardDocument : public QObject
{
    Q_OBJECT

public:
    BoardDocument(MainWindow &window, BoardPages &pages);

    // Where the board is kept at Salir; none until set.
    void setLastBoardPath(const QString &path) { lastBoard = path; }
    QString lastBoardPath() const { return lastBoard; }
    bool hasLastBoard() const;

    // The board holds drawings that no board file holds yet.
    bool hasUnsavedChanges() const;

    // The whole board written atomically: a temporary file renamed over the target when
    // complete. Returns why not; empty when it is on disk.
    static QString write(const QList<const DiagramScene *> &pages, const QString &path);
    // What a board file holds, or why it is refused (missing, not a file, far too large).
    static QString read(const QString &path, QByteArray *data);
    // Every page, in order, each a page of the PDF of the given size in pixels, on white where
    // the page is transparent. Returns why not; empty when it is on disk.
    static QString writePdf(const QList<const DiagramScene *> &pages,
                            const QSize &pageSize,
                            const QString &path);
    // The board file at boardPath as a PDF at pdfPath, for the command line: returns why not.
    static QString convertToPdf(const QString &boardPath, const QString &pdfPath);
    // Whether the file at path is a board this program opens; why not, empty when it is.
    static QString checkBoardFile(const QString &path);

public slots:
    // Ctrl+Shift+S: asks where, then writes every page. False when nothing was written.
    bool saveAs();
    // Ctrl+O: asks which board to open, then about drawings no file holds.
    void open();
    // Opens the board file in place of the board, after asking about unsaved drawings.
    void openAsking(const QString &path);
    void openLastBoard();
    // Ctrl+Shift+E: asks where, then writes every page to one PDF.
    void exportPdf();
    // At Salir: the board becomes the last board. An empty board leaves the last one as it is.
    // Returns why it could not be kept; empty otherwise.
    QString keepAsLastBoard();

private:
    void openChecked(const QString &path);
    bool mayReplaceBoard();
    bool replaceBoardWith(const QString &path);
    void markSaved();
    bool isEmpty() const;
    QList<const DiagramScene *> boardPages() const;
    QString startFolder() const;
    void rememberFolderOf(const QString &path);
    QString askWhereToWrite(const QString &title, const QString &filter, const QString &suffix);
    void say(const QString &message);

    MainWindow &window;
    BoardPages &pages;
    QString lastBoard;
    bool asking = false;                            // a dialog of the board's own is open
    QList<QPointer<const DiagramScene>> savedPages; // the pages when last saved or opened
};

#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class DiagramScene;

// The pages of the board, each a scene of its own with its items, background and history; one
// is shown at a time. A new board has one page. Pages are made by the function given, which
// owns them through Qt's parents; a page taken off the board stays alive for the step that can
// bring it back.
class BoardPages : public QObject
{
    Q_OBJECT

public:
    BoardPages(std::function<DiagramScene *()> makePage, QObject *parent);

    int count() const { return int(pages.size()); }
    int currentIndex() const { return current; }
    DiagramScene *currentPage() const { return pages.at(current); }
    const QList<DiagramScene *> &all() const { return pages; }

    void show(int index);
    // The next page; after the last, a new empty one.
    void showNext();
    void showPrevious();
    // A new empty page after the one shown, shown.
    void addPage();
    // Takes the page shown off the board as a step of the history of the page shown next, whose
    // undo brings it back where it was; the only page leaves an empty one in its place.
    void removeCurrent();
    // A page made for the board that is not on it yet; for a board read from a file.
    DiagramScene *newPage() { return makePage(); }
    // The board becomes these pages, the first shown. Returns the pages it had, which the
    // caller keeps or deletes.
    [[nodiscard]] QList<DiagramScene *> replaceAll(const QList<DiagramScene *> &replacement);
    // The pages it had come back by a step of the history of the page shown now, whose undo
    // swaps them in again; that step keeps alive whichever pages are off the board.
    void recordReplacement(const QList<DiagramScene *> &replaced, const QString &step);

    // For the step that brings a page back.
    void insert(int index, DiagramScene *page);
    void remove(DiagramScene *page);

signals:
    // Another page is shown; previous is the one shown before, which may have left the board
    // (it lives until the next return to the event loop at least).
    void shown(DiagramScene *page, DiagramScene *previous);
    // A page joined the board, new or brought back.
    void added(DiagramScene *page);
    // The pages or their order changed.
    void changed();

private:
    void showAt(int index, DiagramScene *previous);

    std::function<DiagramScene *()> makePage;
    QList<DiagramScene *> pages;
    int current = 0;
};

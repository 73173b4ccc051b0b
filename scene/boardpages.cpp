#include "boardpages.h"

#include "scene/diagramscene.h"

#include <QCoreApplication>
#include <QUndoCommand>
#include <QUndoStack>

namespace {

// Taking a page off the board, undone by bringing it back where it was. The page lives on for
// the step; when the step goes (beyond the history's limit, or with its own page), a page not
// on the board goes with it.
class RemovePageCommand : public QUndoCommand
{
public:
    RemovePageCommand(BoardPages &pages, DiagramScene *page, int index)
        : QUndoCommand(QCoreApplication::translate("DiagramScene", "Borrar página"))
        , pages(&pages)
        , page(page)
        , index(index)
    {}

    ~RemovePageCommand() override
    {
        if (page && (!pages || !pages->all().contains(page.data())))
            page->deleteLater();
    }

    void undo() override
    {
        if (page && pages)
            pages->insert(index, page);
    }

    void redo() override
    {
        if (page && pages)
            pages->remove(page);
    }

private:
    QPointer<BoardPages> pages;
    QPointer<DiagramScene> page;
    int index;
};

// Swaps the board's pages with the ones it had before, and back. Whichever set is off the board
// lives as long as the step does.
class ReplaceBoardCommand : public QUndoCommand
{
public:
    ReplaceBoardCommand(BoardPages &pages,
                        const QList<DiagramScene *> &replaced,
                        const QString &text)
        : QUndoCommand(text)
        , pages(&pages)
    {
        keep(replaced);
    }

    ~ReplaceBoardCommand() override
    {
        for (const QPointer<DiagramScene> &page : std::as_const(offBoard)) {
            if (page && (!pages || !pages->all().contains(page.data())))
                page->deleteLater();
        }
    }

    void undo() override { swap(); }

    void redo() override
    {
        if (!std::exchange(done, true))
            return; // the board was replaced before the step was recorded
        swap();
    }

private:
    void keep(const QList<DiagramScene *> &replaced)
    {
        offBoard.clear();
        for (DiagramScene *page : replaced)
            offBoard.append(page);
    }

    void swap()
    {
        QList<DiagramScene *> back;
        for (const QPointer<DiagramScene> &page : std::as_const(offBoard)) {
            if (page)
                back.append(page);
        }
        if (pages && !back.isEmpty())
            keep(pages->replaceAll(back));
    }

    QPointer<BoardPages> pages;
    QList<QPointer<DiagramScene>> offBoard;
    bool done = false;
};

} // namespace

BoardPages::BoardPages(std::function<DiagramScene *()> makePage, QObject *parent)
    : QObject(parent)
    , makePage(std::move(makePage))
{
    pages.append(this->makePage());
}

void BoardPages::show(int index)
{
    if (index < 0 || index >= count() || index == current)
        return;
    showAt(index, currentPage());
}

void BoardPages::showAt(int index, DiagramScene *previous)
{
    if (previous)
        previous->letGo();
    current = index;
    emit shown(currentPage(), previous);
}

void BoardPages::showNext()
{
    if (current + 1 == count()) {
        addPage();
        return;
    }
    show(current + 1);
}

void BoardPages::showPrevious()
{
    show(current - 1);
}

void BoardPages::addPage()
{
    DiagramScene *page = makePage();
    pages.insert(current + 1, page);
    emit added(page);
    emit changed();
    showAt(current + 1, currentPage());
}

void BoardPages::removeCurrent()
{
    DiagramScene *page = currentPage();
    page->finishLabelEdit();
    page->letGo(); // what was drawn goes with the page and comes back with it
    if (count() == 1)
        addPage(); // the board is never without a page
    const int index = int(pages.indexOf(page));
    const int next = index + 1 < count() ? index + 1 : index - 1;
    pages.at(next)->history()->push(new RemovePageCommand(*this, page, index));
}

void BoardPages::insert(int index, DiagramScene *page)
{
    DiagramScene *previous = currentPage();
    pages.insert(qBound(0, index, count()), page);
    emit added(page);
    emit changed();
    showAt(int(pages.indexOf(page)), previous);
}

void BoardPages::remove(DiagramScene *page)
{
    const int index = int(pages.indexOf(page));
    if (index < 0 || count() == 1)
        return;
    const bool wasShown = index == current;
    pages.removeAt(index);
    if (index < current || current == count())
        --current;
    emit changed();
    if (wasShown)
        showAt(qMin(index, count() - 1), page);
}

QList<DiagramScene *> BoardPages::replaceAll(const QList<DiagramScene *> &replacement)
{
    if (replacement.isEmpty())
        return {};
    DiagramScene *previous = currentPage();
    const QList<DiagramScene *> old = std::exchange(pages, replacement);
    for (DiagramScene *page : pages)
        emit added(page);
    current = 0;
    emit changed();
    showAt(0, previous);
    return old;
}

void BoardPages::recordReplacement(const QList<DiagramScene *> &replaced, const QString &step)
{
    currentPage()->history()->push(new ReplaceBoardCommand(*this, replaced, step));
}

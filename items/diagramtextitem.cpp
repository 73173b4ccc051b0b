#include "diagramtextitem.h"

#include "labeltext.h"

#include <QAbstractTextDocumentLayout>
#include <QClipboard>
#include <QGraphicsSceneDragDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>

DiagramTextItem::DiagramTextItem(QGraphicsItem *parent)
    : ReportsRemoval<QGraphicsTextItem>(parent)
{
    setFlag(ItemIsMovable);
    setFlag(ItemIsSelectable);
    setFlag(ItemSendsGeometryChanges); // moves are reported to the scene for its history
}

DiagramTextItem::~DiagramTextItem() = default;

void DiagramTextItem::mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event)
{
    if (textInteractionFlags() == Qt::NoTextInteraction) {
        markEditStart();
        setTextInteractionFlags(Qt::TextEditorInteraction);
        emit editStarted(this);
    }
    ReportsRemoval<QGraphicsTextItem>::mouseDoubleClickEvent(event);
}

void DiagramTextItem::focusOutEvent(QFocusEvent *event)
{
    setTextInteractionFlags(Qt::NoTextInteraction);
    // The receiver may take an emptied label out of the scene right here; the object itself
    // stays valid until control returns to the event loop.
    emit lostFocus(this);
    QGraphicsTextItem::focusOutEvent(event);
}

QVariant DiagramTextItem::itemChange(GraphicsItemChange change, const QVariant &value)
{
    if (change == ItemSelectedHasChanged)
        emit selectedChange(this);
    return ReportsRemoval<QGraphicsTextItem>::itemChange(change, value);
}

// Qt's text editing would paste rich text; the label pastes the clipboard's plain text itself.
void DiagramTextItem::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Paste) && (textInteractionFlags() & Qt::TextEditable)) {
        if (const QMimeData *data = QGuiApplication::clipboard()->mimeData())
            insertPlainText(textCursor(), *data);
        event->accept();
        return;
    }
    QGraphicsTextItem::keyPressEvent(event);
}

void DiagramTextItem::dropEvent(QGraphicsSceneDragDropEvent *event)
{
    if (!(textInteractionFlags() & Qt::TextEditable) || !event->mimeData()) {
        event->ignore();
        return;
    }
    QTextCursor cursor(document());
    const int position = document()->documentLayout()->hitTest(event->pos(), Qt::FuzzyHit);
    cursor.setPosition(qMax(0, position));
    insertPlainText(cursor, *event->mimeData());
    // Always a copy: a move would let the source delete what it offered.
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

// Qt's menu for text offers a rich-text paste; the label offers no menu of its own.
void DiagramTextItem::contextMenuEvent(QGraphicsSceneContextMenuEvent *event)
{
    event->accept();
}

void DiagramTextItem::insertPlainText(QTextCursor cursor, const QMimeData &data)
{
    const int kept = document()->characterCount() - 1 - int(cursor.selectedText().size());
    bool truncated = false;
    const QString text = LabelText::fromMimeData(data, qMax(0, maximumLength - kept), &truncated);
    if (!text.isEmpty()) {
        cursor.insertText(text);
        setTextCursor(cursor);
    }
    if (truncated)
        emit insertionCut();
}

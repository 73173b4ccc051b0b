#include "diagramtextitem.h"

#include "labeltext.h"

#include <QAbstractTextDocumentLayout>
#include <QClipboard>
#include <QGraphicsSceneDragDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>
#include <QTextCursor>

DiagramTextItem::DiagramTextItem(QGraphicsItem *parent)
    : ReportsPresence<QGraphicsTextItem>(parent)
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
    ReportsPresence<QGraphicsTextItem>::mouseDoubleClickEvent(event);
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
    return ReportsPresence<QGraphicsTextItem>::itemChange(change, value);
}

namespace {

// The characters a key press would put into the text.
qsizetype typedLength(const QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return 1;
    const QString text = event->text();
    return text.isEmpty() || !text.at(0).isPrint() ? 0 : text.size();
}

} // namespace

// Qt's text editing would paste rich text; the label pastes the clipboard's plain text itself.
// Typing, like pasting, stops where the label is full.
void DiagramTextItem::keyPressEvent(QKeyEvent *event)
{
    const bool editable = textInteractionFlags() & Qt::TextEditable;
    if (editable && event->matches(QKeySequence::Paste)) {
        if (const QMimeData *data = QGuiApplication::clipboard()->mimeData())
            insertPlainText(textCursor(), *data);
        event->accept();
        return;
    }
    if (editable && typedLength(event) > roomFor(textCursor())) {
        emit insertionCut();
        event->accept();
        return;
    }
    QGraphicsTextItem::keyPressEvent(event);
}

void DiagramTextItem::inputMethodEvent(QInputMethodEvent *event)
{
    if (event->commitString().size() > roomFor(textCursor())) {
        emit insertionCut();
        event->accept();
        return;
    }
    QGraphicsTextItem::inputMethodEvent(event);
}

// How many characters the label still takes where the cursor replaces its selection.
int DiagramTextItem::roomFor(const QTextCursor &cursor) const
{
    const int kept = document()->characterCount() - 1 - int(cursor.selectedText().size());
    return qMax(0, maximumLength - kept);
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
    bool truncated = false;
    const QString text = LabelText::fromMimeData(data, roomFor(cursor), &truncated);
    if (!text.isEmpty()) {
        cursor.insertText(text);
        setTextCursor(cursor);
    }
    if (truncated)
        emit insertionCut();
}

namespace {

constexpr qreal boxMargin = 4;
constexpr qreal boxRadius = 5;

} // namespace

void DiagramTextItem::setBox(const QColor &colour)
{
    prepareGeometryChange();
    boxColour = colour;
    update();
}

QRectF DiagramTextItem::boxRect() const
{
    return QGraphicsTextItem::boundingRect().adjusted(-boxMargin, -boxMargin, boxMargin, boxMargin);
}

QRectF DiagramTextItem::boundingRect() const
{
    return boxColour.isValid() ? boxRect() : QGraphicsTextItem::boundingRect();
}

QPainterPath DiagramTextItem::shape() const
{
    if (!boxColour.isValid())
        return QGraphicsTextItem::shape();
    QPainterPath path;
    path.addRect(boxRect());
    return path;
}

void DiagramTextItem::paint(QPainter *painter,
                            const QStyleOptionGraphicsItem *option,
                            QWidget *widget)
{
    if (boxColour.isValid()) {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->setBrush(boxColour);
        painter->drawRoundedRect(boxRect(), boxRadius, boxRadius);
        painter->restore();
    }
    QGraphicsTextItem::paint(painter, option, widget);
}

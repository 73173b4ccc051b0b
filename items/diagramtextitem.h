#pragma once

#include "itempresencelistener.h"

#include <QColor>
#include <QGraphicsTextItem>

class QMimeData;
class QTextCursor;

// A free text label. Editing is switched off when it loses focus and back on by a double-click.
// Pasted and dropped text is taken as plain text; typed, pasted and dropped text stop at
// maximumLength characters.
class DiagramTextItem : public ReportsPresence<QGraphicsTextItem>
{
    Q_OBJECT

public:
    enum { Type = UserType + 3 };
    // Far more than fits on a screen, and little enough to lay out at once.
    static constexpr int maximumLength = 10000;

    explicit DiagramTextItem(QGraphicsItem *parent = nullptr);
    ~DiagramTextItem() override;

    int type() const override { return Type; }

    // Whether the board's history knows the label (it does once it first holds text), and its
    // text when the current edit began, so that the whole edit can become one step.
    bool isOnRecord() const { return onRecord; }
    void setOnRecord() { onRecord = true; }
    // Labels hold plain text in one font and colour, so an edit is its text before and after:
    // putting back HTML would fix the old font on the old text, and a later change of font
    // would pass it by.
    void markEditStart() { textBeforeEdit = toPlainText(); }
    QString textAtEditStart() const { return textBeforeEdit; }

    // A solid box behind the text, so that it reads over a busy screen; an invalid colour for
    // none.
    void setBox(const QColor &colour);
    QColor box() const { return boxColour; }

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

signals:
    void lostFocus(DiagramTextItem *item);
    void selectedChange(QGraphicsItem *item);
    // A paste or drop offered more than the label takes; the rest was left out.
    void insertionCut();
    // A double-click opened the label for editing.
    void editStarted(DiagramTextItem *item);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void dropEvent(QGraphicsSceneDragDropEvent *event) override;
    void contextMenuEvent(QGraphicsSceneContextMenuEvent *event) override;
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    QVariant itemChange(GraphicsItemChange change, const QVariant &value) override;

private:
    void insertPlainText(QTextCursor cursor, const QMimeData &data);
    int roomFor(const QTextCursor &cursor) const;

    QRectF boxRect() const;

    bool onRecord = false;
    QString textBeforeEdit;
    QColor boxColour;
};

Q_DECLARE_METATYPE(DiagramTextItem *)

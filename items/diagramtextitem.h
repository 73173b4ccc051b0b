#pragma once

#include <QGraphicsTextItem>

// A free text label. Editing is switched off when it loses focus and back on by a double-click.
class DiagramTextItem : public QGraphicsTextItem
{
    Q_OBJECT

public:
    enum { Type = UserType + 3 };

    explicit DiagramTextItem(QGraphicsItem *parent = nullptr);
    ~DiagramTextItem() override;

    int type() const override { return Type; }

signals:
    void lostFocus(DiagramTextItem *item);
    void selectedChange(QGraphicsItem *item);

protected:
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    QVariant itemChange(GraphicsItemChange change, const QVariant &value) override;
};

Q_DECLARE_METATYPE(DiagramTextItem *)

#include "diagramscene.h"

#include "app/mainwindow.h"
#include "items/diagramitempixmap.h"
#include "items/diagramtextitem.h"

#include <QGraphicsLineItem>
#include <QStatusBar>
#include <QTextCursor>

namespace {

constexpr int indexDepth = 7;

} // namespace

DiagramScene::DiagramScene(QMenu *itemMenu, QObject *parent)
    : QGraphicsScene(parent)
    , itemMenu(itemMenu)
    , mainWindow(qobject_cast<MainWindow *>(parent))
{
    qRegisterMetaType<DiagramTextItem *>();
    qRegisterMetaType<DiagramScene::Mode>();
    // Left to itself the index picks its depth once, from the few items of the first update,
    // and keeps it: a board of a million dots would share 32 cells, and every repaint and
    // press would sort through tens of thousands of them. More cells make presses quicker but
    // repaints of the whole board slower, since the toolkit sorts what every cell returns:
    // 128 cells made presses about twice as quick as 32 and cost a whole-board repaint
    // about 1 %, where 1024 cost it 7 %.
    setBspTreeDepth(indexDepth);
}

DiagramScene::~DiagramScene() = default;

void DiagramScene::setMode(DiagramScene::Mode newMode)
{
    mode = newMode;
}

void DiagramScene::setItemType(DiagramItem::DiagramType type)
{
    itemType = type;
}

QGraphicsItem *DiagramScene::firstSelectedItem() const
{
    const QList<QGraphicsItem *> selected = selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

DiagramItem *DiagramScene::firstSelectedShape() const
{
    return qgraphicsitem_cast<DiagramItem *>(firstSelectedItem());
}

bool DiagramScene::selectionHasType(int type) const
{
    const QList<QGraphicsItem *> selected = selectedItems();
    return std::any_of(selected.cbegin(), selected.cend(), [type](const QGraphicsItem *item) {
        return item->type() == type;
    });
}

// The setters store the value for new items and restyle only the first selected item, and only
// when it is of the matching kind.
void DiagramScene::setTextFont(const QFont &font)
{
    textFont = font;
    if (auto *text = qgraphicsitem_cast<DiagramTextItem *>(firstSelectedItem()))
        text->setFont(textFont);
}

void DiagramScene::setTextColor(const QColor &color)
{
    textColor = color;
    if (auto *text = qgraphicsitem_cast<DiagramTextItem *>(firstSelectedItem()))
        text->setDefaultTextColor(textColor);
}

void DiagramScene::setItemColor(const QColor &color)
{
    itemColor = color;
    if (DiagramItem *shape = firstSelectedShape())
        shape->setBrush(QBrush(itemColor, Qt::SolidPattern));
}

void DiagramScene::setLineColor(const QColor &color)
{
    lineColor = color;
}

void DiagramScene::editorLostFocus(DiagramTextItem *item)
{
    QTextCursor cursor = item->textCursor();
    cursor.clearSelection();
    item->setTextCursor(cursor);

    if (item->toPlainText().isEmpty() && item->scene() == this) {
        removeItem(item);
        item->deleteLater();
    }
}

void DiagramScene::reportLabelInsertionCut()
{
    showStatus(tr("Texto recortado: una etiqueta admite hasta %1 caracteres")
                   .arg(DiagramTextItem::maximumLength));
}

void DiagramScene::showStatus(const QString &message)
{
    if (mainWindow)
        mainWindow->statusBar()->showMessage(message, 0);
}

void DiagramScene::forgetHandles()
{
    handlePoints.clear();
    handles.clear();
    draggedHandle = nullptr;
    handleDragActive = false;
    handleOwner = nullptr;
}

void DiagramScene::itemLeavingScene(QGraphicsItem *item)
{
    const qsizetype handleIndex = handles.indexOf(item);
    if (handleIndex >= 0) {
        // Keep the two lists parallel when a handle goes without hideHandles().
        handles.removeAt(handleIndex);
        if (handleIndex < handlePoints.size())
            handlePoints.removeAt(handleIndex);
        if (item == draggedHandle) {
            draggedHandle = nullptr;
            handleDragActive = false;
        }
    }
    if (item == handleOwner)
        hideHandles();
    if (item == currentShape)
        currentShape = nullptr;
    if (item == lineInProgress)
        lineInProgress = nullptr;
    if (item == cutPixmapItem)
        cutPixmapItem = nullptr;
    if (item == cutMarker)
        cutMarker = nullptr;
    if (item == pinnedShape)
        pinnedShape = nullptr;
}

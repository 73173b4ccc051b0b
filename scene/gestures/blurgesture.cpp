#include "blurgesture.h"

#include "items/diagramitempixmap.h"
#include "scene/diagramscene.h"

#include <QGraphicsView>
#include <QPixmap>

namespace {

// Coarse enough that no text of a slide or a window stays readable.
constexpr int blockPixels = 12;

} // namespace

QImage BlurGesture::pixelated(const QImage &image, int block)
{
    if (image.isNull() || block < 2)
        return image;
    const QSize blocks((image.width() + block - 1) / block, (image.height() + block - 1) / block);
    // Qt's smooth scaling averages every source pixel of a block into one; scaling back without
    // smoothing spreads it over the block again.
    const QImage averaged = image.convertToFormat(QImage::Format_RGB32)
                                .scaled(blocks, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return averaged.scaled(blocks * block, Qt::IgnoreAspectRatio, Qt::FastTransformation)
        .copy(QRect(QPoint(0, 0), image.size()));
}

// The screen's pixels per unit of the board: more than one under the lens or a zoom above 100 %.
qreal BlurGesture::viewScale() const
{
    const QGraphicsView *view = scene.views().value(0);
    return view && view->transform().m11() > 0 ? view->transform().m11() : 1.0;
}

// The picture lies over the region at whatever zoom it was marked, its blocks as large on the
// board as at 100 %.
void BlurGesture::keepRegion(const QPixmap &pixels, const QPoint &shift)
{
    const qreal perBoardUnit = pixels.devicePixelRatio() * viewScale();
    QPixmap blocks = QPixmap::fromImage(
        pixelated(pixels.toImage(), qRound(blockPixels * perBoardUnit)));
    blocks.setDevicePixelRatio(perBoardUnit);
    scene.recordPendingGesture();
    if (diagramItemPixmap *shown = showInPicture(blocks, QPointF(shift) / viewScale()))
        scene.recordAddition({shown}, DiagramScene::tr("Difuminar"));
    scene.showStatus(DiagramScene::tr("Zona difuminada"));
}

QString BlurGesture::failureMessage() const
{
    return DiagramScene::tr(
        "No se pudo difuminar la zona: el sistema no entregó la imagen de la pantalla");
}

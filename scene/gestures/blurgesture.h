#pragma once

#include "cutgesture.h"

#include <QImage>

// Hides what a region of the screen shows: the dragged rectangle becomes a picture of the
// region in coarse blocks, placed exactly over it, one step of the history. Unlike a cut, the
// pixels never reach the clipboard and the tool stays chosen for the next region.
class BlurGesture : public CutGesture
{
    Q_OBJECT

public:
    using CutGesture::CutGesture;

    // Each block of the image filled with the block's average colour; the image keeps its size.
    static QImage pixelated(const QImage &image, int block);

protected:
    void keepRegion(const QPixmap &pixels, const QPoint &shift) override;
    QString failureMessage() const override;
    bool returnsToPointer() const override { return false; }

private:
    qreal viewScale() const;
};

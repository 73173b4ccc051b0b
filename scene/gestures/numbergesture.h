#pragma once

#include "boardgesture.h"

// Numbered steps: each click places a badge with the number after the highest on the page, so
// undoing a badge steps the count back and an empty page starts again at 1.
class NumberGesture : public BoardGesture
{
public:
    using BoardGesture::BoardGesture;

    void press(const QGraphicsSceneMouseEvent &event) override;

private:
    int nextNumber() const;
};

#pragma once

#include "app/preferences.h"

#include <QIntValidator>

// Takes whole font sizes from 2 to 64. Text that cannot become one when the user leaves the box
// or presses Return falls back to the size in force, so the box never keeps a size that was
// not applied.
class FontSizeValidator : public QIntValidator
{
public:
    // sizeInForce is read at each fixup; it must outlive the validator.
    FontSizeValidator(const QString &sizeInForce, QObject *parent)
        : QIntValidator(Preferences::minimumFontSize, Preferences::maximumFontSize, parent)
        , sizeInForce(sizeInForce)
    {}

    void fixup(QString &input) const override { input = sizeInForce; }

private:
    const QString &sizeInForce;
};

#include "preferences.h"

#include <QSettings>

#include <cstring>

namespace {

// A colour read back from a damaged store can carry a colour model number outside the
// enumeration, and even asking such a colour whether it is valid is undefined. Look at the stored
// number itself: the model is the colour's first member, an int.
bool hasKnownColorModel(const QColor &color)
{
    static_assert(std::is_standard_layout_v<QColor>);
    qint32 model = 0;
    std::memcpy(&model, &color, sizeof model);
    return model >= QColor::Rgb && model <= QColor::ExtendedRgb;
}

} // namespace

namespace Preferences {

QFont font(const QSettings &settings)
{
    const QVariant stored = settings.value(fontKey);
    if (stored.canConvert<QFont>())
        return stored.value<QFont>();
    return QFont();
}

bool isValidFontSize(const QString &text)
{
    bool isNumber = false;
    const int size = text.toInt(&isNumber, 10);
    return isNumber && size >= minimumFontSize && size <= maximumFontSize;
}

QString fontSize(const QSettings &settings)
{
    const QVariant stored = settings.value(fontSizeKey);
    // Only plain texts and numbers are sizes; a list or a colour that happens to convert is not.
    const int typeId = stored.metaType().id();
    if (typeId != QMetaType::QString && typeId != QMetaType::Int && typeId != QMetaType::LongLong)
        return QString();
    const QString text = stored.toString();
    return isValidFontSize(text) ? text : QString();
}

bool flag(const QSettings &settings, const char *key)
{
    return settings.value(key).toBool();
}

std::optional<QColor> color(const QSettings &settings, const char *key)
{
    if (settings.value(key).toString().isEmpty())
        return std::nullopt;
    const QColor stored = settings.value(key).value<QColor>();
    if (!hasKnownColorModel(stored))
        return std::nullopt;
    return stored;
}

} // namespace Preferences

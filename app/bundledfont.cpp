#include "bundledfont.h"

#include <QByteArray>
#include <QFontDatabase>
#include <QResource>

int registerBundledFont(const QString &path)
{
    // Copying a few megabytes of fonts out of the bundle first was a good part of the start-up.
    const QResource font(path);
    if (!font.isValid() || font.compressionAlgorithm() != QResource::NoCompression)
        return QFontDatabase::addApplicationFont(path);
    return QFontDatabase::addApplicationFontFromData(
        QByteArray::fromRawData(reinterpret_cast<const char *>(font.data()), font.size()));
}

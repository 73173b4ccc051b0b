#include "preferences.h"

#include "app/globalkey.h"
#include "app/translations.h"
#include "scene/diagramscene.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QFileInfo>
#include <QFontInfo>
#include <QIODevice>
#include <QSettings>

namespace {

// A colour read back from a damaged store can carry a colour model number outside the
// enumeration, and even asking such a colour whether it is valid is undefined. Qt's own stream
// operator writes the model as the first byte; read it back from a copy as a plain number.
bool hasKnownColorModel(const QColor &color)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << color;
    QDataStream in(bytes);
    qint8 model = -1;
    in >> model;
    return in.status() == QDataStream::Ok && model >= QColor::Rgb && model <= QColor::ExtendedRgb;
}

} // namespace

namespace Preferences {

namespace {

std::optional<QFont> asFont(const QVariant &stored)
{
    return stored.canConvert<QFont>() ? std::optional<QFont>(stored.value<QFont>()) : std::nullopt;
}

// Only plain texts and numbers are sizes; a list or a colour that happens to convert is not.
std::optional<QString> asFontSize(const QVariant &stored)
{
    const int typeId = stored.metaType().id();
    if (typeId != QMetaType::QString && typeId != QMetaType::Int && typeId != QMetaType::LongLong)
        return std::nullopt;
    const QString text = stored.toString();
    return isValidFontSize(text) ? std::optional<QString>(text) : std::nullopt;
}

std::optional<bool> asFlag(const QVariant &stored)
{
    return stored.toBool();
}

std::optional<QColor> asStoredColor(const QVariant &stored)
{
    if (stored.toString().isEmpty())
        return std::nullopt;
    const QColor color = stored.value<QColor>();
    return hasKnownColorModel(color) ? std::optional<QColor>(color) : std::nullopt;
}

std::optional<QColor> asValidColor(const QVariant &stored)
{
    const std::optional<QColor> color = asStoredColor(stored);
    return color && color->isValid() ? color : std::nullopt;
}

std::optional<int> asOfferedWidth(const QVariant &stored)
{
    bool isNumber = false;
    const int width = stored.toInt(&isNumber);
    const bool offered = std::find(std::begin(offeredPenWidths), std::end(offeredPenWidths), width)
                         != std::end(offeredPenWidths);
    return isNumber && offered ? std::optional<int>(width) : std::nullopt;
}

std::optional<int> asNumber(const QVariant &stored)
{
    bool isNumber = false;
    const int number = stored.toInt(&isNumber);
    return isNumber ? std::optional<int>(number) : std::nullopt;
}

std::optional<QKeySequence> asGlobalKey(const QVariant &stored)
{
    const QKeySequence key(stored.toString(), QKeySequence::PortableText);
    return GlobalKey::canBeGlobal(key) ? std::optional<QKeySequence>(key) : std::nullopt;
}

std::optional<QString> asText(const QVariant &stored)
{
    return stored.toString();
}

std::optional<QString> asFolder(const QVariant &stored)
{
    const QString folder = stored.toString();
    return QFileInfo(folder).isDir() ? std::optional<QString>(folder) : std::nullopt;
}

std::optional<QString> asSpokenLanguage(const QVariant &stored)
{
    const QString code = stored.toString();
    return Translations::isSpoken(code) ? std::optional<QString>(code) : std::nullopt;
}

template<typename T>
T nothing()
{
    return T();
}

} // namespace

const Preference<QFont> font{"font", nothing<QFont>, asFont};
const Preference<QString> fontSize{"fontSize", nothing<QString>, asFontSize};
const Preference<bool> bold{"bold", nothing<bool>, asFlag};
const Preference<bool> italic{"italic", nothing<bool>, asFlag};
const Preference<bool> underline{"underLine", nothing<bool>, asFlag};
const Preference<QColor> fontColor{"fontColor", [] { return QColor(Qt::black); }, asStoredColor};
const Preference<QColor> fillColor{"fillColor", [] { return QColor(Qt::white); }, asStoredColor};
const Preference<QColor> lineColor{"lineColor", [] { return QColor(Qt::white); }, asStoredColor};
const Preference<int> penWidth{"penWidth",
                               [] { return DiagramScene::defaultPenWidth; },
                               asOfferedWidth};
const Preference<int> spotlightRadius{"spotlightRadius", [] { return 140; }, asNumber};
const Preference<QKeySequence> globalKey{"globalKey",
                                         [] { return QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_D); },
                                         asGlobalKey};
const Preference<QString> screen{"screen", nothing<QString>, asText};
const Preference<QString> lastSaveFolder{"lastSaveFolder", nothing<QString>, asFolder};
const Preference<QString> lastBoardFolder{"lastBoardFolder", nothing<QString>, asFolder};
const Preference<QString> language{"language", nothing<QString>, asSpokenLanguage};
const Preference<bool> keepLastBoard{"keepLastBoard", [] { return true; }, asFlag};
const Preference<bool> showClicks{"showClicks", nothing<bool>, asFlag};
const Preference<bool> showKeysAtStart{"showKeysAtStart", nothing<bool>, asFlag};
const Preference<bool> hideLabelTyping{"hideLabelTyping", [] { return true; }, asFlag};

void nameTheApplication()
{
    QCoreApplication::setOrganizationName("Corvane Group");
    QCoreApplication::setOrganizationDomain("tablero-tavelo.invalid");
    QCoreApplication::setApplicationName("CorvaneTaveloWindow2");
}

Preference<QColor> inkColour(const char *key)
{
    return {key, nothing<QColor>, asValidColor};
}

bool isValidFontSize(const QString &text)
{
    bool isNumber = false;
    const int size = text.toInt(&isNumber, 10);
    return isNumber && size >= minimumFontSize && size <= maximumFontSize;
}

QString asStored(const QVariant &value)
{
    constexpr int longestShown = 20;
    const QString text = value.toString();
    if (text.isEmpty())
        return QString::fromLatin1(value.typeName());
    return text.size() > longestShown ? text.left(longestShown) + "…" : text;
}

bool hasReadableSize(const QFont &font)
{
    constexpr qreal pixelsPerPoint = 96.0 / 72.0;
    if (font.pointSizeF() > 0)
        return font.pointSizeF() >= minimumFontSize && font.pointSizeF() <= maximumFontSize;
    return font.pixelSize() >= minimumFontSize * pixelsPerPoint
           && font.pixelSize() <= maximumFontSize * pixelsPerPoint;
}

int readableFallbackSize()
{
    constexpr int ordinarySize = 10;
    const int desktops = QFontInfo(QFont()).pointSize();
    return desktops >= minimumFontSize && desktops <= maximumFontSize ? desktops : ordinarySize;
}

} // namespace Preferences

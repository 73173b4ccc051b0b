#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <optional>

class QSettings;

// The formatting the board remembers between runs, with the reading rules for each key. A
// hand-edited or corrupted store is read as if the bad entry were absent.
namespace Preferences {

inline constexpr char fontKey[] = "font";
inline constexpr char fontSizeKey[] = "fontSize";
inline constexpr char boldKey[] = "bold";
inline constexpr char italicKey[] = "italic";
inline constexpr char underlineKey[] = "underLine";
inline constexpr char fontColorKey[] = "fontColor";
inline constexpr char fillColorKey[] = "fillColor";
inline constexpr char lineColorKey[] = "lineColor";

inline constexpr int minimumFontSize = 2;
inline constexpr int maximumFontSize = 64;

// The stored font; the application's default font when absent or not convertible.
QFont font(const QSettings &settings);
// The stored size text when it is a whole number from 2 to 64, else an empty text.
QString fontSize(const QSettings &settings);
// A stored flag, converted by Qt's rules; false when absent.
bool flag(const QSettings &settings, const char *key);
// A stored colour, or nothing when absent, empty or not a valid colour.
std::optional<QColor> color(const QSettings &settings, const char *key);

bool isValidFontSize(const QString &text);
// A stored size text that is no size a label can take, as it was stored (a value that is no text
// is named by its type); empty when the size is usable, empty or absent.
QString unusableFontSize(const QSettings &settings);
// A stored value as a status message names it: its text, shortened, or for a value that is no
// text its type.
QString asStored(const QVariant &value);
// Whether a label in this font can be read: from 2 to 64 points, or as many pixels as those.
bool hasReadableSize(const QFont &font);
// The size labels take when the stored one cannot be used: the desktop's own font size.
int readableFallbackSize();

} // namespace Preferences

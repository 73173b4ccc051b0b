#pragma once

#include <QColor>
#include <QFont>
#include <QKeySequence>
#include <QSettings>
#include <QString>
#include <QVariant>

#include <optional>

namespace Preferences {
// A stored value as a status message names it: its text, shortened, or for a value that is no
// text its type.
QString asStored(const QVariant &value);
} // namespace Preferences

// One key of the preferences: its name, what it reads as when absent or unusable, and which
// stored values it takes. A hand-edited or corrupted store is read as if the bad entry were
// absent.
template<typename T>
struct Preference
{
    const char *key;
    T (*fallback)();
    // The stored value as the board takes it; nothing when it cannot serve.
    std::optional<T> (*convert)(const QVariant &stored);

    // What is stored, when it can serve.
    std::optional<T> stored(const QSettings &settings) const
    {
        const QVariant value = settings.value(key);
        return value.isValid() ? convert(value) : std::nullopt;
    }
    T read(const QSettings &settings) const
    {
        const std::optional<T> value = stored(settings);
        return value ? *value : fallback();
    }
    // A value stored but not taken, as the status bar names it; empty when nothing is stored, an
    // empty text is (no choice made yet), or the stored value serves.
    QString ignored(const QSettings &settings) const
    {
        const QVariant value = settings.value(key);
        const bool none = !value.isValid()
                          || (value.metaType().id() == QMetaType::QString
                              && value.toString().isEmpty());
        return none || convert(value) ? QString() : Preferences::asStored(value);
    }
};

// Every key the board keeps, each declared once: the formatting, then what the tools beside the
// tool box, the screen and the saving remember; the key of a tool's ink is declared by the
// tool's row in the tool table. Each is written only when the presenter changes it (the five
// font keys also at start, when the size box is empty).
namespace Preferences {

// The font as the font box holds it; the application's font when absent.
extern const Preference<QFont> font;
// The size text when it is a whole number from 2 to 64.
extern const Preference<QString> fontSize;
// Converted by Qt's rules; false when absent.
extern const Preference<bool> bold;
extern const Preference<bool> italic;
extern const Preference<bool> underline;
// Present only when their text is not empty; any colour Qt can read back, valid or not.
extern const Preference<QColor> fontColor;
extern const Preference<QColor> fillColor;
extern const Preference<QColor> lineColor;
// One of the offered widths.
extern const Preference<int> penWidth;
// A tool's ink under the key its row in the tool table gives: a valid colour, none when absent.
Preference<QColor> inkColour(const char *key);
// Pixels; the view bounds them.
extern const Preference<int> spotlightRadius;
// A key that can be a global key (letters, digits, F1 to F12, space with Ctrl, Alt or Meta).
extern const Preference<QKeySequence> globalKey;
// The screen the presenter last picked, as ScreenChoice remembers it.
extern const Preference<QString> screen;
// The folder of the last picture saved.
extern const Preference<QString> lastSaveFolder;
// Where the presenter last saved or opened a board file.
extern const Preference<QString> lastBoardFolder;
// The language the presenter chose ("es", "en", "de", "fr", "pt"); the desktop's when absent.
extern const Preference<QString> language;
// Whether Salir keeps the board to open again with Ctrl+O; true when absent.
extern const Preference<bool> keepLastBoard;
// Rings at the clicks; false when absent.
extern const Preference<bool> showClicks;
// Whether the keys show from the start; false when absent, so that they show only when asked.
extern const Preference<bool> showKeysAtStart;
// Whether the keys typed into a label show as typing without their letters; true when absent.
extern const Preference<bool> hideLabelTyping;

inline constexpr int minimumFontSize = 2;
inline constexpr int maximumFontSize = 64;
// The widths the pen offers.
inline constexpr int offeredPenWidths[] = {2, 5, 9, 15, 24};

// The names the preferences are kept under, for the board and for a start that only answers.
void nameTheApplication();

bool isValidFontSize(const QString &text);
// Whether a label in this font can be read: from 2 to 64 points, or as many pixels as those.
bool hasReadableSize(const QFont &font);
// The size labels take when the stored one cannot be used: the desktop's own font size.
int readableFallbackSize();

} // namespace Preferences

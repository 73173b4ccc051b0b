#include "translations.h"

#include "app/preferences.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QSettings>
#include <QTranslator>

#include <memory>

namespace {

const QString spanish = QStringLiteral("es");

// The language part of "pt-BR", "de_DE.UTF-8" or "en".
QString languageOf(const QString &tag)
{
    return tag.section(QRegularExpression("[-_.@]"), 0, 0).toLower();
}

struct Installed
{
    std::unique_ptr<QTranslator> board;
    std::unique_ptr<QTranslator> qt;
};

Installed &installed()
{
    static Installed translators;
    return translators;
}

void removeInstalled()
{
    for (std::unique_ptr<QTranslator> *translator : {&installed().board, &installed().qt}) {
        if (*translator)
            QCoreApplication::removeTranslator(translator->get());
        translator->reset();
    }
}

// Qt's texts for the tag's language: its own country's where Qt has them, else the language's
// (Debian ships Portuguese as Brazil's alone).
std::unique_ptr<QTranslator> qtTexts(const QString &tag)
{
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    auto texts = std::make_unique<QTranslator>();
    for (const QLocale &locale : {QLocale(tag), QLocale(languageOf(tag)), QLocale("pt_BR")}) {
        if (locale.language() == QLocale(languageOf(tag)).language()
            && texts->load(locale, "qtbase", "_", folder))
            return texts;
    }
    return nullptr;
}

} // namespace

namespace Translations {

const QList<Language> &spoken()
{
    static const QList<Language> languages{
        {"es", "Español"},
        {"en", "English"},
        {"de", "Deutsch"},
        {"fr", "Français"},
        {"pt", "Português"},
    };
    return languages;
}

bool isSpoken(const QString &code)
{
    return std::any_of(spoken().cbegin(), spoken().cend(), [&code](const Language &language) {
        return code == QLatin1String(language.code);
    });
}

QStringList wanted(const QSettings &settings)
{
    const QString forced = qEnvironmentVariable("TAVELO_LANGUAGE");
    if (!forced.isEmpty())
        return {forced};
    const QString chosen = Preferences::language.read(settings);
    if (!chosen.isEmpty())
        return {chosen};
    return QLocale::system().uiLanguages();
}

QString install(const QStringList &wanted)
{
    removeInstalled();
    for (const QString &tag : wanted) {
        const QString code = languageOf(tag);
        if (!isSpoken(code))
            continue;
        if (code != spanish) {
            auto board = std::make_unique<QTranslator>();
            if (!board->load(QString(":/i18n/tavelo_%1.qm").arg(code)))
                continue;
            installed().board = std::move(board);
            QCoreApplication::installTranslator(installed().board.get());
        }
        installed().qt = qtTexts(tag);
        if (installed().qt)
            QCoreApplication::installTranslator(installed().qt.get());
        return code;
    }
    // Spanish, Qt's dialogs too.
    return install({spanish});
}

} // namespace Translations

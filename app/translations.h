#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QSettings;

// The board speaks Spanish, its own language, and English, German, French and Portuguese from
// translations of its texts; Qt's own texts (its dialogs' buttons) follow from Qt's translations
// where the system has them.
namespace Translations {

struct Language
{
    const char *code; // as the preferences keep it
    const char *name; // in the language itself, as a chooser lists it
};

// Spanish first, then every language with a translation.
const QList<Language> &spoken();
bool isSpoken(const QString &code);
// The languages asked for, most wanted first: TAVELO_LANGUAGE, else the presenter's stored
// choice, else the desktop's.
QStringList wanted(const QSettings &settings);
// Speaks the first wanted language the board has, Spanish when none is (the C locale too), and
// returns its code. Replaces what an earlier call installed.
QString install(const QStringList &wanted);

} // namespace Translations

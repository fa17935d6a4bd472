#pragma once
// The language the program speaks. It is written in Dutch; every other
// language the desktop may ask for gets English, which more collectors read.

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace plenvik {

// "nl" or "en", from the desktop's languages in Qt's order of preference
// (LANGUAGE, then LC_ALL, LC_MESSAGES, LANG). Where none is set (the C and
// POSIX locales, or nothing) the program stays Dutch.
QString programLanguage(const QStringList &uiLanguages);

// Loads the program's own translation, if its language needs one, and Qt's
// for its dialogs and buttons. Returns the language chosen.
QString installTranslations(QCoreApplication &app);

} // namespace plenvik

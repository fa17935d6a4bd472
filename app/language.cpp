#include "app/language.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace plenvik {

QString programLanguage(const QStringList &uiLanguages)
{
    if (uiLanguages.isEmpty())
        return QStringLiteral("nl");
    // As gettext reads LANGUAGE: the first of the list the program speaks
    // decides. No language set (C, POSIX) is Dutch, the program's own.
    for (const QString &name : uiLanguages) {
        const QLocale::Language language = QLocale(name).language();
        if (language == QLocale::Dutch || language == QLocale::C)
            return QStringLiteral("nl");
        if (language == QLocale::English)
            return QStringLiteral("en");
    }
    return QStringLiteral("en");
}

QString installTranslations(QCoreApplication &app)
{
    const QString language = programLanguage(QLocale::system().uiLanguages());
    // Numbers are shown as the window's language writes them, whatever the
    // desktop's own locale: "180,5" in Dutch, "180.5" in English.
    QLocale shown = language == QLatin1String("nl") ? QLocale(QLocale::Dutch, QLocale::Netherlands)
                                                     : QLocale(QLocale::English, QLocale::UnitedKingdom);
    shown.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(shown);
    // Qt's own texts: the print and file dialogs, and the buttons of every
    // question ("Ja", "Nee").
    auto *qt = new QTranslator(&app);
    if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    // The program's own texts are Dutch in the source, so only other
    // languages have a translation, built into the program.
    const QString own = QStringLiteral(":/plenvik/i18n/plenvik_") + language + QStringLiteral(".qm");
    auto *mine = new QTranslator(&app);
    if (QFileInfo::exists(own) && mine->load(own))
        QCoreApplication::installTranslator(mine);
    else
        delete mine;
    return language;
}

} // namespace plenvik

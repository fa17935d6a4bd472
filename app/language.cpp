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
    const QLocale first(uiLanguages.constFirst());
    const bool dutch = first.language() == QLocale::Dutch || first.language() == QLocale::C;
    return dutch ? QStringLiteral("nl") : QStringLiteral("en");
}

QString installTranslations(QCoreApplication &app)
{
    const QString language = programLanguage(QLocale::system().uiLanguages());
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

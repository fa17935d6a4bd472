#include "app/helptext.h"

#include <QCoreApplication>
#include <QStringList>

namespace plenvik {

QString buildHelpText()
{
    const QStringList lines = {
        QStringLiteral("   Beknopte helpinstructie"),
        QStringLiteral("   ----------------------------------"),
        QStringLiteral("   Met dit programma kunt u zelf supplementen ontwerpen"),
        QStringLiteral("   geschikt om uw postzegelverzameling te bewaren op A4 "),
        QStringLiteral("   formaat (210 x 297 mm)"),
        QString(),
        QStringLiteral("   Maak met de muiscursor maximaal 20 kaders door met"),
        QStringLiteral("   ingedrukte linkermuistoets een rechthoek te trekken."),
        QStringLiteral("   Daarna kunt u per kader een korte tekst invoeren."),
        QStringLiteral("   Eventueel kunt u een kader(rand), titel, subtitel en een"),
        QStringLiteral("   paginanummer invoeren. Na het afdrukken kunt u de op"),
        QStringLiteral("   maat gemaakte klemstroken aanbrengen in de kaders."),
        QString(),
        QStringLiteral("   Is het supplement klaar, dan kunt u het opslaan onder"),
        QStringLiteral("   een naam naar keuze; het verschijnt dan in de lijst."),
        QStringLiteral("   Meer software voor de filatelie vindt u op onze"),
        QStringLiteral("   softwarepagina:"),
        QStringLiteral("   ") + QLatin1String(kSoftwarePageAddress),
        QString(),
        QStringLiteral("   Uitleg coordinaten"),
        QStringLiteral("   ---------------------------"),
        QStringLiteral("   b.v. Kader 1...: 112,93,67,33,0,1598"),
        QString(),
        QStringLiteral("   Kader 1 = 1e kader (van de 20) dat is getekend"),
        QStringLiteral("   112 = aantal mm van links"),
        QStringLiteral("   93 = aantal mm van boven"),
        QStringLiteral("   67 = kader van 67 mm breed"),
        QStringLiteral("   33 = kader van 33 mm hoog"),
        QStringLiteral("   0 = geen binnenrand / 1 = wel binnenrand"),
        QStringLiteral("   1598 = tekst onder het kader (b.v. Catalogusnummer)"),
        QString(),
        QCoreApplication::translate("HelpText", "   Album indelen (Extra): per regel een zegel, zo:"),
        QCoreApplication::translate("HelpText", "   onderschrift; breedte; hoogte (mm); aantal (mag weg)."),
        QCoreApplication::translate("HelpText", "   '= naam' begint een uitgifte, '#' begint commentaar."),
        QString(),
        QStringLiteral("   Plenvik - gemaakt door de makers van Plenvik"),
    };
    QString text = QStringLiteral("\r\n");
    for (const QString &l : lines)
        text += l + QStringLiteral("\r\n");
    return text;
}

} // namespace plenvik

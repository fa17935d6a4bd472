#include "app/helptext.h"

#include <QCoreApplication>
#include <QStringList>

namespace plenvik {

QString buildHelpText()
{
    const QStringList lines = {
        QCoreApplication::translate("HelpText", "   Beknopte helpinstructie"),
        QCoreApplication::translate("HelpText", "   ----------------------------------"),
        QCoreApplication::translate("HelpText", "   Met dit programma kunt u zelf supplementen ontwerpen"),
        QCoreApplication::translate("HelpText", "   geschikt om uw postzegelverzameling te bewaren op A4 "),
        QCoreApplication::translate("HelpText", "   formaat (210 x 297 mm)"),
        QString(),
        QCoreApplication::translate("HelpText", "   Maak met de muiscursor maximaal 20 kaders door met"),
        QCoreApplication::translate("HelpText", "   ingedrukte linkermuistoets een rechthoek te trekken."),
        QCoreApplication::translate("HelpText", "   Daarna kunt u per kader een korte tekst invoeren."),
        QCoreApplication::translate("HelpText", "   Eventueel kunt u een kader(rand), titel, subtitel en een"),
        QCoreApplication::translate("HelpText", "   paginanummer invoeren. Na het afdrukken kunt u de op"),
        QCoreApplication::translate("HelpText", "   maat gemaakte klemstroken aanbrengen in de kaders."),
        QString(),
        QCoreApplication::translate("HelpText", "   Is het supplement klaar, dan kunt u het opslaan onder"),
        QCoreApplication::translate("HelpText", "   een naam naar keuze; het verschijnt dan in de lijst."),
        QCoreApplication::translate("HelpText", "   Meer software voor de filatelie vindt u op onze"),
        QCoreApplication::translate("HelpText", "   softwarepagina:"),
        QStringLiteral("   ") + QLatin1String(kSoftwarePageAddress),
        QString(),
        QCoreApplication::translate("HelpText", "   Uitleg coordinaten"),
        QCoreApplication::translate("HelpText", "   ---------------------------"),
        QCoreApplication::translate("HelpText", "   b.v. Kader 1...: 112,93,67,33,0,1598"),
        QString(),
        QCoreApplication::translate("HelpText", "   Kader 1 = 1e kader (van de 20) dat is getekend"),
        QCoreApplication::translate("HelpText", "   112 = aantal mm van links"),
        QCoreApplication::translate("HelpText", "   93 = aantal mm van boven"),
        QCoreApplication::translate("HelpText", "   67 = kader van 67 mm breed"),
        QCoreApplication::translate("HelpText", "   33 = kader van 33 mm hoog"),
        QCoreApplication::translate("HelpText", "   0 = geen binnenrand / 1 = wel binnenrand"),
        QCoreApplication::translate("HelpText", "   1598 = tekst onder het kader (b.v. Catalogusnummer)"),
        // The blocks the program has beyond the first follow without a
        // blank line of their own; the text scrolls where it runs past the canvas.
        QCoreApplication::translate("HelpText", "   Klik een kader aan om het te bewerken: slepen"),
        QCoreApplication::translate("HelpText", "   verplaatst het, de blokjes op de rand maken het groter"),
        QCoreApplication::translate("HelpText", "   of kleiner, de pijltjestoetsen schuiven 1 mm, Delete"),
        QCoreApplication::translate("HelpText", "   haalt het weg; dubbelklik of Enter: Kader wijzigen."),
        QCoreApplication::translate("HelpText", "   Tab kiest het volgende kader. Undo en Opnieuw gaan"),
        QCoreApplication::translate("HelpText", "   elke stap terug en vooruit."),
        QCoreApplication::translate("HelpText", "   Sneltoetsen: Ctrl+N nieuw, Ctrl+S opslaan, Ctrl+P"),
        QCoreApplication::translate("HelpText", "   afdrukken, Ctrl+Z undo, Ctrl+Y opnieuw, Ctrl+Q stoppen."),
        QCoreApplication::translate("HelpText", "   Een gewijzigd supplement gaat nooit verloren: eerst"),
        QCoreApplication::translate("HelpText", "   vraagt het programma of u het wilt opslaan."),
        QCoreApplication::translate("HelpText", "   Album indelen (Extra): per regel een zegel, zo:"),
        QCoreApplication::translate("HelpText", "   onderschrift; breedte; hoogte (mm); [aantal; afbeelding;"),
        QCoreApplication::translate("HelpText", "   vorm]."),
        QCoreApplication::translate("HelpText", "   '= naam' begint een uitgifte, '#' begint commentaar."),
        QCoreApplication::translate("HelpText", "   Met 'Koppen boven de uitgiften' staat de naam van elke"),
        QCoreApplication::translate("HelpText", "   uitgifte als kop boven haar zegels."),
        QCoreApplication::translate("HelpText", "   In bibliotheek zetten bewaart ook de lijst; Naam biedt"),
        QCoreApplication::translate("HelpText", "   de bewaarde albums aan. Opnieuw indelen vraagt eerst"),
        QCoreApplication::translate("HelpText", "   voor elk supplement dat u met de hand veranderde."),
        QCoreApplication::translate("HelpText", "   Een kader kan ook een driehoek, ruit of ovaal zijn, met"),
        QCoreApplication::translate("HelpText", "   een gestreepte lijn of zonder lijn, en drie regels"),
        QCoreApplication::translate("HelpText", "   onderschrift hebben (Kader invoeren, Kader wijzigen,"),
        QCoreApplication::translate("HelpText", "   Rij kaders; in de lijst: NVPH 1 | 5 c blauw | 1852)."),
        QCoreApplication::translate("HelpText", "   Tekst invoeren (Extra): een regel tekst waar u wilt, in"),
        QCoreApplication::translate("HelpText", "   mm van boven en van links of in het midden; kiezen,"),
        QCoreApplication::translate("HelpText", "   slepen, wijzigen en weghalen gaat als bij een kader."),
        QCoreApplication::translate("HelpText", "   Extra: Papierformaat (A4, Letter, A5...), Afbeeldingen."),
        QCoreApplication::translate("HelpText", "   Pagina-opmaak (Extra): een rand van een, twee of drie"),
        QCoreApplication::translate("HelpText", "   lijnen op eigen afstanden (ruimte voor perforatie), de"),
        QCoreApplication::translate("HelpText", "   lettertype en de grootten van de teksten, tot 100 kaders."),
        QString(),
        QCoreApplication::translate("HelpText", "   Plenvik - gemaakt door de makers van Plenvik"),
    };
    QString text = QStringLiteral("\r\n");
    for (const QString &l : lines)
        text += l + QStringLiteral("\r\n");
    return text;
}

} // namespace plenvik

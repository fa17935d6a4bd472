<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="nl">
<context>
    <name></name>
    <message>
        <source>De afstand van de rand tot de rand van het papier ligt tussen 5 en 60 mm.</source>
        <translation>The border stands 5 to 60 mm from the edge of the paper.</translation>
    </message>
    <message>
        <source>Een lijn van de rand is 0,1 tot 3 mm dik.</source>
        <translation>A line of the border is 0.1 to 3 mm thick.</translation>
    </message>
    <message>
        <source>Een lijn van de rand is 0,1 tot 3 mm dik, met 0,3 tot 10 mm tussen twee lijnen.</source>
        <translation>A line of the border is 0.1 to 3 mm thick, with 0.3 to 10 mm between two lines.</translation>
    </message>
    <message>
        <source>Een lettergrootte ligt tussen 6 en 36 punten.</source>
        <translation>A font size lies between 6 and 36 points.</translation>
    </message>
    <message>
        <source>Een pagina heeft 20 tot 100 kaders.</source>
        <translation>A page has 20 to 100 frames.</translation>
    </message>
    <message>
        <source>De rand laat op dit papier geen ruimte over.</source>
        <translation>The border leaves no room on this paper.</translation>
    </message>
    <message>
        <source>De pagina heeft al %1 kaders; geef haar minstens zoveel kaders per pagina.</source>
        <translation>The page already has %1 frames; give it at least that many frames per page.</translation>
    </message>
</context>
<context>
    <name>AlbumDialog</name>
    <message>
        <source> Album afdrukken</source>
        <translation> Print album</translation>
    </message>
    <message>
        <source>Alles</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Niets</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Op naam</source>
        <translation>By name</translation>
    </message>
    <message>
        <source>Op paginanummer</source>
        <translation>By page number</translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>(geen)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Album</translation>
    </message>
    <message>
        <source> Album indelen</source>
        <translation> Lay out album</translation>
    </message>
    <message>
        <source>Vervangen</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>Eigen bewaren</source>
        <translation>Keep own</translation>
    </message>
    <message>
        <source>Stoppen</source>
        <translation>Stop</translation>
    </message>
</context>
<context>
    <name>AlbumFileText</name>
    <message>
        <source>regel %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>het album is groter dan 2 MB</source>
        <translation>the album is larger than 2 MB</translation>
    </message>
    <message>
        <source>&quot;%1&quot; verwacht</source>
        <translation>&quot;%1&quot; expected</translation>
    </message>
    <message>
        <source>&quot;%1=&quot; verwacht</source>
        <translation>&quot;%1=&quot; expected</translation>
    </message>
    <message>
        <source>geen UTF-8</source>
        <translation>not UTF-8</translation>
    </message>
    <message>
        <source>%1 kan niet worden gelezen</source>
        <translation>%1 cannot be read</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kan geen pagina van het album zijn</source>
        <translation>&apos;%1&apos; cannot be a page of the album</translation>
    </message>
    <message>
        <source>meer dan %1 pagina&apos;s</source>
        <translation>more than %1 pages</translation>
    </message>
    <message>
        <source>&quot;Pagina=&quot; of &quot;Lijst&quot; verwacht</source>
        <translation>&quot;Pagina=&quot; or &quot;Lijst&quot; expected</translation>
    </message>
    <message>
        <source>de lijst is groter dan 1 MB</source>
        <translation>the list is larger than 1 MB</translation>
    </message>
    <message>
        <source>regel 2: het album heet %1</source>
        <translation>line 2: the album is called %1</translation>
    </message>
</context>
<context>
    <name>AlbumIndelen</name>
    <message>
        <source> Album indelen</source>
        <translation> Lay out album</translation>
    </message>
    <message>
        <source>Openen...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>Een zegel per regel: onderschrift; breedte; hoogte; aantal
(mm, een komma of een punt; het aantal mag weg)

= 1852 Koning Willem III
NVPH 1; 22; 26
NVPH 2; 22; 26
= 1864 Koning Willem III
NVPH 4; 21,5; 25; 3</source>
        <translation>One stamp a line: caption; width; height; count
(mm, with a point or a comma; the count may be left out)

= 1840 Queen Victoria
SG 1; 22; 26
SG 2; 22; 26
= 1841 Queen Victoria
SG 8; 21.5; 25; 3</translation>
    </message>
    <message>
        <source>Elke uitgifte op een nieuwe pagina</source>
        <translation>Each issue on a new page</translation>
    </message>
    <message>
        <source>Vorige</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>Volgende</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>In bibliotheek zetten</source>
        <translation>Put in library</translation>
    </message>
    <message>
        <source>Sluiten</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Naam</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Titel</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Eerste paginanummer</source>
        <translation>First page number</translation>
    </message>
    <message>
        <source>Tussenruimte</source>
        <translation>Gap</translation>
    </message>
    <message>
        <source>Rijafstand</source>
        <translation>Row spacing</translation>
    </message>
    <message>
        <source>Marge</source>
        <translation>Margin</translation>
    </message>
    <message>
        <source>Lijst van zegels</source>
        <translation>List of stamps</translation>
    </message>
    <message>
        <source>Pagina %1 van %2</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source> Lijst openen</source>
        <translation> Open list</translation>
    </message>
    <message>
        <source>Lijsten (*.txt *.csv *.tsv);;Alle bestanden (*)</source>
        <translation>Lists (*.txt *.csv *.tsv);;All files (*)</translation>
    </message>
    <message>
        <source>Vervolgtekst</source>
        <translation>Continuation text</translation>
    </message>
    <message>
        <source>Koppen boven de uitgiften</source>
        <translation>Headings above the issues</translation>
    </message>
    <message>
        <source>Grootte van de koppen</source>
        <translation>Size of the headings</translation>
    </message>
    <message>
        <source>Pagina %1 van %2 van de vorige, goede lijst</source>
        <translation>Page %1 of %2 of the last good list</translation>
    </message>
    <message>
        <source>Kaders per pagina</source>
        <translation>Frames per page</translation>
    </message>
</context>
<context>
    <name>AlbumPutText</name>
    <message>
        <source>%1 staat al in de bibliotheek en is geen afbeeldingenbestand van Plenvik; geef het buiten Plenvik een andere naam.</source>
        <translation>%1 is in the library already and is not a pictures file of Plenvik; rename it outside Plenvik.</translation>
    </message>
</context>
<context>
    <name>Calibration</name>
    <message>
        <source>Voor deze printer is geen correctie ingesteld.</source>
        <translation>No correction is set for this printer.</translation>
    </message>
    <message>
        <source>Correctie nu: breedte %1 %, verschoven %2 mm; hoogte %3 %, verschoven %4 mm.</source>
        <translation>Correction now: width %1 %, shifted %2 mm; height %3 %, shifted %4 mm.</translation>
    </message>
</context>
<context>
    <name>CalibrationSheet</name>
    <message>
        <source>Plenvik - ijkblad voor deze printer</source>
        <translation>Plenvik - calibration sheet for this printer</translation>
    </message>
    <message>
        <source>Meet met een goede liniaal, op een tiende millimeter:</source>
        <translation>Measure with a good ruler, to a tenth of a millimetre:</translation>
    </message>
    <message>
        <source>A: de lengte van de liggende lijn bovenaan (hoort 180 mm te zijn)</source>
        <translation>A: the length of the horizontal line at the top (should be 180 mm)</translation>
    </message>
    <message>
        <source>B: de lengte van de staande lijn links (hoort 270 mm te zijn)</source>
        <translation>B: the length of the vertical line on the left (should be 270 mm)</translation>
    </message>
    <message>
        <source>C: van de linkerrand van het papier tot de staande lijn (hoort 30 mm te zijn)</source>
        <translation>C: from the left edge of the paper to the vertical line (should be 30 mm)</translation>
    </message>
    <message>
        <source>D: van de bovenrand van het papier tot de liggende lijn (hoort 30 mm te zijn)</source>
        <translation>D: from the top edge of the paper to the horizontal line (should be 30 mm)</translation>
    </message>
    <message>
        <source>Meet tot het midden van de lijnen. Vul de maten daarna in bij</source>
        <translation>Measure to the middle of the lines. Then enter the measurements in</translation>
    </message>
    <message>
        <source>Extra &gt; Printer ijken... en kies OK.</source>
        <translation>Extra &gt; Calibrate Printer... and choose OK.</translation>
    </message>
</context>
<context>
    <name>CaptionFit</name>
    <message>
        <source>Onderschrift van kader %1 raakt kader %2</source>
        <translation>The caption of frame %1 touches frame %2</translation>
    </message>
    <message>
        <source>Onderschrift van kader %1 raakt het onderschrift van kader %2</source>
        <translation>The caption of frame %1 touches the caption of frame %2</translation>
    </message>
    <message>
        <source>Onderschrift van kader %1 raakt tekst %2</source>
        <translation>The caption of frame %1 touches text %2</translation>
    </message>
</context>
<context>
    <name>DesignFileText</name>
    <message>
        <source>regel %1: veld ontbreekt (einde van het bestand)</source>
        <translation>line %1: a field is missing (end of the file)</translation>
    </message>
    <message>
        <source>regel %1: tekst zonder afsluitend aanhalingsteken</source>
        <translation>line %1: a text without its closing quotation mark</translation>
    </message>
    <message>
        <source>regel %1: tekst loopt over een regeleinde</source>
        <translation>line %1: a text runs over a line end</translation>
    </message>
    <message>
        <source>regel %1: onverwachte tekens na een tekst</source>
        <translation>line %1: unexpected characters after a text</translation>
    </message>
    <message>
        <source>regel %1: %2 is geen getal</source>
        <translation>line %1: %2 is not a number</translation>
    </message>
    <message>
        <source>regel %1: %2 moet een geheel getal van %3 tot %4 zijn</source>
        <translation>line %1: %2 must be a whole number from %3 to %4</translation>
    </message>
    <message>
        <source>regel %1: %2 moet tussen aanhalingstekens staan</source>
        <translation>line %1: %2 must stand between quotation marks</translation>
    </message>
    <message>
        <source>regel %1: border moet #TRUE# of #FALSE# zijn</source>
        <translation>line %1: the border must be #TRUE# or #FALSE#</translation>
    </message>
    <message>
        <source>het bestand is te groot</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>het aantal kaders</source>
        <translation>the number of frames</translation>
    </message>
    <message>
        <source>links</source>
        <translation>left</translation>
    </message>
    <message>
        <source>boven</source>
        <translation>top</translation>
    </message>
    <message>
        <source>breedte</source>
        <translation>width</translation>
    </message>
    <message>
        <source>hoogte</source>
        <translation>height</translation>
    </message>
    <message>
        <source>binnenrand</source>
        <translation>inner frame</translation>
    </message>
    <message>
        <source>het onderschrift</source>
        <translation>the caption</translation>
    </message>
    <message>
        <source>rood</source>
        <translation>red</translation>
    </message>
    <message>
        <source>groen</source>
        <translation>green</translation>
    </message>
    <message>
        <source>blauw</source>
        <translation>blue</translation>
    </message>
    <message>
        <source>de borderbreedte</source>
        <translation>the border width</translation>
    </message>
    <message>
        <source>de titel</source>
        <translation>the title</translation>
    </message>
    <message>
        <source>de subtitel</source>
        <translation>the subtitle</translation>
    </message>
    <message>
        <source>het paginanummer</source>
        <translation>the page number</translation>
    </message>
    <message>
        <source>de papierbreedte</source>
        <translation>the paper width</translation>
    </message>
    <message>
        <source>de papierhoogte</source>
        <translation>the paper height</translation>
    </message>
    <message>
        <source>regel %1: papier van %2 x %3 mm kan niet; het moet van %4 x %5 tot %6 x %7 mm zijn, op een tiende millimeter</source>
        <translation>line %1: paper of %2 x %3 mm is not possible; it must be from %4 x %5 to %6 x %7 mm, to a tenth of a millimetre</translation>
    </message>
    <message>
        <source>grijstinten</source>
        <translation>greyscale</translation>
    </message>
    <message>
        <source>de sterkte</source>
        <translation>the strength</translation>
    </message>
    <message>
        <source>regel %1: %2 ontbreekt</source>
        <translation>line %1: %2 is missing</translation>
    </message>
    <message>
        <source>regel %1: te veel velden</source>
        <translation>line %1: too many fields</translation>
    </message>
    <message>
        <source>regel %1: &quot;%2&quot; staat er twee keer</source>
        <translation>line %1: &quot;%2&quot; appears twice</translation>
    </message>
    <message>
        <source>regel %1: %2 moet &quot;%3&quot; zijn, tussen aanhalingstekens</source>
        <translation>line %1: %2 must be &quot;%3&quot;, between quotation marks</translation>
    </message>
    <message>
        <source>de bovenkant van de tekst</source>
        <translation>the top of the text</translation>
    </message>
    <message>
        <source>de linkerkant van de tekst</source>
        <translation>the left of the text</translation>
    </message>
    <message>
        <source>de grootte van de tekst</source>
        <translation>the size of the text</translation>
    </message>
    <message>
        <source>vet</source>
        <translation>bold</translation>
    </message>
    <message>
        <source>de tekst</source>
        <translation>the text</translation>
    </message>
    <message>
        <source>regel %1: meer dan %2 teksten</source>
        <translation>line %1: more than %2 texts</translation>
    </message>
    <message>
        <source>regel %1: %2 is geen geldige UTF-8</source>
        <translation>line %1: %2 is not valid UTF-8</translation>
    </message>
    <message>
        <source>regel %1: %2 bevat het stuurteken %3</source>
        <translation>line %1: %2 holds the control character %3</translation>
    </message>
    <message>
        <source>regel %1: de tekst is langer dan %2 tekens</source>
        <translation>line %1: the text is longer than %2 characters</translation>
    </message>
    <message>
        <source>het kadernummer</source>
        <translation>the frame number</translation>
    </message>
    <message>
        <source>de vorm</source>
        <translation>the shape</translation>
    </message>
    <message>
        <source>de lijn</source>
        <translation>the line</translation>
    </message>
    <message>
        <source>regel 2</source>
        <translation>line 2</translation>
    </message>
    <message>
        <source>regel 3</source>
        <translation>line 3</translation>
    </message>
    <message>
        <source>regel %1: de pagina heeft geen kader %2</source>
        <translation>line %1: the page has no frame %2</translation>
    </message>
    <message>
        <source>regel %1: kader %2 staat er twee keer</source>
        <translation>line %1: frame %2 is there twice</translation>
    </message>
    <message>
        <source>regel %1: de vorm &quot;%2&quot; bestaat niet</source>
        <translation>line %1: there is no shape &quot;%2&quot;</translation>
    </message>
    <message>
        <source>regel %1: de lijn &quot;%2&quot; bestaat niet</source>
        <translation>line %1: there is no line &quot;%2&quot;</translation>
    </message>
    <message>
        <source>de rand</source>
        <translation>the border</translation>
    </message>
    <message>
        <source>de dikte van de buitenste lijn</source>
        <translation>the thickness of the outer line</translation>
    </message>
    <message>
        <source>de dikte van de binnenste lijnen</source>
        <translation>the thickness of the inner lines</translation>
    </message>
    <message>
        <source>de ruimte tussen de lijnen</source>
        <translation>the space between the lines</translation>
    </message>
    <message>
        <source>de kleur van de rand</source>
        <translation>the colour of the border</translation>
    </message>
    <message>
        <source>rechts</source>
        <translation>right</translation>
    </message>
    <message>
        <source>onder</source>
        <translation>bottom</translation>
    </message>
    <message>
        <source>het lettertype</source>
        <translation>the font</translation>
    </message>
    <message>
        <source>de grootte van de titel</source>
        <translation>the size of the title</translation>
    </message>
    <message>
        <source>de grootte van de subtitel</source>
        <translation>the size of the subtitle</translation>
    </message>
    <message>
        <source>de grootte van het paginanummer</source>
        <translation>the size of the page number</translation>
    </message>
    <message>
        <source>de grootte van de onderschriften</source>
        <translation>the size of the captions</translation>
    </message>
    <message>
        <source>cursief</source>
        <translation>italic</translation>
    </message>
    <message>
        <source>het aantal kaders per pagina</source>
        <translation>the number of frames per page</translation>
    </message>
    <message>
        <source>regel %1: %2 kan niet</source>
        <translation>line %1: %2 cannot be taken</translation>
    </message>
    <message>
        <source>regel %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>regel 2: de pagina heeft %1 kaders, meer dan de %2 van haar opmaak</source>
        <translation>line 2: the page has %1 frames, more than the %2 of its style</translation>
    </message>
    <message>
        <source>de naam van het album</source>
        <translation>the name of the album</translation>
    </message>
    <message>
        <source>de vingerafdruk</source>
        <translation>the fingerprint</translation>
    </message>
    <message>
        <source>regel %1: de naam van het album kan geen naam zijn</source>
        <translation>line %1: the album&apos;s name cannot be a name</translation>
    </message>
    <message>
        <source>regel %1: de vingerafdruk moet 40 tekens 0-9 en a-f tussen aanhalingstekens zijn</source>
        <translation>line %1: the fingerprint must be 40 characters 0-9 and a-f between quotation marks</translation>
    </message>
</context>
<context>
    <name>DialogStyle</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Opslaan</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Niet opslaan</source>
        <translation>Don&apos;t Save</translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>FrameDialogs</name>
    <message>
        <source> Kader invoeren</source>
        <translation> Enter frame</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Boven</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>Breedte</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Hoogte</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Binnenkader</source>
        <translation>Inner frame</translation>
    </message>
    <message>
        <source>Onderschrift</source>
        <translation>Caption</translation>
    </message>
    <message>
        <source> Rij kaders</source>
        <translation> Row of frames</translation>
    </message>
    <message>
        <source>Aantal</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>Tussenruimte</source>
        <translation>Gap</translation>
    </message>
    <message>
        <source>Eerste onderschrift</source>
        <translation>First caption</translation>
    </message>
    <message>
        <source>Kiezen...</source>
        <translation>Choose...</translation>
    </message>
    <message>
        <source>Afbeelding</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source> Afbeelding kiezen</source>
        <translation> Choose Picture</translation>
    </message>
    <message>
        <source> Kader wijzigen</source>
        <translation> Change frame</translation>
    </message>
    <message>
        <source>de afbeelding die het kader heeft</source>
        <translation>the picture the frame has</translation>
    </message>
    <message>
        <source> Tekst wijzigen</source>
        <translation> Change text</translation>
    </message>
    <message>
        <source> Tekst invoeren</source>
        <translation> Enter text</translation>
    </message>
    <message>
        <source>Tekst</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Midden</source>
        <translation>Centred</translation>
    </message>
    <message>
        <source>Grootte</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Vet</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>Rechthoek</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Driehoek</source>
        <translation>Triangle</translation>
    </message>
    <message>
        <source>Driehoek omlaag</source>
        <translation>Triangle down</translation>
    </message>
    <message>
        <source>Ruit</source>
        <translation>Diamond</translation>
    </message>
    <message>
        <source>Ovaal</source>
        <translation>Oval</translation>
    </message>
    <message>
        <source>Doorgetrokken</source>
        <translation>Solid</translation>
    </message>
    <message>
        <source>Gestreept</source>
        <translation>Dashed</translation>
    </message>
    <message>
        <source>Geen</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Regel 2</source>
        <translation>Line 2</translation>
    </message>
    <message>
        <source>Regel 3</source>
        <translation>Line 3</translation>
    </message>
    <message>
        <source>Vorm</source>
        <translation>Shape</translation>
    </message>
    <message>
        <source>Lijn</source>
        <translation>Line</translation>
    </message>
</context>
<context>
    <name>FrameTool</name>
    <message>
        <source>Geef het onderschrift voor dit kader...</source>
        <translation>Enter the caption for this frame...</translation>
    </message>
    <message>
        <source> Onderschrift kader %1</source>
        <translation> Caption for frame %1</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>   Beknopte helpinstructie</source>
        <translation>   Short help</translation>
    </message>
    <message>
        <source>   ----------------------------------</source>
        <translation>   ---------------------</translation>
    </message>
    <message>
        <source>   Met dit programma kunt u zelf supplementen ontwerpen</source>
        <translation>   With this program you design your own album pages</translation>
    </message>
    <message>
        <source>   geschikt om uw postzegelverzameling te bewaren op A4 </source>
        <translation>   to keep your stamp collection on, in A4 size</translation>
    </message>
    <message>
        <source>   formaat (210 x 297 mm)</source>
        <translation>   (210 x 297 mm)</translation>
    </message>
    <message>
        <source>   Maak met de muiscursor maximaal 20 kaders door met</source>
        <translation>   Make up to 20 frames with the mouse: hold down the</translation>
    </message>
    <message>
        <source>   ingedrukte linkermuistoets een rechthoek te trekken.</source>
        <translation>   left mouse button and drag a rectangle.</translation>
    </message>
    <message>
        <source>   Daarna kunt u per kader een korte tekst invoeren.</source>
        <translation>   Then enter a short text for each frame.</translation>
    </message>
    <message>
        <source>   Eventueel kunt u een kader(rand), titel, subtitel en een</source>
        <translation>   You may also add a border, a title, a subtitle and a</translation>
    </message>
    <message>
        <source>   paginanummer invoeren. Na het afdrukken kunt u de op</source>
        <translation>   page number. After printing, put mounting strips</translation>
    </message>
    <message>
        <source>   maat gemaakte klemstroken aanbrengen in de kaders.</source>
        <translation>   cut to size in the frames.</translation>
    </message>
    <message>
        <source>   Is het supplement klaar, dan kunt u het opslaan onder</source>
        <translation>   When the page is ready, save it under a name of</translation>
    </message>
    <message>
        <source>   een naam naar keuze; het verschijnt dan in de lijst.</source>
        <translation>   your choice; it then appears in the list.</translation>
    </message>
    <message>
        <source>   Meer software voor de filatelie vindt u op onze</source>
        <translation>   You will find more software for philately on our</translation>
    </message>
    <message>
        <source>   softwarepagina:</source>
        <translation>   software page:</translation>
    </message>
    <message>
        <source>   Uitleg coordinaten</source>
        <translation>   The coordinates</translation>
    </message>
    <message>
        <source>   ---------------------------</source>
        <translation>   -------------------------</translation>
    </message>
    <message>
        <source>   b.v. Kader 1...: 112,93,67,33,0,1598</source>
        <translation>   e.g. Frame 1...: 112,93,67,33,0,1598</translation>
    </message>
    <message>
        <source>   Kader 1 = 1e kader (van de 20) dat is getekend</source>
        <translation>   Frame 1 = the 1st frame (of the 20) drawn</translation>
    </message>
    <message>
        <source>   112 = aantal mm van links</source>
        <translation>   112 = mm from the left</translation>
    </message>
    <message>
        <source>   93 = aantal mm van boven</source>
        <translation>   93 = mm from the top</translation>
    </message>
    <message>
        <source>   67 = kader van 67 mm breed</source>
        <translation>   67 = frame 67 mm wide</translation>
    </message>
    <message>
        <source>   33 = kader van 33 mm hoog</source>
        <translation>   33 = frame 33 mm high</translation>
    </message>
    <message>
        <source>   0 = geen binnenrand / 1 = wel binnenrand</source>
        <translation>   0 = no inner frame / 1 = inner frame</translation>
    </message>
    <message>
        <source>   1598 = tekst onder het kader (b.v. Catalogusnummer)</source>
        <translation>   1598 = text under the frame (e.g. catalogue number)</translation>
    </message>
    <message>
        <source>   Album indelen (Extra): per regel een zegel, zo:</source>
        <translation>   Lay out album (Extra): one stamp a line, like this:</translation>
    </message>
    <message>
        <source>   &apos;= naam&apos; begint een uitgifte, &apos;#&apos; begint commentaar.</source>
        <translation>   &apos;= name&apos; starts an issue, &apos;#&apos; starts a comment.</translation>
    </message>
    <message>
        <source>   Plenvik - gemaakt door de makers van Plenvik</source>
        <translation>   Plenvik - made by the makers of Plenvik</translation>
    </message>
    <message>
        <source>   Extra: Papierformaat (A4, Letter, A5...), Afbeeldingen.</source>
        <translation>   Extra: Paper Size (A4, Letter, A5...), Pictures.</translation>
    </message>
    <message>
        <source>   Klik een kader aan om het te bewerken: slepen</source>
        <translation>   Click a frame to edit it: dragging moves it, the</translation>
    </message>
    <message>
        <source>   verplaatst het, de blokjes op de rand maken het groter</source>
        <translation>   small squares on its edge make it larger or smaller,</translation>
    </message>
    <message>
        <source>   of kleiner, de pijltjestoetsen schuiven 1 mm, Delete</source>
        <translation>   the arrow keys move it by 1 mm, Delete removes it;</translation>
    </message>
    <message>
        <source>   haalt het weg; dubbelklik of Enter: Kader wijzigen.</source>
        <translation>   double-click or Enter: Change Frame.</translation>
    </message>
    <message>
        <source>   Tab kiest het volgende kader. Undo en Opnieuw gaan</source>
        <translation>   Tab chooses the next frame. Undo and Redo go back</translation>
    </message>
    <message>
        <source>   elke stap terug en vooruit.</source>
        <translation>   and forward a step at a time.</translation>
    </message>
    <message>
        <source>   Sneltoetsen: Ctrl+N nieuw, Ctrl+S opslaan, Ctrl+P</source>
        <translation>   Shortcuts: Ctrl+N new, Ctrl+S save, Ctrl+P print,</translation>
    </message>
    <message>
        <source>   afdrukken, Ctrl+Z undo, Ctrl+Y opnieuw, Ctrl+Q stoppen.</source>
        <translation>   Ctrl+Z undo, Ctrl+Y redo, Ctrl+Q exit.</translation>
    </message>
    <message>
        <source>   Een gewijzigd supplement gaat nooit verloren: eerst</source>
        <translation>   A changed page is never lost: the program first</translation>
    </message>
    <message>
        <source>   vraagt het programma of u het wilt opslaan.</source>
        <translation>   asks whether you want to save it.</translation>
    </message>
    <message>
        <source>   Met &apos;Koppen boven de uitgiften&apos; staat de naam van elke</source>
        <translation>   With &apos;Headings above the issues&apos; each issue&apos;s name</translation>
    </message>
    <message>
        <source>   uitgifte als kop boven haar zegels.</source>
        <translation>   stands as a heading above its stamps.</translation>
    </message>
    <message>
        <source>   Tekst invoeren (Extra): een regel tekst waar u wilt, in</source>
        <translation>   Enter text (Extra): a line of text wherever you want, in</translation>
    </message>
    <message>
        <source>   mm van boven en van links of in het midden; kiezen,</source>
        <translation>   mm from the top and the left or centred; choosing,</translation>
    </message>
    <message>
        <source>   slepen, wijzigen en weghalen gaat als bij een kader.</source>
        <translation>   dragging, changing and removing work as for a frame.</translation>
    </message>
    <message>
        <source>   onderschrift; breedte; hoogte (mm); [aantal; afbeelding;</source>
        <translation>   caption; width; height (mm); [count; picture;</translation>
    </message>
    <message>
        <source>   vorm].</source>
        <translation>   shape].</translation>
    </message>
    <message>
        <source>   Een kader kan ook een driehoek, ruit of ovaal zijn, met</source>
        <translation>   A frame may also be a triangle, diamond or oval, with</translation>
    </message>
    <message>
        <source>   een gestreepte lijn of zonder lijn, en drie regels</source>
        <translation>   a dashed line or no line, and have three caption</translation>
    </message>
    <message>
        <source>   onderschrift hebben (Kader invoeren, Kader wijzigen,</source>
        <translation>   lines (Enter frame, Change frame,</translation>
    </message>
    <message>
        <source>   Rij kaders; in de lijst: NVPH 1 | 5 c blauw | 1852).</source>
        <translation>   Row of frames; in the list: NVPH 1 | 5 c blue | 1852).</translation>
    </message>
    <message>
        <source>   Pagina-opmaak (Extra): een rand van een, twee of drie</source>
        <translation>   Page Style (Extra): a border of one, two or three</translation>
    </message>
    <message>
        <source>   lijnen op eigen afstanden (ruimte voor perforatie), de</source>
        <translation>   lines at distances of your own (room for punch holes), the</translation>
    </message>
    <message>
        <source>   lettertype en de grootten van de teksten, tot 100 kaders.</source>
        <translation>   font and the sizes of the texts, up to 100 frames.</translation>
    </message>
    <message>
        <source>   In bibliotheek zetten bewaart ook de lijst; Naam biedt</source>
        <translation>   Put in library keeps the list too; Name offers the</translation>
    </message>
    <message>
        <source>   de bewaarde albums aan. Opnieuw indelen vraagt eerst</source>
        <translation>   albums kept. Laying out again first asks about</translation>
    </message>
    <message>
        <source>   voor elk supplement dat u met de hand veranderde.</source>
        <translation>   each page you changed by hand.</translation>
    </message>
</context>
<context>
    <name>IjkDialog</name>
    <message>
        <source> Printer ijken</source>
        <translation> Calibrate printer</translation>
    </message>
    <message>
        <source>Wat u op het ijkblad van %1 hebt gemeten, in millimeters:</source>
        <translation>What you measured on the calibration sheet of %1, in millimetres:</translation>
    </message>
    <message>
        <source>A, de liggende lijn (180)</source>
        <translation>A, the horizontal line (180)</translation>
    </message>
    <message>
        <source>B, de staande lijn (270)</source>
        <translation>B, the vertical line (270)</translation>
    </message>
    <message>
        <source>C, linkerrand tot staande lijn (30)</source>
        <translation>C, left edge to vertical line (30)</translation>
    </message>
    <message>
        <source>D, bovenrand tot liggende lijn (30)</source>
        <translation>D, top edge to horizontal line (30)</translation>
    </message>
    <message>
        <source>Herstellen</source>
        <translation>Reset</translation>
    </message>
</context>
<context>
    <name>Listing</name>
    <message>
        <source>Border...........: </source>
        <translation>Border..............: </translation>
    </message>
    <message>
        <source>Aan</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Uit</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Borderbreedte...: </source>
        <translation>Border width....: </translation>
    </message>
    <message>
        <source> pixels</source>
        <translation> pixels</translation>
    </message>
    <message>
        <source>Borderkleur......: </source>
        <translation>Border colour..: </translation>
    </message>
    <message>
        <source>Paginatitel.......: </source>
        <translation>Page title..........: </translation>
    </message>
    <message>
        <source>Subtitel..........: </source>
        <translation>Subtitle............: </translation>
    </message>
    <message>
        <source>Paginanummer....: </source>
        <translation>Page number...: </translation>
    </message>
    <message>
        <source>Kader %1...: </source>
        <translation>Frame %1...: </translation>
    </message>
    <message>
        <source>Kader %1..: </source>
        <translation>Frame %1..: </translation>
    </message>
    <message>
        <source>%1 x %2 mm</source>
        <translation>%1 x %2 mm</translation>
    </message>
    <message>
        <source>Papier...........: </source>
        <translation>Paper...............: </translation>
    </message>
    <message>
        <source>Afbeeldingen....: </source>
        <translation>Pictures.........: </translation>
    </message>
    <message>
        <source>%1, grijstinten, sterkte %2 %</source>
        <translation>%1, greyscale, strength %2 %</translation>
    </message>
    <message>
        <source>%1, in kleur, sterkte %2 %</source>
        <translation>%1, in colour, strength %2 %</translation>
    </message>
    <message>
        <source>Tekst %1...: </source>
        <translation>Text %1....: </translation>
    </message>
    <message>
        <source>Tekst %1..: </source>
        <translation>Text %1...: </translation>
    </message>
    <message>
        <source>midden</source>
        <translation>centre</translation>
    </message>
    <message>
        <source>vet</source>
        <translation>bold</translation>
    </message>
    <message>
        <source>gewoon</source>
        <translation>plain</translation>
    </message>
    <message>
        <source>rechthoek</source>
        <translation>rectangle</translation>
    </message>
    <message>
        <source>driehoek</source>
        <translation>triangle</translation>
    </message>
    <message>
        <source>driehoek omlaag</source>
        <translation>triangle down</translation>
    </message>
    <message>
        <source>ruit</source>
        <translation>diamond</translation>
    </message>
    <message>
        <source>ovaal</source>
        <translation>oval</translation>
    </message>
    <message>
        <source>doorgetrokken</source>
        <translation>solid</translation>
    </message>
    <message>
        <source>gestreept</source>
        <translation>dashed</translation>
    </message>
    <message>
        <source>geen lijn</source>
        <translation>no line</translation>
    </message>
    <message>
        <source>Kader %1.: </source>
        <translation>Frame %1.: </translation>
    </message>
    <message>
        <source>lijn van het menu Tools</source>
        <translation>line of the Tools menu</translation>
    </message>
    <message>
        <source>geen</source>
        <translation>none</translation>
    </message>
    <message>
        <source>enkel, %1 mm</source>
        <translation>single, %1 mm</translation>
    </message>
    <message>
        <source>dubbel, %1 en %2 mm, %3 mm ertussen</source>
        <translation>double, %1 and %2 mm, %3 mm between</translation>
    </message>
    <message>
        <source>drievoudig, %1 en %2 mm, %3 mm ertussen</source>
        <translation>triple, %1 and %2 mm, %3 mm between</translation>
    </message>
    <message>
        <source>, zwart</source>
        <translation>, black</translation>
    </message>
    <message>
        <source>Opmaak..........: </source>
        <translation>Style...........: </translation>
    </message>
    <message>
        <source>Randafstand.....: %1 / %2 / %3 / %4 mm (links / rechts / boven / onder)</source>
        <translation>Border distance.: %1 / %2 / %3 / %4 mm (left / right / top / bottom)</translation>
    </message>
    <message>
        <source>Kaders..........: %1 per pagina</source>
        <translation>Frames..........: %1 per page</translation>
    </message>
    <message>
        <source>Lettertype......: </source>
        <translation>Font............: </translation>
    </message>
    <message>
        <source>Tekstgrootte....: titel %1, subtitel %2, paginanummer %3, onderschriften %4 pt</source>
        <translation>Text size.......: title %1, subtitle %2, page number %3, captions %4 pt</translation>
    </message>
    <message>
        <source>, cursief</source>
        <translation>, italic</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Nieuw</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Opslaan</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Print Supplement</source>
        <translation>Print Page</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Print Setup</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Binnenkader</source>
        <translation>Inner Frame</translation>
    </message>
    <message>
        <source>Border uit</source>
        <translation>Border off</translation>
    </message>
    <message>
        <source>Border 1 pixel</source>
        <translation>Border 1 pixel</translation>
    </message>
    <message>
        <source>Border 2 pixels</source>
        <translation>Border 2 pixels</translation>
    </message>
    <message>
        <source>Border 3 pixels</source>
        <translation>Border 3 pixels</translation>
    </message>
    <message>
        <source>Titel</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Subtitel</source>
        <translation>Subtitle</translation>
    </message>
    <message>
        <source>Paginanummer</source>
        <translation>Page Number</translation>
    </message>
    <message>
        <source>Tekenkruis</source>
        <translation>Crosshair</translation>
    </message>
    <message>
        <source>Kader invoeren...</source>
        <translation>Enter Frame...</translation>
    </message>
    <message>
        <source>Rij kaders...</source>
        <translation>Row of Frames...</translation>
    </message>
    <message>
        <source>Album indelen...</source>
        <translation>Lay Out Album...</translation>
    </message>
    <message>
        <source>Stroken...</source>
        <translation>Strips...</translation>
    </message>
    <message>
        <source>Album afdrukken...</source>
        <translation>Print Album...</translation>
    </message>
    <message>
        <source>Printer ijken...</source>
        <translation>Calibrate Printer...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Meer Software</source>
        <translation>More Software</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Extra</source>
        <translation>Extra</translation>
    </message>
    <message>
        <source>Papierformaat...</source>
        <translation>Paper Size...</translation>
    </message>
    <message>
        <source>Afbeeldingen...</source>
        <translation>Pictures...</translation>
    </message>
    <message>
        <source>Opnieuw</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Kader wijzigen...</source>
        <translation>Change Frame...</translation>
    </message>
    <message>
        <source>Tekst invoeren...</source>
        <translation>Enter Text...</translation>
    </message>
    <message>
        <source>Pagina-opmaak...</source>
        <translation>Page Style...</translation>
    </message>
</context>
<context>
    <name>NumberField</name>
    <message>
        <source>%1 kan van %2 tot %3%4 zijn</source>
        <translation>%1 can be from %2 to %3%4</translation>
    </message>
    <message>
        <source>%1; vul een getal in.</source>
        <translation>%1; type a number.</translation>
    </message>
    <message>
        <source>%1, in hele getallen; %2 kan niet.</source>
        <translation>%1, in whole numbers; %2 cannot be taken.</translation>
    </message>
    <message>
        <source>%1; &apos;%2&apos; is geen getal.</source>
        <translation>%1; &apos;%2&apos; is not a number.</translation>
    </message>
    <message>
        <source>%1; %2 kan niet.</source>
        <translation>%1; %2 cannot be taken.</translation>
    </message>
    <message>
        <source>%1 = %2 mm</source>
        <translation>%1 = %2 mm</translation>
    </message>
    <message>
        <source>%1; de eenheid &apos;%2&apos; is onbekend: gebruik mm, cm, in of &quot;.</source>
        <translation>%1; the unit &apos;%2&apos; is unknown: use mm, cm, in or &quot;.</translation>
    </message>
    <message>
        <source>%1, met één cijfer na de komma; %2 kan niet.</source>
        <translation>%1, with one figure after the point; %2 cannot be.</translation>
    </message>
    <message>
        <source>%1; %2 (%3 mm) kan niet.</source>
        <translation>%1; %2 (%3 mm) cannot be.</translation>
    </message>
</context>
<context>
    <name>OpmaakDialog</name>
    <message>
        <source>Lijn van het menu Tools</source>
        <translation>Line of the Tools menu</translation>
    </message>
    <message>
        <source>Geen</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Enkel</source>
        <translation>Single</translation>
    </message>
    <message>
        <source>Dubbel</source>
        <translation>Double</translation>
    </message>
    <message>
        <source>Drievoudig</source>
        <translation>Triple</translation>
    </message>
    <message>
        <source> Pagina-opmaak</source>
        <translation> Page Style</translation>
    </message>
    <message>
        <source>Rand</source>
        <translation>Border</translation>
    </message>
    <message>
        <source>Buitenste lijn</source>
        <translation>Outer line</translation>
    </message>
    <message>
        <source>Binnenste lijnen</source>
        <translation>Inner lines</translation>
    </message>
    <message>
        <source>Tussen de lijnen</source>
        <translation>Between the lines</translation>
    </message>
    <message>
        <source>Tekenkleur</source>
        <translation>Drawing colour</translation>
    </message>
    <message>
        <source>Zwart</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>Kleur</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Rechts</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Boven</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>Onder</source>
        <translation>Bottom</translation>
    </message>
    <message>
        <source>Titel</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Subtitel</source>
        <translation>Subtitle</translation>
    </message>
    <message>
        <source>Paginanummer</source>
        <translation>Page number</translation>
    </message>
    <message>
        <source>Kaders per pagina</source>
        <translation>Frames per page</translation>
    </message>
    <message>
        <source>Ook voor nieuwe pagina&apos;s</source>
        <translation>Also for new pages</translation>
    </message>
    <message>
        <source>Standaard (Arial)</source>
        <translation>Default (Arial)</translation>
    </message>
    <message>
        <source>Lettertype</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Onderschriften</source>
        <translation>Captions</translation>
    </message>
    <message>
        <source>Onderschriften cursief</source>
        <translation>Captions in italics</translation>
    </message>
</context>
<context>
    <name>PageEdit</name>
    <message>
        <source>kader %1</source>
        <translation>frame %1</translation>
    </message>
    <message>
        <source>Het kader ligt niet helemaal op het blad (%1 x %2 mm).</source>
        <translation>The frame is not wholly on the sheet (%1 x %2 mm).</translation>
    </message>
    <message>
        <source>Breedte en hoogte moeten minstens 1 mm zijn.</source>
        <translation>Width and height must be at least 1 mm.</translation>
    </message>
    <message>
        <source>%1 en %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>tekst %1</source>
        <translation>text %1</translation>
    </message>
    <message>
        <source> en </source>
        <translation> and </translation>
    </message>
</context>
<context>
    <name>PageFiles</name>
    <message>
        <source>Pagina %1, kader %2</source>
        <translation>Page %1, frame %2</translation>
    </message>
    <message>
        <source>Stroken voor 1 supplement</source>
        <translation>Strips for 1 page</translation>
    </message>
    <message>
        <source>Stroken voor %1 supplementen</source>
        <translation>Strips for %1 pages</translation>
    </message>
    <message>
        <source>een onderbroken opslag kon niet worden afgemaakt</source>
        <translation>an interrupted save could not be finished</translation>
    </message>
    <message>
        <source>bestanden niet zeker te paren</source>
        <translation>the files cannot be paired for certain</translation>
    </message>
    <message>
        <source>ontwerpbestand ontbreekt</source>
        <translation>the design file is missing</translation>
    </message>
    <message>
        <source>ontwerpbestand onleesbaar</source>
        <translation>the design file cannot be read</translation>
    </message>
    <message>
        <source>plaatje ontbreekt</source>
        <translation>the picture is missing</translation>
    </message>
    <message>
        <source>plaatje is geen BMP van %1 x %2</source>
        <translation>the picture is not a BMP of %1 x %2</translation>
    </message>
    <message>
        <source>plaatje onleesbaar: %1</source>
        <translation>the picture cannot be read: %1</translation>
    </message>
    <message>
        <source>afbeeldingenbestand ontbreekt</source>
        <translation>pictures file missing</translation>
    </message>
    <message>
        <source>afbeeldingenbestand onleesbaar</source>
        <translation>pictures file unreadable</translation>
    </message>
    <message>
        <source>afbeeldingenbestand is te groot</source>
        <translation>pictures file is too large</translation>
    </message>
    <message>
        <source>%1 staat al in de bibliotheek en is geen afbeeldingenbestand van Plenvik; geef het buiten Plenvik een andere naam.</source>
        <translation>%1 is already in the library and is not a pictures file of Plenvik&apos;s; give it another name outside Plenvik.</translation>
    </message>
    <message>
        <source>kader %1: %2</source>
        <translation>frame %1: %2</translation>
    </message>
    <message>
        <source>plaatje onleesbaar: geen gewoon bestand</source>
        <translation>picture unreadable: not a plain file</translation>
    </message>
</context>
<context>
    <name>Paths</name>
    <message>
        <source>de map bestaat niet en kon niet worden gemaakt</source>
        <translation>the folder does not exist and could not be made</translation>
    </message>
    <message>
        <source>u mag in deze map niet schrijven</source>
        <translation>you may not write in this folder</translation>
    </message>
    <message>
        <source>de schijf is alleen te lezen</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>de schijf is vol</source>
        <translation>the disk is full</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>afbeeldingenbestand is te groot</source>
        <translation>pictures file is too large</translation>
    </message>
    <message>
        <source>afbeeldingenbestand is geen afbeeldingenbestand</source>
        <translation>pictures file is not a pictures file</translation>
    </message>
    <message>
        <source>afbeeldingenbestand is beschadigd</source>
        <translation>pictures file is damaged</translation>
    </message>
    <message>
        <source>afbeeldingenbestand is afgebroken</source>
        <translation>pictures file is cut short</translation>
    </message>
    <message>
        <source>afbeeldingenbestand is leeg</source>
        <translation>pictures file is empty</translation>
    </message>
</context>
<context>
    <name>PicturesDialog</name>
    <message>
        <source>Afbeeldingen (*.png *.jpg *.jpeg *.bmp *.tif *.tiff);;Alle bestanden (*)</source>
        <translation>Pictures (*.png *.jpg *.jpeg *.bmp *.tif *.tiff);;All files (*)</translation>
    </message>
    <message>
        <source> Afbeeldingen</source>
        <translation> Pictures</translation>
    </message>
    <message>
        <source>Kader %1: %2</source>
        <translation>Frame %1: %2</translation>
    </message>
    <message>
        <source>geen</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Kiezen...</source>
        <translation>Choose...</translation>
    </message>
    <message>
        <source>Weg</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source> Afbeelding kiezen</source>
        <translation> Choose Picture</translation>
    </message>
    <message>
        <source>Grijstinten</source>
        <translation>Greyscale</translation>
    </message>
    <message>
        <source>Sterkte</source>
        <translation>Strength</translation>
    </message>
</context>
<context>
    <name>Printer</name>
    <message>
        <source> Print Setup</source>
        <translation> Print Setup</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Plenvik supplement</source>
        <translation>Plenvik page</translation>
    </message>
    <message>
        <source>Het papier van %1 x %2 mm past op geen papier van %3; het grootste is %4 x %5 mm.</source>
        <translation>The paper of %1 x %2 mm fits none of the papers of %3; the largest is %4 x %5 mm.</translation>
    </message>
</context>
<context>
    <name>Rows</name>
    <message>
        <source>Breedte en hoogte moeten minstens 1 mm zijn.</source>
        <translation>Width and height must be at least 1 mm.</translation>
    </message>
    <message>
        <source>Maximum van 20 kaders bereikt!</source>
        <translation>Maximum of 20 frames reached!</translation>
    </message>
    <message>
        <source>Een rij heeft minstens 1 kader.</source>
        <translation>A row has at least 1 frame.</translation>
    </message>
    <message>
        <source>Er is nog plaats voor 1 kader.</source>
        <translation>There is room for 1 more frame.</translation>
    </message>
    <message>
        <source>Er is nog plaats voor %1 kaders.</source>
        <translation>There is room for %1 more frames.</translation>
    </message>
    <message>
        <source>De tussenruimte kan niet kleiner zijn dan 0 mm.</source>
        <translation>The gap cannot be less than 0 mm.</translation>
    </message>
    <message>
        <source>De rij is breder dan het blad (%1 mm).</source>
        <translation>The row is wider than the sheet (%1 mm).</translation>
    </message>
    <message>
        <source>De rij past niet op het blad (%1 mm hoog).</source>
        <translation>The row does not fit on the sheet (%1 mm high).</translation>
    </message>
    <message>
        <source>Een regel van het onderschrift is langer dan %1 tekens; maak hem korter.</source>
        <translation>A line of the caption is longer than %1 characters; make it shorter.</translation>
    </message>
    <message>
        <source>Een regel van het onderschrift bevat het teken %1, dat niet afgedrukt kan worden.</source>
        <translation>A line of the caption holds the character %1, which cannot be printed.</translation>
    </message>
    <message>
        <source>Maximum van %1 kaders bereikt!</source>
        <translation>Maximum of %1 frames reached!</translation>
    </message>
</context>
<context>
    <name>SheetDialog</name>
    <message>
        <source>%1 (%2 × %3 mm)</source>
        <translation>%1 (%2 × %3 mm)</translation>
    </message>
    <message>
        <source> Papierformaat</source>
        <translation> Paper size</translation>
    </message>
    <message>
        <source>Eigen formaat</source>
        <translation>Size of your own</translation>
    </message>
    <message>
        <source>Breedte</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Hoogte</source>
        <translation>Height</translation>
    </message>
</context>
<context>
    <name>StampList</name>
    <message>
        <source>Regel %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>de naam van de uitgifte bevat &apos;%1&apos;, dat een supplement niet kan bewaren</source>
        <translation>the name of the issue holds &apos;%1&apos;, which a page cannot store</translation>
    </message>
    <message>
        <source>verwacht onderschrift; breedte; hoogte en eventueel een aantal</source>
        <translation>expected caption; width; height and perhaps a count</translation>
    </message>
    <message>
        <source>het onderschrift bevat &apos;%1&apos;, dat een supplement niet kan bewaren</source>
        <translation>the caption holds &apos;%1&apos;, which a page cannot store</translation>
    </message>
    <message>
        <source>de breedte &apos;%1&apos; is geen getal</source>
        <translation>the width &apos;%1&apos; is not a number</translation>
    </message>
    <message>
        <source>de hoogte &apos;%1&apos; is geen getal</source>
        <translation>the height &apos;%1&apos; is not a number</translation>
    </message>
    <message>
        <source>breedte en hoogte moeten groter zijn dan 0</source>
        <translation>width and height must be more than 0</translation>
    </message>
    <message>
        <source>het aantal &apos;%1&apos; is geen heel getal van 1 tot %2</source>
        <translation>the count &apos;%1&apos; is not a whole number from 1 to %2</translation>
    </message>
    <message>
        <source>dit kader is breder dan de ruimte op het blad (%1 mm)</source>
        <translation>this frame is wider than the room on the sheet (%1 mm)</translation>
    </message>
    <message>
        <source>dit kader is hoger dan de ruimte op het blad (%1 mm)</source>
        <translation>this frame is higher than the room on the sheet (%1 mm)</translation>
    </message>
    <message>
        <source>De lijst heeft meer dan %1 kaders; dat zijn er te veel voor een album.</source>
        <translation>The list has more than %1 frames; that is too many for an album.</translation>
    </message>
    <message>
        <source>Kan het bestand &apos;%1&apos; niet lezen.</source>
        <translation>Cannot read the file &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Het bestand &apos;%1&apos; is groter dan 1 MB; dat is geen lijst van zegels.</source>
        <translation>The file &apos;%1&apos; is larger than 1 MB; that is not a list of stamps.</translation>
    </message>
    <message>
        <source>dit kader is met de kop erboven hoger dan de ruimte op het blad (%1 mm)</source>
        <translation>this frame, with the heading above it, is taller than the room on the sheet (%1 mm)</translation>
    </message>
    <message>
        <source>het onderschrift heeft meer dan drie regels</source>
        <translation>the caption has more than three lines</translation>
    </message>
    <message>
        <source>de vorm &apos;%1&apos; bestaat niet; kies rechthoek, driehoek, driehoek omlaag, ruit of ovaal</source>
        <translation>there is no shape &apos;%1&apos;; choose rectangle, triangle, triangle down, diamond or oval</translation>
    </message>
</context>
<context>
    <name>StampPicture</name>
    <message>
        <source>Afbeelding %1: %2</source>
        <translation>Picture %1: %2</translation>
    </message>
    <message>
        <source>het bestand is er niet of kan niet worden gelezen.</source>
        <translation>the file is not there or cannot be read.</translation>
    </message>
    <message>
        <source>het bestand is groter dan 200 MB.</source>
        <translation>the file is larger than 200 MB.</translation>
    </message>
    <message>
        <source>dit is geen PNG, JPEG, BMP of TIFF.</source>
        <translation>this is not a PNG, JPEG, BMP or TIFF.</translation>
    </message>
    <message>
        <source>de afbeelding heeft geen pixels.</source>
        <translation>the picture has no pixels.</translation>
    </message>
    <message>
        <source>de afbeelding is te groot (%1 x %2 pixels).</source>
        <translation>the picture is too large (%1 x %2 pixels).</translation>
    </message>
    <message>
        <source>de afbeelding is afgebroken.</source>
        <translation>the picture is cut short.</translation>
    </message>
    <message>
        <source>het kader is te klein voor een afbeelding.</source>
        <translation>the frame is too small for a picture.</translation>
    </message>
    <message>
        <source>de afbeelding kan niet worden gelezen (%1).</source>
        <translation>the picture cannot be read (%1).</translation>
    </message>
    <message>
        <source>de afbeelding kan niet worden bewaard (%1).</source>
        <translation>the picture cannot be stored (%1).</translation>
    </message>
    <message>
        <source>de afbeelding is onleesbaar</source>
        <translation>the picture cannot be read</translation>
    </message>
    <message>
        <source>de afbeelding is geen JPEG zoals Plenvik die bewaart</source>
        <translation>the picture is not a JPEG as Plenvik stores one</translation>
    </message>
    <message>
        <source>het kader heeft geen plaats voor een afbeelding</source>
        <translation>the frame has no room for a picture</translation>
    </message>
    <message>
        <source>de afbeelding is groter dan Plenvik haar bewaart (%1 x %2 pixels, hoogstens %3 x %4)</source>
        <translation>the picture is larger than Plenvik stores it (%1 x %2 pixels, at most %3 x %4)</translation>
    </message>
</context>
<context>
    <name>Strips</name>
    <message>
        <source>Lengte van een strook: %1 mm</source>
        <translation>Length of a strip: %1 mm</translation>
    </message>
    <message>
        <source>Geen strook hoog genoeg: %1 (%2 mm hoog)</source>
        <translation>No strip high enough: %1 (%2 mm high)</translation>
    </message>
    <message>
        <source>Past niet: %1 (%2 mm breed)</source>
        <translation>Does not fit: %1 (%2 mm wide)</translation>
    </message>
    <message>
        <source>1 strook</source>
        <translation>1 strip</translation>
    </message>
    <message>
        <source>%1 stroken</source>
        <translation>%1 strips</translation>
    </message>
    <message>
        <source>Hoogte %1 mm: %2</source>
        <translation>Height %1 mm: %2</translation>
    </message>
    <message>
        <source>Strook %1: %2 = %3 mm, rest %4 mm</source>
        <translation>Strip %1: %2 = %3 mm, %4 mm spare</translation>
    </message>
    <message>
        <source>Niet gelezen: %1</source>
        <translation>Not read: %1</translation>
    </message>
    <message>
        <source>Totaal: %1</source>
        <translation>Total: %1</translation>
    </message>
    <message>
        <source>driehoek</source>
        <translation>triangle</translation>
    </message>
    <message>
        <source>driehoek met de punt omlaag</source>
        <translation>triangle with its point down</translation>
    </message>
    <message>
        <source>ruit</source>
        <translation>diamond</translation>
    </message>
    <message>
        <source>ovaal</source>
        <translation>oval</translation>
    </message>
    <message>
        <source>rechthoek</source>
        <translation>rectangle</translation>
    </message>
    <message>
        <source>%1 is een %2: zijn strook wordt recht gesneden, %3 x %4 mm</source>
        <translation>%1 is a %2: its strip is cut straight, %3 x %4 mm</translation>
    </message>
</context>
<context>
    <name>StrokenDialog</name>
    <message>
        <source> Stroken</source>
        <translation> Strips</translation>
    </message>
    <message>
        <source>b.v. 20 25 30</source>
        <translation>e.g. 20 25 30</translation>
    </message>
    <message>
        <source>Dit supplement</source>
        <translation>This page</translation>
    </message>
    <message>
        <source>Alle supplementen in de bibliotheek</source>
        <translation>All pages in the library</translation>
    </message>
    <message>
        <source>Afdrukken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Sluiten</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Lengte strook</source>
        <translation>Strip length</translation>
    </message>
    <message>
        <source>Beschikbare hoogten</source>
        <translation>Available heights</translation>
    </message>
</context>
<context>
    <name>TextMetrics</name>
    <message>
        <source>Geef de tekst die op het blad moet komen.</source>
        <translation>Give the text that is to go on the sheet.</translation>
    </message>
    <message>
        <source>De tekst is breder dan het blad (%1 mm); maak hem korter of kleiner.</source>
        <translation>The text is wider than the sheet (%1 mm); make it shorter or smaller.</translation>
    </message>
    <message>
        <source>De tekst ligt niet helemaal op het blad (%1 x %2 mm).</source>
        <translation>The text is not wholly on the sheet (%1 x %2 mm).</translation>
    </message>
    <message>
        <source>De tekst bevat het teken %1, dat niet afgedrukt kan worden.</source>
        <translation>The text holds the character %1, which cannot be printed.</translation>
    </message>
    <message>
        <source>De tekst is langer dan %1 tekens; maak hem korter.</source>
        <translation>The text is longer than %1 characters; make it shorter.</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Kleur kaders</source>
        <translation>Frame colour</translation>
    </message>
    <message>
        <source> Dubbelklik is supplement laden </source>
        <translation> Double-click loads the page </translation>
    </message>
    <message>
        <source>Delete Supplement</source>
        <translation>Delete Page</translation>
    </message>
    <message>
        <source>Vergroting supplement</source>
        <translation>Page magnifier</translation>
    </message>
    <message>
        <source>Coordinaten  A4 (210 x 297)</source>
        <translation>Coordinates  A4 (210 x 297)</translation>
    </message>
    <message>
        <source>Informatie...</source>
        <translation>Information...</translation>
    </message>
    <message>
        <source> Gemaakte coordinaten van het supplement </source>
        <translation> Coordinates made on the page </translation>
    </message>
</context>
<context>
    <name>plenvik::Main</name>
    <message>
        <source>Er staan geen supplementen in de bibliotheek.</source>
        <translation>There are no pages in the library.</translation>
    </message>
    <message>
        <source>Er is geen supplement aangevinkt.</source>
        <translation>No page is ticked.</translation>
    </message>
    <message>
        <source>Niet afgedrukt: %1</source>
        <translation>Not printed: %1</translation>
    </message>
    <message>
        <source>album.pdf</source>
        <translation>album.pdf</translation>
    </message>
    <message>
        <source> Album afdrukken</source>
        <translation> Print album</translation>
    </message>
    <message>
        <source>Pagina %1 van %2: %3</source>
        <translation>Page %1 of %2: %3</translation>
    </message>
    <message>
        <source>Kan het album niet afdrukken!</source>
        <translation>Cannot print the album!</translation>
    </message>
    <message>
        <source> Titel</source>
        <translation> Title</translation>
    </message>
    <message>
        <source> SubTitel</source>
        <translation> Subtitle</translation>
    </message>
    <message>
        <source>Geef een paginanummer voor dit supplement...</source>
        <translation>Enter a page number for this page...</translation>
    </message>
    <message>
        <source> Paginanummer</source>
        <translation> Page number</translation>
    </message>
    <message>
        <source>Beschikbare hoogten: hele millimeters van 1 tot %1, gescheiden door spaties of komma&apos;s.</source>
        <translation>Available heights: whole millimetres from 1 to %1, separated by spaces or commas.</translation>
    </message>
    <message>
        <source>Stroken voor dit supplement</source>
        <translation>Strips for this page</translation>
    </message>
    <message>
        <source>kader %1</source>
        <translation>frame %1</translation>
    </message>
    <message>
        <source>Printer ijken heeft een printer nodig. Een PDF-bestand is altijd op ware grootte.</source>
        <translation>Calibrating needs a printer. A PDF file is always true to size.</translation>
    </message>
    <message>
        <source>Er wordt een ijkblad afgedrukt op %1. Doorgaan?</source>
        <translation>A calibration sheet will be printed on %1. Go on?</translation>
    </message>
    <message>
        <source> Printer ijken</source>
        <translation> Calibrate printer</translation>
    </message>
    <message>
        <source>Kan het ijkblad niet afdrukken!</source>
        <translation>Cannot print the calibration sheet!</translation>
    </message>
    <message>
        <source>Kan de ijking niet bewaren!</source>
        <translation>Cannot save the calibration!</translation>
    </message>
    <message>
        <source>Deze maten kunnen niet kloppen; meet nog eens.</source>
        <translation>These measurements cannot be right; measure again.</translation>
    </message>
    <message>
        <source>De lijst is groter dan 1 MB; dat is te veel voor een album.</source>
        <translation>The list is larger than 1 MB; that is too much for an album.</translation>
    </message>
    <message>
        <source>Naam: &apos;%1&apos; kan geen naam van een supplement zijn.</source>
        <translation>Name: &apos;%1&apos; cannot be the name of a page.</translation>
    </message>
    <message>
        <source>Titel: &apos;%1&apos; kan niet in een supplement worden bewaard.</source>
        <translation>Title: &apos;%1&apos; cannot be stored in a page.</translation>
    </message>
    <message>
        <source>... en nog %1 fouten</source>
        <translation>... and %1 more errors</translation>
    </message>
    <message>
        <source>Nog geen zegels in de lijst.</source>
        <translation>No stamps in the list yet.</translation>
    </message>
    <message>
        <source>1 pagina</source>
        <translation>1 page</translation>
    </message>
    <message>
        <source>%1 pagina&apos;s</source>
        <translation>%1 pages</translation>
    </message>
    <message>
        <source>1 kader</source>
        <translation>1 frame</translation>
    </message>
    <message>
        <source>%1 kaders</source>
        <translation>%1 frames</translation>
    </message>
    <message>
        <source>Het supplement %1 bestaat al. Overschrijven?</source>
        <translation>The page %1 exists already. Overwrite?</translation>
    </message>
    <message>
        <source>Deze %1 supplementen bestaan al: %2. Overschrijven?</source>
        <translation>These %1 pages exist already: %2. Overwrite?</translation>
    </message>
    <message>
        <source> Album indelen</source>
        <translation> Lay out album</translation>
    </message>
    <message>
        <source>Niets in de bibliotheek gezet.</source>
        <translation>Nothing put in the library.</translation>
    </message>
    <message>
        <source>1 supplement in de bibliotheek gezet.</source>
        <translation>1 page put in the library.</translation>
    </message>
    <message>
        <source>%1 supplementen in de bibliotheek gezet.</source>
        <translation>%1 pages put in the library.</translation>
    </message>
    <message>
        <source>Kan dit supplement niet opslaan!</source>
        <translation>Cannot save this page!</translation>
    </message>
    <message>
        <source>Kan dit supplement niet laden!</source>
        <translation>Cannot load this page!</translation>
    </message>
    <message>
        <source>Kan dit supplement niet verwijderen!</source>
        <translation>Cannot delete this page!</translation>
    </message>
    <message>
        <source>Geef een naam voor dit supplement ...</source>
        <translation>Enter a name for this page ...</translation>
    </message>
    <message>
        <source> Supplement opslaan</source>
        <translation> Save page</translation>
    </message>
    <message>
        <source>Bestand bestaat reeds, overschrijven?</source>
        <translation>File exists already, overwrite?</translation>
    </message>
    <message>
        <source> File exist</source>
        <translation> File exists</translation>
    </message>
    <message>
        <source>Selecteer eerst een supplement!</source>
        <translation>Select a page first!</translation>
    </message>
    <message>
        <source>Wilt u &apos;%1&apos; verwijderen?</source>
        <translation>Do you want to delete &apos;%1&apos;?</translation>
    </message>
    <message>
        <source> Delete</source>
        <translation> Delete</translation>
    </message>
    <message>
        <source>Wilt u een nieuw supplement ontwerpen?</source>
        <translation>Do you want to design a new page?</translation>
    </message>
    <message>
        <source> Nieuw</source>
        <translation> New</translation>
    </message>
    <message>
        <source>Wilt u dit supplement afdrukken?</source>
        <translation>Do you want to print this page?</translation>
    </message>
    <message>
        <source> Print</source>
        <translation> Print</translation>
    </message>
    <message>
        <source>supplement.pdf</source>
        <translation>page.pdf</translation>
    </message>
    <message>
        <source>Scanning supplement...</source>
        <translation>Scanning page...</translation>
    </message>
    <message>
        <source>Kan dit supplement niet afdrukken!</source>
        <translation>Cannot print this page!</translation>
    </message>
    <message>
        <source> Print naar PDF-bestand</source>
        <translation> Print to PDF file</translation>
    </message>
    <message>
        <source>stroken.pdf</source>
        <translation>strips.pdf</translation>
    </message>
    <message>
        <source>Kan de stroken niet afdrukken!</source>
        <translation>Cannot print the strips!</translation>
    </message>
    <message>
        <source>Wilt u dit programma nu afsluiten?</source>
        <translation>Do you want to close this program now?</translation>
    </message>
    <message>
        <source> Exit programma</source>
        <translation> Exit program</translation>
    </message>
    <message>
        <source>Supplementen kunnen niet worden opgeslagen in %1: %2.
Ontwerpen, laden en afdrukken gaan gewoon door.</source>
        <translation>Pages cannot be saved in %1: %2.
Designing, loading and printing go on as usual.</translation>
    </message>
    <message>
        <source>Pagina %1 van %2 lezen: %3</source>
        <translation>Reading page %1 of %2: %3</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Het album gaat naar de printer...</source>
        <translation>The album is going to the printer...</translation>
    </message>
    <message>
        <source>Het album wordt in het PDF-bestand gezet...</source>
        <translation>The album is being written to the PDF file...</translation>
    </message>
    <message>
        <source>%1 en nog %2</source>
        <translation>%1 and %2 more</translation>
    </message>
    <message>
        <source> (vervolg)</source>
        <translation> (continued)</translation>
    </message>
    <message>
        <source>Vervolgtekst: &apos;%1&apos; kan niet in een supplement worden bewaard.</source>
        <translation>Continuation text: &apos;%1&apos; cannot be stored in a page.</translation>
    </message>
    <message>
        <source>... en nog 1 fout</source>
        <translation>... and 1 more error</translation>
    </message>
    <message>
        <source>Pagina %1 krijgt meer dan %2 kaders; er is niets ingedeeld.</source>
        <translation>Page %1 would get more than %2 frames; nothing was laid out.</translation>
    </message>
    <message>
        <source>Deze %1 supplementen bestaan al, waaronder %2. Overschrijven?</source>
        <translation>These %1 pages exist already, among them %2. Overwrite?</translation>
    </message>
    <message>
        <source>Supplement %1 van %2: %3</source>
        <translation>Page %1 of %2: %3</translation>
    </message>
    <message>
        <source>Geef een titel voor dit supplement...</source>
        <comment>title</comment>
        <translation>Enter a title for this page...</translation>
    </message>
    <message>
        <source>Geef een titel voor dit supplement...</source>
        <comment>subtitle</comment>
        <translation>Enter a subtitle for this page...</translation>
    </message>
    <message>
        <source>Regel %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>Dit supplement heeft nog geen kaders voor afbeeldingen.</source>
        <translation>This page has no frames for pictures yet.</translation>
    </message>
    <message>
        <source>Niet zeker welke bestanden bij &apos;%1&apos; horen: %2.
Geef ze buiten Plenvik andere namen, zodat elk supplement één plaatje (.bmp), één ontwerp (.sup) en hoogstens één bestand met afbeeldingen (.afb) heeft.</source>
        <translation>Not sure which files belong to &apos;%1&apos;: %2.
Rename them outside Plenvik so that each page has one picture (.bmp), one design (.sup) and at most one pictures file (.afb).</translation>
    </message>
    <message>
        <source>%1 x %2 mm</source>
        <translation>%1 x %2 mm</translation>
    </message>
    <message>
        <source>Op %1 ligt %2 niet helemaal op het blad.
Verplaats of verwijder het eerst; het papier blijft %3.</source>
        <translation>On %1, %2 does not lie wholly on the sheet.
Move or remove it first; the paper stays %3.</translation>
    </message>
    <message>
        <source>Op %1 liggen %2 niet helemaal op het blad.
Verplaats of verwijder ze eerst; het papier blijft %3.</source>
        <translation>On %1, %2 do not lie wholly on the sheet.
Move or remove them first; the paper stays %3.</translation>
    </message>
    <message>
        <source>Coordinaten  %1 (%2 x %3)</source>
        <translation>Coordinates  %1 (%2 x %3)</translation>
    </message>
    <message>
        <source>Coordinaten  %1 x %2</source>
        <translation>Coordinates  %1 x %2</translation>
    </message>
    <message>
        <source>Dit supplement is gewijzigd en niet opgeslagen.
Wilt u het opslaan?</source>
        <translation>This page has changed and has not been saved.
Do you want to save it?</translation>
    </message>
    <message>
        <source>Het supplement &apos;%1&apos; is gewijzigd.
Wilt u de wijzigingen opslaan?</source>
        <translation>The page &apos;%1&apos; has changed.
Do you want to save the changes?</translation>
    </message>
    <message>
        <source> Wijzigingen</source>
        <translation> Changes</translation>
    </message>
    <message>
        <source>Maximum van 20 teksten bereikt!</source>
        <translation>Maximum of 20 texts reached!</translation>
    </message>
    <message>
        <source>De kop &apos;%1&apos; is breder dan het blad; maak de koppen kleiner.</source>
        <translation>The heading &apos;%1&apos; is wider than the sheet; make the headings smaller.</translation>
    </message>
    <message>
        <source>Het open supplement %1 is in de bibliotheek vervangen door het nieuwe.
Uw wijzigingen staan alleen nog in het venster; met Opslaan komen ze over het nieuwe.</source>
        <translation>The open page %1 has been replaced in the library by the new one.
Your changes are now only in the window; Save puts them over the new one.</translation>
    </message>
    <message>
        <source>Plenvik album: %1</source>
        <translation>Plenvik album: %1</translation>
    </message>
    <message>
        <source>Plenvik supplement %1</source>
        <translation>Plenvik page %1</translation>
    </message>
    <message>
        <source>Op %1 past de opmaak van deze pagina niet: %2
Het papier blijft %3.</source>
        <translation>The style of this page does not fit %1: %2
The paper stays %3.</translation>
    </message>
    <message>
        <source>%1 staat in voor %2, dat op deze computer ontbreekt</source>
        <translation>%1 stands in for %2, which this computer lacks</translation>
    </message>
    <message>
        <source>Lettertype......: </source>
        <translation>Font............: </translation>
    </message>
    <message>
        <source>... en nog %1</source>
        <translation>... and %1 more</translation>
    </message>
    <message>
        <source>Het album %1 wordt opnieuw ingedeeld.</source>
        <translation>The album %1 is laid out again.</translation>
    </message>
    <message>
        <source>Vervangen worden: %1.</source>
        <translation>Replaced: %1.</translation>
    </message>
    <message>
        <source>%1 is na het indelen veranderd.</source>
        <translation>%1 has changed since it was laid out.</translation>
    </message>
    <message>
        <source>%1 is niet door dit album ingedeeld.</source>
        <translation>%1 was not laid out by this album.</translation>
    </message>
    <message>
        <source>%1 hoort niet meer bij het album.</source>
        <translation>%1 no longer belongs to the album.</translation>
    </message>
    <message>
        <source>Vervangen: alles vervangen en wat niet meer bij het album hoort verwijderen.
Eigen bewaren: de veranderde supplementen eerst bewaren als &quot;... (eigen)&quot;; niets verwijderen.
Stoppen: niets in de bibliotheek zetten.</source>
        <translation>Replace: replace everything and delete what no longer belongs to the album.
Keep own: first keep the changed pages as &quot;... (eigen)&quot;; delete nothing.
Stop: put nothing in the library.</translation>
    </message>
    <message>
        <source>De supplementen kunnen niet worden opgeslagen in %1: %2.</source>
        <translation>Pages cannot be saved in %1: %2.</translation>
    </message>
    <message>
        <source>Het album %1 is niet in de bibliotheek gezet.</source>
        <translation>The album %1 has not been put in the library.</translation>
    </message>
    <message>
        <source>Het album %1 is niet in de bibliotheek gezet.
%2</source>
        <translation>The album %1 has not been put in the library.
%2</translation>
    </message>
    <message>
        <source>Bewaard als eigen supplement: %1.</source>
        <translation>Kept as a page of its own: %1.</translation>
    </message>
    <message>
        <source>Verwijderd: %1.</source>
        <translation>Deleted: %1.</translation>
    </message>
    <message>
        <source>Het album %1 kan niet worden gelezen: %2</source>
        <translation>The album %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>De lijst in het venster staat in geen album. Het album %1 openen en die lijst laten gaan?</source>
        <translation>The list in the window is kept in no album. Open the album %1 and let that list go?</translation>
    </message>
</context>
</TS>

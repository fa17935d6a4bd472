#pragma once
// The dialogs of the "Extra" menu. Each opens with the values it is given
// and returns what the user confirmed, or nothing on Cancel. Dutch texts, a
// title with a leading blank, the first field focused with its text
// selected, Tab in the order of the fields, Return for OK, Escape for Cancel.
// Tests stand in a fake that returns scripted values.

#include "design/albumlayout.h"
#include "design/calibration.h"
#include "design/pageedit.h"
#include "design/rows.h"

#include <QImage>

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class QWidget;

namespace plenvik {

// The fields of the " Stroken" window.
struct StrokenVelden {
    int lengte = 215;      // Lengte strook, whole millimetres
    QString hoogten;       // Beschikbare hoogten, as typed
    bool bibliotheek = false; // "Alle supplementen in de bibliotheek"
    bool operator==(const StrokenVelden &) const = default;
};

// What the " Stroken" window shows for its fields: the cut list, or, while
// a field holds something it cannot take, the hint saying what it takes;
// the list shown before then stays.
struct StrokenUitkomst {
    QString lijst;
    QString hint;
};

// What the " Album indelen" window works out for the list and the fields.
struct IndelenUitkomst {
    QString regel;      // "12 pagina's, 143 kaders", or what is wrong, a line each
    int paginas = 0;    // pages to show in the preview
    bool goed = false;  // the pages can go into the library
};

// What the " Album indelen" window asks of the program.
struct IndelenHandlers {
    // Lays out the list with the fields; the preview and the library then
    // take that layout.
    std::function<IndelenUitkomst(const QString &lijst, const IndelenVelden &velden)> indelen;
    // Page 'index' (from 0) of the layout, as the canvas draws it.
    std::function<QImage(int index)> voorbeeld;
    // Puts the pages into the library; what to show under the preview.
    std::function<QString()> inBibliotheek;
    // A list file's text; nothing when it cannot be read (the program says why).
    std::function<std::optional<QString>(const QString &bestand)> openen;
    // The list the window opens with, and the albums kept, which "Naam"
    // offers.
    QString lijst;
    std::function<QStringList()> albums;
    // The kept album chosen in "Naam": its fields and list, or nothing to
    // leave the window as it is. 'lijst' is the list the window holds.
    std::function<std::optional<std::pair<IndelenVelden, QString>>(const QString &naam, const QString &lijst)> album;
};

// An album kept in the library, as " Album afdrukken" offers it: its pages
// as the list shows them, in the album's order.
struct AfdrukAlbum {
    QString naam;
    QStringList pages;
    bool operator==(const AfdrukAlbum &) const = default;
};

// What the collector answers when an album laid out again would replace
// pages changed by hand, or leave pages over.
enum class AlbumAntwoord { Vervangen, EigenBewaren, Stoppen };

// What " Album afdrukken" returns: the ticked pages in the library's order
// and the order to print them in.
struct AlbumKeuze {
    QStringList pages;
    bool opPaginanummer = false;
    // The album chosen, when the ticked pages are exactly its pages: they
    // are then in the album's order.
    QString album;
    bool operator==(const AlbumKeuze &) const = default;
};

// A progress window with a Cancel button, shown while it exists.
class Progress {
public:
    virtual ~Progress() = default;
    // Shows 'text' and done out of total; keeps the window responsive.
    virtual void step(int done, int total, const QString &text) = 0;
    virtual bool cancelled() = 0;
    // The last step, which cannot be cancelled: Cancel goes, 'text' says
    // what is being done.
    virtual void handOver(const QString &text) = 0;
};

enum class IjkKeuze { Ok, Herstellen, Annuleren };

// What " Pagina-opmaak" gives: the style, and whether new pages get it too.
struct OpmaakKeuze {
    PaginaOpmaak opmaak;
    bool ookNieuw = false;
    bool operator==(const OpmaakKeuze &) const = default;
};

// How " Kader invoeren" opens: the sheet the frame goes on, which sets the
// fields' limits, and whether it changes a frame of the page instead of
// adding one (" Kader wijzigen").
struct KaderVenster {
    Sheet sheet = kSheetA4;
    bool wijzigen = false;
    bool heeftAfbeelding = false; // the frame changed has a picture, which stays unless another is given
};

// A frame's line in " Afbeeldingen".
struct AfbeeldingRegel {
    QString onderschrift;
    QImage voorbeeld; // the picture it has, small; null for none
};

// What " Afbeeldingen" returns: for each frame nothing when it stays as it
// is, an empty text when its picture goes ("Weg"), or the file chosen.
struct AfbeeldingenKeuze {
    QList<std::optional<QString>> gekozen;
    bool grijstinten = true;
    int sterkte = kDefaultSterkte;
    bool operator==(const AfbeeldingenKeuze &) const = default;
};

class ExtraDialogs {
public:
    virtual ~ExtraDialogs() = default;

    // " Kader invoeren". 'preview' is called with the fields as they stand
    // each time one changes, so the canvas can show where the frame goes.
    virtual std::optional<KaderInvoer> kaderInvoeren(const KaderInvoer &start, const KaderVenster &venster,
                                                     const std::function<void(const KaderInvoer &)> &preview) = 0;
    // " Tekst invoeren" for a line of text on 'sheet', or " Tekst wijzigen"
    // when 'wijzigen'; previewed the same way.
    virtual std::optional<TekstInvoer> tekstInvoeren(const TekstInvoer &start, const Sheet &sheet, bool wijzigen,
                                                     const std::function<void(const TekstInvoer &)> &preview) = 0;
    // " Rij kaders" for a row on 'sheet', previewed the same way.
    virtual std::optional<RijInvoer> rijKaders(const RijInvoer &start, const Sheet &sheet,
                                               const std::function<void(const RijInvoer &)> &preview) = 0;
    // " Stroken": a read-only cut list, which 'cutList' works out anew for
    // the fields whenever one changes, above the fields (with the hint, if
    // any, under them) and the buttons "Afdrukken" (hands the list shown to
    // 'print') and "Sluiten". Returns the fields as they stood when the
    // window closed.
    virtual StrokenVelden stroken(const StrokenVelden &start,
                                  const std::function<StrokenUitkomst(const StrokenVelden &)> &cutList,
                                  const std::function<void(const QString &)> &print) = 0;
    // " Album afdrukken": the pages with a check box each, all ticked, the
    // buttons "Alles" and "Niets", the order "Op naam" or "Op paginanummer".
    // With albums, "Album" offers them: choosing one ticks its pages and no
    // others; 'gekozen' (an index into 'albums', or -1) is chosen at first.
    virtual std::optional<AlbumKeuze> albumAfdrukken(const QStringList &pages, const QList<AfdrukAlbum> &albums,
                                                     int gekozen) = 0;
    // The question before an album laid out again replaces or removes
    // pages: "Vervangen", "Eigen bewaren" (the default) and "Stoppen".
    virtual AlbumAntwoord albumVervangen(const QString &text) = 0;
    // A progress window, shown once the work has taken 'showAfterMs'.
    virtual std::unique_ptr<Progress> progress(const QString &title, int total, int showAfterMs = 0) = 0;
    // " Printer ijken": A, B, C and D in millimetres with tenths (a comma or
    // a point), opened on 'maten' and left there as typed; 'inForce' says
    // what correction the printer has now. OK, "Herstellen" or Annuleren.
    virtual IjkKeuze printerIjken(const QString &printer, const QString &inForce, IjkMaten &maten) = 0;
    // " Album indelen": the list (typed, pasted, or read with "Openen..."),
    // the fields, a preview of the pages one at a time with "Vorige" and
    // "Volgende" and a line of what was worked out, and the buttons "In
    // bibliotheek zetten" and "Sluiten". The preview follows every change.
    // Returns the fields as they stood when the window closed.
    virtual IndelenVelden albumIndelen(const IndelenVelden &start, const IndelenHandlers &handlers) = 0;
    // " Papierformaat": A4, Letter, A5, or "Eigen formaat" with a width and
    // a height in millimetres with one decimal; opened on 'current'.
    virtual std::optional<Sheet> papierformaat(const Sheet &current) = 0;
    // " Pagina-opmaak": the border's lines, their thickness, space and
    // colour, its distances from the edges, the page's font and sizes,
    // frames per page, and "Ook voor nieuwe pagina's"; opened on 'current'
    // with the fonts 'families' offers.
    virtual std::optional<OpmaakKeuze> paginaOpmaak(const OpmaakKeuze &current, const QStringList &families) = 0;
    // " Afbeeldingen": each frame with its caption and picture, "Kiezen..."
    // and "Weg" for each, "Grijstinten" and "Sterkte" for the page.
    virtual std::optional<AfbeeldingenKeuze> afbeeldingen(const QList<AfbeeldingRegel> &kaders, bool grijstinten,
                                                          int sterkte) = 0;
};

// The picture files a chooser offers, and then every file.
QString pictureChooserFilter();

class QtExtraDialogs : public ExtraDialogs {
public:
    explicit QtExtraDialogs(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }

    std::optional<KaderInvoer> kaderInvoeren(const KaderInvoer &start, const KaderVenster &venster,
                                             const std::function<void(const KaderInvoer &)> &preview) override;
    std::optional<RijInvoer> rijKaders(const RijInvoer &start, const Sheet &sheet,
                                       const std::function<void(const RijInvoer &)> &preview) override;
    std::optional<TekstInvoer> tekstInvoeren(const TekstInvoer &start, const Sheet &sheet, bool wijzigen,
                                             const std::function<void(const TekstInvoer &)> &preview) override;
    StrokenVelden stroken(const StrokenVelden &start, const std::function<StrokenUitkomst(const StrokenVelden &)> &cutList,
                          const std::function<void(const QString &)> &print) override;
    std::optional<AlbumKeuze> albumAfdrukken(const QStringList &pages, const QList<AfdrukAlbum> &albums, int gekozen) override;
    AlbumAntwoord albumVervangen(const QString &text) override;
    std::unique_ptr<Progress> progress(const QString &title, int total, int showAfterMs = 0) override;
    IjkKeuze printerIjken(const QString &printer, const QString &inForce, IjkMaten &maten) override;
    IndelenVelden albumIndelen(const IndelenVelden &start, const IndelenHandlers &handlers) override;
    std::optional<Sheet> papierformaat(const Sheet &current) override;
    std::optional<OpmaakKeuze> paginaOpmaak(const OpmaakKeuze &current, const QStringList &families) override;
    std::optional<AfbeeldingenKeuze> afbeeldingen(const QList<AfbeeldingRegel> &kaders, bool grijstinten,
                                                  int sterkte) override;

private:
    QWidget *m_parent;
};

} // namespace plenvik

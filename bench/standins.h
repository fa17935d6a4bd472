#pragma once
// Stand-ins for the platform in the benchmarks: dialogs that answer at
// once, so a figure measures the program's own work and never a person.

#include "platform/dialogs.h"
#include "platform/extradialogs.h"

namespace plenvik {

class QuietDialogs : public Dialogs {
public:
    QString pdf; // the answer to every save dialog
    bool question(const QString &, const QString &) override { return true; }
    void message(const QString &) override {}
    QString inputBox(const QString &, const QString &, const QString &) override { return QStringLiteral("NVPH 1234"); }
    std::optional<QString> textInput(const QString &, const QString &, const QString &) override { return QStringLiteral("NVPH 1234"); }
    Wijzigingen unsavedChanges(const QString &, const QString &) override { return Wijzigingen::NietOpslaan; }
    QString saveFileName(const QString &, const QString &, const QString &) override { return pdf; }
};

// Answers every row dialog with a row of 20 frames.
class RowOfTwenty : public ExtraDialogs {
public:
    std::optional<KaderInvoer> kaderInvoeren(const KaderInvoer &, const KaderVenster &,
                                             const std::function<void(const KaderInvoer &)> &) override
    {
        return std::nullopt;
    }
    std::optional<TekstInvoer> tekstInvoeren(const TekstInvoer &, const Sheet &, bool,
                                             const std::function<void(const TekstInvoer &)> &) override
    {
        return std::nullopt;
    }
    std::optional<RijInvoer> rijKaders(const RijInvoer &, const Sheet &, const std::function<void(const RijInvoer &)> &preview) override
    {
        const RijInvoer row{20, 9, 30, 1, 100, true, QStringLiteral("NVPH 0098")};
        preview(row);
        return row;
    }
    StrokenVelden stroken(const StrokenVelden &start, const std::function<StrokenUitkomst(const StrokenVelden &)> &,
                          const std::function<void(const QString &)> &) override
    {
        return start;
    }
    std::optional<AlbumKeuze> albumAfdrukken(const QStringList &pages, const QList<AfdrukAlbum> &, int) override
    {
        return AlbumKeuze{pages, true, {}};
    }
    AlbumAntwoord albumVervangen(const QString &) override { return AlbumAntwoord::Vervangen; }
    class Quiet : public Progress {
        void step(int, int, const QString &) override {}
        bool cancelled() override { return false; }
        void handOver(const QString &) override {}
    };
    std::unique_ptr<Progress> progress(const QString &, int, int) override { return std::make_unique<Quiet>(); }
    IjkKeuze printerIjken(const QString &, const QString &, IjkMaten &) override { return IjkKeuze::Annuleren; }
    // " Papierformaat": the paper it answers with, none for Cancel.
    std::optional<Sheet> paper;
    std::optional<Sheet> papierformaat(const Sheet &) override { return paper; }
    std::optional<OpmaakKeuze> paginaOpmaak(const OpmaakKeuze &, const QStringList &) override { return opmaak; }
    std::optional<OpmaakKeuze> opmaak;
    std::optional<AfbeeldingenKeuze> afbeeldingen(const QList<AfbeeldingRegel> &, bool, int) override { return std::nullopt; }
    // " Album indelen": lays out 'lijst' and puts the pages into the library.
    QString lijst;
    QString said;
    IndelenVelden albumIndelen(const IndelenVelden &start, const IndelenHandlers &handlers) override
    {
        if (handlers.indelen(lijst, start).goed)
            said = handlers.inBibliotheek();
        return start;
    }
};

} // namespace plenvik

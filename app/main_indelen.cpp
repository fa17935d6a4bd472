// "Album indelen...": a list of stamps laid out on pages by the program and
// put into the library. The open page, the canvas and Undo are not touched.

#include "app/mainwindow.h"

#include "canvas/pagerender.h"
#include "design/albumlayout.h"
#include "design/stamplist.h"
#include "design/textsafe.h"
#include "library/indelensettings.h"
#include "library/pagefiles.h"
#include "library/stamplistfile.h"
#include "platform/dialogs.h"
#include "platform/extradialogs.h"

namespace plenvik {

namespace {
// Faults shown at once; more are counted.
constexpr int kFaultsShown = 8;

// The pages worked out last, ready to be shown and put into the library.
struct Indeling {
    QList<PageDesign> pages;
    QStringList names;
};
} // namespace

void Main::onExtraAlbumIndelen()
{
    const QString settingsPath = m_paths.settingsFile(QLatin1String(kIndelenSettingsFileName));
    const IndelenVelden saved = readIndelenSettings(settingsPath);
    Indeling shown;  // what the preview shows
    bool good = false;

    IndelenHandlers handlers;
    handlers.indelen = [&](const QString &text, const IndelenVelden &v) -> IndelenUitkomst {
        good = false;
        QStringList faults;
        if (text.size() > kListMaxBytes)
            faults << tr("De lijst is groter dan 1 MB; dat is te veel voor een album.");
        const StampListResult read = faults.isEmpty() ? readStampList(text, v.margeTiende) : StampListResult{};
        faults << read.errors;
        if (v.naam.trimmed().isEmpty() || !isPlainPageName(v.naam + QStringLiteral(" 01")))
            faults.prepend(tr("Naam: '%1' kan geen naam van een supplement zijn.").arg(v.naam));
        if (const QString c = firstUnstorable(v.titel); !c.isEmpty())
            faults.prepend(tr("Titel: '%1' kan niet in een supplement worden bewaard.").arg(c));
        if (!faults.isEmpty()) {
            if (faults.size() > kFaultsShown)
                faults = faults.mid(0, kFaultsShown) << tr("... en nog %1 fouten").arg(faults.size() - kFaultsShown);
            // The last good pages stay in view while the list is mended.
            return {faults.join(QLatin1Char('\n')), int(shown.pages.size()), false};
        }

        if (read.list.frames.isEmpty()) {
            shown = {};
            return {tr("Nog geen zegels in de lijst."), 0, false};
        }
        const QList<LaidPage> laid = layAlbum(read.list.frames, v.layout());
        Indeling next;
        next.names = albumPageNames(v.naam, v.eerstePagina, int(laid.size()));
        for (int i = 0; i < laid.size(); ++i) {
            // Border and colour of the open page; inner frames as the Edit
            // menu stands.
            PageDesign d = m_design;
            d.KaderCount = 0;
            d.Kaders = {};
            for (const Kader &k : placeFrames(read.list.frames, laid.at(i), v.layout(), m_edit.InnerFrameMode))
                d.appendKader(k);
            d.PageTitle = v.titel;
            d.PageSubtitle = pageSubtitle(read.list, laid, i);
            d.PageNumber = QString::number(v.eerstePagina + i);
            next.pages << d;
        }
        shown = next;
        good = !shown.pages.isEmpty();
        const int frames = int(read.list.frames.size());
        const QString pages = shown.pages.size() == 1 ? tr("1 pagina") : tr("%1 pagina's").arg(shown.pages.size());
        const QString kaders = frames == 1 ? tr("1 kader") : tr("%1 kaders").arg(frames);
        return {pages + QStringLiteral(", ") + kaders, int(shown.pages.size()), good};
    };
    handlers.voorbeeld = [&](int index) {
        if (index < 0 || index >= shown.pages.size())
            return QImage();
        const PageDesign &d = shown.pages.at(index);
        return pageView(pagePicture(d), d);
    };
    handlers.inBibliotheek = [&]() -> QString {
        if (!good)
            return {};
        return putPagesInLibrary(shown.names, shown.pages);
    };
    handlers.openen = [&](const QString &path) -> std::optional<QString> {
        QString why;
        std::optional<QString> text = readStampListFile(path, &why);
        if (!text)
            m_services.dialogs->message(why);
        return text;
    };

    const IndelenVelden closed = m_services.extra->albumIndelen(saved, handlers);
    if (closed != saved)
        writeIndelenSettings(settingsPath, closed);
}

QString Main::putPagesInLibrary(const QStringList &names, const QList<PageDesign> &pages)
{
    const QString folder = m_paths.library;
    QStringList existing;
    for (const QString &name : names)
        if (!findPage(folder, name).files.isEmpty())
            existing << name;
    if (!existing.isEmpty()) {
        // A long album names its first few; the count says how many.
        constexpr int kNamed = 10;
        QString named = existing.mid(0, kNamed).join(QStringLiteral(", "));
        if (existing.size() > kNamed)
            named += QStringLiteral(", ...");
        const QString question = existing.size() == 1
                                     ? tr("Het supplement %1 bestaat al. Overschrijven?").arg(named)
                                     : tr("Deze %1 supplementen bestaan al: %2. Overschrijven?").arg(existing.size()).arg(named);
        if (!m_services.dialogs->question(question, tr(" Album indelen")))
            return tr("Niets in de bibliotheek gezet.");
    }
    // Each page is saved as a save writes it, both files whole; one that
    // fails leaves its old files, and the others go on.
    QStringList failed;
    for (int i = 0; i < pages.size(); ++i) {
        if (!savePageFiles(folder, names.at(i), pagePicture(pages.at(i)), pages.at(i)))
            failed << names.at(i);
    }
    RefreshLibrary();
    if (!failed.isEmpty()) {
        m_services.dialogs->message(tr("Niet in de bibliotheek gezet: %1.").arg(failed.join(QStringLiteral(", "))));
        return tr("%1 van de %2 supplementen in de bibliotheek gezet.").arg(pages.size() - failed.size()).arg(pages.size());
    }
    return pages.size() == 1 ? tr("1 supplement in de bibliotheek gezet.")
                             : tr("%1 supplementen in de bibliotheek gezet.").arg(pages.size());
}

} // namespace plenvik

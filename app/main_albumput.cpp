// "In bibliotheek zetten" of " Album indelen": the album's pages and the
// album itself put into the library as one, after a question that names
// every page changed by hand that the put would replace, and every page
// it would leave over.

#include "app/mainwindow.h"

#include "canvas/pagerender.h"
#include "library/albumfile.h"
#include "library/albumput.h"
#include "library/pagefiles.h"
#include "platform/dialogs.h"
#include "platform/extradialogs.h"

#include <QDir>

namespace plenvik {

namespace {
// Pages named in a message or question; more are counted.
constexpr int kNamed = 10;

QString fewNamed(const QStringList &names)
{
    const QString named = names.mid(0, kNamed).join(QStringLiteral(", "));
    return names.size() > kNamed ? Main::tr("%1 en nog %2").arg(named).arg(names.size() - kNamed) : named;
}

// A line for each of the first pages, and a count of the rest.
QStringList eachNamed(const QStringList &names, const QString &line)
{
    QStringList out;
    for (const QString &name : names.mid(0, kNamed))
        out << line.arg(name);
    if (names.size() > kNamed)
        out << Main::tr("... en nog %1").arg(names.size() - kNamed);
    return out;
}
} // namespace

QString Main::putAlbumInLibrary(const BewaardAlbum &album, const QList<PageDesign> &pages, bool *put)
{
    *put = false;
    const QString folder = m_paths.library;
    const QString naam = album.velden.naam;
    const std::optional<BewaardAlbum> old = readAlbum(folder, naam);
    const AlbumPlan plan = planAlbum(old ? old->paginas : QStringList(), album.paginas,
                                     [&](const QString &page) { return paginaStaat(folder, page, naam); });
    AlbumZetten zetten{album, {}, {}, {}};
    QStringList kept;
    if (plan.vraagt()) {
        QStringList lines{tr("Het album %1 wordt opnieuw ingedeeld.").arg(naam)};
        if (!plan.vervangen.isEmpty())
            lines << tr("Vervangen worden: %1.").arg(fewNamed(plan.vervangen));
        lines << eachNamed(plan.veranderd, tr("%1 is na het indelen veranderd."));
        lines << eachNamed(plan.eigen, tr("%1 is niet door dit album ingedeeld."));
        lines << eachNamed(plan.over, tr("%1 hoort niet meer bij het album."));
        lines << QString()
              << tr("Vervangen: alles vervangen en wat niet meer bij het album hoort verwijderen.\n"
                    "Eigen bewaren: de veranderde supplementen eerst bewaren als \"... (eigen)\"; niets verwijderen.\n"
                    "Stoppen: niets in de bibliotheek zetten.");
        const AlbumAntwoord answer = m_services.extra->albumVervangen(lines.join(QLatin1Char('\n')));
        if (answer == AlbumAntwoord::Stoppen)
            return tr("Niets in de bibliotheek gezet.");
        if (answer == AlbumAntwoord::Vervangen)
            zetten.weg = plan.over;
        else {
            // Each copy's name is free in the library and among the copies.
            for (const QString &page : plan.veranderd + plan.eigen) {
                const QString copy = eigenNaam(page, [&](const QString &n) {
                    return kept.contains(n, Qt::CaseInsensitive) || album.paginas.contains(n, Qt::CaseInsensitive)
                           || !findPage(folder, n).files.isEmpty();
                });
                zetten.kopieen.append({page, copy});
                kept << copy;
            }
        }
    } else if (!plan.vervangen.isEmpty()) {
        // Only pages as they were laid out: the question of before.
        const QStringList &existing = plan.vervangen;
        const QString named = existing.mid(0, kNamed).join(QStringLiteral(", "));
        const QString question =
            existing.size() == 1      ? tr("Het supplement %1 bestaat al. Overschrijven?").arg(named)
            : existing.size() > kNamed ? tr("Deze %1 supplementen bestaan al, waaronder %2. Overschrijven?").arg(existing.size()).arg(named)
                                       : tr("Deze %1 supplementen bestaan al: %2. Overschrijven?").arg(existing.size()).arg(named);
        if (!m_services.dialogs->question(question, tr(" Album indelen")))
            return tr("Niets in de bibliotheek gezet.");
    }
    // Each page is drawn and written as its turn comes; a large album shows
    // its progress, and Cancel stops with nothing changed.
    zetten.pagina = [&](int i) { return std::pair{pagePicture(pages.at(i)), pages.at(i)}; };
    ZetUitkomst done = ZetUitkomst::Mislukt;
    QString why;
    {
        const int count = int(pages.size());
        const std::unique_ptr<Progress> progress = m_services.extra->progress(tr(" Album indelen"), count, 500);
        done = putAlbumFiles(
            folder, zetten,
            [&](int i) {
                progress->step(i, count, tr("Supplement %1 van %2: %3").arg(i + 1).arg(count).arg(album.paginas.at(i)));
                return !progress->cancelled();
            },
            {}, &why);
    }
    RefreshLibrary();
    if (done == ZetUitkomst::Gestopt)
        return tr("Niets in de bibliotheek gezet.");
    if (done == ZetUitkomst::Mislukt) {
        // Why, as start-up says it, when the folder is the cause.
        if (why.isEmpty())
            if (const QString problem = libraryWriteProblem(folder); !problem.isEmpty())
                why = tr("De supplementen kunnen niet worden opgeslagen in %1: %2.").arg(QDir::toNativeSeparators(folder), problem);
        m_services.dialogs->message(why.isEmpty() ? tr("Het album %1 is niet in de bibliotheek gezet.").arg(naam)
                                                  : tr("Het album %1 is niet in de bibliotheek gezet.\n%2").arg(naam, why));
        return tr("Niets in de bibliotheek gezet.");
    }
    *put = true;
    writeLastAlbum(m_paths.settingsFile(QLatin1String(kLastAlbumFileName)), naam);
    followPutOverOpenPage(album.paginas);
    QString said = pages.size() == 1 ? tr("1 supplement in de bibliotheek gezet.")
                                     : tr("%1 supplementen in de bibliotheek gezet.").arg(pages.size());
    if (!kept.isEmpty())
        said += QLatin1Char(' ') + tr("Bewaard als eigen supplement: %1.").arg(fewNamed(kept));
    if (!zetten.weg.isEmpty())
        said += QLatin1Char(' ') + tr("Verwijderd: %1.").arg(fewNamed(zetten.weg));
    return said;
}

} // namespace plenvik

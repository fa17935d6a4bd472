// "Album indelen...": a list of stamps laid out on pages by the program and
// put into the library. The open page, the canvas and Undo are not touched.

#include "app/mainwindow.h"

#include "canvas/pagerender.h"
#include "design/albumlayout.h"
#include "design/pageedit.h"
#include "design/stamplist.h"
#include "design/textsafe.h"
#include "library/indelensettings.h"
#include "library/pagefiles.h"
#include "library/paths.h"
#include "library/stamplistfile.h"
#include "library/stamppicture.h"
#include "platform/dialogs.h"
#include "platform/extradialogs.h"
#include "platform/textmetrics.h"

#include <cmath>

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHash>

namespace plenvik {

namespace {
// Faults shown at once; more are counted.
constexpr int kFaultsShown = 8;
// Pages named in a message or question; more are counted.
constexpr int kNamed = 10;

QString fewNamed(const QStringList &names)
{
    const QString named = names.mid(0, kNamed).join(QStringLiteral(", "));
    return names.size() > kNamed ? Main::tr("%1 en nog %2").arg(named).arg(names.size() - kNamed) : named;
}

// Pictures named in a stamp list, taken in for their frames and kept while
// the window is open: a file is read again only when it changed.
class PictureIntake {
public:
    std::optional<QByteArray> take(const QString &path, const Kader &room, QString *why)
    {
        const QFileInfo info(path);
        const QString key = QStringLiteral("%1|%2|%3|%4|%5|%6")
                                .arg(path)
                                .arg(room.WidthMm)
                                .arg(room.HeightMm)
                                .arg(room.Binnenrand)
                                .arg(info.size())
                                .arg(info.lastModified().toMSecsSinceEpoch());
        auto it = m_taken.find(key);
        if (it == m_taken.end()) {
            QString error;
            const std::optional<QByteArray> data = takeInPicture(path, room, &error);
            it = m_taken.insert(key, {data, error});
        }
        if (why)
            *why = it->second;
        return it->first;
    }

private:
    QHash<QString, std::pair<std::optional<QByteArray>, QString>> m_taken;
};

// The room an issue's heading takes above its rows, in tenths of a
// millimetre: its letters from the top of the capitals to the bottom of the
// descenders, and a gap of 2 mm under them.
int headingTenths(int points, const Sheet &sheet, const QString &lettertype)
{
    constexpr int kGapTenths = 20;
    const double letters = tekstVorm(Tekst{QStringLiteral("X"), 0, 0, false, points, true}, sheet, lettertype).vak.height;
    return int(std::ceil(letters * 10)) + kGapTenths;
}

// The pages worked out last, ready to be shown and put into the library.
struct Indeling {
    QList<PageDesign> pages;
    QStringList names;
};
} // namespace

void Main::onExtraAlbumIndelen()
{
    const QString settingsPath = m_paths.settingsFile(QLatin1String(kIndelenSettingsFileName));
    // Without a Vervolgtekst of the user's, the window's language gives it.
    // The program's own text, kept by a window of either language, is the
    // program's own in this one too; only a text of the user's stays as typed.
    IndelenVelden saved = readIndelenSettings(settingsPath, tr(" (vervolg)"));
    if (saved.vervolg == QLatin1String(" (vervolg)") || saved.vervolg == QLatin1String(" (continued)"))
        saved.vervolg = tr(" (vervolg)");
    Indeling shown;  // what the preview shows
    bool good = false;
    // Pictures named in the list stand beside it; a list typed in the
    // window has the home folder.
    QString listFolder = QDir::homePath();
    PictureIntake pictures;

    IndelenHandlers handlers;
    handlers.indelen = [&](const QString &text, const IndelenVelden &v) -> IndelenUitkomst {
        good = false;
        QStringList faults;
        if (text.size() > kListMaxBytes)
            faults << tr("De lijst is groter dan 1 MB; dat is te veel voor een album.");
        // Laid out on the paper chosen for new pages, inside the border of
        // the style they are given, as many frames to a page as "Kaders per
        // pagina" says, which the pages' style then allows.
        PaginaOpmaak opmaak = nieuweOpmaakOp(m_chosenSheet);
        opmaak.kadersPerPagina = v.layout.kadersPerPagina;
        const LayoutArea area = indelenArea(opmaak, m_chosenSheet);
        const LayoutSettings &layout = v.layout;
        // Each named issue's heading above its rows, when asked: its letters'
        // height and a gap under them.
        const int band = v.koppen ? headingTenths(v.kopPunten, m_chosenSheet, opmaak.lettertype) : 0;
        const StampListResult read = faults.isEmpty() ? readStampList(text, v.margeTiende, area, band) : StampListResult{};
        faults << read.errors;
        // Each picture is taken in once for its frame, however often the
        // list changes around it.
        QList<QByteArray> taken(read.list.frames.size());
        for (int i = 0; i < read.list.frames.size() && faults.size() <= kFaultsShown; ++i) {
            const StampFrame &f = read.list.frames.at(i);
            if (f.picture.isEmpty())
                continue;
            const Kader room{0, 0, double(f.width), double(f.height), m_edit.InnerFrameMode ? 1 : 0, {}};
            QString why;
            const std::optional<QByteArray> data = pictures.take(QDir(listFolder).absoluteFilePath(f.picture), room, &why);
            if (data)
                taken[i] = *data;
            else
                faults << tr("Regel %1: %2").arg(f.line).arg(why);
        }
        if (v.naam.trimmed().isEmpty() || !isPlainPageName(v.naam + QStringLiteral(" 01")))
            faults.prepend(tr("Naam: '%1' kan geen naam van een supplement zijn.").arg(v.naam));
        if (const QString c = firstUnstorable(v.vervolg); !c.isEmpty())
            faults.prepend(tr("Vervolgtekst: '%1' kan niet in een supplement worden bewaard.").arg(c));
        if (const QString c = firstUnstorable(v.titel); !c.isEmpty())
            faults.prepend(tr("Titel: '%1' kan niet in een supplement worden bewaard.").arg(c));
        if (!faults.isEmpty()) {
            if (faults.size() > kFaultsShown)
            {
                const qsizetype more = faults.size() - kFaultsShown;
                faults = faults.mid(0, kFaultsShown)
                         << (more == 1 ? tr("... en nog 1 fout") : tr("... en nog %1 fouten").arg(more));
            }
            // The last good pages stay in view while the list is mended.
            return {faults.join(QLatin1Char('\n')), int(shown.pages.size()), false};
        }

        if (read.list.frames.isEmpty()) {
            shown = {};
            return {tr("Nog geen zegels in de lijst."), 0, false};
        }
        // A heading wider than the sheet is said.
        Headings headings;
        if (v.koppen) {
            for (const QString &name : read.list.issues)
                headings << (name.isEmpty() ? 0 : band);
            for (const QString &name : read.list.issues)
                if (!name.isEmpty() && tekstVorm(Tekst{name + v.vervolg, 0, 0, true, v.kopPunten, true}, m_chosenSheet, opmaak.lettertype).vak.width > m_chosenSheet.widthMm)
                    faults << tr("De kop '%1' is breder dan het blad; maak de koppen kleiner.").arg(name);
            if (!faults.isEmpty())
                return {faults.mid(0, kFaultsShown).join(QLatin1Char('\n')), int(shown.pages.size()), false};
        }
        // Frames whose captions reach past the gap take room enough for them.
        QList<StampFrame> frames = read.list.frames;
        measureCaptions(frames, opmaak);
        const QList<LaidPage> laid = layAlbum(frames, layout, area, headings);
        Indeling next;
        next.names = albumPageNames(v.naam, v.eerstePagina, int(laid.size()));
        for (int i = 0; i < laid.size(); ++i) {
            // Border and colour of the open page; inner frames as the Edit
            // menu stands.
            PageDesign d = m_design;
            d.sheet = m_chosenSheet;
            d.opmaak = opmaak;
            d.KaderCount = 0;
            d.Kaders = {};
            d.TekstCount = 0;
            d.Teksten = {};
            QList<std::pair<int, int>> tops;
            // A frame the page cannot take is never dropped without a word.
            for (const Kader &k : placeFrames(frames, laid.at(i), layout, m_edit.InnerFrameMode, area, headings, &tops)) {
                if (!d.appendKader(k)) {
                    shown = {};
                    return {tr("Pagina %1 krijgt meer dan %2 kaders; er is niets ingedeeld.").arg(i + 1).arg(d.kaderLimit()), 0, false};
                }
            }
            // The frames stand in the list's order, and so their pictures.
            int slot = 0;
            for (const LaidRow &row : laid.at(i).rows)
                for (int j = row.first; j < row.first + row.count && slot < d.kaderLimit(); ++j)
                    d.pictures.Bestanden.at(slot++) = taken.at(j);
            // The headings, the Vervolgtekst after an issue carried over
            // from the page before; the issues are then not the subtitle.
            const int first = laid.at(i).first();
            for (const auto &[issue, top] : tops) {
                const bool continued = first > 0 && read.list.frames.at(first - 1).issue == issue && read.list.frames.at(first).issue == issue;
                addTekst(d, Tekst{read.list.issues.at(issue) + (continued ? v.vervolg : QString()), double(top), 0, true, v.kopPunten, true});
            }
            d.PageTitle = v.titel;
            d.PageSubtitle = v.koppen ? QString() : pageSubtitle(read.list, laid, i, v.vervolg);
            d.PageNumber = QString::number(v.eerstePagina + i);
            next.pages << d;
        }
        shown = next;
        good = !shown.pages.isEmpty();
        const int count = int(frames.size());
        const QString pages = shown.pages.size() == 1 ? tr("1 pagina") : tr("%1 pagina's").arg(shown.pages.size());
        const QString kaders = count == 1 ? tr("1 kader") : tr("%1 kaders").arg(count);
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
        else
            listFolder = QFileInfo(path).absolutePath();
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
        const QString named = existing.mid(0, kNamed).join(QStringLiteral(", "));
        const QString question =
            existing.size() == 1      ? tr("Het supplement %1 bestaat al. Overschrijven?").arg(named)
            : existing.size() > kNamed ? tr("Deze %1 supplementen bestaan al, waaronder %2. Overschrijven?").arg(existing.size()).arg(named)
                                       : tr("Deze %1 supplementen bestaan al: %2. Overschrijven?").arg(existing.size()).arg(named);
        if (!m_services.dialogs->question(question, tr(" Album indelen")))
            return tr("Niets in de bibliotheek gezet.");
    }
    // Each page is saved as a save writes it, both files whole; one that
    // fails leaves its old files, and the others go on. A large album shows
    // its progress, and Cancel stops before the next page.
    QStringList failed;
    int done = 0;
    {
        const int count = int(pages.size());
        const std::unique_ptr<Progress> progress = m_services.extra->progress(tr(" Album indelen"), count, 500);
        for (; done < count; ++done) {
            progress->step(done, count, tr("Supplement %1 van %2: %3").arg(done + 1).arg(count).arg(names.at(done)));
            if (progress->cancelled())
                break;
            if (!savePageFiles(folder, names.at(done), pagePicture(pages.at(done)), pages.at(done)))
                failed << names.at(done);
        }
    }
    RefreshLibrary();
    QStringList put = names.mid(0, done);
    for (const QString &name : failed)
        put.removeAll(name);
    followPutOverOpenPage(put);
    if (!failed.isEmpty()) {
        // Why, as start-up says it, when the folder is the cause.
        const QString why = libraryWriteProblem(folder);
        m_services.dialogs->message(
            why.isEmpty() ? tr("Niet in de bibliotheek gezet: %1.").arg(fewNamed(failed))
                          : tr("Niet in de bibliotheek gezet: %1.\nDe supplementen kunnen niet worden opgeslagen in %2: %3.")
                                .arg(fewNamed(failed), QDir::toNativeSeparators(folder), why));
    }
    if (done < pages.size() || !failed.isEmpty()) {
        const int put = done - int(failed.size());
        return pages.size() == 1 ? tr("%1 van 1 supplement in de bibliotheek gezet.").arg(put)
                                 : tr("%1 van de %2 supplementen in de bibliotheek gezet.").arg(put).arg(pages.size());
    }
    return pages.size() == 1 ? tr("1 supplement in de bibliotheek gezet.")
                             : tr("%1 supplementen in de bibliotheek gezet.").arg(pages.size());
}

} // namespace plenvik

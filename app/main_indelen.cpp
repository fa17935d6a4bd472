// "Album indelen...": a list of stamps laid out on pages by the program and
// put into the library. The open page, the canvas and Undo are not touched.

#include "app/mainwindow.h"

#include "canvas/pagerender.h"
#include "design/albumlayout.h"
#include "design/pageedit.h"
#include "design/stamplist.h"
#include "design/textsafe.h"
#include "library/albumfile.h"
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
    BewaardAlbum album; // its fields, list and page names
};
} // namespace

void Main::onExtraAlbumIndelen()
{
    const QString settingsPath = m_paths.settingsFile(QLatin1String(kIndelenSettingsFileName));
    // Without a Vervolgtekst of the user's, the window's language gives it.
    // The program's own text, kept by a window of either language, is the
    // program's own in this one too; only a text of the user's stays as typed.
    IndelenVelden saved = readIndelenSettings(settingsPath, tr(" (vervolg)"));
    auto ownVervolg = [this](IndelenVelden &v) {
        if (v.vervolg == QLatin1String(" (vervolg)") || v.vervolg == QLatin1String(" (continued)"))
            v.vervolg = tr(" (vervolg)");
    };
    ownVervolg(saved);
    Indeling shown;  // what the preview shows
    bool good = false;
    // Pictures named in the list stand beside it; a list typed in the
    // window has the home folder.
    QString listFolder = QDir::homePath();
    PictureIntake pictures;
    // The window opens on the album put last, with its list and fields.
    IndelenHandlers handlers;
    QString keptList; // the list of the album last opened or put here
    const QString lastAlbum = readLastAlbum(m_paths.settingsFile(QLatin1String(kLastAlbumFileName)));
    IndelenVelden start = saved;
    if (std::optional<BewaardAlbum> last = lastAlbum.isEmpty() ? std::nullopt : readAlbum(m_paths.library, lastAlbum)) {
        start = last->velden;
        ownVervolg(start);
        keptList = handlers.lijst = last->lijst;
        if (QFileInfo(last->map).isDir())
            listFolder = last->map;
    }
    handlers.albums = [this] { return listAlbums(m_paths.library); };
    handlers.album = [&](const QString &naam, const QString &inWindow) -> std::optional<std::pair<IndelenVelden, QString>> {
        QString why;
        std::optional<BewaardAlbum> kept = readAlbum(m_paths.library, naam, &why);
        if (!kept) {
            m_services.dialogs->message(tr("Het album %1 kan niet worden gelezen: %2").arg(naam, why));
            return std::nullopt;
        }
        // A list of the user's own that no album keeps goes only when asked.
        if (!inWindow.trimmed().isEmpty() && inWindow != keptList && inWindow != kept->lijst
            && !m_services.dialogs->question(tr("De lijst in het venster staat in geen album. Het album %1 openen en die lijst "
                                                "laten gaan?").arg(naam),
                                             tr(" Album indelen")))
            return std::nullopt;
        keptList = kept->lijst;
        if (QFileInfo(kept->map).isDir())
            listFolder = kept->map;
        ownVervolg(kept->velden);
        return std::pair{kept->velden, kept->lijst};
    };
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
        next.album = BewaardAlbum{v, text, listFolder, albumPageNames(v.naam, v.eerstePagina, int(laid.size()))};
        for (int i = 0; i < laid.size(); ++i) {
            // Border and colour of the open page; inner frames as the Edit
            // menu stands.
            PageDesign d = m_design;
            d.sheet = m_chosenSheet;
            d.opmaak = opmaak;
            d.album = AlbumHerkomst{}; // the put gives it its album
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
        bool put = false;
        const QString said = putAlbumInLibrary(shown.album, shown.pages, &put);
        if (put)
            keptList = shown.album.lijst;
        return said;
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

    const IndelenVelden closed = m_services.extra->albumIndelen(start, handlers);
    if (closed != saved)
        writeIndelenSettings(settingsPath, closed);
}

} // namespace plenvik

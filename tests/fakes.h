#pragma once
// Scripted stand-ins for the platform: dialogs answer from a queue and
// record what they were asked; the printer surface records every call.

#include "app/mainwindow.h"
#include "canvas/pic.h"
#include "platform/dialogs.h"
#include "platform/extradialogs.h"
#include "platform/printer.h"
#include "platform/screen.h"
#include "platform/urlopener.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QQueue>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace plenvik::test {

// A drag on the canvas as the mouse gives it: press, a move half-way, a
// move to the end, release.
inline void drag(Pic *pic, QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mousePress(pic, button, Qt::NoModifier, from);
    QTest::mouseMove(pic, (from + to) / 2);
    QTest::mouseMove(pic, to);
    QTest::mouseRelease(pic, button, Qt::NoModifier, to);
}

// The bytes of a file; empty when it cannot be read.
inline QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class ScriptedDialogs : public Dialogs {
public:
    struct Call {
        QString kind; // "question", "message", "input", "save"
        QString text;
        QString title;
        QString defaultText;
    };
    QList<Call> calls;
    QQueue<bool> answers;      // questions; Yes when the queue is empty
    QQueue<QString> inputs;    // input boxes; Cancel (empty) when empty
    QQueue<QString> saveNames; // save dialogs; Cancel when empty

    bool question(const QString &text, const QString &title) override
    {
        calls.append({QStringLiteral("question"), text, title, {}});
        return answers.isEmpty() ? true : answers.dequeue();
    }
    void message(const QString &text) override { calls.append({QStringLiteral("message"), text, {}, {}}); }
    QString inputBox(const QString &prompt, const QString &title, const QString &def) override
    {
        calls.append({QStringLiteral("input"), prompt, title, def});
        return inputs.isEmpty() ? QString() : inputs.dequeue();
    }
    // A null text in 'inputs' is Cancel; an empty one is OK with the field emptied.
    std::optional<QString> textInput(const QString &prompt, const QString &title, const QString &def) override
    {
        const QString answer = inputBox(prompt, title, def);
        return answer.isNull() ? std::nullopt : std::optional(answer);
    }
    // The question about changes not saved: its answers, and what it said.
    QQueue<Wijzigingen> changes; // "Niet opslaan" when empty
    Wijzigingen unsavedChanges(const QString &text, const QString &title) override
    {
        calls.append({QStringLiteral("changes"), text, title, {}});
        return changes.isEmpty() ? Wijzigingen::NietOpslaan : changes.dequeue();
    }
    QString saveFileName(const QString &title, const QString &suggested, const QString &) override
    {
        calls.append({QStringLiteral("save"), suggested, title, {}});
        return saveNames.isEmpty() ? QString() : saveNames.dequeue();
    }

    QStringList messages() const
    {
        QStringList out;
        for (const Call &c : calls)
            if (c.kind == QLatin1String("message"))
                out << c.text;
        return out;
    }
    QStringList inputTitles() const
    {
        QStringList out;
        for (const Call &c : calls)
            if (c.kind == QLatin1String("input"))
                out << c.title;
        return out;
    }
};

// The Extra menu's dialogs: each answers from its queue (Cancel when empty),
// first showing the answer through the preview as typing would, and records
// the values it was opened with. 'whileOpen' runs before each answer.
class ScriptedExtraDialogs : public ExtraDialogs {
public:
    QQueue<std::optional<KaderInvoer>> kaders;
    QQueue<std::optional<RijInvoer>> rijen;
    QList<KaderInvoer> kaderStarts;
    QList<RijInvoer> rijStarts;
    std::function<void()> whileOpen;
    // " Stroken": the fields are set to each of these in turn, then
    // "Afdrukken" is pressed when asked; every list shown is kept.
    QList<StrokenVelden> strokenSteps;
    bool strokenPrint = false;
    QList<StrokenVelden> strokenStarts;
    QStringList strokenLists; // the list shown after each step
    QStringList strokenHints; // the hint shown after each step

    // " Album afdrukken" and its progress window: the pages offered, the
    // answers, every step shown, and Cancel pressed once 'cancelAtStep'
    // steps have been shown (never when -1).
    QList<QStringList> albumOffers;
    QQueue<std::optional<AlbumKeuze>> albums;
    QStringList progressSteps;
    int cancelAtStep = -1;
    // " Album indelen": each step types a list and fields, looks at some
    // pages of the preview and maybe puts the pages into the library; what
    // the window worked out, showed and said is kept.
    struct IndelenStap {
        QString lijst;
        IndelenVelden velden;
        QList<int> bekijk;
        bool inBibliotheek = false;
        QString album; // a kept album chosen in "Naam", with 'lijst' in the window
    };
    QList<IndelenStap> indelenStappen;
    QList<IndelenVelden> indelenStarts;
    QStringList indelenLijsten;                             // the list each opening showed
    QList<QStringList> indelenAlbums;                       // the albums "Naam" offered
    QList<std::pair<IndelenVelden, QString>> indelenGekozen; // what choosing one brought back
    QList<IndelenUitkomst> indelenUitkomsten;
    QList<QImage> indelenVoorbeelden;
    QStringList indelenMeldingen;
    // " Printer ijken": the answers with the values typed, and what each
    // opening showed.
    QQueue<std::pair<IjkKeuze, IjkMaten>> ijkingen;
    QList<std::pair<IjkMaten, QString>> ijkOpenings;

    QList<KaderVenster> kaderVensters;
    std::optional<KaderInvoer> kaderInvoeren(const KaderInvoer &start, const KaderVenster &venster,
                                             const std::function<void(const KaderInvoer &)> &preview) override
    {
        kaderStarts << start;
        kaderVensters << venster;
        return answer(kaders, preview);
    }
    QQueue<std::optional<TekstInvoer>> teksten;
    QList<TekstInvoer> tekstStarts;
    std::optional<TekstInvoer> tekstInvoeren(const TekstInvoer &start, const Sheet &, bool,
                                             const std::function<void(const TekstInvoer &)> &preview) override
    {
        tekstStarts << start;
        return answer(teksten, preview);
    }
    std::optional<RijInvoer> rijKaders(const RijInvoer &start, const Sheet &,
                                       const std::function<void(const RijInvoer &)> &preview) override
    {
        rijStarts << start;
        return answer(rijen, preview);
    }

    StrokenVelden stroken(const StrokenVelden &start, const std::function<StrokenUitkomst(const StrokenVelden &)> &cutList,
                          const std::function<void(const QString &)> &print) override
    {
        strokenStarts << start;
        StrokenVelden fields = start;
        QString shown;
        auto show = [&] {
            const StrokenUitkomst uit = cutList(fields);
            strokenHints << uit.hint;
            if (uit.hint.isEmpty())
                shown = uit.lijst;
            strokenLists << shown;
        };
        show();
        for (const StrokenVelden &step : strokenSteps) {
            fields = step;
            show();
        }
        // "Afdrukken" can be pressed only while the fields can be read.
        if (strokenPrint && strokenHints.constLast().isEmpty())
            print(shown);
        return fields;
    }

    std::optional<AlbumKeuze> albumAfdrukken(const QStringList &pages, const QList<AfdrukAlbum> &kept, int gekozen) override
    {
        albumOffers << pages;
        albumsOffered.append({kept, gekozen});
        return albums.isEmpty() ? std::nullopt : albums.dequeue();
    }
    QList<std::pair<QList<AfdrukAlbum>, int>> albumsOffered;
    // The questions before an album replaces pages, and the answers.
    QStringList vervangVragen;
    QQueue<AlbumAntwoord> vervangAntwoorden;
    AlbumAntwoord albumVervangen(const QString &text) override
    {
        vervangVragen << text;
        return vervangAntwoorden.isEmpty() ? AlbumAntwoord::Stoppen : vervangAntwoorden.dequeue();
    }

    class ScriptedProgress : public Progress {
    public:
        explicit ScriptedProgress(ScriptedExtraDialogs &owner) : m_owner(owner) {}
        void step(int done, int total, const QString &text) override
        {
            m_owner.progressSteps << QStringLiteral("%1/%2 %3").arg(done).arg(total).arg(text);
        }
        bool cancelled() override
        {
            return m_owner.cancelAtStep >= 0 && m_owner.progressSteps.size() >= m_owner.cancelAtStep;
        }
        void handOver(const QString &text) override { m_owner.progressSteps << QStringLiteral("hand over: ") + text; }

    private:
        ScriptedExtraDialogs &m_owner;
    };
    std::unique_ptr<Progress> progress(const QString &, int, int) override { return std::make_unique<ScriptedProgress>(*this); }

    // " Papierformaat": what it opened on, and the answers.
    QList<Sheet> papierStarts;
    QQueue<std::optional<Sheet>> papieren;
    std::optional<Sheet> papierformaat(const Sheet &current) override
    {
        papierStarts << current;
        return papieren.isEmpty() ? std::nullopt : papieren.dequeue();
    }

    // " Pagina-opmaak": what it opened on, and the answers.
    QList<OpmaakKeuze> opmaakStarts;
    QQueue<std::optional<OpmaakKeuze>> opmaken;
    std::optional<OpmaakKeuze> paginaOpmaak(const OpmaakKeuze &current, const QStringList &) override
    {
        opmaakStarts << current;
        return opmaken.isEmpty() ? std::nullopt : opmaken.dequeue();
    }

    // " Afbeeldingen": the frames' lines it opened with, and the answers.
    QList<QList<AfbeeldingRegel>> afbeeldingRegels;
    QQueue<std::optional<AfbeeldingenKeuze>> afbeeldingKeuzes;
    std::optional<AfbeeldingenKeuze> afbeeldingen(const QList<AfbeeldingRegel> &kaders, bool, int) override
    {
        afbeeldingRegels << kaders;
        return afbeeldingKeuzes.isEmpty() ? std::nullopt : afbeeldingKeuzes.dequeue();
    }

    IjkKeuze printerIjken(const QString &, const QString &inForce, IjkMaten &maten) override
    {
        ijkOpenings.append({maten, inForce});
        if (ijkingen.isEmpty())
            return IjkKeuze::Annuleren;
        const auto [keuze, typed] = ijkingen.dequeue();
        maten = typed;
        return keuze;
    }

    IndelenVelden albumIndelen(const IndelenVelden &start, const IndelenHandlers &handlers) override
    {
        indelenStarts << start;
        indelenLijsten << handlers.lijst;
        IndelenVelden velden = start;
        for (const IndelenStap &stap : indelenStappen) {
            velden = stap.velden;
            if (!stap.album.isEmpty()) {
                indelenAlbums << handlers.albums();
                if (const auto kept = handlers.album(stap.album, stap.lijst))
                    indelenGekozen << *kept;
                continue;
            }
            indelenUitkomsten << handlers.indelen(stap.lijst, velden);
            for (int page : stap.bekijk)
                indelenVoorbeelden << handlers.voorbeeld(page);
            if (stap.inBibliotheek)
                indelenMeldingen << handlers.inBibliotheek();
        }
        return velden;
    }

private:
    template <typename T, typename Preview> std::optional<T> answer(QQueue<std::optional<T>> &queue, const Preview &preview)
    {
        const std::optional<T> a = queue.isEmpty() ? std::nullopt : queue.dequeue();
        if (a && preview)
            preview(*a);
        if (whileOpen)
            whileOpen();
        return a;
    }
};

class RecordingSurface : public PrinterSurface {
public:
    QStringList ops;

    static QString n(double v) { return QString::number(v, 'g', 10); }
    static QString c(const QColor &col) { return QStringLiteral("%1/%2/%3").arg(col.red()).arg(col.green()).arg(col.blue()); }

    void setFontName(const QString &face) override { ops << QStringLiteral("font ") + face; }
    void setFontSize(double points) override { ops << QStringLiteral("size ") + n(points); }
    void setFontBold(bool bold) override { ops << QStringLiteral("bold ") + (bold ? "1" : "0"); }
    void setForeColor(const QColor &col) override { ops << QStringLiteral("fore ") + c(col); }
    void setFillStyle(FillStyle s) override { ops << (s == FillStyle::Solid ? QStringLiteral("fill solid") : QStringLiteral("fill none")); }
    void setFillColor(const QColor &col) override { ops << QStringLiteral("fillcolor ") + c(col); }
    void box(QPointF a, QPointF b, const QColor &line) override
    {
        ops << QStringLiteral("B %1,%2 %3,%4 %5").arg(n(a.x()), n(a.y()), n(b.x()), n(b.y()), c(line));
    }
    void filledBox(QPointF a, QPointF b, const QColor &line) override
    {
        ops << QStringLiteral("BF %1,%2 %3,%4 %5").arg(n(a.x()), n(a.y()), n(b.x()), n(b.y()), c(line));
    }
    void polygon(const QList<QPointF> &points, const QColor &line, bool dashed) override
    {
        QStringList at;
        for (const QPointF &p : points)
            at << n(p.x()) + ',' + n(p.y());
        ops << QStringLiteral("S%1 %2 %3").arg(dashed ? "-" : "", at.join(' '), c(line));
    }
    void clip(const QList<QPointF> &points) override { ops << QStringLiteral("clip %1").arg(points.size()); }
    void setCurrentX(double mm) override { ops << QStringLiteral("x ") + n(mm); }
    void setCurrentY(double mm) override { ops << QStringLiteral("y ") + n(mm); }
    // Only a sheet other than A4 is worth a line.
    void setSheet(const Sheet &sheet) override
    {
        if (sheet != kSheetA4)
            ops << QStringLiteral("sheet %1x%2").arg(n(sheet.widthMm), n(sheet.heightMm));
    }
    void print(const QString &text) override { ops << QStringLiteral("print ") + text; }
    void printOnBaseline(QPointF o, const QString &text) override
    {
        ops << QStringLiteral("T %1,%2 %3").arg(n(o.x()), n(o.y()), text);
    }
    void picture(QPointF a, QPointF b, const QByteArray &stored, bool grey, int sterkte) override
    {
        ops << QStringLiteral("P %1,%2 %3,%4 %5 %6 %7")
                   .arg(n(a.x()), n(a.y()), n(b.x()), n(b.y()))
                   .arg(stored.size())
                   .arg(grey ? "grijs" : "kleur")
                   .arg(sterkte);
    }
    bool newPage() override
    {
        ops << QStringLiteral("newpage");
        return true;
    }
    QStringList drawing() const
    {
        QStringList out;
        for (const QString &o : ops)
            if (o.startsWith("B ") || o.startsWith("BF ") || o.startsWith("S ") || o.startsWith("S- ") || o.startsWith("print ")
                || o.startsWith("P ") || o.startsWith("T ") || o.startsWith("clip "))
                out << o;
        return out;
    }
};

// A printer that keeps the calls of each complete job handed to it.
class FakePrinter : public Printer {
public:
    bool destination = true;
    int setups = 0;
    QStringList jobs;           // pdf path of each job ("" for the printer)
    QList<QStringList> printed; // the calls of each job
    bool failJob = false;

    QString name = QStringLiteral("Proef");
    QList<PrinterCorrection> corrections; // of each job

    bool hasDestination() override { return destination; }
    QList<Sheet> setupSheets; // the paper each Print Setup opened on
    void setup(QWidget *, const Sheet &sheet) override
    {
        ++setups;
        setupSheets << sheet;
        destination = true;
    }
    QString destinationPrinter() override { return destination ? name : QString(); }
    bool print(const PrintJob &job, const QString &pdfPath, const PrinterCorrection &correction) override
    {
        jobs << pdfPath;
        corrections << correction;
        RecordingSurface s;
        job.replay(s);
        printed << s.ops;
        return !failJob;
    }
    QString paperRefusal; // what refusedPaper says
    QString refusedPaper(const PrintJob &, const QString &) override { return paperRefusal; }
};

class FakeScreen : public ScreenSource {
public:
    QImage screen{200, 150, QImage::Format_RGB32};
    QPoint cursor{100, 75};
    int grabs = 0;
    FakeScreen() { screen.fill(Qt::white); }
    QPoint cursorPos() override { return cursor; }
    QImage grab(const QRect &r) override
    {
        ++grabs;
        QImage out(r.size(), QImage::Format_RGB32);
        out.fill(Qt::black);
        for (int y = 0; y < r.height(); ++y)
            for (int x = 0; x < r.width(); ++x) {
                const QPoint p = r.topLeft() + QPoint(x, y);
                if (screen.rect().contains(p))
                    out.setPixel(x, y, screen.pixel(p));
            }
        return out;
    }
};

class FakeUrls : public UrlOpener {
public:
    QStringList opened;
    void open(const QString &address) override { opened << address; }
};

// A program folder of its own, with a library folder, and a window on it.
struct Harness {
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    FakePrinter printer;
    FakeScreen screen;
    FakeUrls urls;
    ScriptedExtraDialogs extra;
    std::unique_ptr<Main> main;

    explicit Harness(bool withLibrary = true)
    {
        if (withLibrary)
            QDir(dir.path()).mkdir(QStringLiteral("Voorbeelden"));
    }
    Main &start()
    {
        main = std::make_unique<Main>(portablePaths(dir.path()), Services{&dialogs, &printer, &screen, &urls, &extra});
        return *main;
    }
    QString library() const { return dir.filePath(QStringLiteral("Voorbeelden")); }
};

} // namespace plenvik::test

// The program's own dialogs driven from the keyboard, offscreen: the first
// field focused with its text selected, Tab in the order of the fields,
// Return for OK, Escape for Cancel, and the preview following the fields.

#include "platform/dialogstyle.h"
#include "platform/extradialogs.h"
#include "platform/numberfield.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QPlainTextEdit>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QWidget>

Q_DECLARE_METATYPE(plenvik::KaderInvoer)
Q_DECLARE_METATYPE(plenvik::RijInvoer)

namespace QTest {
template <> char *toString(const plenvik::IjkMaten &m)
{
    return QTest::toString(QStringLiteral("%1, %2, %3, %4").arg(m.a).arg(m.b).arg(m.c).arg(m.d));
}
} // namespace QTest

using namespace plenvik;

namespace plenvik {
char *toString(const KaderInvoer &v)
{
    return QTest::toString(QStringLiteral("%1,%2,%3,%4,%5,%6,%7").arg(v.links).arg(v.boven).arg(v.breedte).arg(v.hoogte).arg(v.binnenkader).arg(v.onderschrift, v.afbeelding));
}
char *toString(const RijInvoer &v)
{
    return QTest::toString(QStringLiteral("%1,%2,%3,%4,%5,%6,%7").arg(v.aantal).arg(v.breedte).arg(v.hoogte).arg(v.tussenruimte).arg(v.boven).arg(v.binnenkader).arg(v.eersteOnderschrift));
}
} // namespace plenvik

namespace {
// Runs 'keys' on the dialog once it is open; each entry is typed into the
// focused field, "\t" moves on with Tab, "\n" presses Return, "\e" Escape
// and " " toggles a check box.
void typeWhenOpen(const QStringList &keys, QString *title = nullptr, QString *firstField = nullptr)
{
    QTimer::singleShot(0, [=] {
        QWidget *dlg = QApplication::activeModalWidget();
        if (!dlg)
            return;
        // The first field takes the focus once the dialog is up.
        if (!QTest::qWaitFor([] { return QApplication::focusWidget() != nullptr; }, 2000))
            return;
        if (title)
            *title = dlg->windowTitle();
        if (auto *edit = qobject_cast<QLineEdit *>(QApplication::focusWidget()); edit && firstField)
            *firstField = edit->text();
        for (const QString &k : keys) {
            QWidget *field = QApplication::focusWidget();
            if (!field)
                break;
            if (k == "\t")
                QTest::keyClick(field, Qt::Key_Tab);
            else if (k == "\n")
                QTest::keyClick(field, Qt::Key_Return);
            else if (k == "\e")
                QTest::keyClick(field, Qt::Key_Escape);
            else if (k == "\b")
                QTest::keyClick(field, Qt::Key_Backspace);
            else if (k == " ")
                QTest::keyClick(field, Qt::Key_Space);
            else
                QTest::keyClicks(field, k);
        }
        // Whatever the keys did, the dialog does not stay open.
        if (dlg->isVisible())
            QMetaObject::invokeMethod(dlg, "reject");
    });
}
} // namespace

class TestDialogs : public QObject {
    Q_OBJECT
private slots:
    void kaderInvoerenFromTheKeyboard()
    {
        QtExtraDialogs dialogs;
        QString title;
        KaderInvoer previewed;
        // After the picture and its button: caption lines 2 and 3, the
        // shape and the line, chosen by their first letters.
        typeWhenOpen({"112", "\t", "93", "\t", "67", "\t", "33", "\t", " ", "\t", "NVPH 1", "\t", " zegel.png ", "\t", "\t",
                      "5 c blauw", "\t", "1852", "\t", "Ru", "\t", "Ges", "\n"},
                     &title);
        const auto got = dialogs.kaderInvoeren(KaderInvoer{}, KaderVenster{}, [&](const KaderInvoer &v) { previewed = v; });
        QCOMPARE(title, QStringLiteral(" Kader invoeren"));
        QVERIFY(got.has_value());
        QCOMPARE(*got, (KaderInvoer{112, 93, 67, 33, true, QStringLiteral("NVPH 1"), QStringLiteral("zegel.png"),
                                    QStringLiteral("5 c blauw"), QStringLiteral("1852"), Vorm::Ruit, Lijn::Gestreept}));
        QCOMPARE(previewed, *got);

        typeWhenOpen({"55", "\e"});
        QVERIFY(!dialogs.kaderInvoeren(KaderInvoer{}, KaderVenster{}, {}).has_value());

        // The fields reach the far side of the largest sheet: no digit is
        // dropped, and the title follows the purpose. A frame reaching past
        // the sheet holds OK back, so the size is made to fit first.
        typeWhenOpen({"299", "\t", "460", "\t", "31", "\t", "24", "\n", "\b", "3", "\n"}, &title);
        const auto far = dialogs.kaderInvoeren(KaderInvoer{}, KaderVenster{Sheet{330, 483}, true}, {});
        QCOMPARE(title, QStringLiteral(" Kader wijzigen"));
        QVERIFY(far.has_value());
        QCOMPARE(std::pair(far->links, far->boven), std::pair(299, 460));
    }

    // A whole-millimetre field never makes another number of a decimal or
    // of a number past its limit: it says so and OK waits, in any language.
    void wholeMillimetresAreNeverReadAsOthers_data()
    {
        QTest::addColumn<QLocale>("language");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("said");
        for (const QLocale &l : {QLocale::c(), QLocale(QLocale::Dutch), QLocale(QLocale::English, QLocale::UnitedKingdom)}) {
            QTest::addRow("1,5 %s", qPrintable(l.name())) << l << "1,5" << "Links kan van 0 tot 209 mm zijn, in hele getallen; 1,5 kan niet.";
            QTest::addRow("1.5 %s", qPrintable(l.name())) << l << "1.5" << "Links kan van 0 tot 209 mm zijn, in hele getallen; 1.5 kan niet.";
        }
        QTest::newRow("past the sheet") << QLocale::c() << "210" << "Links kan van 0 tot 209 mm zijn; 210 kan niet.";
    }
    void wholeMillimetresAreNeverReadAsOthers()
    {
        QFETCH(QLocale, language);
        QFETCH(QString, typed);
        QFETCH(QString, said);
        QLocale::setDefault(language);
        QString shown, left;
        bool waited = false;
        QTimer::singleShot(0, [&] {
            QWidget *dlg = QApplication::activeModalWidget();
            if (!dlg || !QTest::qWaitFor([] { return QApplication::focusWidget() != nullptr; }, 2000))
                return;
            QTest::keyClicks(QApplication::focusWidget(), typed);
            left = qobject_cast<QLineEdit *>(QApplication::focusWidget())->text();
            for (QLabel *l : dlg->findChildren<QLabel *>())
                if (l->isVisible() && l->text().contains("kan"))
                    shown = l->text();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            waited = dlg->isVisible();
            if (waited)
                QMetaObject::invokeMethod(dlg, "reject");
        });
        QtExtraDialogs dialogs;
        QVERIFY(!dialogs.kaderInvoeren(KaderInvoer{}, KaderVenster{}, {}).has_value());
        QLocale::setDefault(QLocale::c());
        QVERIFY(waited);
        QCOMPARE(left, typed);
        QCOMPARE(shown, said);
    }

    // " Afbeeldingen": Sterkte has the focus; "Weg" is there only for a
    // frame with a picture, and takes off that one alone.
    void afbeeldingenKeepsWhatIsNotTouched()
    {
        QtExtraDialogs dialogs;
        QImage shown(10, 10, QImage::Format_RGB32);
        shown.fill(Qt::gray);
        QTimer::singleShot(0, [] {
            QWidget *dlg = QApplication::activeModalWidget();
            if (!dlg || !QTest::qWaitFor([] { return QApplication::focusWidget() != nullptr; }, 2000))
                return;
            QTest::keyClicks(QApplication::focusWidget(), "60");
            for (QAbstractButton *b : dlg->findChildren<QAbstractButton *>())
                if (b->text() == "Weg" && b->isEnabled()) {
                    b->click();
                    break;
                }
            QMetaObject::invokeMethod(dlg, "accept");
        });
        const auto got = dialogs.afbeeldingen({{"NVPH 1", QImage()}, {"NVPH 2", shown}}, true, 35);
        QVERIFY(got == (AfbeeldingenKeuze{{std::nullopt, QString()}, true, 60}));
    }

    void printerIjkenTakesACommaOrAPoint()
    {
        QtExtraDialogs dialogs;
        IjkMaten maten{178.2, 270, 30, 30};
        QString title, shown;
        // Shown as the window's language writes it.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        typeWhenOpen({"178,4", "\t", "269.5", "\t", "30,1", "\t", "1,2 in", "\n"}, &title, &shown);
        QCOMPARE(dialogs.printerIjken(QStringLiteral("Proef"), QStringLiteral("geen"), maten), IjkKeuze::Ok);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(shown, QStringLiteral("178.2"));
        QCOMPARE(title, QStringLiteral(" Printer ijken"));
        QCOMPARE(maten, (IjkMaten{178.4, 269.5, 30.1, 30.5})); // 1.2 in = 30.48 mm
        typeWhenOpen({"\e"});
        QCOMPARE(dialogs.printerIjken(QStringLiteral("Proef"), QStringLiteral("geen"), maten), IjkKeuze::Annuleren);
    }

    // " Pagina-opmaak": a list chosen by its first letter, millimetres with
    // a comma; a distance out of its range holds OK back.
    void paginaOpmaakTakesWhatWasTyped()
    {
        QtExtraDialogs dialogs;
        QString title;
        typeWhenOpen({"D", "\t", "1,5", "\t", "\t", "\t", "Z", "\t", "25,5", "\n"}, &title);
        const std::optional<OpmaakKeuze> chosen = dialogs.paginaOpmaak(OpmaakKeuze{}, {QStringLiteral("Liberation Serif")});
        QCOMPARE(title, QStringLiteral(" Pagina-opmaak"));
        PaginaOpmaak expected;
        expected.rand = Rand::Dubbel;
        expected.dikteBuiten = 1.5;
        expected.zwart = true;
        expected.links = 25.5;
        QCOMPARE(chosen, std::optional(OpmaakKeuze{expected, false}));
        typeWhenOpen({"\t", "4", "\n"});
        QCOMPARE(dialogs.paginaOpmaak(OpmaakKeuze{}, {}), std::nullopt); // Links 4 mm: Return did nothing
    }

    // Every number field keeps what was typed and takes only what was
    // meant: "1,5" and "1.5" are one and a half in either language, never
    // fifteen; a unit after a length is turned into millimetres, rounded
    // as the field takes them and said so; anything else is named.
    void numberFieldsTakeOnlyWhatWasMeant()
    {
        QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
        QWidget parent;
        NumberField *gap = mmField(&parent, "Tussenruimte", 0, 160, 5);
        NumberField *marge = tenthsMmField(&parent, "Marge", 0, 20, 2.5);
        NumberField *count = mmField(&parent, "Aantal", 1, 20, 3, QString());
        QCOMPARE(marge->text(), "2,5");
        const struct {
            NumberField *field;
            const char *typed;
            double taken; // -1: not taken
            const char *said;
        } cases[] = {
            {gap, "1,5", -1, "Tussenruimte kan van 0 tot 160 mm zijn, in hele getallen; 1,5 kan niet."},
            {gap, "1.5", -1, "Tussenruimte kan van 0 tot 160 mm zijn, in hele getallen; 1.5 kan niet."},
            {gap, "-5", -1, "Tussenruimte kan van 0 tot 160 mm zijn; -5 kan niet."},
            {gap, "1e3", -1, "Tussenruimte kan van 0 tot 160 mm zijn; de eenheid 'e3' is onbekend: gebruik mm, cm, in of \"."},
            {gap, "7in", -1, "Tussenruimte kan van 0 tot 160 mm zijn; 7in (178 mm) kan niet."},
            {gap, "0.75in", 19, "0.75in = 19 mm"},
            {gap, "0,75 in", 19, "0,75 in = 19 mm"},
            {gap, "1,9 cm", 19, "1,9 cm = 19 mm"},
            {gap, "0.75\"", 19, "0.75\" = 19 mm"},
            {gap, "19 mm", 19, ""},
            {gap, "", -1, "Tussenruimte kan van 0 tot 160 mm zijn; vul een getal in."},
            {marge, "1.5", 1.5, ""},
            {marge, "1,55", -1, "Marge kan van 0 tot 20 mm zijn, met één cijfer na de komma; 1,55 kan niet."},
            {marge, "0.04in", 1.0, "0.04in = 1 mm"},
            {marge, "0.1in", 2.5, "0.1in = 2,5 mm"},
            {count, "3 cm", -1, "Aantal kan van 1 tot 20 zijn; '3 cm' is geen getal."},
        };
        for (const auto &c : cases) {
            c.field->clear();
            QTest::keyClicks(c.field, QString::fromUtf8(c.typed));
            QCOMPARE(c.field->text(), QString::fromUtf8(c.typed));
            QCOMPARE(c.field->number().value_or(-1), c.taken);
            QCOMPARE(c.taken < 0 ? c.field->problem() : c.field->conversion(), QString::fromUtf8(c.said));
        }
        QLocale::setDefault(QLocale::c());
    }

    void albumChoosesPagesAndOrder()
    {
        QtExtraDialogs dialogs;
        auto clickWhenOpen = [](const QStringList &buttons) {
            QTimer::singleShot(0, [=] {
                QWidget *dlg = QApplication::activeModalWidget();
                if (!dlg)
                    return;
                for (const QString &text : buttons)
                    for (QAbstractButton *b : dlg->findChildren<QAbstractButton *>())
                        if (b->text() == text)
                            b->click();
                QMetaObject::invokeMethod(dlg, "accept");
            });
        };
        const QStringList pages{"Blad 10", "Blad 2", "Zonder"};
        clickWhenOpen({"Niets"});
        QCOMPARE(dialogs.albumAfdrukken(pages, {}, -1), (AlbumKeuze{{}, false, {}}));
        clickWhenOpen({"Niets", "Alles", "Op paginanummer"});
        QCOMPARE(dialogs.albumAfdrukken(pages, {}, -1), (AlbumKeuze{pages, true, {}}));
        // An album chosen ticks its pages alone, and they come in its order;
        // ticked otherwise, the pages are no longer the album.
        const QList<AfdrukAlbum> albums{{"Blad", {"Blad 2", "Blad 10"}}};
        clickWhenOpen({});
        QCOMPARE(dialogs.albumAfdrukken(pages, albums, 0), (AlbumKeuze{{"Blad 2", "Blad 10"}, false, "Blad"}));
        clickWhenOpen({"Alles"});
        QCOMPARE(dialogs.albumAfdrukken(pages, albums, 0), (AlbumKeuze{pages, false, {}}));
        // Return in the question keeps the collector's pages.
        QTimer::singleShot(0, [] {
            if (QWidget *dlg = QApplication::activeModalWidget())
                QTest::keyClick(dlg, Qt::Key_Return);
        });
        QCOMPARE(dialogs.albumVervangen(QStringLiteral("?")), AlbumAntwoord::EigenBewaren);
    }

    // " Album indelen" opens on the list it is given; an album chosen in
    // "Naam" brings back its fields and list, and they are laid out.
    void albumIndelenBringsBackAKeptAlbum()
    {
        QtExtraDialogs dialogs;
        IndelenVelden kept;
        kept.naam = QStringLiteral("Nederland");
        kept.titel = QStringLiteral("Koninkrijk");
        kept.margeTiende = 15;
        kept.layout.kadersPerPagina = 30;
        QStringList laidOut, askedWith;
        IndelenHandlers h;
        h.indelen = [&](const QString &lijst, const IndelenVelden &v) {
            laidOut << lijst + QLatin1Char('|') + v.titel;
            return IndelenUitkomst{};
        };
        h.voorbeeld = [](int) { return QImage(); };
        h.inBibliotheek = [] { return QString(); };
        h.openen = [](const QString &) { return std::nullopt; };
        h.lijst = QStringLiteral("eigen; 20; 20");
        h.albums = [] { return QStringList{"Europa", "Nederland"}; };
        h.album = [&](const QString &naam, const QString &inWindow) -> std::optional<std::pair<IndelenVelden, QString>> {
            askedWith << naam + QLatin1Char('|') + inWindow;
            return std::pair{kept, QStringLiteral("NVPH 1; 22; 26")};
        };
        QString shown;
        QTimer::singleShot(0, [&] {
            QWidget *dlg = QApplication::activeModalWidget();
            auto *naam = dlg ? dlg->findChild<QComboBox *>() : nullptr;
            if (!naam)
                return;
            QCOMPARE(naam->count(), 2);
            emit naam->activated(1);
            shown = dlg->findChild<QPlainTextEdit *>()->toPlainText();
            QMetaObject::invokeMethod(dlg, "accept");
        });
        QCOMPARE(dialogs.albumIndelen(IndelenVelden{}, h), kept);
        QCOMPARE(laidOut.constFirst(), QStringLiteral("eigen; 20; 20|"));
        QCOMPARE(askedWith, QStringList{"Nederland|eigen; 20; 20"});
        QCOMPARE(shown, QStringLiteral("NVPH 1; 22; 26"));
    }

    // While the heights cannot be read the hint stands under the field, and
    // nothing is printed.
    void strokenKeepsTheListWhileAFieldIsWrong()
    {
        QtExtraDialogs dialogs;
        QStringList printed;
        bool hintShown = false;
        QTimer::singleShot(0, [&] {
            QWidget *dlg = QApplication::activeModalWidget();
            if (!dlg)
                return;
            for (QLineEdit *e : dlg->findChildren<QLineEdit *>())
                if (e->placeholderText().startsWith("b.v."))
                    QTest::keyClicks(e, " x");
            for (QLabel *l : dlg->findChildren<QLabel *>())
                hintShown = hintShown || (l->text() == "zo niet" && l->isVisible());
            for (QAbstractButton *b : dlg->findChildren<QAbstractButton *>())
                if (b->text() == "Afdrukken")
                    b->click();
            QMetaObject::invokeMethod(dlg, "accept");
        });
        const StrokenVelden closed = dialogs.stroken(
            StrokenVelden{215, "20", false},
            [](const StrokenVelden &v) { return v.hoogten == "20" ? StrokenUitkomst{"de lijst", {}} : StrokenUitkomst{{}, "zo niet"}; },
            [&](const QString &text) { printed << text; });
        QCOMPARE(closed.hoogten, QStringLiteral("20 x"));
        QVERIFY(hintShown);
        QCOMPARE(printed, QStringList{});
    }
};

QTEST_MAIN(TestDialogs)
#include "test_dialogs.moc"

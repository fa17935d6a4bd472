// The program's own dialogs driven from the keyboard, offscreen: the first
// field focused with its text selected, Tab in the order of the fields,
// Return for OK, Escape for Cancel, and the preview following the fields.

#include "platform/dialogstyle.h"
#include "platform/extradialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDoubleSpinBox>
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
        typeWhenOpen({"112", "\t", "93", "\t", "67", "\t", "33", "\t", " ", "\t", "NVPH 1", "\t", " zegel.png ", "\n"}, &title);
        const auto got = dialogs.kaderInvoeren(KaderInvoer{}, KaderVenster{}, [&](const KaderInvoer &v) { previewed = v; });
        QCOMPARE(title, QStringLiteral(" Kader invoeren"));
        QVERIFY(got.has_value());
        QCOMPARE(*got, (KaderInvoer{112, 93, 67, 33, true, QStringLiteral("NVPH 1"), QStringLiteral("zegel.png")}));
        QCOMPARE(previewed, *got);

        typeWhenOpen({"55", "\e"});
        QVERIFY(!dialogs.kaderInvoeren(KaderInvoer{}, KaderVenster{}, {}).has_value());

        // The fields reach the far side of the largest sheet: no digit is
        // dropped, and the title follows the purpose.
        typeWhenOpen({"299", "\t", "460", "\n"}, &title);
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
        typeWhenOpen({"178,4", "\t", "269.5", "\t", "30,1", "\n"}, &title, &shown);
        QCOMPARE(dialogs.printerIjken(QStringLiteral("Proef"), QStringLiteral("geen"), maten), IjkKeuze::Ok);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(shown, QStringLiteral("178.2"));
        QCOMPARE(title, QStringLiteral(" Printer ijken"));
        QCOMPARE(maten, (IjkMaten{178.4, 269.5, 30.1, 30}));
        typeWhenOpen({"\e"});
        QCOMPARE(dialogs.printerIjken(QStringLiteral("Proef"), QStringLiteral("geen"), maten), IjkKeuze::Annuleren);
    }

    // Marge and its kind: "1,5" and "1.5" are one and a half in either
    // language, never fifteen; shown as the language writes it.
    void decimalsWithACommaOrAPoint()
    {
        for (const auto &[shown, text] : {std::pair{QLocale(QLocale::English, QLocale::UnitedKingdom), "2.5 mm"},
                                           std::pair{QLocale(QLocale::Dutch, QLocale::Netherlands), "2,5 mm"}}) {
            QLocale::setDefault(shown);
            QWidget parent;
            QDoubleSpinBox *field = tenthsMmField(&parent, 0, 20, 2.5);
            QCOMPARE(field->text(), QString::fromLatin1(text));
            for (const char *typed : {"1,5", "1.5"}) {
                field->selectAll();
                QTest::keyClicks(field, QString::fromLatin1(typed));
                field->interpretText();
                QCOMPARE(field->value(), 1.5);
            }
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
        QCOMPARE(dialogs.albumAfdrukken(pages), (AlbumKeuze{{}, false}));
        clickWhenOpen({"Niets", "Alles", "Op paginanummer"});
        QCOMPARE(dialogs.albumAfdrukken(pages), (AlbumKeuze{pages, true}));
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
            QTest::keyClicks(dlg->findChild<QLineEdit *>(), " x");
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

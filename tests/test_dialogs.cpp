// The program's own dialogs driven from the keyboard, offscreen: the first
// field focused with its text selected, Tab in the order of the fields,
// Return for OK, Escape for Cancel, and the preview following the fields.

#include "platform/extradialogs.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>

Q_DECLARE_METATYPE(plenvik::KaderInvoer)
Q_DECLARE_METATYPE(plenvik::RijInvoer)

using namespace plenvik;

namespace plenvik {
char *toString(const KaderInvoer &v)
{
    return QTest::toString(QStringLiteral("%1,%2,%3,%4,%5,%6").arg(v.links).arg(v.boven).arg(v.breedte).arg(v.hoogte).arg(v.binnenkader).arg(v.onderschrift));
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
void typeWhenOpen(const QStringList &keys, QString *title = nullptr)
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
        typeWhenOpen({"112", "\t", "93", "\t", "67", "\t", "33", "\t", " ", "\t", "NVPH 1", "\n"}, &title);
        const auto got = dialogs.kaderInvoeren(KaderInvoer{}, [&](const KaderInvoer &v) { previewed = v; });
        QCOMPARE(title, QStringLiteral(" Kader invoeren"));
        QVERIFY(got.has_value());
        QCOMPARE(*got, (KaderInvoer{112, 93, 67, 33, true, QStringLiteral("NVPH 1")}));
        QCOMPARE(previewed, *got);

        typeWhenOpen({"55", "\e"});
        QVERIFY(!dialogs.kaderInvoeren(KaderInvoer{}, {}).has_value());
    }

    void rijKadersFromTheKeyboard()
    {
        QtExtraDialogs dialogs;
        QString title;
        typeWhenOpen({"4", "\t", "30", "\t", "40", "\t", "\t", "\t", "\t", "NVPH 12", "\n"}, &title);
        const auto got = dialogs.rijKaders(RijInvoer{}, {});
        QCOMPARE(title, QStringLiteral(" Rij kaders"));
        QVERIFY(got.has_value());
        QCOMPARE(*got, (RijInvoer{4, 30, 40, 5, 50, false, QStringLiteral("NVPH 12")}));
    }
};

QTEST_MAIN(TestDialogs)
#include "test_dialogs.moc"

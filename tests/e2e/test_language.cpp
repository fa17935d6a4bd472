// The window, the program's dialogs and Qt's own in the desktop's language,
// in a real window. CMake runs this once for English (en_GB) and twice for
// Dutch (nl_NL, and the C locale); PLENVIK_LANGUAGE names what to expect.

#include "app/language.h"
#include "app/layout.h"
#include "fakes.h"
#include "platform/dialogs.h"
#include "platform/extradialogs.h"
#include "platform/printer.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTimer>
#include <QTranslator>

using namespace plenvik;
using namespace plenvik::test;

namespace {

// Words of the program's Dutch that no English text of it contains.
const QSet<QString> kDutchWords = {
    QStringLiteral("aan"),        QStringLiteral("aantal"),   QStringLiteral("afdrukken"),    QStringLiteral("annuleren"),
    QStringLiteral("bestand"),    QStringLiteral("bibliotheek"), QStringLiteral("binnenkader"), QStringLiteral("boven"),
    QStringLiteral("breedte"),    QStringLiteral("de"),       QStringLiteral("een"),          QStringLiteral("geef"),
    QStringLiteral("het"),        QStringLiteral("hoogte"),   QStringLiteral("ijken"),        QStringLiteral("indelen"),
    QStringLiteral("ja"),         QStringLiteral("kader"),    QStringLiteral("kaders"),       QStringLiteral("kleur"),
    QStringLiteral("lijst"),      QStringLiteral("links"),    QStringLiteral("nee"),          QStringLiteral("niet"),
    QStringLiteral("nieuw"),      QStringLiteral("onderschrift"), QStringLiteral("opslaan"),  QStringLiteral("pagina"),
    QStringLiteral("sluiten"),    QStringLiteral("stroken"),  QStringLiteral("supplement"),   QStringLiteral("supplementen"),
    QStringLiteral("titel"),      QStringLiteral("uit"),      QStringLiteral("van"),          QStringLiteral("vergroting"),
    QStringLiteral("voor"),       QStringLiteral("wilt"),     QStringLiteral("zegels"),
};

QStringList dutchIn(const QStringList &texts)
{
    QStringList found;
    static const QRegularExpression words(QStringLiteral("[^\\p{L}]+"));
    for (const QString &t : texts)
        for (const QString &w : QString(t).remove(u'&').toLower().split(words, Qt::SkipEmptyParts))
            if (kDutchWords.contains(w))
                found << w + QStringLiteral(" in \"") + t + u'"';
    return found;
}

// What a dialog shows, and the labels and buttons too narrow for their text.
struct Read {
    QString title;
    QStringList texts;
    QStringList cutOff;
};

Read readWidget(QWidget *w)
{
    Read r{w->windowTitle(), {w->windowTitle()}, {}};
    for (QWidget *c : w->findChildren<QWidget *>()) {
        if (!c->isVisibleTo(w))
            continue;
        QString text;
        if (auto *l = qobject_cast<QLabel *>(c))
            text = l->text();
        else if (auto *b = qobject_cast<QAbstractButton *>(c))
            text = b->text();
        else if (auto *e = qobject_cast<QLineEdit *>(c))
            text = e->placeholderText();
        else if (auto *p = qobject_cast<QPlainTextEdit *>(c))
            text = p->placeholderText();
        if (text.isEmpty())
            continue;
        r.texts << text;
        if ((qobject_cast<QLabel *>(c) || qobject_cast<QAbstractButton *>(c)) && c->width() < c->minimumSizeHint().width())
            r.cutOff << text;
    }
    return r;
}

// Reads the first modal window that 'open' shows, then closes it.
Read readDialog(const std::function<void()> &open)
{
    Read read;
    bool seen = false;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible() || seen)
            return;
        seen = true;
        read = readWidget(dialog);
        dialog->reject();
    });
    poll.start();
    open();
    return seen ? read : Read{QStringLiteral("(nothing shown)"), {}, {}};
}

} // namespace

class TestLanguage : public QObject {
    Q_OBJECT
    const QString m_expected = qEnvironmentVariable("PLENVIK_LANGUAGE");
    bool english() const { return m_expected == QLatin1String("en"); }

private slots:
    void initTestCase() { QCOMPARE(installTranslations(*qApp), m_expected); }

    void windowInOneLanguageAndUncut()
    {
        Harness h;
        Main &m = h.start();
        m.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m));
        m.action(QStringLiteral("HelpUitleg"))->trigger();

        QStringList texts{m.listingText()};
        for (QAction *a : m.menuBar()->actions()) {
            texts << a->text();
            for (QAction *item : a->menu()->actions())
                texts << item->text();
        }
        for (const ControlSpec &row : mainWindowControls()) {
            QWidget *w = m.findChild<QWidget *>(QString::fromLatin1(row.name));
            texts << w->toolTip();
            QString text;
            if (auto *l = qobject_cast<QLabel *>(w))
                text = l->text();
            else if (auto *b = qobject_cast<QAbstractButton *>(w))
                text = b->text();
            texts << text;
            // Only words are translated; "R : 0" and the clock stay as they are.
            static const QRegularExpression word(QStringLiteral("\\p{L}{2}"));
            if (!text.contains(word) || row.kind == ControlKind::Panel || row.kind == ControlKind::Label && !row.visible)
                continue;
            // A label that ran past its place would cover what is beside it;
            // a button's text must fit inside it.
            const QRect r = w->geometry();
            if (qobject_cast<QAbstractButton *>(w))
                QVERIFY2(w->fontMetrics().horizontalAdvance(text) + 8 <= r.width(), qPrintable(text));
            for (const ControlSpec &other : mainWindowControls())
                if (other.name != row.name && other.visible && other.place.width() > 0)
                    QVERIFY2(other.place.contains(r) || !other.place.intersects(r), qPrintable(text + u'/' + QString::fromLatin1(other.name)));
        }
        auto *help = m.findChild<QLabel *>(QStringLiteral("HelpLabel"));
        texts << help->text();
        // The blank line the text ends with may fall below the label.
        QString shown = help->text();
        shown.chop(2);
        const QSize needed = help->fontMetrics().boundingRect(help->rect(), Qt::AlignLeft | Qt::AlignTop, shown).size();
        QVERIFY2(needed.width() <= help->width() && needed.height() <= help->height(),
                 qPrintable(QStringLiteral("%1 x %2").arg(needed.width()).arg(needed.height())));
        QVERIFY(m.menuBar()->sizeHint().width() <= m.width());

        if (english()) {
            QCOMPARE(dutchIn(texts), QStringList());
            QCOMPARE(m.action(QStringLiteral("ExtraAlbumIndelen"))->text(), QStringLiteral("Lay Out Album..."));
        } else {
            QCOMPARE(m.action(QStringLiteral("ExtraAlbumIndelen"))->text(), QStringLiteral("Album indelen..."));
            QVERIFY(m.listingText().startsWith(QStringLiteral("Border...........: Uit\r\n")));
        }
    }

    // The program's dialogs and Qt's, opened from the menus as a user would.
    void dialogsInOneLanguageAndUncut()
    {
        QTemporaryDir dir;
        QDir(dir.path()).mkdir(QStringLiteral("Voorbeelden"));
        for (const QString &f : QDir(QStringLiteral(PLENVIK_EXAMPLES)).entryList(QDir::Files))
            QFile::copy(QStringLiteral(PLENVIK_EXAMPLES "/") + f, dir.filePath(QStringLiteral("Voorbeelden/")) + f);
        QtDialogs dialogs;
        QtExtraDialogs extra;
        QtPrinter printer;
        FakeScreen screen;
        FakeUrls urls;
        Main m(portablePaths(dir.path()), Services{&dialogs, &printer, &screen, &urls, &extra});
        dialogs.setParent(&m);
        extra.setParent(&m);
        m.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m));

        QList<Read> reads;
        for (const char *item : {"FileNew", "FileSave", "FilePrintSetup", "ExtraKaderInvoeren", "ExtraTekstInvoeren", "ExtraRijKaders",
                                 "ExtraAlbumIndelen", "ExtraPapierformaat", "ExtraPaginaOpmaak", "ExtraAfbeeldingen", "ExtraStroken", "ExtraAlbum", "ExtraPrinterIjken"})
            reads << readDialog([&] { m.action(QString::fromLatin1(item))->trigger(); });
        reads << readDialog([&] { dialogs.saveFileName(QStringLiteral(" PDF"), dir.filePath(QStringLiteral("a.pdf")), QString()); });
        // The question about changes not saved, and " Kader wijzigen".
        qobject_cast<QScrollBar *>(m.findChild<QWidget *>(QStringLiteral("ScrollR")))->setValue(10);
        const Read changes = readDialog([&] { m.action(QStringLiteral("FileNew"))->trigger(); });
        QCOMPARE(changes.title, english() ? QStringLiteral(" Changes") : QStringLiteral(" Wijzigingen"));
        QVERIFY2(changes.texts.contains(english() ? QStringLiteral("Don't Save") : QStringLiteral("Niet opslaan")),
                 qPrintable(changes.texts.join(u'|')));
        reads << changes;
        reads << readDialog([&] { drag(m.pic(), QPoint(30, 40), QPoint(140, 120)); }); // its caption asked
        QTest::keyClick(m.pic(), Qt::Key_Tab);
        reads << readDialog([&] { m.action(QStringLiteral("ExtraKaderWijzigen"))->trigger(); });
        QCOMPARE(reads.last().title, english() ? QStringLiteral(" Change frame") : QStringLiteral(" Kader wijzigen"));

        QStringList texts;
        for (const Read &r : reads) {
            QVERIFY2(r.cutOff.isEmpty(), qPrintable(r.title + QStringLiteral(": ") + r.cutOff.join(u'|')));
            texts << r.texts;
        }
        // Qt's buttons: the question of "Nieuw", and the file dialog.
        const QStringList yesNo = english() ? QStringList{QStringLiteral("&Yes"), QStringLiteral("&No")}
                                            : QStringList{QStringLiteral("&Ja"), QStringLiteral("&Nee")};
        for (const QString &button : yesNo)
            QVERIFY2(reads.at(0).texts.contains(button), qPrintable(reads.at(0).texts.join(u'|')));
        QVERIFY2(reads.last().texts.contains(english() ? QStringLiteral("Cancel") : QStringLiteral("Annuleren")),
                 qPrintable(reads.last().texts.join(u'|')));
        if (english())
            QCOMPARE(dutchIn(texts), QStringList());
        else
            QVERIFY(texts.contains(QStringLiteral(" Album indelen")));
    }

    // A page saved in English and the same page saved in Dutch.
    void pagesAreTheSameInBothLanguages()
    {
        if (!english())
            QSKIP("compares English with Dutch");
        QByteArray saved[2][2];
        for (int round = 0; round < 2; ++round) {
            if (round == 1)
                for (QTranslator *t : qApp->findChildren<QTranslator *>())
                    QCoreApplication::removeTranslator(t);
            Harness h;
            Main &m = h.start();
            h.dialogs.inputs << QStringLiteral("NVPH 1") << QStringLiteral("Europa") << QStringLiteral("Europa");
            drag(m.pic(), QPoint(30, 40), QPoint(140, 120));
            m.action(QStringLiteral("ToolsBorder(2)"))->trigger();
            m.action(QStringLiteral("ToolsTitel"))->trigger();
            m.action(QStringLiteral("FileSave"))->trigger();
            saved[round][0] = fileBytes(h.library() + QStringLiteral("/Europa.bmp"));
            saved[round][1] = fileBytes(h.library() + QStringLiteral("/Europa.sup"));
            QVERIFY(!saved[round][1].isEmpty());
        }
        QCOMPARE(QApplication::translate("Menu", "Nieuw"), QStringLiteral("Nieuw"));
        QVERIFY(saved[0][0] == saved[1][0]);
        QVERIFY(saved[0][1] == saved[1][1]);
    }
};

QTEST_MAIN(TestLanguage)
#include "test_language.moc"

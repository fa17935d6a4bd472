// The page's editing rules on their edges: moves and resizes stopped at
// each edge of A4 and of Letter, never below 1 x 1 mm; removing the first,
// a middle and the last frame; a change refused off the sheet; and the
// values " Kader wijzigen" leaves as they were.

#include "design/pageedit.h"

#include <QTest>

using namespace plenvik;

Q_DECLARE_METATYPE(plenvik::Sheet)
Q_DECLARE_METATYPE(plenvik::Kader)
Q_DECLARE_METATYPE(plenvik::Greep)

namespace plenvik {
char *toString(const Kader &k)
{
    return QTest::toString(QStringLiteral("%1,%2,%3,%4").arg(k.LeftMm).arg(k.TopMm).arg(k.WidthMm).arg(k.HeightMm));
}
} // namespace plenvik

namespace {
const Kader kFrame{10, 20, 30, 40, 0, QStringLiteral("NVPH 1")};

Kader at(double l, double t, double w, double h)
{
    return Kader{l, t, w, h, 0, QStringLiteral("NVPH 1")};
}
} // namespace

class TestPageEdit : public QObject {
    Q_OBJECT
private slots:
    void movesStopAtTheEdges_data()
    {
        QTest::addColumn<Sheet>("sheet");
        QTest::addColumn<Kader>("from");
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("dy");
        QTest::addColumn<Kader>("to");
        QTest::newRow("A4 left, top") << kSheetA4 << kFrame << -15 << -30 << at(0, 0, 30, 40);
        QTest::newRow("A4 right, bottom") << kSheetA4 << kFrame << 200 << 300 << at(180, 257, 30, 40);
        QTest::newRow("A4 within") << kSheetA4 << kFrame << 2 << -1 << at(12, 19, 30, 40);
        // Whole millimetres on a sheet of tenths: 215 and 279 are the last.
        QTest::newRow("Letter right, bottom") << kSheetLetter << kFrame << 200 << 300 << at(185, 239, 30, 40);
        // A frame a hand-made file put past an edge is never moved further off.
        QTest::newRow("off the left, further") << kSheetA4 << at(-5, 20, 30, 40) << -1 << 0 << at(-5, 20, 30, 40);
        QTest::newRow("off the left, back") << kSheetA4 << at(-5, 20, 30, 40) << 2 << 0 << at(-3, 20, 30, 40);
    }
    void movesStopAtTheEdges()
    {
        QFETCH(Sheet, sheet);
        QFETCH(Kader, from);
        QFETCH(int, dx);
        QFETCH(int, dy);
        QFETCH(Kader, to);
        QCOMPARE(movedKader(from, dx, dy, sheet), to);
    }

    void resizesStopAtTheEdgesAndAtOneMillimetre_data()
    {
        QTest::addColumn<Sheet>("sheet");
        QTest::addColumn<Greep>("greep");
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("dy");
        QTest::addColumn<Kader>("to");
        QTest::newRow("right side below 1 mm") << kSheetA4 << Greep::Rechts << -100 << 50 << at(10, 20, 1, 40);
        QTest::newRow("left side below 1 mm") << kSheetA4 << Greep::Links << 100 << 0 << at(39, 20, 1, 40);
        QTest::newRow("top below 1 mm") << kSheetA4 << Greep::Boven << 0 << 100 << at(10, 59, 30, 1);
        QTest::newRow("A4 corner past the far edges") << kSheetA4 << Greep::RechtsOnder << 500 << 500 << at(10, 20, 200, 277);
        QTest::newRow("A4 corner past the near edges") << kSheetA4 << Greep::LinksBoven << -50 << -50 << at(0, 0, 40, 60);
        QTest::newRow("Letter corner past the far edges") << kSheetLetter << Greep::RechtsOnder << 500 << 500 << at(10, 20, 205, 259);
        QTest::newRow("bottom side") << kSheetA4 << Greep::Onder << 7 << 3 << at(10, 20, 30, 43);
    }
    void resizesStopAtTheEdgesAndAtOneMillimetre()
    {
        QFETCH(Sheet, sheet);
        QFETCH(Greep, greep);
        QFETCH(int, dx);
        QFETCH(int, dy);
        QFETCH(Kader, to);
        QCOMPARE(resizedKader(kFrame, greep, dx, dy, sheet), to);
    }

    // The frames after a removed one move up one number with their captions
    // and pictures.
    void removals_data()
    {
        QTest::addColumn<int>("removed");
        QTest::addColumn<QString>("left");
        QTest::newRow("first") << 1 << "BC";
        QTest::newRow("middle") << 2 << "AC";
        QTest::newRow("last") << 3 << "AB";
    }
    void removals()
    {
        QFETCH(int, removed);
        QFETCH(QString, left);
        PageDesign d;
        for (const char *c : {"A", "B", "C"}) {
            d.appendKader(Kader{10, 20, 30, 40, 0, QString::fromLatin1(c)});
            d.pictures.Bestanden.at(d.KaderCount - 1) = QByteArray(c).toLower();
        }
        removeKader(d, removed);
        QCOMPARE(int(d.KaderCount), 2);
        QCOMPARE(d.kader(1).Onderschrift + d.kader(2).Onderschrift, left);
        QCOMPARE(d.pictures.Bestanden.at(0) + d.pictures.Bestanden.at(1), left.toLower().toLatin1());
        QVERIFY(d.pictures.Bestanden.at(2).isEmpty());
        QCOMPARE(d.kader(3), Kader{});
    }

    // A change off the sheet is refused as "Kader invoeren" refuses it; what
    // the user did not change keeps the frame's own value, a fraction too.
    void changes()
    {
        PageDesign d;
        d.appendKader(Kader{12.5, 93, 67, 33, 1, QStringLiteral("1598"), Vorm::Ruit, Lijn::Gestreept, "5 c", {}});
        const PageDesign before = d;
        QCOMPARE(changeKader(d, 1, at(150, 93, 67, 33)), QStringLiteral("Het kader ligt niet helemaal op het blad (210 x 297 mm)."));
        QVERIFY(d == before);
        const KaderInvoer shown = invoerOf(d.kader(1));
        QCOMPARE(shown.links, 12);
        KaderInvoer entered = shown;
        entered.boven = 100;
        // The shape, its line and the caption's lines come into the form
        // and back, as they are or as changed there.
        QCOMPARE(kaderFromChange(d.kader(1), shown, entered),
                 (Kader{12.5, 100, 67, 33, 1, QStringLiteral("1598"), Vorm::Ruit, Lijn::Gestreept, "5 c", {}}));
        entered.links = 12;
        entered.onderschrift = QStringLiteral("1599");
        entered.vorm = Vorm::Ovaal;
        entered.regel3 = QStringLiteral("1852");
        QVERIFY(changeKader(d, 1, kaderFromChange(d.kader(1), shown, entered)).isEmpty());
        QCOMPARE(d.kader(1), (Kader{12.5, 100, 67, 33, 1, QStringLiteral("1599"), Vorm::Ovaal, Lijn::Gestreept, "5 c", "1852"}));
        // The inner frame switched off is off; under 1 mm is refused.
        entered.binnenkader = !shown.binnenkader;
        QCOMPARE(kaderFromChange(d.kader(1), shown, entered).Binnenrand, 0);
        QVERIFY(!changeKader(d, 1, Kader{10, 10, 0.5, 10, 0, {}}).isEmpty());
        // The last frame off a smaller paper is named too.
        d.appendKader(Kader{150, 250, 30, 30, 0, {}});
        QCOMPARE(kadersOffSheet(d, kSheetA5), QList<int>{2});
    }

    // Lines of text: the last one removed, a move down held by the sheet's
    // height, a centred line moved sideways standing where its ink stood.
    void textLines()
    {
        PageDesign d;
        addTekst(d, Tekst{QStringLiteral("a"), 10, 0, true, 12, false});
        addTekst(d, Tekst{QStringLiteral("b"), 20, 0, true, 12, false});
        removeTekst(d, 2);
        QCOMPARE(int(d.TekstCount), 1);
        const RectMm vak{80.4, 280, 49, 10};
        QCOMPARE(movedTekst(d.tekst(1), vak, 0, 20, kSheetA4).BovenMm, 17.0);
        const Tekst sideways = movedTekst(d.tekst(1), vak, 1, 0, kSheetA4);
        QCOMPARE(std::tuple(sideways.Midden, sideways.LinksMm), std::tuple(false, 81.0));
    }
};

QTEST_GUILESS_MAIN(TestPageEdit)
#include "test_pageedit.moc"

// The design file: exact bytes out, field rules in, and every malformed
// file refused with the line named and the design untouched.

#include "design/pageedit.h"
#include "design/textsafe.h"
#include "library/designfile.h"

#include <QBuffer>
#include <QFile>
#include <QTest>
#include <random>

using namespace plenvik;

namespace {
QByteArray fixture(const char *name)
{
    QFile f(QStringLiteral(PLENVIK_TEST_DATA "/") + QLatin1String(name));
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", name);
    return f.readAll();
}

PageDesign exampleDesign()
{
    PageDesign d;
    d.KaderCount = 2;
    d.kader(1) = Kader{112, 93, 67, 33, 0, QStringLiteral("1598")};
    d.kader(2) = Kader{20, 30, 45, 25, 1, QString()};
    d.setBorder(2);
    d.PageTitle = QStringLiteral("Titel");
    d.PageNumber = QStringLiteral("123");
    return d;
}

PageDesign fullPage()
{
    PageDesign d;
    for (int i = 0; i < 20; ++i) {
        d.addFrame(10 + i, 20 + i * 20, 60 + i, 35 + i * 20, i % 3 == 0);
        d.kader(i + 1).Onderschrift = QStringLiteral("Nr. %1, blok").arg(i + 1);
    }
    d.PageTitle = QStringLiteral("  Nederland, 1852 ");
    d.PageSubtitle = QStringLiteral("Koning Willem III");
    d.PageNumber = QStringLiteral("7a");
    d.ColourR = 0;
    d.ColourG = 12;
    d.ColourB = 255;
    d.setBorder(3);
    return d;
}
} // namespace

class TestDesignFile : public QObject {
    Q_OBJECT
private slots:
    void writesTheExampleByteForByte()
    {
        QCOMPARE(designFileBytes(exampleDesign()), fixture("example.sup"));
    }

    void readsTheExampleBack()
    {
        PageDesign d;
        DesignFileReader reader;
        QVERIFY2(reader.read(fixture("example.sup"), d), qPrintable(reader.errorString()));
        PageDesign expected = exampleDesign();
        QVERIFY(d == expected);
    }

    void lineCounts_data()
    {
        QTest::addColumn<int>("frames");
        QTest::addColumn<int>("lines");
        QTest::newRow("no frames") << 0 << 10;
        QTest::newRow("one frame") << 1 << 12;
        QTest::newRow("twenty frames") << 20 << 50;
    }
    void lineCounts()
    {
        QFETCH(int, frames);
        QFETCH(int, lines);
        PageDesign d = fullPage();
        d.KaderCount = static_cast<std::uint8_t>(frames);
        const QByteArray bytes = designFileBytes(d);
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(int(bytes.count("\r\n")), lines);
        QCOMPARE(int(bytes.count('\n')), lines);
        if (frames == 0)
            QCOMPARE(bytes.split('\n').at(3), QByteArray("\"--------------------------\"\r"));
    }

    void borderOffKeepsItsWidth()
    {
        PageDesign d;
        d.resetForNewPage();
        QVERIFY(designFileBytes(d).contains("\r\n#FALSE#\r\n1\r\n"));
        d.setBorder(0);
        QVERIFY(designFileBytes(d).contains("\r\n#FALSE#\r\n0\r\n"));
    }

    void roundTripIsStable()
    {
        const PageDesign d = fullPage();
        const QByteArray first = designFileBytes(d);
        PageDesign back;
        DesignFileReader reader;
        QVERIFY2(reader.read(first, back), qPrintable(reader.errorString()));
        QVERIFY(back == d);
        QCOMPARE(back.kader(5).Onderschrift, QStringLiteral("Nr. 5, blok"));
        QCOMPARE(back.PageTitle, QStringLiteral("  Nederland, 1852 "));
        QCOMPARE(designFileBytes(back), first);
        // Read into a page that has lines of text and pictures, a page
        // without them keeps none of those.
        PageDesign withMore = back;
        addTekst(withMore, Tekst{QStringLiteral("x"), 25, 30, false, 12, false});
        withMore.pictures.Bestanden[0] = "jpeg";
        QVERIFY(reader.read(first, withMore));
        QVERIFY(withMore == d);
        // Pictures count by their bytes: equal ones held apart are the same
        // page, a changed one of the last frame is another.
        PageDesign one, two;
        for (PageDesign *p : {&one, &two}) {
            p->appendKader(Kader{10, 10, 20, 20, 0, {}});
            p->appendKader(Kader{40, 10, 20, 20, 0, {}});
        }
        one.pictures.Bestanden[1] = QByteArray("jpeg");
        two.pictures.Bestanden[1] = QByteArray("jp") + "eg";
        QVERIFY(sameSavedPage(one, two));
        two.pictures.Bestanden[1] = QByteArray("jpeG");
        QVERIFY(!sameSavedPage(one, two));

        // Another sheet adds one line, and comes back; A4 written in full,
        // or anything else after the page number, is A4.
        PageDesign letter = d;
        letter.sheet = kSheetLetter;
        QCOMPARE(designFileBytes(letter), first + "\"Papier\",215.9,279.4\r\n");
        QVERIFY(reader.read(designFileBytes(letter), back));
        QCOMPARE(back.sheet, kSheetLetter);
        // A frame of another shape or with more caption lines adds a line
        // after the texts; one with a line that Windows-1252 cannot hold
        // writes it as a text line's.
        PageDesign shaped = letter;
        shaped.kader(2).vorm = Vorm::Ruit;
        shaped.kader(2).lijn = Lijn::Gestreept;
        shaped.kader(2).Regel2 = QStringLiteral("5 c blauw");
        shaped.kader(2).Regel3 = QStringLiteral("1852");
        shaped.kader(20).Regel3 = QStringLiteral("\u03A9");
        QCOMPARE(designFileBytes(shaped), designFileBytes(letter) + "\"Kader\",2,\"Ruit\",\"Gestreept\",\"5 c blauw\",\"1852\"\r\n"
                                          "\"Kader\",20,\"Rechthoek\",\"Doorgetrokken\",\"\",U\"%CE%A9\"\r\n");
        // A page an album put names it last, with its fingerprint.
        shaped.album = {QStringLiteral("\u03A9 album"), QString(40, QLatin1Char('a'))};
        QVERIFY(designFileBytes(shaped).endsWith("\"1852\"\r\n\"Kader\",20,\"Rechthoek\",\"Doorgetrokken\",\"\",U\"%CE%A9\"\r\n"
                                                 "\"Album\",U\"%CE%A9%20album\",\"" + QByteArray(40, 'a') + "\"\r\n"));
        QVERIFY2(reader.read(designFileBytes(shaped), back), qPrintable(reader.errorString()));
        QVERIFY(back == shaped);
        // and a page read after it has plain frames again.
        QVERIFY(reader.read(first, back));
        QVERIFY(back == d);
        // The largest sheet the dialog offers is read back.
        QVERIFY2(reader.read(first + "\"Papier\",330,483\r\n", back), qPrintable(reader.errorString()));
        QCOMPARE(back.sheet, (Sheet{330, 483}));
        for (const QByteArray &a4 : {QByteArray("\"Papier\",210,297\r\n"), QByteArray("\"Opmerking\",1,2\r\n"), QByteArray("\r\n\r\n")}) {
            QVERIFY(reader.read(designFileBytes(letter), back));
            QVERIFY(reader.read(first + a4, back));
            QCOMPARE(back.sheet, kSheetA4);
        }
    }

    // Any text the field takes comes back from the file as it was typed:
    // random strings from the whole of Unicode, the invisible characters
    // pasted text brings and halves of surrogate pairs among them.
    void anyTextTheFieldTakesComesBack()
    {
        std::mt19937 random(39);
        const char16_t pasted[] = {0xFEFF, 0x200B, 0x200C, 0x200D, 0x200E, 0x2028, 0xD800, 0xDC00, 0x00A0, u'"', u'%', u'\t'};
        int kept = 0, refused = 0;
        for (int i = 0; i < 3000; ++i) {
            QString text;
            for (int n = 1 + int(random() % 8); n > 0; --n) {
                if (random() % 4 == 0)
                    text += QChar(pasted[random() % std::size(pasted)]);
                else
                    text += QString::fromUcs4(std::array<char32_t, 1>{char32_t(1 + random() % 0x10FFFF)}.data(), 1);
            }
            if (!firstControl(text).isEmpty() || text.trimmed().isEmpty()) {
                ++refused;
                continue;
            }
            PageDesign d;
            QVERIFY(addTekst(d, Tekst{text, 25, 30, false, 12, false}));
            PageDesign back;
            DesignFileReader reader;
            QVERIFY2(reader.read(designFileBytes(d), back), qPrintable(reader.errorString()));
            QCOMPARE(back.tekst(1).Regel, text);
            ++kept;
        }
        QVERIFY(kept > 1000 && refused > 500);
        QCOMPARE(firstControl(QStringLiteral("\uFEFF1852")), "U+FEFF");
    }

    void codePageTexts()
    {
        PageDesign d;
        d.PageTitle = QStringLiteral("Café €");
        const QByteArray bytes = designFileBytes(d);
        QVERIFY(bytes.contains("\"Caf\xe9 \x80\""));
        PageDesign back;
        QVERIFY(DesignFileReader().read(bytes, back));
        QCOMPARE(back.PageTitle, d.PageTitle);
    }

    void controlCharactersReadAsQuestionMarks()
    {
        QByteArray bytes = designFileBytes(exampleDesign());
        bytes.replace("\"Titel\"", QByteArray("\"Ti\0\x01tel\x81\"", 10));
        PageDesign d;
        QVERIFY(DesignFileReader().read(bytes, d));
        QCOMPARE(d.PageTitle, QStringLiteral("Ti??tel?"));
        PageDesign again;
        QVERIFY(DesignFileReader().read(designFileBytes(d), again));
        QCOMPARE(again.PageTitle, d.PageTitle);
    }

    void recordsAboveCountKeepTheirValues()
    {
        PageDesign d = fullPage();
        DesignFileReader reader;
        QVERIFY(reader.read(fixture("example.sup"), d));
        QCOMPARE(d.KaderCount, 2);
        QCOMPARE(d.kader(3).Onderschrift, QStringLiteral("Nr. 3, blok"));
    }

    void lenientButSound_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<double>("left");
        const QByteArray tail = "\"--\"\r\n1,2,3\r\n#FALSE#\r\n0\r\n\"\"\r\n\"\"\r\n\"\"\r\n";
        QTest::newRow("fraction accepted") << QByteArray("\"h\"\r\n1\r\n\"--\"\r\n12.5,3,4,5,0\r\n\"c\"\r\n") + tail << 12.5;
        QTest::newRow("blanks and tabs before fields") << QByteArray("\"h\"\r\n 1\r\n\"--\"\r\n 7, 3,4,5,1\r\n\t\"c\"\r\n") + tail << 7.0;
        QTest::newRow("unix line ends") << QByteArray("\"h\"\n1\n\"--\"\n8,3,4,5,0\n\"c\"\n\"--\"\n1,2,3\n#FALSE#\n0\n\"\"\n\"\"\n\"\"\n") << 8.0;
        QTest::newRow("other header and separators") << QByteArray("\"Iets anders\"\r\n1\r\n\"\"\r\n9,3,4,5,0\r\n\"c\"\r\n") + tail << 9.0;
        QTest::newRow("no final line end") << QByteArray("\"h\"\r\n1\r\n\"--\"\r\n6,3,4,5,0\r\n\"c\"\r\n\"--\"\r\n1,2,3\r\n#FALSE#\r\n0\r\n\"\"\r\n\"\"\r\n\"\"") << 6.0;
    }
    void lenientButSound()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(double, left);
        PageDesign d;
        DesignFileReader reader;
        QVERIFY2(reader.read(bytes, d), qPrintable(reader.errorString()));
        QCOMPARE(d.kader(1).LeftMm, left);
    }

    void malformed_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("where");
        const QByteArray good = designFileBytes(exampleDesign());
        auto replaced = [&](const QByteArray &from, const QByteArray &to) {
            QByteArray b = good;
            const qsizetype at = b.indexOf(from);
            Q_ASSERT(at >= 0);
            return b.replace(at, from.size(), to);
        };
        QTest::newRow("empty file") << QByteArray() << QStringLiteral("regel 1");
        QTest::newRow("paper too small") << good + "\"Papier\",99.9,200\r\n"
                                         << QStringLiteral("regel 15: papier van 99.9 x 200 mm kan niet");
        QTest::newRow("paper too large") << good + "\"Papier\",330,483.1\r\n" << QStringLiteral("regel 15: papier van 330 x 483.1 mm");
        QTest::newRow("paper in hundredths") << good + "\"Papier\",215.95,279.4\r\n" << QStringLiteral("regel 15: papier van");
        QTest::newRow("paper height missing") << good + "\"Papier\",215.9\r\n" << QStringLiteral("regel 15: de papierhoogte ontbreekt");
        QTest::newRow("paper in more than tenths") << good + "\"Papier\",215.90000001,279.4\r\n"
                                                   << QStringLiteral("regel 15: papier van 215.90000001 x 279.4 mm kan niet");
        QTest::newRow("paper tag in lower case") << good + "\"papier\",215.9,279.4\r\n"
                                                 << QStringLiteral("regel 15: \"papier\" moet \"Papier\" zijn");
        QTest::newRow("paper tag without quotes") << good + "Papier,215.9,279.4\r\n" << QStringLiteral("regel 15: Papier moet");
        QTest::newRow("paper line twice") << good + "\"Papier\",215.9,279.4\r\n\"Papier\",148,210\r\n" << QStringLiteral("regel 16");
        QTest::newRow("paper width junk") << good + "\"Papier\",breed,279.4\r\n" << QStringLiteral("regel 15: de papierbreedte");
        QTest::newRow("text without its text") << good + "\"Tekst\",25,\"Midden\",12,0\r\n" << QStringLiteral("regel 15: de tekst ontbreekt");
        QTest::newRow("text of 5 pt") << good + "\"Tekst\",25,30,5,0,\"x\"\r\n" << QStringLiteral("regel 15: de grootte van de tekst moet");
        QTest::newRow("text bold 2") << good + "\"Tekst\",25,30,12,2,\"x\"\r\n" << QStringLiteral("regel 15: vet moet een geheel getal van 0 tot 1 zijn");
        QTest::newRow("text with a tab") << good + "\"Tekst\",25,30,12,0,U\"a%09b\"\r\n" << QStringLiteral("regel 15: de tekst bevat het stuurteken U+0009");
        QTest::newRow("text far off") << good + "\"Tekst\",1e300,30,12,0,\"x\"\r\n" << QStringLiteral("regel 15: de bovenkant van de tekst is geen getal");
        QTest::newRow("text with a field more") << good + "\"Tekst\",25,30,12,0,\"x\",1\r\n" << QStringLiteral("regel 15: te veel velden");
        QTest::newRow("text too long") << good + "\"Tekst\",25,30,6,0,\"" + QByteArray(1001, 'i') + "\"\r\n" << QStringLiteral("regel 15: de tekst is langer dan 1000 tekens");
        QTest::newRow("text behind U+FEFF") << good + "\"Tekst\",25,30,12,0,U\"%EF%BB%BFx\"\r\n" << QStringLiteral("regel 15: de tekst bevat het stuurteken U+FEFF");
        QTest::newRow("text not UTF-8") << good + "\"Tekst\",25,30,12,0,U\"%C3\"\r\n" << QStringLiteral("regel 15: de tekst is geen geldige UTF-8");
        QTest::newRow("text left in words") << good + "\"Tekst\",25,\"Links\",12,0,\"x\"\r\n" << QStringLiteral("regel 15");
        QTest::newRow("21 text lines") << good + QByteArray("\"Tekst\",25,30,12,0,\"x\"\r\n").repeated(21) << QStringLiteral("regel 35");
        QTest::newRow("frame line for no frame") << good + "\"Kader\",3,\"Ruit\",\"Geen\",\"\",\"\"\r\n"
                                                 << QStringLiteral("regel 15: de pagina heeft geen kader 3");
        QTest::newRow("frame line twice") << good + QByteArray("\"Kader\",1,\"Ruit\",\"Geen\",\"\",\"\"\r\n").repeated(2)
                                          << QStringLiteral("regel 16: kader 1 staat er twee keer");
        QTest::newRow("unknown shape") << good + "\"Kader\",1,\"Ster\",\"Geen\",\"\",\"\"\r\n"
                                       << QStringLiteral("regel 15: de vorm \"Ster\" bestaat niet");
        QTest::newRow("shape in lower case") << good + "\"Kader\",1,\"ruit\",\"Geen\",\"\",\"\"\r\n"
                                             << QStringLiteral("regel 15: de vorm \"ruit\"");
        QTest::newRow("unknown line") << good + "\"Kader\",1,\"Ruit\",\"Dik\",\"\",\"\"\r\n"
                                      << QStringLiteral("regel 15: de lijn \"Dik\" bestaat niet");
        QTest::newRow("frame line short") << good + "\"Kader\",1,\"Ruit\",\"Geen\",\"\"\r\n"
                                          << QStringLiteral("regel 15: regel 3 ontbreekt");
        QTest::newRow("frame line long") << good + "\"Kader\",1,\"Ruit\",\"Geen\",\"\",\"\",\"\"\r\n"
                                         << QStringLiteral("regel 15: te veel velden");
        QTest::newRow("album fingerprint short") << good + "\"Album\",\"A\",\"" + QByteArray(39, 'a') + "\"\r\n"
                                                 << QStringLiteral("regel 15: de vingerafdruk moet 40 tekens");
        QTest::newRow("album without fingerprint") << good + "\"Album\",\"A\"\r\n" << QStringLiteral("regel 15: de vingerafdruk ontbreekt");
        QTest::newRow("album without a name") << good + "\"Album\",\" \",\"" + QByteArray(40, 'a') + "\"\r\n"
                                              << QStringLiteral("regel 15: de naam van het album kan geen naam zijn");
        QTest::newRow("count 21") << replaced("\r\n2\r\n", "\r\n21\r\n") << QStringLiteral("regel 2");
        QTest::newRow("count 255") << replaced("\r\n2\r\n", "\r\n255\r\n") << QStringLiteral("regel 2");
        QTest::newRow("count -1") << replaced("\r\n2\r\n", "\r\n-1\r\n") << QStringLiteral("regel 2");
        QTest::newRow("count not a number") << replaced("\r\n2\r\n", "\r\ntwee\r\n") << QStringLiteral("regel 2");
        QTest::newRow("count with fraction") << replaced("\r\n2\r\n", "\r\n1.5\r\n") << QStringLiteral("regel 2");
        QTest::newRow("frame number junk") << replaced("112,93", "112x,93") << QStringLiteral("regel 4");
        QTest::newRow("frame number missing") << replaced("112,93,67,33,0", "112,93,67,33") << QStringLiteral("regel 5");
        QTest::newRow("caption not quoted") << replaced("\"1598\"", "1598") << QStringLiteral("regel 5");
        QTest::newRow("caption left open") << replaced("\"1598\"", "\"1598") << QStringLiteral("regel 5");
        QTest::newRow("junk after caption") << replaced("\"1598\"", "\"1598\"x") << QStringLiteral("regel 5");
        QTest::newRow("colour 256") << replaced("120,180,120", "120,256,120") << QStringLiteral("regel 9");
        QTest::newRow("colour negative") << replaced("120,180,120", "-1,180,120") << QStringLiteral("regel 9");
        QTest::newRow("border flag junk") << replaced("#TRUE#", "JA") << QStringLiteral("regel 10");
        QTest::newRow("border width 4") << replaced("#TRUE#\r\n2", "#TRUE#\r\n4") << QStringLiteral("regel 11");
        QTest::newRow("title left open") << replaced("\"Titel\"", "\"Titel") << QStringLiteral("regel 12");
        QTest::newRow("page number missing") << good.left(good.lastIndexOf("\"123\"")) << QStringLiteral("regel 14");
        QTest::newRow("binary junk") << QByteArray("\x00\xff\x13\x88junk\x01", 10) << QStringLiteral("regel");
        QTest::newRow("binnenrand beyond 32 bits") << replaced("33,0", "33,99999999999") << QStringLiteral("regel 4");
        QTest::newRow("infinite number") << replaced("112,93", "inf,93") << QStringLiteral("regel 4");
    }
    void malformed()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, where);
        PageDesign d = fullPage();
        const PageDesign before = d;
        DesignFileReader reader;
        QVERIFY(!reader.read(bytes, d));
        QVERIFY(d == before);
        QVERIFY2(reader.errorString().contains(where), qPrintable(reader.errorString()));
    }

    void everyPrefixOfAFullPageIsRefused()
    {
        const QByteArray bytes = designFileBytes(fullPage());
        // The last field may stand without its line end; anything shorter lacks a field.
        const qsizetype complete = bytes.size() - 2;
        for (qsizetype n = 0; n < complete; ++n) {
            PageDesign d;
            const PageDesign before = d;
            QVERIFY2(!DesignFileReader().read(bytes.left(n), d), qPrintable(QString::number(n)));
            QVERIFY(d == before);
        }
        PageDesign d;
        QVERIFY(DesignFileReader().read(bytes.left(complete), d));
    }

    void oversizedFileIsRefusedFromADevice()
    {
        QByteArray huge = designFileBytes(exampleDesign());
        huge.append(QByteArray(kMaxDesignFileBytes, ' '));
        QBuffer buffer(&huge);
        buffer.open(QIODevice::ReadOnly);
        PageDesign d;
        DesignFileReader reader;
        QVERIFY(!reader.read(buffer, d));
        QVERIFY(reader.errorString().contains(QStringLiteral("groot")));
    }

    void writesToADevice()
    {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(writeDesignFile(buffer, exampleDesign()));
        QCOMPARE(buffer.data(), fixture("example.sup"));
    }
};

QTEST_GUILESS_MAIN(TestDesignFile)
#include "test_designfile.moc"

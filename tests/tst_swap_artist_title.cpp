#include "modes/swap_artist_title.h"
#include "output/names.h"

#include <QtTest>

class TestSwapArtistTitle : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void swap_data();
    void swap();
    void swappingTwiceRestoresOrderNotSpaces();
    void listedNameKeepsItsExtension();
};

void TestSwapArtistTitle::swap_data()
{
    QTest::addColumn<QString>("baseName");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("returned");
    QTest::newRow("title - artist") << u"Title - Artist"_qs << u"Artist-Title"_qs << 0;
    QTest::newRow("bare hyphen") << u"Artist-Title"_qs << u"Title-Artist"_qs << 0;
    QTest::newRow("padded parts") << u"  Song Title  -  Singer  "_qs << u"Singer-Song Title"_qs
                                  << 0;
    QTest::newRow("third part dropped") << u"One - Two - Three"_qs << u"Two-One"_qs << 0;
    QTest::newRow("trailing hyphen") << u"Intro-"_qs << u"-Intro"_qs << 0;
    QTest::newRow("leading and inner hyphen") << u"-One-Two"_qs << u"One-"_qs << 0;
    QTest::newRow("only a leading hyphen") << u"-Intro"_qs << QString() << -1;
    QTest::newRow("no hyphen") << u"Song"_qs << QString() << -1;
    QTest::newRow("empty") << QString() << QString() << -1;
    QTest::newRow("en dash is text") << u"Title \u2013 Artist"_qs << QString() << -1;
    QTest::newRow("outside the BMP")
        << u"\U0001F3B5 - \U0001D11E"_qs << u"\U0001D11E-\U0001F3B5"_qs << 0;
}

void TestSwapArtistTitle::swap()
{
    QFETCH(QString, baseName);
    QFETCH(QString, result);
    QFETCH(int, returned);
    QString got = u"previous"_qs; // emptied on failure
    QCOMPARE(SwapArtistTitle(baseName, got), returned);
    QCOMPARE(got, result);
}

void TestSwapArtistTitle::swappingTwiceRestoresOrderNotSpaces()
{
    QString once, twice;
    QCOMPARE(SwapArtistTitle(u"Title - Artist"_qs, once), 0);
    QCOMPARE(SwapArtistTitle(once, twice), 0);
    QCOMPARE(twice, u"Title-Artist"_qs);
}

void TestSwapArtistTitle::listedNameKeepsItsExtension()
{
    QString extension, swapped;
    const QString base = SplitExtension(u"Title - Artist.mp3"_qs, extension);
    QCOMPARE(SwapArtistTitle(base, swapped), 0);
    QCOMPARE(swapped + extension, u"Artist-Title.mp3"_qs);
}

QTEST_GUILESS_MAIN(TestSwapArtistTitle)
#include "tst_swap_artist_title.moc"

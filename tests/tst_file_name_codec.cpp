#include "platform/file_name_codec.h"

#include <QRandomGenerator>
#include <QtTest>

class TestFileNameCodec : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decode_data();
    void decode();
    void everyByteStringRoundTrips();
    void strayLoneSurrogateEncodesAsReplacement();
};

void TestFileNameCodec::decode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("readable");
    QTest::newRow("ASCII") << QByteArray("Song.mp3") << u"Song.mp3"_qs << u"Song.mp3"_qs;
    QTest::newRow("UTF-8") << QByteArray("Caf\xC3\xA9 \xF0\x9F\x8E\xB5")
                           << u"Caf\u00e9 \U0001F3B5"_qs << u"Caf\u00e9 \U0001F3B5"_qs;
    QTest::newRow("Latin-1 byte") << QByteArray("Caf\xE9") << u"Caf\xDCE9"_qs << u"Caf\uFFFD"_qs;
    QTest::newRow("overlong slash")
        << QByteArray("\xC0\xAF") << u"\xDCC0\xDCAF"_qs << u"\uFFFD\uFFFD"_qs;
    QTest::newRow("encoded surrogate")
        << QByteArray("\xED\xB2\x80") << u"\xDCED\xDCB2\xDC80"_qs << u"\uFFFD\uFFFD\uFFFD"_qs;
    QTest::newRow("truncated sequence")
        << QByteArray("a\xE2\x82") << u"a\xDCE2\xDC82"_qs << u"a\uFFFD\uFFFD"_qs;
}

void TestFileNameCodec::decode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, name);
    QFETCH(QString, readable);
    QCOMPARE(DecodeFileName(bytes), name);
    QCOMPARE(EncodeFileName(name), bytes);
    QCOMPARE(ReadableFileName(name), readable);
}

void TestFileNameCodec::everyByteStringRoundTrips()
{
    QRandomGenerator random(20261207);
    for (int round = 0; round < 20000; ++round) {
        QByteArray bytes(int(random.bounded(1, 12)), Qt::Uninitialized);
        for (char& byte : bytes)
            byte = char(random.bounded(1, 256));
        QCOMPARE(EncodeFileName(DecodeFileName(bytes)), bytes);
    }
}

void TestFileNameCodec::strayLoneSurrogateEncodesAsReplacement()
{
    QCOMPARE(EncodeFileName(QString(QChar(0xD800))), QByteArray("\xEF\xBF\xBD"));
}

QTEST_GUILESS_MAIN(TestFileNameCodec)
#include "tst_file_name_codec.moc"

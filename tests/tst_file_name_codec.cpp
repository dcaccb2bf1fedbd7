#include "platform/file_name_codec.h"
#include "platform/packed_texts.h"

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
    void packedTextsKeepEveryText();
};

void TestFileNameCodec::decode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("readable");
    QTest::newRow("ASCII") << QByteArray("Song.mp3") << u"Song.mp3"_qs << u"Song.mp3"_qs;
    QTest::newRow("UTF-8") << QByteArray("Caf\xC3\xA9 \xF0\x9F\x8E\xB5")
                           << u"Caf\u00e9 \U0001F3B5"_qs << u"Caf\u00e9 \U0001F3B5"_qs;
    QTest::newRow("UTF-8 below U+0100")
        << QByteArray("Caf\xC3\xA9") << u"Caf\u00e9"_qs << u"Caf\u00e9"_qs;
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

// Names are kept packed: Latin-1 of odd lengths beside UTF-16 (which must
// start at an even byte), texts longer than a block, texts set over, many
// blocks, and a copy.
void TestFileNameCodec::packedTextsKeepEveryText()
{
    QStringList texts = {u"a"_qs,   u"\u00d6l\u00e7\u00fc \u2603"_qs,
                         u"abc"_qs, QString(3 << 20, u'x'),
                         u"b"_qs,   QString(1 << 20, QChar(0xe9)) + QChar(0x2603),
                         u""_qs,    u"\u03a9"_qs};
    for (int i = 0; i < 300000; ++i)
        texts.append(QStringLiteral("%1 Title - Band.mp3").arg(i));
    CPackedTexts packed;
    for (const QString& text : texts)
        packed.Append(text);
    texts[0] = u"set again \u2603"_qs;
    packed.Set(0, texts[0]);
    const CPackedTexts copy(packed);
    const CPackedTexts& original = packed;
    for (const CPackedTexts* kept : {&original, &copy}) {
        QCOMPARE(kept->Size(), std::size_t(texts.size()));
        for (qsizetype i = 0; i < texts.size(); ++i) {
            QCOMPARE(kept->At(std::size_t(i)), texts[i]);
            QVERIFY(kept->Equals(std::size_t(i), texts[i]));
        }
    }
}

QTEST_GUILESS_MAIN(TestFileNameCodec)
#include "tst_file_name_codec.moc"

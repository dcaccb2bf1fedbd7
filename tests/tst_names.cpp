#include "output/names.h"
#include "tests/testdir.h"

#include <QtTest>

class TestNames : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void splitExtension_data();
    void splitExtension();
    void removeInvalidChars_data();
    void removeInvalidChars();
    void fileExistsForAnythingThatStands();
    void makeUniqueName_data();
    void makeUniqueName();
    void shortenLongName_data();
    void shortenLongName();
};

namespace {

// `count` characters counting up from `first` (Hangul syllables, say).
QString Run(char32_t first, int count)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += QString::fromUcs4(std::u32string(1, first + i).c_str(), 1);
    return text;
}

} // namespace

void TestNames::splitExtension_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("extension");
    QTest::newRow("plain") << u"Song.mp3"_qs << u"Song"_qs << u".mp3"_qs;
    QTest::newRow("several dots") << u"A.B.mid"_qs << u"A.B"_qs << u".mid"_qs;
    QTest::newRow("no dot") << u"Readme"_qs << u"Readme"_qs << QString();
    QTest::newRow("leading dot only") << u".profile"_qs << u".profile"_qs << QString();
    QTest::newRow("extension inside too") << u"Live.mp3 Mix.mp3"_qs << u"Live Mix"_qs << u".mp3"_qs;
    QTest::newRow("removal is case-sensitive")
        << u"Song.MP3.mp3"_qs << u"Song.MP3"_qs << u".mp3"_qs;
    QTest::newRow("trailing dot loses every dot") << u"Mr. Big."_qs << u"Mr Big"_qs << u"."_qs;
    QTest::newRow("empty") << QString() << QString() << QString();
    QTest::newRow("outside the BMP")
        << u"\U0001F3B5 Song.mp3"_qs << u"\U0001F3B5 Song"_qs << u".mp3"_qs;
    QTest::newRow("double dot") << u"a..b"_qs << u"a."_qs << u".b"_qs;
}

void TestNames::splitExtension()
{
    QFETCH(QString, name);
    QFETCH(QString, base);
    QFETCH(QString, extension);
    QString gotExtension = u".old"_qs; // always replaced, even by nothing
    QCOMPARE(SplitExtension(name, gotExtension), base);
    QCOMPARE(gotExtension, extension);
}

void TestNames::removeInvalidChars_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("cleaned");
    QTest::addColumn<bool>("removed");
    QTest::newRow("mixed") << u"AC/DC: Who?"_qs << u"ACDC Who"_qs << true;
    QTest::newRow("nothing to do") << u"Plain Name.mp3"_qs << u"Plain Name.mp3"_qs << false;
    QTest::newRow("all nine") << u"a\\b/c:d*e?f\"g<h>i|j"_qs << u"abcdefghij"_qs << true;
    QTest::newRow("only invalid") << u"***"_qs << QString() << true;
    QTest::newRow("outside the BMP") << u"\U0001F3B5|x"_qs << u"\U0001F3B5x"_qs << true;
    QTest::newRow("dots and blanks stay") << u"x. ."_qs << u"x. ."_qs << false;
    QTest::newRow("controls") << QString(QChar(0)) + u"a\tb\nc\x1f\x7f"_qs << u"abc"_qs << true;
}

void TestNames::removeInvalidChars()
{
    QFETCH(QString, name);
    QFETCH(QString, cleaned);
    QFETCH(bool, removed);
    QCOMPARE(RemoveInvalidChars(name), removed);
    QCOMPARE(name, cleaned);
}

void TestNames::fileExistsForAnythingThatStands()
{
    TestDir dir;
    const QString file = dir.makeFile(u"song.mp3"_qs, "x");
    const QString unreadable = dir.makeFile(u"locked.mp3"_qs, "x");
    ::chmod(EncodeFileName(unreadable).constData(), 0);
    QVERIFY(FileExists(file));
    QVERIFY(FileExists(unreadable));
    QVERIFY(FileExists(dir.makeFolder(u"folder"_qs)));
    QVERIFY(FileExists(dir.makeLink(u"dangling"_qs, dir.path(u"nowhere"_qs))));
    QVERIFY(!FileExists(dir.path(u"missing.mp3"_qs)));
    QVERIFY(!FileExists(dir.path(u"no-folder/song.mp3"_qs)));
}

void TestNames::makeUniqueName_data()
{
    QTest::addColumn<QStringList>("existing"); // "name" a file, "name/" a folder
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<QString>("result");
    QTest::newRow("free") << QStringList() << u"Song.mp3"_qs << u"Song.mp3"_qs;
    QTest::newRow("taken") << QStringList{u"Song.mp3"_qs} << u"Song.mp3"_qs << u"Song (1).mp3"_qs;
    QTest::newRow("taken twice") << QStringList{u"Song.mp3"_qs, u"Song (1).mp3"_qs}
                                 << u"Song.mp3"_qs << u"Song (2).mp3"_qs;
    QTest::newRow("gap is used") << QStringList{u"Song.mp3"_qs, u"Song (2).mp3"_qs}
                                 << u"Song.mp3"_qs << u"Song (1).mp3"_qs;
    QTest::newRow("no dot") << QStringList{u"Readme"_qs} << u"Readme"_qs << u"Readme (1)"_qs;
    QTest::newRow("several dots") << QStringList{u"A.B.mid"_qs} << u"A.B.mid"_qs
                                  << u"A.B (1).mid"_qs;
    QTest::newRow("dot in folder only") << QStringList{u"out.old/"_qs, u"out.old/Readme"_qs}
                                        << u"out.old/Readme"_qs << u"out.old/Readme (1)"_qs;
    QTest::newRow("number not parsed")
        << QStringList{u"Song (1).mp3"_qs} << u"Song (1).mp3"_qs << u"Song (1) (1).mp3"_qs;
    QTest::newRow("leading dot") << QStringList{u".profile"_qs} << u".profile"_qs
                                 << u".profile (1)"_qs;
    QTest::newRow("trailing dot") << QStringList{u"Song."_qs} << u"Song."_qs << u"Song (1)."_qs;
    QTest::newRow("taken by a folder")
        << QStringList{u"Song.mp3/"_qs} << u"Song.mp3"_qs << u"Song (1).mp3"_qs;
    QTest::newRow("percent signs stay text")
        << QStringList{u"%1 %2.mp3"_qs} << u"%1 %2.mp3"_qs << u"%1 %2 (1).mp3"_qs;
}

void TestNames::makeUniqueName()
{
    QFETCH(QStringList, existing);
    QFETCH(QString, wanted);
    QFETCH(QString, result);
    TestDir dir;
    for (const QString& name : existing) {
        if (name.endsWith(u'/'))
            dir.makeFolder(name.chopped(1));
        else
            dir.makeFile(name);
    }
    QString path = dir.path(wanted);
    MakeUniqueName(path);
    QCOMPARE(path, dir.path(result));
}

void TestNames::shortenLongName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("shortened");               // the name itself when it fits
    const QString korean = Run(0xAC00, 100);              // 300 bytes
    const QString emoji = Run(0x1F300, 70);               // 280 bytes, in surrogate pairs
    const QString accented = u"e\u0301"_qs.repeated(100); // 300 bytes
    const QString escaped = QString(300, QChar(0xDCFF));  // 300 bytes
    // 255 - " (9999)" - ".mp3" leaves 244 bytes before the extension.
    QTest::newRow("fits exactly") << u"x"_qs.repeated(251) + u".mp3"_qs << 255
                                  << u"x"_qs.repeated(251) + u".mp3"_qs;
    QTest::newRow("three bytes a unit, fits exactly") << korean.left(85) << 255 << korean.left(85);
    QTest::newRow("Korean, cut at a syllable")
        << korean + u".mp3"_qs << 255 << korean.left(81) + u".mp3"_qs;
    QTest::newRow("surrogate pairs stay whole")
        << emoji + u".mp3"_qs << 255 << emoji.left(2 * 61) + u".mp3"_qs;
    QTest::newRow("accent stays with its letter")
        << accented + u".mp3"_qs << 255 << accented.left(2 * 81) + u".mp3"_qs;
    QTest::newRow("escaped bytes are one byte each")
        << escaped + u".mp3"_qs << 255 << escaped.left(244) + u".mp3"_qs;
    QTest::newRow("no blank before the extension")
        << u"a"_qs.repeated(243) + u" "_qs + u"b"_qs.repeated(50) + u".mp3"_qs << 255
        << u"a"_qs.repeated(243) + u".mp3"_qs;
    QTest::newRow("no extension") << u"x"_qs.repeated(300) << 255 << u"x"_qs.repeated(248);
    QTest::newRow("a dot that is no extension")
        << u"a."_qs + u"x"_qs.repeated(300) << 255 << u"a."_qs + u"x"_qs.repeated(246);
    QTest::newRow("smaller limit") << korean + u".flac"_qs << 143 << korean.left(43) + u".flac"_qs;
    QTest::newRow("first character wider than the room")
        << emoji + u".mp3"_qs << 13 << emoji.left(2) + u".mp3"_qs;
    QTest::newRow("no room for a character, no extension") << korean << 9 << korean.left(1);
}

void TestNames::shortenLongName()
{
    QFETCH(QString, name);
    QFETCH(int, limit);
    QFETCH(QString, shortened);
    QString got = name;
    const bool didShorten = ShortenLongName(got, limit);
    QCOMPARE(didShorten, got != name);
    QCOMPARE(got, shortened);
    // Below 16 bytes a first character and an extension may not fit at all;
    // the name keeps them and the file system says it is too long.
    QVERIFY(EncodeFileName(got).size() + kNumberRoom <= limit || got == name || limit < 16);
}

QTEST_GUILESS_MAIN(TestNames)
#include "tst_names.moc"

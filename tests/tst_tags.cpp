#include "modes/charset_guess.h"
#include "modes/tag_charset.h"
#include "modes/tag_format.h"
#include "modes/tag_reader.h"
#include "tests/testdir.h"
#include "tests/unprivileged.h"

#include <QProcess>
#include <QStringEncoder>
#include <QtTest>

#include <memory>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

// The fields of a file's tags as one line, "title=Morning Rain|track=3/12",
// in field order; a text still waiting for its character set shows its bytes
// ("artist=bytes:b1e8"), one that did not decode "artist=undecodable".
QString Describe(const SongTags& tags)
{
    QStringList parts;
    for (int f = 0; f < kTagFieldCount; ++f) {
        const SongTagText& text = tags.m_fields[std::size_t(f)];
        const QString key = TagFieldKey(TagField(f)) + u'=';
        switch (text.m_state) {
        case TagTextState::Missing:
            break;
        case TagTextState::Text:
            parts.append(key + text.m_strText);
            break;
        case TagTextState::Latin1:
            parts.append(key + u"bytes:"_s + QString::fromLatin1(text.m_raw.toHex()) +
                         (text.m_bMayEndCut ? u"(may end cut)"_s : QString()));
            break;
        case TagTextState::Undecodable:
            parts.append(key + u"undecodable"_s);
            break;
        }
    }
    return parts.join(u'|');
}

// Tags made from a line of the same form, for the format's own tests.
SongTags TagsOf(const QString& line, TagReadStatus status = TagReadStatus::Read)
{
    SongTags tags;
    tags.m_status = status;
    for (const QString& part : line.split(u'|', Qt::SkipEmptyParts)) {
        const QString key = part.section(u'=', 0, 0);
        const QString value = part.section(u'=', 1);
        for (int f = 0; f < kTagFieldCount; ++f) {
            if (TagFieldKey(TagField(f)) != key)
                continue;
            SongTagText& text = tags.m_fields[std::size_t(f)];
            if (value == u"undecodable") {
                text.m_state = TagTextState::Undecodable;
            } else {
                text.m_state = TagTextState::Text;
                text.m_strText = value;
            }
        }
    }
    return tags;
}

QString Status(TagReadStatus status)
{
    switch (status) {
    case TagReadStatus::Read:
        return u"read"_s;
    case TagReadStatus::NoTags:
        return u"no tags"_s;
    case TagReadStatus::NotAudio:
        return u"not audio"_s;
    case TagReadStatus::Unreadable:
        return u"unreadable"_s;
    }
    return {};
}

QByteArray Encoded(const QString& text, const char* charset)
{
    QStringEncoder encoder(charset);
    return encoder.encode(text);
}

// An ID3v2.4 tag whose one frame claims far more bytes than the tag holds.
QByteArray AbsurdFrame()
{
    QByteArray frame = QByteArrayLiteral("TIT2\x7F\x7F\x7F\x7F\x00\x00\x03Title");
    QByteArray tag = QByteArrayLiteral("ID3\x04\x00\x00\x00\x00\x00");
    tag.append(char(frame.size()));
    return tag + frame;
}

} // namespace

class TestTags : public QObject
{
    Q_OBJECT

    QString fixture(const QString& name) const { return m_fixtures->path(name); }

    std::unique_ptr<TestDir> m_fixtures; // the files made by the fixture script

private Q_SLOTS:
    void initTestCase();
    void readTags_data();
    void readTags();
    void largeFileInTwoReads();
    void keepsOnlyTheFieldsAsked();
    void sourcesAreOpenedForReadingOnly();
    void unreadableFile();
    void damagedFilesGiveNoCrash();
    void decodeRun_data();
    void decodeRun();
    void decodeTexts_data();
    void decodeTexts();
    void parseFormat_data();
    void parseFormat();
    void fill_data();
    void fill();
};

void TestTags::initTestCase()
{
    m_fixtures = std::make_unique<TestDir>();
    // Files from real encoders and taggers; a missing tool is a failure, so
    // that no format goes untested.
    QProcess maker;
    maker.setProcessChannelMode(QProcess::MergedChannels);
    maker.start(QStringLiteral(TAMRO_PYTHON),
                {QStringLiteral(TAMRO_TAG_FIXTURES), m_fixtures->path()});
    QVERIFY2(maker.waitForFinished(120000), "the fixture script hangs");
    QVERIFY2(maker.exitStatus() == QProcess::NormalExit && maker.exitCode() == 0,
             maker.readAll().constData());

    // What only claims to be audio.
    m_fixtures->makeFile(u"text.mp3"_s, "Just some words, no audio at all.\n");
    m_fixtures->makeFile(u"empty.mp3"_s);
    m_fixtures->makeFolder(u"folder.mp3"_s);
    QVERIFY(::mkfifo(EncodeFileName(fixture(u"fifo.mp3"_s)).constData(), 0644) == 0);
    const QByteArray flac = TestDir::read(fixture(u"ffmpeg.flac"_s));
    m_fixtures->makeFile(u"flac-named.mp3"_s, flac);
    m_fixtures->makeFile(u"truncated.flac"_s, flac.left(60));
    QByteArray noise;
    for (int i = 0; i < 4096; ++i)
        noise.append(char((i * 7919 + 13) >> 3));
    m_fixtures->makeFile(u"noise.m4a"_s, noise);
    m_fixtures->makeFile(u"absurd-frame.mp3"_s,
                         AbsurdFrame() + TestDir::read(fixture(u"untagged.mp3"_s)));
}

void TestTags::readTags_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("fields");

    const QString full = u"title=Morning Rain|artist=The Harbours|album=Blue Hour|"
                         "albumartist=Various Artists|track=3/12|disc=1/2|"
                         "year=2019-06-12|genre=Pop"_s;
    // ffmpeg writes each container's own tags.
    QTest::newRow("ffmpeg mp3 (ID3v2.4)") << u"ffmpeg.mp3"_s << u"read"_s << full;
    QTest::newRow("ffmpeg ogg (Vorbis)") << u"ffmpeg.ogg"_s << u"read"_s << full;
    QTest::newRow("ffmpeg opus") << u"ffmpeg.opus"_s << u"read"_s << full;
    QTest::newRow("ffmpeg flac") << u"ffmpeg.flac"_s << u"read"_s << full;
    QTest::newRow("ffmpeg m4a") << u"ffmpeg.m4a"_s << u"read"_s << full;
    QTest::newRow("ffmpeg aiff (ID3 chunk)") << u"ffmpeg.aiff"_s << u"read"_s << full;
    // ffmpeg's ASF writer keeps no date.
    QTest::newRow("ffmpeg wma") << u"ffmpeg.wma"_s << u"read"_s
                                << u"title=Morning Rain|artist=The Harbours|album=Blue Hour|"
                                   "albumartist=Various Artists|track=3/12|disc=1/2|genre=Pop"_s;
    QTest::newRow("ffmpeg wav (INFO, UTF-8)")
        << u"ffmpeg.wav"_s << u"read"_s << u"title=Wave Title|artist=Wave Artist"_s;
    QTest::newRow("Unicode beyond the BMP")
        << u"unicode.flac"_s << u"read"_s << u"title=비 오는 날|artist=夜の街|album=Ünïcödé 😀"_s;

    // mutagen: ID3 in its versions and encodings.
    QTest::newRow("ID3v1 only") << u"v1-only.mp3"_s << u"read"_s
                                << u"title=Plain Title|artist=Plain Artist|album=Plain Album|"
                                   "track=9|year=1987|genre=Rock"_s;
    QTest::newRow("ID3v2.2") << u"v22.mp3"_s << u"read"_s
                             << u"title=Old Title|artist=Old Artist|track=7"_s;
    QTest::newRow("ID3v2.3 UTF-16") << u"v23-utf16.mp3"_s << u"read"_s
                                    << u"title=Ночь|artist=Кино|album=Звезда|track=5|year=1995"_s;
    QTest::newRow("ID3v2.4 UTF-8")
        << u"v24-utf8.mp3"_s << u"read"_s
        << u"title=Café au lait|artist=Zoë|albumartist=Zoë & Friends|track=11/14|disc=2|"
           "year=1999|genre=Jazz"_s;
    QTest::newRow("APE on MP3") << u"ape.mp3"_s << u"read"_s
                                << u"title=Ape Title|artist=Ape Artist|track=4"_s;
    QTest::newRow("WAV ID3 chunk")
        << u"id3.wav"_s << u"read"_s << u"title=Chunk Title|artist=Chunk Artist"_s;
    QTest::newRow("AIFF ID3 chunk, UTF-16")
        << u"id3.aiff"_s << u"read"_s << u"title=Aiff Title|artist=Aiff Artist"_s;
    QTest::newRow("a missing field") << u"no-artist.mp3"_s << u"read"_s << u"title=Lonely Title"_s;
    // Left alone, a lone surrogate would pass for an escaped file-name byte.
    QTest::newRow("a lone surrogate in UTF-16")
        << u"lone-surrogate.mp3"_s << u"read"_s << u"title=A\uFFFDB|artist=Artist"_s;

    // Latin-1-marked texts wait, as bytes, for the run's character set; the
    // ASCII track number does not.
    QTest::newRow("frames of encoding 0 holding CP949")
        << u"cp949-1.mp3"_s << u"read"_s
        << u"title=bytes:%1|artist=bytes:%2|album=bytes:%3|track=1"_s.arg(
               QString::fromLatin1(Encoded(u"사랑"_s, "windows-949").toHex()),
               QString::fromLatin1(Encoded(u"김건모"_s, "windows-949").toHex()),
               QString::fromLatin1(Encoded(u"잘못된 만남"_s, "windows-949").toHex()));
    QTest::newRow("frames of encoding 0 holding Shift_JIS")
        << u"sjis-1.mp3"_s << u"read"_s
        << u"title=bytes:%1|artist=bytes:%2"_s.arg(
               QString::fromLatin1(Encoded(u"桜の花"_s, "Shift_JIS").toHex()),
               QString::fromLatin1(Encoded(u"松任谷由実"_s, "Shift_JIS").toHex()));
    QTest::newRow("INFO texts that are not UTF-8")
        << u"info-cp949.wav"_s << u"read"_s
        << u"title=bytes:%1|artist=bytes:%2"_s.arg(
               QString::fromLatin1(Encoded(u"사랑"_s, "windows-949").toHex()),
               QString::fromLatin1(Encoded(u"김건모"_s, "windows-949").toHex()));
    QTest::newRow("ID3v1 text filling its 30 bytes")
        << u"cp949-v1-cut.mp3"_s << u"read"_s
        << u"title=bytes:%1(may end cut)|artist=bytes:%2"_s.arg(
               QString::fromLatin1(
                   Encoded(u"1가나다라마바사아자차카타파하가"_s, "windows-949").left(30).toHex()),
               QString::fromLatin1(Encoded(u"김건모"_s, "windows-949").toHex()));

    // The content tells the kind, not the name.
    QTest::newRow("FLAC named .mp3") << u"flac-named.mp3"_s << u"read"_s << full;
    QTest::newRow("audio without tags") << u"untagged.mp3"_s << u"no tags"_s << QString();
    QTest::newRow("a frame of absurd length") << u"absurd-frame.mp3"_s << u"no tags"_s << QString();
    QTest::newRow("text named .mp3") << u"text.mp3"_s << u"not audio"_s << QString();
    QTest::newRow("empty file") << u"empty.mp3"_s << u"not audio"_s << QString();
    QTest::newRow("truncated FLAC") << u"truncated.flac"_s << u"not audio"_s << QString();
    QTest::newRow("noise named .m4a") << u"noise.m4a"_s << u"not audio"_s << QString();
    QTest::newRow("folder") << u"folder.mp3"_s << u"not audio"_s << QString();
    QTest::newRow("FIFO, not opened") << u"fifo.mp3"_s << u"not audio"_s << QString();
    QTest::newRow("nothing there") << u"gone.mp3"_s << u"unreadable"_s << QString();
}

void TestTags::readTags()
{
    QFETCH(QString, file);
    QFETCH(QString, status);
    QFETCH(QString, fields);
    int reads = 0;
    const SongTags tags = ReadSongTags(fixture(file), kAllTagFields, reads);
    QCOMPARE(Status(tags.m_status), status);
    QCOMPARE(Describe(tags), fields);
    // All of a small file comes in one read, the tags at its end with it.
    QVERIFY2(reads <= 1, qPrintable(u"%1 reads"_s.arg(reads)));
}

void TestTags::largeFileInTwoReads()
{
    // One read at the start for the ID3v2 tag, one at the end for the APE
    // tag and ID3v1 behind it; the audio between is never read.
    int reads = 0;
    const SongTags tags = ReadSongTags(fixture(u"long.mp3"_s), kAllTagFields, reads);
    QVERIFY(QFileInfo(fixture(u"long.mp3"_s)).size() > qint64{3} * 16 * 1024);
    QCOMPARE(Describe(tags), u"title=Long Title|artist=Long Artist"_s);
    QCOMPARE(reads, 2);
}

void TestTags::keepsOnlyTheFieldsAsked()
{
    const TagFieldMask asked = TagFieldBit(TagField::Title) | TagFieldBit(TagField::Track);
    QCOMPARE(Describe(ReadSongTags(fixture(u"ffmpeg.ogg"_s), asked)),
             u"title=Morning Rain|track=3/12"_s);
    // Tags that hold none of the fields asked are still tags.
    const SongTags tags = ReadSongTags(fixture(u"no-artist.mp3"_s), TagFieldBit(TagField::Artist));
    QCOMPARE(Status(tags.m_status), u"read"_s);
    QCOMPARE(Describe(tags), QString());
}

void TestTags::sourcesAreOpenedForReadingOnly()
{
    // An old access time that a read would renew (relatime renews one older
    // than the change time).
    const QStringList files = QDir(m_fixtures->path()).entryList({u"*.*"_s}, QDir::Files);
    QVERIFY(files.size() > 20);
    const struct timespec old[2] = {{1000000000, 0}, {0, UTIME_OMIT}};
    for (const QString& name : files)
        QVERIFY(::utimensat(AT_FDCWD, EncodeFileName(fixture(name)).constData(), old, 0) == 0);

    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    QVERIFY(watch >= 0);
    QVERIFY(::inotify_add_watch(watch, EncodeFileName(m_fixtures->path()).constData(),
                                IN_CLOSE_WRITE | IN_CLOSE_NOWRITE | IN_MODIFY | IN_ATTRIB) >= 0);
    for (const QString& name : files)
        (void)ReadSongTags(fixture(name));

    int closedAfterReading = 0;
    QStringList written;
    alignas(struct inotify_event) char buffer[64 * 1024];
    for (ssize_t got; (got = ::read(watch, buffer, sizeof buffer)) > 0;) {
        for (char* p = buffer; p < buffer + got;) {
            const auto* event = reinterpret_cast<const struct inotify_event*>(p);
            if (event->mask & IN_CLOSE_NOWRITE)
                ++closedAfterReading;
            else
                written.append(QString::fromUtf8(event->len ? event->name : "?"));
            p += sizeof(struct inotify_event) + event->len;
        }
    }
    ::close(watch);
    QCOMPARE(written, QStringList());
    QVERIFY(closedAfterReading >= files.size() - 1); // the FIFO is never opened

    for (const QString& name : files) {
        struct stat info
        {};
        QVERIFY(::stat(EncodeFileName(fixture(name)).constData(), &info) == 0);
        if (S_ISREG(info.st_mode))
            QVERIFY2(info.st_atim.tv_sec == 1000000000, qPrintable(name));
    }
}

void TestTags::unreadableFile()
{
    TestDir dir;
    const QString path = dir.makeFile(u"locked.mp3"_s, TestDir::read(fixture(u"v22.mp3"_s)));
    const QString open = dir.makeFile(u"open.mp3"_s, TestDir::read(fixture(u"v22.mp3"_s)));
    QVERIFY(::chmod(EncodeFileName(path).constData(), 0) == 0);
    // As someone else: the locked file says why it cannot be read, and the
    // file of another owner is read without its access time held.
    const QByteArray seen = RunUnprivileged([&] {
        const SongTags locked = ReadSongTags(path);
        QString baseName;
        QString reason;
        (void)CTagFormat().Fill(locked, baseName, reason);
        return (reason + u'\n' + Describe(ReadSongTags(open))).toUtf8();
    });
    QCOMPARE(QString::fromUtf8(seen),
             u"It cannot be read: Permission denied.\ntitle=Old Title|artist=Old Artist|track=7"_s);
}

void TestTags::damagedFilesGiveNoCrash()
{
    // Every fixture cut short and with bytes flipped: whatever comes out, the
    // read ends and says something.
    TestDir dir;
    const QStringList files = QDir(m_fixtures->path()).entryList({u"*.*"_s}, QDir::Files);
    int read = 0;
    for (const QString& name : files) {
        const QByteArray bytes = TestDir::read(fixture(name));
        QList<QByteArray> damaged;
        for (const qsizetype cut :
             {qsizetype(4), qsizetype(11), bytes.size() / 3, bytes.size() / 2, bytes.size() - 1})
            damaged.append(bytes.left(cut));
        for (int step : {3, 17, 101}) {
            QByteArray flipped = bytes;
            for (qsizetype i = step; i < flipped.size(); i += qsizetype(step) * 7)
                flipped[i] = char(flipped[i] ^ 0xA5);
            damaged.append(flipped);
        }
        for (qsizetype i = 0; i < damaged.size(); ++i) {
            const QString copy = dir.makeFile(name.section(u'.', 0, 0) + QString::number(i) + u'.' +
                                                  name.section(u'.', -1),
                                              damaged[i]);
            const SongTags tags = ReadSongTags(copy);
            read += tags.m_status == TagReadStatus::Read ? 1 : 0;
        }
    }
    QVERIFY(read > 0); // damage that spares the tags leaves them readable
}

void TestTags::decodeRun_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("charset");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("a Korean album")
        << QStringList{u"cp949-1.mp3"_s, u"cp949-2.mp3"_s, u"cp949-3.mp3"_s} << u"windows-949"_s
        << QStringList{u"사랑-김건모"_s, u"이별-김건모"_s, u"첫눈-김건모"_s};
    QTest::newRow("a WAV's INFO among them")
        << QStringList{u"cp949-2.mp3"_s, u"info-cp949.wav"_s} << u"windows-949"_s
        << QStringList{u"이별-김건모"_s, u"사랑-김건모"_s};
    QTest::newRow("an ID3v1 title cut inside a character loses that character")
        << QStringList{u"cp949-v1-cut.mp3"_s, u"cp949-1.mp3"_s} << u"windows-949"_s
        << QStringList{u"1가나다라마바사아자차카타파하-김건모"_s, u"사랑-김건모"_s};
    QTest::newRow("Japanese") << QStringList{u"sjis-1.mp3"_s, u"sjis-2.mp3"_s} << u"Shift_JIS"_s
                              << QStringList{u"桜の花-松任谷由実"_s, u"夜明けの歌-松任谷由実"_s};
    QTest::newRow("CP949 files among Unicode ones, decoded as one")
        << QStringList{u"cp949-1.mp3"_s,  u"v24-utf8.mp3"_s, u"cp949-2.mp3"_s,
                       u"unicode.flac"_s, u"cp949-3.mp3"_s,  u"v23-utf16.mp3"_s}
        << u"windows-949"_s
        << QStringList{u"사랑-김건모"_s,       u"Café au lait-Zoë"_s, u"이별-김건모"_s,
                       u"비 오는 날-夜の街"_s, u"첫눈-김건모"_s,      u"Ночь-Кино"_s};
    QTest::newRow("Unicode and ASCII need no decision")
        << QStringList{u"ffmpeg.mp3"_s, u"v1-only.mp3"_s, u"v23-utf16.mp3"_s} << QString()
        << QStringList{u"Morning Rain-The Harbours"_s, u"Plain Title-Plain Artist"_s,
                       u"Ночь-Кино"_s};
}

void TestTags::decodeRun()
{
    QFETCH(QStringList, files);
    QFETCH(QString, charset);
    QFETCH(QStringList, names);
    const CTagFormat format;
    std::vector<SongTags> run;
    for (const QString& file : files)
        run.push_back(ReadSongTags(fixture(file), format.Fields()));
    QCOMPARE(QString::fromLatin1(DecodeRunTags(run)), charset);
    QStringList made;
    for (const SongTags& tags : run) {
        QString baseName;
        QString reason;
        made.append(format.Fill(tags, baseName, reason) ? baseName : reason);
    }
    QCOMPARE(made, names);
}

void TestTags::decodeTexts_data()
{
    QTest::addColumn<QByteArray>("encoding");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QByteArrayList>("more");
    QTest::addColumn<QString>("charset");
    QTest::addColumn<QStringList>("decoded");

    const QString broken = u"<does not decode>"_s;
    QTest::newRow("Western Europe")
        << QByteArray("windows-1252") << QStringList{u"Café"_s, u"Zoë"_s, u"Müller Straße"_s}
        << QByteArrayList() << u"windows-1252"_s
        << QStringList{u"Café"_s, u"Zoë"_s, u"Müller Straße"_s};
    QTest::newRow("Cyrillic") << QByteArray("windows-1251")
                              << QStringList{u"Группа крови"_s, u"Кино"_s,
                                             u"Звезда по имени Солнце"_s}
                              << QByteArrayList() << u"WINDOWS-1251"_s
                              << QStringList{u"Группа крови"_s, u"Кино"_s,
                                             u"Звезда по имени Солнце"_s};
    QTest::newRow("Chinese") << QByteArray("GBK")
                             << QStringList{u"月亮代表我的心"_s, u"邓丽君"_s, u"甜蜜蜜"_s}
                             << QByteArrayList() << u"GB18030"_s
                             << QStringList{u"月亮代表我的心"_s, u"邓丽君"_s, u"甜蜜蜜"_s};
    QTest::newRow("UTF-8 in Latin-1 frames")
        << QByteArray("UTF-8") << QStringList{u"Zoë"_s, u"사랑"_s} << QByteArrayList() << u"UTF-8"_s
        << QStringList{u"Zoë"_s, u"사랑"_s};
    // One broken text does not outvote an album, and gives no name; nor does
    // one that ends inside a character without being cut by its field.
    QTest::newRow("one broken text among Korean ones")
        << QByteArray("windows-949") << QStringList{u"사랑"_s, u"이별"_s, u"잘못된 만남"_s}
        << QByteArrayList{QByteArray("\xC7\x01\xFF\xFE\xC7", 5), QByteArray("\xBB\xE7\xB6", 3)}
        << u"windows-949"_s << QStringList{u"사랑"_s, u"이별"_s, u"잘못된 만남"_s, broken, broken};
    // Four texts that only Windows-1252 decodes outweigh one that reads
    // well in CP949: the run is decoded as most of it was written.
    QTest::newRow("one Korean text among Western ones")
        << QByteArray("windows-1252") << QStringList{u"Café"_s, u"Olé"_s, u"Noël"_s, u"Zoë"_s}
        << QByteArrayList{Encoded(u"사랑"_s, "windows-949")} << u"windows-1252"_s
        << QStringList{u"Café"_s, u"Olé"_s, u"Noël"_s, u"Zoë"_s, u"»ç¶û"_s};
}

void TestTags::decodeTexts()
{
    QFETCH(QByteArray, encoding);
    QFETCH(QStringList, texts);
    QFETCH(QByteArrayList, more);
    QFETCH(QString, charset);
    QFETCH(QStringList, decoded);
    QByteArrayList raw;
    for (const QString& text : texts)
        raw.append(Encoded(text, encoding.constData()));
    raw.append(more);
    CTagCharset run;
    for (const QByteArray& bytes : raw)
        run.Add(bytes, false);
    QCOMPARE(QString::fromLatin1(run.Decide()), charset);
    QStringList made;
    for (const QByteArray& bytes : raw) {
        QString text;
        made.append(run.Decode(bytes, false, text) ? text : u"<does not decode>"_s);
    }
    QCOMPARE(made, decoded);
}

void TestTags::parseFormat_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QStringList>("fields");

    const QString known =
        u"The fields are {title}, {artist}, {album}, {albumartist}, {track}, {disc}, {year} "
        "and {genre}."_s;
    QTest::newRow("default") << CTagFormat::DefaultFormat() << QString()
                             << QStringList{u"title"_s, u"artist"_s};
    QTest::newRow("every field")
        << u"{title}{artist}{album}{albumartist}{track}{disc}{year}{genre}"_s << QString()
        << QStringList{u"title"_s, u"artist"_s, u"album"_s, u"albumartist"_s,
                       u"track"_s, u"disc"_s,   u"year"_s,  u"genre"_s};
    QTest::newRow("widths") << u"{disc:1}-{track:2} {title}"_s << QString()
                            << QStringList{u"title"_s, u"track"_s, u"disc"_s};
    QTest::newRow("text alone") << u"Same name"_s << QString() << QStringList();
    QTest::newRow("a lone closing brace is text")
        << u"{title} }"_s << QString() << QStringList{u"title"_s};
    QTest::newRow("unknown field")
        << u"{title}-{singer}"_s << u"\"{singer}\" is no tag field. "_s + known << QStringList();
    QTest::newRow("fields are written small")
        << u"{Title}"_s << u"\"{Title}\" is no tag field. "_s + known << QStringList();
    QTest::newRow("empty braces") << u"{}"_s << u"\"{}\" is no tag field. "_s + known
                                  << QStringList();
    QTest::newRow("never closed") << u"{title}-{artist"_s
                                  << u"The format has a { that no } closes."_s << QStringList();
    QTest::newRow("a brace inside a brace")
        << u"{ti{tle}"_s << u"\"{ti{tle}\" is no tag field. "_s + known << QStringList();
    QTest::newRow("width on a text field") << u"{title:2}"_s
                                           << u"\"{title:2}\": only {track} and {disc} take a "
                                              "width."_s
                                           << QStringList();
    const QString width = u": a width is a number up to 255, as in {track:2}."_s;
    QTest::newRow("width not a number")
        << u"{track:x}"_s << u"\"{track:x}\""_s + width << QStringList();
    QTest::newRow("width missing") << u"{track:}"_s << u"\"{track:}\""_s + width << QStringList();
    QTest::newRow("width too large")
        << u"{track:256}"_s << u"\"{track:256}\""_s + width << QStringList();
    QTest::newRow("width of many digits")
        << u"{track:99999999999}"_s << u"\"{track:99999999999}\""_s + width << QStringList();
    QTest::newRow("empty") << QString() << u"The format is empty."_s << QStringList();
    QTest::newRow("blank") << u"  "_s << u"The format is empty."_s << QStringList();
}

void TestTags::parseFormat()
{
    QFETCH(QString, format);
    QFETCH(QString, error);
    QFETCH(QStringList, fields);
    const CTagFormat parsed(format);
    QCOMPARE(parsed.Error(), error);
    QCOMPARE(parsed.IsValid(), error.isEmpty());
    QStringList used;
    for (int f = 0; f < kTagFieldCount; ++f) {
        if (parsed.Fields() & TagFieldBit(TagField(f)))
            used.append(TagFieldKey(TagField(f)));
    }
    QCOMPARE(used, fields);
}

void TestTags::fill_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("tags");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("baseName");
    QTest::addColumn<QString>("reason");

    const int read = int(TagReadStatus::Read);
    const QString song = u"title=Morning Rain|artist=The Harbours|track=3/12|disc=1/2|"
                         "year=2019-06-12|album=Blue Hour"_s;
    QTest::newRow("default") << CTagFormat::DefaultFormat() << song << read
                             << u"Morning Rain-The Harbours"_s << QString();
    QTest::newRow("track padded") << u"{track:2} {title}"_s << song << read << u"03 Morning Rain"_s
                                  << QString();
    QTest::newRow("track without its total")
        << u"{track}. {title}"_s << song << read << u"3. Morning Rain"_s << QString();
    QTest::newRow("wider than asked stays")
        << u"{track:1}"_s << u"track=11/14"_s << read << u"11"_s << QString();
    QTest::newRow("zeros as stored")
        << u"{track}"_s << u"track=03"_s << read << u"03"_s << QString();
    QTest::newRow("wide") << u"{track:4}"_s << u"track=7"_s << read << u"0007"_s << QString();
    QTest::newRow("a track without digits stays")
        << u"{track:2}"_s << u"track=A1"_s << read << u"A1"_s << QString();
    QTest::newRow("disc and track")
        << u"{disc}-{track:2}"_s << song << read << u"1-03"_s << QString();
    QTest::newRow("year of a date")
        << u"{year} {album}"_s << song << read << u"2019 Blue Hour"_s << QString();
    QTest::newRow("text kept as it stands")
        << u"[{artist}] ~ {title} (live)"_s << song << read
        << u"[The Harbours] ~ Morning Rain (live)"_s << QString();
    QTest::newRow("a field twice")
        << u"{title}/{title}"_s << song << read << u"Morning Rain/Morning Rain"_s << QString();

    QTest::newRow("missing artist") << CTagFormat::DefaultFormat() << u"title=Morning Rain"_s
                                    << read << QString() << u"Its tags have no artist."_s;
    QTest::newRow("two missing") << u"{artist}{title}{artist}"_s << u"album=Blue Hour"_s << read
                                 << QString() << u"Its tags have no artist and no title."_s;
    QTest::newRow("three missing")
        << u"{albumartist} {disc} {track}"_s << u"title=X"_s << read << QString()
        << u"Its tags have no album artist, no disc number and no "
           "track number."_s;
    QTest::newRow("undecodable") << CTagFormat::DefaultFormat()
                                 << u"title=undecodable|artist=Kino"_s << read << QString()
                                 << u"The title in its tags cannot be decoded."_s;
    QTest::newRow("an undecodable field not used")
        << u"{artist}"_s << u"title=undecodable|artist=Kino"_s << read << u"Kino"_s << QString();
    QTest::newRow("no tags") << CTagFormat::DefaultFormat() << QString()
                             << int(TagReadStatus::NoTags) << QString() << u"It has no tags."_s;
    QTest::newRow("no tags, format without fields")
        << u"Same"_s << QString() << int(TagReadStatus::NoTags) << QString()
        << u"It has no tags."_s;
    QTest::newRow("not audio") << CTagFormat::DefaultFormat() << QString()
                               << int(TagReadStatus::NotAudio) << QString()
                               << u"It is not an audio file tamro can read."_s;
    QTest::newRow("a broken format names no file")
        << u"{singer}"_s << song << read << QString()
        << u"\"{singer}\" is no tag field. The fields are {title}, {artist}, {album}, "
           "{albumartist}, {track}, {disc}, {year} and {genre}."_s;
}

void TestTags::fill()
{
    QFETCH(QString, format);
    QFETCH(QString, tags);
    QFETCH(int, status);
    QFETCH(QString, baseName);
    QFETCH(QString, reason);
    QString madeName = u"stale"_s;
    QString madeReason = u"stale"_s;
    const bool filled =
        CTagFormat(format).Fill(TagsOf(tags, TagReadStatus(status)), madeName, madeReason);
    QCOMPARE(filled, reason.isEmpty());
    QCOMPARE(madeName, baseName);
    QCOMPARE(madeReason, reason);
}

QTEST_GUILESS_MAIN(TestTags)
#include "tst_tags.moc"

// tamro-cli run as a program on real temporary folders.
#include "res/version.h"
#include "testdir.h"
#include "tests/tag_fixtures.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

#include <csignal>
#include <sys/stat.h>

namespace {

struct CliRun
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// `language` is the operator's LANG; empty keeps the test's English.
CliRun RunCli(const QStringList& arguments, const QString& workFolder,
              const QString& language = QString())
{
    QProcess cli;
    cli.setWorkingDirectory(workFolder);
    // "~/" in a path means this folder.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"HOME"_qs, workFolder);
    if (!language.isEmpty()) {
        environment.remove(u"LC_ALL"_qs);
        environment.remove(u"LANGUAGE"_qs);
        environment.insert(u"LANG"_qs, language);
    }
    cli.setProcessEnvironment(environment);
    cli.start(QStringLiteral(TAMRO_CLI_BINARY), arguments);
    CliRun run;
    if (!cli.waitForFinished(60000)) {
        cli.kill();
        cli.waitForFinished();
        return run;
    }
    run.exitCode = cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1;
    run.out = cli.readAllStandardOutput();
    run.err = cli.readAllStandardError();
    return run;
}

QList<QJsonObject> JsonLines(const QByteArray& out)
{
    QList<QJsonObject> objects;
    for (const QByteArray& line : out.split('\n')) {
        if (line.isEmpty())
            continue;
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(line, &error);
        if (error.error != QJsonParseError::NoError)
            return {};
        objects.append(document.object());
    }
    return objects;
}

qint64 SizeOf(const QString& path)
{
    struct stat info = {};
    return ::stat(EncodeFileName(path).constData(), &info) == 0 ? info.st_size : -1;
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private:
    // A source folder in song-list mode: two files share number 12, one has
    // no line, one gets a name with a character a FAT stick refuses, a
    // hidden file and a folder stay out of the list.
    void MakeSongs(TestDir& dir)
    {
        dir.makeFile(u"songs/01 Intro.mp3"_qs, "intro");
        dir.makeFile(u"songs/12 Song.mp3"_qs, "song");
        dir.makeFile(u"songs/12 Song (live).mp3"_qs, "live");
        dir.makeFile(u"songs/7 Why.mp3"_qs, "why");
        dir.makeFile(u"songs/99 Other.mp3"_qs, "other");
        dir.makeFile(u"songs/.hidden 12.mp3"_qs, "hidden");
        dir.makeFolder(u"songs/12 Folder"_qs);
        dir.makeFile(u"songs/list.txt"_qs, "1|Intro|Band\n7|Why?|Singer\n12|Title|Singer\n");
    }

private Q_SLOTS:
    void usageAndUnusableInput_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("saying"); // on stdout for 0, on stderr otherwise

        QTest::newRow("help") << QStringList{u"--help"_qs} << 0 << u"convert"_qs;
        QTest::newRow("version") << QStringList{u"--version"_qs} << 0
                                 << u"tamro-cli "_qs + QString::fromUtf16(kTamroVersion);
        QTest::newRow("no command") << QStringList{} << 2 << u"one command"_qs;
        QTest::newRow("unknown command") << QStringList{u"rename"_qs} << 2 << u"one command"_qs;
        QTest::newRow("unknown option")
            << QStringList{u"preview"_qs, u"--fast"_qs} << 2 << u"fast"_qs;
        QTest::newRow("no mode") << QStringList{u"preview"_qs} << 2 << u"--song-list"_qs;
        QTest::newRow("two modes")
            << QStringList{u"preview"_qs, u"--pattern"_qs, u"--song-list"_qs, u"songs/list.txt"_qs}
            << 2 << u"not two"_qs;
        QTest::newRow("pattern without source")
            << QStringList{u"preview"_qs, u"--pattern"_qs} << 2 << u"--source"_qs;
        QTest::newRow("tags without source")
            << QStringList{u"preview"_qs, u"--tags"_qs} << 2 << u"--source"_qs;
        QTest::newRow("format without tags")
            << QStringList{u"preview"_qs, u"--pattern"_qs, u"--source"_qs,
                           u"songs"_qs,   u"--format"_qs,  u"{title}"_qs}
            << 2 << u"--format"_qs;
        QTest::newRow("unknown tag field")
            << QStringList{u"convert"_qs,          u"--tags"_qs,   u"--format"_qs,
                           u"{title}-{singer}"_qs, u"--source"_qs, u"songs"_qs,
                           u"--output"_qs,         u"out"_qs,      u"--create-output"_qs}
            << 2 << u"\"{singer}\" is no tag field."_qs;
        QTest::newRow("empty format") << QStringList{u"preview"_qs, u"--tags"_qs,   u"--format"_qs,
                                                     QString(),     u"--source"_qs, u"songs"_qs}
                                      << 2 << u"The format is empty."_qs;
        QTest::newRow("convert without output")
            << QStringList{u"convert"_qs, u"--song-list"_qs, u"songs/list.txt"_qs} << 2
            << u"--output"_qs;
        QTest::newRow("missing song list")
            << QStringList{u"preview"_qs, u"--song-list"_qs, u"songs/none.txt"_qs} << 2
            << u"none.txt"_qs;
        QTest::newRow("song list without a bar")
            << QStringList{u"preview"_qs, u"--song-list"_qs, u"songs/01 Intro.mp3"_qs} << 2
            << u"01 Intro.mp3"_qs;
        QTest::newRow("missing source")
            << QStringList{u"preview"_qs, u"--pattern"_qs, u"--source"_qs, u"gone"_qs} << 2
            << u"gone"_qs;
        QTest::newRow("output is a file")
            << QStringList{u"convert"_qs, u"--song-list"_qs, u"songs/list.txt"_qs, u"--output"_qs,
                           u"songs/list.txt"_qs}
            << 2 << u"list.txt"_qs;
        QTest::newRow("missing output not created")
            << QStringList{u"convert"_qs, u"--song-list"_qs, u"songs/list.txt"_qs, u"--output"_qs,
                           u"new/out"_qs}
            << 2 << u"--create-output"_qs;
        QTest::newRow("unusable log folder")
            << QStringList{u"convert"_qs,  u"--song-list"_qs, u"songs/list.txt"_qs,
                           u"--output"_qs, u"songs"_qs,       u"--log-dir"_qs,
                           u"gone"_qs}
            << 2 << u"gone"_qs;
    }

    void usageAndUnusableInput()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, saying);
        TestDir dir;
        MakeSongs(dir);
        const QStringList before = dir.entries(dir.path(u"songs"_qs));
        const CliRun run = RunCli(arguments, dir.path());
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(QString::fromUtf8(exitCode == 0 ? run.out : run.err).contains(saying), run.err);
        // Input it cannot use leaves everything as it was: no logs, no folder.
        QCOMPARE(dir.entries(), QStringList{u"songs"_qs});
        QCOMPARE(dir.entries(dir.path(u"songs"_qs)), before);
    }

    void speaksTheOperatorsLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("saying");  // on stdout for 0, on stderr otherwise
        QTest::addColumn<QString>("english"); // what it says in English, not to be said
        QTest::newRow("German help")
            << u"de_DE.UTF-8"_qs << QStringList{u"--help"_qs} << 0
            << u"Zeigt diese Hilfe und endet."_qs << u"Shows this help and ends."_qs;
        QTest::newRow("Korean usage error")
            << u"ko_KR.UTF-8"_qs << QStringList{u"preview"_qs} << 2
            << u"--song-list LIST, --pattern 또는 --tags를 주세요."_qs << u"Give --song-list"_qs;
        QTest::newRow("French song list")
            << u"fr_FR.UTF-8"_qs
            << QStringList{u"preview"_qs, u"--song-list"_qs, u"songs/none.txt"_qs} << 2
            << u"La liste de titres est inutilisable"_qs << u"cannot be used"_qs;
        QTest::newRow("Japanese preview reason")
            << u"ja_JP.UTF-8"_qs
            << QStringList{u"preview"_qs, u"--song-list"_qs, u"songs/list.txt"_qs} << 0
            << u"曲リストにこの番号の行がありません。"_qs << u"No line of the song list"_qs;
        QTest::newRow("C help") << u"C.UTF-8"_qs << QStringList{u"--help"_qs} << 0
                                << u"Shows this help and ends."_qs << QString();
    }

    void speaksTheOperatorsLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, saying);
        QFETCH(QString, english);
        TestDir dir;
        MakeSongs(dir);
        const CliRun run = RunCli(arguments, dir.path(), language);
        QCOMPARE(run.exitCode, exitCode);
        const QString said = QString::fromUtf8(exitCode == 0 ? run.out : run.err);
        QVERIFY2(said.contains(saying), qPrintable(said));
        if (!english.isEmpty())
            QVERIFY2(!said.contains(english), qPrintable(said));
    }

    // What other programs read stays English in every language: the logs,
    // the JSON keys, the status words and the flags.
    void logsAndJsonStayEnglish()
    {
        QList<QJsonObject> rows[2];
        QStringList logs[2];
        const QString languages[2] = {u"C.UTF-8"_qs, u"de_DE.UTF-8"_qs};
        for (int i = 0; i < 2; ++i) {
            TestDir dir;
            MakeSongs(dir);
            const CliRun run =
                RunCli({u"convert"_qs, u"--song-list"_qs, u"songs/list.txt"_qs, u"--output"_qs,
                        u"out"_qs, u"--create-output"_qs, u"--json"_qs},
                       dir.path(), languages[i]);
            QCOMPARE(run.exitCode, 0);
            rows[i] = JsonLines(run.out);
            for (const QString& log : {u"InfoLog.txt"_qs, u"ErrorLog.txt"_qs}) {
                for (const QString& line : LogLines(dir.path(log)))
                    logs[i].append(QString(line).replace(dir.path(), u"<dir>"_qs));
            }
        }
        QCOMPARE(logs[1], logs[0]);
        QVERIFY(logs[0].size() >= 4);
        QCOMPARE(rows[1].size(), rows[0].size());
        for (qsizetype row = 0; row < rows[0].size(); ++row) {
            QCOMPARE(rows[1][row].keys(), rows[0][row].keys());
            for (const QString& key :
                 {u"name"_qs, u"new_name"_qs, u"final_name"_qs, u"status"_qs, u"flags"_qs})
                QCOMPARE(rows[1][row].value(key), rows[0][row].value(key));
        }
        // Only the reasons, which people read, are German.
        const auto skipped = [](const QList<QJsonObject>& list) {
            for (const QJsonObject& row : list) {
                if (row.value(u"status"_qs) == u"skipped"_qs)
                    return row.value(u"reason"_qs).toString();
            }
            return QString();
        };
        QCOMPARE(skipped(rows[0]), u"No line of the song list has its number."_qs);
        QCOMPARE(skipped(rows[1]), u"Keine Zeile der Songliste hat seine Nummer."_qs);
    }

    void previewSongListInListOrder()
    {
        TestDir dir;
        MakeSongs(dir);
        // The source defaults to the song list's folder.
        const CliRun run =
            RunCli({u"preview"_qs, u"--song-list"_qs, u"songs/list.txt"_qs}, dir.path());
        QCOMPARE(run.exitCode, 0);
        QStringList lines = QString::fromUtf8(run.out).split(u'\n', Qt::SkipEmptyParts);
        for (QString& line : lines)
            line = line.simplified();
        QCOMPARE(lines, (QStringList{u"01 Intro.mp3 -> Intro-Band.mp3"_qs,
                                     u"7 Why.mp3 -> Why?-Singer.mp3 [cleaned]"_qs,
                                     u"12 Song (live).mp3 -> Title-Singer.mp3 [clash]"_qs,
                                     u"12 Song.mp3 -> Title-Singer.mp3 [clash]"_qs,
                                     u"99 Other.mp3 -- No line of the song list has its number."_qs,
                                     u"list.txt -- No line of the song list has its number."_qs}));
        QCOMPARE(dir.entries(), QStringList{u"songs"_qs}); // a preview writes nothing
    }

    void convertSongListWithJson()
    {
        TestDir dir;
        MakeSongs(dir);
        dir.makeFolder(u"out"_qs);
        dir.makeFile(u"out/Intro-Band.mp3"_qs, "taken");
        dir.makeFolder(u"logs"_qs);
        const CliRun run =
            RunCli({u"convert"_qs, u"--song-list"_qs, u"~/songs/list.txt"_qs, u"--output"_qs,
                    u"out"_qs, u"--log-dir"_qs, u"logs"_qs, u"--json"_qs},
                   dir.path());
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.err.isEmpty(), run.err); // not a terminal: nothing but errors
        QCOMPARE(TestDir::read(dir.path(u"out/Intro-Band (1).mp3"_qs)), QByteArray("intro"));
        QCOMPARE(TestDir::read(dir.path(u"out/Intro-Band.mp3"_qs)), QByteArray("taken"));
        QCOMPARE(TestDir::read(dir.path(u"out/Why-Singer.mp3"_qs)), QByteArray("why"));
        QCOMPARE(TestDir::read(dir.path(u"out/Title-Singer.mp3"_qs)), QByteArray("live"));
        QCOMPARE(TestDir::read(dir.path(u"out/Title-Singer (1).mp3"_qs)), QByteArray("song"));
        QCOMPARE(LogLines(dir.path(u"logs/InfoLog.txt"_qs)).size(), 5); // one cleaning, four copies
        QCOMPARE(LogLines(dir.path(u"logs/ErrorLog.txt"_qs)), QStringList{});
        QCOMPARE(dir.entries(), (QStringList{u"logs"_qs, u"out"_qs, u"songs"_qs}));

        const QList<QJsonObject> rows = JsonLines(run.out);
        QCOMPARE(rows.size(), 6);
        const auto row = [&rows](int i, const char* key) {
            return rows[i].value(QLatin1String(key));
        };
        QCOMPARE(row(0, "name").toString(), u"01 Intro.mp3"_qs);
        QCOMPARE(row(0, "final_name").toString(), u"Intro-Band (1).mp3"_qs);
        QCOMPARE(row(0, "status").toString(), u"copied"_qs);
        QCOMPARE(row(0, "flags").toVariant().toStringList(), QStringList{u"numbered"_qs});
        QCOMPARE(row(1, "new_name").toString(), u"Why?-Singer.mp3"_qs);
        QCOMPARE(row(1, "flags").toVariant().toStringList(), QStringList{u"cleaned"_qs});
        QCOMPARE(row(2, "flags").toVariant().toStringList(), QStringList{u"clash"_qs});
        QCOMPARE(row(3, "flags").toVariant().toStringList(),
                 (QStringList{u"numbered"_qs, u"clash"_qs}));
        QCOMPARE(row(4, "status").toString(), u"skipped"_qs);
        QVERIFY(row(4, "new_name").isNull());
        QVERIFY(row(4, "final_name").isNull());
        QVERIFY(row(0, "reason").isNull());
        QVERIFY(row(4, "reason").isString());
    }

    void convertPatternWithFailureAndOddName()
    {
        TestDir dir;
        dir.makeFile(u"src/Blue Hour - Nora Vale.ogg"_qs, "blue");
        dir.makeFile(DecodeFileName("src/Caf\xE9 - Trio.mp3"), "cafe");
        // A new name holding a replacement mark is never written into a file name.
        dir.makeFile(u"src/Bad \uFFFD - Band.mp3"_qs, "bad");
        dir.makeFile(u"src/Thunder - AC-DC.mp3"_qs, "thunder");
        const CliRun run =
            RunCli({u"convert"_qs, u"--pattern"_qs, u"--source"_qs, u"src"_qs, u"--output"_qs,
                    u"new/out"_qs, u"--create-output"_qs, u"--json"_qs},
                   dir.path());
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains("Bad"), run.err);
        QCOMPARE(TestDir::read(dir.path(u"new/out/Nora Vale-Blue Hour.ogg"_qs)),
                 QByteArray("blue"));
        QCOMPARE(TestDir::read(dir.path(DecodeFileName("new/out/Trio-Caf\xE9.mp3"))),
                 QByteArray("cafe"));
        QCOMPARE(LogLines(dir.path(u"ErrorLog.txt"_qs)).size(), 1);

        const QList<QJsonObject> rows = JsonLines(run.out); // valid UTF-8 throughout
        QCOMPARE(rows.size(), 4);
        QCOMPARE(rows[3].value(u"flags"_qs).toVariant().toStringList(),
                 QStringList{u"lossy-swap"_qs});
        QCOMPARE(rows[0].value(u"status"_qs).toString(), u"failed"_qs);
        QVERIFY(rows[0].value(u"reason"_qs).isString());
        QCOMPARE(rows[2].value(u"name"_qs).toString(), u"Caf\uFFFD - Trio.mp3"_qs);
        QCOMPARE(rows[2].value(u"status"_qs).toString(), u"copied"_qs);
    }

    // Names from the files' own tags: the JSON says which texts the format
    // put in, and a file without a name says why, whether the convert
    // computes the names or takes the preview's.
    void previewAndConvertTags()
    {
        TestDir dir;
        MakeTaggedMp3(dir.path(u"src/Track01.mp3"_qs),
                      {u"title=Morning Rain"_qs, u"artist=The Harbours"_qs, u"track=3/12"_qs});
        MakeTaggedMp3(dir.path(u"src/Track02.mp3"_qs), {u"title=Lonely"_qs, u"track=4"_qs});
        dir.makeFile(u"src/notes.mp3"_qs, "Only words, no audio.\n");
        QStringList preview{u"preview"_qs,  u"--tags"_qs,
                            u"--format"_qs, u"{track:2} {title}-{artist}"_qs,
                            u"--source"_qs, u"src"_qs};
        const CliRun text = RunCli(preview, dir.path());
        QCOMPARE(text.exitCode, 0);
        QStringList lines = QString::fromUtf8(text.out).split(u'\n', Qt::SkipEmptyParts);
        for (QString& line : lines)
            line = line.simplified();
        QCOMPARE(lines, (QStringList{u"notes.mp3 -- It is not an audio file tamro can read."_qs,
                                     u"Track01.mp3 -> 03 Morning Rain-The Harbours.mp3"_qs,
                                     u"Track02.mp3 -- Its tags have no artist."_qs}));

        const CliRun json = RunCli(preview << u"--json"_qs, dir.path());
        QCOMPARE(json.exitCode, 0);
        const QList<QJsonObject> rows = JsonLines(json.out);
        QCOMPARE(rows.size(), 3);
        const auto tags = [&rows](int row) {
            return rows[row].value(u"tags"_qs).toObject().toVariantMap();
        };
        QCOMPARE(tags(1), (QVariantMap{{u"track"_qs, u"03"_qs},
                                       {u"title"_qs, u"Morning Rain"_qs},
                                       {u"artist"_qs, u"The Harbours"_qs}}));
        QCOMPARE(tags(2), (QVariantMap{{u"track"_qs, u"04"_qs},
                                       {u"title"_qs, u"Lonely"_qs},
                                       {u"artist"_qs, QVariant::fromValue(nullptr)}}));
        QVERIFY(rows[0].value(u"tags"_qs).toObject().value(u"title"_qs).isNull());
        QCOMPARE(rows[1].value(u"status"_qs).toString(), u"planned"_qs);

        for (const bool fromPreview : {false, true}) {
            QStringList convert{u"convert"_qs,         u"--tags"_qs,
                                u"--source"_qs,        u"src"_qs,
                                u"--output"_qs,        u"out"_qs,
                                u"--create-output"_qs, u"--json"_qs,
                                u"--log-dir"_qs,       dir.makeFolder(u"logs"_qs)};
            if (fromPreview)
                convert.append(u"--from-preview"_qs);
            QDir(dir.path(u"out"_qs)).removeRecursively();
            const CliRun run = RunCli(convert, dir.path());
            QCOMPARE(run.exitCode, 0);
            QCOMPARE(dir.entries(dir.path(u"out"_qs)),
                     QStringList{u"Morning Rain-The Harbours.mp3"_qs});
            QCOMPARE(TestDir::read(dir.path(u"out/Morning Rain-The Harbours.mp3"_qs)),
                     TestDir::read(dir.path(u"src/Track01.mp3"_qs)));
            const QList<QJsonObject> copied = JsonLines(run.out);
            QCOMPARE(copied.size(), 3);
            QCOMPARE(copied[1].value(u"status"_qs).toString(), u"copied"_qs);
            QCOMPARE(copied[2].value(u"status"_qs).toString(), u"skipped"_qs);
            QCOMPARE(copied[2].value(u"reason"_qs).toString(), u"Its tags have no artist."_qs);
        }
    }

    void undo_data()
    {
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<QString>("change"); // what is done to the run's copies first
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<int>("copiesLeft");

        QTest::newRow("removes both") << QStringList{} << QString() << 0 << 0;
        QTest::newRow("dry run changes nothing")
            << QStringList{u"--dry-run"_qs} << QString() << 0 << 2;
        QTest::newRow("a copy changed since is left") << QStringList{} << u"change"_qs << 1 << 1;
        QTest::newRow("logs elsewhere")
            << QStringList{u"--log-dir"_qs, u"out"_qs} << QString() << 2 << 2;
    }

    void undo()
    {
        QFETCH(QStringList, extra);
        QFETCH(QString, change);
        QFETCH(int, exitCode);
        QFETCH(int, copiesLeft);
        TestDir dir;
        dir.makeFile(u"src/A - One.mp3"_qs, "one");
        dir.makeFile(u"src/B - Two.mp3"_qs, "two");
        QCOMPARE(RunCli({u"convert"_qs, u"--pattern"_qs, u"--source"_qs, u"src"_qs, u"--output"_qs,
                         u"out"_qs, u"--create-output"_qs},
                        dir.path())
                     .exitCode,
                 0);
        if (change == u"change")
            dir.makeFile(u"out/One-A.mp3"_qs, "edited");
        const CliRun run = RunCli(QStringList{u"undo"_qs} + extra, dir.path());
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(dir.entries(dir.path(u"out"_qs)).size(), copiesLeft);
        QCOMPARE(dir.entries(dir.path(u"src"_qs)).size(), 2); // sources untouched
    }

    // Ctrl-C during a copy: the file under way is finished, nothing after it
    // starts, the logs are closed; a second Ctrl-C gives the file up and
    // removes what it had written. The copy is caught part-way by stopping
    // the process and looking, so no timing is guessed.
    void interrupt_data()
    {
        QTest::addColumn<int>("interrupts");
        QTest::newRow("once: the file finishes") << 1;
        QTest::newRow("twice: the file is given up") << 2;
    }

    void interrupt()
    {
        QFETCH(int, interrupts);
        TestDir dir;
        constexpr qint64 kBig = 192LL << 20;
        const QString big = dir.makeFile(u"src/A - One.bin"_qs);
        QVERIFY(::truncate(EncodeFileName(big).constData(), kBig) == 0);
        dir.makeFile(u"src/B - Two.bin"_qs, "two");
        dir.makeFolder(u"out"_qs);
        const QString partial = dir.path(u"out/One-A.bin"_qs);

        QProcess cli;
        cli.setWorkingDirectory(dir.path());
        cli.start(QStringLiteral(TAMRO_CLI_BINARY),
                  {u"convert"_qs, u"--pattern"_qs, u"--source"_qs, u"src"_qs, u"--output"_qs,
                   u"out"_qs, u"--json"_qs});
        QVERIFY(cli.waitForStarted());
        const pid_t pid = pid_t(cli.processId());
        // Stopped, the process cannot move on while we look.
        const auto catchPartWay = [&](qint64 above) {
            for (int attempt = 0; attempt < 2000000; ++attempt) {
                ::kill(pid, SIGSTOP);
                const qint64 size = SizeOf(partial);
                if (size > above && size < kBig)
                    return true;
                ::kill(pid, SIGCONT);
                if (size == kBig || cli.state() == QProcess::NotRunning)
                    return false;
            }
            return false;
        };
        if (!catchPartWay(-1)) {
            cli.waitForFinished();
            QSKIP("the copy ended before it could be caught part-way");
        }
        ::kill(pid, SIGINT);
        ::kill(pid, SIGCONT); // the interrupt is taken before anything else runs
        if (interrupts == 2) {
            // Standard signals do not queue: the second is sent only once the
            // first is taken, which tamro-cli says at once on stderr.
            cli.setReadChannel(QProcess::StandardError);
            for (QByteArray said; !said.contains("Ctrl-C again");) {
                QVERIFY(cli.waitForReadyRead(30000));
                said += cli.readAllStandardError();
            }
            if (!catchPartWay(SizeOf(partial))) {
                cli.waitForFinished();
                QSKIP("the copy ended before it could be caught again");
            }
            ::kill(pid, SIGINT);
            ::kill(pid, SIGCONT);
        }
        QVERIFY(cli.waitForFinished(60000));
        QCOMPARE(cli.exitCode(), 130);
        const QList<QJsonObject> rows = JsonLines(cli.readAllStandardOutput());
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[1].value(u"status"_qs).toString(), u"skipped"_qs);
        QCOMPARE(dir.entries(dir.path(u"out"_qs)).size(), interrupts == 1 ? 1 : 0);
        if (interrupts == 1) {
            QCOMPARE(SizeOf(partial), kBig);
            QCOMPARE(rows[0].value(u"status"_qs).toString(), u"copied"_qs);
        } else {
            QCOMPARE(rows[0].value(u"status"_qs).toString(), u"failed"_qs);
        }
        // Closed complete: the one attempt is logged.
        QCOMPARE(LogLines(dir.path(u"InfoLog.txt"_qs)).size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"

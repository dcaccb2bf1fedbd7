#pragma once

// Tagged song files for the tests of the tag mode, written by real encoders
// and taggers: the whole set of tests/make_tag_fixtures.py (ffmpeg and
// mutagen), or one MP3 tagged by ffmpeg.

#include <QDir>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QtTest>

#ifdef TAMRO_TAG_FIXTURES
// Runs the fixture script into `folder` (for a test that CMake gave the
// script with tamro_use_tag_fixtures); fails the test when it cannot (a
// missing tool is a failure, so that no test of the mode is skipped).
inline void MakeTagFixtures(const QString& folder)
{
    QProcess maker;
    maker.setProcessChannelMode(QProcess::MergedChannels);
    maker.start(QStringLiteral(TAMRO_PYTHON), {QStringLiteral(TAMRO_TAG_FIXTURES), folder});
    QVERIFY2(maker.waitForFinished(120000), "the fixture script hangs");
    QVERIFY2(maker.exitStatus() == QProcess::NormalExit && maker.exitCode() == 0,
             maker.readAll().constData());
}
#endif

// A twentieth of a second of silence at `path` (its folder made if need
// be), encoded and tagged by
// ffmpeg: each of `metadata` reads "key=value" ("title=Song", "track=3/12").
inline void MakeTaggedMp3(const QString& path, const QStringList& metadata)
{
    QStringList args{QStringLiteral("-nostdin"), QStringLiteral("-loglevel"),
                     QStringLiteral("error"),    QStringLiteral("-y"),
                     QStringLiteral("-f"),       QStringLiteral("lavfi"),
                     QStringLiteral("-i"),       QStringLiteral("anullsrc=r=8000:cl=mono"),
                     QStringLiteral("-t"),       QStringLiteral("0.05"),
                     QStringLiteral("-c:a"),     QStringLiteral("libmp3lame")};
    for (const QString& item : metadata)
        args += {QStringLiteral("-metadata"), item};
    args.append(path);
    QDir().mkpath(path.left(path.lastIndexOf(u'/')));
    QProcess ffmpeg;
    ffmpeg.setProcessChannelMode(QProcess::MergedChannels);
    ffmpeg.start(QStringLiteral("ffmpeg"), args);
    QVERIFY2(ffmpeg.waitForStarted(10000),
             "ffmpeg is missing; scripts/install-deps.sh installs it");
    QVERIFY2(ffmpeg.waitForFinished(60000), "ffmpeg hangs");
    QVERIFY2(ffmpeg.exitStatus() == QProcess::NormalExit && ffmpeg.exitCode() == 0,
             ffmpeg.readAll().constData());
}

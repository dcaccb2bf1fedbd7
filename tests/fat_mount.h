#pragma once

#include "platform/file_name_codec.h"
#include "tests/testdir.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

// Runs a system tool; empty when it ran and succeeded, else what went wrong.
inline QString RunTool(const QString& tool, const QStringList& arguments)
{
    const QString program =
        QStandardPaths::findExecutable(tool, {u"/usr/sbin"_qs, u"/sbin"_qs, u"/usr/bin"_qs});
    if (program.isEmpty())
        return tool + u" is not installed"_qs;
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished(5000);
        return tool + u" did not finish"_qs;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return tool + u" failed: "_qs + QString::fromLocal8Bit(process.readAllStandardError());
    return {};
}

inline bool IsMountPoint(const QString& folder)
{
    struct stat inside
    {
    }, parent{};
    return ::lstat(EncodeFileName(folder).constData(), &inside) == 0 &&
           ::lstat(EncodeFileName(folder + u"/.."_qs).constData(), &parent) == 0 &&
           inside.st_dev != parent.st_dev;
}

// A FAT image mounted through FUSE for as long as the object lives. With
// `ownDaemon` the daemon runs as our child, so a test can kill it.
class FatMount
{
public:
    explicit FatMount(const TestDir& dir, bool ownDaemon = false)
        : m_folder(dir.makeFolder(u"stick"_qs))
    {
        if (::geteuid() != 0) {
            m_problem = u"mounting through FUSE needs root"_qs;
            return;
        }
        if (::access("/dev/fuse", R_OK | W_OK) != 0) {
            m_problem = u"/dev/fuse is missing"_qs;
            return;
        }
        const QString image = dir.makeFile(u"stick.img"_qs);
        QFile(image).resize(8 << 20);
        m_problem = RunTool(u"mkfs.vfat"_qs, {image});
        if (m_problem.isEmpty() && !ownDaemon)
            m_problem = RunTool(u"fusefat"_qs, {u"-o"_qs, u"rw+"_qs, image, m_folder});
        if (m_problem.isEmpty() && ownDaemon) {
            const QString fusefat = QStandardPaths::findExecutable(u"fusefat"_qs);
            if (fusefat.isEmpty()) {
                m_problem = u"fusefat is not installed"_qs;
                return;
            }
            // Its chatter would fill a pipe nobody reads and stall it.
            m_daemon.setStandardOutputFile(QProcess::nullDevice());
            m_daemon.setStandardErrorFile(QProcess::nullDevice());
            m_daemon.start(fusefat, {u"-f"_qs, u"-o"_qs, u"rw+"_qs, image, m_folder});
            for (int waited = 0; waited < 10000 && !IsMountPoint(m_folder); waited += 10)
                QTest::qWait(10);
        }
        if (m_problem.isEmpty() && !IsMountPoint(m_folder))
            m_problem = u"fusefat mounted nothing"_qs;
    }
    // The file system's daemon dies, as if it crashed.
    void killDaemon()
    {
        m_daemon.kill();
        m_daemon.waitForFinished(10000);
    }
    ~FatMount()
    {
        killDaemon();
        if (IsMountPoint(m_folder) && !RunTool(u"fusermount"_qs, {u"-u"_qs, m_folder}).isEmpty())
            ::umount2(EncodeFileName(m_folder).constData(), MNT_DETACH);
    }

    QString folder() const { return m_folder; }
    QString problem() const { return m_problem; }

private:
    QString m_folder;
    QString m_problem;
    QProcess m_daemon;
};

#pragma once

#include "platform/file_name_codec.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>
#include <fcntl.h>
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

// Convert jobs keep run records in the operator's state folder; every test
// program keeps them in a temporary one of its own instead, from before
// main() on.
inline const struct TestStateHome
{
    QTemporaryDir m_dir;
    TestStateHome() { qputenv("XDG_STATE_HOME", EncodeFileName(m_dir.path())); }
} g_testStateHome;

// A temporary folder that tests fill with files and folders in one line each;
// everything in it goes away with the object.
class TestDir
{
public:
    // Open to every user, so a test may act in it as an unprivileged user.
    TestDir()
    {
        QVERIFY(m_dir.isValid());
        ::chmod(EncodeFileName(m_dir.path()).constData(), 0777);
    }

    // Removes everything by its exact bytes: names that are not UTF-8 would
    // defeat QTemporaryDir's own clean-up.
    ~TestDir()
    {
        const QByteArray root = EncodeFileName(m_dir.path());
        // Open every folder first (a test may have made one read-only), then
        // remove children before their folders.
        ::nftw(
            root.constData(),
            [](const char* entry, const struct stat*, int type, struct FTW*) {
                if (type == FTW_D)
                    ::chmod(entry, 0700);
                return 0;
            },
            16, FTW_PHYS);
        ::nftw(
            root.constData(),
            [](const char* entry, const struct stat*, int, struct FTW*) {
                ::remove(entry);
                return 0;
            },
            16, FTW_DEPTH | FTW_PHYS);
    }

    QString path() const { return m_dir.path(); }
    QString path(const QString& name) const { return m_dir.path() + u'/' + name; }

    // Writes `content` to `name` (a relative path) and returns the full path.
    QString makeFile(const QString& name, const QByteArray& content = {}) const
    {
        const QString full = path(name);
        QDir().mkpath(full.left(full.lastIndexOf(u'/')));
        const QByteArray bytes = EncodeFileName(full);
        const int fd = ::open(bytes.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0)
            qFatal("cannot create test file");
        if (!content.isEmpty() &&
            ::write(fd, content.constData(), content.size()) != content.size())
            qFatal("cannot write test file");
        ::close(fd);
        return full;
    }

    QString makeFolder(const QString& name) const
    {
        QDir().mkpath(path(name));
        return path(name);
    }

    QString makeLink(const QString& name, const QString& target) const
    {
        QFile::link(target, path(name));
        return path(name);
    }

    static QByteArray read(const QString& fullPath)
    {
        const int fd = ::open(EncodeFileName(fullPath).constData(), O_RDONLY);
        if (fd < 0)
            return QByteArrayLiteral("<unreadable>");
        QByteArray content;
        char buffer[65536];
        for (ssize_t got; (got = ::read(fd, buffer, sizeof buffer)) > 0;)
            content.append(buffer, got);
        ::close(fd);
        return content;
    }

    // The names in the folder, sorted; the way to see that nothing was left.
    QStringList entries(const QString& folder = {}) const
    {
        return QDir(folder.isEmpty() ? path() : folder)
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                       QDir::Name);
    }

private:
    QTemporaryDir m_dir;
};

// Makes `folder` the current directory, where jobs keep their logs, until
// the end of the scope.
class InFolder
{
public:
    explicit InFolder(const QString& folder) : m_previous(QDir::currentPath())
    {
        QDir::setCurrent(folder);
    }
    ~InFolder() { QDir::setCurrent(m_previous); }

private:
    QString m_previous;
};

// Bytes of a string as UTF-16LE, for byte-exact log checks.
inline QByteArray Utf16Le(const QString& text)
{
    QByteArray bytes;
    for (const QChar c : text) {
        bytes.append(static_cast<char>(c.unicode() & 0xFF));
        bytes.append(static_cast<char>(c.unicode() >> 8));
    }
    return bytes;
}

// The lines of a run log (UTF-16LE with its mark, CR LF after every line).
inline QStringList LogLines(const QString& path)
{
    const QByteArray log = TestDir::read(path);
    if (!log.startsWith("\xFF\xFE"))
        return {u"<not a log>"_qs};
    QString text = QString::fromUtf16(reinterpret_cast<const char16_t*>(log.constData() + 2),
                                      (log.size() - 2) / 2);
    QStringList lines = text.split(u"\r\n"_qs);
    lines.removeLast(); // after the last CR LF
    return lines;
}

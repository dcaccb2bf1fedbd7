#include "output/run_log_reader.h"

#include "platform/fd_read.h"
#include "platform/file_name_codec.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString JoinPath(const QString& folder, const QString& name)
{
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

QString WhyNotReadable(int error)
{
    switch (error) {
    case ENOENT:
        return QCoreApplication::translate("RunLogReader",
                                           "it does not exist (no convert job has run there)");
    case ELOOP:
        return QCoreApplication::translate("RunLogReader", "it is a link, not a log tamro wrote");
    case EWOULDBLOCK:
        return QCoreApplication::translate(
            "RunLogReader", "a convert job is still writing it; wait until the job has ended");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

} // namespace

CRunLogReader::~CRunLogReader()
{
    if (m_fd >= 0)
        ::close(m_fd); // releases the lock
}

QString CRunLogReader::Read(const QString& folder, const QString& name)
{
    const QString path = JoinPath(folder, name);
    const auto failure = [&](int error) {
        return QCoreApplication::translate("RunLogReader", "%1 cannot be read: %2")
            .arg(path, WhyNotReadable(error));
    };
    // tamro writes its logs only as plain files of their own, never through a
    // link, and opening must not hang on a FIFO put in their place.
    m_fd = ::open(EncodeFileName(path).constData(),
                  O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (m_fd < 0)
        return failure(errno);
    struct stat st
    {};
    if (::fstat(m_fd, &st) != 0)
        return failure(errno);
    if (!S_ISREG(st.st_mode))
        return QCoreApplication::translate("RunLogReader",
                                           "%1 cannot be read: it is not a regular file")
            .arg(path);
    while (::flock(m_fd, LOCK_SH | LOCK_NB) != 0) {
        if (errno != EINTR)
            return failure(errno);
    }
    QByteArray content;
    if (const int error = ReadAll(m_fd, content))
        return failure(error);
    if (!content.startsWith("\xFF\xFE") || content.size() % 2 != 0)
        return QCoreApplication::translate("RunLogReader",
                                           "%1 is not a run log of tamro: it is not UTF-16 text")
            .arg(path);

    const QString text = QString::fromUtf16(
        reinterpret_cast<const char16_t*>(content.constData() + 2), (content.size() - 2) / 2);
    m_lines = text.split(QStringLiteral("\r\n"));
    m_lines.removeLast(); // what follows the last line end: empty, or a cut-off line
    return {};
}

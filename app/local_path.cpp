#include "app/local_path.h"

#include "platform/file_name_codec.h"

#include <QSysInfo>
#include <QUrl>

#include <sys/stat.h>

QString LocalPathOfUrl(const QUrl& url)
{
    if (url.scheme() != u"file"_qs)
        return {};
    // File managers write file:///path, some file://localhost/path or their
    // own host name; any other host is a share elsewhere.
    const QString host = url.host();
    if (!host.isEmpty() && host != u"localhost"_qs && host != QSysInfo::machineHostName())
        return {};
    // QUrl::toLocalFile would turn bytes that are not UTF-8 into U+FFFD.
    QByteArray bytes = QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
    if (!bytes.startsWith('/'))
        return {};
    while (bytes.size() > 1 && bytes.endsWith('/'))
        bytes.chop(1); // a folder is named without its trailing slash
    return DecodeFileName(bytes);
}

PathKind KindOfPath(const QString& path)
{
    struct stat info;
    if (path.isEmpty() || ::stat(EncodeFileName(path).constData(), &info) != 0)
        return PathKind::Missing;
    return S_ISDIR(info.st_mode) ? PathKind::Folder : PathKind::File;
}

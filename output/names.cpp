#include "output/names.h"

#include "platform/file_name_codec.h"

#include <sys/stat.h>

QString SplitExtension(QString name, QString& extension)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    extension = dot > 0 ? name.mid(dot) : QString();
    if (!extension.isEmpty())
        name.replace(extension, QString(), Qt::CaseSensitive);
    return name;
}

bool RemoveInvalidChars(QString& name)
{
    static constexpr char16_t kInvalid[] = {u'\\', u'/', u':', u'*', u'?', u'"', u'<', u'>', u'|'};
    const qsizetype before = name.size();
    for (const char16_t c : kInvalid)
        name.remove(QChar(c));
    return name.size() != before;
}

bool FileExists(QString path)
{
    struct stat info
    {};
    return ::lstat(EncodeFileName(path).constData(), &info) == 0;
}

void MakeUniqueName(QString& path)
{
    const qsizetype nameStart = path.lastIndexOf(u'/') + 1;
    const qsizetype dot = path.lastIndexOf(u'.');
    const bool hasSuffix = dot > nameStart;
    const QString stem = hasSuffix ? path.left(dot) : path;
    const QString suffix = hasSuffix ? path.mid(dot + 1) : QString();

    QString candidate = path;
    for (int n = 1; FileExists(candidate); ++n) {
        // One multi-argument arg() call, so a "%1" inside a name stays text.
        const QString number = QString::number(n);
        candidate = hasSuffix ? QStringLiteral("%1 (%2).%3").arg(stem, number, suffix)
                              : QStringLiteral("%1 (%2)").arg(stem, number);
    }
    path = candidate;
}

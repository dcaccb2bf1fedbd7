#include "output/log_lines.h"

namespace {

// A line per copy: made in one allocation.
QString Join(QStringView prefix, const QString& before, const QString& after)
{
    QString line;
    line.reserve(prefix.size() + before.size() + kLogNameSeparator.size() + after.size());
    line.append(prefix).append(before).append(kLogNameSeparator).append(after);
    return line;
}

QString ErrorLine(QStringView sentence, const QString& path)
{
    return sentence.toString() + kErrorPathMark.toString() + path;
}

} // namespace

QString CopyLine(const QString& source, const QString& destination)
{
    return Join(kCopyLinePrefix, source, destination);
}

QString DeletedInvalidCharLine(const QString& before, const QString& after)
{
    return Join(u"Deleted Invalid char : ", before, after);
}

QString ShortenedLongNameLine(const QString& before, const QString& after)
{
    return Join(u"Shortened long name : ", before, after);
}

QString UnfinishedCopyRemovedLine(const QString& path)
{
    return QStringLiteral("Removed unfinished copy : ") + path;
}

QString AlreadyCopiedLine(const QString& source, const QString& copy)
{
    return Join(u"Already copied : ", source, copy);
}

QString SourceMissingLine(const QString& source)
{
    return ErrorLine(u"The file could not be located", source);
}

QString AccessDeniedLine(const QString& path)
{
    return ErrorLine(u"The file could not be accessed", path);
}

QString CopyFailedLine(const QString& destination, const QString& reason)
{
    return ErrorLine(u"The file could not be copied", destination) + kErrorReasonMark.toString() +
           reason;
}

QString UndecodedNameLine(const QString& source)
{
    return ErrorLine(u"The new name could not be decoded", source);
}

bool SplitCopyLine(const QString& line, QString& source, QString& copy)
{
    if (!line.startsWith(kCopyLinePrefix))
        return false;
    const QStringView rest = QStringView(line).mid(kCopyLinePrefix.size());
    const qsizetype split = rest.indexOf(kLogNameSeparator);
    if (split < 0 || rest.indexOf(kLogNameSeparator, split + 1) >= 0)
        return false;
    source = rest.left(split).toString();
    copy = rest.mid(split + kLogNameSeparator.size()).toString();
    return true;
}

QString PathOfErrorLine(const QString& line)
{
    const qsizetype mark = line.indexOf(kErrorPathMark);
    return mark < 0 ? QString() : line.mid(mark + kErrorPathMark.size());
}

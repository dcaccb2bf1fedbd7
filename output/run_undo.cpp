#include "output/run_undo.h"

#include "output/run_log.h"
#include "output/run_log_reader.h"
#include "output/undo_copy.h"
#include "platform/file_name_codec.h"

#include <QSet>

namespace {

const QString kCopyPrefix = QStringLiteral("Copy : ");
const QString kSeparator = QStringLiteral("  ->  ");
// Every error line names its path after this, and some add " : " + reason.
const QString kErrorPathMark = QStringLiteral(". - ");
const QString kReasonMark = QStringLiteral(" : ");

// The log writes what it cannot hold as U+FFFD, so such a path no longer
// names one file for certain.
bool NamedExactly(const QString& path)
{
    for (qsizetype i = 0; i < path.size(); ++i) {
        const char16_t unit = path.at(i).unicode();
        if (QChar::isHighSurrogate(unit) && i + 1 < path.size() &&
            QChar::isLowSurrogate(path.at(i + 1).unicode())) {
            ++i;
        } else if (unit == 0xFFFD || QChar::isSurrogate(unit)) {
            return false;
        }
    }
    return !path.isEmpty();
}

// The paths that ErrorLog.txt names. Where a reason may follow the path, the
// text before each " : " counts too: naming a copy wrongly as failed only
// leaves it standing, never the reverse.
QSet<QString> FailedPaths(const QStringList& errorLines)
{
    QSet<QString> paths;
    for (const QString& line : errorLines) {
        const qsizetype mark = line.indexOf(kErrorPathMark);
        if (mark < 0)
            continue;
        const QString named = line.mid(mark + kErrorPathMark.size());
        paths.insert(named);
        for (qsizetype at = named.indexOf(kReasonMark); at >= 0;
             at = named.indexOf(kReasonMark, at + 1))
            paths.insert(named.left(at));
    }
    return paths;
}

QString InFolder(const QString& logFolder, const QString& path)
{
    if (path.startsWith(u'/'))
        return path;
    return logFolder.endsWith(u'/') ? logFolder + path : logFolder + u'/' + path;
}

UndoItem Decide(const QString& logFolder, const QString& rest, const QSet<QString>& failed,
                UndoMode mode)
{
    UndoItem item;
    const qsizetype split = rest.indexOf(kSeparator);
    if (split < 0 || rest.indexOf(kSeparator, split + 1) >= 0) {
        item.m_strPath = rest;
        item.m_strReason = QStringLiteral("the log line cannot be split into source and copy "
                                          "for certain");
        return item;
    }
    item.m_strSource = rest.left(split);
    item.m_strPath = rest.mid(split + kSeparator.size());
    if (failed.contains(item.m_strPath) || failed.contains(item.m_strSource)) {
        item.m_strReason = QStringLiteral("ErrorLog.txt names this copy as failed");
    } else if (!NamedExactly(item.m_strPath)) {
        item.m_strReason = QStringLiteral("the log cannot name it exactly");
    } else if (!NamedExactly(item.m_strSource)) {
        item.m_strReason = QStringLiteral("the log cannot name its source exactly");
    } else {
        const UndoCopyOutcome outcome =
            UndoCopy(EncodeFileName(InFolder(logFolder, item.m_strSource)),
                     EncodeFileName(InFolder(logFolder, item.m_strPath)), mode == UndoMode::Remove);
        item.m_strReason = outcome.m_strReason;
        if (outcome.m_bRemoved)
            item.m_action = UndoAction::Removed;
        else if (outcome.m_bRemovable)
            item.m_action = UndoAction::WouldRemove;
    }
    return item;
}

} // namespace

UndoResult UndoLastRun(const QString& logFolder, UndoMode mode)
{
    UndoResult result;
    CRunLogReader info;
    CRunLogReader errors;
    result.m_strError = info.Read(logFolder, QString::fromUtf16(kInfoLogName));
    if (result.m_strError.isEmpty())
        result.m_strError = errors.Read(logFolder, QString::fromUtf16(kErrorLogName));
    if (!result.m_strError.isEmpty())
        return result;

    const QSet<QString> failed = FailedPaths(errors.Lines());
    for (const QString& line : info.Lines()) {
        if (line.startsWith(kCopyPrefix))
            result.m_items.append(Decide(logFolder, line.mid(kCopyPrefix.size()), failed, mode));
    }
    return result;
}

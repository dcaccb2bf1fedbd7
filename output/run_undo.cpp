#include "output/run_undo.h"

#include "output/log_lines.h"
#include "output/run_log.h"
#include "output/run_log_reader.h"
#include "output/undo_copy.h"
#include "platform/file_name_codec.h"
#include "platform/lone_surrogates.h"

#include <QCoreApplication>
#include <QSet>

namespace {

// The log writes what it cannot hold as U+FFFD, so such a path no longer
// names one file for certain.
bool NamedExactly(const QString& path)
{
    return !path.isEmpty() && !path.contains(QChar(0xFFFD)) && !HoldsLoneSurrogate(path);
}

// The paths that ErrorLog.txt names. Where a reason may follow the path, the
// text before each " : " counts too: naming a copy wrongly as failed only
// leaves it standing, never the reverse.
QSet<QString> FailedPaths(const QStringList& errorLines)
{
    QSet<QString> paths;
    for (const QString& line : errorLines) {
        const QString named = PathOfErrorLine(line);
        if (named.isEmpty())
            continue;
        paths.insert(named);
        for (qsizetype at = named.indexOf(kErrorReasonMark); at >= 0;
             at = named.indexOf(kErrorReasonMark, at + 1))
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

// The item of one "Copy : " line, with the reason already when it is never
// to be removed.
UndoItem ItemOfCopyLine(const QString& line, const QSet<QString>& failed)
{
    UndoItem item;
    if (!SplitCopyLine(line, item.m_strSource, item.m_strPath)) {
        item.m_strPath = line.mid(kCopyLinePrefix.size());
        item.m_strReason = QCoreApplication::translate(
            "RunUndo", "the log line cannot be split into source and copy for certain");
    } else if (failed.contains(item.m_strPath) || failed.contains(item.m_strSource)) {
        item.m_strReason =
            QCoreApplication::translate("RunUndo", "ErrorLog.txt names this copy as failed");
    } else if (!NamedExactly(item.m_strPath)) {
        item.m_strReason = QCoreApplication::translate("RunUndo", "the log cannot name it exactly");
    } else if (!NamedExactly(item.m_strSource)) {
        item.m_strReason =
            QCoreApplication::translate("RunUndo", "the log cannot name its source exactly");
    }
    return item;
}

} // namespace

UndoPlan::UndoPlan() = default;
UndoPlan::UndoPlan(UndoPlan&&) noexcept = default;
UndoPlan& UndoPlan::operator=(UndoPlan&&) noexcept = default;
UndoPlan::~UndoPlan() = default;

UndoPlan LoadRunForUndo(const QString& logFolder)
{
    UndoPlan plan;
    plan.m_strLogFolder = logFolder;
    plan.m_pInfo = std::make_unique<CRunLogReader>();
    plan.m_pErrors = std::make_unique<CRunLogReader>();
    plan.m_strError = plan.m_pInfo->Read(logFolder, QString::fromUtf16(kInfoLogName));
    if (plan.m_strError.isEmpty())
        plan.m_strError = plan.m_pErrors->Read(logFolder, QString::fromUtf16(kErrorLogName));
    if (!plan.m_strError.isEmpty())
        return plan;

    const QSet<QString> failed = FailedPaths(plan.m_pErrors->Lines());
    for (const QString& line : plan.m_pInfo->Lines()) {
        if (line.startsWith(kCopyLinePrefix))
            plan.m_items.append(ItemOfCopyLine(line, failed));
    }
    return plan;
}

UndoItem UndoRecordedCopy(const UndoPlan& plan, qsizetype index, UndoMode mode)
{
    UndoItem item = plan.m_items.at(index);
    if (!item.m_strReason.isEmpty())
        return item;
    const UndoCopyOutcome outcome = UndoCopy(
        EncodeFileName(InFolder(plan.m_strLogFolder, item.m_strSource)),
        EncodeFileName(InFolder(plan.m_strLogFolder, item.m_strPath)), mode == UndoMode::Remove);
    item.m_strReason = outcome.m_strReason;
    if (outcome.m_bRemoved)
        item.m_action = UndoAction::Removed;
    else if (outcome.m_bRemovable)
        item.m_action = UndoAction::WouldRemove;
    return item;
}

UndoResult UndoLastRun(const QString& logFolder, UndoMode mode)
{
    const UndoPlan plan = LoadRunForUndo(logFolder);
    UndoResult result;
    result.m_strError = plan.m_strError;
    for (qsizetype i = 0; i < plan.m_items.size(); ++i)
        result.m_items.append(UndoRecordedCopy(plan, i, mode));
    return result;
}

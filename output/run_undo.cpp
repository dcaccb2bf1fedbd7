#include "output/run_undo.h"

#include "output/run_record_reader.h"
#include "platform/file_name_codec.h"

#include <QDateTime>

using namespace Qt::StringLiterals;

namespace {

UndoPlan Refused(const QString& error)
{
    UndoPlan plan;
    plan.m_strError = error;
    return plan;
}

QString NoRunFor(const UndoSelector& selector)
{
    if (!selector.m_strRunId.isEmpty())
        return u"No run %1 is recorded."_s.arg(selector.m_strRunId);
    return u"No run of tamro is recorded for %1."_s.arg(selector.m_strLogFolder);
}

} // namespace

UndoPlan LoadRunForUndo(const UndoSelector& selector)
{
    CRunRecordReader records;
    bool missing = false;
    if (QString problem = records.Open(&missing); !problem.isEmpty())
        return Refused(missing ? NoRunFor(selector) : problem);

    QString id = selector.m_strRunId;
    if (id.isEmpty()) {
        if (QString problem = records.FindLastForLogFolder(selector.m_strLogFolder, id);
            !problem.isEmpty())
            return Refused(problem);
        if (id.isEmpty())
            return Refused(NoRunFor(selector));
    }
    UndoPlan plan;
    if (QString problem = records.LockRun(id, plan.m_lock); !problem.isEmpty())
        return Refused(problem);
    if (QString problem = records.Load(id, plan.m_run); !problem.isEmpty())
        return Refused(problem);
    for (std::size_t i = 0; i < plan.m_run.m_copies.size(); ++i) {
        if (!plan.m_run.m_copies[i].m_bGone)
            plan.m_copies.push_back(i);
    }
    if (plan.m_copies.empty() && plan.m_run.m_nUndoneMs != 0) {
        const QString when =
            QDateTime::fromMSecsSinceEpoch(plan.m_run.m_nUndoneMs).toString(u"yyyy-MM-dd HH:mm"_s);
        return Refused(
            selector.m_strRunId.isEmpty()
                ? u"The last run of tamro for %1 (run %2) is already undone, since %3."_s.arg(
                      selector.m_strLogFolder, id, when)
                : u"Run %1 is already undone, since %2."_s.arg(id, when));
    }
    return plan;
}

UndoItem UndoRecordedCopy(const UndoPlan& plan, qsizetype index, UndoMode mode,
                          const UndoProgress& progress)
{
    const std::size_t at = plan.m_copies[std::size_t(index)];
    const RecordedCopy& copy = plan.m_run.m_copies[at];
    const QByteArray source = plan.m_run.SourcePath(copy);
    UndoItem item;
    item.m_nCopy = qsizetype(at);
    item.m_strPath = DecodeFileName(plan.m_run.CopyPath(copy));
    item.m_strSource = DecodeFileName(source);
    const UndoCopyOutcome outcome = UndoCopy(plan.m_run.m_outputFolders[copy.m_nFolder], copy,
                                             source, mode == UndoMode::Remove, progress);
    item.m_strReason = outcome.m_strReason;
    item.m_bGone = outcome.m_bGone;
    if (outcome.m_bRemoved)
        item.m_action = UndoAction::Removed;
    else if (outcome.m_bRemovable)
        item.m_action = UndoAction::WouldRemove;
    return item;
}

QString MarkUndone(UndoPlan& plan, const QList<UndoItem>& items)
{
    bool any = false;
    for (const UndoItem& item : items) {
        if (!item.m_bGone || item.m_nCopy < 0 ||
            std::size_t(item.m_nCopy) >= plan.m_run.m_copies.size())
            continue;
        plan.m_run.m_copies[std::size_t(item.m_nCopy)].m_bGone = true;
        any = true;
    }
    if (!any)
        return {};
    plan.m_run.m_nUndoneMs = QDateTime::currentMSecsSinceEpoch();
    CRunRecordReader records;
    if (QString problem = records.Open(); !problem.isEmpty())
        return problem;
    return records.WriteUndone(plan.m_run);
}

UndoResult UndoRun(const UndoSelector& selector, UndoMode mode)
{
    UndoResult result;
    UndoPlan plan = LoadRunForUndo(selector);
    result.m_strError = plan.m_strError;
    if (!result.m_strError.isEmpty())
        return result;
    result.m_strRunId = plan.m_run.m_strId;
    for (qsizetype i = 0; i < plan.Size(); ++i)
        result.m_items.append(UndoRecordedCopy(plan, i, mode));
    if (mode == UndoMode::Remove)
        result.m_strMarkProblem = MarkUndone(plan, result.m_items);
    return result;
}

UndoResult UndoLastRun(const QString& logFolder, UndoMode mode)
{
    return UndoRun(UndoSelector{logFolder, {}}, mode);
}

#include "output/run_undo.h"

#include "output/run_record_reader.h"
#include "platform/file_name_codec.h"

#include <QCoreApplication>
#include <QDateTime>

#include <utility>

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
        return QCoreApplication::translate("RunUndo", "No run %1 is recorded.")
            .arg(selector.m_strRunId);
    return QCoreApplication::translate("RunUndo", "No run of tamro is recorded for %1.")
        .arg(selector.m_strLogFolder);
}

} // namespace

UndoPlan::UndoPlan() = default;

UndoPlan::UndoPlan(UndoPlan&& other) noexcept
    : m_strError(std::move(other.m_strError)), m_strLogFolder(std::move(other.m_strLogFolder)),
      m_strRunId(std::move(other.m_strRunId)), m_items(std::move(other.m_items)),
      m_run(std::move(other.m_run)), m_lock(std::move(other.m_lock)),
      m_gone(std::exchange(other.m_gone, {}))
{}

UndoPlan& UndoPlan::operator=(UndoPlan&& other) noexcept
{
    if (this == &other)
        return *this;
    (void)MarkUndone(*this);
    m_strError = std::move(other.m_strError);
    m_strLogFolder = std::move(other.m_strLogFolder);
    m_strRunId = std::move(other.m_strRunId);
    m_items = std::move(other.m_items);
    m_run = std::move(other.m_run);
    m_lock = std::move(other.m_lock);
    m_gone = std::exchange(other.m_gone, {});
    return *this;
}

UndoPlan::~UndoPlan()
{
    (void)MarkUndone(*this);
}

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
    const RunRecord& run = plan.m_run;
    for (std::size_t i = 0; i < run.m_copies.size(); ++i) {
        const RecordedCopy& copy = run.m_copies[i];
        if (copy.m_bGone)
            continue;
        UndoItem item;
        item.m_nCopy = qsizetype(i);
        item.m_strPath = DecodeFileName(run.CopyPath(copy));
        item.m_strSource = DecodeFileName(run.SourcePath(copy));
        plan.m_items.append(item);
    }
    if (plan.m_items.isEmpty() && run.m_nUndoneMs != 0) {
        const QString when =
            QDateTime::fromMSecsSinceEpoch(run.m_nUndoneMs).toString(u"yyyy-MM-dd HH:mm"_s);
        return Refused(
            selector.m_strRunId.isEmpty()
                ? QCoreApplication::translate(
                      "RunUndo",
                      "The last run of tamro for %1 (run %2) is already undone, since %3.")
                      .arg(selector.m_strLogFolder, id, when)
                : QCoreApplication::translate("RunUndo", "Run %1 is already undone, since %2.")
                      .arg(id, when));
    }
    plan.m_strRunId = run.m_strId;
    plan.m_strLogFolder = DecodeFileName(run.m_logFolder.m_path);
    return plan;
}

UndoPlan LoadRunForUndo(const QString& logFolder)
{
    return LoadRunForUndo(UndoSelector{logFolder, {}});
}

UndoItem UndoRecordedCopy(const UndoPlan& plan, qsizetype index, UndoMode mode,
                          const UndoProgress& progress)
{
    if (index < 0 || index >= plan.m_items.size()) {
        UndoItem outside;
        outside.m_strReason =
            QCoreApplication::translate("RunUndo", "the run's record holds no such copy");
        return outside;
    }
    UndoItem item = plan.m_items[index];
    const auto at = std::size_t(item.m_nCopy);
    const RecordedCopy& copy = plan.m_run.m_copies[at];
    const UndoCopyOutcome outcome =
        UndoCopy(plan.m_run.m_outputFolders[copy.m_nFolder], copy, plan.m_run.SourcePath(copy),
                 mode == UndoMode::Remove, progress);
    item.m_strReason = outcome.m_strReason;
    item.m_bGone = outcome.m_bGone;
    if (outcome.m_bRemoved)
        item.m_action = UndoAction::Removed;
    else if (outcome.m_bRemovable)
        item.m_action = UndoAction::WouldRemove;
    // A dry run writes nothing down, not even a copy it found missing: the
    // operator only asked what an undo would do.
    if (item.m_bGone && mode == UndoMode::Remove)
        plan.m_gone.push_back(at);
    return item;
}

QString MarkUndone(UndoPlan& plan)
{
    if (plan.m_gone.empty())
        return {};
    for (const std::size_t at : std::exchange(plan.m_gone, {})) {
        if (at < plan.m_run.m_copies.size())
            plan.m_run.m_copies[at].m_bGone = true;
    }
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
    result.m_strRunId = plan.m_strRunId;
    for (qsizetype i = 0; i < plan.Size(); ++i)
        result.m_items.append(UndoRecordedCopy(plan, i, mode));
    result.m_strMarkProblem = MarkUndone(plan);
    return result;
}

UndoResult UndoLastRun(const QString& logFolder, UndoMode mode)
{
    return UndoRun(UndoSelector{logFolder, {}}, mode);
}

#include "passes/undo_pass.h"

#include "output/run_undo.h"
#include "passes/job_run.h"
#include "passes/total_progress.h"

namespace {

FileOutcome OutcomeOf(UndoAction action)
{
    switch (action) {
    case UndoAction::Removed:
        return FileOutcome::Removed;
    case UndoAction::WouldRemove:
        return FileOutcome::WouldRemove;
    case UndoAction::Left:
        break;
    }
    return FileOutcome::Skipped;
}

} // namespace

RunSummary UndoPass(CJobRun& run, const UndoRequest& request)
{
    UndoPlan plan = LoadRunForUndo(UndoSelector{request.m_strLogFolder, request.m_strRunId});
    if (!plan.m_strError.isEmpty()) {
        RunSummary refused = run.Summary();
        refused.m_bStarted = false;
        refused.m_strRefusal = plan.m_strError;
        return refused;
    }
    const auto count = unsigned(plan.m_items.size());
    run.Observer().RunStarted(RunStart{JobKind::Undo, count});
    CTotalProgressSender progress(run.Observer());
    bool cancelled = false;
    for (unsigned i = 0; i < count; ++i) {
        if (run.State().Cancelled()) {
            progress.Reset();
            cancelled = true;
            break;
        }
        const UndoItem& planned = plan.m_items.at(i);
        run.Observer().FileStarted(FileStart{i, planned.m_strSource, planned.m_strPath});
        const UndoItem item = UndoRecordedCopy(plan, i, request.m_mode);
        run.EndFile(FileEnd{i, item.m_strSource, item.m_strPath, OutcomeOf(item.m_action),
                            item.m_strReason, 0});
        progress.AfterItem(i, count);
    }
    RunSummary summary = run.Summary();
    summary.m_bCancelled = cancelled;
    // Written down also after a cancel: what went stays gone.
    if (const QString problem = MarkUndone(plan); !problem.isEmpty())
        summary.m_logProblems.append(problem);
    summary.m_undoneRun = SummaryOf(plan.m_run);
    return summary;
}

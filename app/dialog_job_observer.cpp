#include "app/dialog_job_observer.h"

#include "app/tamro_dlg.h"
#include "app/window_calls.h"

#include <QProgressBar>

CDialogJobObserver::CDialogJobObserver(CtamroDlg& dialog, CWindowCalls& windowCalls)
    : m_dialog(dialog), m_windowCalls(windowCalls)
{}

void CDialogJobObserver::RunStarted(const RunStart& start)
{
    m_kind = start.m_kind;
    m_undone.clear();
    // Taken in on the window thread before the job opens anything: a Cancel
    // clicked right after Convert is seen by then, and nothing is started.
    m_windowCalls.Call([this] { m_dialog.m_nFilePercent = 0; });
}

void CDialogJobObserver::FileStarted(const FileStart&) {}

void CDialogJobObserver::FileProgress(int percent)
{
    m_dialog.OnWorkerFileProgress(percent);
    m_dialog.m_nFilePercent = percent;
    constexpr std::chrono::milliseconds kFrame(16);
    const auto now = std::chrono::steady_clock::now();
    if (now - m_lastFilePercentPost >= kFrame) {
        m_lastFilePercentPost = now;
        m_windowCalls.Post([this] { m_dialog.ShowFilePercent(); });
    }
}

void CDialogJobObserver::RunProgress(int percent)
{
    // At most one position per percent comes here; the worker need not wait
    // for the bar to be drawn.
    m_windowCalls.Post(
        [this, percent] { m_dialog.m_progressTotal->setValue(qBound(0, percent, 100)); });
}

void CDialogJobObserver::FileEnded(const FileEnd& file)
{
    if (m_kind == JobKind::Undo)
        m_undone.push_back(file);
    if (file.m_outcome != FileOutcome::Failed && file.m_outcome != FileOutcome::Cancelled)
        return;
    m_nFailures = file.m_nFailures;
    if (m_bFailuresQueued.exchange(true))
        return; // the drawing already queued shows this count too
    m_windowCalls.Post([this] {
        m_bFailuresQueued = false;
        m_dialog.ShowErrorCount(m_nFailures.load());
    });
}

void CDialogJobObserver::NamesPreviewed(const PreviewNames& names)
{
    m_windowCalls.Call([&] { m_dialog.ShowPreviewNames(names); });
}

void CDialogJobObserver::RunEnded(const RunSummary& summary)
{
    std::vector<FileEnd> undone = std::move(m_undone);
    m_undone.clear();
    m_windowCalls.Call([&] { m_dialog.OnJobEnded(summary, undone); });
}

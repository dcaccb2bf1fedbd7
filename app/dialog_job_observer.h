#pragma once

#include "passes/job_observer.h"

#include <QString>

#include <atomic>
#include <chrono>
#include <mutex>
#include <vector>

class CtamroDlg;
class CWindowCalls;

// How the main window hears its jobs: each call comes from the worker and
// is carried to the window thread. Bars and the error label are handed over
// without waiting (in order with everything else); the preview's cells and
// the run's end wait for the window, so a job never runs ahead of what it
// shows.
class CDialogJobObserver final : public CJobObserver
{
public:
    CDialogJobObserver(CtamroDlg& dialog, CWindowCalls& windowCalls);

    void RunStarted(const RunStart& start) override;
    void FileStarted(const FileStart& file) override;
    void FileProgress(int percent) override;
    void RunProgress(int percent) override;
    void FileEnded(const FileEnd& file) override;
    void NamesPreviewed(const PreviewNames& names) override;
    void RunEnded(const RunSummary& summary) override;

private:
    CtamroDlg& m_dialog;
    CWindowCalls& m_windowCalls;
    JobKind m_kind = JobKind::Preview;                           // worker only
    std::chrono::steady_clock::time_point m_lastFilePercentPost; // worker only
    std::vector<FileEnd> m_undone; // an undo's outcomes, for its box; worker only
    // The newest failure count; one drawing is queued at a time, so a run of
    // failures never floods the window and the last count is what shows.
    std::atomic<int> m_nFailures{0};
    std::atomic<bool> m_bFailuresQueued{false};
};

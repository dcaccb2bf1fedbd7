// The Preview and Convert buttons, the requests they hand the engine, what
// the engine tells back, and the worker thread.
#include "app/dialog_job_observer.h"
#include "app/file_list_ctrl.h"
#include "app/file_list_model.h"
#include "app/mnemonic.h"
#include "app/mode_tab_ctrl.h"
#include "app/tab_tags.h"
#include "app/tab_use_text_file.h"
#include "app/tamro_dlg.h"
#include "app/window_calls.h"
#include "modes/song_list_check.h"
#include "output/output_folder.h"
#include "passes/end_of_run.h"

#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>

#include <algorithm>

namespace {

// The song list must be a .txt file: the text after the last dot, when that
// dot is not the first character, in any letter case.
bool HasTxtExtension(const QString& path)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    return dot > 0 && path.mid(dot + 1).compare(u"txt"_qs, Qt::CaseInsensitive) == 0;
}

// The mode of a tab: item 0 is the song list, item 1 the pattern, item 2
// the tags.
NamingMode ModeOfTab(int tab)
{
    switch (tab) {
    case 0:
        return NamingMode::SongList;
    case 2:
        return NamingMode::Tags;
    default:
        return NamingMode::Pattern;
    }
}

} // namespace

bool CtamroDlg::SongListUsable()
{
    const QString problem = SongListProblem(m_pTabSongList->GetSongListPath());
    if (!problem.isEmpty())
        ShowMessage(problem);
    return problem.isEmpty();
}

bool CtamroDlg::TagFormatUsable()
{
    // The edit shows the same sentence already; the box says why nothing runs.
    const QString problem = m_pTabTags->FormatError();
    if (!problem.isEmpty())
        ShowMessage(problem);
    return problem.isEmpty();
}

bool CtamroDlg::OutputFolderReady()
{
    const QString folder = m_strOutputFolder;
    const OutputFolderCheck check = CheckOutputFolder(folder);
    if (check.state == OutputFolderState::Unusable) {
        ShowMessage(check.problem);
        return false;
    }
    if (check.state == OutputFolderState::Missing) {
        if (!AskYesNo(tr("The output folder does not exist. Create it?")))
            return false;
        const QString problem = CreateOutputFolder(folder);
        if (!problem.isEmpty()) {
            ShowMessage(problem);
            return false;
        }
    }
    return true;
}

JobListing CtamroDlg::CurrentListing(bool withPreviewNames) const
{
    const CFileListModel& model = *m_listFiles->Model();
    JobListing listing;
    listing.m_strCurrentFolder = m_strCurrentFolder;
    listing.m_pFiles = model.SharedFiles();
    if (withPreviewNames && HasPreviewColumn())
        listing.m_pPreviewNames = model.SharedColumn1();
    listing.m_nGeneration = model.Generation();
    return listing;
}

JobRequest CtamroDlg::MakeRequest(bool withPreviewNames) const
{
    JobRequest request;
    request.m_mode = ModeOfTab(m_tabMode->GetCurSel());
    request.m_listing = CurrentListing(withPreviewNames);
    request.m_strOutputFolder = m_strOutputFolder;
    request.m_strSongListPath = m_pTabSongList->GetSongListPath();
    request.m_strTagFormat = m_pTabTags->GetFormat();
    // The logs go where tamro was started from.
    request.m_strLogFolder = QDir::currentPath();
    return request;
}

void CtamroDlg::OnBnClickedPreview()
{
    if (WaitForFolderRead(&CtamroDlg::OnBnClickedPreview))
        return;
    bool run = true;
    if (m_tabMode->GetCurSel() == 0 && !HasTxtExtension(m_pTabSongList->GetSongListPath())) {
        ShowMessage(tr("Please input a path."));
        run = false;
    }
    if (!run || Job().m_nCommand.load() != JOB_IDLE)
        return;
    if (HasPreviewColumn()) {
        // A second press takes the preview away.
        m_listFiles->DeleteColumn1();
        m_progressTotal->setValue(0);
        return;
    }
    // An unusable song list is reported before anything runs; a stop request
    // while its box was up runs nothing either.
    if ((m_tabMode->GetCurSel() == 0 && !SongListUsable()) ||
        (m_tabMode->GetCurSel() == 2 && !TagFormatUsable()) || m_bClosing)
        return;
    m_listFiles->InsertColumn1(tr("Rename", "the column of new names"));
    // Only this thread leaves idle, so it succeeds.
    m_bPreviewRunning = Job().StartPreview(MakeRequest(false));
}

bool CtamroDlg::WaitForPreview(void (CtamroDlg::*click)())
{
    if (!m_bPreviewRunning)
        return false;
    if (std::find(m_waitingClicks.begin(), m_waitingClicks.end(), click) == m_waitingClicks.end())
        m_waitingClicks.push_back(click);
    return true;
}

void CtamroDlg::OnBnClickedConvert()
{
    // The job decides what the click means, not the caption, which a
    // desktop may have given a keyboard accelerator ("&Convert").
    if (Job().IsCancellableJobUnderWay()) {
        // Cancel: only a running convert (or undo) can be cancelled, and the
        // count of its failures stays on show.
        (void)Job().RequestCancel();
        return;
    }
    // A Convert pressed while the list is read, or while a preview fills
    // it, is taken up when that has ended, so a job copies the whole folder
    // under the whole preview.
    if (WaitForFolderRead(&CtamroDlg::OnBnClickedConvert) ||
        WaitForPreview(&CtamroDlg::OnBnClickedConvert))
        return;
    bool start = false;
    if (m_tabMode->GetCurSel() == 0) {
        start = HasTxtExtension(m_pTabSongList->GetSongListPath()) && !m_strOutputFolder.isEmpty();
        if (!start)
            ShowMessage(tr("Please input a path."));
    } else {
        start = !m_strOutputFolder.isEmpty();
        if (!start)
            ShowMessage(tr("Please input the output path."));
    }
    // The checks may open a box; a stop request meanwhile runs nothing.
    if (!start || (m_tabMode->GetCurSel() == 0 && !SongListUsable()) ||
        (m_tabMode->GetCurSel() == 2 && !TagFormatUsable()) || !OutputFolderReady() || m_bClosing)
        return;
    if (!Job().StartConvert(MakeRequest(true)))
        return;
    ShowErrorCount(0);
    m_btnConvert->setText(ConvertButtonCaption(tr("Cancel", "the button")));
}

void CtamroDlg::ShowErrorCount(int failures)
{
    m_staticError->setText(tr("Error : %1").arg(failures));
}

void CtamroDlg::ShowPreviewNames(const PreviewNames& names)
{
    // Names made for rows the list no longer shows are dropped.
    CFileListModel& model = *m_listFiles->Model();
    if (model.Generation() != names.m_nGeneration)
        return;
    if (!names.m_names.isEmpty())
        model.SetColumn1Texts(int(names.m_nFirst), names.m_names);
    if (!names.m_marks.empty())
        model.SetColumn1Marks(names.m_marks);
}

void CtamroDlg::OnJobEnded(const RunSummary& summary, const std::vector<FileEnd>& undone)
{
    ShowFilePercent();
    switch (summary.m_kind) {
    case JobKind::Preview:
        m_bPreviewRunning = false;
        break;
    case JobKind::Convert:
        OnConvertEnded(summary);
        break;
    case JobKind::Undo:
        OnUndoEnded(summary, undone);
        break;
    }
    if (!m_waitingClicks.empty())
        QMetaObject::invokeMethod(this, &CtamroDlg::RunWaitingClicks, Qt::QueuedConnection);
}

void CtamroDlg::OnConvertEnded(const RunSummary& summary)
{
    PutBackConvertCaption();
    if (!summary.m_strRefusal.isEmpty()) {
        ShowMessage(summary.m_strRefusal);
        return;
    }
    if (!summary.m_bStarted)
        return; // cancelled before it began: nothing ran, nothing to refresh
    if (RunEndIsNews(summary))
        ShowBox(RunEndIsWarning(summary) ? QMessageBox::Warning : QMessageBox::Information,
                RunEndText(summary));
    // The bars stay full while the box is up, so the operator sees the run
    // complete behind it.
    if (!summary.m_bCancelled) {
        m_progressTotal->setValue(0);
        m_progressFile->setValue(0);
        m_nFilePercent = 0;
    }
    RefreshFileList();
}

void CtamroDlg::StartWorker()
{
    Job().m_bWorkerRun = 1;
    m_hWorker = std::thread([this] {
        Job().WorkerThreadProc();
        // The last thing the worker does; the window then finishes a close.
        // Through the window's own call queue, whose hand-over the thread
        // checkers can see.
        m_pWindowCalls->Post([this] { OnWorkerEnded(); });
    });
}

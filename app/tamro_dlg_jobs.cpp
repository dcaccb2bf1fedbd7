// The Preview and Convert buttons and the worker thread.
#include "app/file_list_ctrl.h"
#include "app/mnemonic.h"
#include "app/mode_tab_ctrl.h"
#include "app/tab_use_text_file.h"
#include "app/tamro_dlg.h"
#include "app/window_calls.h"
#include "modes/song_list_check.h"
#include "output/output_folder.h"
#include "passes/worker.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace {

// The song list must be a .txt file: the text after the last dot, when that
// dot is not the first character, in any letter case.
bool HasTxtExtension(const QString& path)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    return dot > 0 && path.mid(dot + 1).compare(u"txt"_qs, Qt::CaseInsensitive) == 0;
}

} // namespace

bool CtamroDlg::SongListUsable()
{
    const QString problem = SongListProblem(m_pTabSongList->GetSongListPath());
    if (!problem.isEmpty())
        ShowMessage(problem);
    return problem.isEmpty();
}

bool CtamroDlg::OutputFolderReady()
{
    const QString folder = m_strOutputFolder.Load();
    const OutputFolderCheck check = CheckOutputFolder(folder);
    if (check.state == OutputFolderState::Unusable) {
        ShowMessage(check.problem);
        return false;
    }
    if (check.state == OutputFolderState::Missing) {
        if (!AskYesNo(u"The output folder does not exist. Create it?"_qs))
            return false;
        const QString problem = CreateOutputFolder(folder);
        if (!problem.isEmpty()) {
            ShowMessage(problem);
            return false;
        }
    }
    return true;
}

void CtamroDlg::OnBnClickedPreview()
{
    if (WaitForFolderRead(&CtamroDlg::OnBnClickedPreview))
        return;
    bool run = true;
    if (m_tabMode->GetCurSel() == 0 && !HasTxtExtension(m_pTabSongList->GetSongListPath())) {
        ShowMessage(u"Please input a path."_qs);
        run = false;
    }
    if (!run || m_nCommand.load() != JOB_IDLE)
        return;
    if (HasPreviewColumn()) {
        // A second press takes the preview away.
        m_listFiles->DeleteColumn1();
        m_progressTotal->setValue(0);
        return;
    }
    // An unusable song list is reported before anything runs; a stop request
    // while its box was up runs nothing either.
    if ((m_tabMode->GetCurSel() == 0 && !SongListUsable()) || m_bClosing)
        return;
    m_listFiles->InsertColumn1(u"Rename"_qs);
    (void)StartPreview(); // only this thread leaves idle, so it succeeds
}

void CtamroDlg::OnBnClickedConvert()
{
    // The job decides what the click means, not the caption, which a
    // desktop may have given a keyboard accelerator ("&Convert").
    if (IsConvertJobUnderWay()) {
        // Cancel: only a running convert can be cancelled, and the count of
        // its failures stays on show.
        (void)RequestCancel();
        return;
    }
    if (WaitForFolderRead(&CtamroDlg::OnBnClickedConvert))
        return;
    bool start = false;
    if (m_tabMode->GetCurSel() == 0) {
        start = HasTxtExtension(m_pTabSongList->GetSongListPath()) &&
                !m_strOutputFolder.Load().isEmpty();
        if (!start)
            ShowMessage(u"Please input a path."_qs);
    } else if (m_tabMode->GetCurSel() == 1) {
        start = !m_strOutputFolder.Load().isEmpty();
        if (!start)
            ShowMessage(u"Please input the output path."_qs);
    }
    // Both checks may open a box; a stop request meanwhile runs nothing.
    if (!start || (m_tabMode->GetCurSel() == 0 && !SongListUsable()) || !OutputFolderReady() ||
        m_bClosing)
        return;
    // A Convert clicked while a preview runs is taken up after it.
    if (!StartConvert())
        return;
    m_staticError->setText(u"Error : 0"_qs);
    m_btnConvert->setText(ConvertButtonCaption(u"Cancel"_qs));
}

void CtamroDlg::StartWorker()
{
    m_bWorkerRun = 1;
    m_hWorker = std::thread([this] {
        WorkerThreadProc(*this, *this);
        // The last thing the worker does; the window then finishes a close.
        // Through the window's own call queue, whose hand-over the thread
        // checkers can see.
        m_pWindowCalls->Post([this] { OnWorkerEnded(); });
    });
}

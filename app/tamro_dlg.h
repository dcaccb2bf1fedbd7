#pragma once

#include "passes/job_state.h"
#include "passes/locked_value.h"
#include "passes/pass_host.h"

#include <QDialog>
#include <QIcon>
#include <QMessageBox>
#include <QPointer>
#include <QString>

#include <chrono>
#include <cstdint>
#include <thread>
#include <vector>

class CAboutDlg;
class CFileListCtrl;
class CFolderTreeCtrl;
class CModeTabCtrl;
class CSettingsStore;
enum class DropTarget;
class CTabPattern;
class CTabUseTextFile;
class CWindowCalls;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QUrl;

// The dialog's own messages from the worker.
inline constexpr int WM_USER = 0x0400;
inline constexpr int UWM_REFRESH_LIST = WM_USER + 1;  // wParam VK_F5: refresh the list
inline constexpr int UWM_SET_CTRL_TEXT = WM_USER + 2; // wParam 1006: caption of Convert
inline constexpr int VK_F5 = 116;
inline constexpr int IDM_ABOUTBOX = 0x0010;

// The main window, "Song file convert": folder tree and file list, output
// folder, mode tabs, Preview and Convert, two progress bars and the error
// count. It is the job state that the worker shares (m_nCommand, the folders,
// the logs...), and implements the window side of the passes.
class CtamroDlg : public QDialog, public CPassHost, public CJobState
{
    Q_OBJECT

public:
    explicit CtamroDlg(QWidget* parent = nullptr);
    ~CtamroDlg() override;

    // Handlers, named after what triggers them.
    void OnSysCommand(int nID);
    void OnBnClickedPreview();
    void OnTvnSelchangedFolderTree();
    void OnBnClickedConvert();
    void OnClose();
    void OnTcnSelchangingMode();
    void OnTcnSelchangeMode();
    int OnRefreshList(std::uintptr_t wParam, std::intptr_t lParam);
    int OnSetCtrlText(std::uintptr_t wParam, const QString* lParam);
    void OnEnChangeOutputFolder();
    void OnBnClickedBrowseOutput();
    void OnShowSongListFolder();
    void OnUndoLastConvert(); // see tamro_dlg_undo.cpp

    void RefreshFileList();

    // The window side of the passes, called from the worker.
    CJobState& Job() override { return *this; }
    bool HasPreviewColumn() override;
    ListRows ReadListRows(unsigned first, unsigned count) override;
    std::uint64_t ListGeneration() const override;
    void WriteRenameCells(unsigned first, const QStringList& names) override;
    void WriteRenameMarks(const std::vector<RenameMark>& marks) override;
    void SetTotalProgress(int percent) override;
    void SetFileProgress(int percent) override;
    void SetErrorText(const QString& text) override;
    int SelectedTab() override;
    void SetConvertCaption(const QString& caption) override;
    void RequestRefreshList() override;
    void ShowMessage(const QString& text) override;
    void ShowWarning(const QString& text) override;

    // Fills the fields from `store` and keeps every later change there; the
    // store must outlive the dialog.
    void KeepSettingsIn(CSettingsStore& store);
    // Opens what tamro was started with: a folder as the source folder, a
    // file as the song list; a missing path is reported.
    void OpenStartPath(const QString& path);

    // True once the worker has ended and the window may go.
    bool IsClosed() const { return m_bClosed; }
    // A stop signal (SIGTERM, SIGINT, SIGHUP): closes as Close does, but the
    // copy under way is given up and open boxes are dismissed.
    void OnStopSignal();
    // Closes the window if nothing did, and returns once the worker has
    // ended: a dialog taken off the screen from outside still ends its job.
    void WaitUntilClosed();

    QIcon m_hIcon;
    CFileListCtrl* m_listFiles = nullptr;
    CFolderTreeCtrl* m_treeFolders = nullptr;
    QProgressBar* m_progressTotal = nullptr;
    std::thread m_hWorker;
    CTabUseTextFile* m_pTabSongList = nullptr;
    CTabPattern* m_pTabPattern = nullptr;
    CModeTabCtrl* m_tabMode = nullptr;
    QPushButton* m_btnConvert = nullptr;
    QLabel* m_staticError = nullptr;
    QLineEdit* m_editOutput = nullptr;
    QProgressBar* m_progressFile = nullptr;

Q_SIGNALS:
    // The worker has ended and the pages are gone.
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // Escape and the window manager reach QDialog::reject; only a close ends
    // this dialog.
    void reject() override {}

private:
    void DoDataExchange(const QHash<int, QWidget*>& controls);
    void OnInitDialog();
    void InitTabPages();
    // Lists `folder` as a new selection: the preview goes, and the count and
    // current folder follow the list once its read has ended.
    void ShowFolder(const QString& folder);
    void OnFolderRead(const QString& folder);
    // A Preview or Convert pressed while the list is being read is taken up
    // when the read ends, so a pass never sees half a folder. True when
    // `click` was kept for then.
    bool WaitForFolderRead(void (CtamroDlg::*click)());
    void RunWaitingClicks();
    void InstallKeyFilter();
    void InitDesktop(); // drops and the like, see tamro_dlg_desktop.cpp
    void OpenSourceFolder(const QString& folder);
    void OpenSongList(const QString& file);
    void OnDropUrls(DropTarget target, const QList<QUrl>& urls);
    void PressFocusedButton(QObject* watched);
    void StartWorker();
    // The checks before a job; each tells the operator what is wrong.
    bool SongListUsable();
    bool OutputFolderReady();
    void ShowBox(QMessageBox::Icon icon, const QString& text);
    bool AskYesNo(const QString& question);
    // Asks the worker to end (cancelling a running convert). True when there
    // is no worker left; otherwise it ends by itself and calls OnWorkerEnded.
    bool StopWorker();
    void OnWorkerEnded();
    void FinishClose();
    // A box of the undo: information (OK) or a question (Yes/No, No first).
    int ShowUndoBox(const QString& text, const QString& details, bool ask);

    CWindowCalls* m_pWindowCalls = nullptr; // the worker's way into the window
    // The per-file bar moves with every chunk of every copy. The worker
    // leaves the newest position here and asks the window to draw it at most
    // once a frame; any other call from the worker brings the bar up to date
    // first, so nothing is shown out of order and the last position is never
    // lost.
    std::atomic<int> m_nFilePercent{0};
    std::chrono::steady_clock::time_point m_lastFilePercentPost; // worker only
    void ShowFilePercent();
    // The newest "Error : N" text; one drawing is queued at a time, so a run
    // of failures never floods the window and the last count is what shows.
    LockedValue<QString> m_strErrorText;
    std::atomic<bool> m_bErrorTextQueued{false};
    QPushButton* m_btnPreview = nullptr;
    QPushButton* m_btnBrowseOutput = nullptr;
    std::vector<void (CtamroDlg::*)()> m_waitingClicks; // in the order pressed, each once
    bool m_bClosing = false;
    bool m_bClosed = false;
    // The F5 press being handed up from the focus widget to its parents.
    const QEvent* m_pF5Press = nullptr;
    QPointer<QWidget> m_pF5Receiver;
};

#pragma once

#include "passes/job.h"

#include <QDialog>
#include <QIcon>
#include <QMessageBox>
#include <QPointer>
#include <QString>

#include <cstdint>
#include <memory>
#include <thread>
#include <vector>

class CAboutDlg;
class CDialogJobObserver;
class CFileListCtrl;
class CFolderTreeCtrl;
class CModeTabCtrl;
class CSettingsStore;
enum class DropTarget;
class CTabPattern;
class CTabTags;
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
// count. It owns the job engine (whose job state holds m_nCommand, the error
// count and the logs) and its worker thread: it builds a request from what it
// shows when a job starts, and shows what the job tells it.
class CtamroDlg : public QDialog
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
    // True when column 1 of the file list is headed exactly "Rename".
    bool HasPreviewColumn() const;

    // The engine, with the job state the worker shares.
    CJob& Job() { return *m_pJob; }

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
    // What the list shows once its read has ended, and the output folder the
    // edit means; the jobs get them in their requests.
    QString m_strCurrentFolder;
    QString m_strOutputFolder;
    unsigned m_nFileCount = 0;
    CFileListCtrl* m_listFiles = nullptr;
    CFolderTreeCtrl* m_treeFolders = nullptr;
    QProgressBar* m_progressTotal = nullptr;
    std::thread m_hWorker;
    CTabUseTextFile* m_pTabSongList = nullptr;
    CTabPattern* m_pTabPattern = nullptr;
    CTabTags* m_pTabTags = nullptr;
    CModeTabCtrl* m_tabMode = nullptr;
    QPushButton* m_btnConvert = nullptr;
    QLabel* m_staticError = nullptr;
    QLineEdit* m_editOutput = nullptr;
    QProgressBar* m_progressFile = nullptr;

Q_SIGNALS:
    // The worker has ended and the pages are gone.
    void closed();

protected:
    // Each position of the per-file bar, on the worker thread, before the
    // window is asked to draw it (tests hold a copy here).
    virtual void OnWorkerFileProgress(int percent) { Q_UNUSED(percent); }

    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // Escape and the window manager reach QDialog::reject; only a close ends
    // this dialog.
    void reject() override {}

private:
    friend class CDialogJobObserver;

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
    // A Convert pressed while a preview fills the list waits for its end,
    // so the convert copies under the whole preview.
    bool WaitForPreview(void (CtamroDlg::*click)());
    void RunWaitingClicks();
    void InstallKeyFilter();
    void InitDesktop(); // drops and the like, see tamro_dlg_desktop.cpp
    void OpenSourceFolder(const QString& folder);
    void OpenSongList(const QString& file);
    void OnDropUrls(DropTarget target, const QList<QUrl>& urls);
    void PressFocusedButton(QObject* watched);
    void StartWorker();
    // A request for a job of the selected mode over what the list shows.
    JobRequest MakeRequest(bool withPreviewNames) const;
    JobListing CurrentListing(bool withPreviewNames) const;
    // What a job tells the window, on the window thread.
    void OnJobEnded(const RunSummary& summary, const std::vector<FileEnd>& undone);
    void OnConvertEnded(const RunSummary& summary);
    void OnUndoEnded(const RunSummary& summary, const std::vector<FileEnd>& undone);
    void ShowPreviewNames(const PreviewNames& names);
    void ShowErrorCount(int failures);
    void PutBackConvertCaption();
    // The checks before a job; each tells the operator what is wrong.
    bool SongListUsable();
    bool TagFormatUsable();
    bool OutputFolderReady();
    void ShowMessage(const QString& text);
    void ShowBox(QMessageBox::Icon icon, const QString& text);
    bool AskYesNo(const QString& question);
    // Asks the worker to end (cancelling a running convert). True when there
    // is no worker left; otherwise it ends by itself and calls OnWorkerEnded.
    bool StopWorker();
    void OnWorkerEnded();
    void FinishClose();
    // A box of the undo: information (OK) or a question (Yes/No, No first).
    int ShowUndoBox(const QString& text, const QString& details, bool ask);
    void AskToUndo(const std::vector<FileEnd>& planned);

    CWindowCalls* m_pWindowCalls = nullptr; // the worker's way into the window
    std::unique_ptr<CDialogJobObserver> m_pJobObserver;
    std::unique_ptr<CJob> m_pJob;
    // The per-file bar moves with every chunk of every copy. The worker
    // leaves the newest position here and asks the window to draw it at most
    // once a frame; any other call from the worker brings the bar up to date
    // first, so nothing is shown out of order and the last position is never
    // lost.
    std::atomic<int> m_nFilePercent{0};
    void ShowFilePercent();
    QPushButton* m_btnPreview = nullptr;
    QPushButton* m_btnBrowseOutput = nullptr;
    std::vector<void (CtamroDlg::*)()> m_waitingClicks; // in the order pressed, each once
    bool m_bPreviewRunning = false;
    bool m_bUndoRemoving = false; // the undo under way removes, after the operator agreed
    bool m_bClosing = false;
    bool m_bClosed = false;
    // The F5 press being handed up from the focus widget to its parents.
    const QEvent* m_pF5Press = nullptr;
    QPointer<QWidget> m_pF5Receiver;
};

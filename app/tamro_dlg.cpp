#include "app/tamro_dlg.h"

#include "app/about_dlg.h"
#include "app/dialog_job_observer.h"
#include "app/dialog_layout.h"
#include "app/file_list_ctrl.h"
#include "app/folder_tree_ctrl.h"
#include "app/mnemonic.h"
#include "app/mode_tab_ctrl.h"
#include "app/tab_pattern.h"
#include "app/tab_tags.h"
#include "app/tab_use_text_file.h"
#include "app/window_calls.h"
#include "res/dialog_templates.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QEventLoop>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTabBar>

CtamroDlg::CtamroDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(u"CtamroDlg"_qs);
    m_pWindowCalls = new CWindowCalls(this);
    m_pWindowCalls->SetBeforeEachCall([this] { ShowFilePercent(); });
    m_pJobObserver = std::make_unique<CDialogJobObserver>(*this, *m_pWindowCalls);
    m_pJob = std::make_unique<CJob>(*m_pJobObserver);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(TemplateText(kMainTemplate.caption));
    m_hIcon = QApplication::windowIcon();
    DoDataExchange(CreateControls(this, kMainTemplate));
    setFixedSize(DialogUnits(font()).ToPixels(kMainTemplate.cx, kMainTemplate.cy));

    connect(m_btnPreview, &QPushButton::clicked, this, &CtamroDlg::OnBnClickedPreview);
    connect(m_treeFolders, &CFolderTreeCtrl::selectionChangedTo, this,
            &CtamroDlg::OnTvnSelchangedFolderTree);
    connect(m_listFiles, &CFileListCtrl::folderRead, this, &CtamroDlg::OnFolderRead);
    connect(m_btnConvert, &QPushButton::clicked, this, &CtamroDlg::OnBnClickedConvert);
    connect(m_tabMode, &CModeTabCtrl::selectionChanging, this, &CtamroDlg::OnTcnSelchangingMode);
    connect(m_tabMode, &CModeTabCtrl::selectionChanged, this, &CtamroDlg::OnTcnSelchangeMode);
    connect(m_editOutput, &QLineEdit::textChanged, this, &CtamroDlg::OnEnChangeOutputFolder);
    connect(m_btnBrowseOutput, &QPushButton::clicked, this, &CtamroDlg::OnBnClickedBrowseOutput);

    OnInitDialog();
}

CtamroDlg::~CtamroDlg()
{
    // Every way out closes the dialog first, which lets the worker end; this
    // only covers a dialog destroyed while still open and idle.
    if (!StopWorker())
        m_hWorker.join();
}

void CtamroDlg::DoDataExchange(const QHash<int, QWidget*>& controls)
{
    m_listFiles = static_cast<CFileListCtrl*>(controls.value(IDC_FILE_LIST));
    m_treeFolders = static_cast<CFolderTreeCtrl*>(controls.value(IDC_FOLDER_TREE));
    m_progressTotal = static_cast<QProgressBar*>(controls.value(IDC_PROGRESS_TOTAL));
    m_tabMode = static_cast<CModeTabCtrl*>(controls.value(IDC_MODE_TABS));
    m_btnConvert = static_cast<QPushButton*>(controls.value(IDC_CONVERT));
    m_staticError = static_cast<QLabel*>(controls.value(IDC_ERROR_COUNT));
    m_editOutput = static_cast<QLineEdit*>(controls.value(IDC_OUTPUT_FOLDER));
    m_progressFile = static_cast<QProgressBar*>(controls.value(IDC_PROGRESS_FILE));
    m_btnPreview = static_cast<QPushButton*>(controls.value(IDC_PREVIEW));
    m_btnBrowseOutput = static_cast<QPushButton*>(controls.value(IDC_BROWSE_OUTPUT));
}

void CtamroDlg::OnInitDialog()
{
    setWindowIcon(m_hIcon);
    m_staticError->setText(tr("Error : %1").arg(0));
    InitTabPages();
    // As the window reads, top to bottom: where the songs are, where their
    // copies go, how they are named, then the two actions.
    SetTabOrder(QList<QWidget*>{m_treeFolders, m_listFiles, m_editOutput, m_btnBrowseOutput,
                                m_tabMode->TabBar()} +
                m_pTabSongList->TabStops() + QList<QWidget*>{m_btnPreview, m_btnConvert});
    InstallKeyFilter();
    InitDesktop();
    StartWorker();
}

void CtamroDlg::InstallKeyFilter()
{
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
}

bool CtamroDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            PressFocusedButton(watched); // as Space would; never the dialog's end
            return true;
        case Qt::Key_Escape:
            return true; // never ends the dialog
        case Qt::Key_F5: {
            // An unused key press travels from the focus widget up through
            // its parents, and every one of them is filtered here: refresh at
            // its first stop only.
            auto* receiver = qobject_cast<QWidget*>(watched);
            const bool handedUp = event == m_pF5Press && receiver && m_pF5Receiver &&
                                  receiver->isAncestorOf(m_pF5Receiver);
            if (!handedUp)
                RefreshFileList();
            m_pF5Press = event;
            m_pF5Receiver = receiver;
            break; // and on to the control like any other key
        }
        case Qt::Key_F1:
            OnSysCommand(IDM_ABOUTBOX);
            return true;
        default:
            break;
        }
    }
    // A new press may reuse the old one's address.
    if (event->type() == QEvent::KeyRelease && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F5)
        m_pF5Press = nullptr;
    return QDialog::eventFilter(watched, event);
}

void CtamroDlg::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    menu.setObjectName(u"dialogMenu"_qs);
    QAction* undo = menu.addAction(tr("Undo last convert…"));
    undo->setObjectName(u"undoAction"_qs);
    undo->setEnabled(Job().m_nCommand.load() == JOB_IDLE);
    QAction* about = menu.addAction(tr("&About tamro..."));
    QAction* chosen = menu.exec(event->globalPos());
    if (chosen == about)
        OnSysCommand(IDM_ABOUTBOX);
    else if (chosen == undo)
        OnUndoLastConvert();
}

void CtamroDlg::OnSysCommand(int nID)
{
    if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg about(this);
        about.exec();
    }
}

int CtamroDlg::OnRefreshList(std::uintptr_t wParam, std::intptr_t)
{
    if (wParam == VK_F5)
        RefreshFileList();
    return 0;
}

int CtamroDlg::OnSetCtrlText(std::uintptr_t wParam, const QString* lParam)
{
    if (wParam == IDC_CONVERT && lParam)
        m_btnConvert->setText(ConvertButtonCaption(*lParam));
    return 0;
}

void CtamroDlg::closeEvent(QCloseEvent* event)
{
    OnClose();
    if (m_bClosed)
        event->accept();
    else
        event->ignore(); // the worker is finishing; OnWorkerEnded closes
}

void CtamroDlg::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    // Hidden by the program rather than by the window system (which hides a
    // minimised window): nothing would be left to close it, so close now.
    if (!event->spontaneous() && !m_bClosed)
        OnClose();
}

void CtamroDlg::OnStopSignal()
{
    Job().m_bAbandonCopy = true;
    // Menus, boxes and file dialogs over the window would hold the close up;
    // they go as if dismissed.
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    for (QWidget* modal = QApplication::activeModalWidget(); modal && modal != this;) {
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
        QWidget* next = QApplication::activeModalWidget();
        modal = next == modal ? nullptr : next;
    }
    OnClose();
}

void CtamroDlg::WaitUntilClosed()
{
    if (m_bClosed)
        return;
    OnClose();
    QEventLoop loop;
    connect(this, &CtamroDlg::closed, &loop, &QEventLoop::quit);
    if (!m_bClosed)
        loop.exec();
}

void CtamroDlg::OnClose()
{
    if (m_bClosing)
        return;
    m_bClosing = true;
    if (StopWorker())
        FinishClose();
    // Otherwise OnWorkerEnded finishes the close once the worker is gone.
}

bool CtamroDlg::StopWorker()
{
    if (!m_hWorker.joinable())
        return true;
    // A running convert stops after its current file and closes its logs;
    // the window keeps serving the worker meanwhile. No thread is killed.
    Job().StopWorkerLoop();
    return false;
}

void CtamroDlg::OnWorkerEnded()
{
    // The worker posts this as its last act, so the join is immediate.
    if (m_hWorker.joinable())
        m_hWorker.join();
    if (m_bClosing)
        FinishClose();
}

void CtamroDlg::FinishClose()
{
    delete m_pTabSongList;
    m_pTabSongList = nullptr;
    delete m_pTabPattern;
    m_pTabPattern = nullptr;
    delete m_pTabTags;
    m_pTabTags = nullptr;
    m_bClosed = true;
    done(QDialog::Rejected);
    Q_EMIT closed();
}

bool CtamroDlg::HasPreviewColumn() const
{
    return m_listFiles->GetColumn1Heading() == tr("Rename", "the column of new names");
}

void CtamroDlg::ShowFilePercent()
{
    m_progressFile->setValue(qBound(0, m_nFilePercent.load(), 100));
}

void CtamroDlg::ShowMessage(const QString& text)
{
    ShowBox(QMessageBox::Information, text);
}

void CtamroDlg::ShowBox(QMessageBox::Icon icon, const QString& text)
{
    // A window on its way out (a stop signal, a close during the job) must
    // not wait on a box nobody may see; the terminal gets the text.
    if (m_bClosing) {
        qWarning("tamro: %s", qUtf8Printable(text));
        return;
    }
    QMessageBox box(icon, u"tamro"_qs, text, QMessageBox::Ok, this);
    box.setObjectName(u"messageBox"_qs);
    box.exec();
}

bool CtamroDlg::AskYesNo(const QString& question)
{
    QMessageBox box(QMessageBox::Question, u"tamro"_qs, question,
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setObjectName(u"messageBox"_qs);
    box.setEscapeButton(QMessageBox::No);
    box.exec();
    // A box dismissed any other way (a stop signal) is a No.
    return box.clickedButton() == box.button(QMessageBox::Yes);
}

void CtamroDlg::PutBackConvertCaption()
{
    const QString caption = tr("Convert", "the button");
    OnSetCtrlText(IDC_CONVERT, &caption);
}

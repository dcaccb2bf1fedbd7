// The folder tree, the file list and the output folder.
#include "app/file_list_ctrl.h"
#include "app/folder_tree_ctrl.h"
#include "app/tamro_dlg.h"
#include "platform/home_path.h"

#include <QDir>
#include <QFileDialog>
#include <QLineEdit>

#include <algorithm>
#include <utility>

void CtamroDlg::OnTvnSelchangedFolderTree()
{
    ShowFolder(m_treeFolders->GetSelectedPath());
}

void CtamroDlg::ShowFolder(const QString& folder)
{
    // A preview never survives a change of folder.
    if (HasPreviewColumn())
        m_listFiles->DeleteColumn1();
    m_listFiles->DisplayFolder(folder);
}

void CtamroDlg::RefreshFileList()
{
    if (HasPreviewColumn())
        m_listFiles->DeleteColumn1();
    m_listFiles->Refresh();
}

void CtamroDlg::OnFolderRead(const QString& folder)
{
    // The files a pass handles are the files the list shows, read to the end.
    m_nFileCount = unsigned(m_listFiles->GetItemCount());
    m_strCurrentFolder = folder;
    // A job under way goes on with this folder from its next file. An idle
    // engine gets the listing with its next request.
    if (Job().m_nCommand.load() != JOB_IDLE)
        Job().Live().SetListing(CurrentListing(false));
    if (!m_waitingClicks.empty())
        QMetaObject::invokeMethod(this, &CtamroDlg::RunWaitingClicks, Qt::QueuedConnection);
}

bool CtamroDlg::WaitForFolderRead(void (CtamroDlg::*click)())
{
    if (!m_listFiles->IsReading())
        return false;
    if (std::find(m_waitingClicks.begin(), m_waitingClicks.end(), click) == m_waitingClicks.end())
        m_waitingClicks.push_back(click);
    return true;
}

void CtamroDlg::RunWaitingClicks()
{
    // A click taken up here may find yet another read under way and wait again.
    for (const auto click : std::exchange(m_waitingClicks, {})) {
        if (m_bClosing)
            return;
        (this->*click)();
    }
}

void CtamroDlg::OnEnChangeOutputFolder()
{
    // The jobs use the folder the text means; the text itself stays as typed.
    m_strOutputFolder = ExpandHomePath(m_editOutput->text());
    // A job under way copies its next file there.
    Job().Live().SetOutputFolder(m_strOutputFolder);
}

void CtamroDlg::OnBnClickedBrowseOutput()
{
    QFileDialog dialog(this, tr("Current folder is:"));
    dialog.setObjectName(u"outputFolderDialog"_qs);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setFileMode(QFileDialog::Directory);
    const QString current = m_editOutput->text();
    dialog.setDirectory(!current.isEmpty() && QDir(current).exists() ? current : QDir::homePath());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    m_editOutput->setText(dialog.selectedFiles().first());
    OnEnChangeOutputFolder();
}

// The mode tabs and their pages.
#include "app/file_list_ctrl.h"
#include "app/folder_tree_ctrl.h"
#include "app/mode_tab_ctrl.h"
#include "app/tab_pattern.h"
#include "app/tab_tags.h"
#include "app/tab_use_text_file.h"
#include "app/tamro_dlg.h"

#include <QLineEdit>
#include <QTabBar>

void CtamroDlg::InitTabPages()
{
    m_tabMode->InsertItem(0, tr("Convert", "the tab of the song-list mode"));
    m_pTabSongList = new CTabUseTextFile(m_tabMode);
    m_pTabSongList->setObjectName(u"m_pTabSongList"_qs);
    m_pTabSongList->setAccessibleName(m_tabMode->TabBar()->tabText(0));
    m_pTabSongList->setGeometry(m_tabMode->PageRect());
    m_pTabSongList->hide();
    connect(m_pTabSongList, &CTabUseTextFile::showSongListFolder, this,
            &CtamroDlg::OnShowSongListFolder);

    m_tabMode->InsertItem(1, tr("Rename", "the tab of the pattern mode"));
    m_pTabPattern = new CTabPattern(m_tabMode);
    m_pTabPattern->setObjectName(u"m_pTabPattern"_qs);
    m_pTabPattern->setAccessibleName(m_tabMode->TabBar()->tabText(1));
    m_pTabPattern->setGeometry(m_tabMode->PageRect());
    m_pTabPattern->hide();

    m_tabMode->InsertItem(2, tr("Tags", "the tab of the tag mode"));
    m_pTabTags = new CTabTags(m_tabMode);
    m_pTabTags->setObjectName(u"m_pTabTags"_qs);
    m_pTabTags->setAccessibleName(m_tabMode->TabBar()->tabText(2));
    m_pTabTags->setGeometry(m_tabMode->PageRect());
    m_pTabTags->hide();

    m_tabMode->SetCurSel(0);
    m_pTabSongList->show();
}

void CtamroDlg::OnTcnSelchangingMode()
{
    if (m_tabMode->GetCurSel() == 0)
        m_pTabSongList->hide();
    else if (m_tabMode->GetCurSel() == 1)
        m_pTabPattern->hide();
    else if (m_tabMode->GetCurSel() == 2)
        m_pTabTags->hide();
}

void CtamroDlg::OnTcnSelchangeMode()
{
    if (m_tabMode->GetCurSel() == 0)
        m_pTabSongList->show();
    else if (m_tabMode->GetCurSel() == 1)
        m_pTabPattern->show();
    else if (m_tabMode->GetCurSel() == 2)
        m_pTabTags->show();
}

void CtamroDlg::OnShowSongListFolder()
{
    const QString path = m_pTabSongList->GetSongListPath();
    const qsizetype slash = path.lastIndexOf(u'/');
    const QString folder = slash == 0 ? u"/"_qs : path.left(qMax<qsizetype>(slash, 0));
    if (folder.isEmpty())
        return;
    if (m_treeFolders->SelectPath(folder) && m_listFiles->GetCurrentFolder() == folder)
        return; // the tree's selection handler has listed it
    // The tree cannot show this folder (hidden, or already selected): list
    // it all the same, and let the passes see what the list shows.
    ShowFolder(folder);
}

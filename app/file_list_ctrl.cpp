#include "app/file_list_ctrl.h"

#include "app/file_list_model.h"

#include <QHeaderView>

CFileListCtrl::CFileListCtrl(QWidget* parent)
    : QTreeView(parent), m_pModel(new CFileListModel(this))
{
    setModel(m_pModel);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    // Every row has the same height, which keeps a folder of 100,000 files
    // as fast to show as a folder of ten.
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setContextMenuPolicy(Qt::PreventContextMenu);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    SetColumnWidths();
}

void CFileListCtrl::DisplayFolder(const QString& folder)
{
    m_strFolder = folder;
    m_pModel->SetFiles(ListFolderFiles(folder));
}

void CFileListCtrl::Refresh()
{
    DisplayFolder(m_strFolder);
}

int CFileListCtrl::GetItemCount() const
{
    return m_pModel->rowCount();
}

void CFileListCtrl::InsertColumn1(const QString& heading)
{
    m_pModel->InsertColumn1(heading);
    SetColumnWidths();
}

void CFileListCtrl::DeleteColumn1()
{
    m_pModel->DeleteColumn1();
    SetColumnWidths();
}

QString CFileListCtrl::GetColumn1Heading() const
{
    return m_pModel->HasColumn1() ? m_pModel->Column1Heading() : QString();
}

void CFileListCtrl::SetColumnWidths()
{
    const int em = fontMetrics().averageCharWidth();
    int column = 0;
    setColumnWidth(column++, 24 * em);
    if (m_pModel->HasColumn1())
        setColumnWidth(column++, 100);
    setColumnWidth(column++, 10 * em);
    setColumnWidth(column++, 9 * em);
    setColumnWidth(column++, 17 * em);
}

#pragma once

#include <QString>
#include <QTreeView>

class CFileListModel;

// The file list: a report view of the files of one folder, read at once so
// the row count is right as soon as DisplayFolder returns. No context menu.
class CFileListCtrl : public QTreeView
{
    Q_OBJECT

public:
    explicit CFileListCtrl(QWidget* parent = nullptr);

    // Shows the files of `folder`; a folder that cannot be read shows none.
    void DisplayFolder(const QString& folder);
    // Reads the shown folder again.
    void Refresh();
    QString GetCurrentFolder() const { return m_strFolder; }
    int GetItemCount() const;

    // Column 1 (the preview's "Rename" column), 100 pixels wide.
    void InsertColumn1(const QString& heading);
    void DeleteColumn1();
    QString GetColumn1Heading() const;

    CFileListModel* Model() const { return m_pModel; }

private:
    void SetColumnWidths();

    CFileListModel* m_pModel;
    QString m_strFolder;
};

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

Q_SIGNALS:
    // The list now shows `folder` (a new one, or the same one read again).
    void folderShown(const QString& folder);

private:
    void SetColumnWidths();
    // Widens column 1 to its widest name so far, rows first..last being new.
    void FitColumn1(int first, int last);

    CFileListModel* m_pModel;
    QString m_strFolder;
    int m_nColumn1WidestRow = -1;
    int m_nColumn1WidestText = 0; // pixels
};

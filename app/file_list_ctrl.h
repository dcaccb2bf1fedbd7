#pragma once

#include "passes/folder_reader.h"

#include <QString>
#include <QTableView>

class CFileListModel;

// The file list: a report view of the files of one folder. The folder is read
// off the window thread: rows come in batches while the read runs (with a
// busy cursor over the list), then all of them in natural order. No context menu.
class CFileListCtrl : public QTableView
{
    Q_OBJECT

public:
    explicit CFileListCtrl(QWidget* parent = nullptr);

    // Starts showing the files of `folder`, superseding any read under way;
    // a folder that cannot be read shows none.
    void DisplayFolder(const QString& folder);
    // Reads the shown folder again.
    void Refresh();
    // The folder last asked for, read to its end or not.
    QString GetCurrentFolder() const { return m_strFolder; }
    bool IsReading() const { return m_reader.IsReading(); }
    // How folders are read (a slow or blocking one in tests and benchmarks).
    void SetFolderLister(FolderLister lister) { m_reader.SetLister(std::move(lister)); }
    int GetItemCount() const;

    // Column 1 (the preview's "Rename" column), 100 pixels wide.
    void InsertColumn1(const QString& heading);
    void DeleteColumn1();
    QString GetColumn1Heading() const;

    CFileListModel* Model() const { return m_pModel; }

Q_SIGNALS:
    // The list now shows `folder` (a new one, or the same one read again);
    // its rows are on their way.
    void folderShown(const QString& folder);
    // All the rows of `folder` are in: its read has ended.
    void folderRead(const QString& folder);

private:
    void SetColumnWidths();
    // Widens column 1 to its widest name so far, rows first..last being new.
    void FitColumn1(int first, int last);

    CFileListModel* m_pModel;
    QString m_strFolder;
    CFolderReader m_reader; // after what its callbacks use
    int m_nColumn1WidestRow = -1;
    int m_nColumn1WidestText = 0; // pixels
};

#pragma once

#include "passes/folder_listing.h"
#include "passes/rename_mark.h"
#include "platform/packed_texts.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QString>
#include <QStringList>

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

// The rows of the file list: one per file of the shown folder, in natural
// name order. Columns: Name, then the optional column 1 (the "Rename"
// column of a preview), then Size, Type, Date Modified. Column 0 shows a
// readable name; NameAt gives the exact one for copying.
class CFileListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit CFileListModel(QObject* parent = nullptr);

    void SetFiles(CListedFiles files);
    // Adds rows at the end, as a folder's read finds them.
    void AppendFiles(const CListedFiles& files);

    // Column 1, inserted before Size.
    bool HasColumn1() const { return m_bHasColumn1; }
    QString Column1Heading() const { return m_strColumn1Heading; }
    void InsertColumn1(const QString& heading);
    void DeleteColumn1();
    QString Column1Text(int row) const;
    // Fills column 1 of rows first, first + 1, ...; rows past the end are ignored.
    void SetColumn1Texts(int first, const QStringList& texts);
    // Marks cells of column 1 with a warning icon and a tooltip that names
    // the copy's final name and the reason; a new mark of a row replaces the
    // old one. Marks go with the column and with the rows.
    void SetColumn1Marks(const std::vector<RenameMark>& marks);

    QString NameAt(int row) const;
    // The rows and the column 1 texts as they stand, to be handed to a job:
    // the model never changes what it has handed out (a change makes a
    // copy of its own first).
    std::shared_ptr<const CListedFiles> SharedFiles() const { return m_pFiles; }
    std::shared_ptr<const CPackedTexts> SharedColumn1() const { return m_pColumn1; }
    // Changes whenever the rows or column 1 change, so a reader on another
    // thread can tell that rows it read earlier are stale.
    std::uint64_t Generation() const { return m_nGeneration.load(); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    enum class Field
    {
        Name,
        Column1,
        Size,
        Type,
        Modified
    };
    Field FieldOf(int column) const;
    QVariant Column1Mark(int row, int role) const;

    CListedFiles& FilesToChange();
    CPackedTexts& Column1ToChange();
    void NewColumn1();

    std::shared_ptr<CListedFiles> m_pFiles;
    std::shared_ptr<CPackedTexts>
        m_pColumn1;                        // a million names would take twice as much as QStrings
    QHash<int, RenameMark> m_column1Marks; // by row; only rows that need a look
    bool m_bHasColumn1 = false;
    QString m_strColumn1Heading;
    std::atomic<std::uint64_t> m_nGeneration{0};
};

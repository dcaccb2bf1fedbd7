#include "app/file_list_ctrl.h"

#include "app/file_list_model.h"
#include "app/window_calls.h"

#include <QHeaderView>

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

CFileListCtrl::CFileListCtrl(QWidget* parent)
    : QTableView(parent), m_pModel(new CFileListModel(this)),
      m_reader([calls = new CWindowCalls(this)](
                   CFolderReader::Call call) { calls->Post(std::move(call)); },
               [this](CFolderReader::Files batch) { m_pModel->AppendFiles(batch); },
               [this](CFolderReader::Files sorted) {
                   m_pModel->SetFiles(std::move(sorted));
                   viewport()->unsetCursor();
                   Q_EMIT folderRead(m_strFolder);
               })
{
    setModel(m_pModel);
    // A table keeps nothing per row but the model's own data, and every row
    // has the same height: a folder of a million files is as quick to show
    // as a folder of ten, and adding rows while a folder is read costs next
    // to nothing.
    setShowGrid(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // As compact as a file manager's detail view.
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height());
    horizontalHeader()->setHighlightSections(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the list for the next control instead of walking its cells.
    setTabKeyNavigation(false);
    setContextMenuPolicy(Qt::PreventContextMenu);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setSectionsMovable(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    SetColumnWidths();
    connect(m_pModel, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                if (m_pModel->HasColumn1() && topLeft.column() <= 1 && bottomRight.column() >= 1)
                    FitColumn1(topLeft.row(), bottomRight.row());
            });
}

void CFileListCtrl::DisplayFolder(const QString& folder)
{
    m_strFolder = folder;
    m_pModel->SetFiles({});
    viewport()->setCursor(Qt::BusyCursor);
    m_reader.Read(folder);
    Q_EMIT folderShown(folder);
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

void CFileListCtrl::FitColumn1(int first, int last)
{
    // Names arrive in pieces while a preview runs; only the widest counts.
    // Measuring text is slow (100,000 names would hold the window for a
    // second or more), so only the names with the most characters of each
    // piece are measured: the widest name is among them but for freak mixes
    // of wide and narrow letters.
    constexpr std::size_t kMeasured = 16;
    std::vector<std::pair<qsizetype, int>> lengths; // characters, row
    lengths.reserve(std::size_t(qMax(0, last - first + 1)));
    for (int row = first; row <= last; ++row)
        lengths.emplace_back(m_pModel->index(row, 1).data().toString().size(), row);
    if (lengths.size() > kMeasured) {
        std::nth_element(lengths.begin(), lengths.begin() + kMeasured, lengths.end(),
                         std::greater<>());
        lengths.resize(kMeasured);
    }
    const QFontMetrics metrics = fontMetrics();
    const int widestBefore = m_nColumn1WidestRow;
    for (const auto& [length, row] : lengths) {
        const int width = metrics.horizontalAdvance(m_pModel->index(row, 1).data().toString());
        if (width > m_nColumn1WidestText) {
            m_nColumn1WidestText = width;
            m_nColumn1WidestRow = row;
        }
    }
    if (m_nColumn1WidestRow == widestBefore)
        return;
    // The cell's own margins come from the view; the operator may still
    // resize the column, and a later, wider name widens it again.
    const int wanted = sizeHintForIndex(m_pModel->index(m_nColumn1WidestRow, 1)).width();
    const int width = qMin(qMax(wanted, 100), viewport()->width());
    if (width > columnWidth(1))
        setColumnWidth(1, width);
}

void CFileListCtrl::SetColumnWidths()
{
    m_nColumn1WidestRow = -1;
    m_nColumn1WidestText = 0;
    const int em = fontMetrics().averageCharWidth();
    int column = 0;
    setColumnWidth(column++, 24 * em);
    if (m_pModel->HasColumn1())
        setColumnWidth(column++, 100);
    setColumnWidth(column++, 10 * em);
    setColumnWidth(column++, 9 * em);
    setColumnWidth(column++, 17 * em);
}

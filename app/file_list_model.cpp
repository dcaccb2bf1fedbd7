#include "app/file_list_model.h"

#include "platform/file_name_codec.h"

#include <QApplication>
#include <QDateTime>
#include <QStyle>

#include <malloc.h>
#include <thread>

namespace {

// Giving the pages of a big row set back to the system can hold the thread
// that does it for tens of milliseconds, so big row sets are freed on a
// thread of their own, which then hands the memory back. A set a job still
// holds is freed by the job when it lets go.
void Discard(std::shared_ptr<CListedFiles>& rows)
{
    constexpr std::size_t kFreedAtOnce = 20000;
    std::shared_ptr<CListedFiles> doomed = std::move(rows);
    rows = std::make_shared<CListedFiles>();
    if (doomed.use_count() > 1 || doomed->Size() < kFreedAtOnce)
        return;
    std::thread([doomed = std::move(doomed)]() mutable {
        doomed.reset();
        ::malloc_trim(0);
    }).detach();
}

// A copy of what a job holds before it is changed: what was handed out
// stays as it was. Only the window thread hands out and changes, so a
// count of 1 cannot grow behind our back.
template <typename T> T& Detached(std::shared_ptr<T>& shared)
{
    if (shared.use_count() > 1)
        shared = std::make_shared<T>(*shared);
    return *shared;
}

// What a file manager shows as the kind of file: its extension, spelled out.
QString TypeOf(const QString& name)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot <= 0 || dot == name.size() - 1)
        return CFileListModel::tr("File");
    return CFileListModel::tr("%1 file").arg(ReadableFileName(name.mid(dot + 1)).toUpper());
}

// Sizes as a file manager shows them, short enough for a narrow column.
QString SizeText(std::int64_t bytes)
{
    if (bytes < 1024)
        return QStringLiteral("%1 B").arg(bytes);
    static const char16_t* const kUnits[] = {u"KiB", u"MiB", u"GiB", u"TiB"};
    double value = double(bytes) / 1024;
    int unit = 0;
    while (value >= 1024 && unit < 3) {
        value /= 1024;
        ++unit;
    }
    return QStringLiteral("%1 %2").arg(value, 0, 'f', 1).arg(QString::fromUtf16(kUnits[unit]));
}

// The rows of a big folder come and go in pieces of a few MB. Left to
// itself, malloc raises the size it maps pieces of its own for after the
// first is freed, so later pieces land in its heap, which fragments under the
// window's small allocations and keeps the pages of rows long gone. A fixed
// size keeps every big piece mapped alone, so freeing it gives it back.
void KeepBigPiecesMappedAlone()
{
    static const bool kSet = ::mallopt(M_MMAP_THRESHOLD, 256 * 1024) != 0;
    (void)kSet;
}

} // namespace

CFileListModel::CFileListModel(QObject* parent)
    : QAbstractTableModel(parent), m_pFiles(std::make_shared<CListedFiles>()),
      m_pColumn1(std::make_shared<CPackedTexts>())
{
    KeepBigPiecesMappedAlone();
}

CListedFiles& CFileListModel::FilesToChange()
{
    return Detached(m_pFiles);
}

CPackedTexts& CFileListModel::Column1ToChange()
{
    return Detached(m_pColumn1);
}

void CFileListModel::NewColumn1()
{
    m_pColumn1 = std::make_shared<CPackedTexts>();
}

void CFileListModel::SetFiles(CListedFiles files)
{
    beginResetModel();
    Discard(m_pFiles);
    *m_pFiles = std::move(files);
    NewColumn1();
    m_pColumn1->Resize(m_bHasColumn1 ? m_pFiles->Size() : 0);
    m_column1Marks.clear();
    ++m_nGeneration;
    endResetModel();
}

void CFileListModel::AppendFiles(const CListedFiles& files)
{
    if (files.IsEmpty())
        return;
    const int first = int(m_pFiles->Size());
    beginInsertRows({}, first, first + int(files.Size()) - 1);
    CListedFiles& rows = FilesToChange();
    rows.Append(files);
    if (m_bHasColumn1)
        Column1ToChange().Resize(rows.Size());
    ++m_nGeneration;
    endInsertRows();
}

void CFileListModel::InsertColumn1(const QString& heading)
{
    if (m_bHasColumn1)
        return;
    beginInsertColumns({}, 1, 1);
    m_bHasColumn1 = true;
    m_strColumn1Heading = heading;
    NewColumn1();
    m_pColumn1->Resize(m_pFiles->Size());
    m_column1Marks.clear();
    ++m_nGeneration;
    endInsertColumns();
}

void CFileListModel::DeleteColumn1()
{
    if (!m_bHasColumn1)
        return;
    beginRemoveColumns({}, 1, 1);
    m_bHasColumn1 = false;
    m_strColumn1Heading.clear();
    NewColumn1();
    m_column1Marks.clear();
    ++m_nGeneration;
    endRemoveColumns();
}

QString CFileListModel::Column1Text(int row) const
{
    return row >= 0 ? m_pColumn1->At(std::size_t(row)) : QString();
}

void CFileListModel::SetColumn1Texts(int first, const QStringList& texts)
{
    if (!m_bHasColumn1 || first < 0)
        return;
    const int end = int(qMin<qsizetype>(first + texts.size(), qsizetype(m_pColumn1->Size())));
    if (end <= first)
        return;
    CPackedTexts& column = Column1ToChange();
    for (int row = first; row < end; ++row)
        column.Set(std::size_t(row), texts[row - first]);
    Q_EMIT dataChanged(index(first, 1), index(end - 1, 1), {Qt::DisplayRole});
}

void CFileListModel::SetColumn1Marks(const std::vector<RenameMark>& marks)
{
    if (!m_bHasColumn1)
        return;
    int first = int(m_pColumn1->Size()), last = -1;
    for (const RenameMark& mark : marks) {
        if (mark.m_nRow >= m_pColumn1->Size())
            continue;
        const int row = int(mark.m_nRow);
        m_column1Marks.insert(row, mark);
        first = qMin(first, row);
        last = qMax(last, row);
    }
    if (last >= first)
        Q_EMIT dataChanged(index(first, 1), index(last, 1), {Qt::DecorationRole, Qt::ToolTipRole});
}

QString CFileListModel::NameAt(int row) const
{
    return row >= 0 ? m_pFiles->Name(std::size_t(row)) : QString();
}

int CFileListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_pFiles->Size());
}

int CFileListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : (m_bHasColumn1 ? 5 : 4);
}

CFileListModel::Field CFileListModel::FieldOf(int column) const
{
    if (column == 0)
        return Field::Name;
    if (m_bHasColumn1 && column == 1)
        return Field::Column1;
    switch (column - (m_bHasColumn1 ? 1 : 0)) {
    case 1:
        return Field::Size;
    case 2:
        return Field::Type;
    default:
        return Field::Modified;
    }
}

QVariant CFileListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || std::size_t(index.row()) >= m_pFiles->Size())
        return {};
    const std::size_t row = std::size_t(index.row());
    const Field field = FieldOf(index.column());
    if (role == Qt::TextAlignmentRole)
        return field == Field::Size ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    // A screen reader reads a mark's tip as the cell's description.
    if (field == Field::Column1 && (role == Qt::DecorationRole || role == Qt::ToolTipRole ||
                                    role == Qt::AccessibleDescriptionRole))
        return Column1Mark(index.row(), role);
    if (role != Qt::DisplayRole)
        return {};
    // Sizes, types and dates are formatted only for rows that are drawn.
    switch (field) {
    case Field::Name:
        return ReadableFileName(m_pFiles->Name(row));
    case Field::Column1:
        // Column1Text keeps the exact name the copy uses; people see it readable.
        return ReadableFileName(m_pColumn1->At(row));
    case Field::Size:
        return SizeText(m_pFiles->FileSize(row));
    case Field::Type:
        return TypeOf(m_pFiles->Name(row));
    case Field::Modified:
        return QDateTime::fromMSecsSinceEpoch(m_pFiles->ModifiedMs(row))
            .toString(u"yyyy-MM-dd HH:mm"_qs);
    }
    return {};
}

QVariant CFileListModel::Column1Mark(int row, int role) const
{
    const auto mark = m_column1Marks.constFind(row);
    if (mark == m_column1Marks.cend())
        return {};
    if (role == Qt::DecorationRole)
        return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
    // The cell keeps the new name (the convert reads it); the tip tells what
    // the copy will really be called.
    const QString finalName =
        mark->m_strFinalName.isEmpty()
            ? tr("Will not be copied")
            : tr("Will be copied as: %1").arg(ReadableFileName(mark->m_strFinalName));
    return finalName + u'\n' + mark->m_strReason;
}

QVariant CFileListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (FieldOf(section)) {
    case Field::Name:
        return tr("Name");
    case Field::Column1:
        return m_strColumn1Heading;
    case Field::Size:
        return tr("Size");
    case Field::Type:
        return tr("Type");
    case Field::Modified:
        return tr("Date Modified");
    }
    return {};
}

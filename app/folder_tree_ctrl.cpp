#include "app/folder_tree_ctrl.h"

#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QScrollBar>

CFolderTreeCtrl::CFolderTreeCtrl(QWidget* parent)
    : QTreeView(parent), m_pModel(new QFileSystemModel(this))
{
    m_pModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_pModel->setReadOnly(true);
    m_pModel->setRootPath(u"/"_qs);
    setModel(m_pModel);
    for (int column = 1; column < m_pModel->columnCount(); ++column)
        hideColumn(column);
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setContextMenuPolicy(Qt::PreventContextMenu);
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
    // Only a new folder counts: the view may move its current item without
    // selecting it (on focus), and the model re-sorts rows as it loads them
    // in the background, which re-announces the same selection.
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const QString path = GetSelectedPath();
        if (path == m_strSelectedPath)
            return;
        m_strSelectedPath = path;
        Q_EMIT selectionChangedTo(path);
    });

    m_scrollTimer.setSingleShot(true);
    m_scrollTimer.setInterval(20);
    connect(&m_scrollTimer, &QTimer::timeout, this, &CFolderTreeCtrl::ScrollToOpenedFolder);
    connect(m_pModel, &QFileSystemModel::directoryLoaded, this,
            [this] { OpenAt(m_strOpenedPath); });
    // The column is only as wide as the rows in view, so the sideways range
    // settles after each vertical move and load; follow it until the
    // operator takes over.
    const auto scrollAgain = [this] {
        if (!m_strOpenedPath.isEmpty())
            m_scrollTimer.start();
    };
    connect(m_pModel, &QFileSystemModel::rowsInserted, this, scrollAgain);
    connect(horizontalScrollBar(), &QScrollBar::rangeChanged, this, scrollAgain);
    OpenAt(QDir::homePath());
}

QString CFolderTreeCtrl::GetSelectedPath() const
{
    const QModelIndexList selected = selectionModel()->selectedRows();
    return selected.isEmpty() ? QString() : m_pModel->filePath(selected.first());
}

bool CFolderTreeCtrl::SelectPath(const QString& path)
{
    if (path.isEmpty())
        return false;
    const QModelIndex index = m_pModel->index(path);
    if (!index.isValid())
        return false;
    OpenAt(path);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                 QItemSelectionModel::Rows);
    return true;
}

void CFolderTreeCtrl::OpenAt(const QString& path)
{
    m_strOpenedPath = path;
    if (path.isEmpty())
        return;
    const QModelIndex index = m_pModel->index(path);
    for (QModelIndex above = index.parent(); above.isValid(); above = above.parent())
        expand(above);
    // Current but not selected: the view scrolls to its current item when it
    // gets the focus, and nothing is listed until the operator selects.
    if (selectionModel()->selectedRows().isEmpty())
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    m_scrollTimer.start();
}

void CFolderTreeCtrl::ScrollToOpenedFolder()
{
    const QModelIndex index = m_pModel->index(m_strOpenedPath);
    if (!index.isValid())
        return;
    scrollTo(index, QAbstractItemView::PositionAtCenter);
    // scrollTo centres the whole column, which is as wide as the deepest
    // name, so a deep folder would show cut off; its name must read from the
    // start, with the branch mark before it.
    QScrollBar* bar = horizontalScrollBar();
    bar->setValue(bar->value() + visualRect(index).left() - indentation());
}

void CFolderTreeCtrl::mousePressEvent(QMouseEvent* event)
{
    m_strOpenedPath.clear();
    QTreeView::mousePressEvent(event);
}

void CFolderTreeCtrl::wheelEvent(QWheelEvent* event)
{
    m_strOpenedPath.clear();
    QTreeView::wheelEvent(event);
}

void CFolderTreeCtrl::keyPressEvent(QKeyEvent* event)
{
    m_strOpenedPath.clear();
    QTreeView::keyPressEvent(event);
}

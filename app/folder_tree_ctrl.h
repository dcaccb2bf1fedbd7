#pragma once

#include <QString>
#include <QTimer>
#include <QTreeView>

class QFileSystemModel;

// The folder tree: every folder from "/" down, hidden folders left out. It
// opens at the home folder with nothing selected. No context menu.
class CFolderTreeCtrl : public QTreeView
{
    Q_OBJECT

public:
    explicit CFolderTreeCtrl(QWidget* parent = nullptr);

    // The path of the selected folder, or an empty string.
    QString GetSelectedPath() const;
    // Selects `path` (opening the folders above it). False when the tree has
    // no such folder; the selection then stays as it was.
    bool SelectPath(const QString& path);

Q_SIGNALS:
    // The selected folder changed (by the operator or by SelectPath).
    void selectionChangedTo(const QString& path);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OpenAt(const QString& path);
    void ScrollToOpenedFolder();

    QFileSystemModel* m_pModel;
    // The model loads folders in the background, so the folder the tree
    // opens at keeps being scrolled into view as rows arrive, until the
    // operator takes over.
    QString m_strOpenedPath;
    QTimer m_scrollTimer;
    QString m_strSelectedPath; // the folder last announced
};

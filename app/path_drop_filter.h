#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QUrl>

#include <functional>

class QWidget;

// Where something was dropped: what it may become depends on the place.
enum class DropTarget
{
    Window,       // a folder: the source folder; a file: the song list
    SongListEdit, // as on the window
    OutputEdit,   // a folder: the output folder
};

// Takes drops of files and folders (URL lists) on the watched widgets and
// hands them on. Text dragged into an edit stays the edit's business. While
// `busy` says a job runs, drags are refused so nothing the job reads changes.
class CPathDropFilter : public QObject
{
    Q_OBJECT

public:
    using Busy = std::function<bool()>;
    using Handler = std::function<void(DropTarget, const QList<QUrl>&)>;

    CPathDropFilter(QObject* parent, Busy busy, Handler handler);
    void Watch(QWidget* widget, DropTarget target);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Busy m_busy;
    Handler m_handler;
    QHash<QObject*, DropTarget> m_targets;
};

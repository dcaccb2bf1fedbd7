#include "app/path_drop_filter.h"

#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

CPathDropFilter::CPathDropFilter(QObject* parent, Busy busy, Handler handler)
    : QObject(parent), m_busy(std::move(busy)), m_handler(std::move(handler))
{}

void CPathDropFilter::Watch(QWidget* widget, DropTarget target)
{
    widget->setAcceptDrops(true);
    widget->installEventFilter(this);
    m_targets.insert(widget, target);
}

bool CPathDropFilter::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event);
    const auto target = m_targets.constFind(watched);
    if (target == m_targets.cend() || !drop->mimeData()->hasUrls())
        return QObject::eventFilter(watched, event);
    if (type != QEvent::Drop) {
        if (m_busy())
            drop->ignore();
        else
            drop->acceptProposedAction();
        return true;
    }
    // The handler refuses a drop that arrives once a job has started.
    drop->acceptProposedAction();
    m_handler(*target, drop->mimeData()->urls());
    return true;
}

#include "cli/cli_undo.h"

#include "output/run_undo.h"
#include "platform/file_name_codec.h"
#include "platform/home_path.h"

#include <QDir>

#include <cstdio>

namespace {

QString ItemLine(const UndoItem& item)
{
    const QString path = ReadableFileName(item.m_strPath);
    switch (item.m_action) {
    case UndoAction::Removed:
        return QStringLiteral("removed       ") + path;
    case UndoAction::WouldRemove:
        return QStringLiteral("would remove  ") + path;
    case UndoAction::Left:
        break;
    }
    return QStringLiteral("left          ") + path + QStringLiteral("  (") + item.m_strReason +
           u')';
}

} // namespace

int RunUndo(const CliRequest& request)
{
    QString folder =
        request.m_strLogDir.isEmpty() ? QDir::currentPath() : ExpandHomePath(request.m_strLogDir);
    if (!folder.startsWith(u'/'))
        folder = QDir::currentPath() + u'/' + folder;
    const UndoResult result =
        UndoLastRun(folder, request.m_bDryRun ? UndoMode::DryRun : UndoMode::Remove);
    if (!result.m_strError.isEmpty()) {
        std::fputs((QStringLiteral("tamro-cli: ") + result.m_strError + u'\n').toLocal8Bit(),
                   stderr);
        return EXIT_UNUSABLE;
    }
    QByteArray text;
    bool anyLeft = false;
    for (const UndoItem& item : result.m_items) {
        anyLeft = anyLeft || item.m_action == UndoAction::Left;
        text += ItemLine(item).toLocal8Bit() + '\n';
    }
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    // A copy left standing is something the operator may have to look at.
    return anyLeft ? EXIT_SOME_FAILED : EXIT_ALL_DONE;
}

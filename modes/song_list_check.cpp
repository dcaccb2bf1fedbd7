#include "modes/song_list_check.h"

QString SongListProblem(const QString& path)
{
    Q_UNUSED(path);
    return {};
}

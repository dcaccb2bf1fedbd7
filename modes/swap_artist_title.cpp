#include "modes/swap_artist_title.h"

int SwapArtistTitle(QString baseName, QString& result)
{
    // Only the last hyphen decides whether the name is used at all; the parts
    // are cut at the first and second.
    if (baseName.lastIndexOf(u'-') <= 0) {
        result.clear();
        return -1;
    }
    const qsizetype first = baseName.indexOf(u'-');
    const qsizetype second = baseName.indexOf(u'-', first + 1);
    const QString firstPart = baseName.left(first).trimmed();
    const QString secondPart =
        (second < 0 ? baseName.mid(first + 1) : baseName.mid(first + 1, second - first - 1))
            .trimmed();
    result = secondPart + u'-' + firstPart;
    return 0;
}

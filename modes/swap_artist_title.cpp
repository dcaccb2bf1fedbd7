#include "modes/swap_artist_title.h"

#include <utility>

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
    const QStringView name(baseName);
    const QStringView firstPart = name.left(first).trimmed();
    const QStringView secondPart =
        (second < 0 ? name.sliced(first + 1) : name.sliced(first + 1, second - first - 1))
            .trimmed();
    QString swapped;
    swapped.reserve(secondPart.size() + 1 + firstPart.size());
    swapped.append(secondPart).append(u'-').append(firstPart);
    result = std::move(swapped);
    return 0;
}

#include "passes/naming_rule.h"

#include "modes/song_list_reader.h"
#include "modes/swap_artist_title.h"
#include "output/names.h"

#include <QCoreApplication>

NamingRule SongListRule(const CSongListPageBase& page)
{
    return [&page](const QString& baseName, QString& result) {
        return LookupSongName(page, baseName, result);
    };
}

NamingRule PatternRule()
{
    return
        [](const QString& baseName, QString& result) { return SwapArtistTitle(baseName, result); };
}

QString NoNewNameReason(NamingMode mode)
{
    switch (mode) {
    case NamingMode::SongList:
        return QCoreApplication::translate("NamingRule",
                                           "No line of the song list has its number.");
    case NamingMode::Tags:
        return QCoreApplication::translate("NamingRule", "Its tags give it no new name.");
    case NamingMode::Pattern:
        break;
    }
    return QCoreApplication::translate("NamingRule", "Its name has no hyphen to swap around.");
}

int NewBaseName(const NamingRule& rule, const QString& listedName, QString& newBase,
                QString& extension)
{
    const QString baseName = SplitExtension(listedName, extension);
    return rule(baseName, newBase);
}

#include "modes/song_tags.h"

using namespace Qt::StringLiterals;

QString TagFieldKey(TagField field)
{
    switch (field) {
    case TagField::Title:
        return u"title"_s;
    case TagField::Artist:
        return u"artist"_s;
    case TagField::Album:
        return u"album"_s;
    case TagField::AlbumArtist:
        return u"albumartist"_s;
    case TagField::Track:
        return u"track"_s;
    case TagField::Disc:
        return u"disc"_s;
    case TagField::Year:
        return u"year"_s;
    case TagField::Genre:
        return u"genre"_s;
    }
    return {};
}

QString TagFieldWords(TagField field)
{
    switch (field) {
    case TagField::AlbumArtist:
        return u"album artist"_s;
    case TagField::Track:
        return u"track number"_s;
    case TagField::Disc:
        return u"disc number"_s;
    default:
        return TagFieldKey(field);
    }
}

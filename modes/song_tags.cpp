#include "modes/song_tags.h"

#include <QCoreApplication>

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
        return QCoreApplication::translate("CTagFormat", "album artist");
    case TagField::Track:
        return QCoreApplication::translate("CTagFormat", "track number");
    case TagField::Disc:
        return QCoreApplication::translate("CTagFormat", "disc number");
    case TagField::Title:
        return QCoreApplication::translate("CTagFormat", "title");
    case TagField::Artist:
        return QCoreApplication::translate("CTagFormat", "artist");
    case TagField::Album:
        return QCoreApplication::translate("CTagFormat", "album");
    case TagField::Year:
        return QCoreApplication::translate("CTagFormat", "year");
    case TagField::Genre:
        return QCoreApplication::translate("CTagFormat", "genre");
    }
    return TagFieldKey(field);
}

#include "modes/tag_reader.h"

#include "modes/read_only_stream.h"
#include "platform/file_name_codec.h"

#include <QByteArrayList>
#include <QStringDecoder>
#include <QStringList>

#include <cerrno>
#include <memory>
#include <mutex>
#include <taglib/aifffile.h>
#include <taglib/apefile.h>
#include <taglib/apetag.h>
#include <taglib/asffile.h>
#include <taglib/asftag.h>
#include <taglib/flacfile.h>
#include <taglib/id3v1tag.h>
#include <taglib/id3v2framefactory.h>
#include <taglib/id3v2tag.h>
#include <taglib/infotag.h>
#include <taglib/mp4file.h>
#include <taglib/mp4tag.h>
#include <taglib/mpcfile.h>
#include <taglib/mpegfile.h>
#include <taglib/oggflacfile.h>
#include <taglib/opusfile.h>
#include <taglib/speexfile.h>
#include <taglib/tdebuglistener.h>
#include <taglib/textidentificationframe.h>
#include <taglib/tpropertymap.h>
#include <taglib/trueaudiofile.h>
#include <taglib/vorbisfile.h>
#include <taglib/wavfile.h>
#include <taglib/wavpackfile.h>
#include <taglib/xiphcomment.h>

namespace {

using TagLibFile = std::unique_ptr<TagLib::File>;

// INFO texts keep their bytes (one character per byte), so that text from a
// Windows code page can be told from UTF-8 here rather than be decoded blindly.
class CInfoBytes : public TagLib::RIFF::Info::StringHandler
{
public:
    TagLib::String parse(const TagLib::ByteVector& data) const override
    {
        return TagLib::String(data, TagLib::String::Latin1);
    }
};

// TagLib's complaints about damaged files would land on tamro-cli's terminal;
// the reasons tamro gives say enough.
class CQuietDebug : public TagLib::DebugListener
{
public:
    void printMessage(const TagLib::String&) override {}
};

void SetUpTagLib()
{
    static std::once_flag once;
    std::call_once(once, [] {
        static CInfoBytes infoBytes;
        static CQuietDebug quiet;
        TagLib::RIFF::Info::Tag::setStringHandler(&infoBytes);
        TagLib::setDebugListener(&quiet);
    });
}

// The kinds of file tamro reads tags from, in the order their content is
// tried when the name's extension does not tell, or tells wrong.
enum class Kind
{
    Mpeg,
    OggVorbis,
    OggFlac,
    Flac,
    Mpc,
    WavPack,
    Speex,
    Opus,
    TrueAudio,
    Mp4,
    Asf,
    Aiff,
    Wav,
    Ape,
    Count
};

bool Supports(Kind kind, TagLib::IOStream* stream)
{
    namespace T = TagLib;
    switch (kind) {
    case Kind::Mpeg:
        return T::MPEG::File::isSupported(stream);
    case Kind::OggVorbis:
        return T::Vorbis::File::isSupported(stream);
    case Kind::OggFlac:
        return T::Ogg::FLAC::File::isSupported(stream);
    case Kind::Flac:
        return T::FLAC::File::isSupported(stream);
    case Kind::Mpc:
        return T::MPC::File::isSupported(stream);
    case Kind::WavPack:
        return T::WavPack::File::isSupported(stream);
    case Kind::Speex:
        return T::Ogg::Speex::File::isSupported(stream);
    case Kind::Opus:
        return T::Ogg::Opus::File::isSupported(stream);
    case Kind::TrueAudio:
        return T::TrueAudio::File::isSupported(stream);
    case Kind::Mp4:
        return T::MP4::File::isSupported(stream);
    case Kind::Asf:
        return T::ASF::File::isSupported(stream);
    case Kind::Aiff:
        return T::RIFF::AIFF::File::isSupported(stream);
    case Kind::Wav:
        return T::RIFF::WAV::File::isSupported(stream);
    case Kind::Ape:
        return T::APE::File::isSupported(stream);
    case Kind::Count:
        break;
    }
    return false;
}

// Opens the stream as `kind`, tags only: no audio properties are read.
TagLibFile Open(Kind kind, TagLib::IOStream* stream)
{
    namespace T = TagLib;
    constexpr bool kNoAudio = false;
    T::ID3v2::FrameFactory* frames = T::ID3v2::FrameFactory::instance();
    switch (kind) {
    case Kind::Mpeg:
        return std::make_unique<T::MPEG::File>(stream, frames, kNoAudio);
    case Kind::OggVorbis:
        return std::make_unique<T::Vorbis::File>(stream, kNoAudio);
    case Kind::OggFlac:
        return std::make_unique<T::Ogg::FLAC::File>(stream, kNoAudio);
    case Kind::Flac:
        return std::make_unique<T::FLAC::File>(stream, frames, kNoAudio);
    case Kind::Mpc:
        return std::make_unique<T::MPC::File>(stream, kNoAudio);
    case Kind::WavPack:
        return std::make_unique<T::WavPack::File>(stream, kNoAudio);
    case Kind::Speex:
        return std::make_unique<T::Ogg::Speex::File>(stream, kNoAudio);
    case Kind::Opus:
        return std::make_unique<T::Ogg::Opus::File>(stream, kNoAudio);
    case Kind::TrueAudio:
        return std::make_unique<T::TrueAudio::File>(stream, frames, kNoAudio);
    case Kind::Mp4:
        return std::make_unique<T::MP4::File>(stream, kNoAudio);
    case Kind::Asf:
        return std::make_unique<T::ASF::File>(stream, kNoAudio);
    case Kind::Aiff:
        return std::make_unique<T::RIFF::AIFF::File>(stream, kNoAudio);
    case Kind::Wav:
        return std::make_unique<T::RIFF::WAV::File>(stream, kNoAudio);
    case Kind::Ape:
        return std::make_unique<T::APE::File>(stream, kNoAudio);
    case Kind::Count:
        break;
    }
    return {};
}

// The kind the name's extension suggests, or Count.
Kind KindOfName(const QByteArray& path)
{
    const qsizetype dot = path.lastIndexOf('.');
    if (dot < 0 || path.indexOf('/', dot) >= 0)
        return Kind::Count;
    const QByteArray ext = path.mid(dot + 1).toLower();
    static const struct
    {
        const char* ext;
        Kind kind;
    } kNames[] = {
        {"mp3", Kind::Mpeg},      {"mp2", Kind::Mpeg},  {"ogg", Kind::OggVorbis},
        {"oga", Kind::OggFlac},   {"flac", Kind::Flac}, {"mpc", Kind::Mpc},
        {"wv", Kind::WavPack},    {"spx", Kind::Speex}, {"opus", Kind::Opus},
        {"tta", Kind::TrueAudio}, {"m4a", Kind::Mp4},   {"m4b", Kind::Mp4},
        {"m4p", Kind::Mp4},       {"m4r", Kind::Mp4},   {"mp4", Kind::Mp4},
        {"3g2", Kind::Mp4},       {"wma", Kind::Asf},   {"asf", Kind::Asf},
        {"aif", Kind::Aiff},      {"aiff", Kind::Aiff}, {"aifc", Kind::Aiff},
        {"wav", Kind::Wav},       {"ape", Kind::Ape},
    };
    for (const auto& name : kNames) {
        if (ext == name.ext)
            return name.kind;
    }
    return Kind::Count;
}

// Kinds whose file objects find out themselves that a stream is not theirs;
// the others take any bytes, so their content check must come first.
bool ChecksItself(Kind kind)
{
    switch (kind) {
    case Kind::OggVorbis:
    case Kind::OggFlac:
    case Kind::Flac:
    case Kind::Speex:
    case Kind::Opus:
    case Kind::Mp4:
    case Kind::Asf:
        return true;
    default:
        return false;
    }
}

bool HasTag(const TagLib::MPEG::File& file)
{
    return file.hasID3v2Tag() || file.hasAPETag() || file.hasID3v1Tag();
}

// The file as the kind its content shows, the extension's kind tried first.
TagLibFile OpenByContent(CReadOnlyStream& stream, Kind named)
{
    auto tryKind = [&stream](Kind kind, bool check) -> TagLibFile {
        stream.seek(0, TagLib::IOStream::Beginning);
        if (check && !Supports(kind, &stream))
            return {};
        TagLibFile file = Open(kind, &stream);
        if (file && !file->isValid())
            file.reset();
        return file;
    };
    if (named == Kind::Mpeg) {
        // The MPEG check looks for a frame only in the first KiB after an
        // ID3v2 tag; a file named as MPEG audio counts when it has a tag,
        // whatever stands between the tag and the frames (junk, or a tag
        // that misstates its size). Tagged files, the usual case, skip the
        // check.
        stream.seek(0, TagLib::IOStream::Beginning);
        auto mpeg = std::make_unique<TagLib::MPEG::File>(
            &stream, TagLib::ID3v2::FrameFactory::instance(), false);
        if (mpeg->isValid() && HasTag(*mpeg))
            return mpeg;
        stream.seek(0, TagLib::IOStream::Beginning);
        if (mpeg->isValid() && Supports(Kind::Mpeg, &stream))
            return mpeg;
    } else if (named != Kind::Count) {
        if (TagLibFile file = tryKind(named, !ChecksItself(named)))
            return file;
    }
    for (int k = 0; k < int(Kind::Count); ++k) {
        if (Kind(k) == named)
            continue;
        if (TagLibFile file = tryKind(Kind(k), true))
            return file;
    }
    return {};
}

// TagLib keeps UTF-16 code units, one per wchar_t. A lone surrogate becomes
// U+FFFD: left alone it would pass for an escaped file-name byte.
QString ToQString(const TagLib::String& text)
{
    QString out(qsizetype(text.size()), Qt::Uninitialized);
    QChar* to = out.data();
    for (const wchar_t unit : text)
        *to++ = QChar(char16_t(unit));
    for (qsizetype i = 0; i < out.size(); ++i) {
        const QChar c = out.at(i);
        if (c.isHighSurrogate() && i + 1 < out.size() && out.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            out[i] = QChar::ReplacementCharacter;
    }
    return out;
}

// A text read as Latin-1 back to the bytes it was read from.
QByteArray ToBytes(const TagLib::String& text)
{
    QByteArray bytes(qsizetype(text.size()), Qt::Uninitialized);
    char* to = bytes.data();
    for (const wchar_t unit : text)
        *to++ = char(static_cast<unsigned char>(unit));
    return bytes;
}

bool IsAscii(QByteArrayView bytes)
{
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

bool IsUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

enum class Stored
{
    Unicode,      // taken as it is
    Latin1,       // bytes in some single- or double-byte set
    Utf8OrLatin1, // INFO: bytes taken as UTF-8 when they are, else as Latin1
};

// Each field's keys in a property map, most usual first, and its ID3v2
// frames (2.2 and 2.3 frames come renamed as 2.4 ones, TYER as TDRC).
struct FieldNames
{
    std::array<TagLib::String, 2> m_keys;
    std::array<TagLib::ByteVector, 2> m_frames;
};

const std::array<FieldNames, kTagFieldCount>& Names()
{
    using S = TagLib::String;
    using B = TagLib::ByteVector;
    static const std::array<FieldNames, kTagFieldCount> names = {{
        {{S("TITLE"), S()}, {B("TIT2"), B()}},
        {{S("ARTIST"), S()}, {B("TPE1"), B()}},
        {{S("ALBUM"), S()}, {B("TALB"), B()}},
        {{S("ALBUMARTIST"), S("ALBUM ARTIST")}, {B("TPE2"), B()}},
        {{S("TRACKNUMBER"), S()}, {B("TRCK"), B()}},
        {{S("DISCNUMBER"), S()}, {B("TPOS"), B()}},
        {{S("DATE"), S("YEAR")}, {B("TDRC"), B("TYER")}},
        {{S("GENRE"), S()}, {B("TCON"), B()}},
    }};
    return names;
}

Stored StoredAs(const TagLib::ID3v2::TextIdentificationFrame& frame)
{
    return frame.textEncoding() == TagLib::String::Latin1 ? Stored::Latin1 : Stored::Unicode;
}

// The INFO chunk's field for each tag field (no album artist, no disc).
const std::array<std::array<const char*, 2>, kTagFieldCount> kInfoIds = {{
    {"INAM", nullptr},
    {"IART", nullptr},
    {"IPRD", nullptr},
    {nullptr, nullptr},
    {"IPRT", "ITRK"},
    {nullptr, nullptr},
    {"ICRD", nullptr},
    {"IGNR", nullptr},
}};

// ID3v1 cuts these three at 30 bytes.
constexpr qsizetype kId3v1TextSize = 30;

// Gathers the fields of a file's tags, first tag first.
class CTagCollector
{
public:
    explicit CTagCollector(SongTags& tags, TagFieldMask fields) : m_tags(tags), m_fields(fields) {}

    bool Found() const { return m_bFound; }

    // `properties` keyed in capitals, as TagLib's property maps and Vorbis
    // comments are.
    void TakeProperties(const TagLib::SimplePropertyMap& properties, Stored stored,
                        bool id3v1 = false)
    {
        for (int f = 0; f < kTagFieldCount; ++f) {
            for (const TagLib::String& key : Names()[std::size_t(f)].m_keys) {
                if (key.isEmpty())
                    continue;
                const auto it = properties.find(key);
                if (it != properties.end() && Take(TagField(f), it->second, stored, id3v1))
                    break;
            }
        }
    }

    void TakeId3v2(const TagLib::ID3v2::Tag& tag)
    {
        const TagLib::ID3v2::FrameListMap& frames = tag.frameListMap();
        for (int f = 0; f < kTagFieldCount; ++f) {
            for (const TagLib::ByteVector& id : Names()[std::size_t(f)].m_frames) {
                const auto it = id.isEmpty() ? frames.end() : frames.find(id);
                if (it == frames.end() || it->second.isEmpty())
                    continue;
                const auto* text =
                    dynamic_cast<const TagLib::ID3v2::TextIdentificationFrame*>(it->second.front());
                if (!text)
                    continue;
                const Stored stored = StoredAs(*text);
                // The property map turns ID3v1 genre numbers into names.
                if (TagField(f) == TagField::Genre
                        ? Take(TagField(f), text->asProperties()["GENRE"], stored, false)
                        : Take(TagField(f), text->fieldList(), stored, false))
                    break;
            }
        }
        // Some taggers keep the album artist in a TXXX frame of that name.
        const auto user = frames.find("TXXX");
        if (m_taken[std::size_t(TagField::AlbumArtist)] || user == frames.end())
            return;
        for (const TagLib::ID3v2::Frame* frame : user->second) {
            if (const auto* text =
                    dynamic_cast<const TagLib::ID3v2::UserTextIdentificationFrame*>(frame))
                TakeProperties(text->asProperties(), StoredAs(*text));
        }
    }

    void TakeInfo(const TagLib::RIFF::Info::Tag& tag)
    {
        const TagLib::RIFF::Info::FieldListMap fields = tag.fieldListMap();
        for (int f = 0; f < kTagFieldCount; ++f) {
            for (const char* id : kInfoIds[std::size_t(f)]) {
                if (!id)
                    continue;
                const auto it = fields.find(TagLib::ByteVector(id, 4));
                if (it != fields.end() &&
                    Take(TagField(f), TagLib::StringList(it->second), Stored::Utf8OrLatin1, false))
                    break;
            }
        }
    }

    // Vorbis comments, APE, MP4 and ASF tags store Unicode.
    void TakeTag(const TagLib::Tag* tag)
    {
        if (!tag)
            return;
        if (const auto* id3v2 = dynamic_cast<const TagLib::ID3v2::Tag*>(tag)) {
            TakeId3v2(*id3v2);
        } else if (dynamic_cast<const TagLib::ID3v1::Tag*>(tag)) {
            TakeProperties(tag->properties(), Stored::Latin1, true);
        } else if (const auto* info = dynamic_cast<const TagLib::RIFF::Info::Tag*>(tag)) {
            TakeInfo(*info);
        } else if (const auto* xiph = dynamic_cast<const TagLib::Ogg::XiphComment*>(tag)) {
            // Tag::properties() is not virtual: only each kind's own gives
            // the texts as stored ("3/12", dates, album artists). Vorbis
            // comments are such a map already.
            TakeProperties(xiph->fieldListMap(), Stored::Unicode);
        } else if (const auto* ape = dynamic_cast<const TagLib::APE::Tag*>(tag)) {
            TakeProperties(ape->properties(), Stored::Unicode);
        } else if (const auto* mp4 = dynamic_cast<const TagLib::MP4::Tag*>(tag)) {
            TakeProperties(mp4->properties(), Stored::Unicode);
        } else if (const auto* asf = dynamic_cast<const TagLib::ASF::Tag*>(tag)) {
            TakeProperties(asf->properties(), Stored::Unicode);
        }
    }

private:
    // True when the field got a value from `values`.
    bool Take(TagField field, const TagLib::StringList& values, Stored stored, bool id3v1)
    {
        SongTagText& text = m_tags.Field(field);
        if (m_taken[std::size_t(field)])
            return true; // an earlier tag gave it
        if (stored == Stored::Unicode) {
            QStringList parts;
            for (const TagLib::String& value : values) {
                const QString part = ToQString(value).trimmed();
                if (!part.isEmpty())
                    parts.append(part);
            }
            if (parts.isEmpty())
                return false;
            Found(field);
            if (Wanted(field)) {
                text.m_strText = parts.join(u", ");
                text.m_state = TagTextState::Text;
            }
            return true;
        }
        QByteArrayList parts;
        for (const TagLib::String& value : values) {
            const QByteArray part = ToBytes(value).trimmed();
            if (!part.isEmpty())
                parts.append(part);
        }
        if (parts.isEmpty())
            return false;
        Found(field);
        if (!Wanted(field))
            return true;
        QByteArray bytes = parts.join(", ");
        if (IsAscii(bytes)) {
            text.m_strText = QString::fromLatin1(bytes);
            text.m_state = TagTextState::Text;
        } else if (stored == Stored::Utf8OrLatin1 && IsUtf8(bytes)) {
            text.m_strText = QString::fromUtf8(bytes);
            text.m_state = TagTextState::Text;
        } else {
            text.m_bMayEndCut = id3v1 && parts.size() == 1 && bytes.size() >= kId3v1TextSize;
            text.m_raw = std::move(bytes);
            text.m_state = TagTextState::Latin1;
        }
        return true;
    }

    bool Wanted(TagField field) const { return (m_fields & TagFieldBit(field)) != 0; }
    void Found(TagField field)
    {
        m_bFound = true;
        m_taken[std::size_t(field)] = true;
    }

    SongTags& m_tags;
    TagFieldMask m_fields;
    bool m_bFound = false;
    std::array<bool, kTagFieldCount> m_taken{}; // also the fields not kept
};

// The tags of the file, first the one whose fields win.
void CollectTags(TagLib::File& file, CTagCollector& collector)
{
    namespace T = TagLib;
    if (auto* mpeg = dynamic_cast<T::MPEG::File*>(&file)) {
        if (mpeg->hasID3v2Tag())
            collector.TakeTag(mpeg->ID3v2Tag());
        if (mpeg->hasAPETag())
            collector.TakeTag(mpeg->APETag());
        if (mpeg->hasID3v1Tag())
            collector.TakeTag(mpeg->ID3v1Tag());
    } else if (auto* flac = dynamic_cast<T::FLAC::File*>(&file)) {
        if (flac->hasXiphComment())
            collector.TakeTag(flac->xiphComment());
        if (flac->hasID3v2Tag())
            collector.TakeTag(flac->ID3v2Tag());
        if (flac->hasID3v1Tag())
            collector.TakeTag(flac->ID3v1Tag());
    } else if (auto* wav = dynamic_cast<T::RIFF::WAV::File*>(&file)) {
        if (wav->hasID3v2Tag())
            collector.TakeTag(wav->ID3v2Tag());
        if (wav->hasInfoTag())
            collector.TakeTag(wav->InfoTag());
    } else if (auto* aiff = dynamic_cast<T::RIFF::AIFF::File*>(&file)) {
        if (aiff->hasID3v2Tag())
            collector.TakeTag(aiff->tag());
    } else if (auto* tta = dynamic_cast<T::TrueAudio::File*>(&file)) {
        if (tta->hasID3v2Tag())
            collector.TakeTag(tta->ID3v2Tag());
        if (tta->hasID3v1Tag())
            collector.TakeTag(tta->ID3v1Tag());
    } else if (auto* ape = dynamic_cast<T::APE::File*>(&file)) {
        if (ape->hasAPETag())
            collector.TakeTag(ape->APETag());
        if (ape->hasID3v1Tag())
            collector.TakeTag(ape->ID3v1Tag());
    } else if (auto* wavPack = dynamic_cast<T::WavPack::File*>(&file)) {
        if (wavPack->hasAPETag())
            collector.TakeTag(wavPack->APETag());
        if (wavPack->hasID3v1Tag())
            collector.TakeTag(wavPack->ID3v1Tag());
    } else if (auto* mpc = dynamic_cast<T::MPC::File*>(&file)) {
        if (mpc->hasAPETag())
            collector.TakeTag(mpc->APETag());
        if (mpc->hasID3v1Tag())
            collector.TakeTag(mpc->ID3v1Tag());
    } else {
        // Ogg, MP4, ASF: one tag of their own.
        collector.TakeTag(file.tag());
    }
}

} // namespace

SongTags ReadSongTags(const QString& path, TagFieldMask fields, int& readCalls)
{
    SetUpTagLib();
    SongTags tags;
    const QByteArray name = EncodeFileName(path);
    // The read-ahead room, kept from file to file of a run.
    thread_local QByteArray block;
    CReadOnlyStream stream(name, block);
    if (const int error = stream.OpenError()) {
        // Something other than a regular file is no audio file, whatever
        // its name.
        tags.m_status = error == ENODEV ? TagReadStatus::NotAudio : TagReadStatus::Unreadable;
        tags.m_nErrno = error == ENODEV ? 0 : error;
        return tags;
    }
    CTagCollector collector(tags, fields);
    bool audio = false;
    {
        // TagLib reports damage by giving up on a tag, not by throwing; the
        // file object must go before the stream it reads.
        const TagLibFile file = OpenByContent(stream, KindOfName(name));
        if (file) {
            audio = true;
            CollectTags(*file, collector);
        }
    }
    readCalls += stream.ReadCalls();
    if (stream.ReadError() != 0) {
        tags = SongTags();
        tags.m_status = TagReadStatus::Unreadable;
        tags.m_nErrno = stream.ReadError();
    } else if (!audio) {
        tags.m_status = TagReadStatus::NotAudio;
    } else {
        tags.m_status = collector.Found() ? TagReadStatus::Read : TagReadStatus::NoTags;
    }
    return tags;
}

SongTags ReadSongTags(const QString& path, TagFieldMask fields)
{
    int ignored = 0;
    return ReadSongTags(path, fields, ignored);
}

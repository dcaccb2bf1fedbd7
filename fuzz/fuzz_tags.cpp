// An audio file's tags read and named: any bytes under a song's name, the
// first byte choosing which kind of file the name claims to be.
#include "fuzz/fuzz_support.h"
#include "modes/tag_charset.h"
#include "modes/tag_format.h"
#include "modes/tag_reader.h"

#include <vector>

using namespace Qt::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const char* const kNames[] = {"song.mp3", "song.ogg", "song.flac", "song.m4a",
                                         "song.wma", "song.wav", "song.aiff", "song.opus",
                                         "song.ape", "song.mpc", "song.wv",   "song"};
    constexpr std::size_t kNameCount = sizeof kNames / sizeof kNames[0];
    if (size == 0)
        return 0;
    const char* name = kNames[data[0] % kNameCount];
    const QByteArray path = FuzzFile(name, FuzzBytes(data + 1, size - 1));
    std::vector<SongTags> files{ReadSongTags(DecodeFileName(path))};
    (void)DecodeRunTags(files);
    // Every field is decided once the run is decoded: never left waiting
    // for a character set.
    for (int f = 0; f < kTagFieldCount; ++f)
        FUZZ_CHECK(files[0].Field(TagField(f)).m_state != TagTextState::Latin1);
    static const CTagFormat format(u"{track:2} {title}-{artist} ({album}, {year})"_s);
    QString baseName;
    QString reason;
    const bool named = format.Fill(files[0], baseName, reason);
    // A file is named or told why not, never both, never neither.
    FUZZ_CHECK(named == reason.isEmpty());
    FUZZ_CHECK(named || baseName.isEmpty());
    return 0;
}

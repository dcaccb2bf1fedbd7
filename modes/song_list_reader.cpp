#include "modes/song_list_reader.h"

#include "modes/song_list_page_base.h"
#include "platform/file_name_codec.h"

#include <QStringDecoder>

#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qsizetype kReadChunk = qsizetype{256} * 1024;

// Closes the descriptor when the reader leaves.
struct FdCloser
{
    int fd;
    ~FdCloser()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

// Opens a song-list file for reading; only regular files, so a folder, a FIFO
// or a device yields nothing instead of an error or a hang.
int OpenRegularFile(const QString& path)
{
    const int fd = ::open(EncodeFileName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return -1;
    struct stat info
    {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

ssize_t ReadSome(int fd, char* buffer, qsizetype size)
{
    for (;;) {
        const ssize_t got = ::read(fd, buffer, static_cast<size_t>(size));
        if (got >= 0 || errno != EINTR)
            return got;
    }
}

QStringDecoder DecoderFor(int encoding)
{
    // The mark is skipped by the reader itself; a U+FEFF further on is text.
    constexpr auto flags = QStringConverter::Flag::ConvertInitialBom;
    switch (encoding) {
    case ENCODING_UTF16LE:
        return QStringDecoder(QStringConverter::Utf16LE, flags);
    case ENCODING_UTF16BE:
        return QStringDecoder(QStringConverter::Utf16BE, flags);
    case ENCODING_UTF8:
        return QStringDecoder(QStringConverter::Utf8, flags);
    default:
        return QStringDecoder(QStringConverter::System, flags);
    }
}

// Cuts decoded text into lines. A UTF-16 or UTF-8 file is text: CR LF ends a
// line like LF. A file without a mark is taken byte-wise: the CR stays (the
// trimming of the last field removes it) and a line ends at its first NUL.
class LineSplitter
{
public:
    explicit LineSplitter(bool textMode) : m_textMode(textMode) {}

    // Calls `onLine` for each complete line; stops and returns false as soon
    // as `onLine` does.
    template <typename OnLine> bool Feed(const QString& text, OnLine&& onLine)
    {
        m_pending.append(text);
        qsizetype start = 0;
        for (qsizetype end; (end = m_pending.indexOf(u'\n', m_scanFrom)) >= 0;) {
            if (!onLine(Finish(QStringView(m_pending).sliced(start, end - start))))
                return false;
            start = end + 1;
            m_scanFrom = start;
        }
        m_pending.remove(0, start);
        m_scanFrom = m_pending.size();
        return true;
    }

    // The last line, which may lack a line break.
    template <typename OnLine> void End(OnLine&& onLine)
    {
        if (!m_pending.isEmpty())
            onLine(Finish(m_pending));
    }

private:
    QString Finish(QStringView line) const
    {
        if (m_textMode) {
            if (line.endsWith(u'\r'))
                line.chop(1);
        } else if (const qsizetype nul = line.indexOf(QChar(u'\0')); nul >= 0) {
            line.truncate(nul);
        }
        return line.toString();
    }

    bool m_textMode;
    QString m_pending;
    qsizetype m_scanFrom = 0;
};

} // namespace

int DetectTextEncoding(QString path)
{
    unsigned char mark[2] = {0, 0};
    const FdCloser file{OpenRegularFile(path)};
    if (file.fd >= 0 && ReadSome(file.fd, reinterpret_cast<char*>(mark), 1) == 1)
        ReadSome(file.fd, reinterpret_cast<char*>(mark + 1), 1);
    if (mark[0] == 0xFF && mark[1] == 0xFE)
        return ENCODING_UTF16LE;
    if (mark[0] == 0xFE && mark[1] == 0xFF)
        return ENCODING_UTF16BE;
    if (mark[0] == 0xEF && mark[1] == 0xBB)
        return ENCODING_UTF8;
    return ENCODING_NO_MARK;
}

int ReadSongList(CSongListPageBase& page)
{
    const QString path = page.GetSongListPath();
    const int encoding = DetectTextEncoding(path);
    const FdCloser file{OpenRegularFile(path)};
    if (file.fd < 0)
        return 0;

    QStringDecoder decoder = DecoderFor(encoding);
    LineSplitter splitter(encoding != ENCODING_NO_MARK);
    const auto onLine = [&page](const QString& line) {
        if (page.m_bStopReading.load() == 1)
            return false;
        ParseSongListLine(page.m_songList, line);
        return true;
    };

    const auto buffer = std::make_unique_for_overwrite<char[]>(kReadChunk);
    bool atStart = true;
    for (;;) {
        const ssize_t got = ReadSome(file.fd, buffer.get(), kReadChunk);
        if (got <= 0) {
            // End of file, or a read error: keep what was read so far.
            if (got == 0)
                splitter.End(onLine);
            break;
        }
        QByteArrayView bytes(buffer.get(), got);
        if (atStart) {
            atStart = false;
            if (encoding == ENCODING_UTF16LE || encoding == ENCODING_UTF16BE)
                bytes = bytes.sliced(qMin<qsizetype>(2, bytes.size()));
            else if (encoding == ENCODING_UTF8 && bytes.startsWith("\xEF\xBB\xBF"))
                bytes = bytes.sliced(3);
        }
        if (!splitter.Feed(decoder.decode(bytes), onLine))
            break;
    }
    return 0;
}

int LookupSongName(const CSongListPageBase& page, QString baseName, QString& result)
{
    const SongListEntry* entry = FindSongListEntry(page.m_songList, baseName);
    if (!entry)
        return -1;
    result = entry->m_strNewName;
    return 0;
}

void ClearSongList(CSongListPageBase& page)
{
    ClearSongList(page.m_songList);
}

#include "modes/song_list_lines.h"

#include "modes/song_list_reader.h"
#include "modes/text_start.h"
#include "platform/fd_read.h"
#include "platform/file_name_codec.h"
#include "platform/lone_surrogates.h"

#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qsizetype kBlock = kSongListBlock;
constexpr qsizetype kLongestLine = kSongListLongestLine; // characters

struct FdCloser
{
    int fd;
    ~FdCloser()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

// Qt's UTF-8 decoder loses a U+FFFD when a read ends inside a sequence that
// the next read's first byte does not continue. So UTF-8 is decoded read by
// read, each on its own, up to the sequence a read cuts (which waits for the
// next); a sequence the file ends inside reads as U+FFFD.
bool DecodesUtf8(const TextStart& start)
{
    return start.m_nEncoding == ENCODING_UTF8 ||
           (start.m_nEncoding == ENCODING_NO_MARK &&
            QStringConverter::encodingForName(start.m_charset.constData()) ==
                QStringConverter::Utf8);
}

QStringDecoder DecoderFor(const TextStart& start)
{
    // The mark is skipped by the reader itself; a U+FEFF further on is text.
    constexpr auto flags = QStringConverter::Flag::ConvertInitialBom;
    if (DecodesUtf8(start))
        return QStringDecoder(QStringConverter::Utf8, flags | QStringConverter::Flag::Stateless);
    switch (start.m_nEncoding) {
    case ENCODING_UTF16LE:
        return QStringDecoder(QStringConverter::Utf16LE, flags);
    case ENCODING_UTF16BE:
        return QStringDecoder(QStringConverter::Utf16BE, flags);
    default:
        return QStringDecoder(start.m_charset.constData(), flags);
    }
}

// How many of `bytes` end before a UTF-8 sequence they cut. A byte that is
// no continuation always starts a sequence, so only the last three bytes
// can belong to one that goes on in the next read.
qsizetype WholeUtf8Length(QByteArrayView bytes)
{
    const qsizetype size = bytes.size();
    for (qsizetype back = 1; back <= std::min<qsizetype>(3, size); ++back) {
        const auto byte = uchar(bytes[size - back]);
        if ((byte & 0xC0) == 0x80)
            continue; // a continuation byte: its lead is further back
        const qsizetype length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        return length > back ? size - back : size;
    }
    return size;
}

// Cuts decoded text into lines. A UTF-16 or UTF-8 file is text: CR LF ends a
// line like LF. A file without a mark is taken byte-wise: the CR stays (the
// trimming of the last field removes it) and a line ends at its first NUL.
// A line keeps its first kLongestLine characters, so a file that is one huge
// line costs no more memory than that; no new name can use more.
class LineSplitter
{
public:
    LineSplitter(bool textMode, bool utf16) : m_textMode(textMode), m_utf16(utf16) {}

    // Calls `onLine` for each complete line; stops and returns false as soon
    // as `onLine` does.
    template <typename OnLine> bool Feed(const QString& text, OnLine&& onLine)
    {
        qsizetype from = 0;
        if (m_overlong) {
            const qsizetype end = text.indexOf(u'\n');
            if (end < 0)
                return true; // still the rest of the long line
            m_overlong = false;
            const bool goOn = onLine(Finish(m_pending));
            m_pending.clear();
            m_scanFrom = 0;
            if (!goOn)
                return false;
            from = end + 1;
        }
        m_pending.append(QStringView(text).sliced(from));
        qsizetype start = 0;
        for (qsizetype end; (end = m_pending.indexOf(u'\n', m_scanFrom)) >= 0;) {
            // A line that began in an earlier block may end beyond the
            // bound in this one.
            if (!onLine(Finish(Cut(QStringView(m_pending).sliced(start, end - start)))))
                return false;
            start = end + 1;
            m_scanFrom = start;
        }
        m_pending.remove(0, start);
        if (m_pending.size() > kLongestLine) {
            m_pending.truncate(Cut(m_pending).size());
            m_overlong = true;
        }
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
    // The first kLongestLine characters of the line, never half a pair.
    static QStringView Cut(QStringView line)
    {
        if (line.size() <= kLongestLine)
            return line;
        qsizetype keep = kLongestLine;
        if (line.at(keep - 1).isHighSurrogate())
            --keep;
        return line.first(keep);
    }

    QString Finish(QStringView line) const
    {
        if (m_textMode) {
            if (line.endsWith(u'\r'))
                line.chop(1);
        } else if (const qsizetype nul = line.indexOf(QChar(u'\0')); nul >= 0) {
            line.truncate(nul);
        }
        QString text = line.toString();
        // Lone surrogates in UTF-16 text pass the decoder unchanged; as
        // U+FFFD they cannot slip into a file name as something that looks
        // like a byte escape.
        if (m_utf16)
            ReplaceLoneSurrogates(text);
        return text;
    }

    bool m_textMode;
    bool m_utf16;
    bool m_overlong = false; // the pending line is cut; its rest is dropped
    QString m_pending;
    qsizetype m_scanFrom = 0;
};

SongListReadResult Unreadable(int error)
{
    return {SONG_LIST_UNREADABLE, error};
}

} // namespace

int EncodingOfMark(QByteArrayView start)
{
    if (start.startsWith("\xFF\xFE"))
        return ENCODING_UTF16LE;
    if (start.startsWith("\xFE\xFF"))
        return ENCODING_UTF16BE;
    if (start.startsWith("\xEF\xBB"))
        return ENCODING_UTF8;
    return ENCODING_NO_MARK;
}

int OpenSongListFile(const QString& path, SongListReadResult& result)
{
    const QByteArray name = EncodeFileName(path);
    struct stat info
    {};
    // Look before opening: opening a device or a FIFO can block or act.
    if (::stat(name.constData(), &info) != 0) {
        const int error = errno;
        result = error == ENOENT || error == ENOTDIR ? SongListReadResult{SONG_LIST_MISSING, error}
                                                     : Unreadable(error);
        return -1;
    }
    if (!S_ISREG(info.st_mode)) {
        result = {S_ISDIR(info.st_mode) ? SONG_LIST_FOLDER : SONG_LIST_NOT_A_FILE, 0};
        return -1;
    }
    // O_NONBLOCK: something else may have been put there since the look.
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        result = Unreadable(errno);
        return -1;
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        result = {SONG_LIST_NOT_A_FILE, 0};
        return -1;
    }
    return fd;
}

SongListReadResult ReadSongListLines(const QString& path,
                                     const std::function<bool(const QString&)>& onLine)
{
    SongListReadResult result;
    const FdCloser file{OpenSongListFile(path, result)};
    if (file.fd < 0)
        return result;

    const auto buffer = std::make_unique_for_overwrite<char[]>(kBlock);
    ssize_t got = ReadFull(file.fd, buffer.get(), size_t(kBlock));
    if (got < 0)
        return Unreadable(errno);
    QByteArrayView bytes(buffer.get(), got);
    // The beginning decides: a file that is no text is not read on.
    const TextStart start = ExamineTextStart(bytes, got < kBlock);
    if (!start.m_bText)
        return {SONG_LIST_NOT_TEXT, 0};
    QStringDecoder decoder = DecoderFor(start);
    bytes = bytes.sliced(start.m_nMarkSize);
    const bool utf8 = DecodesUtf8(start);
    const bool utf16 =
        start.m_nEncoding == ENCODING_UTF16LE || start.m_nEncoding == ENCODING_UTF16BE;
    LineSplitter splitter(start.m_nEncoding != ENCODING_NO_MARK, utf16);

    while (!bytes.isEmpty()) {
        const qsizetype whole = utf8 ? WholeUtf8Length(bytes) : bytes.size();
        if (!splitter.Feed(decoder.decode(bytes.first(whole)), onLine))
            return result;
        // A cut sequence's bytes start the buffer; the next read follows them.
        const qsizetype carried = bytes.size() - whole;
        std::memmove(buffer.get(), bytes.data() + whole, size_t(carried));
        got = ReadSome(file.fd, buffer.get() + carried, size_t(kBlock - carried));
        if (got < 0)
            return Unreadable(errno); // keep what was read so far
        if (got == 0) {
            // The file ends inside a sequence.
            if (carried > 0 &&
                !splitter.Feed(decoder.decode(QByteArrayView(buffer.get(), carried)), onLine))
                return result;
            break;
        }
        bytes = QByteArrayView(buffer.get(), carried + got);
    }
    splitter.End(onLine);
    return result;
}

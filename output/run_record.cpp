#include "output/run_record.h"

#include <QCoreApplication>

#include <algorithm>
#include <charconv>

using namespace Qt::StringLiterals;

namespace {

constexpr char kHeaderMagic[] = "tamro run record 1";
constexpr char kCopiesMagic[] = "tamro run copies 1";
constexpr char kUndoneMagic[] = "tamro run undone 1";
constexpr qsizetype kLongestId = 64;
constexpr std::int64_t kNsecPerSec = 1000000000;

bool Escaped(unsigned char byte)
{
    return byte <= 0x20 || byte == 0x7F || byte == '%';
}

// Writes `bytes` in the record's form at `out`, which has room for three
// times as many; returns the end.
char* PutEscaped(char* out, QByteArrayView bytes)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (!Escaped(byte)) {
            *out++ = c;
            continue;
        }
        *out++ = '%';
        *out++ = kHex[byte >> 4];
        *out++ = kHex[byte & 0xF];
    }
    return out;
}

QByteArray Escape(QByteArrayView bytes)
{
    QByteArray text(bytes.size() * 3, Qt::Uninitialized);
    text.truncate(PutEscaped(text.data(), bytes) - text.constData());
    return text;
}

// Room for any number the record holds and the blank after it.
constexpr qsizetype kNumberRoom = 21;

// A number and the blank after it at `out`; returns the end.
template <typename Number> char* PutNumber(char* out, Number number)
{
    char* const end = std::to_chars(out, out + kNumberRoom - 1, number).ptr;
    *end = ' ';
    return end + 1;
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Only the writer's own form is taken: upper-case escapes, and only of the
// bytes it escapes, so every field has one spelling.
bool Unescape(QByteArrayView field, QByteArray& bytes)
{
    bytes.clear();
    if (field.isEmpty())
        return false;
    bytes.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const char c = field[i];
        if (c != '%') {
            if (Escaped(static_cast<unsigned char>(c)))
                return false;
            bytes.append(c);
            continue;
        }
        if (i + 2 >= field.size())
            return false;
        const int high = HexValue(field[i + 1]);
        const int low = HexValue(field[i + 2]);
        if (high < 0 || low < 0 || !Escaped(static_cast<unsigned char>(high * 16 + low)))
            return false;
        bytes.append(static_cast<char>(high * 16 + low));
        i += 2;
    }
    return true;
}

template <typename Number> bool ReadNumber(QByteArrayView field, Number& value)
{
    // One spelling per number, the one QByteArray::number writes.
    const qsizetype digits = field.startsWith('-') ? 1 : 0;
    if (field.size() <= digits || (field.size() > digits + 1 && field[digits] == '0'))
        return false;
    const char* end = field.data() + field.size();
    const auto [stop, error] = std::from_chars(field.data(), end, value);
    return error == std::errc() && stop == end && !(digits == 1 && value == 0);
}

bool IsAbsolutePath(const QByteArray& path)
{
    return path.startsWith('/') && !path.contains('\0');
}

bool IsComponent(const QByteArray& name)
{
    return !name.isEmpty() && name != "." && name != ".." && !name.contains('/') &&
           !name.contains('\0');
}

// Walks the lines of a whole file: each must end with a line feed.
class CLines
{
public:
    explicit CLines(QByteArrayView text) : m_text(text) {}

    // False at the end of the text, or at a last line cut short (`m_bCut`).
    bool Next(QList<QByteArrayView>& fields)
    {
        if (m_nAt >= m_text.size())
            return false;
        const qsizetype end = m_text.indexOf('\n', m_nAt);
        if (end < 0) {
            m_bCut = true;
            return false;
        }
        const QByteArrayView line = m_text.sliced(m_nAt, end - m_nAt);
        m_nAt = end + 1;
        ++m_nLine;
        fields.clear();
        qsizetype start = 0;
        for (qsizetype blank; (blank = line.indexOf(' ', start)) >= 0; start = blank + 1)
            fields.append(line.sliced(start, blank - start));
        fields.append(line.sliced(start));
        return true;
    }

    QString Problem(const QString& what) const
    {
        return QCoreApplication::translate("RunRecord", "line %1: %2").arg(m_nLine).arg(what);
    }
    // Empty when the text ended after a whole line.
    QString End() const
    {
        return m_bCut ? QCoreApplication::translate("RunRecord", "the last line is cut short")
                      : QString();
    }

private:
    QByteArrayView m_text;
    qsizetype m_nAt = 0;
    int m_nLine = 0;
    bool m_bCut = false;
};

QString ExpectMagic(CLines& lines, const char* magic)
{
    QList<QByteArrayView> fields;
    if (!lines.Next(fields))
        return QCoreApplication::translate("RunRecord", "it is empty or cut short");
    QByteArray joined;
    for (qsizetype i = 0; i < fields.size(); ++i)
        joined.append(i ? " " : "").append(fields[i].data(), fields[i].size());
    if (joined != magic)
        return QCoreApplication::translate(
            "RunRecord", "it is not a run record of tamro (or one of a newer tamro)");
    return {};
}

// "name value..." with exactly `count` fields after the name.
bool IsLine(const QList<QByteArrayView>& fields, const char* name, qsizetype count)
{
    return fields.size() == count + 1 && fields[0] == name;
}

} // namespace

QByteArray RunRecord::CopyPath(const RecordedCopy& copy) const
{
    const QByteArray& folder = m_outputFolders[copy.m_nFolder].m_path;
    return folder.endsWith('/') ? folder + copy.m_name : folder + '/' + copy.m_name;
}

QByteArray RunRecord::SourcePath(const RecordedCopy& copy) const
{
    const QByteArray& folder = m_sourceFolders[copy.m_nSourceFolder];
    return folder.endsWith('/') ? folder + copy.m_sourceName : folder + '/' + copy.m_sourceName;
}

qsizetype RunRecord::StandingCopies() const
{
    qsizetype standing = 0;
    for (const RecordedCopy& copy : m_copies)
        standing += copy.m_bGone ? 0 : 1;
    return standing;
}

bool IsRunId(QByteArrayView id)
{
    if (id.isEmpty() || id.size() > kLongestId || id[0] == '.')
        return false;
    for (const char c : id) {
        const bool allowed = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
                             (c >= 'a' && c <= 'z') || c == '.' || c == '_' || c == '-';
        if (!allowed)
            return false;
    }
    return true;
}

QByteArray RunCopiesName(std::uint32_t number)
{
    return kRunCopiesPrefix + QByteArray::number(number).rightJustified(8, '0');
}

std::uint32_t RunCopiesNumber(QByteArrayView name)
{
    const QByteArrayView prefix(kRunCopiesPrefix);
    if (!name.startsWith(prefix) || name.size() < prefix.size() + 8)
        return 0;
    std::uint32_t number = 0;
    const QByteArrayView digits = name.sliced(prefix.size());
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return 0;
    }
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, number);
    // One spelling per number: what RunCopiesName writes.
    if (error != std::errc() || stop != end || RunCopiesName(number) != name)
        return 0;
    return number;
}

QByteArray RunHeaderText(const RunRecord& run)
{
    QByteArray text = kHeaderMagic + QByteArray("\n");
    text += "id " + run.m_strId.toLatin1() + '\n';
    text += "time " + QByteArray::number(run.m_nTimeMs) + '\n';
    text += "log " + QByteArray::number(run.m_logFolder.m_nDevice) + ' ' +
            QByteArray::number(run.m_logFolder.m_nInode) + ' ' + Escape(run.m_logFolder.m_path) +
            '\n';
    return text;
}

QByteArray RunCopiesStart()
{
    return kCopiesMagic + QByteArray("\n");
}

QByteArray OutputFolderLine(std::uint32_t index, const RecordedFolder& folder)
{
    return "folder " + QByteArray::number(index) + ' ' + QByteArray::number(folder.m_nDevice) +
           ' ' + QByteArray::number(folder.m_nInode) + ' ' + Escape(folder.m_path) + '\n';
}

QByteArray SourceFolderLine(std::uint32_t index, QByteArrayView path)
{
    return "source " + QByteArray::number(index) + ' ' + Escape(path) + '\n';
}

void AppendCopyLine(QByteArray& text, const RecordedCopy& copy, QByteArrayView name,
                    QByteArrayView sourceName)
{
    // Written straight into the text's room: the writer adds a line per copy.
    static constexpr char kWord[] = "copy ";
    const qsizetype start = text.size();
    text.resize(start + qsizetype(sizeof kWord) + 7 * kNumberRoom +
                3 * (name.size() + sourceName.size()) + 2);
    char* out = std::copy_n(kWord, sizeof kWord - 1, text.data() + start);
    out = PutNumber(out, copy.m_nFolder);
    out = PutNumber(out, copy.m_nSourceFolder);
    out = PutNumber(out, copy.m_nDevice);
    out = PutNumber(out, copy.m_nInode);
    out = PutNumber(out, copy.m_nSize);
    out = PutNumber(out, copy.m_nMtimeSec);
    out = PutNumber(out, copy.m_nMtimeNsec);
    out = PutEscaped(out, name);
    *out++ = ' ';
    out = PutEscaped(out, sourceName);
    *out++ = '\n';
    text.truncate(out - text.constData());
}

QByteArray CopyLine(const RecordedCopy& copy)
{
    QByteArray line;
    AppendCopyLine(line, copy, copy.m_name, copy.m_sourceName);
    return line;
}

QByteArray RunUndoneText(const RunRecord& run)
{
    QByteArray text =
        kUndoneMagic + QByteArray("\ntime ") + QByteArray::number(run.m_nUndoneMs) + '\n';
    for (std::size_t i = 0; i < run.m_copies.size(); ++i) {
        if (run.m_copies[i].m_bGone)
            text += "gone " + QByteArray::number(quint64(i)) + '\n';
    }
    return text;
}

QString ParseRunHeader(QByteArrayView text, RunRecord& run)
{
    CLines lines(text);
    if (QString problem = ExpectMagic(lines, kHeaderMagic); !problem.isEmpty())
        return problem;
    QList<QByteArrayView> fields;
    // The writer's order, each once.
    if (!lines.Next(fields) || !IsLine(fields, "id", 1) || !IsRunId(fields[1]))
        return lines.Problem(QCoreApplication::translate("RunRecord", "no run id"));
    run.m_strId = QString::fromLatin1(fields[1]);
    if (!lines.Next(fields) || !IsLine(fields, "time", 1) || !ReadNumber(fields[1], run.m_nTimeMs))
        return lines.Problem(QCoreApplication::translate("RunRecord", "no time"));
    if (!lines.Next(fields) || !IsLine(fields, "log", 3) ||
        !ReadNumber(fields[1], run.m_logFolder.m_nDevice) ||
        !ReadNumber(fields[2], run.m_logFolder.m_nInode) ||
        !Unescape(fields[3], run.m_logFolder.m_path) || !IsAbsolutePath(run.m_logFolder.m_path))
        return lines.Problem(QCoreApplication::translate("RunRecord", "no log folder"));
    if (lines.Next(fields))
        return lines.Problem(QCoreApplication::translate("RunRecord", "more than a header holds"));
    return lines.End();
}

QString ParseRunCopies(QByteArrayView text, RunRecord& run)
{
    CLines lines(text);
    if (QString problem = ExpectMagic(lines, kCopiesMagic); !problem.isEmpty())
        return problem;
    QList<QByteArrayView> fields;
    while (lines.Next(fields)) {
        std::uint32_t index = 0;
        if (IsLine(fields, "folder", 4)) {
            RecordedFolder folder;
            // Folders are numbered in the order they are named.
            if (!ReadNumber(fields[1], index) ||
                index != std::uint32_t(run.m_outputFolders.size()) ||
                !ReadNumber(fields[2], folder.m_nDevice) ||
                !ReadNumber(fields[3], folder.m_nInode) || !Unescape(fields[4], folder.m_path) ||
                !IsAbsolutePath(folder.m_path))
                return lines.Problem(
                    QCoreApplication::translate("RunRecord", "a damaged output folder"));
            run.m_outputFolders.append(folder);
        } else if (IsLine(fields, "source", 2)) {
            QByteArray path;
            if (!ReadNumber(fields[1], index) ||
                index != std::uint32_t(run.m_sourceFolders.size()) || !Unescape(fields[2], path) ||
                !IsAbsolutePath(path))
                return lines.Problem(
                    QCoreApplication::translate("RunRecord", "a damaged source folder"));
            run.m_sourceFolders.append(path);
        } else if (IsLine(fields, "copy", 9)) {
            RecordedCopy copy;
            if (!ReadNumber(fields[1], copy.m_nFolder) ||
                copy.m_nFolder >= std::uint32_t(run.m_outputFolders.size()) ||
                !ReadNumber(fields[2], copy.m_nSourceFolder) ||
                copy.m_nSourceFolder >= std::uint32_t(run.m_sourceFolders.size()) ||
                !ReadNumber(fields[3], copy.m_nDevice) || !ReadNumber(fields[4], copy.m_nInode) ||
                !ReadNumber(fields[5], copy.m_nSize) || copy.m_nSize < 0 ||
                !ReadNumber(fields[6], copy.m_nMtimeSec) ||
                !ReadNumber(fields[7], copy.m_nMtimeNsec) || copy.m_nMtimeNsec < 0 ||
                copy.m_nMtimeNsec >= kNsecPerSec || !Unescape(fields[8], copy.m_name) ||
                !IsComponent(copy.m_name) || !Unescape(fields[9], copy.m_sourceName) ||
                !IsComponent(copy.m_sourceName))
                return lines.Problem(QCoreApplication::translate("RunRecord", "a damaged copy"));
            run.m_copies.push_back(std::move(copy));
        } else {
            return lines.Problem(QCoreApplication::translate("RunRecord", "an unknown line"));
        }
    }
    return lines.End();
}

QString ParseRunUndone(QByteArrayView text, RunRecord& run)
{
    CLines lines(text);
    if (QString problem = ExpectMagic(lines, kUndoneMagic); !problem.isEmpty())
        return problem;
    QList<QByteArrayView> fields;
    if (!lines.Next(fields) || !IsLine(fields, "time", 1) ||
        !ReadNumber(fields[1], run.m_nUndoneMs) || run.m_nUndoneMs <= 0)
        return lines.Problem(QCoreApplication::translate("RunRecord", "no time"));
    while (lines.Next(fields)) {
        std::uint64_t index = 0;
        if (!IsLine(fields, "gone", 1) || !ReadNumber(fields[1], index) ||
            index >= run.m_copies.size())
            return lines.Problem(
                QCoreApplication::translate("RunRecord", "a copy the run did not make"));
        run.m_copies[index].m_bGone = true;
    }
    return lines.End();
}

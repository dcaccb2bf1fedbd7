#pragma once

#include <QByteArray>
#include <QString>

// A text file of UTF-16LE lines: the mark FF FE first, then each line's code
// units exactly as the string holds them (surrogate pairs too) and CR LF.
// Lines collect in a buffer and reach the disk when it fills or on Close.
// The first error is kept: later lines are dropped, and Close reports it.
class Utf16TextWriter
{
public:
    Utf16TextWriter() = default;
    Utf16TextWriter(const Utf16TextWriter&) = delete;
    Utf16TextWriter& operator=(const Utf16TextWriter&) = delete;
    ~Utf16TextWriter();

    // Opens or creates the file without changing it and without ever
    // blocking. Only a plain file of its own is taken: ELOOP for a symbolic
    // link, EMLINK for a file that has other names too (a hard link), ENXIO
    // for a FIFO, device or socket; otherwise 0 or the errno of the open.
    int Open(const QByteArray& path);
    // Takes an exclusive lock on the file without waiting. Returns 0, or
    // EWOULDBLOCK when another open of the file holds it. Released by Close.
    int TryLock();
    // Empties the file and starts it with the mark. Returns 0 or the errno.
    int StartEmpty();
    void WriteLine(const QString& line);
    // Writes what is buffered and closes. Returns 0 or the first errno met
    // since Open.
    int Close();

    bool IsOpen() const { return m_fd >= 0; }
    int Error() const { return m_error; }

private:
    void Flush();

    int m_fd = -1;
    int m_error = 0;
    QByteArray m_buffer;
};

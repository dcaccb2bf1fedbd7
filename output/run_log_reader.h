#pragma once

#include <QString>
#include <QStringList>

// Reads a run log back: a UTF-16LE file with the mark FF FE and CR LF after
// every line, as the run-log writer leaves it. While the reader lives it
// holds a shared lock on the file, so no convert job can empty the log
// meanwhile, and a job that is still writing it turns the reader away.
class CRunLogReader
{
public:
    CRunLogReader() = default;
    CRunLogReader(const CRunLogReader&) = delete;
    CRunLogReader& operator=(const CRunLogReader&) = delete;
    ~CRunLogReader();

    // Reads `name` in `folder`. Empty on success, otherwise a sentence for
    // the operator that names the file and the reason.
    [[nodiscard]] QString Read(const QString& folder, const QString& name);

    // The complete lines, without their line ends. A last line without its
    // CR LF was cut short by a job that never closed the log, and is left out.
    const QStringList& Lines() const { return m_lines; }

private:
    int m_fd = -1;
    QStringList m_lines;
};

#pragma once

#include <QElapsedTimer>
#include <QString>

#include <cstdint>

// The text of the live line: file n of N, bytes, rate, time left. `elapsedMs`
// is the time since the first copy began.
QString ProgressText(unsigned fileNumber, unsigned fileCount, std::int64_t bytesDone,
                     std::int64_t bytesTotal, std::int64_t elapsedMs);

// One line on the terminal that a convert job redraws as it goes, and the
// way every other message reaches stderr (the line is wiped first, so a
// message never ends up glued to it). Without a terminal it stays silent.
class CProgressLine
{
public:
    explicit CProgressLine(bool bLive);

    bool IsLive() const { return m_bLive; }
    void Start(unsigned fileCount, std::int64_t bytesTotal);
    // Redraws at most about ten times a second.
    void Update(unsigned fileNumber, std::int64_t bytesDone);
    // A message for the operator, shown whether live or not.
    void Say(const QString& text);
    // Wipes the line at the end of the job.
    void Finish();

private:
    void Wipe();

    bool m_bLive;
    bool m_bShown = false;
    unsigned m_nFileCount = 0;
    std::int64_t m_nBytesTotal = 0;
    QElapsedTimer m_clock;
    std::int64_t m_nLastDrawMs = -1;
};

#include "cli/progress_line.h"

#include <QCoreApplication>

#include <cmath>
#include <cstdio>

namespace {

constexpr std::int64_t kRedrawMs = 100;

QString Bytes(std::int64_t bytes)
{
    constexpr const char16_t* kUnits[] = {u"B", u"KiB", u"MiB", u"GiB", u"TiB"};
    double value = double(bytes);
    int unit = 0;
    while (value >= 1024.0 && unit < 4) {
        value /= 1024.0;
        ++unit;
    }
    return unit == 0 ? QStringLiteral("%1 B").arg(bytes)
                     : QStringLiteral("%1 %2")
                           .arg(value, 0, 'f', 1)
                           .arg(QString::fromUtf16(kUnits[unit]));
}

QString Duration(std::int64_t seconds)
{
    if (seconds >= 3600) {
        return QStringLiteral("%1:%2:%3")
            .arg(seconds / 3600)
            .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
            .arg(seconds % 60, 2, 10, QLatin1Char('0'));
    }
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

void PutToStderr(const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
}

} // namespace

QString ProgressText(unsigned fileNumber, unsigned fileCount, std::int64_t bytesDone,
                     std::int64_t bytesTotal, std::int64_t elapsedMs)
{
    QString text = QCoreApplication::translate("TamroCli", "file %1 of %2  %3 of %4")
                       .arg(fileNumber)
                       .arg(fileCount)
                       .arg(Bytes(bytesDone), Bytes(bytesTotal));
    // A rate needs a moment of history before it means anything.
    if (elapsedMs >= 500 && bytesDone > 0) {
        const double perSecond = double(bytesDone) * 1000.0 / double(elapsedMs);
        const auto left = std::llround(double(bytesTotal - bytesDone) / perSecond);
        text += u"  "_qs + QCoreApplication::translate("TamroCli", "%1/s  %2 left")
                               .arg(Bytes(std::int64_t(perSecond)), Duration(left));
    }
    return text;
}

CProgressLine::CProgressLine(bool bLive) : m_bLive(bLive) {}

void CProgressLine::Start(unsigned fileCount, std::int64_t bytesTotal)
{
    m_nFileCount = fileCount;
    m_nBytesTotal = bytesTotal;
    m_clock.start();
    m_nLastDrawMs = -1;
}

void CProgressLine::Update(unsigned fileNumber, std::int64_t bytesDone)
{
    if (!m_bLive || !m_clock.isValid())
        return;
    const std::int64_t now = m_clock.elapsed();
    if (m_nLastDrawMs >= 0 && now - m_nLastDrawMs < kRedrawMs)
        return;
    m_nLastDrawMs = now;
    // \r and erase-to-end keep it one line however its length changes.
    PutToStderr(u'\r' + ProgressText(fileNumber, m_nFileCount, bytesDone, m_nBytesTotal, now) +
                QStringLiteral("\x1b[K"));
    m_bShown = true;
}

void CProgressLine::Say(const QString& text)
{
    Wipe();
    PutToStderr(text.endsWith(u'\n') ? text : text + u'\n');
    // Drawn again at the next update, not a frame later.
    m_nLastDrawMs = -1;
}

void CProgressLine::Finish()
{
    Wipe();
}

void CProgressLine::Wipe()
{
    if (!m_bShown)
        return;
    PutToStderr(QStringLiteral("\r\x1b[K"));
    m_bShown = false;
}

// A run log read back: any bytes under the name InfoLog.txt.
#include "fuzz/fuzz_support.h"
#include "output/run_log_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = FuzzBytes(data, size);
    FuzzFile("InfoLog.txt", bytes);
    CRunLogReader reader;
    const QString problem = reader.Read(DecodeFileName(FuzzFolder()), u"InfoLog.txt"_qs);
    if (!problem.isEmpty()) {
        FUZZ_CHECK(reader.Lines().isEmpty());
        return 0;
    }
    FUZZ_CHECK(bytes.startsWith("\xFF\xFE") && bytes.size() % 2 == 0);
    // The lines are the text up to its last line end, cut at every CR LF.
    const QString text = QString::fromUtf16(
        reinterpret_cast<const char16_t*>(bytes.constData() + 2), (bytes.size() - 2) / 2);
    QString joined;
    for (const QString& line : reader.Lines()) {
        FUZZ_CHECK(!line.contains(u"\r\n"_qs));
        joined += line + u"\r\n"_qs;
    }
    FUZZ_CHECK(text.startsWith(joined));
    FUZZ_CHECK(!text.mid(joined.size()).contains(u"\r\n"_qs));
    return 0;
}

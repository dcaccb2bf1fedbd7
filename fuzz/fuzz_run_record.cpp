// The run records undo trusts: the parsers of their three files, and a
// record on disk loaded whole.
#include "fuzz/fuzz_support.h"
#include "output/run_record.h"
#include "output/run_record_reader.h"

#include <sys/stat.h>

namespace {

bool SameCopies(const RunRecord& a, const RunRecord& b)
{
    if (a.m_copies.size() != b.m_copies.size() ||
        a.m_outputFolders.size() != b.m_outputFolders.size() ||
        a.m_sourceFolders != b.m_sourceFolders)
        return false;
    for (qsizetype i = 0; i < a.m_outputFolders.size(); ++i) {
        const RecordedFolder& x = a.m_outputFolders[i];
        const RecordedFolder& y = b.m_outputFolders[i];
        if (x.m_path != y.m_path || x.m_nDevice != y.m_nDevice || x.m_nInode != y.m_nInode)
            return false;
    }
    for (std::size_t i = 0; i < a.m_copies.size(); ++i) {
        const RecordedCopy& x = a.m_copies[i];
        const RecordedCopy& y = b.m_copies[i];
        if (x.m_nFolder != y.m_nFolder || x.m_nSourceFolder != y.m_nSourceFolder ||
            x.m_nDevice != y.m_nDevice || x.m_nInode != y.m_nInode || x.m_nSize != y.m_nSize ||
            x.m_nMtimeSec != y.m_nMtimeSec || x.m_nMtimeNsec != y.m_nMtimeNsec ||
            x.m_name != y.m_name || x.m_sourceName != y.m_sourceName || x.m_bGone != y.m_bGone)
            return false;
    }
    return true;
}

// The run's batches as the writer would write them: folders, sources, copies.
QByteArray Rewritten(const RunRecord& run)
{
    QByteArray text = RunCopiesStart();
    for (qsizetype i = 0; i < run.m_outputFolders.size(); ++i)
        text += OutputFolderLine(std::uint32_t(i), run.m_outputFolders[i]);
    for (qsizetype i = 0; i < run.m_sourceFolders.size(); ++i)
        text += SourceFolderLine(std::uint32_t(i), run.m_sourceFolders[i]);
    for (const RecordedCopy& copy : run.m_copies)
        text += CopyLine(copy);
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = FuzzBytes(data, size);

    // Each accepted text has one spelling: the writer's.
    RunRecord header;
    if (ParseRunHeader(bytes, header).isEmpty()) {
        FUZZ_CHECK(IsRunId(header.m_strId.toLatin1()));
        FUZZ_CHECK(RunHeaderText(header) == bytes);
    }

    RunRecord run;
    if (ParseRunCopies(bytes, run).isEmpty()) {
        for (const RecordedCopy& copy : run.m_copies) {
            FUZZ_CHECK(copy.m_nFolder < std::uint32_t(run.m_outputFolders.size()));
            FUZZ_CHECK(copy.m_nSourceFolder < std::uint32_t(run.m_sourceFolders.size()));
            FUZZ_CHECK(!copy.m_name.contains('/') && copy.m_name != "." && copy.m_name != "..");
            FUZZ_CHECK(run.CopyPath(copy).startsWith('/'));
        }
        RunRecord again;
        FUZZ_CHECK(ParseRunCopies(Rewritten(run), again).isEmpty());
        FUZZ_CHECK(SameCopies(run, again));
    }

    RunRecord undone;
    undone.m_copies.resize(8);
    if (ParseRunUndone(bytes, undone).isEmpty()) {
        RunRecord again;
        again.m_copies.resize(8);
        FUZZ_CHECK(ParseRunUndone(RunUndoneText(undone), again).isEmpty());
        FUZZ_CHECK(again.m_nUndoneMs == undone.m_nUndoneMs && SameCopies(undone, again));
    }

    // The same bytes as the first batch of a run in a records folder.
    static const bool stateReady = [] {
        qputenv("XDG_STATE_HOME", FuzzFolder());
        ::mkdir((FuzzFolder() + "/tamro").constData(), 0700);
        ::mkdir((FuzzFolder() + "/tamro/runs").constData(), 0700);
        ::mkdir((FuzzFolder() + "/tamro/runs/r1").constData(), 0700);
        return true;
    }();
    (void)stateReady;
    FuzzFile("tamro/runs/r1/run", "tamro run record 1\nid r1\ntime 1\nlog 1 2 /logs\n");
    FuzzFile("tamro/runs/r1/copies-00000001", bytes);
    CRunRecordReader records;
    FUZZ_CHECK(records.Open().isEmpty());
    RunRecord loaded;
    const QString problem = records.Load(u"r1"_qs, loaded);
    RunRecord parsed;
    FUZZ_CHECK(problem.isEmpty() == ParseRunCopies(bytes, parsed).isEmpty());
    if (problem.isEmpty())
        FUZZ_CHECK(SameCopies(loaded, parsed));
    return 0;
}

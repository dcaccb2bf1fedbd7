// tamro-cli's command line: any arguments.
#include "cli/cli_request.h"
#include "fuzz/fuzz_support.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QStringList arguments{u"tamro-cli"_qs};
    for (const QByteArray& argument : FuzzArguments(FuzzBytes(data, size)))
        arguments.append(DecodeFileName(argument));
    const CliRequest request = ParseCliRequest(arguments);
    if (request.m_bExit) {
        FUZZ_CHECK(request.m_nExitCode == EXIT_ALL_DONE || request.m_nExitCode == EXIT_UNUSABLE);
        return 0;
    }
    // A request that runs is whole: each command with what it takes.
    FUZZ_CHECK(request.m_command != CliRequest::None);
    const int modesGiven =
        int(request.m_bPattern) + int(request.m_bTags) + int(!request.m_strSongList.isEmpty());
    if (request.m_command == CliRequest::Undo) {
        FUZZ_CHECK(modesGiven == 0 && request.m_strSource.isEmpty() &&
                   request.m_strOutput.isEmpty());
        FUZZ_CHECK(!request.m_bJson && !request.m_bCreateOutput);
        // A listing changes nothing and names no run.
        FUZZ_CHECK(!request.m_bList || (!request.m_bDryRun && request.m_strRunId.isEmpty()));
        return 0;
    }
    FUZZ_CHECK(modesGiven == 1);
    FUZZ_CHECK(!request.m_bList && request.m_strRunId.isEmpty());
    FUZZ_CHECK(!request.m_bDryRun);
    FUZZ_CHECK(!request.m_bPattern || !request.m_strSource.isEmpty());
    if (request.m_command == CliRequest::Convert)
        FUZZ_CHECK(!request.m_strOutput.isEmpty());
    else
        FUZZ_CHECK(!request.m_bCreateOutput);
    // Paths are kept exactly as given.
    for (const QString& path : {request.m_strSongList, request.m_strSource, request.m_strOutput})
        FUZZ_CHECK(path.isEmpty() || arguments.contains(path) ||
                   std::any_of(arguments.cbegin(), arguments.cend(),
                               [&path](const QString& a) { return a.endsWith(u'=' + path); }));
    return 0;
}

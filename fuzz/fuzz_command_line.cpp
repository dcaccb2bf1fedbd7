// The window's command line: any arguments, read before Qt starts.
#include "app/command_line.h"
#include "fuzz/fuzz_support.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QList<QByteArray> arguments{QByteArrayLiteral("tamro")};
    arguments.append(FuzzArguments(FuzzBytes(data, size)));
    std::vector<char*> argv;
    for (QByteArray& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    const CommandLine line = ParseCommandLine(int(arguments.size()), argv.data());
    FUZZ_CHECK(line.m_nExitCode == 0 || line.m_nExitCode == 2);
    FUZZ_CHECK(!line.m_bExit || line.m_strPath.isEmpty());
    // The path to open keeps its exact bytes.
    if (!line.m_strPath.isEmpty())
        FUZZ_CHECK(arguments.contains(EncodeFileName(line.m_strPath)));
    return 0;
}

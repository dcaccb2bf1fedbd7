#include "app/command_line.h"
#include "app/tamro_app.h"

int main(int argc, char** argv)
{
    // --help and --version answer before anything needs a display.
    const CommandLine commandLine = ParseCommandLine(argc, argv);
    if (commandLine.m_bExit)
        return commandLine.m_nExitCode;
    CtamroApp theApp(argc, argv);
    return theApp.InitInstance(commandLine.m_strPath);
}

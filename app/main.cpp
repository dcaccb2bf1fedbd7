#include "app/command_line.h"
#include "app/stop_signals.h"
#include "app/tamro_app.h"
#include "platform/translations.h"

#include <QCoreApplication>

#include <csignal>

int main(int argc, char** argv)
{
    // --help and --version answer before anything needs a display, in the
    // operator's language: the console's application object is enough.
    CommandLine commandLine;
    {
        const QCoreApplication console(argc, argv);
        InstallTranslations();
        commandLine = ParseCommandLine(argc, argv);
    }
    if (commandLine.m_bExit)
        return commandLine.m_nExitCode;
    // A file-size limit then fails the copy ("File too large") instead of
    // killing tamro mid-job.
    ::signal(SIGXFSZ, SIG_IGN);
    int stopSignal = 0;
    {
        CtamroApp theApp(argc, argv);
        stopSignal = theApp.InitInstance(commandLine.m_strPath);
    }
    if (stopSignal != 0)
        EndAsSignalled(stopSignal);
    return 0;
}

#include "app/stop_signals.h"
#include "app/tamro_app.h"

#include <csignal>

int main(int argc, char** argv)
{
    // A file-size limit then fails the copy ("File too large") instead of
    // killing tamro mid-job.
    ::signal(SIGXFSZ, SIG_IGN);
    int stopSignal = 0;
    {
        CtamroApp theApp(argc, argv);
        stopSignal = theApp.InitInstance();
    }
    if (stopSignal != 0)
        EndAsSignalled(stopSignal);
    return 0;
}

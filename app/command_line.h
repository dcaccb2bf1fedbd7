#pragma once

#include <QString>

// What tamro was asked to do on its command line. It is read before the
// window's application object exists (with a console's one, for the
// translations), so --help and --version work without a display.
struct CommandLine
{
    bool m_bExit = false; // the request is answered; end with m_nExitCode
    int m_nExitCode = 0;
    QString m_strPath; // the folder or song list to open, exact name; may be empty
};

// Parses argv; prints the help, the version or a usage error itself.
CommandLine ParseCommandLine(int argc, char** argv);

#pragma once

#include <QString>
#include <QStringList>

// Exit statuses of tamro-cli, for scripts.
enum CliExit : int
{
    EXIT_ALL_DONE = 0,    // every copy succeeded (or the preview was shown)
    EXIT_SOME_FAILED = 1, // the run ended, some copies failed
    EXIT_UNUSABLE = 2,    // bad usage, or input that could not be used
    EXIT_CANCELLED = 130, // stopped by Ctrl-C, as a shell reports it
};

// What tamro-cli was asked to do, paths as given (exact bytes, "~/" not yet
// expanded).
struct CliRequest
{
    enum Command
    {
        None,
        Preview,
        Convert,
        Undo,
    };

    Command m_command = None;
    bool m_bPattern = false; // pattern mode
    bool m_bTags = false;    // tag mode; neither: song-list mode
    bool m_bFormatGiven = false;
    QString m_strFormat; // tag mode: the name format, when given
    QString m_strSongList;
    QString m_strSource; // empty: the song list's folder
    QString m_strOutput;
    QString m_strLogDir; // empty: the working folder
    bool m_bJson = false;
    bool m_bDryRun = false;
    bool m_bCreateOutput = false;
    // convert: copy under the names a preview shows, as the window's convert
    // does with a preview on screen.
    bool m_bFromPreview = false;

    bool m_bExit = false; // answered already (help, version, usage error)
    int m_nExitCode = EXIT_ALL_DONE;
};

// Parses the arguments (argv[0] first); prints the help, the version or a
// usage error itself.
CliRequest ParseCliRequest(const QStringList& arguments);

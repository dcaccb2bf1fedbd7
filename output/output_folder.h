#pragma once

#include <QString>

// What a convert job finds at the output folder before it starts.
enum class OutputFolderState
{
    Usable,   // a folder tamro may create files in
    Missing,  // nothing there: the operator may have it created
    Unusable, // a file, a folder closed to us, or a path that cannot be looked at
};

struct OutputFolderCheck
{
    OutputFolderState state = OutputFolderState::Usable;
    QString problem; // for Unusable: the path and the reason, for the operator
};

OutputFolderCheck CheckOutputFolder(const QString& path);

// Creates the folder and any missing parents. Returns an empty string, or
// the path and the reason it could not be created, for the operator.
[[nodiscard]] QString CreateOutputFolder(const QString& path);

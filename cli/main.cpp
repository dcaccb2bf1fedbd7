#include "cli/cli_jobs.h"
#include "cli/cli_request.h"
#include "cli/cli_undo.h"
#include "platform/file_name_codec.h"
#include "platform/translations.h"

#include <QCoreApplication>
#include <QStringList>

int main(int argc, char** argv)
{
    // First, so even the help and the usage errors speak the operator's language.
    const QCoreApplication app(argc, argv);
    InstallTranslations();
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(DecodeFileName(QByteArray(argv[i]))); // names kept exact
    const CliRequest request = ParseCliRequest(arguments);
    if (request.m_bExit)
        return request.m_nExitCode;
    return request.m_command == CliRequest::Undo ? RunUndo(request) : RunPreviewOrConvert(request);
}

#include "platform/file_copy.h"

#include "platform/copy_session.h"
#include "platform/staged_copy.h"

#include <cerrno>
#include <cstring>

QString CopyResult::Reason() const
{
    if (stage == CopyStage::OpenSource && error == EINVAL)
        return QStringLiteral("Not a regular file");
    return QString::fromLocal8Bit(std::strerror(error));
}

CopyResult CopyFileWithProgress(const QByteArray& source, const QByteArray& destination,
                                CopyProgressRoutine progress, void* data)
{
    CCopySession session;
    CStagedCopy copy(session);
    CopyResult result = copy.OpenSource(source);
    if (result.Succeeded())
        result = copy.Create(destination);
    if (result.Succeeded())
        result = copy.Transfer(progress, data);
    if (result.Succeeded())
        result = copy.Finish();
    if (result.Succeeded() && !copy.NamedAtCreate()) {
        result = copy.Publish(destination);
        if (result.error == EEXIST)
            result.stage = CopyStage::CreateDestination;
    }
    if (result.Succeeded())
        result = copy.Close();
    return result;
}

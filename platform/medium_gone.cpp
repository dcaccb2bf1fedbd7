#include "platform/medium_gone.h"

#include <cerrno>

bool IsMediumGoneError(int error)
{
    switch (error) {
    case EIO:
    case ENODEV:
    case ENXIO:
    case ENOMEDIUM:
    case ENOTCONN:
    case ECONNABORTED:
    case ESHUTDOWN:
    case EROFS:
    case EUCLEAN:
    case ESTALE:
    case EHOSTDOWN:
    case EHOSTUNREACH:
    case ENETDOWN:
    case ENETUNREACH:
    case ETIMEDOUT:
        return true;
    default:
        return false;
    }
}

bool MediumGone(const CopyResult& result)
{
    switch (result.stage) {
    case CopyStage::Done:
    case CopyStage::OpenSource:
        return false;
    case CopyStage::Transfer:
        return !result.sourceFailed && IsMediumGoneError(result.error);
    case CopyStage::CreateDestination:
    case CopyStage::Finish:
        return IsMediumGoneError(result.error);
    }
    return false;
}

#include "platform/copy_session.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace {

int FirstError(int first, int next)
{
    return first != 0 ? first : next;
}

int SyncFolder(const QByteArray& folder)
{
    UniqueFd fd(::openat(AT_FDCWD, folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!fd.valid())
        return errno;
    return ::fsync(fd.get()) == 0 ? 0 : errno;
}

} // namespace

CMediumTraits* CCopySession::TraitsForFolder(const QByteArray& folder)
{
    return m_pLastMedium && folder == m_lastFolder ? &m_pLastMedium->traits : nullptr;
}

CMediumTraits& CCopySession::TraitsForFile(int fd, dev_t device, const QByteArray& folder)
{
    const auto known = std::find_if(m_media.begin(), m_media.end(), [device](const auto& medium) {
        return medium->traits.Device() == device;
    });
    Medium* medium = known != m_media.end() ? known->get() : nullptr;
    if (!medium) {
        struct statfs info
        {};
        const unsigned long fsType = ::fstatfs(fd, &info) == 0 ? info.f_type : 0;
        m_media.push_back(std::make_unique<Medium>(device, fsType));
        medium = m_media.back().get();
    }
    m_pLastMedium = medium;
    m_lastFolder = folder;
    return medium->traits;
}

void CCopySession::Copied(const CMediumTraits& traits, int fd, const QByteArray& folder)
{
    Medium* medium = Find(traits);
    if (medium && !medium->syncFd.valid())
        medium->syncFd.reset(::fcntl(fd, F_DUPFD_CLOEXEC, 0));
    // Runs write into one folder, or a few: the last one is the usual match.
    if (!m_folders.empty() && m_folders.back() == folder)
        return;
    if (std::find(m_folders.begin(), m_folders.end(), folder) == m_folders.end())
        m_folders.push_back(folder);
}

bool CCopySession::SyncsEachFile(const CMediumTraits& traits) const
{
    return m_bSyncEachFile || traits.SyncsEachFile();
}

int CCopySession::FlushToMedium(const std::atomic<bool>* cancel)
{
    int error = m_writeBack.Drain(cancel);
    if (error != ECANCELED) {
        for (const auto& medium : m_media) {
            if (medium->syncFd.valid() && !m_bSyncEachFile && ::syncfs(medium->syncFd.get()) != 0)
                error = FirstError(error, errno);
        }
        // Where each copy was flushed on its own, their names still need
        // their folders flushed.
        const bool foldersToo =
            m_bSyncEachFile || std::any_of(m_media.begin(), m_media.end(), [](const auto& m) {
                return m->syncFd.valid() && m->traits.SyncsEachFile();
            });
        for (const QByteArray& folder : m_folders) {
            if (foldersToo)
                error = FirstError(error, SyncFolder(folder));
        }
    }
    m_media.clear();
    m_folders.clear();
    m_lastFolder.clear();
    m_pLastMedium = nullptr;
    return error;
}

CCopySession::Medium* CCopySession::Find(const CMediumTraits& traits)
{
    for (const auto& medium : m_media) {
        if (&medium->traits == &traits)
            return medium.get();
    }
    return nullptr;
}

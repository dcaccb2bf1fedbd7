#include "passes/folder_listing.h"

#include "passes/natural_order.h"
#include "platform/file_name_codec.h"

#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

struct DirCloser
{
    DIR* dir;
    ~DirCloser()
    {
        if (dir)
            ::closedir(dir);
    }
};

} // namespace

std::vector<ListedFile> ListFolderFiles(const QString& folder)
{
    std::vector<ListedFile> files;
    if (folder.isEmpty())
        return files;
    const DirCloser dir{::opendir(EncodeFileName(folder).constData())};
    if (!dir.dir)
        return files;
    const int dirFd = ::dirfd(dir.dir);
    while (const dirent* entry = ::readdir(dir.dir)) {
        if (entry->d_name[0] == '.')
            continue;
        if (entry->d_type != DT_REG && entry->d_type != DT_LNK && entry->d_type != DT_UNKNOWN)
            continue;
        struct stat info
        {};
        // Follows links: a link to a file is listed as that file.
        if (::fstatat(dirFd, entry->d_name, &info, 0) != 0 || !S_ISREG(info.st_mode))
            continue;
        files.push_back(
            ListedFile{DecodeFileName(QByteArray(entry->d_name)), info.st_size,
                       std::int64_t(info.st_mtim.tv_sec) * 1000 + info.st_mtim.tv_nsec / 1000000});
    }

    std::vector<std::pair<QString, std::size_t>> keys;
    keys.reserve(files.size());
    for (std::size_t i = 0; i < files.size(); ++i)
        keys.emplace_back(NaturalSortKey(files[i].m_strName), i);
    std::sort(keys.begin(), keys.end(), [&files](const auto& a, const auto& b) {
        if (const int order = NaturalCompare(a.first, b.first))
            return order < 0;
        return files[a.second].m_strName < files[b.second].m_strName;
    });
    std::vector<ListedFile> sorted;
    sorted.reserve(files.size());
    for (const auto& key : keys)
        sorted.push_back(std::move(files[key.second]));
    return sorted;
}

#include "passes/folder_listing.h"

#include "passes/natural_order.h"
#include "platform/file_name_codec.h"

#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <numeric>
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

void ReadFolderFiles(const QString& folder, std::size_t batchSize, const FolderBatchSink& sink)
{
    if (folder.isEmpty())
        return;
    const DirCloser dir{::opendir(EncodeFileName(folder).constData())};
    if (!dir.dir)
        return;
    const int dirFd = ::dirfd(dir.dir);
    std::vector<ListedFile> batch;
    batch.reserve(batchSize);
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
        batch.push_back(
            ListedFile{DecodeFileName(QByteArray(entry->d_name)), info.st_size,
                       std::int64_t(info.st_mtim.tv_sec) * 1000 + info.st_mtim.tv_nsec / 1000000});
        if (batch.size() >= batchSize) {
            if (!sink(batch))
                return;
            batch.clear();
        }
    }
    if (!batch.empty())
        (void)sink(batch);
}

void SortNaturally(std::vector<ListedFile>& files)
{
    std::vector<QString> keys;
    keys.reserve(files.size());
    for (const ListedFile& file : files)
        keys.push_back(NaturalSortKey(file.m_strName));
    std::vector<std::uint32_t> order(files.size());
    std::iota(order.begin(), order.end(), 0u);
    std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        if (const int byKey = NaturalCompare(keys[a], keys[b]))
            return byKey < 0;
        return files[a].m_strName < files[b].m_strName;
    });
    keys = {};
    std::vector<ListedFile> sorted;
    sorted.reserve(files.size());
    for (const std::uint32_t index : order)
        sorted.push_back(std::move(files[index]));
    files = std::move(sorted);
}

std::vector<ListedFile> ListFolderFiles(const QString& folder)
{
    std::vector<ListedFile> files;
    ReadFolderFiles(folder, 4096, [&files](std::vector<ListedFile>& batch) {
        std::move(batch.begin(), batch.end(), std::back_inserter(files));
        return true;
    });
    SortNaturally(files);
    return files;
}

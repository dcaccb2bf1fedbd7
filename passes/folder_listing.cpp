#include "passes/folder_listing.h"

#include "platform/file_name_codec.h"

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

CListedFiles ListFolderFiles(const QString& folder)
{
    CListedFiles files;
    ReadFolderFiles(folder, 4096, [&files](std::vector<ListedFile>& batch) {
        for (const ListedFile& file : batch)
            files.Append(file);
        return true;
    });
    files.SortNaturally();
    return files;
}

#include "passes/folder_listing.h"

#include "platform/file_name_codec.h"

#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <thread>

namespace {

// From this many names on, a second thread looks at half of them: each
// look is a path walk in the kernel, and two of them run side by side.
constexpr std::size_t kSharedLookMin = 512;

struct DirCloser
{
    DIR* dir;
    ~DirCloser()
    {
        if (dir)
            ::closedir(dir);
    }
};

// Names read from the folder and what a look at each found.
struct NameChunk
{
    std::string bytes;                // the names, each ended by a zero byte
    std::vector<std::uint32_t> start; // where each name begins in `bytes`
    std::vector<ListedFile> files;    // size and time, once looked at
    std::vector<char> isFile;         // the look found a regular file

    std::size_t Size() const { return start.size(); }
    void Clear()
    {
        bytes.clear();
        start.clear();
    }
};

void LookAt(int dirFd, NameChunk& chunk, std::size_t from, std::size_t to)
{
    for (std::size_t i = from; i < to; ++i) {
        struct stat info
        {};
        // Follows links: a link to a file is listed as that file.
        chunk.isFile[i] = ::fstatat(dirFd, chunk.bytes.data() + chunk.start[i], &info, 0) == 0 &&
                          S_ISREG(info.st_mode);
        chunk.files[i].m_nSize = info.st_size;
        chunk.files[i].m_nModifiedMs =
            std::int64_t(info.st_mtim.tv_sec) * 1000 + info.st_mtim.tv_nsec / 1000000;
    }
}

// Looks at every name of `chunk` and hands the files on in the folder's own
// order; false when `sink` said stop.
bool HandOn(int dirFd, NameChunk& chunk, std::vector<ListedFile>& batch,
            const FolderBatchSink& sink)
{
    const std::size_t count = chunk.Size();
    chunk.files.resize(count);
    chunk.isFile.resize(count);
    std::thread helper;
    std::size_t ours = count;
    if (count >= kSharedLookMin) {
        try {
            helper = std::thread(
                [&chunk, dirFd, half = count / 2, count] { LookAt(dirFd, chunk, half, count); });
            ours = count / 2;
        } catch (const std::system_error&) {
            // No thread to be had: this one looks at them all.
        }
    }
    LookAt(dirFd, chunk, 0, ours);
    if (helper.joinable())
        helper.join();
    for (std::size_t i = 0; i < count; ++i) {
        if (!chunk.isFile[i])
            continue;
        ListedFile& file = chunk.files[i];
        const char* name = chunk.bytes.data() + chunk.start[i];
        file.m_strName =
            DecodeFileName(QByteArray::fromRawData(name, qsizetype(std::strlen(name))));
        batch.push_back(std::move(file));
    }
    chunk.Clear();
    if (batch.empty())
        return true;
    const bool more = sink(batch);
    batch.clear();
    return more;
}

} // namespace

void ReadFolderFiles(const QString& folder, std::size_t batchSize, const FolderBatchSink& sink)
{
    if (folder.isEmpty())
        return;
    const DirCloser dir{::opendir(EncodeFileName(folder).constData())};
    if (!dir.dir)
        return;
    const int dirFd = ::dirfd(dir.dir);
    NameChunk chunk;
    std::vector<ListedFile> batch;
    batch.reserve(batchSize);
    while (const dirent* entry = ::readdir(dir.dir)) {
        if (entry->d_name[0] == '.')
            continue;
        if (entry->d_type != DT_REG && entry->d_type != DT_LNK && entry->d_type != DT_UNKNOWN)
            continue;
        chunk.start.push_back(std::uint32_t(chunk.bytes.size()));
        chunk.bytes.append(entry->d_name, std::strlen(entry->d_name) + 1);
        if (chunk.Size() >= batchSize && !HandOn(dirFd, chunk, batch, sink))
            return;
    }
    if (chunk.Size() > 0)
        (void)HandOn(dirFd, chunk, batch, sink);
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

#pragma once

#include <sys/types.h>
#include <vector>

// What one output file system has shown it can do. A run copies thousands of
// files onto one file system; a feature it lacks should cost one refused
// system call per run, not one per file.

enum class MediumAnswer
{
    Unknown, // not tried yet
    Yes,
    No,
};

class CMediumTraits
{
public:
    // `fsType` is the statfs magic of the file system of `device`.
    CMediumTraits(dev_t device, unsigned long fsType);

    dev_t Device() const { return m_nDevice; }
    unsigned long FsType() const { return m_nFsType; }

    // False where the data lives in memory (tmpfs, ramfs): there is no
    // write-back to start, wait for or bound.
    bool HasWriteBack() const;
    // True where a flush of the whole file system does not reach the medium
    // (FUSE: the daemon only hears of a flush of each file), so each copy is
    // flushed on its own before it is named.
    bool SyncsEachFile() const;

    // Unnamed files (O_TMPFILE) and renames that refuse to replace
    // (RENAME_NOREPLACE): Unknown until a copy has tried them.
    MediumAnswer m_eTmpFile = MediumAnswer::Unknown;
    MediumAnswer m_eRenameNoReplace = MediumAnswer::Unknown;

    // Block sharing (FICLONE) and copy_file_range fail per pair of file
    // systems: refused from one source device, or (`everySource`) from all.
    bool CloneRefused(dev_t source) const;
    void RefuseClone(dev_t source, bool everySource);
    bool KernelCopyRefused(dev_t source) const;
    void RefuseKernelCopy(dev_t source);

private:
    dev_t m_nDevice;
    unsigned long m_nFsType;
    bool m_bCloneRefusedAll = false;
    std::vector<dev_t> m_cloneRefused;
    std::vector<dev_t> m_kernelCopyRefused;
};

// statfs magics of the file systems tamro treats specially.
inline constexpr unsigned long kTmpfsMagic = 0x01021994;
inline constexpr unsigned long kRamfsMagic = 0x858458f6;
inline constexpr unsigned long kFuseMagic = 0x65735546;
inline constexpr unsigned long kMsdosMagic = 0x4d44;

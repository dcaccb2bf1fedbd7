#pragma once

#include "passes/run_name_index.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

// The plan of a convert run: for each file, the name its copy will get in the
// output folder, computed before anything is copied, by the same rules the
// convert applies (cleaning, shortening, numbering).
//
// A plan is a forecast. The output folder is read once; the convert tests
// each name on disk right before its copy, so a file that appears meanwhile,
// a copy that fails, or a folder that ignores letter case (FAT, exFAT: there
// "song.mp3" takes "Song.mp3") can give another number. On a case-sensitive
// folder that nobody else writes to, the plan is exact.

enum class PlanStatus
{
    Skipped, // no new name: the convert leaves the file alone
    Planned, // the convert copies it to m_strFinalName
    Failed,  // the convert will refuse it (m_strReason says why)
};

// Why a final name differs from the new name, or needs a second look.
enum PlanFlag : unsigned
{
    PlanNumbered = 1u << 0,  // the name was taken: a number was added
    PlanCleaned = 1u << 1,   // characters a file name must not hold were removed
    PlanShortened = 1u << 2, // too long for the output folder's file system
    PlanClash = 1u << 3,     // another file of the run has the same new name
    PlanLossySwap = 1u << 4, // the artist/title swap dropped text of the name
};

// The flags' words, in the order of the bits: "numbered", "cleaned",
// "shortened", "clash", "lossy-swap".
QStringList PlanFlagNames(unsigned flags);

struct PlannedFile
{
    QString m_strName;      // the listed name
    QString m_strNewName;   // the new name as the "Rename" column shows it; empty: none
    QString m_strFinalName; // the name in the output folder; empty unless Planned
    PlanStatus m_status = PlanStatus::Skipped;
    QString m_strReason;   // each flag (and a failure) explained, one sentence per line
    unsigned m_nFlags = 0; // PlanFlag bits

    // True when the window should point the operator at this file.
    bool NeedsMark() const
    {
        return m_status == PlanStatus::Failed ||
               (m_status == PlanStatus::Planned &&
                (m_nFlags != 0 || m_strFinalName != m_strNewName));
    }
};

// Where the new names come from; the convert cleans them a little
// differently.
enum class PlanNames
{
    RenameColumn, // the texts of the "Rename" column: cleaned whole
    Computed,     // made by the mode for a convert without a preview: the
                  // listed extension is put back after cleaning
};

struct PlanSettings
{
    QString m_strOutputFolder; // as the convert joins it: folder + "/" + name
    PlanNames m_names = PlanNames::RenameColumn;
    bool m_bPatternMode = false; // names made by the artist/title swap
    // False: the planner keeps only the files that need a mark (Files()
    // stays empty), since a preview of a million rows need not hold a
    // million plans once their cells are written. File() still answers for
    // a clash partner.
    bool m_bKeepFiles = true;
};

// Plans a run file by file, in list order, so a pass can plan as it goes.
class CRunPlanner
{
public:
    // Reads the output folder's names, once.
    explicit CRunPlanner(const PlanSettings& settings);

    // 0 when the output folder was read, else the errno of the failure
    // (ENOENT: it does not exist yet, so nothing there is taken).
    int FolderError() const { return m_nFolderError; }

    // Plans the next file of the run. `newName` is the full new name,
    // extension included, as the "Rename" column shows it; empty for none.
    // The reference holds until the next Add.
    const PlannedFile& Add(const QString& listedName, const QString& newName);
    // Says that a next Add will likely want `newName`; nothing else changes.
    void Prefetch(const QString& newName) const { m_runNames.Prefetch(newName); }
    // Room for `files` more files, so a big run does not grow its indexes
    // step by step.
    void Reserve(std::size_t files);

    // Index of an earlier file that this last Add turned into a clash (it
    // was planned before its partner came), or -1. Its entry is updated.
    std::ptrdiff_t EarlierClash() const { return m_nEarlierClash; }

    // Every planned file, in order; with m_bKeepFiles false, empty.
    const std::vector<PlannedFile>& Files() const { return m_files; }
    // File `index` of the run as last planned. With m_bKeepFiles false, a
    // file that needs no mark is known only by its names: its listed name
    // reads empty.
    const PlannedFile& File(std::size_t index) const;

private:
    void Plan(std::size_t index, const QString& listedName, const QString& newName,
              PlannedFile& file);
    PlannedFile& FileToUpdate(std::size_t index, const QString& wanted);

    QString CleanedName(const QString& listedName, const QString& newName, PlannedFile& file) const;
    // A name of the run: who wanted it first, and whether a file got it.
    using NameUse = CRunNameIndex::Use;
    bool Taken(const QString& name, bool givenInRun) const;
    QString NumberedFreeName(const QString& wanted, bool givenInRun, PlannedFile& file);

    // The sentences of the marks in the operator's language, looked up once
    // a run rather than once a file (a lookup costs microseconds).
    struct MarkReasons
    {
        MarkReasons();
        QString m_strUndecoded, m_strLaterClash, m_strEarlierClash, m_strLossySwap, m_strCleaned,
            m_strShortened, m_strTakenInRun, m_strInFolder;
    };

    PlanSettings m_settings;
    MarkReasons m_reasons;
    qsizetype m_nNameLimit;
    int m_nFolderError = 0;
    QSet<QString> m_folderNames;      // what stood in the output folder
    CRunNameIndex m_runNames;         // names wanted or given in this run
    QHash<QString, int> m_nextNumber; // per wanted name, the first number worth trying
    std::vector<PlannedFile> m_files;
    std::size_t m_nAdded = 0;
    PlannedFile m_last;                                    // without kept files: the last one added
    std::unordered_map<std::size_t, PlannedFile> m_marked; // without kept files: by index
    std::ptrdiff_t m_nEarlierClash = -1;
};

struct PlanRow
{
    QString m_strName;    // listed name
    QString m_strNewName; // full new name; empty for none
};

// The plan of a whole run at once.
std::vector<PlannedFile> PlanRun(const PlanSettings& settings, const std::vector<PlanRow>& rows);

// The text the artist/title swap of `baseName` loses, or empty: the swap
// keeps two parts and drops everything from the second hyphen on. Only
// hyphens and blanks there count as no loss ("Intro - Song -"). A name with
// an ambiguous split ("Thunderstruck - AC-DC": which hyphen parts title from
// artist?) always has text there, so it is always reported.
QString TextLostBySwap(const QString& baseName);

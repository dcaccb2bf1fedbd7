#include "passes/preview_pass.h"

#include "modes/song_list_page_base.h"
#include "modes/song_list_reader.h"
#include "output/names.h"
#include "passes/job_run.h"
#include "passes/naming_rule.h"
#include "passes/rename_cell_writer.h"
#include "passes/rename_marker.h"
#include "passes/tag_names.h"
#include "passes/total_progress.h"

#include <functional>
#include <malloc.h>

namespace {

// Reading a file's tags takes a few small reads, naming it next to nothing:
// the reading gets most of the bar.
constexpr int kTagReadingPercent = 90;

// The new name of a row, extension included; false with why it has none.
// `fieldTexts` gets what a tag format put into the name.
using PreviewNameOfRow = std::function<bool(const JobListing& listing, unsigned row, QString& name,
                                            QString& reason, QStringList& fieldTexts)>;

// A row's new name, and the version of the listing it was made from.
struct NamedRow
{
    std::uint64_t m_nListingVersion = 0;
    QString m_strNewName, m_strReason;
    QStringList m_fieldTexts;
};

NamedRow NameRow(const PreviewNameOfRow& nameOf, const JobListing& listing, std::uint64_t version,
                 unsigned row)
{
    NamedRow named{version, {}, {}, {}};
    if (!nameOf(listing, row, named.m_strNewName, named.m_strReason, named.m_fieldTexts))
        named.m_strNewName.clear();
    return named;
}

// The names are shown as the mode gives them: invalid characters and taken
// names are dealt with only when a file is copied. Cells whose copy would be
// named otherwise are marked. The bar goes from `firstPercent` to 100.
void PreviewItems(CJobRun& run, const PreviewNameOfRow& nameOf, int firstPercent = 0)
{
    const NamingMode mode = run.Request().m_mode;
    CRenameCellWriter cells(run.Observer());
    CRenameMarker marker(run.OutputFolder(), mode == NamingMode::Pattern, run.Listing().Count());
    CTotalProgressSender progress(run.Observer(), &cells);
    progress.SetStretch(firstPercent, 100);
    // Each name is made a row ahead, so the marker fetches what it will look
    // up while the row before is planned. The listing is looked at for every
    // item, so a change of folder takes effect from the next one; a name made
    // ahead from other rows is made again.
    NamedRow ahead;
    for (unsigned i = 0;; ++i) {
        const JobListing& listing = run.Listing();
        const std::uint64_t version = run.ListingVersion();
        const unsigned count = listing.Count();
        if (i >= count)
            break;
        NamedRow named = i > 0 && ahead.m_nListingVersion == version
                             ? std::move(ahead)
                             : NameRow(nameOf, listing, version, i);
        ahead = i + 1 < count ? NameRow(nameOf, listing, version, i + 1) : NamedRow{};
        marker.Prefetch(ahead.m_strNewName);
        marker.Add(i, listing.Name(i), named.m_strNewName, listing.m_nGeneration, cells);
        cells.Add(i, named.m_strNewName, named.m_strReason, listing.m_nGeneration,
                  named.m_fieldTexts);
        progress.AfterItem(i, count);
    }
    cells.Flush();
}

PreviewNameOfRow FromRule(NamingRule rule, NamingMode mode)
{
    return [rule = std::move(rule), noName = NoNewNameReason(mode)](const JobListing& listing,
                                                                    unsigned row, QString& name,
                                                                    QString& reason, QStringList&) {
        QString extension;
        if (NewBaseName(rule, listing.Name(row), name, extension) != 0) {
            reason = noName;
            return false;
        }
        name += extension;
        return true;
    };
}

// The plan's names (and the song table) are freed by now; their pages go
// back to the system instead of staying with the window after a big preview.
void GiveBackFreedMemory()
{
    ::malloc_trim(0);
}

} // namespace

int PreviewSongListPass(CJobRun& run)
{
    CSongListPageBase& page = run.SongListPage();
    ReadSongList(page);
    PreviewItems(run, FromRule(SongListRule(page), NamingMode::SongList));
    ClearSongList(page);
    GiveBackFreedMemory();
    return 0;
}

int PreviewPatternPass(CJobRun& run)
{
    PreviewItems(run, FromRule(PatternRule(), NamingMode::Pattern));
    GiveBackFreedMemory();
    return 0;
}

int PreviewTagsPass(CJobRun& run)
{
    {
        CTagNames names(run.Request().m_strTagFormat);
        {
            // The rows as they stand at the start; rows listed later are read
            // as they are named.
            const JobListing listing = run.Listing();
            CTotalProgressSender progress(run.Observer());
            progress.SetStretch(0, kTagReadingPercent);
            (void)names.Read(listing, [&progress](unsigned row, unsigned count) {
                progress.AfterItem(row, count);
                return true; // a preview is never cancelled
            });
        }
        const auto fromTags = [&names](const JobListing& listing, unsigned row, QString& name,
                                       QString& reason, QStringList& fieldTexts) {
            QString extension;
            SplitExtension(listing.Name(row), extension);
            if (!names.NameOf(listing, row, name, reason, &fieldTexts))
                return false;
            name += extension;
            return true;
        };
        PreviewItems(run, fromTags, kTagReadingPercent);
    }
    GiveBackFreedMemory();
    return 0;
}

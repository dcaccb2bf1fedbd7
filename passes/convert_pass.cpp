#include "passes/convert_pass.h"

#include "modes/song_list_page_base.h"
#include "modes/song_list_reader.h"
#include "output/copy_one_file.h"
#include "output/log_lines.h"
#include "output/name_limits.h"
#include "output/names.h"
#include "output/run_log.h"
#include "passes/end_of_run.h"
#include "passes/job_run.h"
#include "passes/naming_rule.h"
#include "passes/tag_names.h"
#include "passes/total_progress.h"
#include "platform/file_name_codec.h"
#include "platform/medium_gone.h"
#include "platform/same_bytes.h"

#include <QCoreApplication>

#include <cerrno>
#include <functional>

namespace {

// The new name of one row, cut where invalid characters are looked for:
// `name` is cleaned (and the cleaning logged), `extension` is added after it.
// False, with why in `reason`, when the row has no new name.
using NewNameOfRow = std::function<bool(const JobListing& listing, unsigned row, QString& name,
                                        QString& extension, QString& reason)>;

// Reading a file's tags takes a few small reads, copying it the whole file:
// the reading gets a small stretch of the bar.
constexpr int kTagReadingPercent = 10;

// Which bars a cancel puts back to 0.
enum class CancelReset
{
    TotalBar,
    BothBars,
};

// The copy of one named row, logged, its outcome told.
void CopyUnderNewName(CJobRun& run, CNameLimits& nameLimits, unsigned row, const QString& source,
                      QString newName, const QString& extension)
{
    // The output folder is read when the item is reached: the operator may
    // pick another one while the job runs.
    const QString outputFolder = run.OutputFolder();
    CJobState& job = run.State();
    const QString asNamed = newName + extension;
    FileEnd end{row, source, FileInFolder(outputFolder, asNamed), FileOutcome::Failed, {}, 0};
    // A name with text that never decoded (a song list in an unknown
    // character set) would put replacement marks into a file name: the item
    // fails instead.
    if (HoldsUndecodedText(asNamed)) {
        WriteLogLine(job.m_pErrorLog.get(), UndecodedNameLine(source));
        end.m_strReason =
            QCoreApplication::translate("ConvertPass", "The new name could not be decoded.");
        run.EndFile(end);
        return;
    }
    const QString asGiven = newName;
    if (RemoveInvalidChars(newName))
        WriteLogLine(job.m_pInfoLog.get(), DeletedInvalidCharLine(asGiven, newName));
    newName += extension;
    const QString longName = newName;
    if (ShortenLongName(newName, nameLimits.Of(outputFolder)))
        WriteLogLine(job.m_pInfoLog.get(), ShortenedLongNameLine(longName, newName));

    const QString destination = FileInFolder(outputFolder, newName);
    end.m_strDestination = destination;
    if (run.MediumGone()) {
        // Not reached: the medium took no more.
        WriteLogLine(job.m_pErrorLog.get(), CopyFailedLine(destination, run.MediumGoneReason()));
        end.m_strReason = run.MediumGoneReason();
        run.EndFile(end);
        return;
    }
    run.CleanOutputFolder(outputFolder);
    if (run.Request().m_bSkipIdentical &&
        HoldsSameBytes(EncodeFileName(source), EncodeFileName(destination))) {
        WriteLogLine(job.m_pInfoLog.get(), AlreadyCopiedLine(source, destination));
        end.m_outcome = FileOutcome::Skipped;
        end.m_strReason = QCoreApplication::translate("ConvertPass", "Already copied.");
        run.EndFile(end);
        return;
    }
    run.Observer().FileStarted(FileStart{row, source, destination});
    const CopiedFile copied = CopyOneFile(run, source, destination);
    end.m_strDestination = copied.m_strDestination;
    if (copied.m_result.Succeeded())
        end.m_outcome = FileOutcome::Copied;
    else if (copied.m_result.error == ECANCELED)
        end.m_outcome = FileOutcome::Cancelled;
    if (!copied.m_result.Succeeded())
        end.m_strReason = copied.m_result.Reason();
    // Every later copy would fail the same way, each after its own wait.
    if (MediumGone(copied.m_result))
        run.SetMediumGone(end.m_strReason);
    run.EndFile(end);
}

// Copies the rows from the first on until the end of the list or a cancel,
// the bar going from `firstPercent` to 100. True when the loop ran to the
// end of the list, false after a cancel.
bool CopyRows(CJobRun& run, const NewNameOfRow& newNameOf, CancelReset reset, int firstPercent = 0)
{
    CTotalProgressSender progress(run.Observer());
    progress.SetStretch(firstPercent, 100);
    CNameLimits nameLimits;
    // The listing is looked at for every item: the operator may list another
    // folder while the job runs, and its rows count from the next item on.
    for (unsigned i = 0, count; i < (count = run.Listing().Count()); ++i) {
        // After the medium went away the rest is only reported, which a
        // Cancel would cut short.
        if (!run.MediumGone() && run.State().Cancelled()) {
            progress.Reset();
            if (reset == CancelReset::BothBars)
                run.Observer().FileProgress(0);
            return false;
        }
        const JobListing& listing = run.Listing();
        const QString source = FileInFolder(listing.m_strCurrentFolder, listing.Name(i));
        QString newName, extension, reason;
        if (newNameOf(listing, i, newName, extension, reason))
            CopyUnderNewName(run, nameLimits, i, source, newName, extension);
        else
            run.EndFile(FileEnd{i, source, {}, FileOutcome::Skipped, reason, 0});
        progress.AfterItem(i, count);
    }
    return true;
}

// The names the preview left on screen, whichever mode made them.
bool CopyUnderPreviewNames(CJobRun& run)
{
    const auto fromPreview =
        [noName = NoNewNameReason(run.Request().m_mode)](const JobListing& listing, unsigned row,
                                                         QString& name, QString&, QString& reason) {
            name = listing.PreviewName(row);
            if (name.isEmpty())
                reason = noName;
            return !name.isEmpty();
        };
    return CopyRows(run, fromPreview, CancelReset::BothBars);
}

bool CopyUnderComputedNames(CJobRun& run, const NamingRule& rule, CancelReset reset)
{
    const auto fromRule = [&rule, noName = NoNewNameReason(run.Request().m_mode)](
                              const JobListing& listing, unsigned row, QString& name,
                              QString& extension, QString& reason) {
        if (NewBaseName(rule, listing.Name(row), name, extension) == 0)
            return true;
        reason = noName;
        return false;
    };
    return CopyRows(run, fromRule, reset);
}

bool PreviewOnScreen(CJobRun& run)
{
    return run.Request().m_listing.HasPreviewNames();
}

} // namespace

void ConvertSongListPass(CJobRun& run)
{
    bool allHandled;
    if (PreviewOnScreen(run)) {
        allHandled = CopyUnderPreviewNames(run);
    } else {
        CSongListPageBase& page = run.SongListPage();
        ReadSongList(page);
        allHandled = CopyUnderComputedNames(run, SongListRule(page), CancelReset::TotalBar);
        ClearSongList(page);
    }
    // A cancelled run is put back by the job.
    if (allHandled)
        EndOfRun(run);
}

void ConvertPatternPass(CJobRun& run)
{
    const bool allHandled = PreviewOnScreen(run)
                                ? CopyUnderPreviewNames(run)
                                : CopyUnderComputedNames(run, PatternRule(), CancelReset::BothBars);
    if (allHandled)
        EndOfRun(run);
}

void ConvertTagsPass(CJobRun& run)
{
    if (PreviewOnScreen(run)) {
        if (CopyUnderPreviewNames(run))
            EndOfRun(run);
        return;
    }
    CTagNames names(run.Request().m_strTagFormat);
    {
        // The rows as they stand at the start; rows listed later are read as
        // they are reached. A cancel is taken up between two files here too.
        const JobListing listing = run.Listing();
        CTotalProgressSender progress(run.Observer());
        progress.SetStretch(0, kTagReadingPercent);
        const bool allRead = names.Read(listing, [&](unsigned row, unsigned count) {
            progress.AfterItem(row, count);
            if (!run.State().Cancelled())
                return true;
            progress.Reset();
            return false;
        });
        if (!allRead)
            return; // a cancelled run is put back by the job
    }
    const auto fromTags = [&names](const JobListing& listing, unsigned row, QString& name,
                                   QString& extension, QString& reason) {
        SplitExtension(listing.Name(row), extension);
        return names.NameOf(listing, row, name, reason);
    };
    if (CopyRows(run, fromTags, CancelReset::BothBars, kTagReadingPercent))
        EndOfRun(run);
}

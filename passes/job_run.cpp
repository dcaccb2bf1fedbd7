#include "passes/job_run.h"

CJobRun::CJobRun(JobKind kind, const JobRequest& request, CJobState& state, CJobLiveSettings& live,
                 CJobObserver& observer, CSongListPageBase& songListPage)
    : m_kind(kind), m_request(request), m_state(state), m_live(live), m_observer(observer),
      m_songListPage(songListPage)
{
    // The version before the listing: one replaced in between is read again.
    m_nListingVersion = live.ListingVersion();
    m_listing = live.Listing();
}

const JobListing& CJobRun::Listing()
{
    // Reading the version first: a listing replaced meanwhile is seen at the
    // next file at the latest.
    if (const std::uint64_t version = m_live.ListingVersion(); version != m_nListingVersion) {
        m_nListingVersion = version;
        m_listing = m_live.Listing();
    }
    return m_listing;
}

void CJobRun::EndFile(FileEnd file)
{
    switch (file.m_outcome) {
    case FileOutcome::Failed:
    case FileOutcome::Cancelled: // given up part-way: it failed, and the error log says so
        ++m_state.m_nErrorCount;
        break;
    case FileOutcome::Skipped:
        ++m_nSkipped;
        break;
    case FileOutcome::Copied:
    case FileOutcome::Removed:
    case FileOutcome::WouldRemove:
        ++m_nDone;
        break;
    }
    file.m_nFailures = m_state.m_nErrorCount.load();
    m_observer.FileEnded(file);
}

RunSummary CJobRun::Summary() const
{
    RunSummary summary;
    summary.m_kind = m_kind;
    summary.m_nDone = m_nDone;
    summary.m_nSkipped = m_nSkipped;
    summary.m_nFailures = m_state.m_nErrorCount.load();
    return summary;
}

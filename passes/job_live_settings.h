#pragma once

#include "passes/job_request.h"

#include <QString>

#include <atomic>
#include <cstdint>
#include <mutex>

// What the operator may change while a job runs: the output folder (typed
// anew) and the listed folder (another one chosen, or the same one read
// again). The passes read both for each file, so a change takes effect from
// the next file; every other input of a job is fixed by its request.
//
// A job's start sets both from its request; after that only the front end
// writes them, from any one thread, while the worker reads them.
class CJobLiveSettings
{
public:
    void Reset(const JobListing& listing, const QString& outputFolder);
    void SetOutputFolder(const QString& folder);
    void SetListing(const JobListing& listing);
    // Lets go of the listing, handing it to the caller (who frees it where
    // that does not hold anyone up).
    [[nodiscard]] JobListing Release();

    QString OutputFolder() const;
    JobListing Listing() const;
    // Moves whenever the listing is replaced, so a reader that holds one
    // knows without a lock whether it is still the current one.
    std::uint64_t ListingVersion() const { return m_nListingVersion.load(); }

private:
    mutable std::mutex m_mutex;
    QString m_strOutputFolder;
    JobListing m_listing;
    std::atomic<std::uint64_t> m_nListingVersion{0};
};

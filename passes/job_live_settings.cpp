#include "passes/job_live_settings.h"

#include <utility>

void CJobLiveSettings::Reset(const JobListing& listing, const QString& outputFolder)
{
    std::lock_guard lock(m_mutex);
    m_listing = listing;
    m_strOutputFolder = outputFolder;
    ++m_nListingVersion;
}

void CJobLiveSettings::SetOutputFolder(const QString& folder)
{
    std::lock_guard lock(m_mutex);
    m_strOutputFolder = folder;
}

void CJobLiveSettings::SetListing(const JobListing& listing)
{
    std::lock_guard lock(m_mutex);
    m_listing = listing;
    ++m_nListingVersion;
}

QString CJobLiveSettings::OutputFolder() const
{
    std::lock_guard lock(m_mutex);
    return m_strOutputFolder;
}

JobListing CJobLiveSettings::Listing() const
{
    std::lock_guard lock(m_mutex);
    return m_listing;
}

JobListing CJobLiveSettings::Release()
{
    std::lock_guard lock(m_mutex);
    ++m_nListingVersion;
    return std::exchange(m_listing, JobListing{});
}

#include "passes/job_request.h"

#include <QStringList>

QString JobListing::Name(unsigned row) const
{
    return row < Count() ? m_pFiles->Name(row) : QString();
}

QString JobListing::PreviewName(unsigned row) const
{
    return m_pPreviewNames && row < m_pPreviewNames->Size() ? m_pPreviewNames->At(row) : QString();
}

std::shared_ptr<const CListedFiles> MakeListedFiles(const QStringList& names)
{
    auto files = std::make_shared<CListedFiles>();
    files->Reserve(std::size_t(names.size()));
    for (const QString& name : names)
        files->Append(name, 0, 0);
    return files;
}

CRunSizes RunSizesOf(const JobListing& listing)
{
    CRunSizes sizes;
    for (unsigned row = 0; row < listing.Count(); ++row) {
        if (!listing.HasPreviewNames() || !listing.PreviewName(row).isEmpty())
            sizes.Add(listing.m_pFiles->FileSize(row));
    }
    return sizes;
}

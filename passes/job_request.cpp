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

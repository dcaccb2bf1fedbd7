#include "passes/job_request.h"

#include <QStringList>

QString JobListing::Name(unsigned row) const
{
    return row < Count() ? (*m_pFiles)[row].m_strName : QString();
}

QString JobListing::PreviewName(unsigned row) const
{
    return m_pPreviewNames && row < m_pPreviewNames->Size() ? m_pPreviewNames->At(row) : QString();
}

std::shared_ptr<const std::vector<ListedFile>> MakeListedFiles(const QStringList& names)
{
    auto files = std::make_shared<std::vector<ListedFile>>();
    files->reserve(std::size_t(names.size()));
    for (const QString& name : names)
        files->push_back(ListedFile{name, 0, 0});
    return files;
}

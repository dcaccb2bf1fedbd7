#include "passes/listed_files.h"

#include "passes/natural_order.h"

#include <algorithm>

void CListedFiles::Reserve(std::size_t count)
{
    m_names.Reserve(count);
    m_details.reserve(count);
}

void CListedFiles::Append(const ListedFile& file)
{
    Append(file.m_strName, file.m_nSize, file.m_nModifiedMs);
}

void CListedFiles::Append(QStringView name, std::int64_t size, std::int64_t modifiedMs)
{
    m_names.Append(name);
    m_details.push_back(Details{size, modifiedMs});
}

void CListedFiles::Append(const CListedFiles& other)
{
    for (std::size_t row = 0; row < other.Size(); ++row)
        m_names.AppendFrom(other.m_names, row);
    m_details.insert(m_details.end(), other.m_details.begin(), other.m_details.end());
}

std::int64_t CListedFiles::FileSize(std::size_t row) const
{
    return row < Size() ? m_details[row].m_nSize : 0;
}

std::int64_t CListedFiles::ModifiedMs(std::size_t row) const
{
    return row < Size() ? m_details[row].m_nModifiedMs : 0;
}

ListedFile CListedFiles::At(std::size_t row) const
{
    return ListedFile{Name(row), FileSize(row), ModifiedMs(row)};
}

void CListedFiles::SortNaturally()
{
    // A number per name decides most comparisons; only names whose numbers
    // tie are compared whole, where they lie.
    // The row shares the key's last word, so an entry stays 16 bytes.
    struct Keyed
    {
        std::uint64_t m_nKeyHigh;
        std::uint32_t m_nKeyLow;
        std::uint32_t m_nRow;
    };
    static_assert(sizeof(Keyed) == 16);
    std::vector<Keyed> keyed;
    keyed.reserve(Size());
    for (std::uint32_t row = 0; row < Size(); ++row) {
        const NaturalOrderKeyBits key = NaturalOrderKey(m_names.View(row));
        keyed.push_back(Keyed{key.m_nHigh, key.m_nLow, row});
    }
    std::sort(keyed.begin(), keyed.end(), [this](const Keyed& a, const Keyed& b) {
        if (a.m_nKeyHigh != b.m_nKeyHigh)
            return a.m_nKeyHigh < b.m_nKeyHigh;
        if (a.m_nKeyLow != b.m_nKeyLow)
            return a.m_nKeyLow < b.m_nKeyLow;
        return NaturallyBefore(m_names.View(a.m_nRow), m_names.View(b.m_nRow));
    });
    std::vector<std::uint32_t> order;
    order.reserve(keyed.size());
    for (const Keyed& entry : keyed)
        order.push_back(entry.m_nRow);
    keyed = {};
    m_names.Reorder(order);
    std::vector<Details> details;
    details.reserve(order.size());
    for (const std::uint32_t row : order)
        details.push_back(m_details[row]);
    m_details = std::move(details);
}

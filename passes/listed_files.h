#pragma once

#include "platform/packed_texts.h"

#include <QString>
#include <QStringView>

#include <cstdint>
#include <vector>

// One file of a listed folder.
struct ListedFile
{
    QString m_strName; // exact name (see DecodeFileName)
    std::int64_t m_nSize = 0;
    std::int64_t m_nModifiedMs = 0; // milliseconds since the epoch
};

// The files of a listed folder, by row. The names are packed (see
// CPackedTexts): a million files take some 50 MB instead of a string object
// and an allocation each.
class CListedFiles
{
public:
    std::size_t Size() const { return m_details.size(); }
    bool IsEmpty() const { return m_details.empty(); }
    void Reserve(std::size_t count);
    void Append(const ListedFile& file);
    void Append(QStringView name, std::int64_t size, std::int64_t modifiedMs);
    // Appends every file of `other`, in its order.
    void Append(const CListedFiles& other);

    // Each is empty or 0 past the end.
    QString Name(std::size_t row) const { return m_names.At(row); }
    // The name in place, without a copy; valid until the files change.
    PackedTextView NameView(std::size_t row) const { return m_names.View(row); }
    std::int64_t FileSize(std::size_t row) const;
    std::int64_t ModifiedMs(std::size_t row) const;
    ListedFile At(std::size_t row) const;

    // Puts the files in natural name order (see NaturallyBefore).
    void SortNaturally();

private:
    struct Details
    {
        std::int64_t m_nSize;
        std::int64_t m_nModifiedMs;
    };

    CPackedTexts m_names;
    std::vector<Details> m_details;
};

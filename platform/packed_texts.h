#pragma once

#include <QLatin1StringView>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <memory>
#include <variant>
#include <vector>

// A kept text where it lies: Latin-1 bytes or UTF-16 units.
using PackedTextView = std::variant<QLatin1StringView, QStringView>;

// Many short texts kept one after the other in large blocks: 8 bytes a text
// plus its characters, where a QString each costs some 90 bytes for a
// 20-letter name. A text whose characters all fit in Latin-1 (most song
// names) is kept at a byte a character. A text set again leaves its old
// characters behind until Clear, which is fine for cells written about once
// each.
class CPackedTexts
{
public:
    CPackedTexts() = default;
    // A copy packs the texts afresh, leaving behind what was set over.
    CPackedTexts(const CPackedTexts& other);
    CPackedTexts& operator=(const CPackedTexts&) = delete;
    CPackedTexts(CPackedTexts&&) noexcept = default;
    CPackedTexts& operator=(CPackedTexts&&) noexcept = default;

    std::size_t Size() const { return m_slots.size(); }
    // Texts added at the end are empty.
    void Resize(std::size_t count) { m_slots.resize(count); }
    void Reserve(std::size_t count) { m_slots.reserve(count); }
    void Clear();
    QString At(std::size_t index) const;
    // The text in place, without a copy; valid until the texts are changed.
    PackedTextView View(std::size_t index) const;
    bool Equals(std::size_t index, QStringView text) const;
    void Set(std::size_t index, QStringView text);
    void Append(QStringView text);
    // Appends text `index` of `other`, as it is kept there.
    void AppendFrom(const CPackedTexts& other, std::size_t index);
    // Puts the text at order[i] at index i, for every i: `order` holds every
    // index once. The characters stay where they are.
    void Reorder(const std::vector<std::uint32_t>& order);

private:
    // Where a text starts, in two-byte units counted over the blocks, each
    // of kBlockBytes (an oversized text's block counts for as many): eight
    // bytes a text, which at a million names is the size of the names.
    struct Slot
    {
        std::uint32_t m_nStart = 0;
        std::uint32_t m_nLength : 31; // in characters; 0: empty
        std::uint32_t m_bWide : 1;    // UTF-16 rather than Latin-1
        Slot() : m_nLength(0), m_bWide(0) {}
    };
    char* Room(std::size_t bytes, std::uint32_t& start);
    const char* Start(const Slot& slot) const;

    std::vector<Slot> m_slots;
    // Never regrown, so slots stay valid; an oversized text's block is
    // followed by empty ones, so later blocks keep their numbers.
    std::vector<std::unique_ptr<char[]>> m_blocks;
    std::size_t m_nLastBlock = 0; // the block being filled
    std::size_t m_nUsed = 0;      // bytes used in it
    std::size_t m_nSize = 0;      // bytes it holds
};

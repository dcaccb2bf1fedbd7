#include "platform/packed_texts.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace {

constexpr std::size_t kBlockBytes = std::size_t(1) << 21;
constexpr unsigned kUnitsPerBlockBits = 20; // two-byte units
constexpr std::size_t kMaxBlocks = (std::size_t(1) << 32) >> kUnitsPerBlockBits;

bool FitsLatin1(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x100; });
}

} // namespace

CPackedTexts::CPackedTexts(const CPackedTexts& other)
{
    m_slots.reserve(other.Size());
    for (std::size_t i = 0; i < other.Size(); ++i)
        Append(other.At(i));
}

void CPackedTexts::Clear()
{
    m_slots = {};
    m_blocks.clear();
    m_blocks.shrink_to_fit();
    m_nUsed = m_nSize = 0;
}

QString CPackedTexts::At(std::size_t index) const
{
    if (index >= m_slots.size() || m_slots[index].m_nLength == 0)
        return {};
    const Slot& slot = m_slots[index];
    if (!slot.m_bWide)
        return QString::fromLatin1(Start(slot), slot.m_nLength);
    return QString(reinterpret_cast<const QChar*>(Start(slot)), slot.m_nLength);
}

PackedTextView CPackedTexts::View(std::size_t index) const
{
    if (index >= m_slots.size() || m_slots[index].m_nLength == 0)
        return QLatin1StringView();
    const Slot& slot = m_slots[index];
    if (!slot.m_bWide)
        return QLatin1StringView(Start(slot), slot.m_nLength);
    return QStringView(reinterpret_cast<const char16_t*>(Start(slot)), slot.m_nLength);
}

bool CPackedTexts::Equals(std::size_t index, QStringView text) const
{
    if (index >= m_slots.size())
        return false;
    const Slot& slot = m_slots[index];
    if (slot.m_nLength != std::size_t(text.size()))
        return false;
    if (slot.m_nLength == 0)
        return true;
    if (!slot.m_bWide)
        return QLatin1StringView(Start(slot), slot.m_nLength) == text;
    return QStringView(reinterpret_cast<const char16_t*>(Start(slot)), slot.m_nLength) == text;
}

// Room for `bytes` at an even offset of a block that operator new aligned,
// so wide texts read in place as UTF-16 and every start is a whole unit.
char* CPackedTexts::Room(std::size_t bytes, std::uint32_t& start)
{
    m_nUsed += m_nUsed & 1;
    if (m_blocks.empty() || m_nUsed > m_nSize || m_nSize - m_nUsed < bytes) {
        const std::size_t spans = std::max<std::size_t>(1, (bytes + kBlockBytes - 1) / kBlockBytes);
        if (m_blocks.size() + spans > kMaxBlocks)
            throw std::length_error("more text than packed texts can address");
        m_nLastBlock = m_blocks.size();
        m_nSize = spans * kBlockBytes;
        m_blocks.push_back(std::make_unique_for_overwrite<char[]>(m_nSize));
        m_blocks.resize(m_nLastBlock + spans);
        m_nUsed = 0;
    }
    start = std::uint32_t((m_nLastBlock << kUnitsPerBlockBits) + m_nUsed / 2);
    char* room = m_blocks[m_nLastBlock].get() + m_nUsed;
    m_nUsed += bytes;
    if (m_nUsed > kBlockBytes)
        m_nUsed = m_nSize; // past its first span no start could be told: full
    return room;
}

const char* CPackedTexts::Start(const Slot& slot) const
{
    const std::size_t units = slot.m_nStart & ((std::size_t(1) << kUnitsPerBlockBits) - 1);
    return m_blocks[slot.m_nStart >> kUnitsPerBlockBits].get() + 2 * units;
}

void CPackedTexts::Set(std::size_t index, QStringView text)
{
    if (index >= m_slots.size())
        return;
    Slot& slot = m_slots[index];
    slot = {};
    if (text.isEmpty())
        return;
    const bool wide = !FitsLatin1(text);
    const std::size_t count = std::size_t(text.size());
    char* copy = Room(wide ? count * sizeof(char16_t) : count, slot.m_nStart);
    if (wide) {
        std::memcpy(copy, text.utf16(), count * sizeof(char16_t));
    } else {
        for (std::size_t i = 0; i < count; ++i)
            copy[i] = char(text[qsizetype(i)].unicode());
    }
    slot.m_nLength = std::uint32_t(count);
    slot.m_bWide = wide;
}

void CPackedTexts::Append(QStringView text)
{
    m_slots.emplace_back();
    Set(m_slots.size() - 1, text);
}

void CPackedTexts::AppendFrom(const CPackedTexts& other, std::size_t index)
{
    Slot& slot = m_slots.emplace_back();
    if (index >= other.m_slots.size() || other.m_slots[index].m_nLength == 0)
        return;
    const Slot& from = other.m_slots[index];
    const std::size_t bytes = from.m_nLength * (from.m_bWide ? sizeof(char16_t) : 1);
    std::memcpy(Room(bytes, slot.m_nStart), other.Start(from), bytes);
    slot.m_nLength = from.m_nLength;
    slot.m_bWide = from.m_bWide;
}

void CPackedTexts::Reorder(const std::vector<std::uint32_t>& order)
{
    std::vector<Slot> reordered;
    reordered.reserve(order.size());
    for (const std::uint32_t index : order)
        reordered.push_back(m_slots[index]);
    m_slots = std::move(reordered);
}

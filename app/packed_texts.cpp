#include "app/packed_texts.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t kBlockBytes = std::size_t(1) << 21;

bool FitsLatin1(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x100; });
}

} // namespace

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
    const char* start = m_blocks[slot.m_nBlock].get() + slot.m_nOffset;
    if (!slot.m_bWide)
        return QString::fromLatin1(start, slot.m_nLength);
    QString text(slot.m_nLength, Qt::Uninitialized);
    std::memcpy(text.data(), start, std::size_t(slot.m_nLength) * sizeof(char16_t));
    return text;
}

// Room for `bytes`; texts are copied in and out byte-wise, so wide ones need
// no alignment.
char* CPackedTexts::Reserve(std::size_t bytes, std::uint32_t& block, std::uint32_t& offset)
{
    if (m_blocks.empty() || m_nSize - m_nUsed < bytes) {
        m_nSize = std::max(kBlockBytes, bytes);
        m_blocks.push_back(std::make_unique_for_overwrite<char[]>(m_nSize));
        m_nUsed = 0;
    }
    block = std::uint32_t(m_blocks.size() - 1);
    offset = std::uint32_t(m_nUsed);
    m_nUsed += bytes;
    return m_blocks.back().get() + offset;
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
    char* copy = Reserve(wide ? count * sizeof(char16_t) : count, slot.m_nBlock, slot.m_nOffset);
    if (wide) {
        std::memcpy(copy, text.utf16(), count * sizeof(char16_t));
    } else {
        for (std::size_t i = 0; i < count; ++i)
            copy[i] = char(text[qsizetype(i)].unicode());
    }
    slot.m_nLength = std::uint32_t(count);
    slot.m_bWide = wide;
}

#include "app/packed_texts.h"

namespace {

constexpr qsizetype kBlockChars = 1 << 20;

} // namespace

void CPackedTexts::Clear()
{
    m_slots = {};
    m_blocks = {};
}

QString CPackedTexts::At(std::size_t index) const
{
    if (index >= m_slots.size() || m_slots[index].m_nLength == 0)
        return {};
    const Slot& slot = m_slots[index];
    return QString(m_blocks[slot.m_nBlock].constData() + slot.m_nOffset, slot.m_nLength);
}

void CPackedTexts::Set(std::size_t index, QStringView text)
{
    if (index >= m_slots.size())
        return;
    if (text.isEmpty()) {
        m_slots[index] = {};
        return;
    }
    // A block is never grown past what it reserved, so the characters of
    // earlier texts stay where their slots say.
    if (m_blocks.empty() || m_blocks.back().size() + text.size() > m_blocks.back().capacity()) {
        m_blocks.emplace_back();
        m_blocks.back().reserve(qMax(kBlockChars, text.size()));
    }
    QString& block = m_blocks.back();
    m_slots[index] = Slot{std::uint32_t(m_blocks.size() - 1), std::uint32_t(block.size()),
                          std::uint32_t(text.size())};
    block.append(text);
}

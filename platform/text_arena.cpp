#include "platform/text_arena.h"

#include <algorithm>

namespace {

constexpr qsizetype kBlockChars = qsizetype(1) << 19;

} // namespace

QStringView CTextArena::Keep(QStringView text)
{
    return KeepJoined({text});
}

QStringView CTextArena::KeepJoined(std::initializer_list<QStringView> parts)
{
    qsizetype size = 0;
    for (QStringView part : parts)
        size += part.size();
    if (size == 0)
        return {};
    char16_t* const copy = Room(size);
    char16_t* end = copy;
    for (QStringView part : parts)
        end = std::copy(part.utf16(), part.utf16() + part.size(), end);
    return QStringView(copy, size);
}

void CTextArena::Clear()
{
    m_blocks.clear();
    m_nUsed = 0;
    m_nSize = 0;
}

char16_t* CTextArena::Room(qsizetype size)
{
    if (m_blocks.empty() || m_nSize - m_nUsed < size) {
        m_nSize = std::max(kBlockChars, size);
        m_blocks.push_back(std::make_unique_for_overwrite<char16_t[]>(std::size_t(m_nSize)));
        m_nUsed = 0;
    }
    char16_t* room = m_blocks.back().get() + m_nUsed;
    m_nUsed += size;
    return room;
}

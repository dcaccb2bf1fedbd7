#include "platform/text_arena.h"

#include <algorithm>

namespace {

constexpr qsizetype kBlockChars = qsizetype(1) << 19;

} // namespace

QStringView CTextArena::Keep(QStringView text)
{
    if (text.isEmpty())
        return {};
    if (m_blocks.empty() || m_nSize - m_nUsed < text.size()) {
        m_nSize = std::max(kBlockChars, text.size());
        m_blocks.push_back(std::make_unique_for_overwrite<char16_t[]>(std::size_t(m_nSize)));
        m_nUsed = 0;
    }
    char16_t* copy = m_blocks.back().get() + m_nUsed;
    std::copy(text.utf16(), text.utf16() + text.size(), copy);
    m_nUsed += text.size();
    return QStringView(copy, text.size());
}

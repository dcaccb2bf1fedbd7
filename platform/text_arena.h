#pragma once

#include <QStringView>

#include <memory>
#include <vector>

// Keeps copies of many short texts in large blocks that never move, so a
// view of a kept text stays valid as long as the arena: a million names cost
// their characters, not a string object and an allocation each, and go in a
// few frees.
class CTextArena
{
public:
    // A view of a copy of `text` that lives as long as the arena.
    QStringView Keep(QStringView text);

private:
    std::vector<std::unique_ptr<char16_t[]>> m_blocks;
    qsizetype m_nUsed = 0; // characters used in the last block
    qsizetype m_nSize = 0; // characters the last block holds
};

#pragma once

#include <QString>

// A "Rename" cell that needs a second look before a convert: the name its
// copy will get (empty when it will not be copied) and why, one sentence a
// line.
struct RenameMark
{
    unsigned m_nRow = 0;
    QString m_strFinalName;
    QString m_strReason;
};

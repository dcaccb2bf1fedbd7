#include "output/name_limits.h"

#include "output/names.h"

qsizetype CNameLimits::Of(const QString& folder)
{
    if (!m_bKnown || folder != m_strFolder) {
        m_nLimit = NameLimitOf(folder);
        m_strFolder = folder;
        m_bKnown = true;
    }
    return m_nLimit;
}

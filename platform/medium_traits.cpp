#include "platform/medium_traits.h"

#include <algorithm>

namespace {

bool Holds(const std::vector<dev_t>& devices, dev_t device)
{
    return std::find(devices.begin(), devices.end(), device) != devices.end();
}

} // namespace

CMediumTraits::CMediumTraits(dev_t device, unsigned long fsType)
    : m_nDevice(device), m_nFsType(fsType)
{}

bool CMediumTraits::HasWriteBack() const
{
    return m_nFsType != kTmpfsMagic && m_nFsType != kRamfsMagic;
}

bool CMediumTraits::SyncsEachFile() const
{
    return m_nFsType == kFuseMagic;
}

bool CMediumTraits::CloneRefused(dev_t source) const
{
    return m_bCloneRefusedAll || Holds(m_cloneRefused, source);
}

void CMediumTraits::RefuseClone(dev_t source, bool everySource)
{
    if (everySource)
        m_bCloneRefusedAll = true;
    else if (!Holds(m_cloneRefused, source))
        m_cloneRefused.push_back(source);
}

bool CMediumTraits::KernelCopyRefused(dev_t source) const
{
    return Holds(m_kernelCopyRefused, source);
}

void CMediumTraits::RefuseKernelCopy(dev_t source)
{
    if (!Holds(m_kernelCopyRefused, source))
        m_kernelCopyRefused.push_back(source);
}

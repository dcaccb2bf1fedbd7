#pragma once

#include "output/copy_host.h"

#include <QList>
#include <QString>
#include <QStringList>

// The job side of a copy, recorded instead of shown; it holds its own copy
// state.
class FakeCopyHost : public CCopyHost, public CCopyState
{
public:
    CCopyState& CopyState() override { return *this; }
    void SetFileProgress(int percent) override { m_fileProgress.append(percent); }

    QList<int> m_fileProgress;
};

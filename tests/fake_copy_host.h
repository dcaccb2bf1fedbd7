#pragma once

#include "output/copy_host.h"

#include <QList>
#include <QString>
#include <QStringList>

// The window side of a copy, recorded instead of shown; it holds its own
// copy state.
class FakeCopyHost : public CCopyHost, public CCopyState
{
public:
    CCopyState& CopyState() override { return *this; }
    void SetFileProgress(int percent) override { m_fileProgress.append(percent); }
    void SetErrorText(const QString& text) override { m_errorTexts.append(text); }

    QList<int> m_fileProgress;
    QStringList m_errorTexts;
};

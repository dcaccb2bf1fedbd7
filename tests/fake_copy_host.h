#pragma once

#include "output/copy_host.h"

#include <QList>
#include <QString>
#include <QStringList>

// The window side of a copy, recorded instead of shown.
class FakeCopyHost : public CCopyHost
{
public:
    void SetFileProgress(int percent) override { m_fileProgress.append(percent); }
    void SetErrorText(const QString& text) override { m_errorTexts.append(text); }

    QList<int> m_fileProgress;
    QStringList m_errorTexts;
};

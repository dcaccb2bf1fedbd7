#pragma once

#include "modes/song_list_page_base.h"
#include "passes/pass_host.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>

// The song-list page without a window; counts how often its path is read, the
// trace a song-list read leaves.
class FakeSongListPage : public CSongListPageBase
{
public:
    QString GetSongListPath() const override
    {
        ++m_nPathReads;
        return m_strPath;
    }

    QString m_strPath;
    mutable int m_nPathReads = 0;
};

// The window side of a pass: an in-memory file list, and every window call
// recorded in order as "what:value" ("total:33", "file:0", "message:Completed.").
class FakePassHost : public CPassHost
{
public:
    // Refills the list as a change of folder does: new rows, no "Rename"
    // column unless given, a new generation.
    void SetRows(const QStringList& names, const QStringList& renames = {})
    {
        m_names = names;
        m_renames = renames;
        m_renames.resize(names.size());
        m_bPreviewColumn = !renames.isEmpty();
        m_nFileCount = static_cast<unsigned>(names.size());
        ++m_nGeneration;
    }

    bool HasPreviewColumn() override { return m_bPreviewColumn; }

    ListRows ReadListRows(unsigned first, unsigned count) override
    {
        ++m_nReads;
        ListRows rows{{}, m_nGeneration};
        for (qsizetype i = first; i < m_names.size() && i < qsizetype(first) + count; ++i)
            rows.m_rows.push_back({m_names[i], m_bPreviewColumn ? m_renames[i] : QString()});
        return rows;
    }

    std::uint64_t ListGeneration() const override
    {
        if (m_onGenerationRead)
            m_onGenerationRead();
        return m_nGeneration;
    }

    void WriteRenameCells(unsigned first, const QStringList& names) override
    {
        ++m_nWrites;
        for (qsizetype i = 0; i < names.size() && first + i < m_renames.size(); ++i)
            m_renames[first + i] = names[i];
        m_nCellsWritten = qMax(m_nCellsWritten, first + names.size());
    }

    void WriteRenameMarks(const std::vector<RenameMark>& marks) override
    {
        for (const RenameMark& mark : marks)
            m_marks.insert(mark.m_nRow, mark.m_strFinalName);
    }

    void SetTotalProgress(int percent) override { Record(u"total:"_qs + QString::number(percent)); }
    void SetFileProgress(int percent) override { Record(u"file:"_qs + QString::number(percent)); }
    void SetErrorText(const QString& text) override { Record(u"error:"_qs + text); }
    int SelectedTab() override { return 0; }
    void SetConvertCaption(const QString& caption) override { Record(u"caption:"_qs + caption); }
    void RequestRefreshList() override { Record(u"refresh:"_qs); }
    void ShowMessage(const QString& text) override { Record(u"message:"_qs + text); }
    CSongListPageBase& SongListPage() override { return m_page; }

    // The values of the recorded calls of one kind, in order.
    QStringList Calls(const QString& what) const
    {
        QStringList values;
        for (const QString& call : m_calls) {
            if (call.startsWith(what + u':'))
                values.append(call.mid(what.size() + 1));
        }
        return values;
    }

    QStringList m_names;             // column 0
    QStringList m_renames;           // column 1
    QMap<unsigned, QString> m_marks; // row -> final name of its marked cell
    bool m_bPreviewColumn = false;
    std::uint64_t m_nGeneration = 1;
    FakeSongListPage m_page;

    QStringList m_calls;
    int m_nReads = 0;
    int m_nWrites = 0;
    qsizetype m_nCellsWritten = 0; // end of the furthest row written
    // Called after each recorded call, and at each generation read, so a
    // test can act in the middle of a pass as the operator would.
    std::function<void(const QString& call)> m_onCall;
    std::function<void()> m_onGenerationRead;

private:
    void Record(const QString& call)
    {
        m_calls.append(call);
        if (m_onCall)
            m_onCall(call);
    }
};

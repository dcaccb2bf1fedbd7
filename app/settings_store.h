#pragma once

#include <QSettings>
#include <QString>

// What tamro remembers between runs, kept with QSettings ("tamro", "tamro").
// Paths are stored as their exact file-name bytes, so a name that is not
// UTF-8 comes back unchanged. A store that cannot be read gives the defaults;
// one that cannot be written is left as it is. Neither stops the program.
class CSettingsStore
{
public:
    CSettingsStore();

    QString SongListPath() const { return ReadPath(kSongList); }
    void SetSongListPath(const QString& path) { WritePath(kSongList, path); }
    bool SourceFromSongList() const;
    void SetSourceFromSongList(bool checked);
    QString OutputFolder() const { return ReadPath(kOutput); }
    void SetOutputFolder(const QString& path) { WritePath(kOutput, path); }
    QString SourceFolder() const { return ReadPath(kSource); }
    void SetSourceFolder(const QString& path) { WritePath(kSource, path); }
    QString TagFormat() const;
    void SetTagFormat(const QString& format);
    int Tab() const;
    void SetTab(int tab);

    // Writes what is pending to disk; false when the store could not be written.
    bool Sync();

private:
    static constexpr const char* kSongList = "songList/path";
    static constexpr const char* kOutput = "output/folder";
    static constexpr const char* kSource = "source/folder";

    QString ReadPath(const char* key) const;
    void WritePath(const char* key, const QString& path);

    QSettings m_settings;
};

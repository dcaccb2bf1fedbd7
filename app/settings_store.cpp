#include "app/settings_store.h"

#include "modes/tag_format.h"
#include "platform/file_name_codec.h"

namespace {

constexpr const char* kSetSourceFolder = "songList/setSourceFolder";
constexpr const char* kTab = "window/tab";
constexpr const char* kTagFormat = "tags/format";
constexpr int kTabCount = 3;

QString Key(const char* key)
{
    return QString::fromLatin1(key);
}

} // namespace

CSettingsStore::CSettingsStore() : m_settings(u"tamro"_qs, u"tamro"_qs) {}

bool CSettingsStore::SourceFromSongList() const
{
    return m_settings.value(Key(kSetSourceFolder), true).toBool();
}

void CSettingsStore::SetSourceFromSongList(bool checked)
{
    m_settings.setValue(Key(kSetSourceFolder), checked);
}

QString CSettingsStore::TagFormat() const
{
    return m_settings.value(Key(kTagFormat), CTagFormat::DefaultFormat()).toString();
}

void CSettingsStore::SetTagFormat(const QString& format)
{
    m_settings.setValue(Key(kTagFormat), format);
}

int CSettingsStore::Tab() const
{
    bool ok = false;
    const int tab = m_settings.value(Key(kTab), 0).toInt(&ok);
    return ok && tab >= 0 && tab < kTabCount ? tab : 0;
}

void CSettingsStore::SetTab(int tab)
{
    m_settings.setValue(Key(kTab), tab);
}

bool CSettingsStore::Sync()
{
    m_settings.sync();
    return m_settings.status() == QSettings::NoError;
}

QString CSettingsStore::ReadPath(const char* key) const
{
    return DecodeFileName(m_settings.value(Key(key)).toByteArray());
}

void CSettingsStore::WritePath(const char* key, const QString& path)
{
    m_settings.setValue(Key(key), EncodeFileName(path));
}

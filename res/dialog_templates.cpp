#include "res/dialog_templates.h"

#include <QCoreApplication>

namespace {

using K = ControlKind;

constexpr ControlTemplate kAboutControls[] = {
    {-1, K::Icon, nullptr, 14, 14, 21, 20, nullptr},
    {-1, K::Label, QT_TRANSLATE_NOOP("DialogTemplate", "tamro, Version 1.0"), 42, 14, 114, 8,
     nullptr},
    {-1, K::Label, QT_TRANSLATE_NOOP("DialogTemplate", "© 2026 the tamro developers"), 42, 26, 114,
     8, nullptr},
    {IDOK_ABOUT, K::DefaultPushButton, QT_TRANSLATE_NOOP("DialogTemplate", "OK"), 113, 41, 50, 14,
     nullptr},
};

constexpr ControlTemplate kMainControls[] = {
    {IDC_FOLDER_TREE, K::FolderTree, nullptr, 7, 19, 135, 115, "m_treeFolders"},
    {IDC_FILE_LIST, K::FileList, nullptr, 151, 7, 264, 127, "m_listFiles"},
    {IDC_PREVIEW, K::PushButton, QT_TRANSLATE_NOOP("DialogTemplate", "&Preview"), 367, 183, 50, 20,
     "m_btnPreview"},
    {IDC_CONVERT, K::PushButton, QT_TRANSLATE_NOOP("DialogTemplate", "&Convert"), 367, 219, 50, 20,
     "m_btnConvert"},
    {IDC_PROGRESS_TOTAL, K::ProgressBar, nullptr, 240, 275, 100, 9, "m_progressTotal"},
    {IDC_MODE_TABS, K::TabControl, nullptr, 7, 167, 353, 103, "m_tabMode"},
    {-1, K::Label, QT_TRANSLATE_NOOP("DialogTemplate", "F5: Refresh"), 156, 170, 39, 8, nullptr},
    {IDC_ERROR_COUNT, K::Label, "", 225, 170, 66, 8, "m_staticError"},
    {-1, K::Label, QT_TRANSLATE_NOOP("DialogTemplate", "Song Source Folder"), 10, 8, 69, 9,
     nullptr},
    {IDC_OUTPUT_FOLDER, K::Edit, "", 82, 144, 241, 15, "m_editOutput"},
    {-1, K::Label, QT_TRANSLATE_NOOP("DialogTemplate", "Output Folder :"), 28, 146, 50, 8, nullptr},
    {IDC_BROWSE_OUTPUT, K::PushButton, "...", 332, 144, 26, 14, "m_btnBrowseOutput"},
    {IDC_PROGRESS_FILE, K::ProgressBar, nullptr, 47, 275, 100, 9, "m_progressFile"},
    {-1, K::Label, QT_TRANSLATE_NOOP("DialogTemplate", "file :"), 25, 275, 15, 8, nullptr},
    {-1, K::Label, QT_TRANSLATE_NOOP("DialogTemplate", "total :"), 214, 275, 20, 8, nullptr},
};

constexpr ControlTemplate kSongListControls[] = {
    {-1, K::Label, QT_TRANSLATE_NOOP("DialogTemplate", "Songlist file :"), 15, 45, 41, 8, nullptr},
    {IDC_SONG_LIST_PATH, K::Edit, "", 58, 43, 210, 15, "m_editSongList"},
    {IDC_BROWSE_SONG_LIST, K::PushButton, "...", 280, 43, 26, 14, "m_btnBrowseSongList"},
    {-1, K::Label, QT_TRANSLATE_NOOP("DialogTemplate", "Rename files using text file"), 15, 17, 87,
     8, nullptr},
    {IDC_SET_SOURCE_FOLDER, K::CheckBox,
     QT_TRANSLATE_NOOP("DialogTemplate", "Set Song &Source Folder"), 175, 27, 91, 10,
     "m_chkSetSourceFolder"},
};

constexpr ControlTemplate kPatternControls[] = {
    {-1, K::Label, QT_TRANSLATE_NOOP("DialogTemplate", "example )"), 25, 22, 38, 8, nullptr},
    {-1, K::Label, QT_TRANSLATE_NOOP("DialogTemplate", "Title - Artist   ->   Artist - Title"), 116,
     31, 88, 11, nullptr},
    {-1, K::Label, QT_TRANSLATE_NOOP("DialogTemplate", "Artist - Title   ->   Title - Artist"), 116,
     64, 88, 11, nullptr},
    {-1, K::CentredLabel, QT_TRANSLATE_NOOP("DialogTemplate", "or"), 116, 47, 88, 11, nullptr},
};

constexpr ControlTemplate kTagsControls[] = {
    {-1, K::Label, QT_TRANSLATE_NOOP("DialogTemplate", "Rename files using their tags"), 15, 17,
     100, 8, nullptr},
    // The fields are the format's own words, the same in every language.
    {-1, K::Label, "{title} {artist} {album} {albumartist} {track} {disc} {year} {genre}", 58, 29,
     250, 8, nullptr},
    {-1, K::Label, QT_TRANSLATE_NOOP("DialogTemplate", "Format :"), 15, 45, 41, 8, nullptr},
    {IDC_TAG_FORMAT, K::Edit, "", 58, 43, 210, 15, "m_editTagFormat"},
    {IDC_TAG_FORMAT_ERROR, K::Label, "", 58, 61, 250, 26, "m_staticFormatError"},
};

constexpr ButtonShortcut kShortcuts[] = {
    {IDC_BROWSE_OUTPUT, u"Alt+O", QT_TRANSLATE_NOOP("DialogTemplate", "Choose the output folder")},
    {IDC_BROWSE_SONG_LIST, u"Alt+L",
     QT_TRANSLATE_NOOP("DialogTemplate", "Choose the song-list file")},
};

} // namespace

const std::span<const ButtonShortcut> kButtonShortcuts = kShortcuts;

const DialogTemplate kAboutTemplate{100, QT_TRANSLATE_NOOP("DialogTemplate", "About tamro"), 170,
                                    62, kAboutControls};
const DialogTemplate kMainTemplate{102, QT_TRANSLATE_NOOP("DialogTemplate", "Song file convert"),
                                   429, 288, kMainControls};
const DialogTemplate kSongListTemplate{130, nullptr, 324, 97, kSongListControls};
const DialogTemplate kPatternTemplate{131, nullptr, 324, 97, kPatternControls};
const DialogTemplate kTagsTemplate{132, nullptr, 324, 97, kTagsControls};

QString TemplateText(const char* text)
{
    // The context every QT_TRANSLATE_NOOP above names.
    return text ? QCoreApplication::translate("DialogTemplate", text) : QString();
}

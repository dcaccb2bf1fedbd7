#pragma once

#include <QString>

#include <span>

// The window layouts as data: every control with its id, kind, caption and
// place in dialog units (x, y, width, height), in tab order. Dialog units
// scale with the dialog's font, so the layout holds at any font size.
// Captions and tips are the English text in UTF-8, which is also what their
// translations are found by (see TemplateText).

enum class ControlKind
{
    FolderTree,
    FileList,
    PushButton,
    DefaultPushButton,
    ProgressBar,
    TabControl,
    Label,
    CentredLabel,
    Edit,
    CheckBox,
    Icon,
};

struct ControlTemplate
{
    int id; // -1 for a label without an id of its own
    ControlKind kind;
    const char* text;
    int x, y, cx, cy;
    const char* member; // the member the control is bound to, or nullptr
};

struct DialogTemplate
{
    int id;
    const char* caption;
    int cx, cy;
    std::span<const ControlTemplate> controls;
};

// Control ids the program refers to.
enum ControlId
{
    IDC_FILE_LIST = 1001,
    IDC_PREVIEW = 1002,
    IDC_PROGRESS_TOTAL = 1003,
    IDC_FOLDER_TREE = 1004,
    IDC_CONVERT = 1006,
    IDC_SONG_LIST_PATH = 1007,
    IDC_BROWSE_SONG_LIST = 1008,
    IDC_MODE_TABS = 1011,
    IDC_ERROR_COUNT = 1012,
    IDC_OUTPUT_FOLDER = 1013,
    IDC_BROWSE_OUTPUT = 1014,
    IDC_PROGRESS_FILE = 1015,
    IDC_SET_SOURCE_FOLDER = 1016,
    IDC_TAG_FORMAT = 1017,
    IDC_TAG_FORMAT_ERROR = 1018,
    IDOK_ABOUT = 1,
};

// Keys for the buttons whose caption has no letter to mark ("..."); the
// tool tip names the key.
struct ButtonShortcut
{
    int id;
    const char16_t* keys; // portable text, e.g. "Alt+O"
    const char* tip;
};
extern const std::span<const ButtonShortcut> kButtonShortcuts;

// A caption or tip of the templates as the operator reads it: translated
// into the operator's language, the English text itself without a
// translation; empty for nullptr.
QString TemplateText(const char* text);

extern const DialogTemplate kAboutTemplate;    // 100, the About box
extern const DialogTemplate kMainTemplate;     // 102, the main window
extern const DialogTemplate kSongListTemplate; // 130, the song-list page
extern const DialogTemplate kPatternTemplate;  // 131, the pattern page
extern const DialogTemplate kTagsTemplate;     // 132, the tag page

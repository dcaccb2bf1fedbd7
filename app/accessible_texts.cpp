#include "app/accessible_texts.h"

#include "app/mode_tab_ctrl.h"
#include "res/dialog_templates.h"

#include <QCoreApplication>
#include <QTabBar>
#include <QWidget>

namespace {

struct AccessibleText
{
    int id;
    const char* name; // nullptr: the caption or the label says it
    const char* description;
};

constexpr AccessibleText kTexts[] = {
    {IDC_FOLDER_TREE, QT_TRANSLATE_NOOP("AccessibleText", "Folders"),
     QT_TRANSLATE_NOOP("AccessibleText", "The folder chosen here is listed beside it.")},
    {IDC_FILE_LIST, QT_TRANSLATE_NOOP("AccessibleText", "Files of the folder"),
     QT_TRANSLATE_NOOP("AccessibleText",
                       "After Preview, the Rename column holds each file's new name.")},
    {IDC_PROGRESS_FILE, QT_TRANSLATE_NOOP("AccessibleText", "File progress"),
     QT_TRANSLATE_NOOP("AccessibleText", "How much of the file being copied is done.")},
    {IDC_PROGRESS_TOTAL, QT_TRANSLATE_NOOP("AccessibleText", "Total progress"),
     QT_TRANSLATE_NOOP("AccessibleText", "How much of the whole job is done.")},
    {IDC_MODE_TABS, QT_TRANSLATE_NOOP("AccessibleText", "Naming mode"),
     QT_TRANSLATE_NOOP("AccessibleText",
                       "Convert names the files from a song list; Rename swaps title and "
                       "artist; Tags names them from their own tags.")},
    {IDC_OUTPUT_FOLDER, nullptr,
     QT_TRANSLATE_NOOP("AccessibleText", "The folder the copies are written into.")},
    {IDC_SONG_LIST_PATH, nullptr,
     QT_TRANSLATE_NOOP("AccessibleText", "A text file of lines number|title|singer.")},
    {IDC_TAG_FORMAT, QT_TRANSLATE_NOOP("AccessibleText", "Format"),
     QT_TRANSLATE_NOOP("AccessibleText",
                       "The new name, with tag fields in braces such as {title} and {artist}.")},
    {IDC_TAG_FORMAT_ERROR, QT_TRANSLATE_NOOP("AccessibleText", "Format problem"),
     QT_TRANSLATE_NOOP("AccessibleText", "Why the format cannot name the files, if it cannot.")},
    {IDC_PREVIEW, nullptr,
     QT_TRANSLATE_NOOP("AccessibleText",
                       "Shows the new names in the Rename column; pressed again, hides them.")},
    {IDC_CONVERT, nullptr,
     QT_TRANSLATE_NOOP("AccessibleText",
                       "Copies the files under their new names into the output folder.")},
    {IDC_ERROR_COUNT, nullptr,
     QT_TRANSLATE_NOOP("AccessibleText", "How many copies of the last job failed.")},
};

QString Translated(const char* text)
{
    return QCoreApplication::translate("AccessibleText", text);
}

} // namespace

void DescribeForScreenReaders(QWidget* control, int id)
{
    for (const AccessibleText& text : kTexts) {
        if (text.id != id)
            continue;
        if (text.name)
            control->setAccessibleName(Translated(text.name));
        control->setAccessibleDescription(Translated(text.description));
        // The tab headers are what the keyboard reaches; a screen reader
        // names them after the tab that is selected.
        if (auto* tabs = qobject_cast<CModeTabCtrl*>(control))
            tabs->TabBar()->setAccessibleDescription(control->accessibleDescription());
    }
}

// What makes the window at home on a desktop: fields remembered between runs,
// files and folders dropped on it, a path to open from the command line, and
// Enter for the focused button.
#include "app/file_list_ctrl.h"
#include "app/folder_tree_ctrl.h"
#include "app/local_path.h"
#include "app/mode_tab_ctrl.h"
#include "app/path_drop_filter.h"
#include "app/settings_store.h"
#include "app/tab_tags.h"
#include "app/tab_use_text_file.h"
#include "app/tamro_dlg.h"
#include "platform/file_name_codec.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>

void CtamroDlg::InitDesktop()
{
    auto* drops = new CPathDropFilter(
        this, [this] { return Job().m_nCommand.load() != JOB_IDLE; },
        [this](DropTarget target, const QList<QUrl>& urls) { OnDropUrls(target, urls); });
    drops->Watch(this, DropTarget::Window);
    drops->Watch(m_pTabSongList->m_editSongList, DropTarget::SongListEdit);
    drops->Watch(m_editOutput, DropTarget::OutputEdit);
}

void CtamroDlg::KeepSettingsIn(CSettingsStore& store)
{
    // The song list goes first: with the box ticked it moves the tree, as
    // typing it would, and the source folder chosen after it then wins.
    // Whatever no longer exists is left out without a word.
    m_tabMode->TabBar()->setCurrentIndex(store.Tab());
    m_pTabSongList->m_chkSetSourceFolder->setChecked(store.SourceFromSongList());
    if (const QString list = store.SongListPath(); KindOfPath(list) == PathKind::File)
        m_pTabSongList->m_editSongList->setText(list);
    m_pTabTags->m_editTagFormat->setText(store.TagFormat());
    if (const QString output = store.OutputFolder(); KindOfPath(output) == PathKind::Folder)
        m_editOutput->setText(output);
    if (const QString source = store.SourceFolder(); KindOfPath(source) == PathKind::Folder)
        OpenSourceFolder(source);

    CSettingsStore* settings = &store;
    connect(m_tabMode, &CModeTabCtrl::selectionChanged, this,
            [this, settings] { settings->SetTab(m_tabMode->GetCurSel()); });
    connect(m_pTabSongList->m_chkSetSourceFolder, &QCheckBox::toggled, this,
            [settings](bool checked) { settings->SetSourceFromSongList(checked); });
    connect(m_pTabSongList->m_editSongList, &QLineEdit::textChanged, this,
            [settings](const QString& path) { settings->SetSongListPath(path); });
    connect(m_pTabTags->m_editTagFormat, &QLineEdit::textChanged, this,
            [settings](const QString& format) { settings->SetTagFormat(format); });
    connect(m_editOutput, &QLineEdit::textChanged, this,
            [settings](const QString& path) { settings->SetOutputFolder(path); });
    connect(m_listFiles, &CFileListCtrl::folderShown, this, [settings](const QString& folder) {
        if (!folder.isEmpty())
            settings->SetSourceFolder(folder);
    });
}

void CtamroDlg::OpenStartPath(const QString& path)
{
    if (path.isEmpty())
        return;
    const QString absolute =
        QDir::cleanPath(path.startsWith(u'/') ? path : QDir::currentPath() + u'/' + path);
    switch (KindOfPath(absolute)) {
    case PathKind::Missing:
        ShowMessage(tr("tamro was asked to open a path that does not exist:\n") +
                    ReadableFileName(absolute));
        break;
    case PathKind::Folder:
        OpenSourceFolder(absolute);
        break;
    case PathKind::File:
        OpenSongList(absolute);
        break;
    }
}

void CtamroDlg::OpenSourceFolder(const QString& folder)
{
    if (m_treeFolders->SelectPath(folder) && m_listFiles->GetCurrentFolder() == folder)
        return;         // the tree's selection handler has listed it
    ShowFolder(folder); // hidden from the tree, or selected there already
}

void CtamroDlg::OpenSongList(const QString& file)
{
    m_tabMode->TabBar()->setCurrentIndex(0); // the song list belongs to the "Convert" tab
    QLineEdit* edit = m_pTabSongList->m_editSongList;
    if (edit->text() != file)
        edit->setText(file);
    else if (m_pTabSongList->m_chkSetSourceFolder->isChecked())
        OnShowSongListFolder(); // the same list again still moves the tree
}

void CtamroDlg::OnDropUrls(DropTarget target, const QList<QUrl>& urls)
{
    if (urls.isEmpty())
        return;
    if (Job().m_nCommand.load() != JOB_IDLE) {
        ShowMessage(tr("A job is running, so nothing it reads may change now. "
                       "Drop it again when the job has ended."));
        return;
    }
    const QString path = LocalPathOfUrl(urls.first());
    if (path.isEmpty()) {
        ShowMessage(tr("Only files and folders of this computer can be dropped here, not:\n") +
                    urls.first().toDisplayString());
        return;
    }
    const PathKind kind = KindOfPath(path);
    if (kind == PathKind::Missing) {
        ShowMessage(tr("The dropped path does not exist:\n") + ReadableFileName(path));
    } else if (target == DropTarget::OutputEdit) {
        if (kind == PathKind::Folder)
            m_editOutput->setText(path);
        else
            ShowMessage(tr("The output folder must be a folder, not:\n") + ReadableFileName(path));
    } else if (kind == PathKind::Folder) {
        OpenSourceFolder(path);
    } else {
        OpenSongList(path);
    }
}

void CtamroDlg::PressFocusedButton(QObject* watched)
{
    auto* button = qobject_cast<QPushButton*>(watched);
    if (button && button->hasFocus() && button->isEnabled())
        button->animateClick();
}

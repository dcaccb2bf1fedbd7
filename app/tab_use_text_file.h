#pragma once

#include "modes/song_list_page_base.h"

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QPushButton;
class CWindowCalls;

// The page of the "Convert" tab: the path of the song-list file, typed or
// chosen, and whether choosing it also moves the folder tree to its folder.
// It owns the song table and the stop request that the reader uses.
class CTabUseTextFile : public QWidget, public CSongListPageBase
{
    Q_OBJECT

public:
    // `windowCalls` is the window's own way in from the worker.
    CTabUseTextFile(CWindowCalls& windowCalls, QWidget* parent);

    // The path the text means ("~/" is the home folder); callable from the
    // worker, which then waits for the window thread to read it.
    QString GetSongListPath() const override;

    void OnBrowseSongList();
    void OnSongListPathChanged();

    QLineEdit* m_editSongList;
    QCheckBox* m_chkSetSourceFolder;

Q_SIGNALS:
    // Command 1007 to the main window: show the folder of the song list.
    void showSongListFolder();

private:
    QPushButton* m_btnBrowseSongList;
    CWindowCalls& m_windowCalls;
};

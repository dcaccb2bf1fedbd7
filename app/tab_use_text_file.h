#pragma once

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QPushButton;

// The page of the "Convert" tab: the path of the song-list file, typed or
// chosen, and whether choosing it also moves the folder tree to its folder.
// A job reads the file whose path it is given; the song table and the stop
// request live on the job.
class CTabUseTextFile : public QWidget
{
    Q_OBJECT

public:
    explicit CTabUseTextFile(QWidget* parent);

    // The path the text means ("~/" is the home folder).
    QString GetSongListPath() const;

    void OnBrowseSongList();
    void OnSongListPathChanged();
    // The controls Tab visits on this page, in order.
    QList<QWidget*> TabStops() const;

    QLineEdit* m_editSongList;
    QCheckBox* m_chkSetSourceFolder;
    QPushButton* m_btnBrowseSongList;

Q_SIGNALS:
    // Command 1007 to the main window: show the folder of the song list.
    void showSongListFolder();
};

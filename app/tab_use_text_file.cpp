#include "app/tab_use_text_file.h"

#include "app/dialog_layout.h"
#include "platform/home_path.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

CTabUseTextFile::CTabUseTextFile(QWidget* parent) : QWidget(parent)
{
    const QHash<int, QWidget*> controls = CreateControls(this, kSongListTemplate);
    m_editSongList = static_cast<QLineEdit*>(controls.value(IDC_SONG_LIST_PATH));
    m_btnBrowseSongList = static_cast<QPushButton*>(controls.value(IDC_BROWSE_SONG_LIST));
    m_chkSetSourceFolder = static_cast<QCheckBox*>(controls.value(IDC_SET_SOURCE_FOLDER));

    connect(m_btnBrowseSongList, &QPushButton::clicked, this, &CTabUseTextFile::OnBrowseSongList);
    connect(m_editSongList, &QLineEdit::textChanged, this, &CTabUseTextFile::OnSongListPathChanged);
    m_chkSetSourceFolder->setChecked(true);
}

QString CTabUseTextFile::GetSongListPath() const
{
    return ExpandHomePath(m_editSongList->text());
}

QList<QWidget*> CTabUseTextFile::TabStops() const
{
    return {m_editSongList, m_btnBrowseSongList, m_chkSetSourceFolder};
}

void CTabUseTextFile::OnBrowseSongList()
{
    // On the heap and watched: a stop signal closes the window from inside
    // this dialog's loop, and the page (its parent) goes with the window
    // before the loop returns here.
    QPointer<QFileDialog> dialog = new QFileDialog(this);
    dialog->setObjectName(u"songListFileDialog"_qs);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setNameFilters({tr("Text files (*.txt)"), tr("All files (*)")});
    const QString current = m_editSongList->text();
    dialog->setDirectory(current.contains(u'/') ? current.left(current.lastIndexOf(u'/'))
                                                : QDir::homePath());
    dialog->selectFile(u"songlist.txt"_qs);
    const bool accepted = dialog->exec() == QDialog::Accepted;
    if (!dialog)
        return; // gone with this page
    const QStringList chosenFiles = dialog->selectedFiles();
    delete dialog;
    if (!accepted || chosenFiles.isEmpty())
        return;
    const QString chosen = chosenFiles.first();
    // The same text again changes nothing, yet the operator asked for the move.
    if (chosen == m_editSongList->text())
        OnSongListPathChanged();
    else
        m_editSongList->setText(chosen);
}

void CTabUseTextFile::OnSongListPathChanged()
{
    if (m_chkSetSourceFolder->isChecked())
        Q_EMIT showSongListFolder();
}

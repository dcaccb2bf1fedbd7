// "Undo last convert…": the copies of the last job run from this folder,
// checked by the engine off the window thread, listed, and removed once the
// operator agrees.
#include "app/file_list_ctrl.h"
#include "app/mnemonic.h"
#include "app/tamro_dlg.h"

#include <QDir>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>

#include <utility>

namespace {

// A box lists this many copies; the rest are behind "Show Details...".
constexpr qsizetype kListedInBox = 15;

bool IsLeft(const FileEnd& file)
{
    return file.m_outcome != FileOutcome::Removed && file.m_outcome != FileOutcome::WouldRemove;
}

QStringList Lines(const std::vector<FileEnd>& files, bool left)
{
    QStringList lines;
    for (const FileEnd& file : files) {
        if (IsLeft(file) == left)
            lines.append(left ? file.m_strDestination + u"\n    "_qs + file.m_strReason
                              : file.m_strDestination);
    }
    return lines;
}

// `lines` under a heading, at most kListedInBox of them.
QString Section(const QString& heading, const QStringList& lines)
{
    if (lines.isEmpty())
        return {};
    QString text = u"\n\n"_qs + heading + u'\n' + lines.mid(0, kListedInBox).join(u'\n');
    if (lines.size() > kListedInBox)
        text += CtamroDlg::tr("\n… and %n more", nullptr, int(lines.size() - kListedInBox));
    return text;
}

QString Details(const std::vector<FileEnd>& files)
{
    const QStringList removed = Lines(files, false);
    const QStringList left = Lines(files, true);
    if (removed.size() <= kListedInBox && left.size() <= kListedInBox)
        return {};
    QStringList parts{removed.join(u'\n'), left.join(u'\n')};
    parts.removeAll(QString());
    return parts.join(u"\n\n"_qs);
}

QString Copies(qsizetype count)
{
    // One has a text of its own, so English reads right with no translation
    // loaded; %n serves every other count in any language.
    return count == 1 ? CtamroDlg::tr("1 copy") : CtamroDlg::tr("%n copies", nullptr, int(count));
}

} // namespace

int CtamroDlg::ShowUndoBox(const QString& text, const QString& details, bool ask)
{
    QMessageBox box(ask ? QMessageBox::Question : QMessageBox::Information, u"tamro"_qs, text,
                    ask ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, this);
    box.setObjectName(u"undoBox"_qs);
    box.setDetailedText(details);
    if (ask)
        box.setDefaultButton(QMessageBox::No);
    return box.exec();
}

void CtamroDlg::OnUndoLastConvert()
{
    // The engine decides first what may go, reporting each copy; nothing is
    // removed before the operator has seen the list and agreed.
    if (!Job().StartUndo(UndoRequest{QDir::currentPath(), UndoMode::DryRun}))
        return;
    m_btnConvert->setText(ConvertButtonCaption(tr("Cancel", "the button")));
}

void CtamroDlg::OnUndoEnded(const RunSummary& summary, const std::vector<FileEnd>& undone)
{
    PutBackConvertCaption();
    m_progressTotal->setValue(0);
    const bool removing = std::exchange(m_bUndoRemoving, false);
    if (!summary.m_strRefusal.isEmpty()) {
        ShowUndoBox((removing ? tr("Nothing was undone.\n") : tr("Nothing can be undone.\n")) +
                        summary.m_strRefusal,
                    {}, false);
        return;
    }
    if (!removing) {
        if (summary.m_bCancelled)
            return; // the operator stopped the check: nothing to ask
        // Asked once the job is idle, so the removal can start then.
        QMetaObject::invokeMethod(
            this, [this, undone] { AskToUndo(undone); }, Qt::QueuedConnection);
        return;
    }
    const QString current = QDir::cleanPath(m_strCurrentFolder);
    bool listedChanged = false;
    qsizetype removed = 0;
    for (const FileEnd& file : undone) {
        if (file.m_outcome != FileOutcome::Removed)
            continue;
        ++removed;
        const QString& path = file.m_strDestination;
        listedChanged |=
            !current.isEmpty() && QDir::cleanPath(path.left(path.lastIndexOf(u'/'))) == current;
    }
    ShowUndoBox(tr("Removed %1.").arg(Copies(removed)) +
                    Section(tr("Left standing:"), Lines(undone, true)),
                Details(undone), false);
    if (listedChanged)
        RefreshFileList();
}

void CtamroDlg::AskToUndo(const std::vector<FileEnd>& planned)
{
    const QStringList removable = Lines(planned, false);
    const QString stay = Section(tr("These stay:"), Lines(planned, true));
    if (removable.isEmpty()) {
        ShowUndoBox(planned.empty() ? tr("Nothing to undo: the last convert job copied nothing.")
                                    : tr("Nothing to undo.") + stay,
                    Details(planned), false);
        return;
    }
    const QString question =
        tr("Undo last convert: remove %1 from the output folder?").arg(Copies(removable.size())) +
        Section(tr("To be removed:"), removable) + stay;
    if (ShowUndoBox(question, Details(planned), true) != QMessageBox::Yes || m_bClosing)
        return;
    // Checked again: the files may have changed while the question was open.
    if (!Job().StartUndo(UndoRequest{QDir::currentPath(), UndoMode::Remove}))
        return;
    m_bUndoRemoving = true;
    m_btnConvert->setText(ConvertButtonCaption(tr("Cancel", "the button")));
}

// "Undo last convert…": the copies of the last job run from this folder,
// checked, listed, and removed once the operator agrees.
#include "app/file_list_ctrl.h"
#include "app/tamro_dlg.h"
#include "output/run_undo.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>

namespace {

// A box lists this many copies; the rest are behind "Show Details...".
constexpr qsizetype kListedInBox = 15;

QStringList Lines(const QList<UndoItem>& items, bool left)
{
    QStringList lines;
    for (const UndoItem& item : items) {
        if ((item.m_action == UndoAction::Left) == left)
            lines.append(left ? item.m_strPath + u"\n    "_qs + item.m_strReason : item.m_strPath);
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
        text += u"\n… and %1 more"_qs.arg(lines.size() - kListedInBox);
    return text;
}

QString Details(const QList<UndoItem>& items)
{
    const QStringList removed = Lines(items, false);
    const QStringList left = Lines(items, true);
    if (removed.size() <= kListedInBox && left.size() <= kListedInBox)
        return {};
    QStringList parts{removed.join(u'\n'), left.join(u'\n')};
    parts.removeAll(QString());
    return parts.join(u"\n\n"_qs);
}

QString Copies(qsizetype count)
{
    return count == 1 ? u"1 copy"_qs : u"%1 copies"_qs.arg(count);
}

UndoResult RunUndo(UndoMode mode)
{
    // The logs lie where jobs write them: the current directory.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    UndoResult result = UndoLastRun(QDir::currentPath(), mode);
    QApplication::restoreOverrideCursor();
    return result;
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
    if (m_nCommand.load() != JOB_IDLE)
        return;
    const UndoResult plan = RunUndo(UndoMode::DryRun);
    if (!plan.m_strError.isEmpty()) {
        ShowUndoBox(u"Nothing can be undone.\n"_qs + plan.m_strError, {}, false);
        return;
    }
    const QStringList removable = Lines(plan.m_items, false);
    const QString stay = Section(u"These stay:"_qs, Lines(plan.m_items, true));
    if (removable.isEmpty()) {
        ShowUndoBox(plan.m_items.isEmpty()
                        ? u"Nothing to undo: the last convert job copied nothing."_qs
                        : u"Nothing to undo."_qs + stay,
                    Details(plan.m_items), false);
        return;
    }
    const QString question =
        u"Undo last convert: remove %1 from the output folder?"_qs.arg(Copies(removable.size())) +
        Section(u"To be removed:"_qs, removable) + stay;
    if (ShowUndoBox(question, Details(plan.m_items), true) != QMessageBox::Yes)
        return;

    // Checked again: the files may have changed while the question was open.
    const UndoResult done = RunUndo(UndoMode::Remove);
    if (!done.m_strError.isEmpty()) {
        ShowUndoBox(u"Nothing was undone.\n"_qs + done.m_strError, {}, false);
        return;
    }
    const QString current = QDir::cleanPath(m_strCurrentFolder.Load());
    bool listedChanged = false;
    qsizetype removed = 0;
    for (const UndoItem& item : done.m_items) {
        if (item.m_action != UndoAction::Removed)
            continue;
        ++removed;
        listedChanged |=
            !current.isEmpty() &&
            QDir::cleanPath(item.m_strPath.left(item.m_strPath.lastIndexOf(u'/'))) == current;
    }
    ShowUndoBox(u"Removed %1."_qs.arg(Copies(removed)) +
                    Section(u"Left standing:"_qs, Lines(done.m_items, true)),
                Details(done.m_items), false);
    if (listedChanged)
        RefreshFileList();
}

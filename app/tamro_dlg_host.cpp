// The window side of the passes: each call comes from the worker and runs on
// the window thread, the worker waiting for it unless only a bar or the error
// label changes: those are queued in order with the other calls.
#include "app/file_list_ctrl.h"
#include "app/file_list_model.h"
#include "app/mode_tab_ctrl.h"
#include "app/tab_use_text_file.h"
#include "app/tamro_dlg.h"
#include "app/window_calls.h"
#include "res/dialog_templates.h"

#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QThread>

bool CtamroDlg::HasPreviewColumn()
{
    return m_pWindowCalls->Call(
        [this] { return m_listFiles->GetColumn1Heading() == u"Rename"_qs; });
}

ListRows CtamroDlg::ReadListRows(unsigned first, unsigned count)
{
    return m_pWindowCalls->Call([this, first, count] {
        const CFileListModel& model = *m_listFiles->Model();
        ListRows read;
        read.m_nGeneration = model.Generation();
        const unsigned end = qMin<unsigned>(first + count, unsigned(model.rowCount()));
        read.m_rows.reserve(end > first ? end - first : 0);
        for (unsigned row = first; row < end; ++row)
            read.m_rows.push_back(ListRow{model.NameAt(int(row)), model.Column1Text(int(row))});
        return read;
    });
}

std::uint64_t CtamroDlg::ListGeneration() const
{
    return m_listFiles->Model()->Generation();
}

void CtamroDlg::WriteRenameCells(unsigned first, const QStringList& names)
{
    m_pWindowCalls->Call([&] { m_listFiles->Model()->SetColumn1Texts(int(first), names); });
}

void CtamroDlg::WriteRenameMarks(const std::vector<RenameMark>& marks)
{
    m_pWindowCalls->Call([&] { m_listFiles->Model()->SetColumn1Marks(marks); });
}

void CtamroDlg::SetTotalProgress(int percent)
{
    // At most one position per percent reaches here; the worker need not
    // wait for the bar to be drawn.
    const auto show = [this, percent] { m_progressTotal->setValue(qBound(0, percent, 100)); };
    if (QThread::currentThread() == thread())
        show();
    else
        m_pWindowCalls->Post(show);
}

void CtamroDlg::SetFileProgress(int percent)
{
    m_nFilePercent = percent;
    if (QThread::currentThread() == thread()) {
        ShowFilePercent();
        return;
    }
    constexpr std::chrono::milliseconds kFrame(16);
    const auto now = std::chrono::steady_clock::now();
    if (now - m_lastFilePercentPost >= kFrame) {
        m_lastFilePercentPost = now;
        m_pWindowCalls->Post([this] { ShowFilePercent(); });
    }
}

void CtamroDlg::ShowFilePercent()
{
    m_progressFile->setValue(qBound(0, m_nFilePercent.load(), 100));
}

void CtamroDlg::SetErrorText(const QString& text)
{
    if (QThread::currentThread() == thread()) {
        m_staticError->setText(text);
        return;
    }
    m_strErrorText.Store(text);
    if (m_bErrorTextQueued.exchange(true))
        return; // the drawing already queued shows this text too
    m_pWindowCalls->Post([this] {
        m_bErrorTextQueued = false;
        m_staticError->setText(m_strErrorText.Load());
    });
}

int CtamroDlg::SelectedTab()
{
    return m_pWindowCalls->Call([this] { return m_tabMode->GetCurSel(); });
}

void CtamroDlg::SetConvertCaption(const QString& caption)
{
    m_pWindowCalls->Call([&] { OnSetCtrlText(IDC_CONVERT, &caption); });
}

void CtamroDlg::RequestRefreshList()
{
    m_pWindowCalls->Call([this] { OnRefreshList(VK_F5, 0); });
}

void CtamroDlg::ShowMessage(const QString& text)
{
    ShowBox(QMessageBox::Information, text);
}

void CtamroDlg::ShowWarning(const QString& text)
{
    ShowBox(QMessageBox::Warning, text);
}

void CtamroDlg::ShowBox(QMessageBox::Icon icon, const QString& text)
{
    m_pWindowCalls->Call([&] {
        // A window on its way out (a stop signal, a close during the job)
        // must not wait on a box nobody may see; the terminal gets the text.
        if (m_bClosing) {
            qWarning("tamro: %s", qUtf8Printable(text));
            return;
        }
        QMessageBox box(icon, u"tamro"_qs, text, QMessageBox::Ok, this);
        box.setObjectName(u"messageBox"_qs);
        box.exec();
    });
}

bool CtamroDlg::AskYesNo(const QString& question)
{
    QMessageBox box(QMessageBox::Question, u"tamro"_qs, question,
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setObjectName(u"messageBox"_qs);
    box.setEscapeButton(QMessageBox::No);
    box.exec();
    // A box dismissed any other way (a stop signal) is a No.
    return box.clickedButton() == box.button(QMessageBox::Yes);
}

// Grabs the main window for the README: the real dialog and worker, with the
// example folder chosen through its song list and previewed, drawn by the
// offscreen platform into a PNG. A tab given (0, 1 or 2) is selected before
// the preview, and a tag format given is typed into the "Tags" page, so
// every page can be looked at.
//
//   build/release/tools/tamro_screenshot <examples-folder> <output.png> [tab [tag-format]]

#include "app/file_list_ctrl.h"
#include "app/file_list_model.h"
#include "app/mode_tab_ctrl.h"
#include "app/tab_tags.h"
#include "app/tab_use_text_file.h"
#include "app/tamro_app.h"
#include "app/tamro_dlg.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTabBar>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 3 || argc > 5) {
        std::fprintf(stderr,
                     "usage: tamro_screenshot <examples-folder> <output.png> [tab [tag-format]]\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    CtamroApp app(argc, argv); // name, version and icon as the program has them
    const QString examples = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    const QString output = QString::fromLocal8Bit(argv[2]);

    CtamroDlg dialog;
    dialog.show();
    dialog.m_pTabSongList->m_editSongList->setText(examples + u"/songlist_utf8.txt"_qs);
    dialog.m_editOutput->setText(QDir::tempPath() + u"/tamro-renamed"_qs);
    QElapsedTimer waited;
    waited.start();
    const auto waitWhile = [&](const auto& busy) {
        while (busy() && waited.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    };
    // The folder is read in the background; the preview waits for it anyway,
    // but the job only counts as started once the read has ended.
    waitWhile([&] { return dialog.m_listFiles->IsReading(); });
    if (argc > 3)
        dialog.m_tabMode->TabBar()->setCurrentIndex(QString::fromLocal8Bit(argv[3]).toInt());
    if (argc > 4)
        dialog.m_pTabTags->m_editTagFormat->setText(QString::fromLocal8Bit(argv[4]));
    // A format with an error is shown with it, not refused in a box.
    if (dialog.m_tabMode->GetCurSel() != 2 || dialog.m_pTabTags->FormatError().isEmpty())
        dialog.findChild<QPushButton*>(u"m_btnPreview"_qs)->click();
    waitWhile([&] { return dialog.Job().m_nCommand.load() != JOB_IDLE; });
    QTimer::singleShot(300, [&] { // let the tree finish loading its folders
        const bool saved = dialog.grab().save(output);
        std::printf("%s %s\n", saved ? "saved" : "could not save", qPrintable(output));
        dialog.close();
    });
    return dialog.exec() == 0 ? 0 : 0;
}

#include "app/file_list_ctrl.h"
#include "app/file_list_model.h"
#include "app/folder_tree_ctrl.h"
#include "app/mnemonic.h"
#include "app/mode_tab_ctrl.h"
#include "app/stop_signals.h"
#include "app/tab_tags.h"
#include "app/tab_use_text_file.h"
#include "app/tamro_app.h"
#include "app/tamro_dlg.h"
#include "modes/tag_format.h"
#include "output/output_folder.h"
#include "platform/file_copy.h"
#include "tests/gui_helpers.h"
#include "tests/held_folder_lister.h"
#include "tests/tag_fixtures.h"
#include "tests/testdir.h"
#include "tests/unprivileged.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTabBar>
#include <QWindow>
#include <QtTest>

#include <chrono>
#include <csignal>
#include <memory>
#include <spawn.h>
#include <thread>

extern char** environ;

namespace {

const QString kCompleted = u"Completed."_qs;
constexpr char kChildArgument[] = "--convert-until-stopped";

// The real window, whose copies wait after their first chunk until tamro is
// told to quit: a stop signal always finds a copy under way.
class CCopyWaitsForStopDlg : public CtamroDlg
{
protected:
    void OnWorkerFileProgress(int percent) override
    {
        while (percent > 0 && percent < 100 && !Job().m_bAbandonCopy.load())
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
};

// Holds the copy of a job's third file at its start, when asked, until the
// job is no longer a plain convert: a test clicks Cancel mid-file however
// fast the copy itself would be.
class CHoldThirdCopyDlg : public CtamroDlg
{
public:
    std::atomic<bool> m_bHold{false};

protected:
    void OnWorkerFileProgress(int percent) override
    {
        if (percent != 0 || !m_bHold.load() || ++m_nCopiesStarted != 3)
            return;
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (Job().m_nCommand.load() == JOB_CONVERT && std::chrono::steady_clock::now() < giveUp)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }

private:
    std::atomic<int> m_nCopiesStarted{0};
};

// The program as main runs it, converting src/ of `folder` into out/ in
// pattern mode, with its logs in `folder`.
int RunConvertChild(int argc, char** argv)
{
    const QString folder = QString::fromLocal8Bit(argv[2]);
    CtamroApp app(argc, argv);
    QDir::setCurrent(folder);
    CCopyWaitsForStopDlg dialog;
    dialog.m_editOutput->setText(folder + u"/out"_qs);
    dialog.m_treeFolders->SelectPath(folder + u"/src"_qs);
    dialog.m_tabMode->SetCurSel(1);
    QTimer::singleShot(0, &dialog, [&dialog] { dialog.m_btnConvert->click(); });
    return CtamroApp::RunMainDialog(dialog);
}

// A converting child process; killed if a test leaves it behind.
class ConvertChild
{
public:
    explicit ConvertChild(const QString& folder)
    {
        const QByteArray program = QCoreApplication::applicationFilePath().toLocal8Bit();
        const QByteArray where = folder.toLocal8Bit();
        char* args[] = {const_cast<char*>(program.constData()), const_cast<char*>(kChildArgument),
                        const_cast<char*>(where.constData()), nullptr};
        if (::posix_spawn(&m_pid, program.constData(), nullptr, nullptr, args, environ) != 0)
            m_pid = 0;
    }
    ~ConvertChild()
    {
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
    }
    // Sends `signo` and returns the wait status once the child has ended.
    int Stop(int signo)
    {
        ::kill(m_pid, signo);
        int status = -1;
        for (int waited = 0; waited < 20000 && ::waitpid(m_pid, &status, WNOHANG) == 0;
             waited += 10)
            QTest::qWait(10);
        m_pid = 0;
        return status;
    }
    pid_t m_pid = 0;
};

bool EndsWithLineEnd(const QByteArray& log)
{
    return log.endsWith(QByteArray("\r\0\n\0", 4));
}

} // namespace

// Whole jobs through the real dialog, its worker and real files: a source
// folder src/, an output folder out/ and the logs in the test folder.
class TestJobs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void previewShowsNewNames_data();
    void previewShowsNewNames();
    void previewTwiceTakesThePreviewAway();
    void convertCopiesUnderNewNames_data();
    void convertCopiesUnderNewNames();
    void previewOfOneModeIsConvertedByTheOther();
    void totalBarCountsItems();
    void emptyListStillWritesBothLogs();
    void outputIntoTheSourceFolderNumbersCopies();
    void invalidCharactersAreLoggedOnce();
    void failuresAreCountedAndCancelKeepsTheCount();
    void cancelDuringTheThirdFile();
    void cancelBeforeTheWorkerTakesTheJob();
    void inputChecks_data();
    void inputChecks();
    void logThatCannotBeWrittenIsReported();
    void closingDuringAJobLosesNoLogLine_data();
    void closingDuringAJobLosesNoLogLine();
    void closingBoxTellsOfFailures_data();
    void closingBoxTellsOfFailures();
    void unusableSongListRunsNothing_data();
    void unusableSongListRunsNothing();
    void outputFolderIsCheckedFirst_data();
    void outputFolderIsCheckedFirst();
    void outputFolderClosedToUsIsUnusable();
    void acceleratorInTheCaptionStillStartsAJob();
    void jobPressedDuringAReadWaitsForTheWholeFolder_data();
    void jobPressedDuringAReadWaitsForTheWholeFolder();
    void stopSignalAbandonsTheCopyAndEnds();
    void logsHeldByAnotherTamroStartNoJob();
    void windowAndConsoleWriteTheSameLogs_data();
    void windowAndConsoleWriteTheSameLogs();

private:
    void SelectTab(int tab);
    void SelectSource();
    void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    QPushButton* PreviewButton() const { return Child<QPushButton>(m_dlg.get(), "m_btnPreview"); }
    // Starts a job with the Convert button and waits until it has ended.
    void RunConvert();
    void WaitUntilIdle();
    void WaitForJobEnd(std::uint64_t listGeneration);
    QStringList Column(int column) const;
    QStringList InfoLines() const { return LogLines(m_dir->path(u"InfoLog.txt"_qs)); }
    QStringList ErrorLines() const { return LogLines(m_dir->path(u"ErrorLog.txt"_qs)); }
    QString CopyLine(const QString& listed, const QString& newName) const
    {
        return u"Copy : "_qs + m_dir->path(u"src/"_qs) + listed + u"  ->  "_qs +
               m_dir->path(u"out/"_qs) + newName;
    }

    std::unique_ptr<TestDir> m_dir;
    std::unique_ptr<CtamroDlg> m_dlg;
    // Starts a child converting src/ and waits until its copy of `name`
    // (a large file) is under way.
    void StartChildCopying(std::unique_ptr<ConvertChild>& child, const QString& name);

    std::unique_ptr<MessageBoxAnswerer> m_boxes;
    QString m_previousFolder;
    QByteArray m_previousHome;
};

void TestJobs::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    m_previousFolder = QDir::currentPath();
    m_previousHome = qgetenv("HOME");
}

void TestJobs::init()
{
    m_dir = std::make_unique<TestDir>();
    m_dir->makeFolder(u"src"_qs);
    m_dir->makeFolder(u"out"_qs);
    QDir::setCurrent(m_dir->path()); // where the logs go
    m_boxes = std::make_unique<MessageBoxAnswerer>();
    m_dlg = std::make_unique<CHoldThirdCopyDlg>();
    m_dlg->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dlg.get()));
    m_dlg->m_editOutput->setText(m_dir->path(u"out"_qs));
}

void TestJobs::cleanup()
{
    m_dlg->close();
    QTRY_VERIFY(m_dlg->IsClosed());
    m_dlg.reset();
    m_boxes.reset();
    QDir::setCurrent(m_previousFolder);
    qputenv("HOME", m_previousHome);
    m_dir.reset();
}

void TestJobs::SelectTab(int tab)
{
    QTabBar* tabs = m_dlg->m_tabMode->TabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
    QCOMPARE(m_dlg->m_tabMode->GetCurSel(), tab);
}

void TestJobs::SelectSource()
{
    QVERIFY(m_dlg->m_treeFolders->SelectPath(m_dir->path(u"src"_qs)));
    QTRY_VERIFY(!m_dlg->m_listFiles->IsReading());
}

void TestJobs::WaitUntilIdle()
{
    QTRY_COMPARE(m_dlg->Job().m_nCommand.load(), int(JOB_IDLE));
    QTRY_COMPARE(VisibleCaption(m_dlg->m_btnConvert->text()), u"Convert"_qs);
}

void TestJobs::WaitForJobEnd(std::uint64_t listGeneration)
{
    // The worker refreshes the list after it has closed the logs: the last
    // step of a convert job.
    QTRY_VERIFY(m_dlg->m_listFiles->Model()->Generation() != listGeneration);
    QTRY_VERIFY(!m_dlg->m_listFiles->IsReading());
    WaitUntilIdle();
}

void TestJobs::RunConvert()
{
    const std::uint64_t generation = m_dlg->m_listFiles->Model()->Generation();
    Click(m_dlg->m_btnConvert);
    WaitForJobEnd(generation);
}

QStringList TestJobs::Column(int column) const
{
    QStringList texts;
    const CFileListModel& model = *m_dlg->m_listFiles->Model();
    for (int row = 0; row < model.rowCount(); ++row)
        texts.append(model.index(row, column).data().toString());
    return texts;
}

void TestJobs::previewShowsNewNames_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QStringList>("renames"); // in list order
    // Listed: "07 Song.mp3", "12 Song.mp3", "Title - Artist.mp3", "x - a:b?c.ogg"
    QTest::newRow("song list") << 0
                               << QStringList{u"Why?-Singer.mp3"_qs,
                                              u"First Title-First Singer.mp3"_qs, QString(),
                                              QString()};
    QTest::newRow("pattern") << 1
                             << QStringList{QString(), QString(), u"Artist-Title.mp3"_qs,
                                            u"a:b?c-x.ogg"_qs};
    // "12 Song.mp3" is the one file with tags.
    QTest::newRow("tags") << 2
                          << QStringList{QString(), u"Tagged-Band.mp3"_qs, QString(), QString()};
}

void TestJobs::previewShowsNewNames()
{
    QFETCH(int, tab);
    QFETCH(QStringList, renames);
    for (const QString& name :
         {u"07 Song.mp3"_qs, u"12 Song.mp3"_qs, u"Title - Artist.mp3"_qs, u"x - a:b?c.ogg"_qs})
        m_dir->makeFile(u"src/"_qs + name, name.toUtf8());
    if (tab == 2)
        MakeTaggedMp3(m_dir->path(u"src/12 Song.mp3"_qs), {u"title=Tagged"_qs, u"artist=Band"_qs});
    const QString list =
        m_dir->makeFile(u"list.txt"_qs, "12|First Title|First Singer\n7|Why?|Singer\n");
    m_dlg->m_pTabSongList->m_chkSetSourceFolder->setChecked(false);
    m_dlg->m_pTabSongList->m_editSongList->setText(list);
    SelectSource();
    SelectTab(tab);

    Click(PreviewButton());
    QVERIFY(m_dlg->HasPreviewColumn());
    QTRY_COMPARE(m_dlg->Job().m_nCommand.load(), int(JOB_IDLE));
    QTRY_COMPARE(Column(1), renames);
    QTRY_COMPARE(m_dlg->m_progressTotal->value(), 100); // posted, not waited for
    QCOMPARE(m_dlg->m_progressFile->value(), 0);
    QCOMPARE(m_dlg->Job().SongListPage().m_songList.m_nCount, 0); // read and emptied
    QVERIFY(!QFileInfo::exists(m_dir->path(u"InfoLog.txt"_qs)));
    QCOMPARE(m_boxes->Texts(), QStringList());
}

void TestJobs::previewTwiceTakesThePreviewAway()
{
    m_dir->makeFile(u"src/A - B.mp3"_qs);
    SelectSource();
    SelectTab(1);
    Click(PreviewButton());
    QTRY_COMPARE(Column(1), QStringList{u"B-A.mp3"_qs});
    QTRY_COMPARE(m_dlg->Job().m_nCommand.load(), int(JOB_IDLE));
    QTRY_COMPARE(m_dlg->m_progressTotal->value(), 100);
    Click(PreviewButton());
    QVERIFY(!m_dlg->HasPreviewColumn());
    QCOMPARE(m_dlg->m_progressTotal->value(), 0);
}

void TestJobs::convertCopiesUnderNewNames_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<bool>("withPreview");
    QTest::newRow("song list, computed") << 0 << false;
    QTest::newRow("song list, from the preview") << 0 << true;
    QTest::newRow("pattern, computed") << 1 << false;
    QTest::newRow("pattern, from the preview") << 1 << true;
    QTest::newRow("tags, computed") << 2 << false;
    QTest::newRow("tags, from the preview") << 2 << true;
}

void TestJobs::convertCopiesUnderNewNames()
{
    QFETCH(int, tab);
    QFETCH(bool, withPreview);
    for (const QString& name : {u"01 One - Band.mp3"_qs, u"02 Two - Band.mp3"_qs, u"Other.mp3"_qs})
        m_dir->makeFile(u"src/"_qs + name, name.toUtf8());
    if (tab == 2) {
        // Tags that give the names the song list gives; "Other.mp3" has none.
        MakeTaggedMp3(m_dir->path(u"src/01 One - Band.mp3"_qs),
                      {u"title=First"_qs, u"artist=Singer"_qs});
        MakeTaggedMp3(m_dir->path(u"src/02 Two - Band.mp3"_qs),
                      {u"title=Second"_qs, u"artist=Singer"_qs});
    }
    const QString list = m_dir->makeFile(u"list.txt"_qs, "1|First|Singer\n2|Second|Singer\n");
    m_dlg->m_pTabSongList->m_chkSetSourceFolder->setChecked(false);
    m_dlg->m_pTabSongList->m_editSongList->setText(list);
    SelectSource();
    SelectTab(tab);
    if (withPreview) {
        Click(PreviewButton());
        QTRY_COMPARE(m_dlg->Job().m_nCommand.load(), int(JOB_IDLE));
        QTRY_VERIFY(!Column(1).first().isEmpty());
    }
    RunConvert();

    const QStringList newNames = tab != 1
                                     ? QStringList{u"First-Singer.mp3"_qs, u"Second-Singer.mp3"_qs}
                                     : QStringList{u"Band-01 One.mp3"_qs, u"Band-02 Two.mp3"_qs};
    QCOMPARE(InfoLines(), (QStringList{CopyLine(u"01 One - Band.mp3"_qs, newNames[0]),
                                       CopyLine(u"02 Two - Band.mp3"_qs, newNames[1])}));
    QCOMPARE(ErrorLines(), QStringList());
    QCOMPARE(m_dir->entries(m_dir->path(u"out"_qs)), newNames);
    QCOMPARE(TestDir::read(m_dir->path(u"out/"_qs) + newNames[1]),
             TestDir::read(m_dir->path(u"src/02 Two - Band.mp3"_qs)));
    QCOMPARE(m_boxes->Texts(), QStringList{kCompleted});
    QCOMPARE(m_dlg->m_progressTotal->value(), 0);
    QCOMPARE(m_dlg->m_progressFile->value(), 0);
    QCOMPARE(m_dlg->m_staticError->text(), u"Error : 0"_qs);
}

void TestJobs::previewOfOneModeIsConvertedByTheOther()
{
    m_dir->makeFile(u"src/Title - Artist.mp3"_qs);
    m_dlg->m_pTabSongList->m_chkSetSourceFolder->setChecked(false);
    m_dlg->m_pTabSongList->m_editSongList->setText(m_dir->makeFile(u"other.TXT"_qs, "99|A|B\n"));
    SelectSource();
    SelectTab(1);
    Click(PreviewButton());
    QTRY_COMPARE(Column(1), QStringList{u"Artist-Title.mp3"_qs});
    QTRY_COMPARE(m_dlg->Job().m_nCommand.load(), int(JOB_IDLE));
    SelectTab(0); // the song list has no entry for the file, but the column decides
    RunConvert();
    QCOMPARE(m_dir->entries(m_dir->path(u"out"_qs)), QStringList{u"Artist-Title.mp3"_qs});
}

void TestJobs::totalBarCountsItems()
{
    for (int i = 0; i < 10; ++i)
        m_dir->makeFile(QStringLiteral("src/Song %1 - Band.mp3").arg(i), "x");
    SelectSource();
    SelectTab(1);
    QList<int> positions;
    connect(m_dlg->m_progressTotal, &QProgressBar::valueChanged, this,
            [&](int value) { positions.append(value); });
    RunConvert();
    QCOMPARE(positions, (QList<int>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 0}));
}

void TestJobs::emptyListStillWritesBothLogs()
{
    SelectSource(); // an empty folder
    SelectTab(1);
    RunConvert();
    QCOMPARE(TestDir::read(m_dir->path(u"InfoLog.txt"_qs)), QByteArray("\xFF\xFE"));
    QCOMPARE(TestDir::read(m_dir->path(u"ErrorLog.txt"_qs)), QByteArray("\xFF\xFE"));
    QCOMPARE(m_boxes->Texts(), QStringList{kCompleted});
}

void TestJobs::outputIntoTheSourceFolderNumbersCopies()
{
    m_dir->makeFile(u"src/A - B.mp3"_qs, "first");
    m_dir->makeFile(u"src/B-A.mp3"_qs, "second");
    SelectSource();
    SelectTab(1);
    m_dlg->m_editOutput->setText(m_dir->path(u"src"_qs));
    RunConvert();
    // "A - B.mp3" becomes "B-A.mp3", which is taken; "B-A.mp3" becomes "A-B.mp3".
    QCOMPARE(m_dir->entries(m_dir->path(u"src"_qs)),
             (QStringList{u"A - B.mp3"_qs, u"A-B.mp3"_qs, u"B-A (1).mp3"_qs, u"B-A.mp3"_qs}));
    QCOMPARE(TestDir::read(m_dir->path(u"src/A - B.mp3"_qs)), QByteArray("first"));
    QCOMPARE(TestDir::read(m_dir->path(u"src/B-A.mp3"_qs)), QByteArray("second"));
    QCOMPARE(TestDir::read(m_dir->path(u"src/B-A (1).mp3"_qs)), QByteArray("first"));
}

void TestJobs::invalidCharactersAreLoggedOnce()
{
    m_dir->makeFile(u"src/x - a:b?c.mp3"_qs);
    SelectSource();
    SelectTab(1);
    RunConvert();
    QCOMPARE(InfoLines(), (QStringList{u"Deleted Invalid char : a:b?c-x  ->  abc-x"_qs,
                                       CopyLine(u"x - a:b?c.mp3"_qs, u"abc-x.mp3"_qs)}));
}

void TestJobs::failuresAreCountedAndCancelKeepsTheCount()
{
    m_dir->makeFile(u"src/A - B.mp3"_qs);
    m_dir->makeFile(u"src/C - D.mp3"_qs);
    SelectSource();
    SelectTab(1);
    for (const QString& name : {u"A - B.mp3"_qs, u"C - D.mp3"_qs})
        QFile::remove(m_dir->path(u"src/"_qs) + name); // listed, but gone
    RunConvert();
    QCOMPARE(m_dlg->m_staticError->text(), u"Error : 2"_qs);
    QCOMPARE(ErrorLines().size(), 2);
    QVERIFY(ErrorLines().first().startsWith(u"The file could not be located. - "_qs));

    // A preview and a failed check leave the count on show; a new job resets it.
    Click(PreviewButton());
    QTRY_COMPARE(m_dlg->Job().m_nCommand.load(), int(JOB_IDLE));
    QCOMPARE(m_dlg->m_staticError->text(), u"Error : 2"_qs);
    m_dlg->m_editOutput->clear();
    Click(m_dlg->m_btnConvert);
    QTRY_COMPARE(m_boxes->Texts().size(), 2);
    QCOMPARE(m_dlg->m_staticError->text(), u"Error : 2"_qs);
    m_dlg->m_editOutput->setText(m_dir->path(u"out"_qs));
    RunConvert();
    QCOMPARE(m_dlg->m_staticError->text(), u"Error : 0"_qs);
}

void TestJobs::cancelDuringTheThirdFile()
{
    // The third file's copy is held at its start until Cancel is clicked:
    // its destination appears when the copy starts.
    static_cast<CHoldThirdCopyDlg*>(m_dlg.get())->m_bHold = true;
    for (int i = 0; i < 10; ++i) {
        m_dir->makeFile(QStringLiteral("src/Song %1 - Band.mp3").arg(i),
                        i == 2 ? QByteArray(8 << 20, 'x') : QByteArray("content"));
    }
    SelectSource();
    SelectTab(1);
    QTimer watch;
    watch.setInterval(1);
    connect(&watch, &QTimer::timeout, this, [&] {
        if (QFileInfo::exists(m_dir->path(u"out/Band-Song 2.mp3"_qs))) {
            watch.stop();
            Click(m_dlg->m_btnConvert); // "Cancel", while the third file is copied
        }
    });
    const std::uint64_t generation = m_dlg->m_listFiles->Model()->Generation();
    Click(m_dlg->m_btnConvert);
    QCOMPARE(VisibleCaption(m_dlg->m_btnConvert->text()), u"Cancel"_qs);
    watch.start();
    WaitForJobEnd(generation);

    QCOMPARE(InfoLines(), (QStringList{CopyLine(u"Song 0 - Band.mp3"_qs, u"Band-Song 0.mp3"_qs),
                                       CopyLine(u"Song 1 - Band.mp3"_qs, u"Band-Song 1.mp3"_qs),
                                       CopyLine(u"Song 2 - Band.mp3"_qs, u"Band-Song 2.mp3"_qs)}));
    QCOMPARE(QFileInfo(m_dir->path(u"out/Band-Song 2.mp3"_qs)).size(), 8 << 20);
    QCOMPARE(m_dir->entries(m_dir->path(u"out"_qs)).size(), 3);
    QCOMPARE(m_boxes->Texts(), QStringList()); // no "Completed."
    QCOMPARE(m_dlg->m_progressTotal->value(), 0);
    QCOMPARE(m_dlg->m_progressFile->value(), 0);
    QCOMPARE(m_dlg->Job().SongListPage().m_bStopReading.load(), 0);
}

void TestJobs::cancelBeforeTheWorkerTakesTheJob()
{
    m_dir->makeFile(u"src/A - B.mp3"_qs);
    SelectSource();
    SelectTab(1);
    // Both clicks before the window thread serves the worker again.
    m_dlg->m_btnConvert->click();
    QCOMPARE(VisibleCaption(m_dlg->m_btnConvert->text()), u"Cancel"_qs);
    m_dlg->m_btnConvert->click();
    WaitUntilIdle();
    QVERIFY(!QFileInfo::exists(m_dir->path(u"InfoLog.txt"_qs)));
    QVERIFY(!QFileInfo::exists(m_dir->path(u"ErrorLog.txt"_qs)));
    QCOMPARE(m_dir->entries(m_dir->path(u"out"_qs)), QStringList());
    QCOMPARE(m_boxes->Texts(), QStringList());
}

void TestJobs::inputChecks_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("songList");
    QTest::addColumn<QString>("format"); // of the "Tags" page; empty: as it stands
    QTest::addColumn<bool>("withOutput");
    QTest::addColumn<QString>("previewMessage"); // empty: the preview runs
    QTest::addColumn<QString>("convertMessage"); // empty: the convert runs
    const QString path = u"Please input a path."_qs;
    const QString output = u"Please input the output path."_qs;
    const QString none;
    QTest::newRow("song list, no path") << 0 << none << none << true << path << path;
    QTest::newRow("song list, other extension")
        << 0 << u"/x/list.txt.bak"_qs << none << true << path << path;
    QTest::newRow("song list, only a leading dot")
        << 0 << u".txt"_qs << none << true << path << path;
    QTest::newRow("song list, TXT in capitals")
        << 0 << u"{dir}/list.TxT"_qs << none << true << none << none;
    QTest::newRow("song list, no output")
        << 0 << u"{dir}/list.txt"_qs << none << false << none << path;
    QTest::newRow("pattern, no output") << 1 << none << none << false << none << output;
    QTest::newRow("tags, no output") << 2 << none << none << false << none << output;
    const QString unknown = CTagFormat(u"{title}-{artiste}"_qs).Error();
    QTest::newRow("tags, unknown field")
        << 2 << none << u"{title}-{artiste}"_qs << true << unknown << unknown;
    QTest::newRow("tags, empty format")
        << 2 << none << u" "_qs << true << u"The format is empty."_qs << u"The format is empty."_qs;
}

void TestJobs::inputChecks()
{
    QFETCH(int, tab);
    QFETCH(QString, songList);
    QFETCH(QString, format);
    QFETCH(bool, withOutput);
    QFETCH(QString, previewMessage);
    QFETCH(QString, convertMessage);
    m_dir->makeFile(u"list.TxT"_qs, "1|A|B\n");
    m_dir->makeFile(u"list.txt"_qs, "1|A|B\n");
    songList.replace(u"{dir}"_qs, m_dir->path());
    m_dlg->m_pTabSongList->m_chkSetSourceFolder->setChecked(false);
    m_dlg->m_pTabSongList->m_editSongList->setText(songList);
    if (!withOutput)
        m_dlg->m_editOutput->clear();
    if (!format.isEmpty())
        m_dlg->m_pTabTags->m_editTagFormat->setText(format);
    SelectSource();
    SelectTab(tab);
    // What is wrong with the format shows under its edit before any press.
    QCOMPARE(m_dlg->m_pTabTags->m_staticFormatError->text(),
             format.isEmpty() ? QString() : previewMessage);

    Click(PreviewButton());
    QCOMPARE(m_dlg->HasPreviewColumn(), previewMessage.isEmpty());
    QTRY_COMPARE(m_dlg->Job().m_nCommand.load(), int(JOB_IDLE));
    QCOMPARE(m_boxes->Texts(),
             previewMessage.isEmpty() ? QStringList() : QStringList{previewMessage});
    m_boxes->Clear();

    const std::uint64_t generation = m_dlg->m_listFiles->Model()->Generation();
    Click(m_dlg->m_btnConvert);
    if (convertMessage.isEmpty()) {
        WaitForJobEnd(generation);
        QCOMPARE(m_boxes->Texts(), QStringList{kCompleted});
    } else {
        QCOMPARE(m_boxes->Texts(), QStringList{convertMessage});
        QCOMPARE(m_dlg->Job().m_nCommand.load(), int(JOB_IDLE));
        QCOMPARE(VisibleCaption(m_dlg->m_btnConvert->text()), u"Convert"_qs);
    }
}

void TestJobs::logThatCannotBeWrittenIsReported()
{
    m_dir->makeFolder(u"ErrorLog.txt"_qs);
    m_dir->makeFile(u"src/A - B.mp3"_qs);
    SelectSource();
    SelectTab(1);
    RunConvert();
    // One box: the run, then what went wrong with its logs.
    QCOMPARE(m_boxes->Texts().size(), 1);
    QVERIFY(m_boxes->Texts().first().startsWith(kCompleted));
    QVERIFY(
        m_boxes->Texts().first().contains(u"ErrorLog.txt could not be created: Is a directory"_qs));
    QCOMPARE(m_boxes->Icons(), QList{QMessageBox::Warning});
    QCOMPARE(InfoLines(), QStringList{CopyLine(u"A - B.mp3"_qs, u"B-A.mp3"_qs)});
}

void TestJobs::closingDuringAJobLosesNoLogLine_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("closed") << 0;
    QTest::newRow("hidden without a close") << 1;
    QTest::newRow("platform window destroyed") << 2;
}

void TestJobs::closingDuringAJobLosesNoLogLine()
{
    QFETCH(int, how);
    for (int i = 0; i < 200; ++i)
        m_dir->makeFile(QStringLiteral("src/Song %1 - Band.mp3").arg(i), QByteArray(4096, 'x'));
    SelectSource();
    SelectTab(1);
    // The third copy is held at its start until the window goes: mid-way.
    static_cast<CHoldThirdCopyDlg*>(m_dlg.get())->m_bHold = true;
    QTimer watch;
    watch.setInterval(1);
    connect(&watch, &QTimer::timeout, this, [&] {
        if (!QFileInfo::exists(m_dir->path(u"out/Band-Song 2.mp3"_qs)))
            return;
        watch.stop();
        if (how == 0)
            m_dlg->close();
        else if (how == 1)
            m_dlg->hide();
        else
            m_dlg->windowHandle()->destroy();
    });
    Click(m_dlg->m_btnConvert);
    watch.start();
    QTRY_VERIFY(m_dlg->IsClosed());
    QVERIFY(!m_dlg->isVisible());
    const QStringList lines = InfoLines(); // complete: every line ends in CR LF
    QCOMPARE(lines.size(), 3);
    QCOMPARE(m_dir->entries(m_dir->path(u"out"_qs)).size(), lines.size());
    QCOMPARE(m_boxes->Texts(), QStringList());
}

void TestJobs::closingBoxTellsOfFailures_data()
{
    QTest::addColumn<int>("vanished"); // listed sources deleted before the run
    QTest::addColumn<QString>("failureLine");
    QTest::newRow("no failures") << 0 << QString();
    QTest::newRow("one failure") << 1 << u"1 copy failed."_qs;
    QTest::newRow("two failures") << 2 << u"2 copies failed."_qs;
}

void TestJobs::closingBoxTellsOfFailures()
{
    QFETCH(int, vanished);
    QFETCH(QString, failureLine);
    for (const QString& name : {u"A - 1.mp3"_qs, u"B - 2.mp3"_qs, u"C - 3.mp3"_qs})
        m_dir->makeFile(u"src/"_qs + name, name.toUtf8());
    SelectSource();
    SelectTab(1);
    for (int i = 0; i < vanished; ++i)
        QFile::remove(m_dir->path(u"src/"_qs) + m_dlg->m_listFiles->Model()->NameAt(i));
    QStringList infoAtBox, errorAtBox;
    m_boxes->m_onBox = [&](QMessageBox*) {
        infoAtBox = InfoLines();
        errorAtBox = ErrorLines();
    };
    RunConvert();

    const QString errorLog = m_dir->path(u"ErrorLog.txt"_qs);
    QCOMPARE(m_boxes->Texts(),
             QStringList{vanished == 0 ? kCompleted
                                       : kCompleted + u"\n\n"_qs + failureLine +
                                             u" The reasons are in "_qs + errorLog});
    QCOMPARE(m_boxes->Icons(),
             QList{vanished == 0 ? QMessageBox::Information : QMessageBox::Warning});
    // Both logs were complete when the box showed.
    QCOMPARE(infoAtBox.size(), 3);
    QCOMPARE(errorAtBox.size(), vanished);
    QCOMPARE(infoAtBox, InfoLines());
}

void TestJobs::unusableSongListRunsNothing_data()
{
    QTest::addColumn<QString>("songList");
    QTest::newRow("missing") << u"missing.txt"_qs;
    QTest::newRow("a folder") << u"folder.txt"_qs;
    QTest::newRow("no line with a bar") << u"plain.txt"_qs;
}

void TestJobs::unusableSongListRunsNothing()
{
    QFETCH(QString, songList);
    m_dir->makeFolder(u"folder.txt"_qs);
    m_dir->makeFile(u"plain.txt"_qs, "1 Title Singer\n");
    m_dir->makeFile(u"src/01 Song.mp3"_qs);
    m_dlg->m_pTabSongList->m_chkSetSourceFolder->setChecked(false);
    m_dlg->m_pTabSongList->m_editSongList->setText(m_dir->path(songList));
    SelectSource();

    Click(PreviewButton());
    Click(m_dlg->m_btnConvert);
    QCOMPARE(m_boxes->Texts().size(), 2);
    for (const QString& text : m_boxes->Texts())
        QVERIFY2(text.contains(m_dir->path(songList)), qPrintable(text));
    QVERIFY(!m_dlg->HasPreviewColumn());
    QCOMPARE(m_dlg->Job().m_nCommand.load(), int(JOB_IDLE));
    QCOMPARE(VisibleCaption(m_dlg->m_btnConvert->text()), u"Convert"_qs);
    QVERIFY(!QFileInfo::exists(m_dir->path(u"InfoLog.txt"_qs)));
}

void TestJobs::outputFolderIsCheckedFirst_data()
{
    QTest::addColumn<QString>("output"); // as typed; "~" is the test folder
    QTest::addColumn<int>("answer");     // to "Create it?"
    QTest::addColumn<QString>("firstBox");
    QTest::addColumn<QString>("copiedInto"); // empty: nothing runs
    const QString ask = u"The output folder does not exist. Create it?"_qs;
    const int yes = QMessageBox::Yes, no = QMessageBox::No;
    QTest::newRow("missing, created") << u"{dir}/new/deeper"_qs << yes << ask << u"new/deeper"_qs;
    QTest::newRow("missing, not created") << u"{dir}/new/deeper"_qs << no << ask << QString();
    QTest::newRow("a file") << u"{dir}/file"_qs << yes << u"It is not a folder."_qs << QString();
    QTest::newRow("below a file") << u"{dir}/file/sub"_qs << yes << u"Not a directory"_qs
                                  << QString();
    QTest::newRow("home folder") << u"~/out"_qs << yes << kCompleted << u"out"_qs;
    QTest::newRow("home folder, missing") << u"~/new"_qs << yes << ask << u"new"_qs;
}

void TestJobs::outputFolderIsCheckedFirst()
{
    QFETCH(QString, output);
    QFETCH(int, answer);
    QFETCH(QString, firstBox);
    QFETCH(QString, copiedInto);
    qputenv("HOME", EncodeFileName(m_dir->path()));
    m_dir->makeFile(u"file"_qs);
    m_dir->makeFile(u"src/A - B.mp3"_qs);
    SelectSource();
    SelectTab(1);
    output.replace(u"{dir}"_qs, m_dir->path());
    m_dlg->m_editOutput->setText(output);
    m_boxes->AnswerQuestionsWith(QMessageBox::StandardButton(answer));

    if (copiedInto.isEmpty()) {
        Click(m_dlg->m_btnConvert);
        QCOMPARE(m_boxes->Texts().size(), 1);
        QVERIFY(!QFileInfo::exists(m_dir->path(u"InfoLog.txt"_qs)));
        QVERIFY(!QFileInfo::exists(m_dir->path(u"new"_qs)));
        QCOMPARE(VisibleCaption(m_dlg->m_btnConvert->text()), u"Convert"_qs);
    } else {
        RunConvert();
        QCOMPARE(m_dir->entries(m_dir->path(copiedInto)), QStringList{u"B-A.mp3"_qs});
        QCOMPARE(m_boxes->Texts().last(), kCompleted);
    }
    QVERIFY2(m_boxes->Texts().first().contains(firstBox), qPrintable(m_boxes->Texts().first()));
    QCOMPARE(m_dlg->m_editOutput->text(), output); // the text is never rewritten
}

void TestJobs::outputFolderClosedToUsIsUnusable()
{
    const QString closed = m_dir->makeFolder(u"closed"_qs);
    ::chmod(EncodeFileName(closed).constData(), 0555);
    const QByteArray problem =
        RunUnprivileged([&] { return CheckOutputFolder(closed).problem.toUtf8(); });
    QVERIFY2(problem.contains(closed.toUtf8()), problem.constData());
    QVERIFY2(problem.contains("Permission denied"), problem.constData());
}

void TestJobs::acceleratorInTheCaptionStillStartsAJob()
{
    m_dir->makeFile(u"src/A - B.mp3"_qs);
    SelectSource();
    SelectTab(1);
    m_dlg->m_btnConvert->setText(u"&Convert"_qs); // as a desktop may render it
    RunConvert();
    QCOMPARE(m_dir->entries(m_dir->path(u"out"_qs)), QStringList{u"B-A.mp3"_qs});
    QCOMPARE(m_boxes->Texts(), QStringList{kCompleted});
}

void TestJobs::jobPressedDuringAReadWaitsForTheWholeFolder_data()
{
    QTest::addColumn<bool>("convert");
    QTest::newRow("preview") << false;
    QTest::newRow("convert") << true;
}

void TestJobs::jobPressedDuringAReadWaitsForTheWholeFolder()
{
    QFETCH(bool, convert);
    for (const QString& name : {u"A - 1.mp3"_qs, u"B - 2.mp3"_qs, u"C - 3.mp3"_qs})
        m_dir->makeFile(u"src/"_qs + name);
    HeldFolderLister lister;
    m_dlg->m_listFiles->SetFolderLister(lister.Lister());
    lister.HoldNextRead(m_dir->path(u"src"_qs), 1);
    SelectTab(1);
    QVERIFY(m_dlg->m_treeFolders->SelectPath(m_dir->path(u"src"_qs)));
    QVERIFY(lister.WaitUntilHeld());
    QTRY_COMPARE(m_dlg->m_listFiles->GetItemCount(), 1); // the rows found so far
    Click(convert ? m_dlg->m_btnConvert : PreviewButton());
    QCOMPARE(m_dlg->Job().m_nCommand.load(), int(JOB_IDLE)); // not on a part of the folder
    lister.Release();

    const QStringList newNames{u"1-A.mp3"_qs, u"2-B.mp3"_qs, u"3-C.mp3"_qs};
    if (convert) {
        QTRY_COMPARE(m_boxes->Texts(), QStringList{kCompleted});
        QCOMPARE(m_dir->entries(m_dir->path(u"out"_qs)), newNames);
    } else {
        QTRY_COMPARE(Column(1), newNames);
    }
    WaitUntilIdle();
    QCOMPARE(m_dlg->m_nFileCount, 3u);
}

void TestJobs::StartChildCopying(std::unique_ptr<ConvertChild>& child, const QString& name)
{
    // Sparse: large enough for several chunks, cheap to make.
    const QString big = m_dir->makeFile(u"src/"_qs + name);
    QVERIFY(::truncate(EncodeFileName(big).constData(), 64 * kCopyChunkSize) == 0);
    child = std::make_unique<ConvertChild>(m_dir->path());
    QVERIFY(child->m_pid > 0);
    const QString copy = m_dir->path(u"out/Band-"_qs) + name.section(u" - "_qs, 0, 0) + u".mp3"_qs;
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(copy).size() >= kCopyChunkSize, 20000);
}

void TestJobs::stopSignalAbandonsTheCopyAndEnds()
{
    m_dir->makeFile(u"src/Song 1 - Band.mp3"_qs, "first");
    m_dir->makeFile(u"src/Song 3 - Band.mp3"_qs, "third");
    std::unique_ptr<ConvertChild> child;
    StartChildCopying(child, u"Song 2 - Band.mp3"_qs);

    const int status = child->Stop(SIGTERM);
    QVERIFY(WIFSIGNALED(status));
    QCOMPARE(WTERMSIG(status), SIGTERM);
    // No partial file, nothing after it started, both logs complete.
    QCOMPARE(m_dir->entries(m_dir->path(u"out"_qs)), QStringList{u"Band-Song 1.mp3"_qs});
    QCOMPARE(InfoLines(), (QStringList{CopyLine(u"Song 1 - Band.mp3"_qs, u"Band-Song 1.mp3"_qs),
                                       CopyLine(u"Song 2 - Band.mp3"_qs, u"Band-Song 2.mp3"_qs)}));
    QCOMPARE(ErrorLines().size(), 1);
    QVERIFY(ErrorLines().first().startsWith(u"The file could not be copied. - "_qs +
                                            m_dir->path(u"out/Band-Song 2.mp3 : "_qs)));
    QVERIFY(EndsWithLineEnd(TestDir::read(m_dir->path(u"InfoLog.txt"_qs))));
    QVERIFY(EndsWithLineEnd(TestDir::read(m_dir->path(u"ErrorLog.txt"_qs))));
}

void TestJobs::logsHeldByAnotherTamroStartNoJob()
{
    std::unique_ptr<ConvertChild> child;
    StartChildCopying(child, u"Song - Band.mp3"_qs);
    SelectTab(1);
    QVERIFY(m_dlg->m_treeFolders->SelectPath(m_dir->makeFolder(u"empty"_qs)));
    Click(m_dlg->m_btnConvert); // the same current folder: the same logs
    QTRY_COMPARE(m_boxes->Texts().size(), 1);
    WaitUntilIdle();
    QCOMPARE(m_boxes->Icons(), QList{QMessageBox::Information});
    QCOMPARE(child->Stop(SIGTERM) != -1, true);
    // The other job's logs were neither truncated nor written by this one.
    QCOMPARE(InfoLines(), QStringList{CopyLine(u"Song - Band.mp3"_qs, u"Band-Song.mp3"_qs)});
}

void TestJobs::windowAndConsoleWriteTheSameLogs_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<bool>("previewed");
    QTest::newRow("song list") << 0 << false;
    QTest::newRow("song list, previewed") << 0 << true;
    QTest::newRow("pattern") << 1 << false;
    QTest::newRow("pattern, previewed") << 1 << true;
    QTest::newRow("tags") << 2 << false;
    QTest::newRow("tags, previewed") << 2 << true;
}

void TestJobs::windowAndConsoleWriteTheSameLogs()
{
    // One job of each kind, through the window and through tamro-cli into the
    // same output folder: a removed character, a numbered name, a name that
    // never decoded, and a copy that fails (a taken name of 253 or 254 bytes,
    // whose numbered form no file system takes).
    QFETCH(int, tab);
    QFETCH(bool, previewed);
    // The tags give the names the song list gives.
    const bool songList = tab != 1;
    const QString longName =
        songList ? QString(248, u'x') + u"-S.mp3"_qs : u"S-"_qs + QString(247, u'x') + u".mp3"_qs;
    const QStringList sources =
        songList ? QStringList{u"07 Why.mp3"_qs, u"12 Song.mp3"_qs, u"12 Song (live).mp3"_qs,
                               u"14 Long.mp3"_qs, u"15 Bad.mp3"_qs}
                 : QStringList{u"Wh?y - Band.mp3"_qs, u"A - B.mp3"_qs, u"A-B.mp3"_qs,
                               QString(247, u'x') + u" - S.mp3"_qs, u"Ti\uFFFDle - X.mp3"_qs};
    for (const QString& name : sources)
        m_dir->makeFile(u"src/"_qs + name, name.toUtf8());
    if (tab == 2) {
        const QStringList tags[] = {{u"title=Why?"_qs, u"artist=Singer"_qs},
                                    {u"title=Title"_qs, u"artist=Singer"_qs},
                                    {u"title=Title"_qs, u"artist=Singer"_qs},
                                    {u"title="_qs + QString(248, u'x'), u"artist=S"_qs},
                                    {u"title=Ti\uFFFDle"_qs, u"artist=X"_qs}};
        for (int i = 0; i < 5; ++i)
            MakeTaggedMp3(m_dir->path(u"src/"_qs + sources[i]), tags[i]);
    }
    const QString list =
        m_dir->makeFile(u"list.txt"_qs, "7|Why?|Singer\n12|Title|Singer\n14|" +
                                            QByteArray(248, 'x') + "|S\n15|Ti\xEF\xBF\xBDle|X\n");
    const auto freshOutput = [&] {
        QDir(m_dir->path(u"out"_qs)).removeRecursively();
        m_dir->makeFolder(u"out"_qs);
        m_dir->makeFile(u"out/"_qs + longName, "taken");
    };
    freshOutput();

    m_dlg->m_pTabSongList->m_chkSetSourceFolder->setChecked(false);
    m_dlg->m_pTabSongList->m_editSongList->setText(list);
    SelectSource();
    SelectTab(tab);
    if (previewed) {
        Click(PreviewButton());
        QTRY_VERIFY(Column(1).contains(songList ? u"Why?-Singer.mp3"_qs : u"Band-Wh?y.mp3"_qs));
        QTRY_COMPARE(m_dlg->Job().m_nCommand.load(), int(JOB_IDLE));
    }
    RunConvert();
    const QByteArray windowInfo = TestDir::read(m_dir->path(u"InfoLog.txt"_qs));
    const QByteArray windowErrors = TestDir::read(m_dir->path(u"ErrorLog.txt"_qs));

    freshOutput();
    QProcess cli;
    cli.setWorkingDirectory(m_dir->path());
    QStringList arguments{u"convert"_qs,
                          u"--source"_qs,
                          u"src"_qs,
                          u"--output"_qs,
                          u"out"_qs,
                          u"--log-dir"_qs,
                          m_dir->makeFolder(u"cli"_qs)};
    const QStringList modes[] = {{u"--song-list"_qs, list}, {u"--pattern"_qs}, {u"--tags"_qs}};
    arguments += modes[tab];
    if (previewed)
        arguments.append(u"--from-preview"_qs);
    cli.start(QStringLiteral(TAMRO_CLI_BINARY), arguments);
    QVERIFY(cli.waitForFinished(60000));
    QCOMPARE(cli.exitCode(), 1); // some copies failed

    QCOMPARE(TestDir::read(m_dir->path(u"cli/InfoLog.txt"_qs)), windowInfo);
    QCOMPARE(TestDir::read(m_dir->path(u"cli/ErrorLog.txt"_qs)), windowErrors);
    // The logs hold what the comparison is about.
    const QStringList deleted = InfoLines().filter(u"Deleted Invalid char : "_qs);
    QCOMPARE(deleted.size(), 1);
    // Names from a preview carry their extension in this line; computed ones do not.
    QCOMPARE(deleted.first().contains(u".mp3"_qs), previewed);
    QVERIFY(InfoLines().join(u'\n').contains(u" (1).mp3"_qs));
    const QString errors = ErrorLines().join(u'\n');
    QVERIFY2(errors.contains(u"File name too long"_qs), qPrintable(errors));
    QVERIFY2(errors.contains(u"could not be decoded"_qs), qPrintable(errors));
}

// The test binary doubles as the program under a stop signal.
int main(int argc, char** argv)
{
    if (argc == 3 && qstrcmp(argv[1], kChildArgument) == 0) {
        const int stopSignal = RunConvertChild(argc, argv);
        if (stopSignal != 0)
            EndAsSignalled(stopSignal);
        return 0;
    }
    QApplication app(argc, argv);
    TestJobs test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_jobs.moc"

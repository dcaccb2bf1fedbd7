#include "app/file_list_ctrl.h"
#include "app/file_list_model.h"
#include "app/folder_tree_ctrl.h"
#include "app/mnemonic.h"
#include "app/mode_tab_ctrl.h"
#include "app/tab_use_text_file.h"
#include "app/tamro_dlg.h"
#include "tests/gui_helpers.h"
#include "tests/testdir.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabBar>
#include <QtTest>

#include <memory>

namespace {

const QString kCompleted = u"Completed."_qs;

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
    void closingDuringAJobLosesNoLogLine();

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
    std::unique_ptr<MessageBoxAnswerer> m_boxes;
    QString m_previousFolder;
};

void TestJobs::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    m_previousFolder = QDir::currentPath();
}

void TestJobs::init()
{
    m_dir = std::make_unique<TestDir>();
    m_dir->makeFolder(u"src"_qs);
    m_dir->makeFolder(u"out"_qs);
    QDir::setCurrent(m_dir->path()); // where the logs go
    m_boxes = std::make_unique<MessageBoxAnswerer>();
    m_dlg = std::make_unique<CtamroDlg>();
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
}

void TestJobs::WaitUntilIdle()
{
    QTRY_COMPARE(m_dlg->m_nCommand.load(), int(JOB_IDLE));
    QTRY_COMPARE(VisibleCaption(m_dlg->m_btnConvert->text()), u"Convert"_qs);
}

void TestJobs::WaitForJobEnd(std::uint64_t listGeneration)
{
    // The worker refreshes the list after it has closed the logs: the last
    // step of a convert job.
    QTRY_VERIFY(m_dlg->m_listFiles->Model()->Generation() != listGeneration);
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
}

void TestJobs::previewShowsNewNames()
{
    QFETCH(int, tab);
    QFETCH(QStringList, renames);
    for (const QString& name :
         {u"07 Song.mp3"_qs, u"12 Song.mp3"_qs, u"Title - Artist.mp3"_qs, u"x - a:b?c.ogg"_qs})
        m_dir->makeFile(u"src/"_qs + name, name.toUtf8());
    const QString list =
        m_dir->makeFile(u"list.txt"_qs, "12|First Title|First Singer\n7|Why?|Singer\n");
    m_dlg->m_pTabSongList->m_chkSetSourceFolder->setChecked(false);
    m_dlg->m_pTabSongList->m_editSongList->setText(list);
    SelectSource();
    SelectTab(tab);

    Click(PreviewButton());
    QVERIFY(m_dlg->HasPreviewColumn());
    QTRY_COMPARE(m_dlg->m_nCommand.load(), int(JOB_IDLE));
    QTRY_COMPARE(Column(1), renames);
    QCOMPARE(m_dlg->m_progressTotal->value(), 100);
    QCOMPARE(m_dlg->m_progressFile->value(), 0);
    QCOMPARE(m_dlg->SongListPage().m_songList.m_nCount, 0); // read and emptied
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
    QTRY_COMPARE(m_dlg->m_nCommand.load(), int(JOB_IDLE));
    QCOMPARE(m_dlg->m_progressTotal->value(), 100);
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
}

void TestJobs::convertCopiesUnderNewNames()
{
    QFETCH(int, tab);
    QFETCH(bool, withPreview);
    for (const QString& name : {u"01 One - Band.mp3"_qs, u"02 Two - Band.mp3"_qs, u"Other.mp3"_qs})
        m_dir->makeFile(u"src/"_qs + name, name.toUtf8());
    const QString list = m_dir->makeFile(u"list.txt"_qs, "1|First|Singer\n2|Second|Singer\n");
    m_dlg->m_pTabSongList->m_chkSetSourceFolder->setChecked(false);
    m_dlg->m_pTabSongList->m_editSongList->setText(list);
    SelectSource();
    SelectTab(tab);
    if (withPreview) {
        Click(PreviewButton());
        QTRY_COMPARE(m_dlg->m_nCommand.load(), int(JOB_IDLE));
        QTRY_VERIFY(!Column(1).first().isEmpty());
    }
    RunConvert();

    const QStringList newNames = tab == 0
                                     ? QStringList{u"First-Singer.mp3"_qs, u"Second-Singer.mp3"_qs}
                                     : QStringList{u"Band-01 One.mp3"_qs, u"Band-02 Two.mp3"_qs};
    QCOMPARE(InfoLines(), (QStringList{CopyLine(u"01 One - Band.mp3"_qs, newNames[0]),
                                       CopyLine(u"02 Two - Band.mp3"_qs, newNames[1])}));
    QCOMPARE(ErrorLines(), QStringList());
    QCOMPARE(m_dir->entries(m_dir->path(u"out"_qs)), newNames);
    QCOMPARE(TestDir::read(m_dir->path(u"out/"_qs) + newNames[1]), QByteArray("02 Two - Band.mp3"));
    QCOMPARE(m_boxes->Texts(), QStringList{kCompleted});
    QCOMPARE(m_dlg->m_progressTotal->value(), 0);
    QCOMPARE(m_dlg->m_progressFile->value(), 0);
    QCOMPARE(m_dlg->m_staticError->text(), u"Error : 0"_qs);
}

void TestJobs::previewOfOneModeIsConvertedByTheOther()
{
    m_dir->makeFile(u"src/Title - Artist.mp3"_qs);
    m_dlg->m_pTabSongList->m_chkSetSourceFolder->setChecked(false);
    m_dlg->m_pTabSongList->m_editSongList->setText(m_dir->makeFile(u"empty.TXT"_qs));
    SelectSource();
    SelectTab(1);
    Click(PreviewButton());
    QTRY_COMPARE(Column(1), QStringList{u"Artist-Title.mp3"_qs});
    QTRY_COMPARE(m_dlg->m_nCommand.load(), int(JOB_IDLE));
    SelectTab(0); // the song list has no entries, but the column decides
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
    m_dlg->m_editOutput->setText(m_dir->path(u"missing"_qs));
    RunConvert();
    QCOMPARE(m_dlg->m_staticError->text(), u"Error : 2"_qs);
    QCOMPARE(ErrorLines().size(), 2);
    QVERIFY(ErrorLines().first().endsWith(u" : No such file or directory"_qs));

    // A preview and a failed check leave the count on show; a new job resets it.
    Click(PreviewButton());
    QTRY_COMPARE(m_dlg->m_nCommand.load(), int(JOB_IDLE));
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
    // The third file is large, so its copy is under way long enough to be
    // caught: its destination appears when the copy starts.
    for (int i = 0; i < 10; ++i) {
        m_dir->makeFile(QStringLiteral("src/Song %1 - Band.mp3").arg(i),
                        i == 2 ? QByteArray(256 << 20, 'x') : QByteArray("content"));
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
    QCOMPARE(QFileInfo(m_dir->path(u"out/Band-Song 2.mp3"_qs)).size(), 256 << 20);
    QCOMPARE(m_dir->entries(m_dir->path(u"out"_qs)).size(), 3);
    QCOMPARE(m_boxes->Texts(), QStringList()); // no "Completed."
    QCOMPARE(m_dlg->m_progressTotal->value(), 0);
    QCOMPARE(m_dlg->m_progressFile->value(), 0);
    QCOMPARE(m_dlg->SongListPage().m_bStopReading.load(), 0);
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
    QTest::addColumn<bool>("withOutput");
    QTest::addColumn<QString>("previewMessage"); // empty: the preview runs
    QTest::addColumn<QString>("convertMessage"); // empty: the convert runs
    const QString path = u"Please input a path."_qs;
    const QString output = u"Please input the output path."_qs;
    QTest::newRow("song list, no path") << 0 << QString() << true << path << path;
    QTest::newRow("song list, other extension")
        << 0 << u"/x/list.txt.bak"_qs << true << path << path;
    QTest::newRow("song list, only a leading dot") << 0 << u".txt"_qs << true << path << path;
    QTest::newRow("song list, TXT in capitals")
        << 0 << u"/x/list.TxT"_qs << true << QString() << QString();
    QTest::newRow("song list, no output") << 0 << u"/x/list.txt"_qs << false << QString() << path;
    QTest::newRow("pattern, no output") << 1 << QString() << false << QString() << output;
}

void TestJobs::inputChecks()
{
    QFETCH(int, tab);
    QFETCH(QString, songList);
    QFETCH(bool, withOutput);
    QFETCH(QString, previewMessage);
    QFETCH(QString, convertMessage);
    m_dlg->m_pTabSongList->m_chkSetSourceFolder->setChecked(false);
    m_dlg->m_pTabSongList->m_editSongList->setText(songList);
    if (!withOutput)
        m_dlg->m_editOutput->clear();
    SelectSource();
    SelectTab(tab);

    Click(PreviewButton());
    QCOMPARE(m_dlg->HasPreviewColumn(), previewMessage.isEmpty());
    QTRY_COMPARE(m_dlg->m_nCommand.load(), int(JOB_IDLE));
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
        QCOMPARE(m_dlg->m_nCommand.load(), int(JOB_IDLE));
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
    QTRY_COMPARE(m_boxes->Texts().size(), 2);
    QCOMPARE(m_boxes->Texts().first(), kCompleted);
    QVERIFY(
        m_boxes->Texts().last().contains(u"ErrorLog.txt could not be created: Is a directory"_qs));
    QCOMPARE(InfoLines(), QStringList{CopyLine(u"A - B.mp3"_qs, u"B-A.mp3"_qs)});
}

void TestJobs::closingDuringAJobLosesNoLogLine()
{
    for (int i = 0; i < 200; ++i)
        m_dir->makeFile(QStringLiteral("src/Song %1 - Band.mp3").arg(i), QByteArray(4096, 'x'));
    SelectSource();
    SelectTab(1);
    connect(m_dlg->m_progressTotal, &QProgressBar::valueChanged, this, [&](int value) {
        if (value == 5)
            m_dlg->close(); // the worker is waiting on us: the job is mid-way
    });
    Click(m_dlg->m_btnConvert);
    QTRY_VERIFY(m_dlg->IsClosed());
    QVERIFY(!m_dlg->isVisible());
    const QStringList lines = InfoLines(); // complete: every line ends in CR LF
    QVERIFY(lines.size() >= 10 && lines.size() < 200);
    QCOMPARE(m_dir->entries(m_dir->path(u"out"_qs)).size(), lines.size());
    QCOMPARE(m_boxes->Texts(), QStringList());
}

QTEST_MAIN(TestJobs)
#include "tst_jobs.moc"

#include "app/about_dlg.h"
#include "app/file_list_ctrl.h"
#include "app/file_list_model.h"
#include "app/folder_tree_ctrl.h"
#include "app/mnemonic.h"
#include "app/mode_tab_ctrl.h"
#include "app/stop_signals.h"
#include "app/tab_pattern.h"
#include "app/tab_tags.h"
#include "app/tab_use_text_file.h"
#include "app/tamro_dlg.h"
#include "output/copy_one_file.h"
#include "output/run_record_reader.h"
#include "passes/folder_listing.h"
#include "passes/listed_files.h"
#include "passes/natural_order.h"
#include "platform/file_name_codec.h"
#include "platform/packed_texts.h"
#include "res/resources.h"
#include "tests/fake_copy_host.h"
#include "tests/gui_helpers.h"
#include "tests/held_folder_lister.h"
#include "tests/testdir.h"

#include <QCheckBox>
#include <QDateTime>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QtTest>

#include <csignal>
#include <memory>

class TestMainDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void initialState();
    void selectingAFolderListsItsFiles();
    void listingKeepsOddNamesAndSurvivesAVanishedFolder();
    void f5ShowsNewFilesAndCountsThem();
    void newerReadSupersedesAnOlderOne_data();
    void newerReadSupersedesAnOlderOne();
    void folderVanishingDuringItsRead();
    void closingDuringARead();
    void packedTextsKeepEveryText();
    void listedFilesSortAsTheirKeysDo_data();
    void listedFilesSortAsTheirKeysDo();
    void bigFolderListsEveryFileWithItsSize();
    void renameColumnGoesOnF5AndOnNewSelection();
    void f5RefreshesOncePerPressFromEveryControl();
    void renameCellsShowOddNamesReadable();
    void cellOfARenamedCopyIsMarked();
    void outputEditFollowsEveryKeystroke();
    void browseOutputCancelChangesNothing();
    void browseOutputChoosesAFolder();
    void switchingTabsKeepsTheSongListPath();
    void songListPathMovesTreeOnlyWhenBoxChecked();
    void browseSongListMovesTheTree();
    void songListFolderFromPath_data();
    void songListFolderFromPath();
    void windowMessagesActOnlyOnTheirWParam();
    void enterAndEscapeLeaveTheDialogOpen();
    void aboutBoxOpensOnF1();
    void undoLastConvertAsksThenRemoves();
    void stopSignalDismissesBoxesAndCloses_data();
    void stopSignalDismissesBoxesAndCloses();

private:
    QStringList ListedNames() const;
    void SelectFolder(const QString& path);
    void WaitForListing();
    bool ChooseFromContextMenu(const char* actionName);

    std::unique_ptr<CtamroDlg> m_dlg;
};

void TestMainDialog::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    InitTamroResources();
}

void TestMainDialog::init()
{
    m_dlg = std::make_unique<CtamroDlg>();
    m_dlg->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dlg.get()));
}

void TestMainDialog::cleanup()
{
    m_dlg->close();
    QTRY_VERIFY(m_dlg->IsClosed());
    QVERIFY(!m_dlg->m_hWorker.joinable());
    m_dlg.reset();
}

QStringList TestMainDialog::ListedNames() const
{
    QStringList names;
    const CFileListModel& model = *m_dlg->m_listFiles->Model();
    for (int row = 0; row < model.rowCount(); ++row)
        names.append(model.index(row, 0).data().toString());
    return names;
}

void TestMainDialog::SelectFolder(const QString& path)
{
    QVERIFY(m_dlg->m_treeFolders->SelectPath(path));
    QCOMPARE(m_dlg->m_treeFolders->GetSelectedPath(), path);
    WaitForListing();
}

void TestMainDialog::WaitForListing()
{
    QTRY_VERIFY(!m_dlg->m_listFiles->IsReading());
}

void TestMainDialog::initialState()
{
    QCOMPARE(m_dlg->windowTitle(), u"Song file convert"_qs);
    QCOMPARE(m_dlg->m_staticError->text(), u"Error : 0"_qs);
    QCOMPARE(VisibleCaption(m_dlg->m_btnConvert->text()), u"Convert"_qs);
    QCOMPARE(m_dlg->m_tabMode->GetCurSel(), 0);
    QCOMPARE(m_dlg->m_tabMode->TabBar()->tabText(0), u"Convert"_qs);
    QCOMPARE(m_dlg->m_tabMode->TabBar()->tabText(1), u"Rename"_qs);
    QCOMPARE(m_dlg->m_tabMode->TabBar()->tabText(2), u"Tags"_qs);
    QCOMPARE(m_dlg->m_tabMode->TabBar()->count(), 3);
    QVERIFY(m_dlg->m_pTabSongList->isVisible());
    QVERIFY(!m_dlg->m_pTabPattern->isVisible());
    QVERIFY(!m_dlg->m_pTabTags->isVisible());
    QCOMPARE(m_dlg->m_pTabTags->GetFormat(), u"{title}-{artist}"_qs);
    QCOMPARE(m_dlg->m_pTabTags->m_staticFormatError->text(), QString());
    QCOMPARE(m_dlg->m_progressTotal->value(), 0);
    QCOMPARE(m_dlg->m_progressFile->value(), 0);
    QVERIFY(m_dlg->m_pTabSongList->m_chkSetSourceFolder->isChecked());
    QCOMPARE(m_dlg->m_pTabSongList->m_editSongList->text(), QString());
    QCOMPARE(m_dlg->m_nFileCount, 0u);
    QCOMPARE(m_dlg->Job().m_nCommand.load(), int(JOB_IDLE));
    QVERIFY(m_dlg->m_treeFolders->GetSelectedPath().isEmpty());
    QCOMPARE(m_dlg->minimumSize(), m_dlg->maximumSize()); // fixed size
    QCOMPARE(VisibleCaption(Child<QPushButton>(m_dlg.get(), "m_btnPreview")->text()),
             u"Preview"_qs);
    const QStringList pattern = [this] {
        QStringList texts;
        for (const QLabel* label : m_dlg->m_pTabPattern->findChildren<QLabel*>())
            texts.append(label->text());
        return texts;
    }();
    QCOMPARE(pattern, (QStringList{u"example )"_qs, u"Title - Artist   ->   Artist - Title"_qs,
                                   u"Artist - Title   ->   Title - Artist"_qs, u"or"_qs}));
    QStringList tags;
    for (const QLabel* label : m_dlg->m_pTabTags->findChildren<QLabel*>())
        tags.append(label->text());
    QCOMPARE(tags.first(), u"Rename files using their tags"_qs);
}

void TestMainDialog::selectingAFolderListsItsFiles()
{
    TestDir dir;
    for (const QString& name : {u"Track 10.mp3"_qs, u"track 2.mp3"_qs, u"Track 1.mp3"_qs,
                                u"Readme"_qs, u".hidden.mp3"_qs, u"sub/inner.mp3"_qs})
        dir.makeFile(name, "x");
    ::mkfifo(EncodeFileName(dir.path(u"pipe"_qs)).constData(), 0600);
    SelectFolder(dir.path());
    QCOMPARE(ListedNames(),
             (QStringList{u"Readme"_qs, u"Track 1.mp3"_qs, u"track 2.mp3"_qs, u"Track 10.mp3"_qs}));
    QCOMPARE(m_dlg->m_nFileCount, 4u);
    QCOMPARE(m_dlg->m_strCurrentFolder, dir.path());
    const CFileListModel& model = *m_dlg->m_listFiles->Model();
    QCOMPARE(model.headerData(3, Qt::Horizontal, Qt::DisplayRole).toString(), u"Date Modified"_qs);
    QCOMPARE(model.index(1, 2).data().toString(), u"MP3 file"_qs);

    SelectFolder(dir.makeFolder(u"empty"_qs));
    QCOMPARE(ListedNames(), QStringList());
    QCOMPARE(m_dlg->m_nFileCount, 0u);
    QCOMPARE(m_dlg->m_strCurrentFolder, dir.path(u"empty"_qs));
}

void TestMainDialog::listingKeepsOddNamesAndSurvivesAVanishedFolder()
{
    TestDir dir;
    const QString odd = DecodeFileName("Caf\xE9 Song.mp3");
    dir.makeFile(odd, "x");
    SelectFolder(dir.path());
    QCOMPARE(ListedNames(), QStringList{u"Caf\uFFFD Song.mp3"_qs}); // readable on screen
    QCOMPARE(m_dlg->m_listFiles->Model()->NameAt(0), odd);          // exact for the copy

    const QString gone = dir.makeFolder(u"gone"_qs);
    SelectFolder(gone);
    QDir(gone).removeRecursively();
    QTest::keyClick(m_dlg->m_listFiles, Qt::Key_F5);
    WaitForListing();
    // The tree may have moved on to the parent meanwhile; list and count
    // follow whichever folder is shown.
    const bool movedOn = m_dlg->m_listFiles->GetCurrentFolder() != gone;
    QCOMPARE(ListedNames(), movedOn ? QStringList{u"Caf\uFFFD Song.mp3"_qs} : QStringList());
    QCOMPARE(m_dlg->m_nFileCount, movedOn ? 1u : 0u);
}

void TestMainDialog::f5ShowsNewFilesAndCountsThem()
{
    TestDir dir;
    dir.makeFile(u"a.mp3"_qs);
    SelectFolder(dir.path());
    QCOMPARE(m_dlg->m_nFileCount, 1u);
    dir.makeFile(u"b.mp3"_qs);
    QCOMPARE(ListedNames().size(), 1);
    QTest::keyClick(m_dlg->m_editOutput, Qt::Key_F5);
    WaitForListing();
    QCOMPARE(ListedNames(), (QStringList{u"a.mp3"_qs, u"b.mp3"_qs}));
    QCOMPARE(m_dlg->m_nFileCount, 2u);
}

void TestMainDialog::newerReadSupersedesAnOlderOne_data()
{
    QTest::addColumn<bool>("byF5");
    QTest::newRow("another folder") << false;
    QTest::newRow("F5 on the same folder") << true;
}

void TestMainDialog::newerReadSupersedesAnOlderOne()
{
    QFETCH(bool, byF5);
    TestDir dir;
    const QString first = dir.makeFolder(u"first"_qs);
    dir.makeFile(u"first/a.mp3"_qs);
    dir.makeFile(u"first/b.mp3"_qs);
    dir.makeFile(u"second/z.mp3"_qs);
    HeldFolderLister lister;
    m_dlg->m_listFiles->SetFolderLister(lister.Lister());
    lister.HoldNextRead(first, 1);
    QVERIFY(m_dlg->m_treeFolders->SelectPath(first));
    QVERIFY(lister.WaitUntilHeld());
    QTRY_COMPARE(ListedNames().size(), 1); // rows show while the read runs
    QVERIFY(m_dlg->m_listFiles->IsReading());
    QCOMPARE(m_dlg->m_listFiles->viewport()->cursor().shape(), Qt::BusyCursor);

    // The older read's next batch is posted before the newer read starts.
    dir.makeFile(u"first/c.mp3"_qs);
    lister.Release();
    if (byF5)
        QTest::keyClick(m_dlg->m_listFiles, Qt::Key_F5);
    else
        QVERIFY(m_dlg->m_treeFolders->SelectPath(dir.path(u"second"_qs)));
    WaitForListing();
    const QStringList expected =
        byF5 ? QStringList{u"a.mp3"_qs, u"b.mp3"_qs, u"c.mp3"_qs} : QStringList{u"z.mp3"_qs};
    QCOMPARE(ListedNames(), expected);
    QCOMPARE(m_dlg->m_nFileCount, unsigned(expected.size()));
    QVERIFY(lister.WaitUntilDone());
    QTest::qWait(100); // whatever the older read might still send
    QCOMPARE(ListedNames(), expected);
    QCOMPARE(m_dlg->m_listFiles->viewport()->cursor().shape(), Qt::ArrowCursor);
}

void TestMainDialog::folderVanishingDuringItsRead()
{
    TestDir dir;
    const QString folder = dir.makeFolder(u"going"_qs);
    for (const QString& name : {u"a.mp3"_qs, u"b.mp3"_qs, u"c.mp3"_qs})
        dir.makeFile(u"going/"_qs + name);
    MessageBoxAnswerer boxes;
    HeldFolderLister lister;
    m_dlg->m_listFiles->SetFolderLister(lister.Lister());
    lister.HoldNextRead(folder, 1);
    QVERIFY(m_dlg->m_treeFolders->SelectPath(folder));
    QVERIFY(lister.WaitUntilHeld());
    QVERIFY(QDir(folder).removeRecursively());
    lister.Release();
    QVERIFY(lister.WaitUntilDone());
    WaitForListing();
    // What was found before it went, unless the tree has moved on to the
    // parent (which holds no files).
    const int listed = m_dlg->m_listFiles->GetCurrentFolder() == folder ? 1 : 0;
    QCOMPARE(ListedNames().size(), listed);
    QCOMPARE(m_dlg->m_nFileCount, unsigned(listed));
    QCOMPARE(boxes.Texts(), QStringList());
}

void TestMainDialog::closingDuringARead()
{
    TestDir dir;
    dir.makeFile(u"a.mp3"_qs);
    dir.makeFile(u"b.mp3"_qs);
    HeldFolderLister lister;
    m_dlg->m_listFiles->SetFolderLister(lister.Lister());
    lister.HoldNextRead(dir.path(), 1);
    QVERIFY(m_dlg->m_treeFolders->SelectPath(dir.path()));
    QVERIFY(lister.WaitUntilHeld());
    m_dlg->close();
    QTRY_VERIFY(m_dlg->IsClosed());
    m_dlg.reset(); // the read is still held
    lister.Release();
    QVERIFY(lister.WaitUntilDone());
    QTest::qWait(100); // the read ends with nobody to tell
    init();            // for cleanup
}

void TestMainDialog::packedTextsKeepEveryText()
{
    // Texts long enough to fill blocks: the third starts a new block.
    const QString a(600000, u'a'), b(400000, u'b'), c(300000, u'c');
    CPackedTexts texts;
    texts.Resize(4);
    texts.Set(0, a);
    texts.Set(1, b);
    texts.Set(2, c);
    texts.Set(1, u"short"_qs); // set again
    texts.Set(4, a);           // past the end: ignored
    QCOMPARE(texts.At(0), a);
    QCOMPARE(texts.At(1), u"short"_qs);
    QCOMPARE(texts.At(2), c);
    QCOMPARE(texts.At(3), QString());
    QCOMPARE(texts.Size(), 4u);
    // Latin-1 and wider texts side by side, at odd and even offsets.
    const QStringList mixed = {u"\u00e9t\u00e9"_qs, u"\uac00\ub098"_qs, u"x"_qs,
                               u"\U0001F3B5 song"_qs, u"\u00ff\u0100"_qs};
    texts.Resize(mixed.size());
    for (int i = 0; i < mixed.size(); ++i)
        texts.Set(std::size_t(i), mixed[i]);
    for (int i = 0; i < mixed.size(); ++i)
        QCOMPARE(texts.At(std::size_t(i)), mixed[i]);
}

void TestMainDialog::listedFilesSortAsTheirKeysDo_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::newRow("numbers") << QStringList{
        u"Track 10"_qs,  u"track 2"_qs, u"Track 1"_qs, u"Track 02"_qs, u"Track 2"_qs,
        u"Track 002"_qs, u"10"_qs,      u"9"_qs,       u"010"_qs,      u"Track 2a"_qs,
        u"Track"_qs,     u"007 x"_qs,   u"7 x"_qs,     u"0"_qs,        u"00"_qs,
        u"Track 0.5"_qs, u"Track 00"_qs};
    // Runs too long for the number at the start of a name's place.
    const QString nines(40, u'9');
    QTest::newRow("long runs of digits") << QStringList{u"a"_qs + nines,
                                                        u"a"_qs + nines + u"8"_qs,
                                                        u"a1"_qs + nines,
                                                        u"a0"_qs + nines,
                                                        u"a"_qs + nines + u"b"_qs,
                                                        u"A"_qs + nines,
                                                        u"a"_qs + QString(30, u'9'),
                                                        u"a"_qs + QString(31, u'9'),
                                                        u"a"_qs + QString(31, u'1')};
    // µ folds outside Latin-1 onto the Greek letter, Ÿ into Latin-1; ß and
    // "ss" stay apart.
    QTest::newRow("letter case in Latin-1") << QStringList{
        u"éa"_qs, u"Éb"_qs, u"ÉA"_qs, u"ea"_qs, u"µ 1"_qs, u"Μ 1"_qs, u"μ 1"_qs, u"ß"_qs,
        u"ss"_qs, u"SS"_qs, u"ÿ"_qs,  u"Ÿ"_qs,  u"×"_qs,   u"÷"_qs,   u"Z"_qs,   u"z"_qs};
    // Characters beyond the first plane fold as one: the Deseret letters.
    QTest::newRow("surrogate pairs")
        << QStringList{u"𐐀 b"_qs, u"𐐨 a"_qs, u"𝄞"_qs, u"�"_qs, u"𐐀"_qs, u"a𐐨"_qs, u"A𐐀"_qs};
    QTest::newRow("bytes that are not UTF-8")
        << QStringList{DecodeFileName("Café"),   DecodeFileName("cafÉ"), u"Café"_qs,
                       DecodeFileName("CAFé 2"), DecodeFileName("ÿþ"),   u"caf"_qs};
    QTest::newRow("letters that fold onto ASCII")
        << QStringList{u"Ka"_qs, u"ka"_qs, u"Kb"_qs, u"ſb"_qs, u"sa"_qs, u"Sc"_qs};
    QTest::newRow("equal but for the case")
        << QStringList{u"a.mp3"_qs, u"A.mp3"_qs, u"á.mp3"_qs, u"Á.mp3"_qs, u"A.MP3"_qs};
    // Enough long names to fill several blocks, from a mix of all of the above.
    const QStringList pieces = {u"Track "_qs, u"12"_qs,  u"007"_qs, u"Été"_qs,
                                u"가나"_qs,   u"𐐀"_qs,   u"𐐨"_qs,   u" - "_qs,
                                u"ABC"_qs,    u"abc"_qs, u"µ"_qs,   DecodeFileName("é"),
                                u"0"_qs,      u"9"_qs,   u".mp3"_qs};
    QRandomGenerator random(18);
    QStringList many;
    for (int i = 0; i < 30000; ++i) {
        QString name;
        for (int part = int(random.bounded(1, 12)); part > 0; --part)
            name += pieces[int(random.bounded(pieces.size()))];
        many.append(name);
    }
    many.removeDuplicates(); // a folder holds a name once
    QTest::newRow("many mixed names") << many;
}

void TestMainDialog::listedFilesSortAsTheirKeysDo()
{
    QFETCH(QStringList, names);
    CListedFiles files;
    for (int i = 0; i < names.size(); ++i)
        files.Append(ListedFile{names[i], i, std::int64_t(i) * 1000});
    files.SortNaturally();

    // The order of the keys, then of the plain names.
    QList<int> expected(names.size());
    std::iota(expected.begin(), expected.end(), 0);
    std::sort(expected.begin(), expected.end(), [&](int a, int b) {
        if (const int byKey = NaturalCompare(NaturalSortKey(names[a]), NaturalSortKey(names[b])))
            return byKey < 0;
        return names[a] < names[b];
    });
    QCOMPARE(files.Size(), std::size_t(names.size()));
    for (int row = 0; row < names.size(); ++row) {
        const int from = expected[row];
        const ListedFile file = files.At(std::size_t(row));
        QCOMPARE(file.m_strName, names[from]); // exact, and in its place
        QCOMPARE(file.m_nSize, from);          // the details go with the name
        QCOMPARE(file.m_nModifiedMs, std::int64_t(from) * 1000);
    }
    QCOMPARE(files.Name(files.Size()), QString()); // past the end
}

// Enough names that two threads look at them; every file keeps its own size,
// what is not a file is left out wherever it falls.
void TestMainDialog::bigFolderListsEveryFileWithItsSize()
{
    TestDir dir;
    constexpr int kFiles = 1500;
    for (int i = 0; i < kFiles; ++i)
        dir.makeFile(QString::number(i), QByteArray(i, 'x'));
    dir.makeFolder(u"sub"_qs);
    ::mkfifo(EncodeFileName(dir.path(u"pipe"_qs)).constData(), 0600);
    ::symlink("0", EncodeFileName(dir.path(u"link"_qs)).constData());
    ::symlink("missing", EncodeFileName(dir.path(u"dangling"_qs)).constData());
    const CListedFiles files = ListFolderFiles(dir.path());
    QCOMPARE(files.Size(), std::size_t(kFiles + 1));
    for (int i = 0; i < kFiles; ++i) {
        const ListedFile file = files.At(std::size_t(i));
        QCOMPARE(file.m_strName, QString::number(i));
        QCOMPARE(file.m_nSize, i);
    }
    QCOMPARE(files.At(kFiles).m_strName, u"link"_qs);
}

void TestMainDialog::renameColumnGoesOnF5AndOnNewSelection()
{
    TestDir dir;
    dir.makeFile(u"a.mp3"_qs);
    SelectFolder(dir.path());
    CFileListCtrl* list = m_dlg->m_listFiles;

    list->InsertColumn1(u"Rename"_qs);
    QVERIFY(m_dlg->HasPreviewColumn());
    QTest::keyClick(m_dlg->m_treeFolders, Qt::Key_F5);
    QVERIFY(!m_dlg->HasPreviewColumn());
    QCOMPARE(list->Model()->columnCount(), 4);

    list->InsertColumn1(u"Rename"_qs);
    SelectFolder(dir.makeFolder(u"other"_qs));
    QVERIFY(!m_dlg->HasPreviewColumn());

    list->InsertColumn1(u"rename"_qs); // another letter case is not the preview
    QVERIFY(!m_dlg->HasPreviewColumn());
}

void TestMainDialog::f5RefreshesOncePerPressFromEveryControl()
{
    TestDir dir;
    dir.makeFile(u"a.mp3"_qs);
    SelectFolder(dir.path());
    const CFileListModel& model = *m_dlg->m_listFiles->Model();
    QList<QWidget*> targets{m_dlg.get()};
    for (QWidget* child : m_dlg->findChildren<QWidget*>())
        if (child->isVisible())
            targets.append(child);
    for (QWidget* target : targets) {
        for (int press = 0; press < 2; ++press) {
            const std::uint64_t before = model.Generation();
            target->setFocus();
            QTest::keyClick(target, Qt::Key_F5);
            // A refresh empties the list at once, then reads the folder.
            QVERIFY2(model.Generation() == before + 1,
                     qPrintable(QString::fromLatin1(target->metaObject()->className()) + u' ' +
                                target->objectName() + u' ' +
                                QString::number(model.Generation() - before)));
            WaitForListing();
        }
    }
}

void TestMainDialog::renameCellsShowOddNamesReadable()
{
    TestDir dir;
    dir.makeFile(DecodeFileName("Caf\xE9 - Art\xE9.mp3"), "x");
    SelectFolder(dir.path());
    QTabBar* tabs = m_dlg->m_tabMode->TabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    QTest::mouseClick(Child<QPushButton>(m_dlg.get(), "m_btnPreview"), Qt::LeftButton);
    QTRY_COMPARE(m_dlg->Job().m_nCommand.load(), int(JOB_IDLE));
    const CFileListModel& model = *m_dlg->m_listFiles->Model();
    QTRY_COMPARE(model.index(0, 1).data().toString(), u"Art\uFFFD-Caf\uFFFD.mp3"_qs);
    QCOMPARE(model.Column1Text(0), DecodeFileName("Art\xE9-Caf\xE9.mp3")); // exact for the copy
}

void TestMainDialog::cellOfARenamedCopyIsMarked()
{
    TestDir dir;
    for (const QString& name : {u"Intro.mp3"_qs, u"Solo - Band.mp3"_qs, u"Title - Artist.mp3"_qs})
        dir.makeFile(u"src/"_qs + name);
    dir.makeFile(u"out/Artist-Title.mp3"_qs);
    SelectFolder(dir.path(u"src"_qs));
    m_dlg->m_editOutput->setText(dir.path(u"out"_qs));
    QTabBar* tabs = m_dlg->m_tabMode->TabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    QTest::mouseClick(Child<QPushButton>(m_dlg.get(), "m_btnPreview"), Qt::LeftButton);
    QTRY_COMPARE(m_dlg->Job().m_nCommand.load(), int(JOB_IDLE));

    const CFileListModel& model = *m_dlg->m_listFiles->Model();
    const QModelIndex taken = model.index(2, 1);
    QCOMPARE(taken.data().toString(), u"Artist-Title.mp3"_qs); // the convert reads this
    QVERIFY(taken.data(Qt::ToolTipRole).toString().contains(u"Artist-Title (1).mp3"_qs));
    QVERIFY(!taken.data(Qt::DecorationRole).isNull());
    for (const int plain : {0, 1}) {
        QVERIFY(model.index(plain, 1).data(Qt::ToolTipRole).isNull());
        QVERIFY(model.index(plain, 1).data(Qt::DecorationRole).isNull());
    }
}

void TestMainDialog::outputEditFollowsEveryKeystroke()
{
    QStringList seen;
    connect(m_dlg->m_editOutput, &QLineEdit::textChanged, this,
            [&] { seen.append(m_dlg->m_strOutputFolder); });
    QTest::keyClicks(m_dlg->m_editOutput, u"/out"_qs);
    QCOMPARE(seen, (QStringList{u"/"_qs, u"/o"_qs, u"/ou"_qs, u"/out"_qs}));
    m_dlg->m_editOutput->clear();
    QCOMPARE(m_dlg->m_strOutputFolder, QString());
}

void TestMainDialog::browseOutputCancelChangesNothing()
{
    m_dlg->m_editOutput->setText(u"/kept"_qs);
    const auto answered = AnswerNextModal<QFileDialog>([](QFileDialog* dialog) {
        QCOMPARE(dialog->windowTitle(), u"Current folder is:"_qs);
        dialog->reject();
    });
    QTest::mouseClick(Child<QPushButton>(m_dlg.get(), "m_btnBrowseOutput"), Qt::LeftButton);
    QTRY_VERIFY(*answered);
    QCOMPARE(m_dlg->m_editOutput->text(), u"/kept"_qs);
    QCOMPARE(m_dlg->m_strOutputFolder, u"/kept"_qs);
}

void TestMainDialog::browseOutputChoosesAFolder()
{
    TestDir dir;
    const QString target = dir.makeFolder(u"out"_qs);
    const auto answered = AnswerNextModal<QFileDialog>([&](QFileDialog* dialog) {
        // Nothing selected inside it: the folder shown is the one chosen. (Selecting
        // it by name raced the dialog's own background listing of its parent.)
        dialog->setDirectory(target);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    QTest::mouseClick(Child<QPushButton>(m_dlg.get(), "m_btnBrowseOutput"), Qt::LeftButton);
    QTRY_VERIFY(*answered);
    QCOMPARE(m_dlg->m_editOutput->text(), target);
    QCOMPARE(m_dlg->m_strOutputFolder, target);
}

void TestMainDialog::switchingTabsKeepsTheSongListPath()
{
    QLineEdit* path = m_dlg->m_pTabSongList->m_editSongList;
    m_dlg->m_pTabSongList->m_chkSetSourceFolder->setChecked(false);
    QTest::keyClicks(path, u"list.txt"_qs);
    QTabBar* tabs = m_dlg->m_tabMode->TabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    QCOMPARE(m_dlg->m_tabMode->GetCurSel(), 1);
    QVERIFY(m_dlg->m_pTabPattern->isVisible());
    QVERIFY(!m_dlg->m_pTabSongList->isVisible());
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
    QVERIFY(m_dlg->m_pTabSongList->isVisible());
    QVERIFY(!m_dlg->m_pTabPattern->isVisible());
    QCOMPARE(path->text(), u"list.txt"_qs);
}

void TestMainDialog::songListPathMovesTreeOnlyWhenBoxChecked()
{
    TestDir dir;
    dir.makeFile(u"songs/01 a.mp3"_qs);
    const QString list = dir.makeFile(u"songs/list.txt"_qs, "1|A|B\n");
    CTabUseTextFile* page = m_dlg->m_pTabSongList;

    page->m_chkSetSourceFolder->setChecked(false);
    QTest::keyClicks(page->m_editSongList, list);
    QCOMPARE(m_dlg->m_strCurrentFolder, QString());
    QCOMPARE(m_dlg->m_nFileCount, 0u);

    page->m_editSongList->clear();
    page->m_chkSetSourceFolder->setChecked(true);
    QSignalSpy commands(page, &CTabUseTextFile::showSongListFolder);
    QTest::keyClicks(page->m_editSongList, list);
    QCOMPARE(commands.count(), list.size()); // one per keystroke
    WaitForListing();
    QCOMPARE(m_dlg->m_strCurrentFolder, dir.path(u"songs"_qs));
    QCOMPARE(m_dlg->m_treeFolders->GetSelectedPath(), dir.path(u"songs"_qs));
    QCOMPARE(ListedNames(), (QStringList{u"01 a.mp3"_qs, u"list.txt"_qs}));
    QCOMPARE(m_dlg->m_nFileCount, 2u);
}

void TestMainDialog::browseSongListMovesTheTree()
{
    TestDir dir;
    const QString list = dir.makeFile(u"lists/songlist.txt"_qs, "1|A|B\n");
    const auto answered = AnswerNextModal<QFileDialog>([&](QFileDialog* dialog) {
        QCOMPARE(dialog->nameFilters(),
                 (QStringList{u"Text files (*.txt)"_qs, u"All files (*)"_qs}));
        dialog->setDirectory(dir.path(u"lists"_qs));
        dialog->selectFile(list);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    QTest::mouseClick(Child<QPushButton>(m_dlg->m_pTabSongList, "m_btnBrowseSongList"),
                      Qt::LeftButton);
    QTRY_VERIFY(*answered);
    QCOMPARE(m_dlg->m_pTabSongList->m_editSongList->text(), list);
    QTRY_COMPARE(m_dlg->m_strCurrentFolder, dir.path(u"lists"_qs));

    // A cancelled choice changes nothing and moves nothing.
    const auto cancelled = AnswerNextModal<QFileDialog>([](QFileDialog* d) { d->reject(); });
    QSignalSpy commands(m_dlg->m_pTabSongList, &CTabUseTextFile::showSongListFolder);
    QTest::mouseClick(Child<QPushButton>(m_dlg->m_pTabSongList, "m_btnBrowseSongList"),
                      Qt::LeftButton);
    QTRY_VERIFY(*cancelled);
    QCOMPARE(m_dlg->m_pTabSongList->m_editSongList->text(), list);
    QCOMPARE(commands.count(), 0);

    // The same file chosen again after the tree moved on brings it back.
    SelectFolder(dir.path());
    const auto again = AnswerNextModal<QFileDialog>([&](QFileDialog* dialog) {
        dialog->selectFile(list);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    QTest::mouseClick(Child<QPushButton>(m_dlg->m_pTabSongList, "m_btnBrowseSongList"),
                      Qt::LeftButton);
    QTRY_VERIFY(*again);
    QTRY_COMPARE(m_dlg->m_strCurrentFolder, dir.path(u"lists"_qs));
    QCOMPARE(m_dlg->m_treeFolders->GetSelectedPath(), dir.path(u"lists"_qs));
}

void TestMainDialog::songListFolderFromPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("folder");
    QTest::newRow("file in the root") << u"/list.txt"_qs << u"/"_qs;
    QTest::newRow("no slash selects nothing") << u"list.txt"_qs << QString();
}

void TestMainDialog::songListFolderFromPath()
{
    QFETCH(QString, path);
    QFETCH(QString, folder);
    m_dlg->m_pTabSongList->m_editSongList->setText(path);
    QCOMPARE(m_dlg->m_treeFolders->GetSelectedPath(), folder);
    QTRY_COMPARE(m_dlg->m_strCurrentFolder, folder);
}

void TestMainDialog::windowMessagesActOnlyOnTheirWParam()
{
    const QString cancel = u"Cancel"_qs;
    QCOMPARE(m_dlg->OnSetCtrlText(1002, &cancel), 0);
    QCOMPARE(VisibleCaption(m_dlg->m_btnConvert->text()), u"Convert"_qs);
    QCOMPARE(m_dlg->OnSetCtrlText(1006, &cancel), 0);
    QCOMPARE(VisibleCaption(m_dlg->m_btnConvert->text()), cancel);

    TestDir dir;
    dir.makeFile(u"a.mp3"_qs);
    SelectFolder(dir.path());
    m_dlg->m_listFiles->InsertColumn1(u"Rename"_qs);
    QCOMPARE(m_dlg->OnRefreshList(117, 0), 0);
    QVERIFY(m_dlg->HasPreviewColumn());
    QCOMPARE(m_dlg->OnRefreshList(VK_F5, 0), 0);
    QVERIFY(!m_dlg->HasPreviewColumn());
}

void TestMainDialog::enterAndEscapeLeaveTheDialogOpen()
{
    bool previewed = false;
    connect(Child<QPushButton>(m_dlg.get(), "m_btnPreview"), &QPushButton::clicked, this,
            [&] { previewed = true; });
    for (QWidget* target :
         {static_cast<QWidget*>(m_dlg.get()), static_cast<QWidget*>(m_dlg->m_editOutput),
          static_cast<QWidget*>(m_dlg->m_listFiles), static_cast<QWidget*>(m_dlg->m_treeFolders),
          static_cast<QWidget*>(m_dlg->m_pTabSongList->m_chkSetSourceFolder),
          static_cast<QWidget*>(m_dlg->m_pTabSongList->m_editSongList)}) {
        target->setFocus();
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
            QTest::keyClick(target, key);
    }
    QVERIFY(m_dlg->isVisible());
    QVERIFY(!previewed);
    QCOMPARE(VisibleCaption(m_dlg->m_btnConvert->text()), u"Convert"_qs);
}

void TestMainDialog::aboutBoxOpensOnF1()
{
    QStringList texts;
    const auto answered = AnswerNextModal<CAboutDlg>([&](CAboutDlg* about) {
        texts.append(about->windowTitle());
        for (const QLabel* label : about->findChildren<QLabel*>())
            texts.append(label->text());
        about->findChild<QPushButton*>()->click();
    });
    QTest::keyClick(m_dlg->m_listFiles, Qt::Key_F1);
    QTRY_VERIFY(*answered);
    QCOMPARE(texts.mid(0, 2), (QStringList{u"About tamro"_qs, QString()})); // icon label first
    QVERIFY(texts.contains(u"tamro, Version 1.0"_qs));
    QVERIFY(m_dlg->isVisible());
}

// Opens the dialog's context menu and chooses the action; false, with the
// menu closed, when the action is disabled.
bool TestMainDialog::ChooseFromContextMenu(const char* actionName)
{
    bool enabled = false;
    const auto answered = AnswerNextModal<QMenu>([&](QMenu* menu) {
        QAction* action = Child<QAction>(menu, actionName);
        enabled = action->isEnabled();
        if (!enabled) {
            menu->close();
            return;
        }
        menu->setActiveAction(action);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, {5, 5}, m_dlg->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(m_dlg.get(), &event);
    return *answered && enabled;
}

void TestMainDialog::undoLastConvertAsksThenRemoves()
{
    TestDir dir;
    InFolder cwd(dir.path());
    const QString out = dir.makeFolder(u"out"_qs);
    {
        FakeCopyHost job;
        OpenRunLogs(job, QDir::currentPath());
        CopyOneFile(job, dir.makeFile(u"src/1 Song.mp3"_qs, "song"), out + u"/Song.mp3"_qs);
        CopyOneFile(job, dir.makeFile(u"src/2 Kept.mp3"_qs, "kept"), out + u"/Kept.mp3"_qs);
        QVERIFY(CloseRunLog(job.m_pInfoLog).isEmpty() && CloseRunLog(job.m_pErrorLog).isEmpty());
    }
    dir.makeFile(u"out/Kept.mp3"_qs, "edited");
    SelectFolder(out);
    const QStringList both{u"Kept.mp3"_qs, u"Song.mp3"_qs};
    QCOMPARE(ListedNames(), both);

    // The engine checks the copies off the window thread, then the window
    // asks; a No removes nothing.
    const QString kept = out + u"/Kept.mp3\n    it was changed since the copy"_qs;
    {
        MessageBoxAnswerer answerer; // answers the question with No
        QVERIFY(ChooseFromContextMenu("undoAction"));
        // The question names the job as its record has it.
        CRunRecordReader records;
        QCOMPARE(records.Open(), QString());
        const QString when = QLocale().toString(
            QDateTime::fromMSecsSinceEpoch(records.List().at(0).m_nTimeMs), QLocale::ShortFormat);
        QTRY_COMPARE(answerer.Texts(),
                     QStringList{u"Undo last convert (%1, into %2, 2 copies made): remove 1 copy "
                                 u"from the output folder?\n\nTo be removed:\n"_qs.arg(when, out) +
                                 out + u"/Song.mp3\n\nThese stay:\n"_qs + kept});
    }
    QTRY_COMPARE(m_dlg->Job().m_nCommand.load(), int(JOB_IDLE));
    QCOMPARE(dir.entries(out), both);
    MessageBoxAnswerer answerer;
    answerer.AnswerQuestionsWith(QMessageBox::Yes);
    QVERIFY(ChooseFromContextMenu("undoAction"));
    QTRY_COMPARE(answerer.Texts().size(), 2);
    QCOMPARE(answerer.Texts()[1], u"Removed 1 copy.\n\nLeft standing:\n"_qs + kept);
    WaitForListing();
    QCOMPARE(ListedNames(), QStringList{u"Kept.mp3"_qs});
    QCOMPARE(TestDir::read(dir.path(u"src/1 Song.mp3"_qs)), QByteArray("song"));

    // While a job runs the entry is disabled. The worker is stopped first, so
    // the preview stays requested for as long as the menu needs.
    QTRY_COMPARE(m_dlg->Job().m_nCommand.load(), int(JOB_IDLE));
    CJobState& state = m_dlg->Job();
    state.StopWorkerLoop();
    QVERIFY(state.StartPreview());
    QVERIFY(!ChooseFromContextMenu("undoAction"));
    state.Idle();
    QCOMPARE(state.m_nCommand.load(), int(JOB_IDLE));
}

void TestMainDialog::stopSignalDismissesBoxesAndCloses_data()
{
    // A box of the window's own, and a file dialog owned by a tab page that
    // the close takes down while the dialog's loop still runs in that page:
    // at once when the worker has already gone, as it may have by the time
    // the loop sees the dialog rejected.
    QTest::addColumn<bool>("fromSongListTab");
    QTest::addColumn<bool>("workerGoneFirst");
    QTest::newRow("about box") << false << false;
    QTest::newRow("song list's file dialog") << true << false;
    QTest::newRow("song list's file dialog, worker gone") << true << true;
}

void TestMainDialog::stopSignalDismissesBoxesAndCloses()
{
    QFETCH(bool, fromSongListTab);
    QFETCH(bool, workerGoneFirst);
    if (workerGoneFirst) {
        m_dlg->Job().StopWorkerLoop();
        QTRY_VERIFY(!m_dlg->m_hWorker.joinable());
    }
    CStopSignals stopSignals;
    connect(&stopSignals, &CStopSignals::stopRequested, m_dlg.get(), &CtamroDlg::OnStopSignal);
    const auto answered = AnswerNextModal<QDialog>([](QDialog* modal) {
        ::raise(SIGTERM);
        QTimer::singleShot(5000, modal, &QDialog::reject); // only if the signal did nothing
    });
    QElapsedTimer open;
    open.start();
    // Each returns when its modal has gone.
    if (fromSongListTab)
        m_dlg->m_pTabSongList->m_btnBrowseSongList->click();
    else
        QTest::keyClick(m_dlg->m_listFiles, Qt::Key_F1);
    QVERIFY(*answered);
    QVERIFY(open.elapsed() < 4000);
    QCOMPARE(stopSignals.Received(), SIGTERM);
    QTRY_VERIFY(m_dlg->IsClosed());
    QVERIFY(m_dlg->Job().m_bAbandonCopy.load());
}

QTEST_MAIN(TestMainDialog)
#include "tst_main_dialog.moc"

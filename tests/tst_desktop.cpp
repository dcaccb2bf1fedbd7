#include "app/file_list_ctrl.h"
#include "app/file_list_model.h"
#include "app/folder_tree_ctrl.h"
#include "app/local_path.h"
#include "app/mnemonic.h"
#include "app/mode_tab_ctrl.h"
#include "app/settings_store.h"
#include "app/tab_pattern.h"
#include "app/tab_tags.h"
#include "app/tab_use_text_file.h"
#include "app/tamro_dlg.h"
#include "res/resources.h"
#include "res/version.h"
#include "tests/gui_helpers.h"
#include "tests/testdir.h"

#include <QCheckBox>
#include <QFile>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLineEdit>
#include <QMimeData>
#include <QProcess>
#include <QScrollBar>
#include <QtTest>

#include <algorithm>
#include <memory>

// The window as a desktop user meets it: remembered fields, drops, a path on
// the command line, keys, and what the list and the tree show.
class TestDesktop : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void localPathOfUrl_data();
    void localPathOfUrl();
    void fieldsAreRememberedAndMissingFoldersSkipped();
    void drops_data();
    void drops();
    void startPathOpensFolderOrSongList();
    void helpAndVersionNeedNoDisplay_data();
    void helpAndVersionNeedNoDisplay();
    void fileManagerActionsOpenTheFolder_data();
    void fileManagerActionsOpenTheFolder();
    void keysPressButtons_data();
    void keysPressButtons();
    void renameColumnFitsTheLongestName();
    void treeShowsADeepFolderFromItsLeftEdge();

private:
    std::unique_ptr<CtamroDlg> NewDialog();
    void Close(std::unique_ptr<CtamroDlg>& dlg);

    std::unique_ptr<CtamroDlg> m_dlg;
    std::unique_ptr<MessageBoxAnswerer> m_messages;
};

std::unique_ptr<CtamroDlg> TestDesktop::NewDialog()
{
    auto dlg = std::make_unique<CtamroDlg>();
    dlg->show();
    dlg->activateWindow(); // shortcuts act in the active window only
    if (!QTest::qWaitForWindowActive(dlg.get()))
        qWarning("the dialog did not become active");
    return dlg;
}

void TestDesktop::Close(std::unique_ptr<CtamroDlg>& dlg)
{
    dlg->close();
    QTRY_VERIFY(dlg->IsClosed());
    dlg.reset();
}

void TestDesktop::init()
{
    m_messages = std::make_unique<MessageBoxAnswerer>();
    m_dlg = NewDialog();
}

void TestDesktop::cleanup()
{
    Close(m_dlg);
    m_messages.reset();
}

void TestDesktop::localPathOfUrl_data()
{
    QTest::addColumn<QByteArray>("url");
    QTest::addColumn<QString>("path");
    QTest::newRow("escapes") << QByteArray("file:///a%20b/50%25.txt") << u"/a b/50%.txt"_qs;
    QTest::newRow("localhost, slash") << QByteArray("file://localhost/x/") << u"/x"_qs;
    QTest::newRow("not UTF-8") << QByteArray("file:///Caf%E9") << DecodeFileName("/Caf\xE9");
    QTest::newRow("root") << QByteArray("file:///") << u"/"_qs;
    QTest::newRow("other host") << QByteArray("file://nas/share") << QString();
    QTest::newRow("web") << QByteArray("https://example.org/a.txt") << QString();
}

void TestDesktop::localPathOfUrl()
{
    QFETCH(QByteArray, url);
    QFETCH(QString, path);
    QCOMPARE(LocalPathOfUrl(QUrl::fromEncoded(url)), path);
}

void TestDesktop::fieldsAreRememberedAndMissingFoldersSkipped()
{
    TestDir dir;
    const QString list = dir.makeFile(u"lists/songs.txt"_qs, "1|A|B\n");
    const QString output = dir.path(DecodeFileName("out\xE9")); // kept exact
    QCOMPARE(::mkdir(EncodeFileName(output).constData(), 0700), 0);
    const QString source = dir.makeFolder(u"source"_qs);
    {
        CSettingsStore store;
        m_dlg->KeepSettingsIn(store);
        m_dlg->m_pTabSongList->m_editSongList->setText(list);
        m_dlg->m_pTabSongList->m_chkSetSourceFolder->setChecked(false);
        m_dlg->m_editOutput->setText(output);
        m_dlg->m_pTabTags->m_editTagFormat->setText(u"{track:2} {title}"_qs);
        m_dlg->OpenStartPath(source);
        QTest::mouseClick(m_dlg->m_tabMode->TabBar(), Qt::LeftButton, {},
                          m_dlg->m_tabMode->TabBar()->tabRect(2).center());
        Close(m_dlg);
        QVERIFY(store.Sync());
    }
    QVERIFY(QFile::exists(qEnvironmentVariable("XDG_CONFIG_HOME") + u"/tamro/tamro.conf"_qs));

    for (const bool foldersGone : {false, true}) {
        if (foldersGone) {
            QVERIFY(QDir(source).removeRecursively());
            QCOMPARE(::rmdir(EncodeFileName(output).constData()), 0);
        }
        CSettingsStore store;
        m_dlg = NewDialog();
        m_dlg->KeepSettingsIn(store);
        QCOMPARE(m_dlg->m_pTabSongList->m_editSongList->text(), list);
        QVERIFY(!m_dlg->m_pTabSongList->m_chkSetSourceFolder->isChecked());
        QCOMPARE(m_dlg->m_tabMode->GetCurSel(), 2);
        QVERIFY(m_dlg->m_pTabTags->isVisible());
        QCOMPARE(m_dlg->m_pTabTags->GetFormat(), u"{track:2} {title}"_qs);
        QCOMPARE(m_dlg->m_editOutput->text(), foldersGone ? QString() : output);
        QTRY_COMPARE(m_dlg->m_strCurrentFolder, foldersGone ? QString() : source);
        if (!foldersGone)
            Close(m_dlg);
    }
    QCOMPARE(m_messages->Texts(), QStringList()); // skipped without a word
}

void TestDesktop::drops_data()
{
    QTest::addColumn<QString>("onto");    // the widget's object name, or empty for the window
    QTest::addColumn<QByteArray>("name"); // in the test folder, or a whole URL
    QTest::addColumn<QString>("songList");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("message"); // the start of the one message shown

    QTest::newRow("folder on the window") << QString() << QByteArray("a folder") << QString()
                                          << u"a folder"_qs << QString() << QString();
    QTest::newRow("song list, escaped name")
        << QString() << QByteArray("lists/50% off.txt") << u"lists/50% off.txt"_qs << u"lists"_qs
        << QString() << QString();
    QTest::newRow("song list on its edit")
        << u"m_editSongList"_qs << QByteArray("lists/50% off.txt") << u"lists/50% off.txt"_qs
        << u"lists"_qs << QString() << QString();
    QTest::newRow("folder on the output edit, not UTF-8")
        << u"m_editOutput"_qs << QByteArray("out\xE9") << QString() << QString()
        << DecodeFileName("out\xE9") << QString();
    QTest::newRow("file on the output edit")
        << u"m_editOutput"_qs << QByteArray("lists/50% off.txt") << QString() << QString()
        << QString() << u"The output folder must be a folder"_qs;
    QTest::newRow("not on this computer")
        << QString() << QByteArray("sftp://host/music") << QString() << QString() << QString()
        << u"Only files and folders of this computer"_qs;
}

void TestDesktop::drops()
{
    QFETCH(QString, onto);
    QFETCH(QByteArray, name);
    QFETCH(QString, songList);
    QFETCH(QString, source);
    QFETCH(QString, output);
    QFETCH(QString, message);
    TestDir dir;
    dir.makeFile(u"lists/50% off.txt"_qs, "1|A|B\n");
    dir.makeFolder(u"a folder"_qs);
    QCOMPARE(::mkdir(EncodeFileName(dir.path(DecodeFileName("out\xE9"))).constData(), 0700), 0);
    const auto inDir = [&](const QString& relative) {
        return relative.isEmpty() ? QString() : dir.path(relative);
    };
    QTest::mouseClick(m_dlg->m_tabMode->TabBar(), Qt::LeftButton, {},
                      m_dlg->m_tabMode->TabBar()->tabRect(1).center());

    QMimeData mime;
    mime.setUrls({name.contains(':') ? QUrl::fromEncoded(name)
                                     : QUrl::fromEncoded("file://" + EncodeFileName(dir.path()) +
                                                         '/' + name.toPercentEncoding("/"))});
    QWidget* target = onto.isEmpty() ? m_dlg.get() : m_dlg->findChild<QWidget*>(onto);
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(target, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(target, &drop);

    QCOMPARE(m_dlg->m_pTabSongList->m_editSongList->text(), inDir(songList));
    QTRY_COMPARE(m_dlg->m_strCurrentFolder, inDir(source));
    QCOMPARE(m_dlg->m_editOutput->text(), inDir(output));
    if (!songList.isEmpty())
        QCOMPARE(m_dlg->m_tabMode->GetCurSel(), 0);
    QCOMPARE(m_messages->Texts().size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty())
        QVERIFY2(m_messages->Texts().first().startsWith(message),
                 qPrintable(m_messages->Texts().first()));

    // While a job runs the same drag is turned away at the door. (The
    // preview's end waits for this thread's event loop, so the job is still
    // under way when the drag arrives.)
    JobRequest preview;
    preview.m_mode = NamingMode::Pattern;
    QVERIFY(m_dlg->Job().StartPreview(preview));
    QDragEnterEvent busy(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(target, &busy);
    QVERIFY(!busy.isAccepted());
    QTRY_COMPARE(m_dlg->Job().m_nCommand.load(), int(JOB_IDLE));
}

void TestDesktop::startPathOpensFolderOrSongList()
{
    TestDir dir;
    const QString list = dir.makeFile(u"lists/songs.txt"_qs, "1|A|B\n");
    const QString folder = dir.makeFolder(u"music"_qs);
    m_dlg->OpenStartPath(folder);
    QTRY_COMPARE(m_dlg->m_strCurrentFolder, folder);
    QCOMPARE(m_dlg->m_treeFolders->GetSelectedPath(), folder);

    const QString kept = QDir::currentPath();
    QDir::setCurrent(dir.path());
    m_dlg->OpenStartPath(u"lists/songs.txt"_qs); // relative to where tamro started
    QDir::setCurrent(kept);
    QCOMPARE(m_dlg->m_pTabSongList->m_editSongList->text(), list);
    QTRY_COMPARE(m_dlg->m_strCurrentFolder, dir.path(u"lists"_qs));

    m_dlg->OpenStartPath(dir.path(u"nowhere"_qs));
    QCOMPARE(m_messages->Texts().size(), 1);
    QVERIFY(m_messages->Texts().first().endsWith(dir.path(u"nowhere"_qs)));
    QTRY_COMPARE(m_dlg->m_strCurrentFolder, dir.path(u"lists"_qs));
}

void TestDesktop::helpAndVersionNeedNoDisplay_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("printed");
    QTest::addColumn<QString>("language"); // LANG, and what the English text must not be
    QTest::addColumn<QString>("english");
    const QString c = u"C.UTF-8"_qs;
    QTest::newRow("help") << u"--help"_qs << 0 << u"Usage: tamro [options] [PATH]"_qs << c
                          << QString();
    QTest::newRow("help names the logs") << u"-h"_qs << 0 << u"ErrorLog.txt"_qs << c << QString();
    QTest::newRow("version") << u"--version"_qs << 0
                             << u"tamro "_qs + QString::fromUtf16(kTamroVersion) << c << QString();
    QTest::newRow("unknown option") << u"--frobnicate"_qs << 2 << u"--help"_qs << c << QString();
    // Qt's own words ("Aufruf") come with tamro's.
    QTest::newRow("German help") << u"--help"_qs << 0 << u"Aufruf: tamro [Optionen] [PATH]"_qs
                                 << u"de_DE.UTF-8"_qs << u"Shows this help and ends."_qs;
    QTest::newRow("German help, logs") << u"--help"_qs << 0 << u"InfoLog.txt und ErrorLog.txt"_qs
                                       << u"de_DE.UTF-8"_qs << u"Gives song files"_qs;
    QTest::newRow("Korean usage error") << u"--frobnicate"_qs << 2 << u"'tamro --help'를 보세요."_qs
                                        << u"ko_KR.UTF-8"_qs << u"Try 'tamro --help'."_qs;
}

void TestDesktop::helpAndVersionNeedNoDisplay()
{
    QFETCH(QString, argument);
    QFETCH(int, exitCode);
    QFETCH(QString, printed);
    QFETCH(QString, language);
    QFETCH(QString, english);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& name : {u"QT_QPA_PLATFORM"_qs, u"DISPLAY"_qs, u"WAYLAND_DISPLAY"_qs,
                                u"LC_ALL"_qs, u"LC_MESSAGES"_qs, u"LANGUAGE"_qs})
        environment.remove(name);
    environment.insert(u"LANG"_qs, language);
    QProcess tamro;
    tamro.setProcessEnvironment(environment);
    tamro.start(QStringLiteral(TAMRO_BINARY), {argument});
    QVERIFY(tamro.waitForFinished(10000));
    QCOMPARE(tamro.exitStatus(), QProcess::NormalExit);
    QCOMPARE(tamro.exitCode(), exitCode);
    const QString output =
        QString::fromLocal8Bit(tamro.readAllStandardOutput() + tamro.readAllStandardError());
    QVERIFY2(output.contains(printed), qPrintable(output));
    if (!english.isEmpty())
        QVERIFY2(!output.contains(english), qPrintable(output));
}

void TestDesktop::fileManagerActionsOpenTheFolder_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("group");      // where the entry is
    QTest::addColumn<QStringList>("fields"); // key=value lines it must hold
    QTest::newRow("KDE service menu")
        << u"tamro-rename-songs.desktop"_qs << u"Desktop Action renameSongsWithTamro"_qs
        << QStringList{u"Exec=tamro %f"_qs, u"Icon=tamro"_qs};
    QTest::newRow("KDE service menu, for folders")
        << u"tamro-rename-songs.desktop"_qs << u"Desktop Entry"_qs
        << QStringList{u"Type=Service"_qs, u"MimeType=inode/directory;"_qs,
                       u"Actions=renameSongsWithTamro;"_qs};
    QTest::newRow("Nemo action") << u"tamro.nemo_action"_qs << u"Nemo Action"_qs
                                 << QStringList{u"Exec=tamro %F"_qs, u"Selection=s"_qs,
                                                u"Extensions=dir;"_qs, u"Quote=double"_qs,
                                                u"Icon-Name=tamro"_qs};
}

void TestDesktop::fileManagerActionsOpenTheFolder()
{
    QFETCH(QString, file);
    QFETCH(QString, group);
    QFETCH(QStringList, fields);
    QFile entry(QStringLiteral(TAMRO_RES_DIR) + u'/' + file);
    QVERIFY(entry.open(QIODevice::ReadOnly));
    QHash<QString, QStringList> groups;
    QString current;
    for (const QString& line : QString::fromUtf8(entry.readAll()).split(u'\n')) {
        if (line.startsWith(u'[') && line.endsWith(u']'))
            current = line.mid(1, line.size() - 2);
        else if (!line.isEmpty())
            groups[current].append(line);
    }
    for (const QString& field : fields)
        QVERIFY2(groups.value(group).contains(field), qPrintable(field));
    // The menu entry reads "Rename songs with tamro", in each language tamro speaks.
    const QStringList lines = groups.value(group);
    if (lines.contains(u"Name=Rename songs with tamro"_qs)) {
        for (const char* language : {"de", "es", "fr", "ja", "ko", "zh_CN"}) {
            const QString key = u"Name["_qs + QString::fromLatin1(language) + u"]="_qs;
            QVERIFY2(std::any_of(lines.begin(), lines.end(),
                                 [&](const QString& line) {
                                     return line.startsWith(key) && line.size() > key.size();
                                 }),
                     qPrintable(key));
        }
    } else {
        QCOMPARE(group, u"Desktop Entry"_qs);
    }
}

void TestDesktop::keysPressButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    const int alt = int(Qt::AltModifier);
    QTest::newRow("Alt+P") << u"m_btnPreview"_qs << int(Qt::Key_P) << alt;
    QTest::newRow("Alt+C") << u"m_btnConvert"_qs << int(Qt::Key_C) << alt;
    QTest::newRow("Alt+O") << u"m_btnBrowseOutput"_qs << int(Qt::Key_O) << alt;
    QTest::newRow("Alt+L") << u"m_btnBrowseSongList"_qs << int(Qt::Key_L) << alt;
    QTest::newRow("Alt+S") << u"m_chkSetSourceFolder"_qs << int(Qt::Key_S) << alt;
    QTest::newRow("Enter on the focused button") << u"m_btnPreview"_qs << int(Qt::Key_Return) << 0;
    QTest::newRow("Space on the focused button") << u"m_btnConvert"_qs << int(Qt::Key_Space) << 0;
}

void TestDesktop::keysPressButtons()
{
    QFETCH(QString, button);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    auto* target = m_dlg->findChild<QAbstractButton*>(button);
    QVERIFY(target);
    QSignalSpy clicks(target, &QAbstractButton::clicked);
    // Whatever the press opens is closed again at once.
    QTimer closer;
    connect(&closer, &QTimer::timeout, this, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    closer.start(5);
    QWidget* receiver = m_dlg.get();
    if (modifiers == 0) {
        target->setFocus();
        receiver = target;
    }
    QTest::keyClick(receiver, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QTRY_COMPARE(clicks.count(), 1);
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QVERIFY(m_dlg->isVisible());
    QCOMPARE(VisibleCaption(m_dlg->m_btnConvert->text()), u"Convert"_qs);
}

void TestDesktop::renameColumnFitsTheLongestName()
{
    TestDir dir;
    const QString longest = u"The Harbours And Their Rather Long Name-Morning Rain.mp3"_qs;
    dir.makeFile(u"Morning Rain - The Harbours And Their Rather Long Name.mp3"_qs);
    dir.makeFile(u"A - B.mp3"_qs);
    m_dlg->OpenStartPath(dir.path());
    QTest::mouseClick(m_dlg->m_tabMode->TabBar(), Qt::LeftButton, {},
                      m_dlg->m_tabMode->TabBar()->tabRect(1).center());
    QTest::mouseClick(Child<QPushButton>(m_dlg.get(), "m_btnPreview"), Qt::LeftButton);
    CFileListCtrl* list = m_dlg->m_listFiles;
    QTRY_COMPARE(list->Model()->Column1Text(1), longest);
    QTRY_COMPARE(m_dlg->Job().m_nCommand.load(), int(JOB_IDLE));
    QVERIFY(list->columnWidth(1) >= list->fontMetrics().horizontalAdvance(longest));
    QVERIFY(list->columnWidth(1) <= list->viewport()->width());
    QCOMPARE(list->horizontalHeader()->sectionResizeMode(1), QHeaderView::Interactive);
}

void TestDesktop::treeShowsADeepFolderFromItsLeftEdge()
{
    TestDir dir;
    const QString deep =
        dir.makeFolder(u"a rather long folder name/another long folder name/and one more level/"
                       "still deeper here/the folder that holds the songs"_qs);
    m_dlg->OpenStartPath(deep);
    CFolderTreeCtrl* tree = m_dlg->m_treeFolders;
    const QModelIndex index = static_cast<QFileSystemModel*>(tree->model())->index(deep);
    QVERIFY(tree->horizontalScrollBar()->maximum() > 0); // the test needs a wide tree
    QTRY_VERIFY(tree->viewport()->rect().contains(tree->visualRect(index).topLeft()));
    // Its name starts at the left edge, unless the column cannot scroll that
    // far because the whole name already fits.
    const QScrollBar* bar = tree->horizontalScrollBar();
    const auto where = [&] {
        const QRect rect = tree->visualRect(index);
        return QStringLiteral("name from %1 to %2 in %3, scrolled %4 of %5")
            .arg(rect.left())
            .arg(rect.right())
            .arg(tree->viewport()->width())
            .arg(bar->value())
            .arg(bar->maximum())
            .toUtf8();
    };
    QTRY_VERIFY2(tree->visualRect(index).left() <= tree->indentation() ||
                     (bar->value() == bar->maximum() &&
                      tree->visualRect(index).right() <= tree->viewport()->width()),
                 where().constData());
}

int main(int argc, char** argv)
{
    // Settings go to a folder of the test's own, never to the user's.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QApplication app(argc, argv);
    InitTamroResources();
    TestDesktop test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_desktop.moc"

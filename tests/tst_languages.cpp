#include "app/about_dlg.h"
#include "app/file_list_ctrl.h"
#include "app/file_list_model.h"
#include "app/folder_tree_ctrl.h"
#include "app/mnemonic.h"
#include "app/mode_tab_ctrl.h"
#include "app/tab_use_text_file.h"
#include "app/tamro_dlg.h"
#include "passes/end_of_run.h"
#include "platform/translations.h"
#include "tests/gui_helpers.h"
#include "tests/testdir.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTabBar>
#include <QtTest>

#include <memory>

namespace {

// Every text the window shows before anything is done, word for word as
// tamro has always shown it in English.
// The format's own words, the same in every language.
const QString kTagFields =
    u"{title} {artist} {album} {albumartist} {track} {disc} {year} {genre}"_qs;

const QStringList kEnglishCaptions = {
    u"Song file convert"_qs,
    u"&Preview"_qs,
    u"&Convert"_qs,
    u"F5: Refresh"_qs,
    u"Error : 0"_qs,
    u"Song Source Folder"_qs,
    u"Output Folder :"_qs,
    u"..."_qs,
    u"file :"_qs,
    u"total :"_qs,
    u"Convert"_qs,
    u"Rename"_qs,
    u"Songlist file :"_qs,
    u"..."_qs,
    u"Rename files using text file"_qs,
    u"Set Song &Source Folder"_qs,
    u"example )"_qs,
    u"Title - Artist   ->   Artist - Title"_qs,
    u"Artist - Title   ->   Title - Artist"_qs,
    u"or"_qs,
    u"Tags"_qs,
    u"Rename files using their tags"_qs,
    kTagFields,
    u"Format :"_qs,
    u"Name"_qs,
    u"Size"_qs,
    u"Type"_qs,
    u"Date Modified"_qs,
};

// The window's title and the texts of its labels, buttons, tabs and list
// headers, in no particular order.
QStringList Shown(QWidget* window)
{
    QStringList texts{window->windowTitle()};
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->text().isEmpty())
            texts.append(label->text());
    }
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (!button->text().isEmpty()) // not the tabs' and the list's own little buttons
            texts.append(button->text());
    }
    for (const QTabBar* tabs : window->findChildren<QTabBar*>()) {
        for (int i = 0; i < tabs->count(); ++i)
            texts.append(tabs->tabText(i));
    }
    if (const auto* list = window->findChild<CFileListCtrl*>()) {
        for (int column = 0; column < list->Model()->columnCount(); ++column)
            texts.append(
                list->Model()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString());
    }
    texts.sort();
    return texts;
}

QString AccessibleName(QObject* object)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(QAccessible::Name) : QString();
}

// The controls a person works with or reads: everything the templates make,
// the tabs and their pages; not the parts inside a control (scroll bars,
// headers, frames).
bool IsControl(const QWidget* widget)
{
    if (qobject_cast<const QAbstractItemView*>(widget->parentWidget()))
        return false;
    return qobject_cast<const QLabel*>(widget) || qobject_cast<const QAbstractButton*>(widget) ||
           qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QProgressBar*>(widget) ||
           qobject_cast<const CFileListCtrl*>(widget) ||
           widget->objectName() == u"m_treeFolders"_qs ||
           qobject_cast<const CModeTabCtrl*>(widget) || qobject_cast<const QTabBar*>(widget) ||
           widget->objectName().startsWith(u"m_pTab"_qs);
}

} // namespace

// The window in the operator's language, and as a screen reader and a
// keyboard meet it.
class TestLanguages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void captionsFollowTheLanguage_data();
    void captionsFollowTheLanguage();
    void countsReadRightInEachLanguage_data();
    void countsReadRightInEachLanguage();
    void everyControlIsNamed_data();
    void everyControlIsNamed();
    void barsAndRenameColumnAreReadable();
    void tabVisitsTheControlsInOrder();
    void captionsFitTheWindow_data();
    void captionsFitTheWindow();

private:
    std::unique_ptr<CtamroDlg> NewDialog();

    std::unique_ptr<CtamroDlg> m_dlg;
    std::unique_ptr<MessageBoxAnswerer> m_messages;
};

std::unique_ptr<CtamroDlg> TestLanguages::NewDialog()
{
    auto dlg = std::make_unique<CtamroDlg>();
    dlg->show();
    dlg->activateWindow();
    if (!QTest::qWaitForWindowActive(dlg.get()))
        qWarning("the dialog did not become active");
    return dlg;
}

void TestLanguages::init()
{
    m_messages = std::make_unique<MessageBoxAnswerer>();
}

void TestLanguages::cleanup()
{
    if (m_dlg) {
        m_dlg->close();
        QTRY_VERIFY(m_dlg->IsClosed());
        m_dlg.reset();
    }
    m_messages.reset();
    InstallTranslations(QLocale::c());
}

void TestLanguages::captionsFollowTheLanguage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("translation"); // the .qm taken, empty for English
    QTest::addColumn<QStringList>("shown");   // among the window's texts
    QTest::addColumn<QStringList>("alike");   // English captions this language keeps as they are
    QTest::addColumn<QString>("yes");         // Qt's own button, from Qt's translation

    QTest::newRow("C") << u"C"_qs << QString() << kEnglishCaptions << kEnglishCaptions
                       << u"&Yes"_qs;
    QTest::newRow("English") << u"en_GB"_qs << QString() << kEnglishCaptions << kEnglishCaptions
                             << u"&Yes"_qs;
    QTest::newRow("German")
        << u"de_DE"_qs << u"tamro_de.qm"_qs
        << QStringList{u"Songdateien umwandeln"_qs, u"&Vorschau"_qs,  u"Fehler : 0"_qs,
                       u"Ausgabeordner :"_qs,       u"Umbenennen"_qs, u"Geändert"_qs}
        << QStringList{u"..."_qs, u"Name"_qs, u"Tags"_qs, u"Format :"_qs, kTagFields} << u"&Ja"_qs;
    QTest::newRow("Korean") << u"ko_KR"_qs << u"tamro_ko.qm"_qs
                            << QStringList{u"노래 파일 변환"_qs, u"미리 보기(&P)"_qs,
                                           u"출력 폴더 :"_qs,    u"원본 폴더로 설정(&S)"_qs,
                                           u"이름 바꾸기"_qs,    u"수정한 날짜"_qs}
                            << QStringList{u"..."_qs, kTagFields} << u"예(&Y)"_qs;
}

void TestLanguages::captionsFollowTheLanguage()
{
    QFETCH(QString, locale);
    QFETCH(QString, translation);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, alike);
    QFETCH(QString, yes);
    QCOMPARE(InstallTranslations(QLocale(locale)), translation);
    m_dlg = NewDialog();
    const QStringList texts = Shown(m_dlg.get());
    if (translation.isEmpty()) {
        QStringList english = kEnglishCaptions;
        english.sort();
        QCOMPARE(texts, english);
    }
    for (const QString& text : shown)
        QVERIFY2(texts.contains(text), qPrintable(text + u" in "_qs + texts.join(u" | "_qs)));
    for (const QString& english : kEnglishCaptions) {
        QVERIFY2(alike.contains(english) || !texts.contains(english),
                 qPrintable(u"still English: "_qs + english));
    }
    // A preview's column, and the About box.
    m_dlg->m_listFiles->InsertColumn1(CtamroDlg::tr("Rename", "the column of new names"));
    QVERIFY(m_dlg->HasPreviewColumn());
    QCOMPARE(m_dlg->m_listFiles->GetColumn1Heading() == u"Rename"_qs, translation.isEmpty());
    CAboutDlg about(m_dlg.get());
    const QStringList aboutTexts = Shown(&about);
    QCOMPARE(aboutTexts.contains(u"About tamro"_qs), translation.isEmpty());
    QCOMPARE(aboutTexts.contains(u"© 2026 the tamro developers"_qs), translation.isEmpty());

    QMessageBox box(QMessageBox::Question, u"tamro"_qs, u"?"_qs,
                    QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(box.button(QMessageBox::Yes)->text(), yes);
}

void TestLanguages::countsReadRightInEachLanguage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("failures");
    QTest::addColumn<QString>("text");
    QTest::newRow("C, one")
        << u"C"_qs << 1 << u"Completed.\n\n1 copy failed. The reasons are in /l/ErrorLog.txt"_qs;
    QTest::newRow("C, two")
        << u"C"_qs << 2 << u"Completed.\n\n2 copies failed. The reasons are in /l/ErrorLog.txt"_qs;
    QTest::newRow("German, one")
        << u"de_DE"_qs << 1
        << u"Fertig.\n\n1 Kopie schlug fehl. Die Gründe stehen in /l/ErrorLog.txt"_qs;
    QTest::newRow("German, two")
        << u"de_DE"_qs << 2
        << u"Fertig.\n\n2 Kopien schlugen fehl. Die Gründe stehen in /l/ErrorLog.txt"_qs;
    QTest::newRow("Korean, three")
        << u"ko_KR"_qs << 3
        << u"완료했습니다.\n\n복사 3개가 실패했습니다. 이유는 /l/ErrorLog.txt에 있습니다"_qs;
}

void TestLanguages::countsReadRightInEachLanguage()
{
    QFETCH(QString, locale);
    QFETCH(int, failures);
    QFETCH(QString, text);
    InstallTranslations(QLocale(locale));
    RunSummary summary;
    summary.m_kind = JobKind::Convert;
    summary.m_bStarted = true;
    summary.m_nFailures = failures;
    summary.m_strErrorLogPath = u"/l/ErrorLog.txt"_qs;
    QCOMPARE(RunEndText(summary), text);
}

void TestLanguages::everyControlIsNamed_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("names"); // object name, then what a screen reader says
    QTest::newRow("C") << u"C"_qs
                       << QStringList{u"m_treeFolders"_qs,     u"Folders"_qs,
                                      u"m_listFiles"_qs,       u"Files of the folder"_qs,
                                      u"m_progressFile"_qs,    u"File progress"_qs,
                                      u"m_progressTotal"_qs,   u"Total progress"_qs,
                                      u"m_editOutput"_qs,      u"Output Folder :"_qs,
                                      u"m_editSongList"_qs,    u"Songlist file :"_qs,
                                      u"m_btnPreview"_qs,      u"Preview"_qs,
                                      u"m_btnBrowseOutput"_qs, u"Choose the output folder"_qs,
                                      u"m_tabMode"_qs,         u"Naming mode"_qs,
                                      u"modeTabBar"_qs,        u"Convert"_qs,
                                      u"m_pTabSongList"_qs,    u"Convert"_qs};
    QTest::newRow("German") << u"de_DE"_qs
                            << QStringList{u"m_treeFolders"_qs,     u"Ordner"_qs,
                                           u"m_listFiles"_qs,       u"Dateien des Ordners"_qs,
                                           u"m_progressFile"_qs,    u"Fortschritt der Datei"_qs,
                                           u"m_progressTotal"_qs,   u"Gesamtfortschritt"_qs,
                                           u"m_editOutput"_qs,      u"Ausgabeordner :"_qs,
                                           u"m_editSongList"_qs,    u"Songliste :"_qs,
                                           u"m_btnPreview"_qs,      u"Vorschau"_qs,
                                           u"m_btnBrowseOutput"_qs, u"Ausgabeordner wählen"_qs,
                                           u"m_tabMode"_qs,         u"Benennungsart"_qs,
                                           u"modeTabBar"_qs,        u"Umwandeln"_qs,
                                           u"m_pTabSongList"_qs,    u"Umwandeln"_qs};
}

void TestLanguages::everyControlIsNamed()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, names);
    InstallTranslations(QLocale(locale));
    m_dlg = NewDialog();
    int controls = 0;
    for (QWidget* widget : m_dlg->findChildren<QWidget*>()) {
        if (!IsControl(widget))
            continue;
        ++controls;
        QVERIFY2(!AccessibleName(widget).trimmed().isEmpty(),
                 qPrintable(widget->objectName() + u" ("_qs +
                            QString::fromLatin1(widget->metaObject()->className()) +
                            u") has no accessible name"_qs));
    }
    QVERIFY(controls >= 25);
    for (qsizetype i = 0; i + 1 < names.size(); i += 2) {
        auto* widget = Child<QWidget>(m_dlg.get(), qPrintable(names[i]));
        QCOMPARE(AccessibleName(widget), names[i + 1]);
    }
    // What the controls without a caption are for, in the same language.
    QVERIFY(!m_dlg->m_progressTotal->accessibleDescription().isEmpty());
    QCOMPARE(m_dlg->m_progressTotal->accessibleDescription() ==
                 u"How much of the whole job is done."_qs,
             locale == u"C"_qs);
}

void TestLanguages::barsAndRenameColumnAreReadable()
{
    TestDir dir;
    dir.makeFile(u"songs/12 Song.mp3"_qs, "song");
    dir.makeFile(u"songs/list.txt"_qs, "12|Title|Singer\n");
    m_dlg = NewDialog();
    m_dlg->m_progressFile->setValue(40);
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(m_dlg->m_progressFile);
    QVERIFY(bar && bar->valueInterface());
    QCOMPARE(bar->valueInterface()->currentValue().toInt(), 40);
    QCOMPARE(bar->valueInterface()->maximumValue().toInt(), 100);

    m_dlg->m_pTabSongList->m_editSongList->setText(dir.path(u"songs/list.txt"_qs));
    QTRY_COMPARE(m_dlg->m_strCurrentFolder, dir.path(u"songs"_qs));
    QTest::mouseClick(Child<QPushButton>(m_dlg.get(), "m_btnPreview"), Qt::LeftButton);
    QTRY_COMPARE(m_dlg->Job().m_nCommand.load(), JOB_IDLE);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(m_dlg->m_listFiles);
    QVERIFY(list && list->tableInterface());
    QCOMPARE(list->tableInterface()->columnDescription(1), u"Rename"_qs);
    int row = -1;
    for (int i = 0; i < list->tableInterface()->rowCount(); ++i) {
        if (list->tableInterface()->cellAt(i, 0)->text(QAccessible::Name) == u"12 Song.mp3"_qs)
            row = i;
    }
    QVERIFY(row >= 0);
    QCOMPARE(list->tableInterface()->cellAt(row, 1)->text(QAccessible::Name),
             u"Title-Singer.mp3"_qs);
}

void TestLanguages::tabVisitsTheControlsInOrder()
{
    m_dlg = NewDialog();
    const QStringList order = {
        u"m_treeFolders"_qs,       u"m_listFiles"_qs,          u"m_editOutput"_qs,
        u"m_btnBrowseOutput"_qs,   u"modeTabBar"_qs,           u"m_editSongList"_qs,
        u"m_btnBrowseSongList"_qs, u"m_chkSetSourceFolder"_qs, u"m_btnPreview"_qs,
        u"m_btnConvert"_qs,        u"m_treeFolders"_qs};
    m_dlg->m_treeFolders->setFocus();
    QTRY_VERIFY(m_dlg->m_treeFolders->hasFocus());
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (qsizetype i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(visited, order);
    QStringList back{QApplication::focusWidget()->objectName()};
    for (qsizetype i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        back.prepend(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(back, order);

    // On the pattern's tab, whose page has nothing to set, the tabs lead to Preview.
    m_dlg->m_tabMode->TabBar()->setCurrentIndex(1);
    m_dlg->m_tabMode->TabBar()->setFocus();
    QTRY_VERIFY(m_dlg->m_tabMode->TabBar()->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), u"m_btnPreview"_qs);
}

void TestLanguages::captionsFitTheWindow_data()
{
    QTest::addColumn<QString>("locale");
    QTest::newRow("C") << u"C"_qs;
    for (const char* locale : {"de_DE", "es_ES", "fr_FR", "ja_JP", "ko_KR", "zh_CN"})
        QTest::newRow(locale) << QString::fromLatin1(locale);
}

void TestLanguages::captionsFitTheWindow()
{
    QFETCH(QString, locale);
    InstallTranslations(QLocale(locale));
    m_dlg = NewDialog();
    // The longest captions the window shows later on.
    m_dlg->m_staticError->setText(CtamroDlg::tr("Error : %1").arg(999));
    auto* convert = Child<QPushButton>(m_dlg.get(), "m_btnConvert");
    const QString convertCaption = convert->text();
    CAboutDlg about(m_dlg.get());
    about.show();
    for (const int tab : {0, 1}) {
        m_dlg->m_tabMode->TabBar()->setCurrentIndex(tab);
        for (QWidget* window :
             {static_cast<QWidget*>(m_dlg.get()), static_cast<QWidget*>(&about)}) {
            QList<QWidget*> shown;
            for (QWidget* widget : window->findChildren<QWidget*>()) {
                if (widget->isVisible() &&
                    (qobject_cast<QLabel*>(widget) || qobject_cast<QAbstractButton*>(widget)))
                    shown.append(widget);
            }
            for (QWidget* widget : shown) {
                const QString name = widget->objectName().isEmpty()
                                         ? widget->property("text").toString()
                                         : widget->objectName();
                // Whole, inside its page or window, and clear of its neighbours.
                QVERIFY2(widget->width() >= widget->sizeHint().width(),
                         qPrintable(name + u" is cut"_qs));
                QVERIFY2(widget->parentWidget()->rect().contains(widget->geometry()),
                         qPrintable(name + u" runs out of its parent"_qs));
                for (QWidget* other : shown) {
                    if (other != widget && other->parentWidget() == widget->parentWidget())
                        QVERIFY2(!other->geometry().intersects(widget->geometry()),
                                 qPrintable(name + u" overlaps "_qs +
                                            other->property("text").toString()));
                }
            }
        }
    }
    // The tab headers end before the labels beside them begin.
    QTabBar* tabs = m_dlg->m_tabMode->TabBar();
    const int tabsEnd = tabs->mapTo(m_dlg.get(), QPoint(tabs->sizeHint().width(), 0)).x();
    for (QLabel* label : m_dlg->findChildren<QLabel*>()) {
        if (label->parentWidget() == m_dlg.get() &&
            label->y() < tabs->mapTo(m_dlg.get(), QPoint(0, tabs->height())).y() &&
            label->geometry().bottom() > tabs->mapTo(m_dlg.get(), QPoint()).y())
            QVERIFY2(label->x() >= tabsEnd, qPrintable(label->text() + u" lies on the tabs"_qs));
    }
    // The one button whose caption changes while a job runs.
    convert->setText(ConvertButtonCaption(CtamroDlg::tr("Cancel", "the button")));
    QVERIFY2(convert->width() >= convert->sizeHint().width(), qPrintable(convert->text()));
    convert->setText(convertCaption);
}

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"

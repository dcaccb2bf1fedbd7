#include "output/names.h"
#include "passes/run_plan.h"
#include "tests/testdir.h"

#include <QtTest>

namespace {

// One file of a plan as "final flags...", "skipped" or "failed".
QString Outcome(const PlannedFile& file)
{
    if (file.m_status != PlanStatus::Planned)
        return file.m_status == PlanStatus::Skipped ? u"skipped"_qs : u"failed"_qs;
    return QStringList{file.m_strFinalName, PlanFlagNames(file.m_nFlags).join(u' ')}
        .join(u' ')
        .trimmed();
}

} // namespace

class TestRunPlan : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void flags_data();
    void flags();
    void lateClashMarksTheEarlierFile();
    void missingFolderTakesNothing();
    void manyNamesStayKnown();
};

void TestRunPlan::flags_data()
{
    QTest::addColumn<QStringList>(
        "inFolder"); // "name" a file, "name/" a folder, "name@" a dead link
    QTest::addColumn<bool>("pattern");
    QTest::addColumn<bool>("computed");
    QTest::addColumn<QStringList>("rows"); // "listed|new name"
    QTest::addColumn<QStringList>("outcomes");

    const QString longStem(300, u'x');
    const QString cut(255 - kNumberRoom - 4, u'x');
    QTest::newRow("free") << QStringList{} << true << false << QStringList{u"A - B.mp3|B-A.mp3"_qs}
                          << QStringList{u"B-A.mp3"_qs};
    QTest::newRow("numbered against the folder")
        << QStringList{u"B-A.mp3"_qs, u"B-A (1).mp3/"_qs, u"B-A (2).mp3@"_qs} << true << false
        << QStringList{u"A - B.mp3|B-A.mp3"_qs} << QStringList{u"B-A (3).mp3 numbered"_qs};
    QTest::newRow("numbered against an earlier file, clash")
        << QStringList{u"T-S (1).mp3"_qs} << false << false
        << QStringList{u"12 a.mp3|T-S.mp3"_qs, u"12 b.mp3|T-S.mp3"_qs, u"1 c.mp3|Other.mp3"_qs}
        << QStringList{u"T-S.mp3 clash"_qs, u"T-S (2).mp3 numbered clash"_qs, u"Other.mp3"_qs};
    QTest::newRow("numbered name of the run taken again")
        << QStringList{u"X.mp3"_qs} << false << false
        << QStringList{u"1.mp3|X.mp3"_qs, u"2.mp3|X (1).mp3"_qs}
        << QStringList{u"X (1).mp3 numbered"_qs, u"X (1) (1).mp3 numbered"_qs};
    QTest::newRow("cleaned") << QStringList{} << false << false
                             << QStringList{u"07 a.mp3|Why?-Singer.mp3"_qs}
                             << QStringList{u"Why-Singer.mp3 cleaned"_qs};
    QTest::newRow("cleaned into a clash")
        << QStringList{} << false << false << QStringList{u"1.mp3|a?.mp3"_qs, u"2.mp3|a.mp3"_qs}
        << QStringList{u"a.mp3 cleaned clash"_qs, u"a (1).mp3 numbered clash"_qs};
    QTest::newRow("column names are cleaned whole")
        << QStringList{} << true << false << QStringList{u"A - B.m?p|B-A.m?p"_qs}
        << QStringList{u"B-A.mp cleaned"_qs};
    QTest::newRow("computed names keep the listed extension")
        << QStringList{} << true << true << QStringList{u"A - B.m?p|B-A.m?p"_qs}
        << QStringList{u"B-A.m?p"_qs};
    QTest::newRow("shortened") << QStringList{} << false << false
                               << QStringList{u"1.mp3|"_qs + longStem + u".mp3"_qs}
                               << QStringList{cut + u".mp3 shortened"_qs};
    QTest::newRow("lossy swap") << QStringList{} << true << false
                                << QStringList{u"Thunderstruck - AC-DC.mp3|AC-Thunderstruck.mp3"_qs,
                                               u"-One-Two.ogg|One-.ogg"_qs}
                                << QStringList{u"AC-Thunderstruck.mp3 lossy-swap"_qs,
                                               u"One-.ogg lossy-swap"_qs};
    QTest::newRow("trailing hyphen loses nothing")
        << QStringList{} << true << false
        << QStringList{u"A - B - .mp3|B-A.mp3"_qs, u"One – Two-Three.mp3|Three-One – Two.mp3"_qs}
        << QStringList{u"B-A.mp3"_qs, u"Three-One – Two.mp3"_qs};
    QTest::newRow("song-list names are no swap")
        << QStringList{} << false << false << QStringList{u"12 A-B-C.mp3|T-S.mp3"_qs}
        << QStringList{u"T-S.mp3"_qs};
    QTest::newRow("skipped and failed claim no name")
        << QStringList{} << false << false
        << QStringList{u"a.mp3|"_qs, u"b.mp3|T\uFFFD.mp3"_qs, u"c.mp3|T\uFFFD.mp3"_qs}
        << QStringList{u"skipped"_qs, u"failed"_qs, u"failed"_qs};
}

void TestRunPlan::flags()
{
    QFETCH(QStringList, inFolder);
    QFETCH(bool, pattern);
    QFETCH(bool, computed);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, outcomes);
    TestDir dir;
    const QString out = dir.makeFolder(u"out"_qs);
    for (const QString& entry : inFolder) {
        if (entry.endsWith(u'/'))
            dir.makeFolder(u"out/"_qs + entry.chopped(1));
        else if (entry.endsWith(u'@'))
            dir.makeLink(u"out/"_qs + entry.chopped(1), dir.path(u"nowhere"_qs));
        else
            dir.makeFile(u"out/"_qs + entry);
    }
    std::vector<PlanRow> planRows;
    for (const QString& row : rows)
        planRows.push_back({row.section(u'|', 0, 0), row.section(u'|', 1)});

    const PlanSettings settings{out, computed ? PlanNames::Computed : PlanNames::RenameColumn,
                                pattern};
    const std::vector<PlannedFile> plan = PlanRun(settings, planRows);

    // A planner that keeps only marked files tells each file, and each
    // earlier clash partner, as one that keeps them all.
    PlanSettings lean = settings;
    lean.m_bKeepFiles = false;
    CRunPlanner fullPlanner(settings), leanPlanner(lean);
    const auto sameMark = [](const PlannedFile& a, const PlannedFile& b) {
        return a.m_strFinalName == b.m_strFinalName && a.m_strReason == b.m_strReason &&
               a.m_nFlags == b.m_nFlags && a.NeedsMark() == b.NeedsMark();
    };
    for (const PlanRow& row : planRows) {
        const PlannedFile& full = fullPlanner.Add(row.m_strName, row.m_strNewName);
        QVERIFY(sameMark(leanPlanner.Add(row.m_strName, row.m_strNewName), full));
        const std::ptrdiff_t earlier = leanPlanner.EarlierClash();
        QCOMPARE(earlier, fullPlanner.EarlierClash());
        if (earlier >= 0)
            QVERIFY(sameMark(leanPlanner.File(std::size_t(earlier)),
                             fullPlanner.File(std::size_t(earlier))));
    }
    QVERIFY(leanPlanner.Files().empty());

    QStringList got;
    for (const PlannedFile& file : plan) {
        got.append(Outcome(file));
        // Every flag and every failure comes with its sentence.
        const int sentences = file.m_strReason.isEmpty() ? 0 : file.m_strReason.count(u'\n') + 1;
        const int expected =
            file.m_status == PlanStatus::Failed ? 1 : int(PlanFlagNames(file.m_nFlags).size());
        QCOMPARE(sentences, expected);
    }
    QCOMPARE(got, outcomes);
}

void TestRunPlan::lateClashMarksTheEarlierFile()
{
    TestDir dir;
    CRunPlanner planner({dir.path(), PlanNames::RenameColumn, false});
    planner.Add(u"1.mp3"_qs, u"X.mp3"_qs);
    planner.Add(u"2.mp3"_qs, u"Y.mp3"_qs);
    QCOMPARE(planner.EarlierClash(), -1);
    planner.Add(u"3.mp3"_qs, u"X.mp3"_qs);
    QCOMPARE(planner.EarlierClash(), 0);
    QVERIFY(planner.Files()[0].m_nFlags & PlanClash);
    QVERIFY(planner.Files()[0].NeedsMark());
    planner.Add(u"4.mp3"_qs, u"X.mp3"_qs); // the first is already marked
    QCOMPARE(planner.EarlierClash(), -1);
}

// Enough names to fill more than one block of the planner's name store and
// grow its index several times; Latin-1 and wider names side by side.
void TestRunPlan::manyNamesStayKnown()
{
    TestDir dir;
    PlanSettings settings{dir.path(), PlanNames::RenameColumn, false};
    settings.m_bKeepFiles = false;
    CRunPlanner planner(settings);
    const auto stem = [](int i) {
        return (i % 3 ? u"Title %1-Singer"_qs : u"\ub178\ub798 %1-\uac00\uc218"_qs).arg(i);
    };
    const auto name = [&](int i) { return stem(i) + u".mp3"_qs; };
    constexpr int kNames = 60000;
    for (int i = 0; i < kNames; ++i)
        QVERIFY(!planner.Add(name(i) + u".src"_qs, name(i)).NeedsMark());
    for (const int i : {0, 1, kNames / 2, kNames - 1}) {
        QCOMPARE(planner.Add(u"again.mp3"_qs, name(i)).m_strFinalName, stem(i) + u" (1).mp3"_qs);
        QCOMPARE(planner.File(std::size_t(planner.EarlierClash())).m_strFinalName, name(i));
    }
}

void TestRunPlan::missingFolderTakesNothing()
{
    TestDir dir;
    CRunPlanner planner({dir.path(u"gone"_qs), PlanNames::RenameColumn, false});
    QCOMPARE(planner.FolderError(), ENOENT);
    QCOMPARE(planner.Add(u"1.mp3"_qs, u"X.mp3"_qs).m_strFinalName, u"X.mp3"_qs);
}

QTEST_GUILESS_MAIN(TestRunPlan)
#include "tst_run_plan.moc"

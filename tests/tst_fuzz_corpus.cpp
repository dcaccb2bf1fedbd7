// Every fuzz target's entry function over every file of its seed corpus, in
// an ordinary build: the targets' property checks are tests of the rules,
// and a broken one aborts this program as it would the fuzzer. The build
// renames each target's entry to FuzzEntry_<target>.
#include <QDir>
#include <QFile>
#include <QtTest>

#include <cstddef>
#include <cstdint>

using FuzzEntry = int (*)(const std::uint8_t*, std::size_t);

#define TAMRO_FUZZ_TARGETS(X)                                                                      \
    X(fuzz_song_list)                                                                              \
    X(fuzz_leading_number)                                                                         \
    X(fuzz_naming)                                                                                 \
    X(fuzz_file_name_codec)                                                                        \
    X(fuzz_run_record)                                                                             \
    X(fuzz_run_log)                                                                                \
    X(fuzz_cli_request)                                                                            \
    X(fuzz_command_line)                                                                           \
    X(fuzz_local_path)                                                                             \
    X(fuzz_tags)

#define TAMRO_DECLARE_ENTRY(name)                                                                  \
    extern "C" int FuzzEntry_##name(const std::uint8_t* data, std::size_t size);
TAMRO_FUZZ_TARGETS(TAMRO_DECLARE_ENTRY)

namespace {

struct Target
{
    const char* m_name;
    FuzzEntry m_entry;
};

#define TAMRO_TARGET_ROW(name) Target{#name, &FuzzEntry_##name},
constexpr Target kTargets[] = {TAMRO_FUZZ_TARGETS(TAMRO_TARGET_ROW)};

} // namespace

class TestFuzzCorpus : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void seedsKeepTheRules_data()
    {
        QTest::addColumn<int>("target");
        QTest::addColumn<QString>("path");
        for (int i = 0; i < int(std::size(kTargets)); ++i) {
            const QDir corpus(QStringLiteral(TAMRO_FUZZ_CORPUS "/") +
                              QString::fromLatin1(kTargets[i].m_name));
            const QStringList files = corpus.entryList(QDir::Files | QDir::Hidden, QDir::Name);
            // A target without seeds is a corpus folder lost or misnamed.
            QVERIFY2(!files.isEmpty(), kTargets[i].m_name);
            for (const QString& file : files) {
                QTest::addRow("%s/%s", kTargets[i].m_name, qPrintable(file))
                    << i << corpus.filePath(file);
            }
        }
    }

    void seedsKeepTheRules()
    {
        QFETCH(int, target);
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(kTargets[target].m_entry(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                          std::size_t(bytes.size())),
                 0);
    }
};

QTEST_GUILESS_MAIN(TestFuzzCorpus)
#include "tst_fuzz_corpus.moc"

// The merge of sorted runs by a winner tree, as a plain model.
#include "TestUtil.h"
#include "model/WholeNumber.h"
#include "model/algorithms/merge/WinnerMerge.h"

#include <QRandomGenerator>
#include <QTest>
#include <algorithm>
#include <functional>

Q_DECLARE_METATYPE(WinnerMerge::Error)

class TestMerge : public QObject {
    Q_OBJECT

private slots:
    void merge_data();
    void merge();
    void ties();
    void parse_data();
    void parse();
    void parseSeparated_data();
    void parseSeparated();
    void wholeNumbers_data();
    void wholeNumbers();
};

namespace {

// A full tournament on the leaves, node by node from the bottom: the value
// each node shows and the leaf it came from.
struct Played {
    std::vector<int> value;
    std::vector<int64_t> from;
};

Played FullTournament(const WinnerMerge &merge)
{
    const int64_t count = merge.NodeCount();
    Played played{std::vector<int>(std::size_t(count) + 1), std::vector<int64_t>(std::size_t(count) + 1)};
    for (int64_t node = count; node >= 1; --node) {
        if (2 * node > count) {
            played.value[std::size_t(node)] = merge.Value(node);
            played.from[std::size_t(node)] = node;
            continue;
        }
        // Ties go to the right child.
        const std::size_t l = std::size_t(2 * node), r = l + 1, w = played.value[l] > played.value[r] ? l : r;
        played.value[std::size_t(node)] = played.value[w];
        played.from[std::size_t(node)] = played.from[w];
    }
    return played;
}

void CheckAgainstFullTournament(const WinnerMerge &merge)
{
    const Played played = FullTournament(merge);
    int greatestHead = INT_MIN;
    for (int j = 0; j < merge.RunCount(); ++j) {
        const std::vector<int> &run = merge.Run(j);
        const int64_t head = merge.Consumed(j);
        const int value = head < int64_t(run.size()) ? run[std::size_t(head)] : INT_MIN;
        QCOMPARE(merge.Value(merge.LeafOfRun(j)), value);
        greatestHead = std::max(greatestHead, value);
    }
    QCOMPARE(merge.Value(1), greatestHead);
    for (int64_t node = 1; node <= merge.NodeCount(); ++node) {
        QCOMPARE(merge.Value(node), played.value[std::size_t(node)]);
        const bool won = node == 1 || played.from[std::size_t(node)] == played.from[std::size_t(node / 2)];
        QCOMPARE(merge.Mark(node), won ? 1 : 2);
    }
}

} // namespace

void TestMerge::merge_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("longest");
    for (int k : {2, 3, 5, 8, 13})
        QTest::addRow("%d runs", k) << k << 12;
    QTest::addRow("1024 runs") << 1024 << 2;
}

// After every pop the tree is a full tournament on the heads, and the output
// is, at the end, every value in non-increasing order.
void TestMerge::merge()
{
    QFETCH(int, k);
    QFETCH(int, longest);
    for (quint32 seed = 1; seed <= 3; ++seed) {
        const WinnerMerge::Runs runs = RandomRuns(k, longest, seed * 7919 + quint32(k), 20);
        std::vector<int> all;
        for (const auto &run : runs)
            all.insert(all.end(), run.begin(), run.end());
        std::sort(all.rbegin(), all.rend());
        WinnerMerge merge(runs);
        QCOMPARE(merge.NodeCount(), 2 * k - 1);
        QCOMPARE(merge.Remaining(), int64_t(all.size()));
        CheckAgainstFullTournament(merge);
        for (std::size_t popped = 0; popped < all.size(); ++popped) {
            QVERIFY(!merge.Done());
            const int root = merge.Value(1);
            const int winner = merge.WinningRun();
            const int64_t leaf = merge.Pop();
            QCOMPARE(leaf, merge.LeafOfRun(winner));
            QCOMPARE(merge.LastRun(), winner);
            QCOMPARE(merge.Output().back(), root);
            CheckAgainstFullTournament(merge);
        }
        QVERIFY(merge.Done());
        QCOMPARE(merge.WinningRun(), -1);
        QCOMPARE(merge.Remaining(), 0);
        QCOMPARE(merge.Pop(), 0);
        QCOMPARE(merge.Output(), all);
    }
}

// Equal values: the right child wins, whichever run it stands for.
void TestMerge::ties()
{
    WinnerMerge two({{5, 1}, {5, 2}});
    QCOMPARE(two.Pop(), 3); // run 2 at leaf 3, the root's right child
    QCOMPARE(two.Pop(), 2);
    QCOMPARE(two.Value(1), 2);
    // Leaves 3, 4, 5 hold runs 1, 2, 3; node 2 plays leaves 4 and 5, the
    // root node 2 against leaf 3, which is its right child.
    WinnerMerge three({{5, 1}, {5, 2}, {4}});
    QCOMPARE(three.Mark(4), 1);
    QCOMPARE(three.Mark(2), 2);
    QCOMPARE(three.Pop(), 3);
    QCOMPARE(three.Output(), (std::vector<int>{5}));
}

void TestMerge::parse_data()
{
    using E = WinnerMerge::Error;
    QTest::addColumn<QString>("text");
    QTest::addColumn<WinnerMerge::Error>("error");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("run");
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("runs");
    QTest::newRow("two") << "9 5 5 1\n7 -3" << E::None << 0 << 0 << "" << 2;
    QTest::newRow("comments and blanks") << "# runs\n\n 3 2\r\n\t\n# x\n1\n" << E::None << 0 << 0 << "" << 2;
    QTest::newRow("signs and limits") << "+99999 0 -0 -99999\n1" << E::None << 0 << 0 << "" << 2;
    QTest::newRow("rising") << "3 2\n\n5 4 6 1" << E::OutOfOrder << 3 << 2 << "6" << 0;
    QTest::newRow("word") << "3 2\n4 x1" << E::NotANumber << 2 << 2 << "x1" << 0;
    QTest::newRow("decimal point") << "3 2.5" << E::NotANumber << 1 << 1 << "2.5" << 0;
    QTest::newRow("two signs") << "+-3" << E::NotANumber << 1 << 1 << "+-3" << 0;
    QTest::newRow("lone sign") << "3 -" << E::NotANumber << 1 << 1 << "-" << 0;
    QTest::newRow("too great") << "100000 1\n2" << E::OutOfRange << 1 << 1 << "100000" << 0;
    QTest::newRow("too small") << "1\n-100000" << E::OutOfRange << 2 << 2 << "-100000" << 0;
    QTest::newRow("overflow") << "1\n99999999999999999999" << E::OutOfRange << 2 << 2 << "99999999999999999999" << 0;
    QTest::newRow("one run") << "# one\n5 4 3" << E::TooFewRuns << 0 << 0 << "1" << 0;
    QTest::newRow("nothing") << "" << E::TooFewRuns << 0 << 0 << "0" << 0;
    QTest::newRow("1025 runs") << QString("1\n").repeated(1025) << E::TooManyRuns << 0 << 0 << "1025" << 0;
    QTest::newRow("1024 runs") << QString("1\n").repeated(1024) << E::None << 0 << 0 << "" << 1024;
    QTest::newRow("100001 values") << "1\n" + QString("0 ").repeated(100001) << E::RunTooLong << 2 << 2 << "100001" << 0;
    QTest::newRow("100000 values") << "1\n" + QString("0 ").repeated(100000) << E::None << 0 << 0 << "" << 2;
}

void TestMerge::parse()
{
    QFETCH(QString, text);
    QFETCH(WinnerMerge::Error, error);
    QFETCH(int, line);
    QFETCH(int, run);
    QFETCH(QString, word);
    QFETCH(int, runs);
    WinnerMerge::Runs parsed{{7}};
    const WinnerMerge::Problem problem = WinnerMerge::Parse(text.toStdString(), &parsed);
    QCOMPARE(problem.error, error);
    QCOMPARE(problem.line, line);
    QCOMPARE(problem.run, run);
    QCOMPARE(QString::fromStdString(problem.word), word);
    if (error == WinnerMerge::Error::None)
        QCOMPARE(int(parsed.size()), runs);
    else
        QCOMPARE(parsed, (WinnerMerge::Runs{{7}})); // untouched
}

void TestMerge::parseSeparated_data()
{
    using E = WinnerMerge::Error;
    QTest::addColumn<QString>("text");
    QTest::addColumn<WinnerMerge::Error>("error");
    QTest::addColumn<int>("run");
    QTest::newRow("three") << "9 8 / 7 / 6 6" << E::None << 0;
    QTest::newRow("empty") << "9 8 /  / 6" << E::EmptyRun << 2;
    QTest::newRow("trailing") << "9 8 / 7 /" << E::EmptyRun << 3;
    QTest::newRow("rising") << "9 8 / 7 8" << E::OutOfOrder << 2;
}

void TestMerge::parseSeparated()
{
    QFETCH(QString, text);
    QFETCH(WinnerMerge::Error, error);
    QFETCH(int, run);
    WinnerMerge::Runs parsed;
    const WinnerMerge::Problem problem = WinnerMerge::Parse(text.toStdString(), &parsed, '/');
    QCOMPARE(problem.error, error);
    QCOMPARE(problem.run, run);
    QCOMPARE(problem.line, run);
    if (error == WinnerMerge::Error::None)
        QCOMPARE(parsed, (WinnerMerge::Runs{{9, 8}, {7}, {6, 6}}));
}

// The one reader of whole numbers that statements, dialogs and files share.
void TestMerge::wholeNumbers_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("error"); // a NumberError
    QTest::addColumn<qint64>("value");
    const int none = int(NumberError::None), malformed = int(NumberError::NotANumber), range = int(NumberError::OutOfRange);
    for (const char *word : {"", "+", "-", "5x", "0x10", " 5", "5 ", "1e3", "--5", "+-5", "\u0663"})
        QTest::newRow(word) << QString::fromUtf8(word) << malformed << qint64(0);
    QTest::newRow("0") << "0" << none << qint64(0);
    QTest::newRow("+5") << "+5" << none << qint64(5);
    QTest::newRow("-99999") << "-99999" << none << qint64(-99999);
    QTest::newRow("007") << "007" << none << qint64(7);
    QTest::newRow("100000") << "100000" << range << qint64(0);
    QTest::newRow("-100000") << "-100000" << range << qint64(0);
    QTest::newRow("twenty digits") << "99999999999999999999" << range << qint64(0);
}

void TestMerge::wholeNumbers()
{
    QFETCH(QString, word);
    QFETCH(int, error);
    QFETCH(qint64, value);
    int64_t read = 0;
    QCOMPARE(int(ReadWholeNumber(word.toStdString(), -kMaxNodeValue, kMaxNodeValue, &read)), error);
    QCOMPARE(qint64(read), value);
}

QTEST_APPLESS_MAIN(TestMerge)
#include "tst_merge.moc"

// The tournament as a plain sequence of matches and painting steps, without
// any widget.
#include "model/algorithms/tournament/TournamentRun.h"

#include <QTest>

class TestTournament : public QObject {
    Q_OBJECT

private slots:
    void steps_data();
    void steps();
    void path_data();
    void path();
    void decide_data();
    void decide();

private:
    static void CheckMatchOfNode(const TournamentRun &run, int count);
};

// Every node finds the match it plays as the node, and only that one, and
// the last step that painted it.
void TestTournament::CheckMatchOfNode(const TournamentRun &run, int count)
{
    for (int node = 1; node <= count; ++node) {
        int64_t expected = -1;
        for (int64_t m = 0; m < run.MatchCount(); ++m)
            if (run.Match(m).node == node)
                expected = m;
        QCOMPARE(run.MatchOfNode(node), expected);
        for (int64_t shown = 0; shown <= run.StepCount(); ++shown) {
            int64_t last = 0;
            for (int64_t k = 1; k <= shown; ++k)
                if (run.BoxOfStep(k) == node)
                    last = k;
            QCOMPARE(run.LastPaintingOf(node, shown), last);
        }
    }
}

void TestTournament::steps_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("depth");
    QTest::addColumn<QList<int>>("matches"); // the nodes, in playing order
    QTest::addColumn<QList<int>>("boxes");   // the box of every step
    QTest::newRow("15") << 15 << 4 << QList<int>{4, 5, 6, 7, 2, 3, 1}
                        << QList<int>{8, 9, 4, 10, 11, 5, 12, 13, 6, 14, 15, 7, 4, 5, 2, 6, 7, 3, 2, 3, 1};
    // Node 6 has a lone child and plays a match of two steps; node 7 none.
    QTest::newRow("12") << 12 << 4 << QList<int>{4, 5, 6, 2, 3, 1}
                        << QList<int>{8, 9, 4, 10, 11, 5, 12, 6, 4, 5, 2, 6, 7, 3, 2, 3, 1};
    QTest::newRow("16") << 16 << 5 << QList<int>{8, 4, 5, 6, 7, 2, 3, 1}
                        << QList<int>{16, 8, 8, 9, 4, 10, 11, 5, 12, 13, 6, 14, 15, 7, 4, 5, 2, 6, 7, 3, 2, 3, 1};
    QTest::newRow("lone root") << 1 << 1 << QList<int>{} << QList<int>{};
    QTest::newRow("2") << 2 << 2 << QList<int>{1} << QList<int>{2, 1};
    QTest::newRow("3") << 3 << 2 << QList<int>{1} << QList<int>{2, 3, 1};
    // A depth kept higher than the tree's adds levels without matches.
    QTest::newRow("3, depth 4") << 3 << 4 << QList<int>{1} << QList<int>{2, 3, 1};
}

void TestTournament::steps()
{
    QFETCH(int, count);
    QFETCH(int, depth);
    QFETCH(QList<int>, matches);
    QFETCH(QList<int>, boxes);
    const TournamentRun run(count, depth);
    QList<int> played, painted;
    for (int64_t m = 0; m < run.MatchCount(); ++m) {
        played << int(run.Match(m).node);
        for (int64_t k = run.FirstStep(m); k <= run.LastStep(m); ++k) {
            QCOMPARE(run.MatchOfStep(k), m);
            painted << int(run.BoxOfStep(k));
        }
    }
    QCOMPARE(played, matches);
    QCOMPARE(painted, boxes);
    QCOMPARE(run.StepCount(), qint64(boxes.size()));
    CheckMatchOfNode(run, count);
}

void TestTournament::path_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("leaf");
    QTest::addColumn<QList<int>>("matches");
    QTest::newRow("15, leftmost") << 15 << 8 << QList<int>{4, 2, 1};
    QTest::newRow("15, rightmost") << 15 << 15 << QList<int>{7, 3, 1};
    QTest::newRow("12, lone child") << 12 << 12 << QList<int>{6, 3, 1};
    QTest::newRow("16, deepest") << 16 << 16 << QList<int>{8, 4, 2, 1};
    QTest::newRow("3") << 3 << 2 << QList<int>{1};
}

void TestTournament::path()
{
    QFETCH(int, count);
    QFETCH(int, leaf);
    QFETCH(QList<int>, matches);
    const TournamentRun run = TournamentRun::PathFrom(count, leaf);
    QList<int> played;
    for (int64_t m = 0; m < run.MatchCount(); ++m)
        played << int(run.Match(m).node);
    QCOMPARE(played, matches);
    CheckMatchOfNode(run, count);
}

void TestTournament::decide_data()
{
    QTest::addColumn<QString>("left");  // "-": no such child
    QTest::addColumn<QString>("right");
    QTest::addColumn<int>("leftMark");
    QTest::addColumn<int>("rightMark");
    QTest::addColumn<QString>("label");
    QTest::newRow("left greater") << "97" << "0" << 1 << 2 << "97";
    QTest::newRow("right greater") << "3" << "5" << 2 << 1 << "5";
    QTest::newRow("tie goes right") << "4" << "4" << 2 << 1 << "4";
    QTest::newRow("as numbers, not text") << "10" << "9" << 1 << 2 << "10";
    QTest::newRow("empty reads 0") << "" << "x" << 2 << 1 << "0";
    QTest::newRow("leading number") << "12abc" << "-3" << 1 << 2 << "12";
    QTest::newRow("lone left child") << "7" << "-" << 1 << 0 << "7";
    QTest::newRow("lone empty child") << "" << "-" << 1 << 0 << "0";
    // A spent run's leaf loses to every number, and passes on when alone.
    QTest::newRow("least loses") << "-∞" << "-99999" << 2 << 1 << "-99999";
    QTest::newRow("least on the right") << "-99999" << "-∞" << 1 << 2 << "-99999";
    QTest::newRow("two least") << "-∞" << "-∞" << 2 << 1 << "-∞";
    QTest::newRow("lone least") << "-∞" << "-" << 1 << 0 << "-∞";
}

void TestTournament::decide()
{
    QFETCH(QString, left);
    QFETCH(QString, right);
    QFETCH(int, leftMark);
    QFETCH(int, rightMark);
    QFETCH(QString, label);
    const std::string l = left.toStdString(), r = right.toStdString();
    const MatchOutcome outcome = TournamentRun::Decide(left == "-" ? nullptr : &l, right == "-" ? nullptr : &r);
    QCOMPARE(outcome.leftMark, leftMark);
    QCOMPARE(outcome.rightMark, rightMark);
    QCOMPARE(QString::fromStdString(outcome.label), label);
}

QTEST_APPLESS_MAIN(TestTournament)
#include "tst_tournament.moc"

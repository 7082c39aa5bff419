// The scaled and plain waits keep the program responsive and last as long as they should.

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include "vexmora/ui/media/system_options.h"
#include "vexmora/ui/shared/waits.h"

using namespace vex::ui;

class WaitsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { systemOptions() = {}; }

    void aScaledWaitOf1000msAtSpeed2Waits700AndLeaves700() {
        systemOptions()[kOptionGameSpeed] = 2;
        bool eventsRan = false;
        QTimer::singleShot(0, [&] { eventsRan = true; });
        int milliseconds = 1000;
        QElapsedTimer clock;
        clock.start();
        scaledWait(milliseconds);
        const qint64 waited = clock.elapsed();
        QCOMPARE(milliseconds, 700);
        QVERIFY2(waited >= 700, qPrintable(QString::number(waited)));
        QVERIFY2(waited < 700 + 3000, qPrintable(QString::number(waited)));
        QVERIFY(eventsRan);
    }

    void aPlainWaitIgnoresTheSpeedAndLeavesTheValue() {
        systemOptions()[kOptionGameSpeed] = 6;
        int milliseconds = 120;
        QElapsedTimer clock;
        clock.start();
        plainWait(milliseconds);
        QVERIFY(clock.elapsed() >= 120);
        QCOMPARE(milliseconds, 120);
    }

    void aWaitOfNegativeLengthReturnsAtOnceAndStillRunsEvents() {
        systemOptions()[kOptionGameSpeed] = 8;
        bool eventsRan = false;
        QTimer::singleShot(0, [&] { eventsRan = true; });
        int milliseconds = 500;
        scaledWait(milliseconds);
        QCOMPARE(milliseconds, -100);
        QVERIFY(eventsRan);
    }

    void aTimedStepIsDroppedWithItsOwner() {
        systemOptions()[kOptionGameSpeed] = 6;
        int calls = 0;
        auto* owner = new QObject;
        afterScaledWait(owner, 100, [&] { ++calls; });
        auto* kept = new QObject(this);
        afterScaledWait(kept, 100, [&] { calls += 10; });
        delete owner;
        QTRY_COMPARE(calls, 10);
        QTest::qWait(50);
        QCOMPARE(calls, 10);
    }
};

QTEST_MAIN(WaitsTest)
#include "waits_test.moc"

// A request to end from outside reaches the event loop as a call, one for each signal.
#include "adapters/termination_signal.h"

#include <QtTest>
#include <csignal>

class TestTerminationSignal : public QObject
{
    Q_OBJECT
private slots:
    void eachSignalIsOneCallInTheEventLoop()
    {
        int calls = 0;
        onTerminationSignal(this, [&calls] { ++calls; });
        for (int signal : {SIGTERM, SIGHUP, SIGINT})
            QCOMPARE(std::raise(signal), 0);
        QCOMPARE(calls, 0); // never from inside the signal handler
        QTRY_COMPARE(calls, 3);
    }
};

QTEST_GUILESS_MAIN(TestTerminationSignal)
#include "tst_termination_signal.moc"

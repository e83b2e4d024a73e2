// The cost floor of a monitor that ticks every INTERVAL ms and draws
// nothing: "qt" runs an empty handler on a Qt precise timer, "sleep" only
// sleeps until the next tick and wakes, outside any event loop.
//
// Usage: idle_tick qt|sleep INTERVAL
#include <QCoreApplication>
#include <QTimer>
#include <cstdlib>
#include <cstring>
#include <time.h>

int main(int argc, char** argv)
{
    if (argc != 3) return 2;
    const long interval = std::atol(argv[2]);
    if (std::strcmp(argv[1], "sleep") == 0) {
        timespec next{};
        clock_gettime(CLOCK_MONOTONIC, &next);
        for (;;) {
            next.tv_nsec += interval * 1000000L;
            next.tv_sec += next.tv_nsec / 1000000000L;
            next.tv_nsec %= 1000000000L;
            clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &next, nullptr);
        }
    }
    QCoreApplication app(argc, argv);
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(int(interval));
    QObject::connect(&timer, &QTimer::timeout, &app, [] {});
    timer.start();
    return app.exec();
}

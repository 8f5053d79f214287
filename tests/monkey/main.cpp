// The monkey: the whole program under a random user, headless, with the scripted platform answering.
//
//   monkey --seconds S [--seed FIRST]     runs seeds FIRST, FIRST+1, ... for S seconds
//   monkey --seed S --steps N [--verbose] replays one run: the steps of seed S up to step N
//
// Each run takes at most --steps steps (default 400) in a fresh folder. A broken check or a crash
// prints the seed and the step and exits non-zero; a clean end prints the runs and steps taken.

#include "Monkey.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

namespace {

// The offscreen platform says at every window that it cannot raise it or grab the keyboard.
void quietPlatform(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

} // namespace

int main(int argc, char *argv[])
{
    qInstallMessageHandler(quietPlatform);
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    QCommandLineParser parser;
    const QCommandLineOption seconds(QStringLiteral("seconds"), QStringLiteral("Run for S seconds."),
                                     QStringLiteral("S"));
    const QCommandLineOption seed(QStringLiteral("seed"), QStringLiteral("The (first) seed."),
                                  QStringLiteral("S"), QStringLiteral("1"));
    const QCommandLineOption steps(QStringLiteral("steps"), QStringLiteral("Steps per run."),
                                   QStringLiteral("N"), QStringLiteral("400"));
    const QCommandLineOption verbose(QStringLiteral("verbose"), QStringLiteral("Print every step."));
    parser.addOptions({seconds, seed, steps, verbose});
    parser.addHelpOption();
    parser.process(app);

    monkeycrash::installHandlers();
    const quint64 first = parser.value(seed).toULongLong();
    const int stepsPerRun = parser.value(steps).toInt();
    const bool timed = parser.isSet(seconds);
    const auto deadline = timed ? Monkey::Clock::now() + std::chrono::seconds(parser.value(seconds).toInt())
                                : Monkey::Clock::time_point::max();
    quint64 runs = 0;
    long long total = 0;
    long long files = 0;
    QMap<QString, int> windows;
    do {
        Monkey monkey(first + runs, stepsPerRun, deadline, parser.isSet(verbose));
        total += monkey.run();
        files += monkey.filesChecked();
        for (auto shown = monkey.windowsShown().cbegin(); shown != monkey.windowsShown().cend(); ++shown)
            windows[shown.key()] += shown.value();
        ++runs;
    } while (timed && Monkey::Clock::now() < deadline);
    std::printf("monkey: %llu runs from seed %llu, %lld steps, %lld declaration files written, every check "
                "held\n",
                static_cast<unsigned long long>(runs), static_cast<unsigned long long>(first), total, files);
    for (auto shown = windows.cbegin(); shown != windows.cend(); ++shown)
        std::printf("   %s shown %d times\n", qPrintable(shown.key()), shown.value());
    return 0;
}

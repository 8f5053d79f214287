#include "platform/WebOpener.h"

#include <QEventLoop>
#include <QProcess>
#include <QTimer>

#include <optional>

namespace platform {

bool openWithOpener(const QString &program, const QUrl &url, std::chrono::milliseconds patience)
{
    // Without a parent: an opener still running when the program ends is not killed with it.
    auto *process = new QProcess;
    process->setProgram(program);
    process->setArguments({url.toString(QUrl::FullyEncoded)});
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());

    QEventLoop loop;
    std::optional<bool> opened;
    // The loop is the context, so that an opener ending after the wait reaches none of these.
    QObject::connect(process, &QProcess::finished, &loop, [&](int code, QProcess::ExitStatus status) {
        opened = status == QProcess::NormalExit && code == 0;
        loop.quit();
    });
    QObject::connect(process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            opened = false;
            loop.quit();
        }
    });
    QTimer::singleShot(patience, &loop, &QEventLoop::quit);
    process->start();
    // A start that fails at once has answered before the loop could run.
    if (!opened && process->state() != QProcess::NotRunning)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (opened || process->state() == QProcess::NotRunning) {
        process->deleteLater();
        return opened.value_or(false);
    }
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    return true;
}

} // namespace platform

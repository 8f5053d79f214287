#pragma once

#include "util/AppError.h"

#include <QByteArray>
#include <QString>

#include <csignal>
#include <functional>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// Runs `action` in a child process that may write files of at most `limit` bytes: a write past it
// fails with EFBIG as on a full disk (SIGXFSZ is ignored there). Answers the message of the AppError
// the action raised, the empty text when it raised none, or "<child failed>" when the child could
// not run it to the end. The limit never touches the test process itself.
inline QString failureInChildWithFileSizeLimit(rlim_t limit, const std::function<void()> &action)
{
    int channel[2];
    if (pipe(channel) != 0)
        return QStringLiteral("<child failed>");
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit fileSize{};
        getrlimit(RLIMIT_FSIZE, &fileSize);
        fileSize.rlim_cur = limit;
        int status = setrlimit(RLIMIT_FSIZE, &fileSize) == 0 ? 0 : 2;
        QByteArray message;
        if (status == 0) {
            try {
                action();
            } catch (const AppError &e) {
                message = e.message().toUtf8();
            } catch (...) {
                status = 3;
            }
        }
        const auto written = write(channel[1], message.constData(), std::size_t(message.size()));
        _exit(written == message.size() ? status : 4);
    }
    close(channel[1]);
    QByteArray message;
    char buffer[512];
    for (ssize_t n; (n = read(channel[0], buffer, sizeof buffer)) > 0;)
        message.append(buffer, n);
    close(channel[0]);
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return QStringLiteral("<child failed>");
    return QString::fromUtf8(message);
}

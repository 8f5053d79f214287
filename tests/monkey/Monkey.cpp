#include "Monkey.h"

#include "ScriptedPlatform.h"
#include "app/UnitPrincipal.h"
#include "ui/UnitDespTarvinel.h"
#include "ui/editor/UnitDatosTarvinel.h"
#include "util/ProgramInfo.h"
#include "util/Regional.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QThread>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

#include <unistd.h>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#include <sanitizer/common_interface_defs.h>
#define MONKEY_SANITIZED 1
#endif
#endif

namespace monkeycrash {

namespace {

char g_context[128] = "monkey: before the first step";
std::atomic<int> g_steps{0};

void printContext()
{
    const ssize_t ignored = write(STDERR_FILENO, g_context, std::strlen(g_context));
    (void)ignored;
}

void onFatalSignal(int signal)
{
    printContext();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// A step that never ends is a hang: a modal loop nobody drives, or a loop of the program's own.
void watch()
{
    constexpr int kSecondsWithoutStep = 120;
    int last = -1;
    int idle = 0;
    for (;;) {
        std::this_thread::sleep_for(std::chrono::seconds(1));
        const int steps = g_steps.load();
        idle = steps == last ? idle + 1 : 0;
        last = steps;
        if (idle == kSecondsWithoutStep) {
            static const char hung[] = ": no step for two minutes, the program hangs\n";
            printContext();
            const ssize_t ignored = write(STDERR_FILENO, hung, sizeof hung - 1);
            (void)ignored;
            std::_Exit(3);
        }
    }
}

} // namespace

void installHandlers()
{
    for (int signal : {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL})
        std::signal(signal, onFatalSignal);
#ifdef MONKEY_SANITIZED
    __sanitizer_set_death_callback(printContext);
#endif
    std::thread(watch).detach();
}

void setContext(quint64 seed, int step)
{
    std::snprintf(g_context, sizeof g_context,
                  "monkey: seed %llu, step %d (replay: --seed %llu --steps %d)\n",
                  static_cast<unsigned long long>(seed), step, static_cast<unsigned long long>(seed), step);
    g_steps.fetch_add(1);
}

} // namespace monkeycrash

namespace {

const QString kDeletionQuestion = QStringLiteral("¿Seguro de Eliminar esta línea?");

int loopLevel()
{
    return QThread::currentThread()->loopLevel();
}

TFrmTarvinel *openListing()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *listing = qobject_cast<TFrmTarvinel *>(window); listing && listing->isVisible())
            return listing;
    }
    return nullptr;
}

void closePopups()
{
    while (QWidget *popup = QApplication::activePopupWidget())
        popup->close();
}

} // namespace

Monkey::Monkey(quint64 seed, int steps, Clock::time_point deadline, bool verbose)
    : m_seed(seed), m_steps(steps), m_deadline(deadline), m_verbose(verbose), m_random(seed)
{}

Monkey::~Monkey() = default;

int Monkey::run()
{
    if (!m_folder.isValid())
        fail(QStringLiteral("no temporary folder"));
    programinfo::setProgramFolder(m_folder.path());
    regional::setLocale(QLocale(m_seed % 2 ? QStringLiteral("en_US") : QStringLiteral("es_CL")));
    m_platform = std::make_unique<ScriptedPlatform>();
    installAnswers();
    if (m_verbose) {
        std::fprintf(stderr, "seed %llu\n", static_cast<unsigned long long>(m_seed));
        m_user.announce = [this](const QString &what) {
            std::fprintf(stderr, "step %d: %s\n", m_step, qPrintable(what));
        };
    }
    m_codeTableCheck = std::make_unique<CodeTableCheck>(m_folder.codeTablePath());
    m_menuLoopTimer.setInterval(5);
    QObject::connect(&m_menuLoopTimer, &QTimer::timeout, [this] { driveMenuLoop(); });
    m_menuLoopTimer.start();
    {
        TFrmPrincipal main;
        m_mainWindow = &main;
        main.show();
        QCoreApplication::processEvents();
        while (main.isVisible() && !finished())
            step();
        closePopups();
        main.close();
        m_mainWindow = nullptr;
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    m_menuLoopTimer.stop();
    for (const QString &window : std::as_const(m_platform->modalWindows))
        ++m_windowsShown[window];
    m_platform.reset();
    return m_step;
}

void Monkey::installAnswers()
{
    ScriptedPlatform &platform = *m_platform;
    platform.modalLoops = true;
    platform.unscriptedModal = [this](QDialog &dialog) { driveModal(dialog); };
    platform.answerSource = [this](const platform::MessageRequest &request) {
        if (!request.withCancel || m_stopping)
            return platform::Answer::Ok;
        const auto answer = m_random() % 2 ? platform::Answer::Ok : platform::Answer::Cancel;
        if (request.text == kDeletionQuestion)
            m_listingCheck.deletionAsked(answer == platform::Answer::Ok);
        return answer;
    };
    platform.openSource = [this](const platform::FileRequest &request) {
        const int roll = int(m_random() % 100);
        if (m_stopping || roll < 12)
            return QString();
        const QStringList &files = m_folder.declarationFiles();
        if (roll < 87 && !files.isEmpty())
            return files.at(int(m_random() % files.size()));
        return m_folder.newPath(request.defaultSuffix);
    };
    platform.saveSource = [this](const platform::FileRequest &request) {
        const int roll = int(m_random() % 100);
        if (m_stopping || roll < 12)
            return QString();
        const QStringList &files = m_folder.declarationFiles();
        QString path;
        if (roll < 72)
            path = m_folder.newPath(request.defaultSuffix);
        else if (roll < 92 && request.defaultSuffix == QLatin1String("txt") && !files.isEmpty())
            path = files.at(int(m_random() % files.size()));
        else
            path = m_folder.unreachablePath(request.defaultSuffix);
        // Only the listing writes a declaration file; its windows write other texts (the list of
        // observations).
        if (request.defaultSuffix == QLatin1String("txt")
            && qobject_cast<TFrmTarvinel *>(QApplication::activeModalWidget()))
            m_writtenFileCheck.saving(path, m_platform->messages.size());
        return path;
    };
}

bool Monkey::finished()
{
    if (!m_stopping && (m_step >= m_steps || Clock::now() >= m_deadline))
        m_stopping = true;
    return m_stopping;
}

void Monkey::step()
{
    if (finished())
        return;
    ++m_step;
    monkeycrash::setContext(m_seed, m_step);
    m_stepLevels.append(loopLevel());
    m_user.act(m_mainWindow);
    QCoreApplication::processEvents();
    check();
    m_stepLevels.removeLast();
}

void Monkey::driveMenuLoop()
{
    // Only a pop-up in a loop deeper than the step that opened it blocks that step.
    QWidget *popup = QApplication::activePopupWidget();
    if (!popup || m_stepLevels.isEmpty() || loopLevel() <= m_stepLevels.constLast() || m_menuStepPosted)
        return;
    // Posted, so that this timer is free to drive a loop opened by the step in its turn.
    m_menuStepPosted = true;
    QMetaObject::invokeMethod(
        popup,
        [this] {
            m_menuStepPosted = false;
            if (finished())
                closePopups();
            else
                step();
        },
        Qt::QueuedConnection);
}

void Monkey::driveModal(QDialog &dialog)
{
    // The window's owner is blocked in its modal loop, so the window outlives this.
    while (dialog.isVisible() && !finished())
        step();
    if (dialog.isVisible())
        closeForGood(dialog);
    if (auto *editor = qobject_cast<TFrmDatosTarvinel *>(&dialog))
        m_listingCheck.editorClosed(editor->addMode(), editor->result() == QDialog::Accepted);
}

void Monkey::closeForGood(QDialog &dialog)
{
    // Every question now answers OK and every dialog cancels, so closing asks nothing in return;
    // a window that still will not close (a cell whose value its field refuses) is closed as is.
    closePopups();
    dialog.reject();
    QCoreApplication::processEvents();
    if (dialog.isVisible())
        dialog.done(QDialog::Rejected);
}

void Monkey::check()
{
    if (m_writtenFileCheck.isPending()) {
        if (TFrmTarvinel *listing = openListing()) {
            bool refused = false;
            const auto &messages = m_platform->messages;
            for (qsizetype i = m_writtenFileCheck.messagesAtSaving(); i < messages.size(); ++i)
                refused = refused || messages.at(i).icon == platform::Icon::Error;
            ++m_filesChecked;
            const QString failure = m_writtenFileCheck.check(listing->RxMem(), listing->layout(), refused);
            if (!failure.isEmpty())
                fail(failure);
        }
    }
    if (auto *listing = qobject_cast<TFrmTarvinel *>(QApplication::activeModalWidget())) {
        const QString failure = m_listingCheck.check(*listing);
        if (!failure.isEmpty())
            fail(failure);
    }
    const QString failure = m_codeTableCheck->check();
    if (!failure.isEmpty())
        fail(failure);
}

void Monkey::fail(const QString &what) const
{
    std::fprintf(stderr, "monkey: seed %llu, step %d: %s\nreplay: monkey --seed %llu --steps %d --verbose\n",
                 static_cast<unsigned long long>(m_seed), m_step, qPrintable(what),
                 static_cast<unsigned long long>(m_seed), m_step);
    std::fflush(stderr);
    std::_Exit(1);
}

#pragma once

#include "MonkeyChecks.h"
#include "MonkeyFolder.h"
#include "RandomUser.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QTimer>

#include <chrono>
#include <memory>
#include <random>

class QDialog;
class QWidget;
class ScriptedPlatform;

// One run of the program under a random user: from the main window, for at most `steps` steps drawn
// from `seed` (the same seed gives the same steps), each followed by the checks of MonkeyChecks.h.
// The scripted platform answers every box and dialog at random, and each modal window is driven by
// further steps from inside its own modal loop, as a user inside it would; a context menu that Qt
// runs in a loop of its own (QMenu::exec) is driven from a timer inside that loop. A broken check ends the
// process with the seed and the step, so that `monkey --seed S --steps N --verbose` replays it.
class Monkey {
public:
    using Clock = std::chrono::steady_clock;

    Monkey(quint64 seed, int steps, Clock::time_point deadline, bool verbose);
    ~Monkey();

    // Runs until the steps are done, the deadline has passed or the user ended the program; answers
    // the number of steps taken.
    int run();
    // How often each kind of window was shown modally in this run, and how many declaration files
    // were written and checked.
    const QMap<QString, int> &windowsShown() const { return m_windowsShown; }
    int filesChecked() const { return m_filesChecked; }

private:
    void step();
    void driveModal(QDialog &dialog);
    void driveMenuLoop();
    void closeForGood(QDialog &dialog);
    void check();
    [[noreturn]] void fail(const QString &what) const;
    bool finished();
    void installAnswers();

    quint64 m_seed;
    int m_steps;
    Clock::time_point m_deadline;
    bool m_verbose;
    std::mt19937_64 m_random;
    RandomUser m_user{m_random};
    MonkeyFolder m_folder;
    std::unique_ptr<ScriptedPlatform> m_platform;
    ListingCheck m_listingCheck;
    WrittenFileCheck m_writtenFileCheck;
    std::unique_ptr<CodeTableCheck> m_codeTableCheck;
    QWidget *m_mainWindow = nullptr;
    int m_step = 0;
    bool m_stopping = false;
    QList<int> m_stepLevels; // the event-loop level at which each step on the stack began
    QTimer m_menuLoopTimer;
    bool m_menuStepPosted = false;
    QMap<QString, int> m_windowsShown;
    int m_filesChecked = 0;
};

// Where a crash happened: set at every step, printed by the handlers of fatal signals and of the
// sanitizers, and watched for steps that never end.
namespace monkeycrash {
void installHandlers();
void setContext(quint64 seed, int step);
} // namespace monkeycrash

// SPDX-License-Identifier: MIT
#pragma once
// Steps a script from the program's own event loop, one command per timer
// tick. A command that opens a modal window (the About box) does not return
// until the window closes; the ticks go on inside the window's own loop, so
// the next commands act on it. Anything else a command waits for (its own
// processing, `wait`) holds the next command back. A `monkey` line takes
// its commands from its generator until its actions are done.

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <memory>
#include <vector>

#include "tools/vek-drive/commands.h"
#include "tools/vek-drive/monkey.h"
#include "tools/vek-drive/script.h"
#include "tools/vek-drive/windows.h"

class QApplication;
class QTimer;
class QWidget;

namespace drive {

class ScriptDriver : public QObject {
public:
    explicit ScriptDriver(std::vector<ScriptLine> lines);

    // Runs before the main window is created: schedules the first tick.
    void Start(QApplication& app);
    // Once the program has returned: prints `ended` when the program ended
    // before the script did, and gives the exit status.
    int Finish();

private:
    void Tick();
    void TakeMainWindow();
    void RunLine(const ScriptLine& line);
    // One command of a running `monkey`, after its checks.
    void RunMonkeyStep();
    void FailMonkey(const QString& failure);
    void Report(const ScriptLine& line, const QString& message);
    void Stop(int status);
    void OnProgramEnded();
    // A modal window opened while the running command waits for it.
    bool ModalOpenedByCommand() const;

    std::vector<ScriptLine> lines_;
    size_t next_ = 0;
    QPointer<QTimer> timer_;
    WindowTracker windows_;
    CommandRunner runner_{windows_};
    std::unique_ptr<Monkey> monkey_;
    // The modal window open when each running command began.
    std::vector<QPointer<QWidget>> modalAtStart_;
    QElapsedTimer sinceShown_;
    bool started_ = false;
    bool stopped_ = false;
    bool ended_ = false;
    int status_ = 0;
};

}  // namespace drive

// SPDX-License-Identifier: MIT
#include "tools/vek-drive/driver.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include "app/calc_app.h"
#include "framework/dialog.h"
#include "tools/vek-drive/output.h"

namespace drive {
namespace {
// How often a held-back tick looks again, ms.
constexpr int kPollMs = 10;
// How long the program may take to wind down after its main window ended.
constexpr int kShutdownGraceMs = 5000;
// How long the first command waits for the main window to become active.
constexpr int kActivationWaitMs = 2000;
}  // namespace

ScriptDriver::ScriptDriver(std::vector<ScriptLine> lines) : lines_(std::move(lines)) {}

void ScriptDriver::Start(QApplication& app) {
    timer_ = new QTimer(&app);
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, &ScriptDriver::Tick);
    timer_->start(0);
}

bool ScriptDriver::ModalOpenedByCommand() const {
    const QWidget* modal = QApplication::activeModalWidget();
    return modal && modal != modalAtStart_.back() && modal != RunningMainWindow();
}

void ScriptDriver::TakeMainWindow() {
    CDialog* main = RunningMainWindow();
    if (!main || !main->isVisible())
        return;
    // The window system activates a new window a moment after showing it;
    // the script starts once it has (so the first focus is in place), or
    // after a while in any case.
    if (!sinceShown_.isValid())
        sinceShown_.start();
    if (!QApplication::activeWindow() && sinceShown_.elapsed() < kActivationWaitMs)
        return;
    connect(main, &QDialog::finished, this, &ScriptDriver::OnProgramEnded);
    connect(main, &QObject::destroyed, this, &ScriptDriver::OnProgramEnded);
    CDialog* page = VisiblePage();
    windows_.SetCurrent(page ? page : main);
    started_ = true;
}

void ScriptDriver::Tick() {
    if (stopped_) {
        // Keeps any loop the program starts while winding down from waiting
        // for a script that is over.
        QCoreApplication::exit(status_);
        timer_->start(kPollMs * 5);
        return;
    }
    if (ended_)
        return;
    // A real pop-up menu (one that does not go through the menu answer) is
    // dismissed, as a user would press Esc; it would hold everything up.
    if (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    if (!modalAtStart_.empty() && !ModalOpenedByCommand()) {
        timer_->start(kPollMs);
        return;
    }
    if (!started_)
        TakeMainWindow();
    if (!started_) {
        timer_->start(kPollMs);
        return;
    }
    // Armed before the command runs: if the command opens a modal window,
    // the next tick comes from that window's loop.
    timer_->start(0);
    if (monkey_) {
        RunMonkeyStep();
        return;
    }
    if (next_ >= lines_.size()) {
        Stop(0);
        return;
    }
    RunLine(lines_[next_++]);
}

void ScriptDriver::RunLine(const ScriptLine& line) {
    if (!line.error.empty()) {
        Report(line, QString::fromStdString(line.error));
        return;
    }
    if (line.command.verb == Verb::Monkey) {
        monkey_ = std::make_unique<Monkey>(line.command.number, line.command.randomStart);
        return;
    }
    modalAtStart_.emplace_back(QApplication::activeModalWidget());
    try {
        windows_.Sync();
        runner_.Run(line.command);
    } catch (const DriveError& error) {
        Report(line, error.message);
    }
    modalAtStart_.pop_back();
    if (!stopped_ && !ended_)
        timer_->start(0);
}

void ScriptDriver::RunMonkeyStep() {
    const QString failure = monkey_->Check();
    if (!failure.isEmpty())
        return FailMonkey(failure);
    modalAtStart_.emplace_back(QApplication::activeModalWidget());
    // What the window system started (an activation after a window opened or
    // closed) is done first, so that the monkey chooses from the windows and
    // the focus its command will meet, whatever the machine's speed.
    windows_.Sync();
    QCoreApplication::processEvents();
    const auto step = monkey_->Next();
    QString refusal;
    if (step) {
        try {
            windows_.Sync();
            runner_.Run(step->command);
        } catch (const DriveError& error) {
            refusal = error.message;
        }
    }
    modalAtStart_.pop_back();
    if (!step) {
        monkey_->PrintSummary();
        monkey_.reset();
        return;
    }
    // The monkey may have failed or ended meanwhile (in a modal window's loop).
    if (!monkey_ || stopped_ || ended_)
        return;
    monkey_->Ran(step->serial, refusal);
    timer_->start(0);
}

void ScriptDriver::FailMonkey(const QString& failure) {
    monkey_->PrintFailure(failure);
    monkey_.reset();
    Stop(1);
}

void ScriptDriver::Report(const ScriptLine& line, const QString& message) {
    // A command that unwinds after the script stopped or the program ended
    // has nothing more to say.
    if (stopped_ || ended_)
        return;
    PrintLine(QStringLiteral("error: line %1: %2").arg(line.lineNumber).arg(message));
    Stop(1);
}

void ScriptDriver::Stop(int status) {
    stopped_ = true;
    status_ = status;
    MuteOutput();
    runner_.InterruptWait();
    QCoreApplication::exit(status);
    timer_->start(kPollMs * 5);
}

void ScriptDriver::OnProgramEnded() {
    if (ended_ || stopped_)
        return;
    // The monkey never asks the program to end.
    if (monkey_)
        return FailMonkey(QStringLiteral("the main window is gone without a close request"));
    ended_ = true;
    runner_.InterruptWait();
    QTimer::singleShot(kShutdownGraceMs, qApp, [] { QCoreApplication::exit(0); });
}

int ScriptDriver::Finish() {
    if (stopped_)
        return status_;
    PrintLine(QStringLiteral("ended"));
    MuteOutput();
    return 0;
}

}  // namespace drive

// SPDX-License-Identifier: MIT
#pragma once
// `monkey N START`: N random user actions across every window, reproducible
// from its start number, each written as ordinary script commands so that the last
// ones replay as a script. Between commands it checks what must never
// happen: a modal box left open, a number the program wrote that does not
// read back, a catalogue line that changed or vanished (data.ini in the
// current directory may only grow by added lines), and, with the driver, the
// main window ending. A watchdog aborts when no event is processed for 5 s;
// a crash or sanitizer report prints the replay before the process dies.

#include <QByteArray>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "tools/vek-drive/script.h"
#include "tools/vek-drive/watchdog.h"

class CDialog;
class QWidget;

namespace drive {

// Whole numbers from a std::mt19937 with our own reduction, so that a start number
// gives the same actions with every standard library.
class MonkeyRandom {
public:
    explicit MonkeyRandom(std::uint32_t randomStart) : engine_(randomStart) {}
    // 0 <= result < n, for n > 0.
    int Below(std::size_t n) {
        return static_cast<int>((static_cast<std::uint64_t>(engine_()) * n) >> 32);
    }
    bool Percent(int chance) { return Below(100) < chance; }
    template <class T>
    const T& Pick(const std::vector<T>& items) {
        return items[static_cast<std::size_t>(Below(items.size()))];
    }

private:
    std::mt19937 engine_;
};

class Monkey {
public:
    Monkey(int actions, std::uint32_t randomStart);
    ~Monkey();
    Monkey(const Monkey&) = delete;
    Monkey& operator=(const Monkey&) = delete;

    struct Step {
        Command command;
        long serial = 0;
    };
    // The next command; nullopt once every action has run (an About box
    // still open is closed first).
    std::optional<Step> Next();
    // The command of `serial` came back; `refusal` is why the driver could
    // not carry it out (empty when it could). A refused command is left out
    // of the replay, with the rest of its action.
    void Ran(long serial, const QString& refusal);
    // What went wrong since the last command began; empty when nothing.
    QString Check();

    void PrintSummary() const;
    // The failure, the start number and the replay script of the last actions.
    void PrintFailure(const QString& failure);

private:
    struct Field {
        QPointer<QWidget> control;
        bool integer = false;
        QString text;
    };
    // The window a control action works in, drawn before each action.
    struct Target {
        const char* name;
        CDialog* window;  // nullptr when it cannot be reached now
        bool mainReachable;
    };
    // One kind of action: its name in the summary, how often it is chosen,
    // and what it does (false when it cannot be done now).
    struct Action {
        const char* name;
        int weight;
        bool (Monkey::*act)(const Target& target);
    };
    static const Action kActions[];

    void Generate();
    bool Act(const Action& action);
    template <class Wanted, class Make>
    bool OnControl(const Target& target, Wanted wanted, Make command);
    bool ActType(const Target& target);
    bool ActClick(const Target& target);
    bool ActDoubleClick(const Target& target);
    bool ClickOrDouble(const Target& target, Verb verb);
    bool ActChoose(const Target& target);
    bool ActFocus(const Target& target);
    bool ActWheel(const Target& target);
    bool ActKey(const Target& target);
    bool ActKeypad(const Target& target);
    bool ActPage(const Target& target);
    bool ActMenu(const Target& target);
    bool ActContext(const Target& target);
    bool ActTool(const Target& target);
    bool ActClose(const Target& target);
    bool ActAbout(const Target& target);
    bool ActAddRow(const Target& target);
    void Emit(Command command);
    void EmitWindow(const char* name);
    std::vector<Field> NumberFields() const;
    void RememberAction();
    void CountLine(const QString& line);

    MonkeyRandom random_;
    int actions_;
    std::uint32_t randomStart_;
    int done_ = 0;
    long serial_ = 0;
    std::deque<Command> pending_;
    std::vector<std::string> current_;  // the running action's lines
    std::deque<std::vector<std::string>> history_;
    std::map<std::string, int> kinds_;
    int boxes_ = 0, links_ = 0, refused_ = 0, added_ = 0;
    long numbers_ = 0;
    std::vector<Field> fields_;
    QPointer<QWidget> userTyped_;  // the field the last command typed into
    std::string window_;           // the window the last `window` named
    QByteArray catalogue_;
    std::string replay_;  // the last actions as a script
    Watchdog watchdog_;
};

}  // namespace drive

// SPDX-License-Identifier: MIT
#include "tools/vek-drive/monkey.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "app/calc_app.h"
#include "framework/dialog.h"
#include "pages/calc_page.h"
#include "pages/page_registry.h"
#include "res/menus.h"
#include "text/number_text.h"
#include "tools/vek-drive/output.h"
#include "tools/vek-drive/user_input.h"
#include "tools/vek-drive/windows.h"

namespace drive {
namespace {

// How many actions the replay of a failure holds.
constexpr std::size_t kReplayActions = 50;
constexpr int kAboutTemplate = 100;
constexpr int kDecibelTemplate = 145;
constexpr int kUnitConverterTemplate = 146;

// clang-format off
// The navigation buttons with a menu, and the commands of each menu.
struct MenuRow {
    int button;
    std::vector<int> commands;
};
// clang-format on
// Made on first use: the menu resources are tables of another file, whose
// start-up may come after this one's.
const std::vector<MenuRow>& Menus() {
    static const std::vector<MenuRow> menus = [] {
        std::vector<MenuRow> rows;
        for (const NavigationMenu& navigation : NavigationMenus()) {
            MenuRow row{navigation.button, {}};
            if (const MenuResource* menu = FindMenuResource(navigation.menu))
                for (const MenuItemResource& item : menu->items)
                    row.commands.push_back(item.commandId);
            rows.push_back(std::move(row));
        }
        return rows;
    }();
    return menus;
}
// Sorted by command id: a start number picks its page by position in this
// list, whatever order the page registry keeps its rows in.
const std::vector<int>& PageCommands() {
    static const std::vector<int> commands = [] {
        std::vector<int> all;
        for (const PageRow& row : PageRegistry()) all.push_back(row.command);
        std::ranges::sort(all);
        return all;
    }();
    return commands;
}
// clang-format off
// The tool windows: the page that opens each (its command) and its button.
struct ToolRow {
    int pageCommand;
    int button;
};
const std::vector<ToolRow> kTools = {{32771, 1063}, {32772, 1063}, {32771, 1075}, {32772, 1088}};
// The windows a control action picks from, the page more often.
const std::vector<const char*> kWindows = {"main", "page", "page", "page", "decibel", "lp1", "path",
                                           "about"};

const std::vector<std::string> kKeys = {"Enter", "Escape", "Space", "Tab", "Tab", "Shift+Tab",
                                        "Backspace", "Delete", "F1", "1", "5", "0", ".", "-", "e"};
const std::vector<std::string> kKeypadKeys = {
    "Num0", "Num1", "Num2", "Num3", "Num4", "Num5", "Num6", "Num7", "Num8", "Num9", "NumPlus",
    "NumMinus", "NumDecimal", "Clear", "Backspace", "Delete", "Space"};

// Texts that are not plain decimal numbers, of every shape a user types.
const std::vector<std::string> kOddTexts = {
    "inf", "-inf", "nan", "infinity", "NaN", "+inf", "-nan", "abc", "1,000", "1.2.3", "--5",
    "e5", ".", "-", "+", "0x1A", "1e", "1e+", "12abc", " 5 ", "  ", "１２３．５", "１ｅ５",
    "一百二十", "中文测试", "吨", "[1]", "a]b", "0", "0.0", "-0", "+0", "00012", "0e5", ".5",
    "-.5e-3", "2147483647", "2147483648", "-2147483649", "4294967296", "3.4e38", "3.5e38",
    "1e-45", "1e-46", "1.79769313486232e308", "1.8e308", "4.9e-324", "1e-400", "9e99999",
    "-9e99999", "1e-99999", "99999999999999999999"};
// clang-format on

std::string Digits(MonkeyRandom& random, int count) {
    std::string digits;
    for (int i = 0; i < count; ++i) digits += static_cast<char>('0' + random.Below(10));
    return digits;
}

// A text a user might type into a number field.
std::string NumberText(MonkeyRandom& random) {
    switch (random.Below(10)) {
        case 0:
        case 1:
            return std::to_string(random.Below(1000));
        case 2:
            return std::to_string(random.Below(200)) + "." + Digits(random, 1 + random.Below(4));
        case 3:
            return "-" + std::to_string(random.Below(100)) + "." + Digits(random, 2);
        case 4:
            return std::to_string(1 + random.Below(9)) + "e" + (random.Percent(50) ? "-" : "+") +
                   std::to_string(random.Percent(50) ? random.Below(50) : 280 + random.Below(60));
        case 5:
        case 6:
            return random.Pick(kOddTexts);
        case 7:
            return "";
        case 8:  // a long text, digits with a point somewhere
            return Digits(random, 20 + random.Below(60)) + "." +
                   Digits(random, random.Percent(20) ? 1000 : random.Below(200));
        default:
            return std::to_string(random.Below(100000)) + "." + Digits(random, random.Below(8));
    }
}

bool IsReachable(const CDialog* window) {
    return window && window->isVisible() && !IsBlockedByModal(window);
}

CDialog* Reachable(const char* name) {
    CDialog* window = FindNamedWindow(QString::fromLatin1(name));
    if (std::string_view(name) == "page" && window == RunningMainWindow())
        return nullptr;
    return IsReachable(window) ? window : nullptr;
}

CDialog* HolderOf(QWidget* widget) {
    for (QWidget* w = widget; w; w = w->parentWidget())
        if (auto* dialog = dynamic_cast<CDialog*>(w))
            return dialog;
    return nullptr;
}

// A control that could take a command right now: shown and enabled.
bool Usable(const QWidget* control) {
    return control && control->isVisible() && control->isEnabled();
}

QLineEdit* EditPart(QWidget* control) {
    if (auto* combo = qobject_cast<QComboBox*>(control))
        return combo->lineEdit();
    return qobject_cast<QLineEdit*>(control);
}

// The ids of the usable controls of `window` that `wanted` accepts.
template <class Wanted>
std::vector<int> ControlsOf(const CDialog* window, Wanted wanted) {
    std::vector<int> ids;
    const auto& controls = window->Template().controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        QWidget* control = window->ControlAt(i);
        if (controls[i].id > 0 && Usable(control) && wanted(controls[i].kind, control))
            ids.push_back(controls[i].id);
    }
    return ids;
}

}  // namespace

Monkey::Monkey(int actions, std::uint32_t randomStart)
    : random_(randomStart), actions_(actions), randomStart_(randomStart) {
    PrintLine(QStringLiteral("monkey: start %1, %2 actions").arg(randomStart).arg(actions));
    QFile file(QStringLiteral("data.ini"));
    if (file.open(QIODevice::ReadOnly))
        catalogue_ = file.readAll();
    // Boxes and links are counted, not printed.
    SetLineSink([this](const QString& line) { CountLine(line); });
    fields_ = NumberFields();
}

Monkey::~Monkey() {
    SetLineSink({});
}

void Monkey::CountLine(const QString& line) {
    if (line.startsWith(QLatin1String("box: ")))
        ++boxes_;
    else
        ++links_;
}

std::optional<Monkey::Step> Monkey::Next() {
    if (pending_.empty()) {
        RememberAction();
        if (done_ < actions_) {
            ++done_;
            Generate();
        } else if (Reachable("about")) {
            // An About box left by the last action closes before the end.
            EmitWindow("about");
            Emit({Verb::Close});
        } else {
            return std::nullopt;
        }
    }
    Step step{pending_.front(), ++serial_};
    pending_.pop_front();
    current_.push_back(FormatCommand(step.command));
    replay_ = "# monkey " + std::to_string(actions_) + " " + std::to_string(randomStart_) +
              ", the last actions up to " + std::to_string(done_) + ":\n";
    for (const auto& action : history_)
        for (const auto& line : action) replay_ += line + "\n";
    for (const auto& line : current_) replay_ += line + "\n";
    watchdog_.SetReport(replay_);
    fields_ = NumberFields();
    // The field the user types into, whose text is the user's own.
    userTyped_ = nullptr;
    if (step.command.verb == Verb::Window)
        window_ = step.command.text;
    if (step.command.verb == Verb::Key)
        userTyped_ = QApplication::focusWidget();
    if (step.command.verb == Verb::Type)
        if (CDialog* window = FindNamedWindow(QString::fromStdString(window_)))
            userTyped_ = window->GetDlgItem(step.command.id);
    return step;
}

void Monkey::Ran(long serial, const QString& refusal) {
    if (refusal.isEmpty() || serial != serial_)
        return;
    ++refused_;
    if (!current_.empty())
        current_.pop_back();
    pending_.clear();
}

void Monkey::RememberAction() {
    if (current_.empty())
        return;
    history_.push_back(std::move(current_));
    current_.clear();
    if (history_.size() > kReplayActions)
        history_.pop_front();
}

void Monkey::Emit(Command command) {
    pending_.push_back(std::move(command));
}

void Monkey::EmitWindow(const char* name) {
    Emit({Verb::Window, 0, false, 0, name});
}

// clang-format off
const Monkey::Action Monkey::kActions[] = {
    {"type", 26, &Monkey::ActType},       {"click", 18, &Monkey::ActClick},
    {"dblclick", 4, &Monkey::ActDoubleClick}, {"choose", 7, &Monkey::ActChoose},
    {"focus", 5, &Monkey::ActFocus},      {"key", 10, &Monkey::ActKey},
    {"keypad", 6, &Monkey::ActKeypad},    {"page", 5, &Monkey::ActPage},
    {"menu", 4, &Monkey::ActMenu},        {"context", 1, &Monkey::ActContext},
    {"tool", 4, &Monkey::ActTool},        {"close", 4, &Monkey::ActClose},
    {"about", 1, &Monkey::ActAbout},      {"add", 3, &Monkey::ActAddRow},
    {"wheel", 2, &Monkey::ActWheel},
};
// clang-format on

void Monkey::Generate() {
    int total = 0;
    for (const Action& action : kActions) total += action.weight;
    for (int attempt = 0; attempt < 100; ++attempt) {
        int roll = random_.Below(static_cast<std::size_t>(total));
        const Action* chosen = kActions;
        while (roll >= chosen->weight) roll -= (chosen++)->weight;
        pending_.clear();
        if (Act(*chosen)) {
            ++kinds_[chosen->name];
            return;
        }
    }
    // Nothing else fits (a window without controls of the kinds chosen).
    pending_.clear();
    Emit({Verb::Key, 0, false, 0, "Tab"});
    ++kinds_["key"];
}

// The window a control action works in is drawn before every action,
// whether the action uses it or not: the random sequence of a start number
// then does not depend on which actions come before.
bool Monkey::Act(const Action& action) {
    const char* name = kWindows[static_cast<std::size_t>(random_.Below(kWindows.size()))];
    const Target target{name, Reachable(name), Reachable("main") != nullptr};
    return (this->*action.act)(target);
}

template <class Wanted, class Make>
bool Monkey::OnControl(const Target& target, Wanted wanted, Make command) {
    if (!target.window)
        return false;
    const std::vector<int> ids = ControlsOf(target.window, wanted);
    if (ids.empty())
        return false;
    EmitWindow(target.name);
    Emit(command(random_.Pick(ids)));
    return true;
}

bool Monkey::ActType(const Target& target) {
    return OnControl(
        target, [](ControlKind, QWidget* c) { return EditPart(c) && !EditPart(c)->isReadOnly(); },
        [&](int id) {
            return Command{Verb::Type, id, false, 0, NumberText(random_)};
        });
}

bool Monkey::ClickOrDouble(const Target& target, Verb verb) {
    const bool buttonsOnly = random_.Percent(75);
    return OnControl(
        target,
        [&](ControlKind k, QWidget* c) {
            const bool button = qobject_cast<QAbstractButton*>(c) != nullptr;
            return k != ControlKind::GroupBox && (button || !buttonsOnly) &&
                   VisiblePointOf(c).has_value();
        },
        [&](int id) {
            return Command{verb, id};
        });
}

bool Monkey::ActChoose(const Target& target) {
    return OnControl(
        target,
        [](ControlKind, QWidget* c) {
            auto* combo = qobject_cast<QComboBox*>(c);
            return combo && combo->count() > 0;
        },
        [&](int id) {
            auto* combo = qobject_cast<QComboBox*>(target.window->GetDlgItem(id));
            return Command{Verb::Choose, id, false, random_.Below(combo->count())};
        });
}

bool Monkey::ActFocus(const Target& target) {
    return OnControl(
        target, [](ControlKind, QWidget* c) { return c->focusPolicy() != Qt::NoFocus; },
        [](int id) {
            return Command{Verb::Focus, id};
        });
}

bool Monkey::ActWheel(const Target& target) {
    return OnControl(
        target,
        [](ControlKind k, QWidget* c) {
            return (k == ControlKind::ComboBox || k == ControlKind::Edit) &&
                   VisiblePointOf(c).has_value();
        },
        [&](int id) {
            const int notches = 1 + random_.Below(3);
            return Command{Verb::Wheel, id, false, random_.Percent(50) ? notches : -notches};
        });
}

bool Monkey::ActKey(const Target& /*target*/) {
    // Esc, and Enter typed anywhere but on a push button, end the
    // main window at once; those keys go elsewhere only.
    const std::string& key = random_.Pick(kKeys);
    QWidget* focus = QApplication::focusWidget();
    const bool inMain = !focus || HolderOf(focus) == RunningMainWindow();
    if (inMain && (key == "Escape" || (key == "Enter" && !qobject_cast<QPushButton*>(focus))))
        return false;
    Emit({Verb::Key, 0, false, 0, key});
    return true;
}

bool Monkey::ActKeypad(const Target& /*target*/) {
    if (!Reachable("decibel"))
        return false;
    EmitWindow("decibel");
    if (random_.Percent(30)) {
        const std::vector<int> ids = ControlsOf(Reachable("decibel"), [](ControlKind, QWidget* c) {
            return c->focusPolicy() != Qt::NoFocus;
        });
        if (!ids.empty())
            Emit({Verb::Focus, random_.Pick(ids)});
    }
    Emit({Verb::Key, 0, false, 0, random_.Pick(kKeypadKeys)});
    return true;
}

bool Monkey::ActPage(const Target& target) {
    if (!target.mainReachable)
        return false;
    Emit({Verb::Menu, random_.Pick(PageCommands())});
    return true;
}

bool Monkey::ActMenu(const Target& target) {
    if (!target.mainReachable)
        return false;
    const MenuRow& menu = random_.Pick(Menus());
    EmitWindow("main");
    if (random_.Percent(10))
        Emit({Verb::Pick, 0, true});
    else
        Emit({Verb::Pick, random_.Pick(menu.commands)});
    Emit({Verb::Click, menu.button});
    return true;
}

bool Monkey::ActContext(const Target& target) {
    if (!target.mainReachable)
        return false;
    EmitWindow(random_.Percent(50) ? "main" : "page");
    if (!Reachable(pending_.back().text.c_str()))
        return false;
    Emit({Verb::Context});
    return true;
}

bool Monkey::ActTool(const Target& target) {
    if (!target.mainReachable)
        return false;
    const ToolRow& tool = random_.Pick(kTools);
    Emit({Verb::Menu, tool.pageCommand});
    EmitWindow("page");
    Emit({Verb::Click, tool.button});
    return true;
}

bool Monkey::ActClose(const Target& /*target*/) {
    static const char* const closable[] = {"decibel", "lp1", "path", "about"};
    const char* which = closable[random_.Below(4)];
    if (!Reachable(which))
        return false;
    EmitWindow(which);
    Emit({Verb::Close});
    return true;
}

bool Monkey::ActAbout(const Target& target) {
    if (!target.mainReachable)
        return false;
    Emit({Verb::Menu, 1006});
    return true;
}

bool Monkey::ActAddRow(const Target& target) {
    if (!target.mainReachable)
        return false;
    // A kind from the list, or a new one (which needs a base unit).
    std::vector<std::string> kinds;
    for (QWidget* widget : QApplication::allWidgets()) {
        auto* page = dynamic_cast<CDialog*>(widget);
        auto* list = page && page->Template().id == kUnitConverterTemplate
                         ? qobject_cast<QComboBox*>(page->GetDlgItem(1029))
                         : nullptr;
        for (int i = 0; list && i < list->count(); ++i)
            kinds.push_back(list->itemText(i).toStdString());
    }
    const bool known = !kinds.empty() && random_.Percent(70);
    const std::string kind =
        known ? random_.Pick(kinds)
              : (random_.Percent(85) ? "类" + Digits(random_, 3) : NumberText(random_));
    const std::string quantity =
        random_.Percent(75) ? std::to_string(1 + random_.Below(5000)) : NumberText(random_);
    const std::string unit =
        random_.Percent(85) ? "u" + Digits(random_, 4) : random_.Pick(kOddTexts);
    Emit({Verb::Menu, 1005});
    EmitWindow("page");
    Emit({Verb::Type, 1075, false, 0, kind});
    Emit({Verb::Type, 1070, false, 0, quantity});
    if (!known)
        Emit({Verb::Type, 1069, false, 0, "b" + Digits(random_, 2)});
    Emit({Verb::Type, 1071, false, 0, unit});
    Emit({Verb::Click, 1072});
    return true;
}

bool Monkey::ActClick(const Target& target) {
    return ClickOrDouble(target, Verb::Click);
}

bool Monkey::ActDoubleClick(const Target& target) {
    return ClickOrDouble(target, Verb::DblClick);
}

std::vector<Monkey::Field> Monkey::NumberFields() const {
    std::vector<Field> fields;
    auto add = [&](const CDialog* window, int id, bool integer) {
        auto* edit = qobject_cast<QLineEdit*>(window->GetDlgItem(id));
        if (edit && edit->isVisible())
            fields.push_back({edit, integer, edit->text()});
    };
    std::vector<CDialog*> windows{VisiblePage()};
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* dialog = dynamic_cast<CDialog*>(top); dialog && dialog->isVisible())
            windows.push_back(dialog);
    for (const CDialog* window : windows) {
        if (!window)
            continue;
        if (window->Template().id == kDecibelTemplate)
            add(window, 1066, false);
        if (auto* page = dynamic_cast<const CCalcPage*>(window))
            for (const ::Field& field : page->Fields())
                if (field.id > 0 && field.kind != FieldKind::Text &&
                    field.kind != FieldKind::Choice)
                    add(window, field.id, field.kind == FieldKind::Int);
    }
    return fields;
}

QString Monkey::Check() {
    const QWidget* modal = QApplication::activeModalWidget();
    const auto* modalDialog = dynamic_cast<const CDialog*>(modal);
    if (modal && modal != RunningMainWindow() &&
        !(modalDialog && modalDialog->Template().id == kAboutTemplate))
        return QStringLiteral("a modal window is left open: %1 \"%2\"")
            .arg(QLatin1String(modal->metaObject()->className()), modal->windowTitle());

    // A number the program wrote (into a read-only field, or any number
    // field the user did not type into) must read back.
    for (const Field& field : NumberFields()) {
        const auto* edit = qobject_cast<const QLineEdit*>(field.control.data());
        const auto before = std::find_if(fields_.begin(), fields_.end(), [&](const Field& f) {
            return f.control == field.control;
        });
        const bool written =
            before != fields_.end() && before->text != field.text && field.control != userTyped_;
        if (field.text.isEmpty() || !(edit->isReadOnly() || written))
            continue;
        ++numbers_;
        const std::string text = field.text.toStdString();
        const bool reads = field.integer ? vek::text::ParseInt(text).has_value()
                                         : vek::text::ParseDouble(text).has_value();
        if (!reads)
            return QStringLiteral("field %1 of %2 shows \"%3\", which does not read back")
                .arg(ControlId(edit))
                .arg(HolderOf(field.control)->Template().id)
                .arg(field.text);
    }

    QFile file(QStringLiteral("data.ini"));
    const QByteArray now = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (now != catalogue_) {
        if (!now.startsWith(catalogue_) || !now.endsWith('\n'))
            return QStringLiteral("data.ini changed other than by an added line");
        added_ += static_cast<int>(now.mid(catalogue_.size()).count('\n'));
        catalogue_ = now;
    }
    if (!RunningMainWindow() || !RunningMainWindow()->isVisible())
        return QStringLiteral("the main window is gone without a close request");
    return {};
}

void Monkey::PrintSummary() const {
    SetLineSink({});
    QString kinds;
    for (const auto& [name, count] : kinds_)
        kinds += QStringLiteral(" %1=%2").arg(QString::fromLatin1(name.c_str())).arg(count);
    PrintLine(QStringLiteral("monkey: %1 actions:%2").arg(done_).arg(kinds));
    PrintLine(QStringLiteral("monkey: %1 boxes, %2 links or programs, %3 catalogue lines added, "
                             "%4 number texts checked, %5 commands refused, no failure")
                  .arg(boxes_)
                  .arg(links_)
                  .arg(added_)
                  .arg(numbers_)
                  .arg(refused_));
}

void Monkey::PrintFailure(const QString& failure) {
    SetLineSink({});
    watchdog_.Disarm();
    PrintLine(QStringLiteral("monkey: failure after action %1 (start %2): %3")
                  .arg(done_)
                  .arg(randomStart_)
                  .arg(failure));
    for (const QString& line : QString::fromStdString(replay_).split(QLatin1Char('\n')))
        if (!line.isEmpty())
            PrintLine(line);
}

}  // namespace drive

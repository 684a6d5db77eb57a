// SPDX-License-Identifier: MIT
#include "tools/vek-drive/commands.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QLineEdit>
#include <QPixmap>
#include <QTimer>

#include "app/calc_app.h"
#include "controls/color_button.h"
#include "framework/dialog.h"
#include "framework/edit_text.h"
#include "framework/notify.h"
#include "framework/window_text.h"
#include "pages/page_registry.h"
#include "res/menus.h"
#include "tools/vek-drive/output.h"
#include "tools/vek-drive/services.h"
#include "tools/vek-drive/user_input.h"

namespace drive {
namespace {

// How long await lets another program take for its step.
constexpr qint64 kLongestAwaitMs = 60000;

[[noreturn]] void Fail(const QString& message) {
    throw DriveError{message};
}

QString Flag(bool on) {
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

QString Rect(const QRect& r) {
    return QStringLiteral("%1,%2,%3,%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

bool IsReadOnly(const QWidget* widget) {
    if (auto* edit = qobject_cast<const QLineEdit*>(widget))
        return edit->isReadOnly();
    if (auto* combo = qobject_cast<const QComboBox*>(widget))
        return combo->lineEdit() && combo->lineEdit()->isReadOnly();
    return false;
}

bool IsChecked(const QWidget* widget) {
    // The colour button keeps its toggle state of its own.
    if (auto* colorButton = dynamic_cast<const CColorButton*>(widget))
        return colorButton->IsChecked();
    if (auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->isChecked();
    return false;
}

const char* KindName(ControlKind kind) {
    switch (kind) {
        case ControlKind::Edit:
            return "edit";
        case ControlKind::ComboBox:
            return "combo";
        case ControlKind::PushButton:
            return "button";
        case ControlKind::CheckBox:
            return "check";
        case ControlKind::Radio:
            return "radio";
        case ControlKind::GroupBox:
            return "group";
        case ControlKind::Static:
            return "static";
        case ControlKind::Picture:
        case ControlKind::Icon:  // a picture too, of an icon
            return "picture";
        case ControlKind::Label:
            return "label";
    }
    return "static";
}

// The id a script uses for the control that holds `widget` (the edit part of
// a combo box belongs to the combo box).
int ControlIdOf(const QWidget* widget) {
    for (const QWidget* w = widget; w && !w->isWindow(); w = w->parentWidget()) {
        if (dynamic_cast<const CDialog*>(w))
            break;
        if (ControlId(w) != -1)
            return ControlId(w);
    }
    return -1;
}

struct KeyStroke {
    int key;
    bool keypad;
    QString text;
    Qt::KeyboardModifiers held = Qt::NoModifier;
};

KeyStroke KeyOfName(const QString& name) {
    static const std::pair<const char*, KeyStroke> named[] = {
        {"Enter", {Qt::Key_Return, false, QStringLiteral("\r")}},
        {"Escape", {Qt::Key_Escape, false, QStringLiteral("\x1b")}},
        {"Backspace", {Qt::Key_Backspace, false, QStringLiteral("\b")}},
        {"Delete", {Qt::Key_Delete, false, QStringLiteral("\x7f")}},
        {"Tab", {Qt::Key_Tab, false, QStringLiteral("\t")}},
        // Shift+Tab arrives as the back-tab key with Shift held.
        {"Shift+Tab", {Qt::Key_Backtab, false, QString(), Qt::ShiftModifier}},
        {"Space", {Qt::Key_Space, false, QStringLiteral(" ")}},
        {"F1", {Qt::Key_F1, false, QString()}},
        {"Clear", {Qt::Key_Clear, false, QString()}},
        {"NumPlus", {Qt::Key_Plus, true, QStringLiteral("+")}},
        {"NumMinus", {Qt::Key_Minus, true, QStringLiteral("-")}},
        {"NumDecimal", {Qt::Key_Period, true, QStringLiteral(".")}},
        // The copy shortcut: C with Ctrl held types the control character.
        {"Ctrl+C", {Qt::Key_C, false, QStringLiteral("\x03"), Qt::ControlModifier}},
        {"Up", {Qt::Key_Up, false, QString()}},
        {"Down", {Qt::Key_Down, false, QString()}},
        {"Left", {Qt::Key_Left, false, QString()}},
        {"Right", {Qt::Key_Right, false, QString()}},
        {"Home", {Qt::Key_Home, false, QString()}},
        {"End", {Qt::Key_End, false, QString()}},
        {"F6", {Qt::Key_F6, false, QString()}},
    };
    for (const auto& [keyName, stroke] : named)
        if (name == QLatin1String(keyName))
            return stroke;
    if (name.size() == 4 && name.startsWith(QLatin1String("Num")) && name[3].isDigit())
        return {Qt::Key_0 + name[3].digitValue(), true, name.mid(3)};
    // One printable character, typed on the main keyboard.
    const char32_t character = name.toUcs4().value(0);
    const int key = character >= U'a' && character <= U'z'
                        ? static_cast<int>(character - U'a' + U'A')
                        : static_cast<int>(character);
    return {key, false, name};
}

}  // namespace

void CommandRunner::Run(const Command& c) {
    RunVerb(c);
    // A pick the menu this command opened could not take.
    const QString pickFailure = TakePickFailure();
    if (!pickFailure.isEmpty())
        Fail(pickFailure);
}

void CommandRunner::RunVerb(const Command& c) {
    const QString text = QString::fromUtf8(c.text.data(), static_cast<qsizetype>(c.text.size()));
    switch (c.verb) {
        case Verb::Menu:
            return Menu(c.id);
        case Verb::Pick:
            return QueuePick(c.none ? 0 : c.id);
        case Verb::Window:
            return Window(text);
        case Verb::Click:
            return Click(c.id, false);
        case Verb::DblClick:
            return Click(c.id, true);
        case Verb::Hover:
            return Hover(c);
        case Verb::Context:
            return Context();
        case Verb::Close:
            return Close();
        case Verb::Type:
            return Type(c.id, text);
        case Verb::Choose:
            return Choose(c.id, c.number);
        case Verb::Focus:
            return Focus(c.id);
        case Verb::Key:
            return Key(text);
        case Verb::Get:
            return Get(c.id);
        case Verb::Items:
            return Items(c.id);
        case Verb::State:
            return State(c.id);
        case Verb::Focused:
            return Focused();
        case Verb::Geometry:
            return Geometry();
        case Verb::Dump:
            return Dump();
        case Verb::Wait:
            return Wait(c.number);
        case Verb::Await:
            return Await(text);
        case Verb::Screenshot:
            return Screenshot(text);
        case Verb::Wheel:
            return Wheel(c.id, c.number);
        case Verb::Clipboard:
            return Clipboard();
        case Verb::Accessible:
            return Accessible(c);
        case Verb::AnswerFile:
            return QueueFileAnswer(text);
        case Verb::Monkey:
            Fail(QStringLiteral("monkey runs from the script only"));
    }
}

void CommandRunner::InterruptWait() {
    if (wait_)
        wait_->quit();
}

CDialog* CommandRunner::Current() const {
    CDialog* current = windows_.Current();
    if (!current)
        Fail(QStringLiteral("the current window is gone"));
    return current;
}

QWidget* CommandRunner::Control(int id) const {
    QWidget* control = Current()->GetDlgItem(id);
    if (!control)
        Fail(QStringLiteral("unknown control %1").arg(id));
    return control;
}

void CommandRunner::CheckReachable(const QWidget* window) const {
    if (!window->isVisible())
        Fail(QStringLiteral("the window is not shown"));
    if (IsBlockedByModal(window))
        Fail(QStringLiteral("the window is behind a modal window"));
}

QWidget* CommandRunner::UsableControl(int id) const {
    QWidget* control = Control(id);
    CheckReachable(Current());
    if (!control->isVisible())
        Fail(QStringLiteral("control %1 is hidden").arg(id));
    if (!control->isEnabled())
        Fail(QStringLiteral("control %1 is disabled").arg(id));
    return control;
}

namespace {

// What `menu` delivers: a push button of the main window that acts at once
// (not one that opens a pop-up menu), or an entry of one of those menus.
bool IsNavigationCommand(const CDialog& main, int id) {
    for (const NavigationMenu& navigation : NavigationMenus()) {
        if (id == navigation.button)
            return false;
        if (const MenuResource* menu = FindMenuResource(navigation.menu))
            for (const MenuItemResource& item : menu->items)
                if (item.commandId == id)
                    return true;
    }
    for (const ControlTemplate& control : main.Template().controls)
        if (control.id == id && control.kind == ControlKind::PushButton)
            return true;
    return false;
}

}  // namespace

void CommandRunner::Menu(int id) {
    CDialog* main = RunningMainWindow();
    if (!main)
        Fail(QStringLiteral("the main window is not open"));
    if (!IsNavigationCommand(*main, id))
        Fail(QStringLiteral("menu takes a navigation button or a menu entry, not %1").arg(id));
    CheckReachable(main);
    // The page shown becomes current; a modal window opened by the command
    // (the About box) gives it back when it closes.
    if (CDialog* page = VisiblePage())
        windows_.SetCurrent(page);
    const int epoch = windows_.Epoch();
    if (id < 32771) {
        QWidget* button = main->GetDlgItem(id);
        if (!button)
            Fail(QStringLiteral("the main window has no control %1").arg(id));
        if (!button->isVisible())
            Fail(QStringLiteral("control %1 is hidden").arg(id));
        if (!button->isEnabled())
            Fail(QStringLiteral("control %1 is disabled").arg(id));
        const auto point = VisiblePointOf(button);
        if (!point)
            Fail(QStringLiteral("control %1 is covered").arg(id));
        ActivateWindowOf(main);
        ClickAt(button, *point, false);
    } else {
        PostCommand(main, id);
    }
    QCoreApplication::processEvents();
    if (windows_.Epoch() != epoch)
        return;
    if (CDialog* page = VisiblePage())
        windows_.SetCurrent(page);
}

void CommandRunner::Window(const QString& name) {
    CDialog* window = FindNamedWindow(name);
    if (!window)
        Fail(QStringLiteral("window %1 is not open").arg(name));
    windows_.SetCurrent(window);
    // Turning to a window brings it to the front, as a click on its caption.
    if (window->isVisible() && !IsBlockedByModal(window))
        ActivateWindowOf(window);
}

void CommandRunner::Click(int id, bool doubleClick) {
    QWidget* control = UsableControl(id);
    const auto point = VisiblePointOf(control);
    if (!point)
        Fail(QStringLiteral("control %1 is covered").arg(id));
    ActivateWindowOf(control);
    ClickAt(control, *point, doubleClick);
    QCoreApplication::processEvents();
}

void CommandRunner::Hover(const Command& c) {
    if (c.none) {
        CDialog* current = Current();
        CheckReachable(current);
        QWidget* top = current->window();
        MoveMouseTo(top, BackgroundPointOf(top));
    } else {
        QWidget* control = Control(c.id);
        CheckReachable(Current());
        if (!control->isVisible())
            Fail(QStringLiteral("control %1 is hidden").arg(c.id));
        const auto point = VisiblePointOf(control);
        if (!point)
            Fail(QStringLiteral("control %1 is covered").arg(c.id));
        MoveMouseTo(control, *point);
    }
    QCoreApplication::processEvents();
}

void CommandRunner::Context() {
    CDialog* current = Current();
    CheckReachable(current);
    ActivateWindowOf(current);
    // A right click on the window's own background; a window without a
    // menu of its own passes the request on to the window that holds it.
    const QPoint point = BackgroundPointOf(current);
    QContextMenuEvent event(QContextMenuEvent::Mouse, point, current->mapToGlobal(point));
    QCoreApplication::sendEvent(current, &event);
    QCoreApplication::processEvents();
}

void CommandRunner::Close() {
    // The close box is on the caption of the window that holds the current
    // one (a page has none of its own).
    QWidget* top = Current()->window();
    CheckReachable(top);
    top->close();
    QCoreApplication::processEvents();
}

void CommandRunner::Type(int id, const QString& text) {
    QWidget* control = Control(id);
    QLineEdit* edit = qobject_cast<QLineEdit*>(control);
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        edit = combo->lineEdit();
        if (!edit)
            Fail(QStringLiteral("combo box %1 has no edit part").arg(id));
    }
    if (!edit)
        Fail(QStringLiteral("control %1 is not an edit field").arg(id));
    UsableControl(id);
    ActivateWindowOf(control);
    control->setFocus(Qt::MouseFocusReason);
    QCoreApplication::processEvents();
    const QPointer<QLineEdit> alive(edit);
    if (!alive)
        return;
    edit->selectAll();
    if (text.isEmpty())
        PressKey(edit, Qt::Key_Delete, false, QStringLiteral("\x7f"));
    else
        TypeCharacters(edit, text);
    QCoreApplication::processEvents();
}

void CommandRunner::Choose(int id, int index) {
    auto* combo = qobject_cast<QComboBox*>(Control(id));
    if (!combo)
        Fail(QStringLiteral("control %1 is not a combo box").arg(id));
    UsableControl(id);
    if (index >= combo->count())
        Fail(QStringLiteral("combo box %1 has no item %2 (it has %3)")
                 .arg(id)
                 .arg(index)
                 .arg(combo->count()));
    // The user opens the list (which focuses the box) and clicks the item:
    // the box shows it and reports the choice once.
    ActivateWindowOf(combo);
    combo->setFocus(Qt::MouseFocusReason);
    QCoreApplication::processEvents();
    const QPointer<QComboBox> alive(combo);
    if (!alive)
        return;
    combo->setCurrentIndex(index);
    emit combo->activated(index);
    if (alive)
        emit combo->textActivated(combo->itemText(index));
    QCoreApplication::processEvents();
}

void CommandRunner::Focus(int id) {
    QWidget* control = UsableControl(id);
    if (control->focusPolicy() == Qt::NoFocus)
        Fail(QStringLiteral("control %1 cannot take the keyboard focus").arg(id));
    ActivateWindowOf(control);
    control->setFocus(Qt::OtherFocusReason);
    QCoreApplication::processEvents();
}

void CommandRunner::Key(const QString& name) {
    QWidget* target = QApplication::focusWidget();
    if (!target)
        target = QApplication::activeWindow();
    if (!target)
        Fail(QStringLiteral("no window has the keyboard focus"));
    const KeyStroke stroke = KeyOfName(name);
    PressKey(target, stroke.key, stroke.keypad, stroke.text, stroke.held);
}

void CommandRunner::Get(int id) const {
    PrintLine(QStringLiteral("%1=%2").arg(id).arg(OneLine(WindowText(Control(id)))));
}

void CommandRunner::Items(int id) const {
    auto* combo = qobject_cast<QComboBox*>(Control(id));
    if (!combo)
        Fail(QStringLiteral("control %1 has no list").arg(id));
    for (int i = 0; i < combo->count(); ++i)
        PrintLine(QStringLiteral("%1[%2]=%3").arg(id).arg(i).arg(OneLine(combo->itemText(i))));
}

void CommandRunner::State(int id) const {
    const QWidget* control = Control(id);
    QString line = QStringLiteral("%1 visible=%2 enabled=%3 readonly=%4 checked=%5")
                       .arg(id)
                       .arg(Flag(control->isVisible()), Flag(control->isEnabled()),
                            Flag(IsReadOnly(control)), Flag(IsChecked(control)));
    // An edit field also tells where its shown text begins.
    if (auto* edit = qobject_cast<const QLineEdit*>(control))
        line += QStringLiteral(" first=%1").arg(FirstShownCharacter(edit));
    PrintLine(line);
}

void CommandRunner::Focused() const {
    const QWidget* focus = QApplication::focusWidget();
    if (!focus || dynamic_cast<const CDialog*>(focus)) {
        PrintLine(QStringLiteral("focus=none"));
        return;
    }
    PrintLine(QStringLiteral("focus=%1").arg(ControlIdOf(focus)));
}

// The clipboard's plain text, line by line; "clipboard=" when it holds none.
void CommandRunner::Clipboard() const {
    const QString text = QApplication::clipboard()->text();
    if (text.isEmpty()) {
        PrintLine(QStringLiteral("clipboard="));
        return;
    }
    for (const QString& line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) PrintLine(line);
}

void CommandRunner::Geometry() const {
    const CDialog* current = Current();
    const QWidget* top = current->window();
    const QRect onScreen = current->isWindow()
                               ? current->geometry()
                               : QRect(current->mapToGlobal(QPoint(0, 0)), current->size());
    PrintLine(QStringLiteral("geometry=%1 topmost=%2 visible=%3")
                  .arg(Rect(onScreen), Flag(top->windowFlags().testFlag(Qt::WindowStaysOnTopHint)),
                       Flag(current->isVisible())));
}

void CommandRunner::Dump() const {
    const CDialog* current = Current();
    const auto& controls = current->Template().controls;
    for (size_t i = 0; i < controls.size(); ++i) {
        const ControlTemplate& c = controls[i];
        const QWidget* w = current->ControlAt(i);
        const QRect px =
            w ? QRect(w->mapTo(current, QPoint(0, 0)), w->size()) : current->TemplateRectPixels(c);
        PrintLine(QStringLiteral("%1 %2 dlu=%3 px=%4 visible=%5 enabled=%6 readonly=%7 text=%8")
                      .arg(c.id)
                      .arg(QLatin1String(KindName(c.kind)),
                           Rect(QRect(c.x, c.y, c.width, c.height)), Rect(px),
                           Flag(w && w->isVisible()), Flag(w && w->isEnabled()),
                           Flag(w && IsReadOnly(w)), OneLine(WindowText(w))));
    }
}

void CommandRunner::Wait(int ms) {
    QEventLoop loop;
    wait_ = &loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void CommandRunner::Await(const QString& file) {
    // Another program's step: the events go on while it works, and a file
    // it makes says it is done.
    QElapsedTimer waited;
    waited.start();
    while (!QFileInfo::exists(file)) {
        if (waited.elapsed() > kLongestAwaitMs)
            Fail(QStringLiteral("%1 did not appear").arg(file));
        Wait(20);
    }
}

void CommandRunner::Wheel(int id, int notches) {
    // The pointer rests on the control; the wheel turns without a click, so
    // the focus stays where it is.
    QWidget* control = UsableControl(id);
    const auto point = VisiblePointOf(control);
    if (!point)
        Fail(QStringLiteral("control %1 is covered").arg(id));
    MoveMouseTo(control, *point);
    TurnWheel(control, *point, notches);
    QCoreApplication::processEvents();
}

void CommandRunner::Screenshot(const QString& file) const {
    if (!Current()->grab().save(file, "PNG"))
        Fail(QStringLiteral("cannot write %1").arg(file));
}

}  // namespace drive

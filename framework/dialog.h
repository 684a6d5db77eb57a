// SPDX-License-Identifier: MIT
#pragma once
// CDialog: a window built from a dialog template, with field exchange, a
// message map and a colour handler, the way every page and tool window of
// vek is written:
//
//   template (res/) -> controls -> DoDataExchange <-> members -> formula
//
// A derived window lists its handlers in BuildMessageMap(), its exchange in
// DoDataExchange(), sets its defaults in OnInitDialog() and its colours in
// OnCtlColor().

#include <QDialog>
#include <QPalette>
#include <QString>
#include <functional>
#include <utility>
#include <vector>

#include "framework/ctl_color.h"
#include "framework/dialog_template.h"
#include "framework/dialog_units.h"
#include "framework/message_box.h"
#include "framework/notify.h"

class CDataExchange;
class QButtonGroup;

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

class CDialog : public QDialog, public NotifyTarget {
public:
    explicit CDialog(int templateId);
    // A window from a template that is not among the program's resources.
    explicit CDialog(const DialogTemplate& dialogTemplate);
    ~CDialog() override;

    // Creates the window from its template: a page or tool window (modeless,
    // hidden until shown) with the given parent. Runs OnInitDialog.
    bool Create(QWidget* parent);
    bool IsCreated() const { return created_; }
    // Destroys the window's controls (the window object and its members
    // stay), so that the next Create builds it anew from its template.
    // Control classes of the window's own are let go, not destroyed.
    void DestroyWindow();
    // Creates the window as a modal dialog and runs it; returns the result
    // given to EndDialog.
    int DoModal(QWidget* parent = nullptr);

    bool UpdateData(bool saveAndValidate = true);
    QWidget* GetDlgItem(int id) const;
    int MessageBox(const QString& text, const QString& caption = {}, unsigned type = BoxType::Ok);
    void EndDialog(int result);

    const DialogTemplate& Template() const { return *template_; }
    const DialogBaseUnits& BaseUnits() const { return baseUnits_; }
    // Where the template's (0, 0) lies in the window (inside a page's edge).
    QPoint ClientOrigin() const;
    // The template rectangle of a control converted to pixels of this window.
    QRect TemplateRectPixels(const ControlTemplate& control) const;
    const ControlTemplate* TemplateOf(int id) const;
    // The widget of the template's control at `index` (template order), so
    // that controls without an id can be reached too; nullptr past the end.
    QWidget* ControlAt(std::size_t index) const;

    // Notifications reach the message map only when no exchange runs.
    bool OnControlNotify(int id, int code) override;
    bool InExchange() const { return exchangeDepth_ > 0; }

    // While a QuietScope lives, notifications from the window's own controls
    // are dropped, as during an exchange (see framework/quiet_field.h).
    class QuietScope {
    public:
        explicit QuietScope(CDialog& dialog) : dialog_(dialog) { ++dialog_.exchangeDepth_; }
        ~QuietScope() { --dialog_.exchangeDepth_; }
        QuietScope(const QuietScope&) = delete;
        QuietScope& operator=(const QuietScope&) = delete;

    private:
        CDialog& dialog_;
    };

    // Re-applies the colour handler to every control (after a control turns
    // read-only or is disabled, for instance).
    void RefreshColors();

    // The framework's side of DDX_Control: puts `control` in place of the
    // template control `id` (geometry, text, id, tab order, visibility).
    void AdoptControl(int id, QWidget* control);
    // The radio buttons of the group that starts at `firstId`.
    std::vector<QWidget*> RadioGroup(int firstId) const;

    // The controls Tab and Shift+Tab cycle through, in order: the window's
    // own, in template order, then those of its shown pages.
    virtual std::vector<QWidget*> TabCycle() const;

    // How a screen reader names a field (edit or list): its label as the
    // window shows it, and what the label leaves out (symbol, unit). By
    // default the static text that stands before the field in the template.
    struct FieldName {
        QString name;
        QString description;
    };
    virtual FieldName NameOfField(int id) const;

protected:
    virtual bool OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual void BuildMessageMap() {}
    virtual CtlColor OnCtlColor(QWidget* control, CtlColorKind kind);
    virtual void OnOK();
    virtual void OnCancel();
    // A close request (the caption's close box); by default Cancel.
    virtual void OnClose();

    // Message map entry: (control id, notification) -> handler.
    template <class T>
    void On(int id, int code, void (T::*handler)()) {
        T* self = static_cast<T*>(this);
        messageMap_.push_back({id, code, [self, handler] { (self->*handler)(); }});
    }
    // Message map entry for a handler that is not a member function (one
    // written for a row of a table).
    void On(int id, int code, std::function<void()> handler) {
        messageMap_.push_back({id, code, std::move(handler)});
    }

    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    // Tab and Shift+Tab stay among this window's own controls.
    bool focusNextPrevChild(bool next) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    struct Entry {
        const ControlTemplate* tmpl;
        QWidget* widget;
        bool adopted;  // a control class of the window's own, painting itself
    };
    struct MapEntry {
        int id;
        int code;
        std::function<void()> handler;
    };
    friend class CDataExchange;

    void BuildWindow(QWidget* parent);
    void CreateControls();
    void StackControls();
    void WireNotifications(QWidget* widget);
    // What a control's palette is made from: its kind, the colour handler's
    // answer and the application palette.
    struct PaletteRecipe {
        CtlColorKind kind;
        CtlColor answer;
        qint64 base;
        bool operator==(const PaletteRecipe& other) const;
    };
    void ApplyColorsTo(const Entry& entry);
    static bool FillsBackground(const CtlColor& answer);
    const QPalette& PaletteFor(const PaletteRecipe& recipe);
    void OnFocusIn(QWidget* control);
    void OnFocusOut(QWidget* control, QFocusEvent* event);
    void ApplyTabOrder();
    // Gives every field its accessible name and description.
    void NameFields();

    const DialogTemplate* template_;
    DialogBaseUnits baseUnits_;
    std::vector<Entry> controls_;
    std::vector<MapEntry> messageMap_;
    std::vector<QButtonGroup*> radioGroups_;
    std::vector<std::pair<PaletteRecipe, QPalette>> palettes_;  // made so far
    int exchangeDepth_ = 0;
    bool modal_ = false;
    bool created_ = false;
    QWidget* initialFocus_ = nullptr;
};

// SPDX-License-Identifier: MIT
#pragma once
// Field exchange between a window's controls and its members. A take-in
// (saveAndValidate) reads each control into its member in list order and
// stops at the first field that does not hold a number: a box asks for one,
// that field gets the focus with its text selected, and the members after it
// keep their values. A put-out writes every member into its control.

#include <QPointer>
#include <QString>
#include <QWidget>

class CDialog;

class CDataExchange {
public:
    CDataExchange(CDialog* dialog, bool saveAndValidate)
        : dialog_(dialog), save_(saveAndValidate) {}

    bool saving() const { return save_; }
    bool failed() const { return failed_; }
    CDialog* dialog() const { return dialog_; }

    // The control of `id`, or nullptr (the exchange then skips the field).
    QWidget* Control(int id) const;
    // A field that does not parse: the box, focus and selection, and the
    // stop of the exchange; a hidden field is skipped quietly instead.
    void Fail(QWidget* control, bool wholeNumber);

private:
    CDialog* dialog_;
    bool save_;
    bool failed_ = false;
};

// A plain handle on a template control (to move the focus there, or to fill
// and read a list). It lets go when the control is destroyed, so the first
// exchange of a window built anew binds it again.
class CWndRef {
public:
    QWidget* widget() const { return widget_; }
    void Attach(QWidget* widget) { widget_ = widget; }
    bool IsNull() const { return widget_ == nullptr; }
    // Adds an entry to a combo box's list: in order when its template keeps
    // the list sorted, else at the end. Returns the entry's index, -1 when
    // the control is not a combo box.
    int AddString(const QString& text) const;

private:
    QPointer<QWidget> widget_;
};

void DDX_Text(CDataExchange* pDX, int id, float& value);
void DDX_Text(CDataExchange* pDX, int id, double& value);
void DDX_Text(CDataExchange* pDX, int id, int& value);
void DDX_Text(CDataExchange* pDX, int id, QString& value);
// Index of the checked button of the radio group that starts at `firstId`,
// -1 when none is checked.
void DDX_Radio(CDataExchange* pDX, int firstId, int& value);
// A combo box's text: take-in reads the edit part or the chosen entry;
// put-out chooses the first entry that begins with the text, else puts the
// text into the edit part.
void DDX_CBString(CDataExchange* pDX, int id, QString& value);
// Binds a handle, or puts a control class of the window's own in place of
// the template control (first exchange only).
void DDX_Control(CDataExchange* pDX, int id, CWndRef& handle);
void DDX_Control(CDataExchange* pDX, int id, QWidget& control);

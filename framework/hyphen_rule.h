// SPDX-License-Identifier: MIT
#pragma once
// A static text made of hyphens only is a rule between result rows: it runs
// the width its template gives it in dialog units, whatever the face. It
// shows as many hyphens as fit that width in its font (the template's count
// with the usual Chinese face, more where a face's hyphen is narrower).

#include <QLabel>

class HyphenRule : public QLabel {
public:
    explicit HyphenRule(QWidget* parent = nullptr);

    // Whether a template text is such a rule.
    static bool IsRule(const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Fill();
};

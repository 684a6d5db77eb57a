// SPDX-License-Identifier: MIT
#pragma once
// A calculator page shown in a host window, with the user's typing and
// clicks, and its message boxes recorded.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QWidget>

#include "tests/ui/ui_test_support.h"

template <class Page>
class PageTest : public ::testing::Test {
protected:
    void SetUp() override {
        host.resize(480, 360);
        page.Create(&host);
        page.show();
        ShowActive(&host);
    }
    void Type(int id, const QString& text) { EditOf(&page, id)->setText(text); }
    // Key by key: each keystroke changes the text once.
    void TypeKeys(int id, const QString& text) {
        for (qsizetype n = 1; n <= text.size(); ++n) Type(id, text.left(n));
    }
    QString Text(int id) { return EditOf(&page, id)->text(); }
    void Click(int id) { qobject_cast<QAbstractButton*>(page.GetDlgItem(id))->click(); }
    bool Shown(int id) { return !page.GetDlgItem(id)->isHidden(); }

    QWidget host;
    Page page;
    BoxRecorder boxes;
};

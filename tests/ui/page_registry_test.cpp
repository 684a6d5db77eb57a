// SPDX-License-Identifier: MIT
// The pages of the main window: one registry row each, in creation order;
// each command shows the page its row names; a page's fields, bindings and
// template agree (an input is an editable field, a result a read-only one).

#include "pages/page_registry.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <set>

#include "app/main_dlg.h"
#include "tests/ui/ui_test_support.h"

namespace {

TEST(PageRegistry, NinePagesInCreationOrder) {
    std::vector<int> templates;
    std::set<int> indices, commands;
    for (const PageRow& row : PageRegistry()) {
        templates.push_back(row.templateId);
        EXPECT_TRUE(indices.insert(row.index).second) << row.index;
        EXPECT_TRUE(commands.insert(row.command).second) << row.command;
        EXPECT_TRUE(row.index >= 1 && row.index <= 9) << row.index;
        if (row.create) {
            EXPECT_EQ(row.create()->Template().id, row.templateId);
        }
    }
    EXPECT_EQ(templates, (std::vector<int>{129, 130, 151, 131, 133, 148, 150, 146, 152}));
}

TEST(PageRegistry, EachCommandShowsThePageItsRowNames) {
    FakeServices services;
    BoxRecorder boxes;
    CMainDlg dlg;
    dlg.Create(nullptr);
    for (const PageRow& row : PageRegistry()) {
        SCOPED_TRACE(row.command);
        dlg.ShowPage(row.index == 1 ? 2 : 1);  // start elsewhere
        PostCommand(&dlg, row.command);
        QApplication::processEvents();
        // A page this build does not have falls back to page 1.
        CDialog* expected = row.create ? dlg.Page(row.index) : dlg.Page(1);
        ASSERT_NE(expected, nullptr);
        EXPECT_EQ(dlg.VisiblePage(), expected);
        if (row.create) {
            EXPECT_EQ(dlg.Page(row.index)->Template().id, row.templateId);
        }
    }
    dlg.EndDialog(IDOK);
}

// What kind of control a field of this kind and role must be.
bool FitsTemplate(const Field& field, const ControlTemplate& control) {
    const bool readOnly = control.style & Style::ReadOnly;
    switch (field.kind) {
        case FieldKind::Choice:
            return control.kind == ControlKind::Radio || control.kind == ControlKind::ComboBox ||
                   control.kind == ControlKind::CheckBox;
        case FieldKind::Text:
            if (field.role == FieldRole::Result && control.kind == ControlKind::Static)
                return true;  // a result line
            if (field.role == FieldRole::Input && control.kind == ControlKind::ComboBox &&
                (control.style & Style::DropList))
                return true;  // a list whose chosen item's text is the value
            [[fallthrough]];
        default:
            return control.kind == ControlKind::Edit &&
                   readOnly == (field.role == FieldRole::Result);
    }
}

TEST(PageFields, EveryFieldIsABoundControlOfItsKind) {
    for (const PageRow& row : PageRegistry()) {
        if (!row.create)
            continue;
        SCOPED_TRACE(row.templateId);
        const std::unique_ptr<CCalcPage> page = row.create();
        std::set<int> bound;
        for (const CCalcPage::Binding& binding : page->Bindings()) {
            if (binding.how == CCalcPage::Binding::How::ListText)
                continue;  // a list's text beside its selection
            EXPECT_TRUE(bound.insert(binding.id).second) << binding.id;
            const Field* field = FindField(page->Fields(), binding.id);
            ASSERT_NE(field, nullptr) << binding.id;
            // The member holds the field's width.
            const std::size_t member = binding.member.index();  // float, double, int, text
            const FieldKind kinds[] = {FieldKind::Float, FieldKind::Double, FieldKind::Int,
                                       FieldKind::Text};
            if (field->kind == FieldKind::Choice)
                EXPECT_EQ(member, 2u) << binding.id;
            else
                EXPECT_EQ(kinds[member], field->kind) << binding.id;
        }
        for (const Field& field : page->Fields()) {
            if (field.id == 0)
                continue;
            EXPECT_TRUE(bound.count(field.id)) << field.id << " is not bound";
            const ControlTemplate* control = nullptr;
            for (const ControlTemplate& c : page->Template().controls)
                if (c.id == field.id)
                    control = &c;
            ASSERT_NE(control, nullptr) << field.id << " is not in the template";
            EXPECT_TRUE(FitsTemplate(field, *control)) << field.id;
        }
    }
}

// Every page on an offscreen grab: the page colour around its controls,
// white inside a field the user types into, the page colour inside a
// read-only result.
TEST(PageColours, PageColourAroundWhiteInputsAndColouredResults) {
    const QColor pageColour(159, 185, 245);
    for (const PageRow& row : PageRegistry()) {
        if (!row.create)
            continue;
        SCOPED_TRACE(row.templateId);
        QWidget host;
        host.resize(480, 360);
        const std::unique_ptr<CCalcPage> page = row.create();
        page->Create(&host);
        page->show();
        ShowActive(&host);
        const QImage image = page->grab().toImage();
        EXPECT_EQ(image.pixelColor(page->width() - 4, page->height() - 4), pageColour);
        for (const Field& field : page->Fields()) {
            auto* edit = qobject_cast<QLineEdit*>(page->GetDlgItem(field.id));
            if (!edit || !edit->isVisible())
                continue;
            const QRect r = edit->geometry();
            const QColor inside = image.pixelColor(r.right() - 3, r.top() + 3);
            EXPECT_EQ(inside, edit->isReadOnly() ? pageColour : QColor(Qt::white)) << field.id;
        }
    }
}

}  // namespace

// SPDX-License-Identifier: MIT
// The pages of the main window: one registry row each, in creation order;
// each command shows the page its row names; a page's fields, bindings and
// template agree (an input is an editable field, a result a read-only one).

#include "pages/page_registry.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QHelpEvent>
#include <QImage>
#include <QLineEdit>
#include <QToolTip>
#include <set>
#include <tuple>

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

// What shows after the pointer rests on a control.
QString TipOver(QWidget* control) {
    QToolTip::hideText();
    RunFor(400, [] { return !QToolTip::isVisible(); });
    const QPoint centre = control->rect().center();
    QHelpEvent help(QEvent::ToolTip, centre, control->mapToGlobal(centre));
    QApplication::sendEvent(control, &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

// Only the protection-distance page explains some of its controls; a
// control without a tip, on that page or another, shows none.
TEST(PageToolTips, WhereThePagesExplainThemselves) {
    const std::tuple<int, int, const char*> tips[] = {
        {3, 1037, "无组织排放源所在生产单元的面积"},
        {3, 1040, "选项里没有的污染因子，浓度数据可以直接在这里输入"},
        {3, 1050, "已知无组织排放量计算卫生防护距离的值"},
        {3, 1051,
         "卫生防护距离在100m以内时，级差为50m；超过100m，但小于或等于1000m时，级差为100m；超过1000m"
         "以上，级差为200m。"},
        {3, 1053, "已知卫生防护距离控制无组织排放量的值"},
        {3, 1038, ""},
        {1, 1005, ""},
    };
    FakeServices services;
    CMainDlg dlg;
    dlg.Create(nullptr);
    ShowActive(&dlg);
    for (const auto& [index, id, tip] : tips) {
        dlg.ShowPage(index);
        EXPECT_EQ(TipOver(dlg.Page(index)->GetDlgItem(id)), QString::fromUtf8(tip)) << id;
    }
    QToolTip::hideText();
    dlg.EndDialog(IDOK);
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

// Dialog templates as data, their conversion from dialog units and the controls they make.
#include "res/DialogTemplates.h"
#include "support/HeadlessHostFixture.h"
#include "wnd/CheckBox.h"
#include "wnd/Dialog.h"
#include "wnd/Edit.h"
#include "wnd/RadioButton.h"
#include "wnd/Static.h"

namespace lumora {
namespace {

TEST(DialogUnitsTest, FixedBaseUnitsPerFontSize) {
    struct Case {
        int pointSize;
        int x, y, cx, cy;
        Rect pixels;
    };
    const Case cases[] = {
        {9, 0, 0, 320, 200, Rect::FromXywh(0, 0, 560, 350)},   // the filter bar
        {9, 1, 57, 116, 14, Rect::FromXywh(2, 100, 203, 25)},  // halves round away from zero
        {8, 1, 15, 73, 14, Rect::FromXywh(2, 24, 110, 23)},
        {8, 0, 0, 107, 103, Rect::FromXywh(0, 0, 161, 167)},  // the interval picker
    };
    for (const Case& c : cases)
        EXPECT_EQ(DialogUnits(c.pointSize).ToPixels(c.x, c.y, c.cx, c.cy), c.pixels)
            << c.pointSize << " " << c.cx;
}

TEST(DialogTemplatesTest, EveryTemplateOfTheProgramIsThere) {
    for (int id : {102, 103, 106, 107, 108, 109, 110, 131}) {
        const DialogTemplate* t = FindDialogTemplate(id);
        ASSERT_NE(t, nullptr) << id;
        EXPECT_EQ(t->id, id);
        EXPECT_EQ(t->fontFace, "MS Shell Dlg");
        EXPECT_EQ(t->pointSize, id == 131 ? 8 : 9) << id;
    }
    EXPECT_EQ(FindDialogTemplate(104), nullptr);
}

class TemplateDialog : public Dialog {
public:
    explicit TemplateDialog(int id) : Dialog(DialogResource(id)) {}
};

using DialogFromTemplateTest = HeadlessHostFixture;

TEST_F(DialogFromTemplateTest, FilterBarMeasures560By350AsAChild) {
    Wnd frame;
    frame.CreateEx(0, "", WS_POPUP | WS_VISIBLE, Rect::FromXywh(0, 0, 900, 667), nullptr);
    TemplateDialog bar(kFilterBarTemplate);
    ASSERT_TRUE(bar.Create(&frame));
    EXPECT_EQ(bar.GetClientRect(), Rect::FromXywh(0, 0, 560, 350));
    EXPECT_EQ(bar.GetParent(), &frame);
    EXPECT_FALSE(bar.IsVisibleFlag());
    EXPECT_EQ(bar.GetExStyle() & WS_EX_TRANSPARENT, WS_EX_TRANSPARENT);
    ASSERT_NE(bar.GetDlgItem(1035), nullptr);
    EXPECT_EQ(bar.GetDlgItem(1035)->RectInParent(), Rect::FromXywh(12, 19, 88, 25));
    EXPECT_EQ(bar.GetDlgItem(1036)->GetWindowText(), "收藏");
}

TEST_F(DialogFromTemplateTest, ControlsKeepIdsOrderAndKinds) {
    TemplateDialog dlg(kSettingsTemplate);
    ASSERT_TRUE(dlg.Create(nullptr));
    const auto& children = dlg.Children();
    ASSERT_EQ(children.size(), 13u);
    EXPECT_EQ(children.front()->GetDlgCtrlID(), 1032);
    EXPECT_EQ(children.back()->GetDlgCtrlID(), 2);
    EXPECT_NE(dynamic_cast<CheckBox*>(dlg.GetDlgItem(1022)), nullptr);
    EXPECT_NE(dynamic_cast<RadioButton*>(dlg.GetDlgItem(1024)), nullptr);
    EXPECT_NE(dynamic_cast<Static*>(dlg.GetDlgItem(-1)), nullptr);
    auto* edit = dynamic_cast<Edit*>(dlg.GetDlgItem(1027));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->GetStyle() & (ES_READONLY | ES_MULTILINE), ES_READONLY | ES_MULTILINE);
    EXPECT_TRUE(edit->Native() != nullptr);
    EXPECT_EQ(dlg.GetDlgItem(1)->GetWindowText(), "确定");
}

TEST_F(DialogFromTemplateTest, BoundObjectsGetTheirControlsWindow) {
    struct Panel : Dialog {
        Panel() : Dialog(DialogResource(kMenuPanelTemplate)) {}
        Button exit;
        void DoDataExchange() override { BindControl(1020, exit); }
    } panel;
    ASSERT_TRUE(panel.Create(nullptr));
    EXPECT_EQ(panel.GetDlgItem(1020), &panel.exit);
    EXPECT_EQ(panel.exit.GetWindowText(), "退出");
    EXPECT_EQ(panel.exit.GetFont().pointSize, 9);
}

TEST_F(DialogFromTemplateTest, AutoRadioButtonsClearTheirGroupAndCheckBoxesToggle) {
    TemplateDialog dlg(kSettingsTemplate);
    ASSERT_TRUE(dlg.Create(nullptr));
    dlg.MoveWindow(Rect::FromXywh(0, 0, 407, 389));
    dlg.ShowWindow(SW_SHOW);
    host.RunUntilIdle();
    auto clickOn = [&](int id) {
        const Rect r = dlg.GetDlgItem(id)->GetWindowRect();
        host.Click({r.left + 3, r.top + 3});
    };
    clickOn(1024);
    EXPECT_EQ(dlg.IsDlgButtonChecked(1024), BST_CHECKED);
    clickOn(1025);
    EXPECT_EQ(dlg.IsDlgButtonChecked(1024), BST_UNCHECKED);
    EXPECT_EQ(dlg.IsDlgButtonChecked(1025), BST_CHECKED);
    clickOn(1022);
    clickOn(1022);
    clickOn(1022);
    EXPECT_EQ(dlg.IsDlgButtonChecked(1022), BST_CHECKED);
    EXPECT_EQ(dlg.IsDlgButtonChecked(1025), BST_CHECKED);
}

}  // namespace
}  // namespace lumora

// Every dimension dialog is built from its family's table: its typed members
// are the boxes of the table, in order, under their designed names.
#include "support/form_test.h"

#include "forms/facilities/circular_basin_dialog.h"
#include "forms/facilities/ditch_pipe_dialog.h"
#include "forms/facilities/family_dialogs.h"
#include "forms/facilities/infiltration_well_dialog.h"
#include "forms/facilities/pavement_pond_dialog.h"
#include "forms/facilities/rect_basin_dialog.h"
#include "forms/facilities/square_basin_dialog.h"
#include "forms/base/twips.h"

namespace akuenza::test {

using FamilyDialogs = FormTest;

TEST_F(FamilyDialogs, TypedMembersAreTheTableBoxesUnderTheirDesignedNames)
{
    Form2& f2 = app().form<Form2>();
    Form5& f5 = app().form<Form5>();
    Form6& f6 = app().form<Form6>();
    Form14& f14 = app().form<Form14>();
    Form15& f15 = app().form<Form15>();
    Form18& f18 = app().form<Form18>();
    const std::vector<std::vector<TextBox*>> members = {
        {f2.txt11w, f2.txt11h, f2.txt11n, f2.txt12w, f2.txt12h, f2.txt12n, f2.txt21w, f2.txt21h, f2.txt21n,
         f2.txt22w, f2.txt22h, f2.txt22n},
        {f5.txt1w, f5.txt1l, f5.txt1h, f5.txt1n, f5.txt2w, f5.txt2l, f5.txt2h, f5.txt2n},
        {f6.txt11d, f6.txt11h, f6.txt11n, f6.txt12d, f6.txt12h, f6.txt12n, f6.txt21d, f6.txt21h, f6.txt21n,
         f6.txt22d, f6.txt22h, f6.txt22n},
        {f14.txt11w, f14.txt11h, f14.txt11l, f14.txt12w, f14.txt12h, f14.txt12l, f14.txt21w, f14.txt21h,
         f14.txt21l, f14.txt22w, f14.txt22h, f14.txt22l},
        {f15.txt1h, f15.txt1s, f15.txt2h, f15.txt2s},
        {f18.txt1d, f18.txt1h, f18.txt1n, f18.txt2d, f18.txt2h, f18.txt2n},
    };
    for (int selector = 1; selector <= kFamilyCount; ++selector) {
        const FacilityFamily& family = *facilityFamily(selector);
        FacilityDialog& dialog = dialogOf(app(), selector);
        SCOPED_TRACE(family.form);
        EXPECT_EQ(dialog.objectName(), QString::fromLatin1(family.form));
        ASSERT_EQ(dialog.boxes(), members[static_cast<std::size_t>(selector - 1)]);
        for (std::size_t i = 0; i < family.boxes.size(); ++i) {
            const FacilityBox& b = family.box(i);
            EXPECT_EQ(dialog.boxes()[i]->objectName(), QString::fromLatin1(b.name));
            EXPECT_EQ(app().control(family.form, b.name), dialog.boxes()[i]); // the lookup by name finds it
            auto* caption = dialog.findChild<QLabel*>(QString::fromLatin1(b.captionName));
            auto* unit = dialog.findChild<QLabel*>(QString::fromLatin1(b.unitName));
            ASSERT_TRUE(caption && unit) << b.name;
            EXPECT_EQ(caption->text(), QString::fromUtf8(b.caption));
            EXPECT_EQ(unit->text(), QString::fromUtf8(b.unit));
        }
        for (const char* check : family.checks)
            EXPECT_NE(dialog.findChild<CheckBox*>(QString::fromLatin1(check)), nullptr) << check;
    }
    // The bracket lines and marks of the two-column dialogs.
    EXPECT_EQ(f6.Line223, f6.findChild<QFrame*>(QStringLiteral("Line223")));
    EXPECT_EQ(f14.lbl22->text(), QStringLiteral("②"));
    EXPECT_EQ(f2.chk2->text(), QStringLiteral("浸透面　底面"));
}

TEST_F(FamilyDialogs, ADimensionButtonShowsOnlyItsOwnDialog)
{
    newCase();
    click(f1().cmd1); // the square basin is chosen in a new case
    f1().chk3->setValue(1);
    click(f1().cmd3);
    EXPECT_TRUE(app().isVisible<Form6>());
    for (int selector : {1, 2, 4, 5, 6})
        EXPECT_FALSE(app().isShown(loadedDialogOf(app(), selector))) << selector;
    EXPECT_EQ(app().form<Form6>().parentWidget()->pos(), QPoint(twipsToPixels(6165), 0));
}

} // namespace akuenza::test

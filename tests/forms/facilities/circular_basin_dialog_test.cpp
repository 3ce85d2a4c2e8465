// The circular crushed-stone basin dialog, driven through its real widgets.
#include "support/form_test.h"

#include "forms/facilities/circular_basin_dialog.h"

namespace akuenza::test {

class CircularBasinDialog : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        newCase();
        enterConditions();
        click(f1().chk3);
        click(f1().cmd3);
    }
    Form6& f6() { return app().form<Form6>(); }
    QString caption(const char* name) { return qobject_cast<QLabel*>(f6().findChild<QWidget*>(QString::fromLatin1(name)))->text(); }
};

TEST_F(CircularBasinDialog, AColumnOpensOnItsDiameterAndEmptiesWhenClosed)
{
    EXPECT_EQ(caption("lblTitle"), QStringLiteral("浸透桝　円形砕石層"));
    EXPECT_EQ(caption("lbl211d"), QStringLiteral("直径 Ｄ＝"));
    EXPECT_FALSE(f6().txt21d->isEnabled());
    click(f6().chk2);
    EXPECT_EQ(focused(), f6().txt21d);
    EXPECT_FALSE(f6().txt11d->isEnabled());
    pressEnter(focused());
    EXPECT_EQ(focused(), f6().txt21h);
    type(f6().txt22d, QStringLiteral("0.8"));
    click(f6().chk2);
    EXPECT_EQ(f6().txt22d->text(), QString());
    EXPECT_FALSE(f6().txt22d->isEnabled());
}

TEST_F(CircularBasinDialog, TheDiameterChoosesTheRowOfEachSurface)
{
    click(f6().chk1);
    click(f6().chk2);
    type(f6().txt12d, QStringLiteral("0.5"));
    calculate();
    ASSERT_NEAR(record().circular12c, 1.097, 1e-12);

    type(f6().txt11d, QStringLiteral("1"));
    type(f6().txt11h, QStringLiteral("1"));
    type(f6().txt12d, QStringLiteral("1.0001"));
    type(f6().txt12h, QStringLiteral("1"));
    type(f6().txt21d, QStringLiteral("0.05"));
    type(f6().txt21h, QStringLiteral("1"));
    type(f6().txt21n, QStringLiteral("1"));
    type(f6().txt22d, QStringLiteral("1.5"));
    type(f6().txt22h, QStringLiteral("2.0"));
    calculate();
    EXPECT_NEAR(record().circular11c, 2.382, 1e-12); // D = 1: small row, with c
    EXPECT_NEAR(record().circular11Kf, 1.42 + 7.08 + 2.382, 1e-12);
    EXPECT_NEAR(record().circular12a, 6.244 * 1.0001 + 2.853, 1e-12);
    EXPECT_NEAR(record().circular12c, 1.097, 1e-12); // not written beyond D = 1
    EXPECT_NEAR(record().circular21a, -0.02515, 1e-12);
    EXPECT_LT(record().circular21Fc, 0.0); // a negative a enters unchanged
    EXPECT_NEAR(record().circular22Kf, 7.0455, 1e-12);
}

} // namespace akuenza::test

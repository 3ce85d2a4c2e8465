// The permeable pavement and infiltration pond dialog, driven through its
// real widgets.
#include "support/form_test.h"

#include "forms/facilities/pavement_pond_dialog.h"

namespace akuenza::test {

class PavementPondDialog : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        newCase();
        enterConditions();
        click(f1().chk5);
        click(f1().cmd5);
    }
    Form15& f15() { return app().form<Form15>(); }
    QWidget* control(const char* name) { return f15().findChild<QWidget*>(QString::fromLatin1(name)); }
};

TEST_F(PavementPondDialog, TickingOpensAColumnInPlaceAndClearingEmptiesOnlyThatColumn)
{
    EXPECT_EQ(f15().chk1->text(), QStringLiteral("透水性舗装"));
    EXPECT_EQ(qobject_cast<QLabel*>(control("lbl22s"))->text(), QStringLiteral("ｍ2"));
    for (const char* name : {"txt1h", "txt2s", "lbl11h", "lbl22s"})
        EXPECT_FALSE(control(name)->isEnabled()) << name;

    click(f15().chk1);
    for (const char* name : {"txt1h", "txt1s", "lbl11h", "lbl12h", "lbl11s", "lbl12s"})
        EXPECT_TRUE(control(name)->isEnabled()) << name;
    EXPECT_FALSE(f15().txt2h->isEnabled());
    EXPECT_FALSE(f15().txt1h->hasFocus()); // the focus is not moved

    click(f15().chk2);
    f15().txt1h->setFocus();
    pressEnter(f15().txt1h);
    EXPECT_EQ(focused(), f15().txt1s);
    pressEnter(f15().txt1s);
    EXPECT_EQ(focused(), f15().txt1s);

    type(f15().txt1h, QStringLiteral("0.3"));
    type(f15().txt1s, QStringLiteral("500"));
    type(f15().txt2h, QStringLiteral("1"));
    click(f15().chk1);
    EXPECT_EQ(f15().txt1h->text(), QString());
    EXPECT_EQ(f15().txt1s->text(), QString());
    EXPECT_FALSE(f15().txt1s->isEnabled());
    EXPECT_FALSE(control("lbl12s")->isEnabled());
    EXPECT_EQ(f15().txt2h->text(), QStringLiteral("1"));
}

TEST_F(PavementPondDialog, TheHeightDecidesWhetherAFacilityIsComputed)
{
    click(f1().chk_t);
    type(f1().txt_t, QStringLiteral("ローム"));
    type(f1().txt_tk, QStringLiteral("0.001"));
    click(f15().chk1);
    click(f15().chk2);
    type(f15().txt1h, QStringLiteral("0.3"));
    type(f15().txt1s, QStringLiteral("500"));
    type(f15().txt2h, QStringLiteral("0")); // a height without area: rates, no volume
    calculate();
    EXPECT_NEAR(record().pavementKf, 1.2912, 1e-12);
    EXPECT_NEAR(record().pavementQ, 0.037651392, 1e-12);
    EXPECT_NEAR(record().pavementFc, 18.825696, 1e-12);
    EXPECT_EQ(record().pondKf, 1.287);
    EXPECT_GT(record().pondQ, 0.0);
    EXPECT_EQ(record().pondFc, 0.0);
    EXPECT_EQ(f11().lbl6->text(), QStringLiteral("18.826"));

    type(f15().txt2h, QString()); // an area without height: nothing at all
    type(f15().txt2s, QStringLiteral("400"));
    calculate();
    EXPECT_EQ(record().pondKf, 1.287);
    EXPECT_EQ(record().pondFc, 0.0);
    EXPECT_NEAR(record().totalInfiltrationFc, 18.825696, 1e-12);
}

TEST_F(PavementPondDialog, ACheckBoxOrAClickVoidsTheShownResults)
{
    click(f15().chk2);
    type(f15().txt2h, QStringLiteral("1"));
    calculate();
    ASSERT_NE(f11().lbl9->text(), QString());
    click(f15().txt2s);
    EXPECT_EQ(f11().lbl9->text(), QString());
    calculate();
    ASSERT_NE(f11().lbl9->text(), QString());
    click(f15().chk1);
    EXPECT_EQ(f11().lbl9->text(), QString());
    EXPECT_EQ(record().totalInfiltrationFc, 0.0);
}

} // namespace akuenza::test

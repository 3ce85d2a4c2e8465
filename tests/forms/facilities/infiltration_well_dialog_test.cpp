// The infiltration well dialog, driven through its real widgets.
#include "support/form_test.h"

#include "forms/facilities/infiltration_well_dialog.h"

#include <functional>

namespace akuenza::test {

class InfiltrationWellDialog : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        newCase();
        click(f1().chk6);
        click(f1().cmd6);
    }
    Form18& f18() { return app().form<Form18>(); }
    QWidget* control(const char* name) { return f18().findChild<QWidget*>(QString::fromLatin1(name)); }
    void expectSecondColumnHidden()
    {
        for (const char* name : {"lbl2", "txt2d", "txt2h", "txt2n", "lbl21d", "lbl22d", "lbl21h", "lbl22n"})
            EXPECT_FALSE(control(name)->isVisibleTo(&f18())) << name;
    }
    // The worked example: A = 1000 m2, C = 0.9, Ko = 0.05, D = 2.0, n = 5.
    void example()
    {
        type(f1().txt_c, QStringLiteral("0.9"));
        type(f1().txt_a, QStringLiteral("1000"));
        click(f1().chk_t);
        type(f1().txt_t, QStringLiteral("ローム"));
        type(f1().txt_tk, QStringLiteral("0.05"));
        type(f18().txt1d, QStringLiteral("2.0"));
        type(f18().txt1n, QStringLiteral("5"));
    }
};

TEST_F(InfiltrationWellDialog, ShowsColumnOneOnlyAndEnterGoesDiameterDepthCount)
{
    EXPECT_EQ(qobject_cast<QLabel*>(control("lblReference"))->text(), QStringLiteral("東京都開発審査基準による"));
    EXPECT_EQ(qobject_cast<QLabel*>(control("lbl11n"))->text(), QStringLiteral("個数 ｎ＝"));
    EXPECT_EQ(qobject_cast<QLabel*>(control("lbl12n"))->text(), QStringLiteral("本"));
    expectSecondColumnHidden();
    f18().txt1d->setFocus();
    pressEnter(f18().txt1d);
    EXPECT_EQ(focused(), f18().txt1h);
    pressEnter(f18().txt1h);
    EXPECT_EQ(focused(), f18().txt1n);
    pressEnter(f18().txt1n);
    EXPECT_EQ(focused(), f18().txt1n);
}

TEST_F(InfiltrationWellDialog, TheRunShowsTheEffectiveDepthOfTheExample)
{
    example();
    platform_->clear();
    calculate();
    EXPECT_TRUE(messages().empty());
    EXPECT_NEAR(record().wellInflowQ, 0.015, 1e-15);
    EXPECT_NEAR(record().wellAreaAi, 15.70795, 1e-12);
    EXPECT_NEAR(record().wellCriticalTimeTo, 54.197, 1e-3);
    EXPECT_NEAR(record().wellVolumeV, 24.951, 1e-3);
    EXPECT_NEAR(record().wellEffectiveDepthH, 1.5884, 1e-4);
    EXPECT_EQ(f11().Label1->text(), QStringLiteral("1.5884"));
    EXPECT_EQ(record().totalInfiltrationFc, 0.0); // the well is no part of the total
    expectSecondColumnHidden();
}

TEST_F(InfiltrationWellDialog, ProceduresReadAllSixBoxesAndNeedADiameterForTheDepth)
{
    record().countermeasureAreaA = 1000.0;
    record().runoffCoefficientC = 0.9;
    record().soilConductivityKo = 0.05;
    const std::vector<TextBox*> boxes = {f18().txt1d, f18().txt2d, f18().txt1h, f18().txt2h, f18().txt1n, f18().txt2n};
    const std::vector<CaseField> fields = {&DesignCase::wellDiameterD, &DesignCase::wellDiameterD2,
                                           &DesignCase::wellDepthH,    &DesignCase::wellDepthH2,
                                           &DesignCase::wellCountN,    &DesignCase::wellCountN2};
    for (std::size_t i = 0; i < boxes.size(); ++i)
        boxes[i]->setText(QString::number(0.8 + double(i))); // as a project file fills them
    f18().Keisuu();
    for (std::size_t i = 0; i < fields.size(); ++i)
        EXPECT_EQ(record().*fields[i], 0.8 + double(i)) << i;
    f18().txt1n->setText(QStringLiteral("1"));
    f18().Keisuu();
    f18().Keisan();
    EXPECT_NEAR(record().wellBottomArea, 0.5026544, 1e-12); // 3.14159 as written
    const double one = record().wellAreaAi;
    f18().txt1n->setText(QStringLiteral("10"));
    f18().Keisuu();
    f18().Keisan();
    EXPECT_NEAR(record().wellAreaAi, 10 * one, 1e-12);
    const double h = record().wellEffectiveDepthH;

    record().countermeasureAreaA = 2000.0;
    f18().txt1d->setText(QString());
    f18().Keisuu();
    f18().Keisan();
    EXPECT_NEAR(record().wellInflowQ, 0.03, 1e-15);
    EXPECT_EQ(double(record().wellEffectiveDepthH), h);
    EXPECT_EQ(f18().boxes().front(), f18().txt1d);
}

TEST_F(InfiltrationWellDialog, AClickVoidsTheDepthButNotTheTotal)
{
    example();
    calculate();
    ASSERT_EQ(f11().Label1->text(), QStringLiteral("1.5884"));
    f18().txt1h->setFocus();
    pressEnter(f18().txt1h);
    EXPECT_EQ(f11().Label1->text(), QStringLiteral("1.5884"));

    record().totalInfiltrationFc = 12.5;
    click(f18().txt1d);
    EXPECT_EQ(f18().txt1d->selectedText(), QStringLiteral("2.0"));
    EXPECT_EQ(record().wellEffectiveDepthH, 0.0);
    EXPECT_EQ(f11().Label1->text(), QString());
    EXPECT_FALSE(mainWindow().toolbarButton(5)->isEnabled());
    EXPECT_EQ(record().totalInfiltrationFc, 12.5);
}

TEST_F(InfiltrationWellDialog, ClearingTheWellOnTheConditionsFormDiscardsItsEntries)
{
    type(f18().txt1d, QStringLiteral("2"));
    click(f1().chk6);
    EXPECT_FALSE(app().isLoaded<Form18>());
    click(f1().chk6);
    click(f1().cmd6);
    EXPECT_EQ(f18().txt1d->text(), QString());
}

} // namespace akuenza::test

namespace akuenza::test {

// Inputs the method cannot divide by are refused with a message naming the
// entry, and no depth is shown; a well infiltrating faster than its inflow
// has no real critical time and is reported the same way.
TEST_F(InfiltrationWellDialog, EntriesWithoutADepthAreReportedNotShown)
{
    struct Case {
        std::function<void()> change;
        const char* message;
        std::function<QWidget*()> focus;
    };
    const std::vector<Case> cases = {
        {[&] { type(f18().txt1d, QStringLiteral("0")); }, "浸透井の直径を入力してください。", [&] { return f18().txt1d; }},
        {[&] { type(f18().txt1n, QStringLiteral("0")); }, "浸透井の個数を入力してください。", [&] { return f18().txt1n; }},
        {[&] { type(f1().txt_tk, QStringLiteral("0")); }, "土質の飽和透水係数を入力してください。",
         [&] { return f1().txt_tk; }},
        {[&] { type(f1().txt_tk, QStringLiteral("0.5")); },
         "浸透井の有効深さが計算できません。直径Ｄ、個数ｎ及び土質の飽和透水係数を確認してください。",
         [&] { return f18().txt1d; }},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(i);
        example();
        calculate();
        ASSERT_EQ(f11().Label1->text(), QStringLiteral("1.5884"));
        cases[i].change();
        platform_->clear();
        calculate();
        expectOneError(QString::fromUtf8(cases[i].message));
        EXPECT_EQ(focused(), cases[i].focus());
        EXPECT_EQ(f11().Label1->text(), QString());
        EXPECT_EQ(record().wellEffectiveDepthH, 0.0);
        EXPECT_FALSE(mainWindow().toolbarButton(5)->isEnabled());
        click(f1().chk_t); // back to a clean soil entry for the next case
    }
}

} // namespace akuenza::test

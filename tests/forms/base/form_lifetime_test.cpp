// Forms are created on first reference, hidden forms keep their entries and
// unloaded forms lose them.
#include "support/form_test.h"

#include "forms/facilities/square_basin_dialog.h"
#include "forms/base/twips.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QToolBar>

namespace akuenza::test {

using FormLifetime = FormTest;

TEST_F(FormLifetime, AFormIsCreatedOnFirstReferenceOnlyOnce)
{
    EXPECT_EQ(app().loaded<Form2>(), nullptr);
    Form2& first = app().form<Form2>();
    EXPECT_EQ(&app().form<Form2>(), &first);
    EXPECT_EQ(app().loaded<Form2>(), &first);
    EXPECT_FALSE(app().isVisible<Form2>()); // created hidden
    EXPECT_EQ(mainWindow().workArea()->subWindowList().size(), 1);
}

TEST_F(FormLifetime, HidingKeepsEntriesAndUnloadingLosesThem)
{
    Form2& f = app().showAt<Form2>(6165, 0);
    f.chk1->setValue(1);
    f.txt11w->setText(QStringLiteral("0.5"));
    app().hide<Form2>();
    EXPECT_FALSE(app().isVisible<Form2>());
    EXPECT_EQ(app().form<Form2>().txt11w->text(), QStringLiteral("0.5"));

    app().unload<Form2>();
    EXPECT_EQ(app().loaded<Form2>(), nullptr);
    Form2& again = app().showAt<Form2>(6165, 0);
    EXPECT_EQ(again.txt11w->text(), QString());
    EXPECT_EQ(again.chk1->value(), 0);
    EXPECT_FALSE(again.txt11w->isEnabled());
    // Unloading what is not loaded is skipped.
    app().unload<Form1>();
    app().unload<Form1>();
}

TEST_F(FormLifetime, FormsStandAtTheirTwipPositions)
{
    newCase();
    auto subOf = [](QWidget* form) { return qobject_cast<QMdiSubWindow*>(form->parentWidget()); };
    EXPECT_EQ(subOf(&f1())->pos(), QPoint(0, 0));
    EXPECT_EQ(subOf(&app().form<Form2>())->pos(), QPoint(twipsToPixels(6165), 0));
    EXPECT_EQ(subOf(&f11())->pos(), QPoint(0, twipsToPixels(5115)));
    EXPECT_EQ(f1().size(), QSize(twipsToPixels(6165), twipsToPixels(5115)));
}

TEST_F(FormLifetime, UnloadingTheResultsFormVoidsTheTotalsAndPrinting)
{
    f11();
    record().totalInfiltrationFc = 12.0;
    record().wellEffectiveDepthH = 1.5;
    mainWindow().setToolbarButtonEnabled(5, true);
    app().unload<Form11>();
    EXPECT_EQ(record().totalInfiltrationFc, 0.0);
    EXPECT_EQ(record().wellEffectiveDepthH, 0.0);
    EXPECT_FALSE(mainWindow().toolbarButton(5)->isEnabled());
}

TEST(FormLifetimeHeadless, ShownAndHiddenFormsAreToldApartWithoutAVisibleMainWindow)
{
    // As from the command line: the main window is never put on screen.
    ScriptedPlatform platform;
    App app(platform);
    ASSERT_FALSE(app.mainWindow().isVisible());
    app.mainWindow().FileNew();
    EXPECT_TRUE(app.isVisible<Form1>());
    EXPECT_TRUE(app.isVisible<Form2>());
    EXPECT_TRUE(app.isVisible<Form11>());
    app.hide<Form2>();
    EXPECT_FALSE(app.isVisible<Form2>());
    EXPECT_TRUE(app.isVisible<Form1>());
    app.unload<Form1>();
    EXPECT_FALSE(app.isVisible<Form1>());
}

TEST_F(FormLifetime, APanelCannotBeClosedByItself)
{
    newCase();
    auto* sub = qobject_cast<QMdiSubWindow*>(f1().parentWidget());
    sub->close();
    EXPECT_TRUE(app().isVisible<Form1>());
}

TEST_F(FormLifetime, ReCreatingUnloadedFormsLeavesNoDanglingReferences)
{
    // Run under the sanitizer build: each New discards and re-creates the
    // forms while reactions reach across them.
    for (int i = 0; i < 3; ++i) {
        newCase();
        f1().chk1->setValue(0);
        f1().chk1->setValue(1);
        click(f1().cmd1);
        app().form<Form2>().chk1->setValue(1);
        type(app().form<Form2>().txt11w, QStringLiteral("0.5"));
        calculate();
    }
    mainWindow().Tojiru();
    EXPECT_EQ(app().loaded<Form1>(), nullptr);
    EXPECT_EQ(app().loaded<Form2>(), nullptr);
    EXPECT_EQ(app().loaded<Form11>(), nullptr);
}

} // namespace akuenza::test

// An edit of a box voids the results it feeds however the engineer makes it
// (typing, deleting, pasting, cutting, undoing), in the design conditions
// form and in every facility dialog; moving the focus alone voids nothing.
#include "support/form_test.h"

#include "core/facilities/facility_families.h"
#include "forms/facilities/family_dialogs.h"
#include "forms/facilities/infiltration_well_dialog.h"
#include "forms/facilities/square_basin_dialog.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QToolBar>

namespace akuenza::test {

namespace {

enum class Edit { Type, Backspace, Paste, Cut, Undo };

const char* nameOf(Edit e)
{
    switch (e) {
    case Edit::Type: return "typing";
    case Edit::Backspace: return "backspace";
    case Edit::Paste: return "paste";
    case Edit::Cut: return "cut";
    case Edit::Undo: return "undo";
    }
    return "";
}

} // namespace

class EditVoiding : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        newCase();
    }

    // The results are shown and printable.
    void expectResults(const char* when)
    {
        EXPECT_NE(f11().lbl9->text(), QString()) << when;
        EXPECT_TRUE(mainWindow().toolbarButton(5)->isEnabled()) << when;
    }
    void expectVoided(bool q1, const char* when)
    {
        EXPECT_EQ(f11().lbl8->text(), QString()) << when;
        EXPECT_EQ(f11().lbl9->text(), QString()) << when;
        EXPECT_FALSE(mainWindow().toolbarButton(5)->isEnabled()) << when;
        EXPECT_FALSE(mainWindow().toolbarButton(6)->isEnabled()) << when;
        if (q1) {
            EXPECT_EQ(record().countermeasureRainwaterQ1, 0.0) << when;
            EXPECT_EQ(f11().lbl3->text(), QString()) << when;
        } else {
            EXPECT_EQ(record().totalInfiltrationFc, 0.0) << when;
            EXPECT_EQ(f11().lbl6->text(), QString()) << when;
        }
    }

    // The focus moves into the box as with Tab (its text selected), then the
    // engineer edits it from the keyboard.
    void focusWithoutVoiding(QLineEdit* box)
    {
        box->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(focused(), box);
        expectResults("after the focus moved in");
    }
    void edit(QLineEdit* box, Edit how)
    {
        switch (how) {
        case Edit::Type: QTest::keyClick(box, Qt::Key_7); break;
        case Edit::Backspace: QTest::keyClick(box, Qt::Key_Backspace); break;
        case Edit::Paste:
            QGuiApplication::clipboard()->setText(u"3"_qs);
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            break;
        case Edit::Cut: QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier); break;
        case Edit::Undo: QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier); break;
        }
    }
};

TEST_F(EditVoiding, KeyboardEditsOfTheDesignConditionsVoidAsClicksDo)
{
    // Each box with what it feeds (Q1 or the facilities' total) and what
    // makes it usable; the kinds of edit take turns.
    struct Box {
        TextBox* Form1::*box;
        const char* valid; // set from code before each edit
        bool q1;
        void (*prepare)(Form1&);
    };
    const Box boxes[] = {
        {&Form1::txt_c, "0.9", true, nullptr},
        {&Form1::txt_a, "1000", true, nullptr},
        {&Form1::txt_i, "50", true, nullptr},
        {&Form1::txt_cf, "0.81", true, nullptr},
        {&Form1::txt1, "25", true, [](Form1& f) { f.opt8->setChecked(true); }},
        {&Form1::txt_u, "40", true, [](Form1& f) { f.opt_u2->setChecked(true); }},
        {&Form1::txt_t, "ローム", false, [](Form1& f) { f.chk_t->setValue(1), f.txt_tk->setText(u"0.01"_qs); }},
        {&Form1::txt_tk, "0.01", false, [](Form1& f) { f.chk_t->setValue(1), f.txt_t->setText(u"ローム"_qs); }},
    };
    enterConditions();
    oneBasin();
    int turn = 0;
    for (const Box& b : boxes) {
        for (Edit how : {Edit::Type, Edit::Backspace, Edit::Paste, Edit::Cut, Edit::Undo}) {
            if (b.box != &Form1::txt_c && static_cast<int>(how) != turn % 5)
                continue; // every kind of edit on C, one kind on each other box
            TextBox* box = f1().*b.box;
            SCOPED_TRACE(box->objectName().toStdString() + " " + nameOf(how));
            if (b.prepare)
                b.prepare(f1());
            for (const Box& other : boxes) // the edits before left some boxes empty
                (f1().*other.box)->setText(QString::fromUtf8(other.valid));
            if (how == Edit::Undo) {
                box->setFocus();
                box->end(false);
                QTest::keyClick(box, Qt::Key_0); // something to undo
            }
            calculate();
            ASSERT_TRUE(messages().empty()) << messages().front().text.toStdString();
            expectResults("after 計算");
            focusWithoutVoiding(box);
            const QString before = box->text();
            edit(box, how);
            ASSERT_NE(box->text(), before);
            expectVoided(b.q1, nameOf(how));
        }
        ++turn;
    }
    // The soil typed over the list is an edit of the soil.
    f1().chk_t->setValue(0);
    f1().opt_u1->setChecked(true);
    enterConditions();
    f1().opt7->setChecked(true);
    calculate();
    expectResults("with the soil list");
    f1().cbo1->lineEdit()->setFocus(Qt::TabFocusReason);
    expectResults("after the focus moved into the soil list");
    QTest::keyClick(f1().cbo1->lineEdit(), Qt::Key_A);
    expectVoided(false, "typing over the soil list");
}

TEST_F(EditVoiding, TextSetFromCodeVoidsNothingBeyondItsDesignedReaction)
{
    enterConditions();
    oneBasin();
    calculate();
    f1().txt_cf->setText(u"0.9"_qs);
    app().form<Form2>().txt11n->setText(u"9"_qs);
    expectResults("after texts set from code");
}

TEST_F(EditVoiding, KeyboardEditsOfEveryFacilityBoxVoidTheTotal)
{
    enterConditions();
    oneBasin();
    for (int selector = 1; selector <= 5; ++selector) {
        f1().facilityCheck(selector)->setValue(1);
        click(f1().dimensionButton(selector));
        FacilityDialog& dialog = dialogOf(app(), selector);
        for (CheckBox* column : dialog.findChildren<CheckBox*>())
            column->setValue(1);
        // Every kind filled, so that no run discards the dialog.
        for (TextBox* box : dialog.boxes())
            box->setText(u"2"_qs);
        for (TextBox* box : dialog.boxes()) {
            SCOPED_TRACE(dialog.objectName().toStdString() + "." + box->objectName().toStdString());
            ASSERT_TRUE(box->isEnabled());
            calculate();
            ASSERT_TRUE(messages().empty()) << messages().front().text.toStdString();
            expectResults("after 計算");
            focusWithoutVoiding(box);
            QTest::keyClick(box, Qt::Key_1);
            expectVoided(false, "typing");
        }
    }
}

TEST_F(EditVoiding, KeyboardEditsOfTheWellVoidItsDepth)
{
    click(f1().chk6);
    click(f1().chk_t);
    type(f1().txt_c, u"0.9"_qs);
    type(f1().txt_a, u"1000"_qs);
    type(f1().txt_t, u"ローム"_qs);
    type(f1().txt_tk, u"0.01"_qs);
    click(f1().cmd6);
    Form18& well = app().form<Form18>();
    for (TextBox* box : well.boxes()) {
        SCOPED_TRACE(box->objectName().toStdString());
        if (box->text().isEmpty())
            box->setText(u"1"_qs);
    }
    for (TextBox* box : well.boxes()) {
        SCOPED_TRACE(box->objectName().toStdString());
        calculate();
        ASSERT_NE(f11().Label1->text(), QString());
        box->setFocus(Qt::TabFocusReason);
        ASSERT_NE(f11().Label1->text(), QString());
        QTest::keyClick(box, Qt::Key_2);
        EXPECT_EQ(f11().Label1->text(), QString());
        EXPECT_FALSE(mainWindow().toolbarButton(5)->isEnabled());
    }
}

TEST_F(EditVoiding, AVoidedQ1TakesItsIncreaseComparisonAndVerdictWithIt)
{
    enterConditions();
    click(f1().opt8);
    type(f1().txt1, u"25"_qs);
    oneBasin();
    calculate();
    ASSERT_EQ(f11().lbl16->text(), u"1.25"_qs);
    ASSERT_NE(f11().lbl9->text(), QString());
    const QString total = f11().lbl6->text();
    click(f1().txt_cf);
    for (QLabel* l : {f11().lbl16, f11().lbl17, f11().lbl3, f11().lbl8, f11().lbl9})
        EXPECT_EQ(l->text(), QString()) << l->objectName().toStdString();
    EXPECT_EQ(f11().lbl6->text(), total); // ΣFc itself still stands
}

} // namespace akuenza::test

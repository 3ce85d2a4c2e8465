// The design conditions form as the engineer sees it: no control covers
// another, no caption is cut off, in every arrangement the reactions give it.
#include "support/form_test.h"

#include "forms/base/twips.h"

#include <QAbstractButton>
#include <QImage>
#include <QStyle>
#include <QStyleOptionButton>

namespace akuenza::test {

namespace {

// The form's own controls: every named widget on the form or in one of its
// frames, the frames themselves left out (their parts, such as the list's
// edit line, belong to their control).
std::vector<QWidget*> controlsOf(Form1& form)
{
    std::vector<QWidget*> controls;
    for (QWidget* w : form.findChildren<QWidget*>()) {
        const QWidget* parent = w->parentWidget();
        const bool onForm = parent == &form || (qobject_cast<const QGroupBox*>(parent) && parent->parentWidget() == &form);
        if (onForm && !qobject_cast<QGroupBox*>(w) && !w->objectName().isEmpty() && w->isVisibleTo(&form))
            controls.push_back(w);
    }
    return controls;
}

QRect onForm(const QWidget* w, const Form1& form)
{
    return QRect(w->mapTo(&form, QPoint(0, 0)), w->size());
}

std::string nameOf(const QWidget* w) { return w->objectName().toStdString(); }

class DesignConditionsLayout : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        newCase();
    }

    void expectNothingOverlaps()
    {
        Form1& form = f1();
        const std::vector<QWidget*> controls = controlsOf(form);
        ASSERT_GT(controls.size(), 40u);
        for (std::size_t i = 0; i < controls.size(); ++i) {
            const QRect a = onForm(controls[i], form);
            for (std::size_t j = i + 1; j < controls.size(); ++j) {
                EXPECT_FALSE(a.intersects(onForm(controls[j], form)))
                    << nameOf(controls[i]) << " overlaps " << nameOf(controls[j]);
            }
            // A control stands inside its frame, clear of the frame's border,
            // and a control on the form itself stands clear of every frame.
            if (auto* frame = qobject_cast<QGroupBox*>(controls[i]->parentWidget())) {
                EXPECT_TRUE(frame->rect().adjusted(2, 2, -2, -2).contains(controls[i]->geometry()))
                    << nameOf(controls[i]) << " crosses the border of " << nameOf(frame);
            } else {
                for (QGroupBox* frame : form.findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly))
                    EXPECT_FALSE(a.intersects(frame->geometry())) << nameOf(controls[i]) << " overlaps " << nameOf(frame);
            }
        }
    }

    void expectNoCaptionCut()
    {
        for (QWidget* w : controlsOf(f1())) {
            const QSize has = w->size();
            if (auto* label = qobject_cast<QLabel*>(w)) {
                if (label->wordWrap()) {
                    EXPECT_LE(label->heightForWidth(has.width()), has.height()) << nameOf(w);
                } else {
                    EXPECT_LE(label->sizeHint().width(), has.width()) << nameOf(w);
                    EXPECT_LE(label->sizeHint().height(), has.height()) << nameOf(w);
                }
            } else if (auto* check = qobject_cast<QAbstractButton*>(w); check && !qobject_cast<QPushButton*>(w)) {
                // The caption beside the mark gets the room its text needs.
                QStyleOptionButton option;
                option.initFrom(check);
                option.text = check->text();
                const auto element = qobject_cast<QRadioButton*>(w) ? QStyle::SE_RadioButtonContents
                                                                     : QStyle::SE_CheckBoxContents;
                const QRect caption = check->style()->subElementRect(element, &option, check);
                if (!check->text().isEmpty()) {
                    EXPECT_LE(check->fontMetrics().horizontalAdvance(check->text()), caption.width()) << nameOf(w);
                    EXPECT_LE(check->fontMetrics().height(), caption.height()) << nameOf(w);
                }
            } else if (auto* button = qobject_cast<QPushButton*>(w)) {
                // The style asks more room than the caption needs; the caption
                // itself must fit between the button's bevels.
                const int bevel = button->style()->pixelMetric(QStyle::PM_ButtonMargin) +
                                  2 * button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
                EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()) + bevel, has.width()) << nameOf(w);
                EXPECT_LE(button->fontMetrics().height() + 4, has.height()) << nameOf(w);
            } else if (auto* box = qobject_cast<QLineEdit*>(w)) {
                EXPECT_LE(box->fontMetrics().height() + 4, has.height()) << nameOf(w);
            }
        }
    }
};

} // namespace

TEST_F(DesignConditionsLayout, FreshCaseHasNoOverlapAndNoCutCaption)
{
    expectNothingOverlaps();
    expectNoCaptionCut();
}

TEST_F(DesignConditionsLayout, EveryBoxShownStillHasItsOwnPlace)
{
    // Q1 typed, the increase chosen, the soil typed: every hidden box shown.
    click(f1().opt_u2);
    ASSERT_TRUE(f1().txt_u->isVisibleTo(&f1()));
    click(f1().opt_u1);
    click(f1().opt8);
    ASSERT_TRUE(f1().txt1->isVisibleTo(&f1()));
    click(f1().chk_t);
    ASSERT_TRUE(f1().txt_tk->isEnabled());
    f1().txt_u->show();
    f1().lbl_u->show();
    expectNothingOverlaps();
    expectNoCaptionCut();
}

TEST_F(DesignConditionsLayout, WithTheWellTheDisabledHeadingsLoseTheirGreen)
{
    const auto greenInk = [](QWidget* w) {
        const QImage image = w->grab().toImage();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                count += c.green() > c.red() + 24 && c.green() > c.blue() + 24 ? 1 : 0;
            }
        return count;
    };
    QLabel* const headings[] = {f1().Label18, f1().lbl9, f1().Label10};
    for (QLabel* heading : headings)
        EXPECT_GT(greenInk(heading), 0) << nameOf(heading);

    click(f1().chk6);
    ASSERT_EQ(f1().chk6->value(), 1);
    expectNothingOverlaps();
    for (QLabel* heading : headings) {
        EXPECT_FALSE(heading->isEnabled()) << nameOf(heading);
        EXPECT_EQ(greenInk(heading), 0) << nameOf(heading);
    }
    // What stays usable keeps its green.
    EXPECT_GT(greenInk(f1().lbl6), 0);
    EXPECT_GT(greenInk(f1().lbl7), 0);
}

TEST_F(DesignConditionsLayout, HeadingStandsAtItsDesignedPlaceAboveTheFirstFrame)
{
    const QRect heading = f1().Label5->geometry();
    EXPECT_EQ(heading.topLeft(), QPoint(twipsToPixels(120), twipsToPixels(60)));
    EXPECT_LE(heading.bottom(), f1().frm1->geometry().top());
}

TEST_F(DesignConditionsLayout, SourceNoteBreaksAfterTheClosingBracket)
{
    QLabel* note = f1().Label15;
    EXPECT_EQ(note->text(), u"（一般的には 0.81）雨水浸透施設技術指針[案]より"_qs);

    // Drawn as two lines of ink; the first is as wide as "（一般的には 0.81）",
    // not broken inside the name of the source.
    const QImage image = note->grab().toImage();
    std::vector<std::pair<int, int>> lines;  // ink extent, left and right, of each band of rows
    bool inLine = false;
    for (int y = 0; y < image.height(); ++y) {
        int left = image.width(), right = -1;
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
        if (right >= 0 && !inLine)
            lines.push_back({left, right});
        else if (right >= 0)
            lines.back() = {std::min(lines.back().first, left), std::max(lines.back().second, right)};
        inLine = right >= 0;
    }
    ASSERT_EQ(lines.size(), 2u);
    const QFontMetrics metrics(note->font());
    const int first = metrics.horizontalAdvance(u"（一般的には 0.81）"_qs);
    const int second = metrics.horizontalAdvance(u"雨水浸透施設技術指針[案]より"_qs);
    EXPECT_LE(lines[0].second - lines[0].first + 1, first);
    EXPECT_GT(lines[0].second - lines[0].first + 1, first - metrics.height());
    EXPECT_GT(lines[1].second - lines[1].first + 1, second - metrics.height());
}

} // namespace akuenza::test

// An opened case shows only results that its own inputs give: a case the
// run cannot compute, a case that fails a check of 計算, and a file cut
// short before its result lines open with an empty results row and nothing
// to print, in the window and on the command line alike. Closing a case
// leaves nothing of it in the record.
#include "support/form_test.h"
#include "support/record_fields.h"

#include "forms/shell/project_files.h"

#include <QFile>
#include <QMenu>
#include <QProcess>
#include <QTemporaryDir>
#include <QToolBar>

namespace akuenza::test {

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class OpenedResults : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        ASSERT_TRUE(folder_.isValid());
        newCase();
        enterConditions();
        oneBasin();
        calculate();
        ASSERT_TRUE(saveProjectFile(app(), path(u"good.qzk"_qs)));
        lines_ = bytesOf(path(u"good.qzk"_qs)).split('\n');
    }
    QString path(const QString& name) const { return folder_.filePath(name); }

    // The saved case with its line n (from 1) replaced, or cut after line n.
    QString withLine(int n, const QByteArray& text)
    {
        QList<QByteArray> lines = lines_;
        lines[n - 1] = text + '\r';
        return saveAs(lines);
    }
    QString cutAfter(int n) { return saveAs(lines_.mid(0, n) << QByteArray()); }
    QString saveAs(const QList<QByteArray>& lines)
    {
        const QString name = path(u"case-%1.qzk"_qs.arg(++files_));
        QFile f(name);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(lines.join('\n'));
        return name;
    }

    void expectNoResults(const QString& file)
    {
        SCOPED_TRACE(file.toStdString());
        // Only the fixed headings, signs and units keep a text.
        const Form11& r = f11();
        for (const QLabel* l : r.findChildren<QLabel*>()) {
            const bool fixed = l == r.lbl1 || l == r.lbl2 || l == r.lbl5 || l == r.lbl4 || l == r.lbl7 ||
                               l == r.lbl14 || l == r.lbl15 || l == r.Label3;
            if (l->isVisibleTo(&r) && !fixed) {
                EXPECT_EQ(l->text(), QString()) << l->objectName().toStdString();
            }
        }
        EXPECT_FALSE(f11().Label2->isVisibleTo(&f11()));
        for (int button : {3, 5, 6})
            EXPECT_FALSE(mainWindow().toolbarButton(button)->isEnabled()) << button;
        emit mainWindow().Men_F->aboutToShow();
        EXPECT_FALSE(mainWindow().Men_FPrn->isEnabled());
        EXPECT_FALSE(mainWindow().Men_FEWri->isEnabled());
    }

    // --write-sheet of the file writes nothing and fails with the message.
    void expectNoSheetFromTheCommandLine(const QString& file, const QString& message)
    {
        QProcess program;
        program.setWorkingDirectory(folder_.path());
        program.start(QStringLiteral(AKUENZA_PROGRAM),
                      {u"--write-sheet"_qs, file, u"--out"_qs, path(u"sheet.txt"_qs)});
        ASSERT_TRUE(program.waitForFinished(60000));
        EXPECT_EQ(program.exitCode(), 1);
        EXPECT_TRUE(QString::fromUtf8(program.readAllStandardError()).contains(message));
        EXPECT_FALSE(QFile::exists(path(u"sheet.txt"_qs)));
    }

    QTemporaryDir folder_;
    QList<QByteArray> lines_;
    int files_ = 0;
};

TEST_F(OpenedResults, ACaseTheRunRefusesOrAChecksFailsShowsNoVerdict)
{
    // Line 4 holds C, line 9 the influence coefficient.
    const struct {
        int line;
        QByteArray text;
        QString message;
    } cases[] = {
        {4, "1e308", u"対策雨水量が計算できません。"_qs},
        {4, QByteArray(400, '9'), u"対策雨水量が計算できません。"_qs},
        {4, "", u"流出係数を入力又は計算してください。"_qs},
        {9, "", u"各種影響係数を入力してください。"_qs},
    };
    for (const auto& c : cases) {
        const QString file = withLine(c.line, c.text);
        platform_->clear();
        ASSERT_EQ(openProjectCase(app(), file, WhenCaseOpen::Replace), OpenedCase::WithoutResults);
        expectNoResults(file);
        ASSERT_FALSE(messages().empty());
        EXPECT_TRUE(messages().back().text.startsWith(c.message)) << messages().back().text.toStdString();
        expectNoSheetFromTheCommandLine(file, c.message);
    }
    // The case as saved opens with its results, as ever.
    platform_->clear();
    ASSERT_EQ(openProjectCase(app(), path(u"good.qzk"_qs), WhenCaseOpen::Replace), OpenedCase::WithResults);
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(f11().lbl9->text(), u"∴ NG"_qs);
    EXPECT_TRUE(mainWindow().toolbarButton(6)->isEnabled());
}

TEST_F(OpenedResults, AFileCutShortBeforeItsResultLinesShowsNoPlaceholderAndPrintsNothing)
{
    // The square basin's file: 23 lines of conditions, 14 of the basin,
    // then Q1 and ΣFc as shown (lines 38 and 39) and the well's check box.
    ASSERT_EQ(lines_.size(), 41); // and the empty rest after the last CR LF
    // Cut after its result lines, the well's check box is lost with the
    // rest: a well case would read as none, so no cut file keeps results.
    for (int kept : {8, 23, 37, 38, 39}) {
        const QString file = cutAfter(kept);
        ASSERT_EQ(openProjectCase(app(), file, WhenCaseOpen::Replace), OpenedCase::WithoutResults) << kept;
        expectNoResults(file);
    }
    ASSERT_EQ(openProjectCase(app(), cutAfter(40), WhenCaseOpen::Replace), OpenedCase::WithResults);
}

TEST_F(OpenedResults, ASoilLineThatDoesNotConvertTakesNothingFromTheCaseBefore)
{
    // A case with 小砂利 (Ko = 3 cm/sec) open first.
    ASSERT_EQ(openProjectCase(app(), withLine(17, " 6 "), WhenCaseOpen::Replace), OpenedCase::WithResults);
    ASSERT_DOUBLE_EQ(record().soilConductivityKo, 3.0);
    const QString unreadableSoil = withLine(17, "xyz");
    platform_->clear();
    EXPECT_EQ(openProjectCase(app(), unreadableSoil, WhenCaseOpen::Replace), OpenedCase::WithoutResults);
    EXPECT_FALSE(record().soilConductivityKo.isSet());
    expectNoResults(unreadableSoil);
    expectNoSheetFromTheCommandLine(unreadableSoil, u"土質を選択してください。"_qs);
}

TEST_F(OpenedResults, ClosingACaseLeavesTheRecordAsAtStart)
{
    platform_->queueAnswer(Answer::Ok);
    mainWindow().Men_FCls->trigger();
    for (const NamedNumber& n : kRecordNumbers)
        EXPECT_FALSE((record().*n.field).isSet()) << n.name;
    for (const NamedText& t : kRecordTexts)
        EXPECT_EQ(record().*t.field, std::string()) << t.name;
}

} // namespace akuenza::test

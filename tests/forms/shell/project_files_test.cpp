// Saving a case and opening it again through the real windows: every window
// comes back as it was, and no failure ever costs the engineer the open case.
#include "support/form_test.h"

#include "core/facilities/facility_families.h"
#include "forms/conditions/flow_time_dialog.h"
#include "forms/conditions/inlet_time_dialog.h"
#include "forms/conditions/rainfall_dialog.h"
#include "forms/conditions/runoff_dialog.h"
#include "forms/facilities/family_dialogs.h"
#include "forms/facilities/infiltration_well_dialog.h"
#include "forms/facilities/square_basin_dialog.h"
#include "forms/shell/project_files.h"
#include "forms/project/window_values.h"
#include "forms/report/current_sheet.h"
#include "support/file_trouble.h"

#include <QDir>
#include <QMenu>
#include <QFile>
#include <QTemporaryDir>

namespace akuenza::test {

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QList<QByteArray> linesOf(const QByteArray& bytes)
{
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray& l : lines)
        l.chop(1); // the CR before each LF
    return lines;
}

// The record fields a saved case rebuilds, beside the facility fields of the tables.
std::vector<CaseField> caseFields()
{
    using D = DesignCase;
    std::vector<CaseField> fields = {
        &D::runoffCoefficientC, &D::countermeasureAreaA, &D::countermeasureRainwaterQ1, &D::volumeIncreasePercent,
        &D::influenceCoefficientC, &D::soilConductivityKo, &D::totalInfiltrationFc, &D::rainConstantA,
        &D::rainConstantB, &D::rainConstantC, &D::rainConstantD, &D::arrivalTimeT, &D::inletTimeT1,
        &D::flowTimeT2, &D::drainLengthL, &D::flowVelocityV, &D::slopeLengthL, &D::slopeGradientS,
        &D::retardanceN, &D::channelLengthL, &D::channelSlopeI, &D::landUseC1, &D::landUseC2, &D::landUseA1,
        &D::landUseA2, &D::wellInflowQ, &D::wellBottomArea, &D::wellAreaAi, &D::wellEffectiveDepthH};
    for (const FacilityFamily& family : facilityFamilies()) {
        for (const FacilityBox& box : family.boxes)
            fields.push_back(box.field);
        for (const FacilityKind& kind : family.kinds)
            for (CaseField f : {kind.a, kind.b, kind.c, kind.Kf, kind.Qf, kind.Q, kind.Fc})
                if (f)
                    fields.push_back(f);
    }
    return fields;
}

} // namespace

class ProjectFiles : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        ASSERT_TRUE(folder_.isValid());
        newCase();
    }
    QString path(const char* name) const { return folder_.filePath(QString::fromUtf8(name)); }

    // ﾌｧｲﾙ → 名前をつけて保存 with the name typed in the dialog.
    void saveAs(const QString& file)
    {
        emit mainWindow().Men_F->aboutToShow();
        ASSERT_TRUE(mainWindow().Men_FSav->isEnabled());
        platform_->queueFileName(file);
        mainWindow().Men_FSav->trigger();
    }

    // A fresh program that opens the file as from the command line.
    std::unique_ptr<App> reopened(const QString& file)
    {
        auto app = std::make_unique<App>(*secondPlatform_);
        EXPECT_TRUE(openProjectFile(*app, file, WhenCaseOpen::Replace));
        return app;
    }


    // Every control the file names holds the same value in both programs.
    void expectSameWindows(App& a, App& b)
    {
        for (const ProjectGroup& group : projectLayout())
            for (const ProjectItem& item : group.items) {
                if (item.kind == LineKind::RecordField)
                    continue;
                SCOPED_TRACE(std::string(item.window) + "." + item.control);
                QWidget* x = projectControl(a, item);
                QWidget* y = projectControl(b, item);
                ASSERT_TRUE(x && y);
                EXPECT_EQ(encodeLine(item.kind, valueOf(x, item.kind)), encodeLine(item.kind, valueOf(y, item.kind)));
            }
    }

    QTemporaryDir folder_;
    std::unique_ptr<ScriptedPlatform> secondPlatform_ = std::make_unique<ScriptedPlatform>();
};

TEST_F(ProjectFiles, EveryOptionalGroupComesBackAndSavesToTheSameBytes)
{
    // I by formula ① with t = t1 (Kerby) + t2 (茨城県, before development).
    click(f1().cmd_i2);
    Form12& rainfall = app().form<Form12>();
    click(rainfall.opt1);
    click(rainfall.Option4);
    type(rainfall.txt1, u"5000"_qs);
    type(rainfall.txt2, u"40"_qs);
    Form13& inlet = app().dialog<Form13>();
    platform_->queueModalAction([&](QDialog&) {
        inlet.txt1->setText(u"100"_qs);
        inlet.txt2->setText(u"10"_qs);
        inlet.txt3->setText(u"0.40"_qs);
        inlet.cmd1->click();
    });
    click(rainfall.Command4);
    click(rainfall.chk1);
    Form22& channel = app().dialog<Form22>();
    channel.opt1->setChecked(true);
    channel.txt1->setText(u"1"_qs);
    channel.txt2->setText(u"0.01"_qs);
    click(rainfall.cmd1);
    // C from two weighted rows, one name typed with a comma and quotes.
    click(f1().cmd_c2);
    Form16& runoff = app().form<Form16>();
    click(runoff.chk_k1);
    type(runoff.txt_c1, u"0.9"_qs);
    type(runoff.txt_a1, u"500"_qs);
    runoff.txt_t2->setText(u" 畑, \"北側\""_qs);
    type(runoff.txt_c2, u"0.3"_qs);
    type(runoff.txt_a2, u"1500"_qs);
    click(runoff.cmd1);
    oneBasin();
    calculate();
    ASSERT_TRUE(messages().empty()) << messages().front().text.toStdString();

    const QString file = path("全部.qzk");
    saveAs(file);
    ASSERT_TRUE(messages().empty());
    const QByteArray saved = bytesOf(file);
    EXPECT_EQ(linesOf(saved).size(), 23 + 14 + 2 + 35 + 37 + 1);
    EXPECT_EQ(mainWindow().fileName(), file);

    const auto again = reopened(file);
    EXPECT_TRUE(secondPlatform_->messages().empty());
    expectSameWindows(app(), *again);
    for (CaseField f : caseFields())
        EXPECT_EQ(double(again->record.*f), double(record().*f));
    // Q1 came from the shown C, A and I, and the record holds those, not the
    // dialogs' unrounded values: the sheet prints the factors of its Q1.
    EXPECT_EQ(again->form<Form11>().lbl3->text(), f11().lbl3->text());
    EXPECT_EQ(double(again->record.rainfallIntensityI), double(record().rainfallIntensityI));
    EXPECT_EQ(currentSheet(*again, SheetVariant::TextFile).lines, currentSheet(app(), SheetVariant::TextFile).lines);
    EXPECT_TRUE(again->isVisible<Form2>());
    EXPECT_FALSE(again->isVisible<Form12>());
    EXPECT_TRUE(again->mainWindow().Men_FPrn->isEnabled());
    EXPECT_TRUE(again->mainWindow().toolbarButton(3)->isEnabled());
    EXPECT_EQ(again->mainWindow().fileName(), file);

    // Saving the reopened case writes the very same bytes.
    const QString copy = path("写し.qzk");
    ASSERT_TRUE(saveProjectFile(*again, copy));
    EXPECT_EQ(bytesOf(copy), saved);
}

TEST_F(ProjectFiles, TheWellCaseComesBackWithItsDepth)
{
    click(f1().chk6);
    type(f1().txt_c, u"0.9"_qs);
    type(f1().txt_a, u"1000"_qs);
    click(f1().chk_t);
    type(f1().txt_t, u"ローム"_qs);
    type(f1().txt_tk, u"0.05"_qs);
    click(f1().cmd6);
    Form18& well = app().form<Form18>();
    type(well.txt1d, u"2.0"_qs);
    type(well.txt1h, u"3.5"_qs);
    type(well.txt1n, u"5"_qs);
    calculate();
    ASSERT_EQ(f11().Label1->text(), u"1.5884"_qs);

    const QString file = path("well.qzk");
    saveAs(file);
    EXPECT_EQ(linesOf(bytesOf(file)).size(), 23 + 2 + 1 + 7);
    const auto again = reopened(file);
    expectSameWindows(app(), *again);
    EXPECT_EQ(again->form<Form11>().Label1->text(), u"1.5884"_qs);
    EXPECT_EQ(double(again->record.wellEffectiveDepthH), double(record().wellEffectiveDepthH));
    EXPECT_TRUE(again->isVisible<Form18>());
    EXPECT_FALSE(again->form<Form11>().Frame1->isVisibleTo(&again->form<Form11>()));
}

TEST_F(ProjectFiles, SmallCasesHaveTheirLineCountsAndCaptionsAreShownAsSaved)
{
    enterConditions();
    oneBasin();
    calculate();
    const QString file = path("square.qzk");
    saveAs(file);
    QList<QByteArray> lines = linesOf(bytesOf(file));
    ASSERT_EQ(lines.size(), 40);
    EXPECT_EQ(lines[0], "True");
    EXPECT_EQ(lines[3], "0.9");
    EXPECT_EQ(lines[16], " 3 ");
    EXPECT_EQ(lines[25], "0.5");
    EXPECT_EQ(lines[38], "6.062");

    // Captions edited by hand are shown as read, over what the rebuilt run shows.
    lines[37] = "99.999";
    lines[38] = "1.000";
    writeBytes(file, lines.join("\r\n") + "\r\n");
    const auto again = reopened(file);
    EXPECT_EQ(again->form<Form11>().lbl3->text(), u"99.999"_qs);
    EXPECT_EQ(again->form<Form11>().lbl6->text(), u"1.000"_qs);
    EXPECT_NEAR(double(again->record.totalInfiltrationFc), 6.0619266, 1e-12);

    // Without any facility the file is the shortest there is.
    f1().chk1->setValue(0);
    const QString bare = path("bare.qzk");
    ASSERT_TRUE(saveProjectFile(app(), bare));
    EXPECT_EQ(linesOf(bytesOf(bare)).size(), 26);
}

TEST_F(ProjectFiles, RecordFieldsWrittenByHandAreAccepted)
{
    click(f1().cmd_i2);
    click(app().form<Form12>().cmd2);
    f1().opt4->setChecked(true);
    const QString file = path("hand.qzk");
    ASSERT_TRUE(saveProjectFile(app(), file));
    QList<QByteArray> lines = linesOf(bytesOf(file));
    ASSERT_EQ(lines.size(), 26 + 14 + 35);
    // The slope length, gradient and retardance: lines 111-113 of a full
    // file, here shifted up by the groups this case does not hold.
    lines[68] = " .5 ";
    lines[69] = "1E-3 ";
    lines[70] = "-.25";
    writeBytes(file, lines.join("\r\n") + "\r\n");
    const auto again = reopened(file);
    EXPECT_EQ(double(again->record.slopeLengthL), 0.5);
    EXPECT_EQ(double(again->record.slopeGradientS), 0.001);
    EXPECT_EQ(double(again->record.retardanceN), -0.25);
}

TEST_F(ProjectFiles, FilesThatCannotBeOpenedLeaveTheOpenCaseUntouched)
{
    enterConditions();
    mainWindow().setFileName(u"/earlier/case.qzk"_qs);
    auto untouched = [&] {
        EXPECT_EQ(f1().txt_c->text(), u"0.9"_qs);
        EXPECT_EQ(f1().txt_i->text(), u"50"_qs);
        EXPECT_EQ(mainWindow().fileName(), u"/earlier/case.qzk"_qs);
    };

    platform_->clear();
    platform_->queueFileName(path("missing.qzk"));
    mainWindow().Men_FOpn->trigger();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].text.startsWith(u"ファイルを開けません。\n"_qs));
    EXPECT_TRUE(messages()[0].text.contains(u"missing.qzk"_qs));
    untouched();

    const QString text = path("memo.qzk");
    writeBytes(text, "Dear engineer,\r\nplease check.\r\n");
    platform_->clear();
    platform_->queueFileName(text);
    mainWindow().Men_FOpn->trigger();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, u"アクエンザのファイルではありません。\n"_qs + QDir::toNativeSeparators(text));
    untouched();

    // A real project file, but the engineer keeps the case being entered.
    const QString other = path("other.qzk");
    ASSERT_TRUE(saveProjectFile(app(), other));
    f1().txt_c->setText(u"0.9"_qs);
    platform_->clear();
    platform_->queueFileName(other);
    platform_->queueAnswer(Answer::Cancel);
    mainWindow().Men_FOpn->trigger();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, u"作成中のデータが失われます。閉じてもよろしいですか？"_qs);
    untouched();
}

TEST_F(ProjectFiles, AShortFileOpensWithAWarningAndNothingMisplaced)
{
    enterConditions();
    oneBasin();
    calculate();
    const QString file = path("short.qzk");
    saveAs(file);
    QList<QByteArray> lines = linesOf(bytesOf(file));
    lines = lines.mid(0, 27); // up to txt11h of the square basin
    lines[12] = "Maybe";     // opt5 does not convert
    writeBytes(file, lines.join("\r\n") + "\r\n");

    ScriptedPlatform& second = *secondPlatform_;
    App again(second);
    ASSERT_TRUE(openProjectFile(again, file, WhenCaseOpen::Replace));
    ASSERT_EQ(second.messages().size(), 1u);
    const QString warning = second.messages()[0].text;
    EXPECT_TRUE(warning.contains(u"40行のうち27行を読み込みました"_qs)) << warning.toStdString();
    EXPECT_TRUE(warning.contains(u"値として読み込めない行が1行"_qs)) << warning.toStdString();
    Form2& basin = again.form<Form2>();
    EXPECT_EQ(basin.txt11h->text(), u"1.0"_qs);
    EXPECT_EQ(basin.txt11n->text(), QString()); // not the last line read
    // Without its result lines the case shows no result and prints nothing until 計算.
    EXPECT_EQ(again.form<Form11>().lbl3->text(), QString());
    EXPECT_FALSE(again.mainWindow().toolbarButton(6)->isEnabled());
}

TEST_F(ProjectFiles, SavingNeverLeavesABrokenFileNorLosesTheName)
{
    enterConditions();
    oneBasin();
    calculate();
    const QString file = path("kept.qzk");
    saveAs(file);
    const QByteArray before = bytesOf(file);

    // A folder that cannot exist: the old name and file stay.
    const QString blocked = file + u"/inside.qzk"_qs;
    platform_->clear();
    saveAs(blocked);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].text.startsWith(u"ファイルを保存できません。\n"_qs));
    EXPECT_EQ(mainWindow().fileName(), file);

    // Text CP932 cannot hold: nothing is written, the box has the focus.
    click(f1().chk_t);
    type(f1().txt_t, u"𠮷田の土"_qs);
    type(f1().txt_tk, u"0.015"_qs);
    calculate();
    platform_->clear();
    platform_->queueAnswer(Answer::Ok);
    emit mainWindow().Men_F->aboutToShow();
    mainWindow().Men_FOvw->trigger();
    ASSERT_EQ(messages().size(), 2u);
    EXPECT_TRUE(messages()[1].text.contains(u"「設計条件」の「土質の名称」"_qs)) << messages()[1].text.toStdString();
    EXPECT_EQ(focused(), f1().txt_t);
    EXPECT_EQ(bytesOf(file), before);

    // Declining to overwrite another file, or cancelling the dialog, keeps the name.
    const QString existing = path("existing.qzk");
    writeBytes(existing, "theirs");
    f1().chk_t->setValue(0);
    calculate();
    platform_->clear();
    platform_->queueAnswer(Answer::No);
    saveAs(existing);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].title, u"上書き保存の確認"_qs);
    EXPECT_EQ(messages()[0].defaultButton, Answer::No);
    EXPECT_EQ(bytesOf(existing), "theirs");
    saveAs(QString());
    EXPECT_EQ(mainWindow().fileName(), file);
}

TEST_F(ProjectFiles, OverwritingOntoAFullDiskKeepsTheOldFileWholeAndSaysSo)
{
    enterConditions();
    oneBasin();
    calculate();
    const QString file = path("full.qzk");
    saveAs(file);
    const QByteArray before = bytesOf(file);
    type(f1().txt_c, u"0.8"_qs);
    calculate();
    platform_->clear();
    // 上書き保存 with room for half the new file, then with none.
    for (const long long room : {before.size() / 2LL, 0LL}) {
        const int outcome = runInChild(
            [&] {
                platform_->queueAnswer(Answer::Ok);
                emit mainWindow().Men_F->aboutToShow();
                mainWindow().Men_FOvw->trigger();
                const auto shown = messages(); // the question, then the failure
                return shown.size() == 2 && isFileMessage(shown[1].text, u"ファイルを保存できません。"_qs, file) ? 0 : 1;
            },
            {.fileSize = room});
        EXPECT_EQ(outcome, 0) << room << ": not refused with the file and the reason";
        EXPECT_EQ(bytesOf(file), before);
        EXPECT_EQ(namesIn(folder_.path()), QStringList{u"full.qzk"_qs}); // no temporary file left
    }
}

TEST_F(ProjectFiles, APipeOrAFolderIsRefusedAtOnceAndNeverReplaced)
{
    enterConditions();
    const QString pipe = path("pipe.qzk");
    const QString folder = path("folder.qzk");
    ASSERT_TRUE(makeFifo(pipe) && QDir().mkdir(folder));
    for (const QString& special : {pipe, folder}) {
        platform_->clear();
        const int outcome = runInChild(
            [&] {
                platform_->queueFileName(special);
                mainWindow().Men_FOpn->trigger();
                const bool refused = messages().size() == 1 &&
                                     isFileMessage(messages()[0].text, u"ファイルを開けません。"_qs, special);
                return refused && f1().txt_c->text() == u"0.9"_qs ? 0 : 1;
            },
            {.watchdogSeconds = 10});
        EXPECT_EQ(outcome, 0) << special.toStdString() << " -1: blocked; 1: not refused with the file and the reason";
        EXPECT_FALSE(saveProjectFile(app(), special));
        ASSERT_EQ(messages().size(), 1u);
        EXPECT_TRUE(isFileMessage(messages()[0].text, u"ファイルを保存できません。"_qs, special));
    }
    EXPECT_TRUE(isFifo(pipe));
    EXPECT_TRUE(QFileInfo(folder).isDir());
}

TEST_F(ProjectFiles, AfterAProjectDialogTheSheetFolderIsTheProjects)
{
    const QString start = QDir::currentPath();
    enterConditions();
    oneBasin();
    calculate();
    const QString sub = path("案件");
    QDir().mkpath(sub);
    saveAs(sub + u"/A.qzk"_qs);
    EXPECT_EQ(QDir::currentPath(), QDir(sub).canonicalPath());
    QDir::setCurrent(start);
    platform_->clear();
    platform_->queueFileName(sub + u"/A.qzk"_qs);
    platform_->queueAnswer(Answer::Ok);
    mainWindow().Men_FOpn->trigger();
    EXPECT_EQ(QDir::currentPath(), QDir(sub).canonicalPath());
    QDir::setCurrent(start);
    const auto requests = platform_->calls();
    ASSERT_FALSE(requests.empty());
    EXPECT_EQ(requests.front().file.title, u"アクエンザを開く"_qs);
    EXPECT_EQ(requests.front().file.filter, u"アクエンザ(.qzk)|*.qzk"_qs);
    EXPECT_TRUE(QFileInfo(requests.front().file.initialFolder).isDir());
}

} // namespace akuenza::test

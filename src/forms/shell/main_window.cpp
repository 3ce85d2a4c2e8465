#include "forms/shell/main_window.h"

#include "core/facilities/facility_families.h"
#include "forms/conditions/design_conditions_form.h"
#include "forms/conditions/rainfall_dialog.h"
#include "forms/conditions/runoff_dialog.h"
#include "forms/facilities/results_form.h"
#include "forms/facilities/window_snapshot.h"
#include "forms/facilities/circular_basin_dialog.h"
#include "forms/facilities/ditch_pipe_dialog.h"
#include "forms/facilities/infiltration_well_dialog.h"
#include "forms/facilities/pavement_pond_dialog.h"
#include "forms/facilities/rect_basin_dialog.h"
#include "forms/facilities/square_basin_dialog.h"
#include "forms/shell/project_files.h"
#include "forms/report/sheet_file.h"
#include "forms/report/print_image_window.h"
#include "forms/report/printing.h"
#include "forms/report/required_quantities_window.h"
#include "forms/base/application.h"
#include "forms/shell/reference_window.h"
#include "forms/base/status_texts.h"
#include "forms/base/toolbar_icons.h"
#include "forms/shell/version_window.h"
#include "forms/base/window_places.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include <algorithm>

namespace akuenza {

std::unique_ptr<MainFrame> makeMainWindow(App& app) { return std::make_unique<MDIFofm>(app); }

MDIFofm& App::mainWindow() { return static_cast<MDIFofm&>(frame()); }

namespace {
const QString kProgramTitle = QStringLiteral("アクエンザ");
} // namespace

MDIFofm::MDIFofm(App& app) : app_(app)
{
    // The windows of a case by their designed names, for the project file
    // and for the run that sends the engineer to a box.
    app_.nameWindows(designedWindows());
    setObjectName(QStringLiteral("MDIFofm"));
    setWindowTitle(kProgramTitle);
    setWindowIcon(programIcon());

    workArea_ = new QMdiArea(this);
    workArea_->setObjectName(QStringLiteral("workArea"));
    workArea_->setBackground(QBrush(QColor(128, 128, 128)));
    // Windows that do not fit the work area (a small screen, a large scale)
    // are reached with its scroll bars; their designed places stay.
    workArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    workArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(workArea_);

    buildMenus();
    buildToolbar();

    sbr1 = statusBar();
    sbr1->setObjectName(QStringLiteral("sbr1"));
    sbr1->setSizeGripEnabled(true);
    msgPanel_ = new QLabel(sbr1);
    msgPanel_->setObjectName(QStringLiteral("msg"));
    sbr1->addWidget(msgPanel_, 1);
    filePanel_ = new QLabel(sbr1);
    filePanel_->setObjectName(QStringLiteral("file"));
    sbr1->addPermanentWidget(filePanel_);

    resize(880, 640);
    fitToScreen();

    // Start-up: only New and Open are usable until a case is open.
    setPanelText(QStringLiteral("msg"), kStartPrompt);
    disableSaveAndPrintCommands(true);
}

void MDIFofm::fitToScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The free area less room for the frame and title bar the desktop adds.
    const QRect free = screen->availableGeometry();
    const QSize room(std::max(320, free.width() - 16), std::max(240, free.height() - 48));
    if (width() > room.width() || height() > room.height())
        resize(std::min(width(), room.width()), std::min(height(), room.height()));
    if (!free.contains(QRect(pos(), size())))
        move(free.topLeft());
}

void MDIFofm::setFileName(const QString& name)
{
    fileName_ = name;
    showCaseFile();
}

void MDIFofm::showCaseFile()
{
    const bool named = !fileName_.isEmpty() && app_.isVisible<Form1>();
    setWindowTitle(named ? kProgramTitle + QStringLiteral(" - ") + QFileInfo(fileName_).fileName() : kProgramTitle);
    filePanel_->setText(named ? QDir::toNativeSeparators(fileName_) : QString());
}

void MDIFofm::showNote(const QString& text) { sbr1->showMessage(text, 15000); }

void MDIFofm::buildMenus()
{
    QMenuBar* bar = menuBar();
    Men_F = bar->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    Men_F->setObjectName(QStringLiteral("Men_F"));
    Men_FNew = Men_F->addAction(QStringLiteral("新規作成(&N)"));
    Men_FOpn = Men_F->addAction(QStringLiteral("開く(&O)"));
    Men_FCls = Men_F->addAction(QStringLiteral("閉じる(&C)"));
    Men_FL1 = Men_F->addSeparator();
    Men_FOvw = Men_F->addAction(QStringLiteral("上書き保存(&S)"));
    Men_FSav = Men_F->addAction(QStringLiteral("名前をつけて保存(&A)"));
    Men_FL2 = Men_F->addSeparator();
    Men_FImg = Men_F->addAction(QStringLiteral("印刷ｲﾒｰｼﾞ(&I)"));
    Men_FPrn = Men_F->addAction(QStringLiteral("印刷(&P)"));
    Men_FPdf = Men_F->addAction(QStringLiteral("PDF出力(&D)..."));
    Men_FL3 = Men_F->addSeparator();
    Men_FEdi = Men_F->addMenu(QStringLiteral("ｴﾃﾞｨﾀ(&E)"));
    Men_FEdi->setObjectName(QStringLiteral("Men_FEdi"));
    Men_FEWri = Men_FEdi->addAction(QStringLiteral("書き込み(&W)"));
    Men_FEOpn = Men_FEdi->addAction(QStringLiteral("起動(&O)"));
    Men_FL4 = Men_F->addSeparator();
    Men_FEnd = Men_F->addAction(QStringLiteral("終了(&X)"));

    Men_S = bar->addAction(QStringLiteral("参考(&S)"));

    Men_T = bar->addMenu(QStringLiteral("ﾂｰﾙ(&T)"));
    Men_T->setObjectName(QStringLiteral("Men_T"));
    Men_TReq = Men_T->addAction(QStringLiteral("必要数量(&R)..."));

    Men_H = bar->addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    Men_H->setObjectName(QStringLiteral("Men_H"));
    Men_HVer = Men_H->addAction(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&A)"));

    const std::pair<QAction*, const char*> names[] = {
        {Men_FNew, "Men_FNew"}, {Men_FOpn, "Men_FOpn"},   {Men_FCls, "Men_FCls"},   {Men_FL1, "Men_FL1"},
        {Men_FOvw, "Men_FOvw"}, {Men_FSav, "Men_FSav"},   {Men_FL2, "Men_FL2"},     {Men_FImg, "Men_FImg"},
        {Men_FPrn, "Men_FPrn"}, {Men_FPdf, "Men_FPdf"},   {Men_FL3, "Men_FL3"},     {Men_FEWri, "Men_FEWri"},
        {Men_FEOpn, "Men_FEOpn"}, {Men_FL4, "Men_FL4"},   {Men_FEnd, "Men_FEnd"},   {Men_S, "Men_S"},
        {Men_TReq, "Men_TReq"}, {Men_HVer, "Men_HVer"},
    };
    for (const auto& [action, name] : names)
        action->setObjectName(QString::fromLatin1(name));

    connect(Men_F, &QMenu::aboutToShow, this, &MDIFofm::Men_F_Click);
    connect(Men_FNew, &QAction::triggered, this, &MDIFofm::FileNew);
    connect(Men_FOpn, &QAction::triggered, this, &MDIFofm::FileOpen);
    connect(Men_FOvw, &QAction::triggered, this, &MDIFofm::FileUpdate);
    connect(Men_FSav, &QAction::triggered, this, &MDIFofm::FileSaveAs);
    connect(Men_FEWri, &QAction::triggered, this, &MDIFofm::Men_FEWri_Click);
    connect(Men_FEOpn, &QAction::triggered, this, &MDIFofm::Men_FEOpn_Click);
    connect(Men_FCls, &QAction::triggered, this, &MDIFofm::FileClose);
    connect(Men_FEnd, &QAction::triggered, this, &MDIFofm::FileExit);
    connect(Men_FImg, &QAction::triggered, this, [this] { FileImage(app_); });
    connect(Men_FPrn, &QAction::triggered, this, [this] { FilePrint(app_); });
    connect(Men_FPdf, &QAction::triggered, this, [this] { FilePdf(app_); });
    connect(Men_S, &QAction::triggered, this, &MDIFofm::showReference);
    connect(Men_T, &QMenu::aboutToShow, this, &MDIFofm::Men_F_Click);
    connect(Men_TReq, &QAction::triggered, this, &MDIFofm::showRequiredQuantities);
    connect(Men_HVer, &QAction::triggered, this, &MDIFofm::showVersion);
}

void MDIFofm::buildToolbar()
{
    Toolbar1 = addToolBar(QStringLiteral("Toolbar1"));
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setIconSize(QSize(16, 16));
    const char* tips[7] = {nullptr,
                           "[ファイル]-[新規作成]",
                           "[ファイル]-[開く]",
                           "[ファイル]-[上書き保存]",
                           nullptr,
                           "[ファイル]-[印刷ｲﾒｰｼﾞ]",
                           "[ファイル]-[印刷]"};
    for (int index = 1; index <= 6; ++index) {
        if (index == 4) {
            buttons_[index] = Toolbar1->addSeparator();
            continue;
        }
        QAction* button = Toolbar1->addAction(toolbarIcon(index), QString());
        button->setToolTip(QString::fromUtf8(tips[index]));
        button->setObjectName(QStringLiteral("Toolbar1_%1").arg(index));
        connect(button, &QAction::triggered, this, [this, index] { Toolbar1_ButtonClick(index); });
        buttons_[index] = button;
    }
}

QAction* MDIFofm::toolbarButton(int index) const { return index >= 1 && index <= 6 ? buttons_[index] : nullptr; }

void MDIFofm::setToolbarButtonEnabled(int index, bool enabled)
{
    if (QAction* b = toolbarButton(index))
        b->setEnabled(enabled);
}

void MDIFofm::Toolbar1_ButtonClick(int index)
{
    switch (index) {
    case 1:
        FileNew();
        break;
    case 2:
        FileOpen();
        break;
    case 3:
        FileUpdate();
        break;
    case 5:
        FileImage(app_);
        break;
    case 6:
        FilePrint(app_);
        break;
    default:
        // 4 is the separator, and any other index does nothing.
        break;
    }
}

void MDIFofm::setPanelText(const QString& key, const QString& text)
{
    if (key == QLatin1String("msg"))
        msgPanel_->setText(text);
}

QString MDIFofm::panelText(const QString& key) const
{
    return key == QLatin1String("msg") ? msgPanel_->text() : QString();
}

void MDIFofm::showBars()
{
    Toolbar1->show();
    sbr1->show();
}

void MDIFofm::hideToolbar() { Toolbar1->hide(); }

void MDIFofm::showToolbar() { Toolbar1->show(); }

void MDIFofm::enableReferenceMenu() { Men_S->setEnabled(true); }

void MDIFofm::writeSheetCommand()
{
    const bool enabled = Men_FEWri->isEnabled();
    Men_FEWri->setEnabled(true);
    Men_FEWri->trigger();
    Men_FEWri->setEnabled(enabled);
}

void MDIFofm::openSheetCommand() { Men_FEOpn->trigger(); }

void MDIFofm::disableSaveAndPrintButtons()
{
    for (int index : {3, 5, 6})
        setToolbarButtonEnabled(index, false);
    // No number of results that no longer stand stays on show.
    if (requiredWindow_)
        requiredWindow_->showVoided();
}

void MDIFofm::enableSaveAndPrintButtons()
{
    setToolbarButtonEnabled(3, !fileName_.isEmpty());
    setToolbarButtonEnabled(5, true);
    setToolbarButtonEnabled(6, true);
    if (requiredWindow_ && app_.isShown(requiredWindow_))
        requiredWindow_->showRun();
}

void MDIFofm::setPrintImageEnabled(bool enabled)
{
    Men_FImg->setEnabled(enabled);
    const Form1* conditions = enabled ? app_.loaded<Form1>() : nullptr;
    Men_TReq->setEnabled(enabled && !(conditions && conditions->chk6->value() == 1));
}

void MDIFofm::disableSaveAndPrintCommands(bool includingWrite)
{
    Men_FSav->setEnabled(false);
    Men_FOvw->setEnabled(false);
    setPrintImageEnabled(false);
    Men_FPrn->setEnabled(false);
    Men_FPdf->setEnabled(false);
    if (includingWrite)
        Men_FEWri->setEnabled(false);
    disableSaveAndPrintButtons();
}

bool MDIFofm::resultsStand()
{
    const DesignCase& rec = app_.record;
    const bool well = app_.form<Form1>().chk6->value() == 1;
    return well ? rec.wellEffectiveDepthH != 0.0
                : rec.countermeasureRainwaterQ1 != 0.0 && rec.totalInfiltrationFc != 0.0;
}

void MDIFofm::Men_F_Click()
{
    if (!resultsStand()) {
        disableSaveAndPrintCommands(true);
        return;
    }
    for (QAction* item : {Men_FSav, Men_FPrn, Men_FPdf, Men_FEWri})
        item->setEnabled(true);
    setPrintImageEnabled(true);
    Men_FOvw->setEnabled(!fileName_.isEmpty());
    enableSaveAndPrintButtons();
}

void MDIFofm::Tojiru()
{
    // The input windows of the case, in their order; the hydrology
    // sub-dialogs are not touched. The print image of the case goes with
    // it: it would show, and print, a sheet of a case no longer on screen;
    // so do the required quantities of the case.
    app_.unload<Form7>();
    app_.unload<RequiredQuantitiesWindow>();
    app_.unload<Form1>();
    app_.unload<Form2>();
    app_.unload<Form5>();
    app_.unload<Form6>();
    app_.unload<Form11>();
    app_.unload<Form12>();
    app_.unload<Form14>();
    app_.unload<Form15>();
    app_.unload<Form16>();
    app_.unload<Form18>();
    app_.unload<Form1>();
    // Nothing of the case closed survives into the next one: the record is
    // as at start-up, so a value the next case does not set reads as never
    // set instead of as the old case's.
    app_.record = DesignCase{};
}

void MDIFofm::FileNew()
{
    // A case being entered is not discarded without Close's question.
    if (app_.isVisible<Form1>() && !confirmDiscard())
        return;
    Tojiru();
    app_.unload<Form1>();
    app_.unload<Form11>();

    Form1& f1 = app_.showAt<Form1>(0, 0);
    f1.opt5->setChecked(true);
    f1.opt3->setChecked(true);
    f1.opt7->setChecked(true);
    f1.txt1->hide();
    f1.lbl1->hide();
    f1.cbo1->setListIndex(3);
    f1.chk1->setValue(1);
    f1.cmd1->setEnabled(true);

    app_.showAt<Form2>(kFacilityDialogLeft, 0);

    Form11& f11 = app_.form<Form11>();
    f11.Frame1->hide();
    app_.showAt<Form11>(0, kResultsFormTop);
    f11.hideWellRow();

    f1.txt_c->setFocus();
    setFileName(QString());

    disableSaveAndPrintCommands(false);
    setPanelText(QStringLiteral("msg"), kConditionsHint);
    showBars();

    // The rainfall dialog stays loaded, hidden, with its constants and times empty.
    Form12& rainfall = app_.form<Form12>();
    for (TextBox* box : {rainfall.txt1, rainfall.txt2, rainfall.txt3, rainfall.txt4, rainfall.txt5})
        box->clear();
    app_.hide<Form12>();

    for (CaseField fc : facilityInfiltrationVolumes())
        app_.record.*fc = 0.0;
}

bool MDIFofm::confirmDiscard()
{
    const Answer answer = app_.ask({QStringLiteral("作成中のデータが失われます。閉じてもよろしいですか？"),
                                    QStringLiteral("確認"), MessageButtons::OkCancel, MessageIcon::Question,
                                    Answer::Cancel});
    return answer != Answer::Cancel;
}

void MDIFofm::FileOpen() { akuenza::FileOpen(app_); }

// The sheet builder picks the sheet by the well box; both procedures write
// what it gives.
void MDIFofm::Kakikomi() { writeSheetFile(app_); }

void MDIFofm::Kakikomi_3() { writeSheetFile(app_); }

void MDIFofm::Men_FEWri_Click()
{
    const CheckBox* well = app_.form<Form1>().chk6;
    if (well->value() == 0)
        Kakikomi();
    else if (well->value() == 1)
        Kakikomi_3();
}

void MDIFofm::Men_FEOpn_Click() { openSheetFile(app_); }

void MDIFofm::FileUpdate() { akuenza::FileUpdate(app_); }

void MDIFofm::FileSaveAs() { akuenza::FileSaveAs(app_); }

void MDIFofm::enableSaveAndPrintCommands()
{
    for (QAction* item : {Men_FSav, Men_FOvw, Men_FPrn, Men_FEWri})
        item->setEnabled(true);
    setPrintImageEnabled(true);
    for (int index : {3, 5, 6})
        setToolbarButtonEnabled(index, true);
}

void MDIFofm::FileClose()
{
    if (!confirmDiscard())
        return;
    Tojiru();
    setPanelText(QStringLiteral("msg"), QString());
    app_.unload<Form1>();
    disableSaveAndPrintCommands(true);
    showCaseFile();
}

void MDIFofm::FileExit()
{
    const Answer answer = app_.ask({QStringLiteral("終了してもよろしいですか？"), QStringLiteral("確認"),
                                    MessageButtons::YesNo, MessageIcon::Question, Answer::No});
    if (answer != Answer::No)
        app_.endProgram();
}

void MDIFofm::closeEvent(QCloseEvent* event)
{
    if (app_.programEnded()) {
        event->accept();
        return;
    }
    // A request that arrives while a question is up must wait for its answer;
    // ending the program there would cut the running procedure off half-way.
    if (app_.modalBoxUp()) {
        event->ignore();
        return;
    }
    const Answer answer = app_.ask({QStringLiteral("終了してもよろしいですか?"), kProgramTitle,
                                    MessageButtons::YesNo, MessageIcon::Question, Answer::Yes});
    if (answer != Answer::Yes) {
        event->ignore();
        return;
    }
    app_.endProgram();
    event->accept();
}

void MDIFofm::showRequiredQuantities()
{
    RequiredQuantitiesWindow& window = app_.form<RequiredQuantitiesWindow>();
    requiredWindow_ = &window;
    // Over the design conditions: the facility dialog to the right and the
    // results form with its 計　算 below stay in reach.
    app_.showAt<RequiredQuantitiesWindow>(0, 0);
    if (resultsStand())
        window.showRun();
    else
        window.showVoided();
}

void MDIFofm::showVersion()
{
    Form10 window(this);
    app_.platform().runModal(window);
}

void MDIFofm::showReference()
{
    Form4 window(this);
    app_.platform().runModal(window);
}

} // namespace akuenza

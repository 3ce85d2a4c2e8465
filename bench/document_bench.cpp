// Benchmarks of the program's document work, each beside a bare Qt Widgets
// counterpart doing the same kind of work in the same process, on the same
// platform, with the same font set-up:
//
//   New            新規作成 of the main window, the windows it shows painted
//                  | the same standard widgets (class, place, text, font,
//                    shown or hidden) rebuilt in MDI sub-windows and painted
//   Open           a project file opened as 開く does, the windows painted
//                  | the file read, decoded from CP932 and split into lines,
//                    the same widgets rebuilt, the lines put into the boxes,
//                    painted
//   WriteSheet     書き込み of a five-block sheet (sintou.txt)
//                  | the same lines encoded to CP932 and appended to a file
//   Form7Redraw    one redraw of the print image with a five-block sheet,
//                  and the page repainted
//                  | the same lines in the same font and colours drawn on a
//                    white image of the same size, and the page repainted
//   PdfExport      the printed pages of a five-block sheet as a PDF file
//                  | the same lines on the same pages, in the same font, into
//                    an A4 PDF through QPrinter
//
// At the end a table gives each work's times and the ratio to the bare
// program. The program's side is everything the engineer waits for: the
// case read from the windows, the sheet built, checked and formatted.

#include "core/project/project_file.h"
#include "forms/conditions/design_conditions_form.h"
#include "forms/conditions/flow_time_dialog.h"
#include "forms/conditions/inlet_time_dialog.h"
#include "forms/conditions/rainfall_dialog.h"
#include "forms/conditions/runoff_dialog.h"
#include "forms/facilities/family_dialogs.h"
#include "forms/facilities/results_form.h"
#include "forms/shell/project_files.h"
#include "forms/project/window_values.h"
#include "forms/report/drawing_target.h"
#include "forms/report/picture_box.h"
#include "forms/report/print_image_window.h"
#include "forms/report/printing.h"
#include "forms/report/sheet_drawing.h"
#include "forms/report/sheet_file.h"
#include "forms/base/application.h"
#include "forms/base/fonts.h"
#include "forms/shell/main_window.h"
#include "forms/base/program_setup.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include <unistd.h>

namespace {

using namespace akuenza;

// ---- The program's side ------------------------------------------------------

// A platform that agrees to every question (New discards the open case),
// keeps the texts of the messages and runs the modal windows queued for it.
class AgreeingPlatform final : public Platform {
public:
    Answer messageBox(const MessageRequest& request) override
    {
        messages.push_back(request.text);
        switch (request.buttons) {
        case MessageButtons::YesNo: return Answer::Yes;
        case MessageButtons::Ok:
        case MessageButtons::OkCancel: return Answer::Ok;
        }
        return Answer::Ok;
    }
    void beep() override {}
    QString openFileName(const FileDialogRequest&) override { return {}; }
    QString saveFileName(const FileDialogRequest&) override { return {}; }
    bool choosePrinter(QPrinter&) override { return false; }
    bool openInTextEditor(const QString&) override { return false; }
    void runModal(QDialog& dialog) override
    {
        if (modalActions.empty())
            return;
        auto action = std::move(modalActions.front());
        modalActions.pop_front();
        action(dialog);
    }

    QStringList messages;
    std::deque<std::function<void(QDialog&)>> modalActions;
};

// The program with its main window shown.
struct Session {
    Session()
    {
        app.mainWindow().show();
        (void)QTest::qWaitForWindowExposed(&app.mainWindow());
    }
    AgreeingPlatform platform;
    App app{platform};
};

void click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, control->rect().center()); }

// Clicks into a box and replaces its text by typing, as the engineer does.
void type(QLineEdit* box, const QString& text)
{
    click(box);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

// Presses 計算; the reason the run refused, or nothing when it gave a verdict.
std::optional<QString> calculate(Session& s)
{
    s.platform.messages.clear();
    Form11& results = s.app.form<Form11>();
    click(results.cmd1);
    if (!s.platform.messages.isEmpty())
        return s.platform.messages.front();
    if (results.lbl9->text().isEmpty())
        return QStringLiteral("the run showed no verdict");
    return std::nullopt;
}

void enterConditions(Session& s)
{
    Form1& f1 = s.app.form<Form1>();
    type(f1.txt_c, QStringLiteral("0.9"));
    type(f1.txt_a, QStringLiteral("1000"));
    type(f1.txt_i, QStringLiteral("50"));
}

// A new case with five facility blocks: the square basins' four rows and the
// first rectangular basin, each W, L, D of 0.5 m, H of 1 m and two basins.
std::optional<QString> fiveBlockCase(Session& s)
{
    s.app.mainWindow().FileNew();
    enterConditions(s);
    Form1& f1 = s.app.form<Form1>();
    const QString half = QStringLiteral("0.5"), one = QStringLiteral("1.0"), two = QStringLiteral("2");
    click(f1.cmd1);
    FacilityDialog& square = dialogOf(s.app, 1);
    for (CheckBox* column : square.findChildren<CheckBox*>())
        if (column->value() == 0)
            click(column);
    auto box = [&s](const char* form, const std::string& name) {
        return qobject_cast<TextBox*>(s.app.control(form, name));
    };
    for (const char* row : {"11", "12", "21", "22"}) {
        type(box(facilityFamily(1)->form, std::string("txt") + row + "w"), half);
        type(box(facilityFamily(1)->form, std::string("txt") + row + "h"), one);
        type(box(facilityFamily(1)->form, std::string("txt") + row + "n"), two);
    }
    click(f1.chk2);
    click(f1.cmd2);
    dialogOf(s.app, 2);
    type(box(facilityFamily(2)->form, "txt1w"), half);
    type(box(facilityFamily(2)->form, "txt1l"), one);
    type(box(facilityFamily(2)->form, "txt1h"), one);
    type(box(facilityFamily(2)->form, "txt1n"), two);
    return calculate(s);
}

// Every group a project file of the program can hold at once: I computed by
// formula ① with t = t1 (Kerby) + t2 (茨城県), C weighted over two land
// uses, and all five facility families with every row filled. (The well
// excludes the facility families, the computed I and the weighted C.)
std::optional<QString> fullCase(Session& s)
{
    s.app.mainWindow().FileNew();
    Form1& f1 = s.app.form<Form1>();

    click(f1.cmd_i2);
    Form12& rainfall = s.app.form<Form12>();
    click(rainfall.opt1);
    click(rainfall.Option4);
    type(rainfall.txt1, QStringLiteral("5000"));
    type(rainfall.txt2, QStringLiteral("40"));
    Form13& inlet = s.app.dialog<Form13>();
    s.platform.modalActions.push_back([&inlet](QDialog&) {
        inlet.txt1->setText(QStringLiteral("100"));
        inlet.txt2->setText(QStringLiteral("10"));
        inlet.txt3->setText(QStringLiteral("0.40"));
        inlet.cmd1->click();
    });
    click(rainfall.Command4);
    click(rainfall.chk1);
    Form22& channel = s.app.dialog<Form22>();
    channel.opt1->setChecked(true);
    channel.txt1->setText(QStringLiteral("1"));
    channel.txt2->setText(QStringLiteral("0.01"));
    click(rainfall.cmd1);

    click(f1.cmd_c2);
    Form16& runoff = s.app.form<Form16>();
    click(runoff.chk_k1);
    type(runoff.txt_c1, QStringLiteral("0.9"));
    type(runoff.txt_a1, QStringLiteral("500"));
    runoff.txt_t2->setText(QStringLiteral("畑"));
    type(runoff.txt_c2, QStringLiteral("0.3"));
    type(runoff.txt_a2, QStringLiteral("1500"));
    click(runoff.cmd1);

    const std::vector<std::vector<const char*>> rows = {
        {"0.5", "1", "2", "0.8", "1.2", "3", "2", "1", "2", "12", "1.5", "1"},
        {"1", "2", "1", "2", "0.6", "3", "0.8", "4"},
        {"0.5", "1", "2", "1.5", "2", "1", "0.8", "1", "3", "1.5", "2", "1"},
        {"0.5", "1", "10", "0.4", "0.6", "25", "0.6", "0.8", "30", "1", "1", "12"},
        {"0.3", "500", "1", "200"},
    };
    for (int n = 1; n <= 5; ++n) {
        f1.facilityCheck(n)->setValue(1);
        FacilityDialog& d = dialogOf(s.app, n);
        for (CheckBox* column : d.findChildren<CheckBox*>())
            column->setValue(1);
        const auto& texts = rows[std::size_t(n - 1)];
        for (std::size_t i = 0; i < texts.size() && i < d.boxes().size(); ++i)
            d.boxes()[i]->setText(QString::fromUtf8(texts[i]));
    }
    return calculate(s);
}

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int lineCount(const QByteArray& bytes) { return int(bytes.count("\r\n")); }

QString tempPath(const QString& name)
{
    static QTemporaryDir dir;
    return dir.filePath(name);
}

// ---- The bare program's side ---------------------------------------------------

// A widget as plain Qt makes it: the nearest Qt class of one of the
// program's widgets, with its place, text, font and state.
struct WidgetPlan {
    QByteArray kind;
    QRect geometry;
    QString text;
    QStringList items;
    bool checked = false;
    bool hidden = false;
    bool enabled = true;
    std::optional<QFont> font;
    std::optional<QPalette> palette;
    bool autoFill = false;
    QFrame::Shape frameShape = QFrame::NoFrame;
    Qt::Orientation orientation = Qt::Horizontal;
    std::vector<WidgetPlan> children;
};

struct WindowPlan {
    Qt::WindowFlags flags;
    QRect geometry;
    bool shown = false;
    WidgetPlan content;
};

QByteArray qtClassOf(const QObject* o)
{
    for (const QMetaObject* m = o->metaObject(); m; m = m->superClass())
        if (m->className()[0] == 'Q')
            return m->className();
    return "QWidget";
}

WidgetPlan planOf(const QWidget* w)
{
    WidgetPlan plan;
    plan.kind = qtClassOf(w);
    plan.geometry = w->geometry();
    plan.hidden = w->isHidden();
    plan.enabled = w->isEnabled();
    if (w->testAttribute(Qt::WA_SetFont))
        plan.font = w->font();
    if (w->testAttribute(Qt::WA_SetPalette))
        plan.palette = w->palette();
    plan.autoFill = w->autoFillBackground();
    if (auto* b = qobject_cast<const QAbstractButton*>(w)) {
        plan.text = b->text();
        plan.checked = b->isChecked();
    } else if (auto* l = qobject_cast<const QLabel*>(w)) {
        plan.text = l->text();
    } else if (auto* e = qobject_cast<const QLineEdit*>(w)) {
        plan.text = e->text();
    } else if (auto* g = qobject_cast<const QGroupBox*>(w)) {
        plan.text = g->title();
    } else if (auto* c = qobject_cast<const QComboBox*>(w)) {
        for (int i = 0; i < c->count(); ++i)
            plan.items << c->itemText(i);
    } else if (auto* s = qobject_cast<const QScrollBar*>(w)) {
        plan.orientation = s->orientation();
    }
    if (auto* f = qobject_cast<const QFrame*>(w))
        plan.frameShape = f->frameShape();
    for (const QObject* child : w->children())
        if (auto* cw = qobject_cast<const QWidget*>(child); cw && !cw->isWindow())
            plan.children.push_back(planOf(cw));
    return plan;
}

// Every window of the work area, shown or hidden, as plain Qt would build it.
std::vector<WindowPlan> windowsOf(App& app)
{
    std::vector<WindowPlan> windows;
    for (QMdiSubWindow* sub : app.mainWindow().workArea()->subWindowList()) {
        if (!sub->widget())
            continue;
        windows.push_back({sub->windowFlags(), sub->geometry(), !sub->isHidden(), planOf(sub->widget())});
    }
    return windows;
}

QWidget* build(const WidgetPlan& plan, QWidget* parent)
{
    QWidget* w = nullptr;
    if (plan.kind == "QLineEdit") {
        w = new QLineEdit(plan.text, parent);
    } else if (plan.kind == "QLabel") {
        auto* l = new QLabel(plan.text, parent);
        l->setFrameShape(plan.frameShape);
        w = l;
    } else if (plan.kind == "QPushButton") {
        w = new QPushButton(plan.text, parent);
    } else if (plan.kind == "QRadioButton") {
        auto* r = new QRadioButton(plan.text, parent);
        r->setChecked(plan.checked);
        w = r;
    } else if (plan.kind == "QCheckBox") {
        auto* c = new QCheckBox(plan.text, parent);
        c->setChecked(plan.checked);
        w = c;
    } else if (plan.kind == "QComboBox") {
        auto* c = new QComboBox(parent);
        c->addItems(plan.items);
        w = c;
    } else if (plan.kind == "QGroupBox") {
        w = new QGroupBox(plan.text, parent);
    } else if (plan.kind == "QScrollBar") {
        w = new QScrollBar(plan.orientation, parent);
    } else if (plan.kind == "QFrame") {
        auto* f = new QFrame(parent);
        f->setFrameShape(plan.frameShape);
        w = f;
    } else {
        w = new QWidget(parent);
    }
    if (plan.font)
        w->setFont(*plan.font);
    if (plan.palette)
        w->setPalette(*plan.palette);
    w->setAutoFillBackground(plan.autoFill);
    w->setGeometry(plan.geometry);
    w->setEnabled(plan.enabled);
    for (const WidgetPlan& child : plan.children)
        build(child, w);
    w->setHidden(plan.hidden);
    return w;
}

// The bare program: a main window with a menu bar and an MDI work area.
struct BareProgram {
    BareProgram()
    {
        QMenu* file = window.menuBar()->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
        file->addAction(QStringLiteral("新規作成(&N)"));
        file->addAction(QStringLiteral("開く(&O)"));
        window.setCentralWidget(area);
        window.resize(880, 640);
        window.show();
        (void)QTest::qWaitForWindowExposed(&window);
    }
    // Discards the windows shown and builds the given ones in their place.
    void rebuild(const std::vector<WindowPlan>& windows)
    {
        for (QMdiSubWindow* sub : area->subWindowList())
            delete sub;
        for (const WindowPlan& plan : windows) {
            auto* sub = new QMdiSubWindow(nullptr, plan.flags);
            sub->setWidget(build(plan.content, nullptr));
            area->addSubWindow(sub);
            sub->setGeometry(plan.geometry);
            sub->setVisible(plan.shown);
        }
    }
    QMainWindow window;
    QMdiArea* area = new QMdiArea(&window);
};

// ---- The benchmarks -----------------------------------------------------------

void NewProgram(benchmark::State& state)
{
    Session s;
    for (auto _ : state) {
        s.app.mainWindow().FileNew();
        s.app.mainWindow().repaint();
    }
    state.counters["windows"] = double(s.app.mainWindow().workArea()->subWindowList().size());
}

void NewBare(benchmark::State& state)
{
    std::vector<WindowPlan> windows;
    {
        Session s;
        s.app.mainWindow().FileNew();
        windows = windowsOf(s.app);
    }
    BareProgram bare;
    for (auto _ : state) {
        bare.rebuild(windows);
        bare.window.repaint();
    }
    state.counters["windows"] = double(windows.size());
}

// The largest file the program writes (every group but the well's), or,
// with every group, the 161-line layout written by the project file codec
// itself: all conditions at once, which no case in the windows can be.
QString fullProjectFile(bool everyGroup, QString* error)
{
    const QString path = tempPath(everyGroup ? QStringLiteral("every-group.qzk") : QStringLiteral("full.qzk"));
    if (QFile::exists(path))
        return path;
    Session s;
    if (const auto refused = fullCase(s)) {
        *error = *refused;
        return {};
    }
    if (!everyGroup) {
        if (!saveProjectFile(s.app, path))
            *error = QStringLiteral("the case could not be saved");
        return path;
    }
    // The windows' values, with the well chosen as well, and the typed soil
    // the well's run asks for, so that the case opens without a message.
    const WrittenProject written = writeProject(
        [&s](const ProjectItem& item) {
            const std::string_view window = item.window, control = item.control;
            if (window == "Form1" && control == "chk6")
                return ControlValue{{}, false, 1, std::nullopt};
            if (window == "Form1" && control == "txt_t")
                return ControlValue{"砂質土", false, 0, std::nullopt};
            if (window == "Form1" && control == "txt_tk")
                return ControlValue{"0.001", false, 0, std::nullopt};
            return projectValue(s.app, item);
        },
        s.app.record);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(written.bytes.data(), qint64(written.bytes.size())) < 0)
        *error = QStringLiteral("the file could not be written");
    return path;
}

void OpenProgram(benchmark::State& state, bool everyGroup)
{
    QString error;
    const QString path = fullProjectFile(everyGroup, &error);
    if (!error.isEmpty()) {
        state.SkipWithError(error.toStdString().c_str());
        return;
    }
    Session s;
    for (auto _ : state) {
        if (!openProjectFile(s.app, path, WhenCaseOpen::Replace)) {
            state.SkipWithError("the project file did not open");
            break;
        }
        s.app.mainWindow().repaint();
    }
    state.counters["lines"] = lineCount(bytesOf(path));
    if (!s.platform.messages.isEmpty())
        state.SkipWithError(s.platform.messages.front().toStdString().c_str());
}

void OpenBare(benchmark::State& state, bool everyGroup)
{
    QString error;
    const QString path = fullProjectFile(everyGroup, &error);
    if (!error.isEmpty()) {
        state.SkipWithError(error.toStdString().c_str());
        return;
    }
    std::vector<WindowPlan> windows;
    {
        Session s;
        openProjectFile(s.app, path, WhenCaseOpen::Replace);
        windows = windowsOf(s.app);
    }
    BareProgram bare;
    QStringDecoder probe("Shift_JIS");
    if (!probe.isValid()) {
        state.SkipWithError("this Qt has no CP932 codec");
        return;
    }
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            state.SkipWithError("the project file could not be read");
            break;
        }
        QStringDecoder decode("Shift_JIS");
        const QString text = decode(file.readAll());
        const QStringList lines = text.split(QStringLiteral("\r\n"));
        bare.rebuild(windows);
        const QList<QLineEdit*> boxes = bare.area->findChildren<QLineEdit*>();
        for (qsizetype i = 0; i < lines.size() && !boxes.isEmpty(); ++i)
            boxes[i % boxes.size()]->setText(lines[i]);
        bare.window.repaint();
    }
    state.counters["lines"] = lineCount(bytesOf(path));
}

// The program's five-block case, built once for the sheet benchmarks and
// discarded before the application ends.
std::unique_ptr<Session> fiveBlockSession;

Session& fiveBlocks(benchmark::State& state)
{
    if (!fiveBlockSession) {
        fiveBlockSession = std::make_unique<Session>();
        if (const auto refused = fiveBlockCase(*fiveBlockSession))
            std::fprintf(stderr, "five-block case refused: %s\n", refused->toStdString().c_str());
    }
    Session* session = fiveBlockSession.get();
    int blocks = 0;
    for (const SheetLine& line : drawnSheet(session->app).sheet.lines)
        blocks += line.blockStart ? 1 : 0;
    state.counters["blocks"] = blocks;
    if (blocks != 5)
        state.SkipWithError("the case does not give a five-block sheet");
    return *session;
}

void WriteSheetProgram(benchmark::State& state)
{
    Session& s = fiveBlocks(state);
    const QString path = tempPath(QStringLiteral("sintou.txt"));
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(path);
        state.ResumeTiming();
        if (!appendSheet(s.app, path)) {
            state.SkipWithError("the sheet was not written");
            break;
        }
    }
    state.counters["lines"] = lineCount(bytesOf(path));
}

void WriteSheetBare(benchmark::State& state)
{
    Session& s = fiveBlocks(state);
    const QString path = tempPath(QStringLiteral("bare-sintou.txt"));
    QFile::remove(path);
    appendSheet(s.app, path);
    QStringDecoder decode("Shift_JIS");
    const QString text = decode(bytesOf(path));
    QStringList lines = text.split(QStringLiteral("\r\n"));
    lines.removeLast();
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(path);
        state.ResumeTiming();
        QStringEncoder encode("Shift_JIS");
        QByteArray bytes;
        for (const QString& line : lines) {
            bytes += encode(line);
            bytes += "\r\n";
        }
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Append) || file.write(bytes) != bytes.size()) {
            state.SkipWithError("the file could not be written");
            break;
        }
    }
    state.counters["lines"] = double(lines.size());
}

void Form7RedrawProgram(benchmark::State& state)
{
    Session& s = fiveBlocks(state);
    FileImage(s.app);
    Form7& window = s.app.form<Form7>();
    for (auto _ : state) {
        window.redraw();
        window.Picture2->repaint();
    }
    state.counters["lines"] = double(window.Picture2->lines().size());
    s.app.unload<Form7>();
}

// A page that repaints from its picture, as the print image's does.
class BarePage : public QWidget {
public:
    using QWidget::QWidget;
    QImage picture;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        painter.drawImage(event->rect(), picture, event->rect());
    }
};

void Form7RedrawBare(benchmark::State& state)
{
    Session& s = fiveBlocks(state);
    FileImage(s.app);
    const PictureBox& drawn = *s.app.form<Form7>().Picture2;
    const std::vector<PictureBox::Line> lines = drawn.lines();
    const QFont font = drawn.font();
    const QImage format = drawn.picture();
    const QRect viewport = drawn.parentWidget()->geometry();
    const QSize pageSize = drawn.size();
    s.app.unload<Form7>();

    QWidget window;
    window.resize(viewport.size());
    BarePage page(&window);
    page.resize(pageSize);
    page.picture = QImage(format.size(), format.format());
    page.picture.setDotsPerMeterX(format.dotsPerMeterX());
    page.picture.setDotsPerMeterY(format.dotsPerMeterY());
    window.show();
    (void)QTest::qWaitForWindowExposed(&window);
    for (auto _ : state) {
        page.picture.fill(Qt::white);
        QPainter painter(&page.picture);
        painter.setFont(font);
        const QFontMetricsF metrics(font, &page.picture);
        qreal y = 0;
        for (const PictureBox::Line& line : lines) {
            if (!line.text.isEmpty()) {
                painter.setPen(line.colour);
                painter.drawText(QPointF(0, y + metrics.ascent()), line.text);
            }
            y += metrics.height();
        }
        painter.end();
        page.repaint();
    }
    state.counters["lines"] = double(lines.size());
}

void PdfProgram(benchmark::State& state)
{
    Session& s = fiveBlocks(state);
    const QString path = tempPath(QStringLiteral("sheet.pdf"));
    for (auto _ : state) {
        QString error;
        if (!exportPdf(s.app, path, &error)) {
            state.SkipWithError(error.toStdString().c_str());
            break;
        }
    }
    state.counters["bytes"] = double(bytesOf(path).size());
}

// The pages as the printer receives them: each line with its row, and where
// a new page starts.
class PageRecorder final : public PagedTarget {
public:
    explicit PageRecorder(int linesPerPage) : PagedTarget(linesPerPage) {}
    void setTextColour(const QColor& colour) override { colour_ = colour; }
    struct Line {
        int page;
        int row;
        QString text;
        QColor colour;
    };
    std::vector<Line> lines;

protected:
    void startPage(PageBreak) override { ++page_; }
    void drawLine(int row, const QString& text) override { lines.push_back({page_, row, text, colour_}); }

private:
    int page_ = 0;
    QColor colour_ = kTextColour;
};

QPrinter* a4Pdf(const QString& path)
{
    auto* printer = new QPrinter(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setPageOrientation(QPageLayout::Portrait);
    return printer;
}

void PdfBare(benchmark::State& state)
{
    Session& s = fiveBlocks(state);
    const QString path = tempPath(QStringLiteral("bare-sheet.pdf"));
    QFont font(QString::fromUtf8(kMincho));
    font.setPointSize(12);
    // The program's pages: its lines per page on A4 and its page breaks.
    std::unique_ptr<QPrinter> measure(a4Pdf(path));
    const QFontMetricsF metrics(font, measure.get());
    const int linesPerPage =
        std::max(1, int(std::floor(measure->pageRect(QPrinter::DevicePixel).height() / metrics.height() + 1e-9)));
    PageRecorder pages(linesPerPage);
    drawPrintedSheet(pages, drawnSheet(s.app), s.app.platform());
    measure.reset();

    for (auto _ : state) {
        std::unique_ptr<QPrinter> printer(a4Pdf(path));
        QPainter painter;
        if (!painter.begin(printer.get())) {
            state.SkipWithError("the PDF could not be started");
            break;
        }
        painter.setFont(font);
        const QFontMetricsF m(painter.font(), printer.get());
        int page = 0;
        for (const PageRecorder::Line& line : pages.lines) {
            for (; page < line.page; ++page)
                printer->newPage();
            if (!line.text.isEmpty()) {
                painter.setPen(line.colour);
                painter.drawText(QPointF(0, line.row * m.height() + m.ascent()), line.text);
            }
        }
        painter.end();
    }
    state.counters["bytes"] = double(bytesOf(path).size());
}

// ---- The table of ratios ------------------------------------------------------

// Prints what the console reporter prints, and keeps each work's time per
// run for the table at the end (the median when runs are repeated).
class RatioReporter final : public benchmark::ConsoleReporter {
public:
    // In colour on a terminal only.
    RatioReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred) {
                ++failures_;
                continue;
            }
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type == Run::RT_Aggregate && !median)
                continue;
            Times& t = times_[run.run_name.function_name];
            if (median || !t.fromMedian) {
                t.real = run.GetAdjustedRealTime();
                t.cpu = run.GetAdjustedCPUTime();
                t.fromMedian = median;
                t.unit = benchmark::GetTimeUnitString(run.time_unit);
            }
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\n%-22s %14s %14s %8s %8s\n", "work", "program", "bare Qt", "ratio", "cpu");
        for (const auto& [name, program] : times_) {
            const std::size_t slash = name.rfind('/');
            if (slash == std::string::npos || name.substr(slash + 1) != "program")
                continue;
            const std::string work = name.substr(0, slash);
            const auto bare = times_.find(work + "/bare_qt");
            if (bare == times_.end())
                continue;
            std::printf("%-22s %11.3f %-2s %11.3f %-2s %8.2f %8.2f\n", work.c_str(), program.real,
                        program.unit.c_str(), bare->second.real, bare->second.unit.c_str(),
                        program.real / bare->second.real, program.cpu / bare->second.cpu);
        }
    }

    // Benchmarks that stopped with an error (a case refused, a file not written).
    int failures() const { return failures_; }

private:
    int failures_ = 0;
    struct Times {
        double real = 0;
        double cpu = 0;
        bool fromMedian = false;
        std::string unit;
    };
    std::map<std::string, Times> times_;
};

// The offscreen platform says at every window shown that it cannot pass on
// size hints; that says nothing about the work measured.
QtMessageHandler previousHandler = nullptr;

void quietSizeHints(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!message.contains(QLatin1String("propagateSizeHints")) && previousHandler)
        previousHandler(type, context, message);
}

} // namespace

int main(int argc, char** argv)
{
    previousHandler = qInstallMessageHandler(quietSizeHints);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    setUpProgram();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    auto pair = [](const char* work, auto program, auto bare) {
        benchmark::RegisterBenchmark((std::string(work) + "/program").c_str(), program)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
        benchmark::RegisterBenchmark((std::string(work) + "/bare_qt").c_str(), bare)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    };
    pair("New", NewProgram, NewBare);
    pair("OpenLargest", [](benchmark::State& s) { OpenProgram(s, false); },
         [](benchmark::State& s) { OpenBare(s, false); });
    pair("OpenEveryGroup161", [](benchmark::State& s) { OpenProgram(s, true); },
         [](benchmark::State& s) { OpenBare(s, true); });
    pair("WriteSheet5Blocks", WriteSheetProgram, WriteSheetBare);
    pair("Form7Redraw5Blocks", Form7RedrawProgram, Form7RedrawBare);
    pair("Pdf5Blocks", PdfProgram, PdfBare);

    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    fiveBlockSession.reset();
    return reporter.failures() == 0 ? 0 : 1;
}

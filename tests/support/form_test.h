#pragma once
// Fixture for the window tests: a fresh application object with a scripted
// platform seam, its main window shown and active on the offscreen platform.

#include "support/scripted_platform.h"

#include "forms/conditions/design_conditions_form.h"
#include "forms/facilities/results_form.h"
#include "forms/base/application.h"
#include "forms/shell/main_window.h"

#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>

// Texts in failure messages as text, not as bytes.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

namespace akuenza::test {

class FormTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    App& app() { return *app_; }
    MDIFofm& mainWindow() { return app_->mainWindow(); }
    DesignCase& record() { return app_->record; }
    Form1& f1() { return app_->form<Form1>(); }
    Form11& f11() { return app_->form<Form11>(); }

    // File > New, as from the toolbar (agreeing to discard an open case).
    void newCase();
    // A mouse click in the middle of a control, as the engineer does it.
    static void click(QWidget* control);
    static void doubleClick(QWidget* control);
    // Clicks into a box, replaces its text by typing, as the engineer does.
    static void type(QLineEdit* box, const QString& text);
    static void pressEnter(QWidget* control);
    // One square basin through its dialog, sides and bottom type ①:
    // W = 0.5 m, H = 1.0 m, N pieces (Fc = 3.0309633 x N with fine sand).
    void oneBasin(const QString& pieces = QStringLiteral("2"));
    // Presses "計　算" on the results form.
    void calculate();

    // A valid set of design conditions for Q1 = 0.9 x 50 x 1000 / 1000 = 45 m3/hr.
    void enterConditions(const QString& c = QStringLiteral("0.9"), const QString& a = QStringLiteral("1000"),
                         const QString& i = QStringLiteral("50"));

    // Every message box shown so far.
    std::vector<MessageRequest> messages() const { return platform_->messages(); }
    // The one error box expected since the last clear(): checks title and text.
    void expectOneError(const QString& text);
    QWidget* focused() const;

    std::unique_ptr<ScriptedPlatform> platform_;
    std::unique_ptr<App> app_;
};

} // namespace akuenza::test

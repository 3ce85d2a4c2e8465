// The bare Qt Widgets program the start-up of アクエンザ is compared with: a
// main window with a menu bar and an MDI work area, shown and painted once,
// in Qt's own style and the desktop's default font. Its menu bar has the
// program's menus and items, in the program's words (or, built with
// BARE_LATIN_MENUS, the same menus in Latin letters); it has no toolbar, no
// status bar, no icons and no font set-up of its own.

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>

namespace {

#ifdef BARE_LATIN_MENUS
#define TEXT(japanese, latin) QStringLiteral(latin)
#else
#define TEXT(japanese, latin) QStringLiteral(japanese)
#endif

void buildMenuBar(QMenuBar* bar)
{
    QMenu* file = bar->addMenu(TEXT("ﾌｧｲﾙ(&F)", "&File"));
    file->addAction(TEXT("新規作成(&N)", "&New"));
    file->addAction(TEXT("開く(&O)", "&Open"));
    file->addAction(TEXT("閉じる(&C)", "&Close"));
    file->addSeparator();
    file->addAction(TEXT("上書き保存(&S)", "&Save"));
    file->addAction(TEXT("名前をつけて保存(&A)", "Save &As"));
    file->addSeparator();
    file->addAction(TEXT("印刷ｲﾒｰｼﾞ(&I)", "Print &Image"));
    file->addAction(TEXT("印刷(&P)", "&Print"));
    file->addAction(TEXT("PDF出力(&D)...", "Export P&DF..."));
    file->addSeparator();
    QMenu* editor = file->addMenu(TEXT("ｴﾃﾞｨﾀ(&E)", "&Editor"));
    editor->addAction(TEXT("書き込み(&W)", "&Write"));
    editor->addAction(TEXT("起動(&O)", "&Open"));
    file->addSeparator();
    file->addAction(TEXT("終了(&X)", "E&xit"));
    bar->addAction(TEXT("参考(&S)", "&Reference"));
    bar->addMenu(TEXT("ﾍﾙﾌﾟ(&H)", "&Help"))->addAction(TEXT("ﾊﾞｰｼﾞｮﾝ情報(&A)", "&About"));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(TEXT("アクエンザ", "Akuenza"));
    buildMenuBar(window.menuBar());
    window.setCentralWidget(new QMdiArea(&window));
    window.resize(880, 640);
    window.show();
    return QApplication::exec();
}

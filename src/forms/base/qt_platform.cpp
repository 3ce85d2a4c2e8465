#include "forms/base/qt_platform.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QIcon>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>
#include <QPushButton>
#ifdef Q_OS_WIN
#include <QProcess>
#endif

namespace akuenza {
namespace {

QMessageBox::StandardButton standardButton(Answer a)
{
    switch (a) {
    case Answer::Ok: return QMessageBox::Ok;
    case Answer::Cancel: return QMessageBox::Cancel;
    case Answer::Yes: return QMessageBox::Yes;
    case Answer::No: return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon qtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::None: return QMessageBox::NoIcon;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Critical: return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

} // namespace

std::unique_ptr<QMessageBox> buildMessageBox(const MessageRequest& request, QWidget* parent)
{
    auto box = std::make_unique<QMessageBox>(qtIcon(request.icon), request.title, request.text,
                                             QMessageBox::NoButton, parent);
    switch (request.buttons) {
    case MessageButtons::Ok:
        box->setStandardButtons(QMessageBox::Ok);
        break;
    case MessageButtons::OkCancel:
        box->setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case MessageButtons::YesNo:
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    }
    // Captions in the program's language.
    if (auto* b = box->button(QMessageBox::Ok)) b->setText(QStringLiteral("OK"));
    if (auto* b = box->button(QMessageBox::Cancel)) b->setText(QStringLiteral("キャンセル"));
    if (auto* b = box->button(QMessageBox::Yes)) b->setText(QStringLiteral("はい(&Y)"));
    if (auto* b = box->button(QMessageBox::No)) b->setText(QStringLiteral("いいえ(&N)"));
    // Plain buttons: some desktop themes put a tick or a cross on them, the
    // program's boxes show only the caption (the box keeps its own icon).
    for (QAbstractButton* b : box->buttons())
        b->setIcon(QIcon());
    box->setDefaultButton(standardButton(request.defaultButton));
    return box;
}

Answer QtPlatform::messageBox(const MessageRequest& request)
{
    const std::unique_ptr<QMessageBox> box = buildMessageBox(request, QApplication::activeWindow());
    switch (box->exec()) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default:
        // Escape or the close box: the safe answer of the buttons shown.
        return request.buttons == MessageButtons::YesNo ? Answer::No
               : request.buttons == MessageButtons::OkCancel ? Answer::Cancel
                                                               : Answer::Ok;
    }
}

void QtPlatform::beep() { QApplication::beep(); }

QString qtFileFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        out << QStringLiteral("%1 (%2)").arg(parts[i], parts[i + 1]);
    return out.join(QStringLiteral(";;"));
}

QString QtPlatform::openFileName(const FileDialogRequest& request)
{
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), request.title, request.initialFolder,
                                        qtFileFilter(request.filter));
}

QString QtPlatform::saveFileName(const FileDialogRequest& request)
{
    // The program asks its own overwrite question, so the dialog must not.
    const QString start =
        request.initialName.isEmpty() ? request.initialFolder : QDir(request.initialFolder).filePath(request.initialName);
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), request.title, start,
                                        qtFileFilter(request.filter), nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

bool QtPlatform::choosePrinter(QPrinter& printer)
{
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

bool QtPlatform::openInTextEditor(const QString& file)
{
#ifdef Q_OS_WIN
    // Notepad, which reads the sheet's Shift_JIS (CP932) as it is; the name
    // is passed as one argument, with no shell in between.
    return QProcess::startDetached(QStringLiteral("notepad.exe"),
                                   {QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath())});
#else
    // The desktop's own application for text files; no shell in between.
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()));
#endif
}

void QtPlatform::runModal(QDialog& dialog) { dialog.exec(); }

} // namespace akuenza

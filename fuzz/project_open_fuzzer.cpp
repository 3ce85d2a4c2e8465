// Arbitrary bytes opened as a project file exactly as 開く opens a chosen
// file: written to a file, read, judged, and refilled into the windows of a
// fresh program whose procedures then rebuild the case. Nothing may crash,
// leak or overstep, whatever the file holds; the file is either refused or
// opened, and an opened case saves into a file its reader takes whole.
#include "core/project/project_file.h"
#include "forms/shell/project_files.h"
#include "forms/base/application.h"
#include "forms/base/platform.h"
#include "forms/base/program_setup.h"
#include "fuzz_check.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

// Nobody answers: every box takes its default button, every dialog is cancelled.
class QuietPlatform final : public akuenza::Platform {
public:
    akuenza::Answer messageBox(const akuenza::MessageRequest& request) override { return request.defaultButton; }
    void beep() override {}
    QString openFileName(const akuenza::FileDialogRequest&) override { return {}; }
    QString saveFileName(const akuenza::FileDialogRequest&) override { return {}; }
    bool choosePrinter(QPrinter&) override { return false; }
    bool openInTextEditor(const QString&) override { return false; }
    void runModal(QDialog&) override {}
};

// The folder of the files, removed when the run ends.
QTemporaryDir* folder = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's own warnings (the offscreen platform's hints) are not findings.
    qputenv("QT_LOGGING_RULES", "*.debug=false;qt.qpa.*=false");
    static QApplication application(*argc, *argv);
    akuenza::setUpProgram();
    // In memory where the system has it: every save syncs its file to disk.
    const QFileInfo memory(QStringLiteral("/dev/shm"));
    const QDir base = memory.isDir() && memory.isWritable() ? QDir(memory.filePath()) : QDir::temp();
    static QTemporaryDir files(base.filePath(QStringLiteral("akuenza-fuzz-XXXXXX")));
    folder = &files;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = folder->filePath(QStringLiteral("case.qzk"));
    {
        QFile file(path);
        FUZZ_REQUIRE(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "cannot write %s",
                     qPrintable(path));
        FUZZ_REQUIRE(file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) ==
                         static_cast<qint64>(size),
                     "cannot write %s", qPrintable(path));
    }
    {
        QuietPlatform platform;
        akuenza::App app(platform);
        if (akuenza::openProjectFile(app, path, akuenza::WhenCaseOpen::Replace)) {
            // Whatever opened saves again, into a file its reader takes whole.
            const QString again = folder->filePath(QStringLiteral("again.qzk"));
            FUZZ_REQUIRE(akuenza::saveProjectFile(app, again), "an opened case cannot be saved");
            QFile saved(again);
            FUZZ_REQUIRE(saved.open(QIODevice::ReadOnly), "cannot read %s", qPrintable(again));
            const QByteArray bytes = saved.readAll();
            const akuenza::ReadProject read =
                akuenza::readProject(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
            FUZZ_REQUIRE(read.status == akuenza::ReadProject::Status::Read && !read.truncated() &&
                             read.unconvertible == 0,
                         "the saved case reads %d of %d lines, %d unconvertible", read.linesRead,
                         read.linesExpected, read.unconvertible);
        }
    }
    // Windows closed by the program are deleted once control is back in the
    // event loop; this run has none, so they are deleted here.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}

#include "forms/report/printing.h"

#include "forms/project/document_folders.h"

#include "forms/report/drawing_target.h"
#include "forms/report/sheet_drawing.h"
#include "forms/base/application.h"
#include "forms/base/fonts.h"
#include "forms/base/safe_files.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>
#include <cctype>
#include <cmath>

namespace akuenza {

namespace {

// Far more than the pages of any sheet: a file this long is not read back whole.
constexpr qint64 kLargestPdf = qint64(1) << 30;

// The printer as a surface of pages: text from the left edge of the
// printable area, at the line height of the printer's font.
class PrinterTarget final : public PagedTarget {
public:
    explicit PrinterTarget(QPrinter& printer) : printer_(printer) {}

    // Starts the job with the sheet's font; false when the printer or the
    // file cannot be opened.
    bool begin()
    {
        if (!painter_.begin(&printer_))
            return false;
        QFont font(QString::fromUtf8(kMincho));
        font.setPointSize(12);
        painter_.setFont(font);
        painter_.setPen(kTextColour);
        const QFontMetricsF metrics(painter_.font(), &printer_);
        lineHeight_ = metrics.height();
        ascent_ = metrics.ascent();
        const double pageHeight = printer_.pageRect(QPrinter::DevicePixel).height();
        setLinesPerPage(std::max(1, static_cast<int>(std::floor(pageHeight / lineHeight_ + 1e-9))));
        return true;
    }

    // Ends the job, which sends it to the printer; false when it failed.
    bool end()
    {
        const bool ended = painter_.end();
        return ended && !failed_ && printer_.printerState() != QPrinter::Error;
    }

    void setTextColour(const QColor& colour) override { painter_.setPen(colour); }

protected:
    void startPage(PageBreak) override
    {
        if (!printer_.newPage())
            failed_ = true;
    }

    void drawLine(int row, const QString& text) override
    {
        if (!text.isEmpty())
            painter_.drawText(QPointF(0, row * lineHeight_ + ascent_), text);
    }

private:
    QPrinter& printer_;
    QPainter painter_;
    qreal lineHeight_ = 0;
    qreal ascent_ = 0;
    bool failed_ = false;
};

QString failureMessage(const QPrinter& printer)
{
    if (!printer.outputFileName().isEmpty())
        return QStringLiteral("ファイル「%1」に書き込めませんでした。")
            .arg(QDir::toNativeSeparators(printer.outputFileName()));
    if (!printer.printerName().isEmpty())
        return QStringLiteral("プリンタ「%1」で印刷できませんでした。").arg(printer.printerName());
    return QStringLiteral("使用できるプリンタがありません。");
}

// A sheet holding a value that is not a number is never printed.
bool refuseImpossible(const DrawnSheet& drawn, QString* error)
{
    const QString message = impossibleSheetMessage(drawn);
    if (!message.isEmpty() && error)
        *error = message;
    return !message.isEmpty();
}

bool writePdf(Platform& platform, const DrawnSheet& drawn, const QString& path, QString* error)
{
    if (refuseImpossible(drawn, error))
        return false;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFileName(path);
    printer.setOutputFormat(QPrinter::PdfFormat); // whatever the name ends in
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setCreator(QStringLiteral("アクエンザ"));
    printer.setDocName(QStringLiteral("アクエンザ書"));
    return printSheet(platform, printer, drawn, error);
}

// The pages onto the printer as it is set up; false when the job failed.
bool printPages(Platform& platform, QPrinter& printer, const DrawnSheet& drawn)
{
    PrinterTarget target(printer);
    if (!target.begin())
        return false;
    drawPrintedSheet(target, drawn, platform);
    return target.end();
}

// A PDF file is printed under a temporary name beside it, and takes the
// file's name only once it is whole: a full disk never leaves a PDF without
// its end, nor costs an earlier file of that name.
bool printIntoFile(Platform& platform, QPrinter& printer, const DrawnSheet& drawn, const QString& file)
{
    FileReplacement replacement(file);
    if (!replacement.begin().ok())
        return false;
    printer.setOutputFileName(replacement.temporaryPath());
    const bool printed = printPages(platform, printer, drawn);
    printer.setOutputFileName(file);
    if (!printed)
        return false;
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        QByteArray pdf;
        if (!readRegularFile(replacement.temporaryPath(), kLargestPdf, &pdf).ok() || !isWholePdf(pdf))
            return false;
    }
    return replacement.commit().ok();
}

} // namespace

bool printSheet(Platform& platform, QPrinter& printer, const DrawnSheet& drawn, QString* error)
{
    const QString file = printer.outputFileName();
    const bool printed =
        file.isEmpty() ? printPages(platform, printer, drawn) : printIntoFile(platform, printer, drawn, file);
    if (!printed && error)
        *error = failureMessage(printer);
    return printed;
}

bool isWholePdf(const QByteArray& pdf)
{
    qsizetype end = pdf.size();
    while (end > 0 && std::isspace(static_cast<unsigned char>(pdf[end - 1])))
        --end;
    const QByteArrayView text(pdf.constData(), end);
    if (!text.endsWith("%%EOF"))
        return false;
    const qsizetype trailer = text.lastIndexOf("startxref");
    if (trailer < 0)
        return false;
    const qsizetype number = trailer + qsizetype(sizeof("startxref") - 1);
    bool isNumber = false;
    const qlonglong table = text.sliced(number, end - 5 - number).trimmed().toLongLong(&isNumber);
    return isNumber && table >= 0 && table < trailer && text.sliced(table).startsWith("xref");
}

void FilePrint(App& app)
{
    const DrawnSheet drawn = drawnSheet(app);
    if (refusesImpossibleSheet(app, drawn))
        return;
    QString error;
    QPrinter printer(QPrinter::HighResolution);
    if (!app.platform().choosePrinter(printer))
        return;
    if (!printSheet(app.platform(), printer, drawn, &error))
        app.showError(error);
}

bool exportPdf(App& app, const QString& path, QString* error)
{
    return writePdf(app.platform(), drawnSheet(app), path, error);
}

void FilePdf(App& app)
{
    const DrawnSheet drawn = drawnSheet(app);
    if (refusesImpossibleSheet(app, drawn))
        return;
    QString error;
    // Like a save: the dialog proposes the case's own name beside its file,
    // and a name without an extension gets ".pdf".
    MainFrame& main = app.frame();
    const SaveDialogFolder folder(app);
    const QString proposed =
        main.fileName().isEmpty() ? QString() : QFileInfo(main.fileName()).completeBaseName() + QStringLiteral(".pdf");
    QString path = app.platform().saveFileName(
        {QStringLiteral("PDF出力"), QStringLiteral("PDF(.pdf)|*.pdf"), folder.folder(), proposed});
    if (path.isEmpty())
        return;
    rememberFolderOf(app, path);
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    if (QFileInfo::exists(path)) {
        const Answer answer =
            app.ask({QStringLiteral("同名ファイルがあります。上書き保存しますか？"), QStringLiteral("上書き保存の確認"),
                     MessageButtons::YesNo, MessageIcon::Critical, Answer::No});
        if (answer != Answer::Yes)
            return;
    }
    if (!writePdf(app.platform(), drawn, path, &error)) {
        app.showError(error);
        return;
    }
    main.showNote(QStringLiteral("PDFを出力しました：%1").arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath())));
}

int printerPageWidthTwips()
{
    QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
    const QPrinterInfo current = QPrinterInfo::defaultPrinter();
    if (!current.isNull()) {
        const QPrinter printer(current, QPrinter::HighResolution);
        layout = printer.pageLayout();
    }
    const double millimetres = layout.fullRect(QPageLayout::Millimeter).width();
    return static_cast<int>(std::lround(millimetres * 1440.0 / 25.4));
}

} // namespace akuenza

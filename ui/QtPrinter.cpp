#include "ui/QtPrinter.h"

#include <QFont>
#include <QFontDatabase>
#include <QPainter>
#include <QPrintDialog>

namespace {

// The Mincho face the results are printed in, or the Mincho this system has.
QFont printFont(const QString& fontName, double pointSize) {
    QFont font(fontName);
    if (!QFontDatabase::families().contains(fontName))
        font.setFamilies({fontName, QStringLiteral("IPAexMincho"), QStringLiteral("IPAMincho")});
    font.setPointSizeF(pointSize);
    return font;
}

} // namespace

QtPrinter::QtPrinter() : printer_(QPrinter::HighResolution) {}

QtPrinter::QtPrinter(const QString& pdfFile, int copies)
    : printer_(QPrinter::HighResolution), toFile_(true), fileCopies_(copies) {
    printer_.setOutputFormat(QPrinter::PdfFormat);
    printer_.setOutputFileName(pdfFile);
}

std::optional<int> QtPrinter::askCopies() {
    if (toFile_) return fileCopies_;
    QPrintDialog dialog(&printer_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return std::max(1, printer_.copyCount());
}

void QtPrinter::print(const QString& text, const QString& fontName, double pointSize,
                      int copies) {
    // The copies are our pages, so the printer itself makes one of each.
    printer_.setCopyCount(1);
    QPainter painter;
    if (!painter.begin(&printer_)) return;
    painter.setFont(printFont(fontName, pointSize));
    const QStringList lines = QString(text).split(QStringLiteral("\r\n"));
    const int step = painter.fontMetrics().lineSpacing();
    for (int copy = 0; copy < copies; ++copy) {
        if (copy > 0) printer_.newPage();
        int y = step;
        for (const QString& line : lines) {
            painter.drawText(0, y, line);
            y += step;
        }
    }
    painter.end();
}

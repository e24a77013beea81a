#pragma once

#include "core/Ports.h"

#include <QPrinter>

// Printing through the platform's print dialog. With an output file it prints
// to PDF without asking, one copy unless told otherwise (for tests and previews).
class QtPrinter final : public PrintPort {
public:
    QtPrinter();
    explicit QtPrinter(const QString& pdfFile, int copies = 1);

    std::optional<int> askCopies() override;
    void print(const QString& text, const QString& fontName, double pointSize,
               int copies) override;

private:
    QPrinter printer_;
    bool toFile_ = false;
    int fileCopies_ = 1;
};

#pragma once

#include "core/FileCopy.h"

#include <QPointer>
#include <functional>

class QProgressDialog;

// Copies as a person sees them: a modal progress dialog with the file in hand,
// the count, a bar and Cancel, and a box asking before a file is replaced.
// The windows keep drawing and answering while the files go.
class QtCopyFeedback final : public CopyFeedback {
public:
    // beforeShow lets the windows catch up with their data first.
    explicit QtCopyFeedback(std::function<void()> beforeShow = {});
    ~QtCopyFeedback() override;

    void begin(int total) override;
    bool progress(int done, const QString& fileName) override;
    ReplaceAnswer askReplace(const QString& fileName) override;
    void end() override;

    // The dialog while a copy runs, for a reader of the screen or a test.
    QProgressDialog* dialog() const;

private:
    std::function<void()> beforeShow_;
    QPointer<QProgressDialog> dialog_;
    int total_ = 0;
};

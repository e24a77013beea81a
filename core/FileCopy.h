#pragma once

#include "core/Result.h"

#include <QString>
#include <QStringList>

// Copying files the way a desktop shell does: every file whole, with progress
// shown and Cancel offered, and a question before an existing file is replaced.

enum class ReplaceAnswer { Yes, No, YesToAll, NoToAll, Cancel };

// What the person copying sees: the window layer shows a progress dialog and a
// replace question; tests script the answers. Every call is modal.
class CopyFeedback {
public:
    virtual ~CopyFeedback() = default;
    // Before the first file: how many files are to be copied.
    virtual void begin(int total) = 0;
    // Before each file (done files copied or skipped so far). Keeps the windows
    // responsive; false when the person has cancelled.
    virtual bool progress(int done, const QString& fileName) = 0;
    // fileName already lies in the target folder.
    virtual ReplaceAnswer askReplace(const QString& fileName) = 0;
    // After the last file, or on failure or Cancel.
    virtual void end() = 0;
};

// For a program run with nobody at the screen (benchmarks): never replaces.
class UnattendedCopy final : public CopyFeedback {
public:
    void begin(int) override {}
    bool progress(int, const QString&) override { return true; }
    ReplaceAnswer askReplace(const QString&) override { return ReplaceAnswer::No; }
    void end() override {}
};

enum class CopyOutcome { Copied, Failed, Cancelled };

// Copies the files of sourceFolder whose names match pattern ("*.txt") into
// targetFolder. Each file goes to a temporary name beside its target and is
// renamed into place once whole, so a cancelled or failed copy never leaves a
// half file under the real name. A file the person chose not to replace is
// left as it was and does not make the copy fail. Copied only when every
// file that was to be copied was copied.
CopyOutcome copyMatching(const QString& sourceFolder, const QString& pattern,
                         const QString& targetFolder, CopyFeedback& feedback);

// One file copied whole to to, replacing a file of that name: the bytes go to
// a temporary name beside it and are renamed into place once complete.
Status copyFile(const QString& from, const QString& to);

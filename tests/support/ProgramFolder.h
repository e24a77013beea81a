#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A throw-away program folder with MKData/ and MKLesson/ inside.
class ProgramFolder {
public:
    ProgramFolder();

    // Folder paths end with "/".
    QString root() const { return dir_.path() + u'/'; }
    QString data() const { return root() + QStringLiteral("MKData/"); }
    QString lessons() const { return root() + QStringLiteral("MKLesson/"); }

    // Writes bytes to a path relative to the root, creating folders.
    void write(const QString& relative, const QByteArray& bytes) const;
    // Writes UTF-8 text as CP932.
    void writeText(const QString& relative, const QString& text) const;
    QByteArray read(const QString& relative) const;
    bool exists(const QString& relative) const;
    void remove(const QString& relative) const;

    // A complete, valid set of start-up files: an empty "Path.dat"-free data
    // folder, a one-record catalogue, an empty additions file, a key table and
    // a marker at version 2.2.
    void fillWithMinimalProgram() const;

private:
    QTemporaryDir dir_;
};

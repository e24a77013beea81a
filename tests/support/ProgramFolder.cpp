#include "support/ProgramFolder.h"

#include "core/Cp932.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

ProgramFolder::ProgramFolder() {
    QDir(dir_.path()).mkpath(QStringLiteral("MKData"));
    QDir(dir_.path()).mkpath(QStringLiteral("MKLesson"));
}

void ProgramFolder::write(const QString& relative, const QByteArray& bytes) const {
    const QString path = root() + relative;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(f.write(bytes), bytes.size());
}

void ProgramFolder::writeText(const QString& relative, const QString& text) const {
    write(relative, cp932::encode(text));
}

QByteArray ProgramFolder::read(const QString& relative) const {
    QFile f(root() + relative);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

bool ProgramFolder::exists(const QString& relative) const {
    return QFile::exists(root() + relative);
}

void ProgramFolder::remove(const QString& relative) const {
    QFile::remove(root() + relative);
}

void ProgramFolder::fillWithMinimalProgram() const {
    writeText(QStringLiteral("MKLesson/Lesson_List.txt"),
              QStringLiteral("\"ホームポジション\",\"home.txt\",\"1\",1,1\r\n"));
    write(QStringLiteral("MKLesson/Lesson_List.Add.txt"), {});
    write(QStringLiteral("MKLesson/MKOK"), "2.2\r\n");
    write(QStringLiteral("MKData/KEY_DEFINE.DAT"), QByteArray(381, '\0'));
}

#pragma once

#include <QByteArray>
#include <QString>

// The Japanese ANSI code page of every text file the product reads or writes.
namespace cp932 {

QString decode(const QByteArray& bytes);
QByteArray encode(const QString& text);
// True when every character of text has a code in the code page.
bool represents(const QString& text);

} // namespace cp932

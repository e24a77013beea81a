#pragma once

#include <QByteArray>
#include <QString>

// The Japanese ANSI code page of every text file the product reads or writes.
namespace cp932 {

QString decode(const QByteArray& bytes);
// Folds the look-alikes first, so they are stored as the character they look like.
QByteArray encode(const QString& text);
// True when every character of text has a code in the code page.
bool represents(const QString& text);

// Input methods on other systems type look-alikes of characters the code page
// holds under another code point (U+301C for its wave dash U+FF5E, among
// others). Text a person typed is folded to the code page's form before it is
// encoded or compared with text read from a file.
QString foldLookAlikes(QString text);

} // namespace cp932

#pragma once

#include "core/Result.h"

#include <QIODevice>
#include <QString>
#include <QStringList>
#include <optional>

// The comma-separated item text of the catalogue, "Path.dat", the lesson pack
// and the lesson texts.
//
// Reading: an item ends at a comma or a line end (CR LF, LF or CR). Leading
// blanks are skipped. An item that starts with a double quote runs to the next
// double quote, may hold commas and line ends, and loses its quotes; anything
// after the closing quote up to the delimiter is dropped. Trailing blanks of an
// unquoted item are dropped. A blank line is one empty item.
class ItemReader {
public:
    explicit ItemReader(QString text);

    bool atEnd() const { return pos_ >= text_.size(); }
    // True when nothing but blanks and line ends remain.
    bool onlyBlankLinesLeft() const;
    std::optional<QString> next();
    // A whole raw line without its line end, commas and quotes included.
    std::optional<QString> nextLine();

private:
    bool atLineEnd() const;
    void skipLineEnd();
    QString readQuoted();
    QString readBare();

    QString text_;
    qsizetype pos_ = 0;
};

// Reads a whole file as CP932 item text.
Result<ItemReader> openItemText(const QString& path);
Result<ItemReader> openItemText(QIODevice& device);

// Numbers as the reader turns item text into fields; nullopt when the text is
// not a number of that kind or out of its range.
std::optional<qint16> toInt16(const QString& item);
std::optional<quint8> toByte(const QString& item);
std::optional<float> toSingle(const QString& item);

// The next item read as a number: nullopt when there is none or it does not fit.
template <class Convert>
auto nextAs(ItemReader& reader, Convert convert) -> decltype(convert(QString())) {
    const auto item = reader.next();
    if (!item) return std::nullopt;
    return convert(*item);
}

// Writing: strings in double quotes, numbers bare with "." as decimal point,
// items separated by commas, each record ending in CR LF.
class ItemWriter {
public:
    ItemWriter& text(const QString& value);
    ItemWriter& number(qint64 value);
    ItemWriter& number(float value);
    ItemWriter& endRecord();
    // Adds a raw line followed by CR LF.
    ItemWriter& line(const QString& raw);

    const QString& toString() const { return out_; }
    QByteArray toCp932() const;

private:
    void separate();

    QString out_;
    bool recordOpen_ = false;
};

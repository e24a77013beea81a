#include "core/ItemText.h"

#include "core/Cp932.h"

#include <QFile>
#include <QLocale>
#include <charconv>
#include <cmath>

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}
bool isLineEnd(QChar c) {
    return c == u'\r' || c == u'\n';
}

} // namespace

ItemReader::ItemReader(QString text) : text_(std::move(text)) {}

bool ItemReader::onlyBlankLinesLeft() const {
    for (qsizetype i = pos_; i < text_.size(); ++i)
        if (!isBlank(text_.at(i)) && !isLineEnd(text_.at(i))) return false;
    return true;
}

bool ItemReader::atLineEnd() const {
    return !atEnd() && isLineEnd(text_.at(pos_));
}

void ItemReader::skipLineEnd() {
    if (atEnd()) return;
    if (text_.at(pos_) == u'\r') {
        ++pos_;
        if (!atEnd() && text_.at(pos_) == u'\n') ++pos_;
    } else if (text_.at(pos_) == u'\n') {
        ++pos_;
    }
}

std::optional<QString> ItemReader::next() {
    if (atEnd()) return std::nullopt;
    while (!atEnd() && isBlank(text_.at(pos_)))
        ++pos_;
    QString item = (!atEnd() && text_.at(pos_) == u'"') ? readQuoted() : readBare();
    // Consume the delimiter: a comma, or one line end.
    if (!atEnd()) {
        if (text_.at(pos_) == u',')
            ++pos_;
        else
            skipLineEnd();
    }
    return item;
}

QString ItemReader::readQuoted() {
    ++pos_; // opening quote
    const qsizetype close = text_.indexOf(u'"', pos_);
    const qsizetype end = close < 0 ? text_.size() : close;
    QString item = text_.mid(pos_, end - pos_);
    pos_ = close < 0 ? end : close + 1;
    while (!atEnd() && text_.at(pos_) != u',' && !atLineEnd())
        ++pos_;
    return item;
}

QString ItemReader::readBare() {
    const qsizetype start = pos_;
    while (!atEnd() && text_.at(pos_) != u',' && !atLineEnd())
        ++pos_;
    qsizetype end = pos_;
    while (end > start && isBlank(text_.at(end - 1)))
        --end;
    return text_.mid(start, end - start);
}

std::optional<QString> ItemReader::nextLine() {
    if (atEnd()) return std::nullopt;
    const qsizetype start = pos_;
    while (!atEnd() && !atLineEnd())
        ++pos_;
    QString line = text_.mid(start, pos_ - start);
    skipLineEnd();
    return line;
}

Result<ItemReader> openItemText(QIODevice& device) {
    if (!device.isOpen() && !device.open(QIODevice::ReadOnly)) return Error{device.errorString()};
    return ItemReader(cp932::decode(device.readAll()));
}

Result<ItemReader> openItemText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return Error{file.errorString()};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return Error{file.errorString()};
    return ItemReader(cp932::decode(bytes));
}

std::optional<qint16> toInt16(const QString& item) {
    bool ok = false;
    const int value = item.trimmed().toInt(&ok, 10);
    if (!ok || value < -32768 || value > 32767) return std::nullopt;
    return static_cast<qint16>(value);
}

std::optional<quint8> toByte(const QString& item) {
    bool ok = false;
    const int value = item.trimmed().toInt(&ok, 10);
    if (!ok || value < 0 || value > 255) return std::nullopt;
    return static_cast<quint8>(value);
}

std::optional<float> toSingle(const QString& item) {
    bool ok = false;
    const float value = QLocale::c().toFloat(item.trimmed(), &ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

void ItemWriter::separate() {
    if (recordOpen_) out_ += u',';
    recordOpen_ = true;
}

ItemWriter& ItemWriter::text(const QString& value) {
    separate();
    out_ += u'"' + value + u'"';
    return *this;
}

ItemWriter& ItemWriter::number(qint64 value) {
    separate();
    out_ += QString::number(value);
    return *this;
}

ItemWriter& ItemWriter::number(float value) {
    separate();
    // Shortest plain decimal that reads back as the same single-precision value:
    // no exponent, which older readers of these files do not take.
    char buffer[64]; // FLT_MAX has 39 digits before the point
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed).ptr;
    out_ += QString::fromLatin1(buffer, end - buffer);
    return *this;
}

ItemWriter& ItemWriter::endRecord() {
    out_ += u"\r\n";
    recordOpen_ = false;
    return *this;
}

ItemWriter& ItemWriter::line(const QString& raw) {
    out_ += raw;
    out_ += u"\r\n";
    recordOpen_ = false;
    return *this;
}

QByteArray ItemWriter::toCp932() const {
    return cp932::encode(out_);
}

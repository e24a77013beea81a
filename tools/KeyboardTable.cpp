#include "tools/KeyboardTable.h"

#include <QFile>
#include <QHash>
#include <QStringList>
#include <optional>

namespace keyboard {

namespace {

constexpr int kNothing = -1;

const QHash<QString, int>& namedCharacters() {
    static const QHash<QString, int> named{
        {QStringLiteral("<none>"), kNothing}, {QStringLiteral("<space>"), ' '},
        {QStringLiteral("<enter>"), '\r'},    {QStringLiteral("<backspace>"), '\b'},
        {QStringLiteral("<tab>"), '\t'},
    };
    return named;
}

QString describe(int code) {
    if (code > ' ' && code < KeyTables::kCodes) return QStringLiteral("\"%1\"").arg(QChar(code));
    return namedCharacters().key(code, QString::number(code));
}

std::optional<int> parseIndex(const QString& column, int count) {
    bool ok = false;
    const int value = column.toInt(&ok);
    if (!ok || value < 0 || value >= count) return std::nullopt;
    return value;
}

Result<int> parseCharacter(const QString& column) {
    if (column.size() == 1) {
        const int code = column.at(0).unicode();
        if (code > ' ' && code < KeyTables::kCodes) return code;
        return Error{QStringLiteral("character %1 is outside printable ASCII").arg(column)};
    }
    const auto named = namedCharacters().constFind(column);
    if (named == namedCharacters().constEnd())
        return Error{QStringLiteral("unknown character %1").arg(column)};
    return *named;
}

Error atLine(int line, const QString& message) {
    return Error{QStringLiteral("line %1: %2").arg(line).arg(message)};
}

// A shifted character is typed with the Shift under the other hand.
quint8 shiftFor(int finger) {
    return finger < 4 ? KeyTables::kRightShift : KeyTables::kLeftShift;
}

} // namespace

Result<KeyTables> parseTable(const QString& text) {
    KeyTables tables;
    tables.labelIndex.fill(kNoKey);
    tables.finger.fill(kNoKey);
    tables.shift.fill(0);
    std::array<int, kKeys> keyLine{};
    std::array<int, KeyTables::kCodes> codeLine{};

    const QStringList lines = text.split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        const int number = i + 1;
        const QString line = lines.at(i).trimmed();
        if (line.isEmpty() || line.startsWith(u'#')) continue;
        // Only the first four columns count; the rest names the key.
        const QStringList columns = line.simplified().split(u' ');
        if (columns.size() < 4)
            return atLine(number, QStringLiteral("expected key, finger, plain and shifted"));

        const auto key = parseIndex(columns.at(0), kKeys);
        if (!key) return atLine(number, QStringLiteral("key %1 is not 0..65").arg(columns.at(0)));
        const auto finger = parseIndex(columns.at(1), kFingers);
        if (!finger)
            return atLine(number, QStringLiteral("finger %1 is not 0..8").arg(columns.at(1)));
        if (keyLine[*key])
            return atLine(
                number,
                QStringLiteral("key %1 is already on line %2").arg(*key).arg(keyLine[*key]));
        keyLine[*key] = number;

        for (int shifted = 0; shifted < 2; ++shifted) {
            const Result<int> code = parseCharacter(columns.at(2 + shifted));
            if (!code) return atLine(number, code.error().message);
            if (code.value() == kNothing) continue;
            const int c = code.value();
            if (codeLine[c])
                return atLine(number, QStringLiteral("%1 is already typed on line %2")
                                          .arg(describe(c))
                                          .arg(codeLine[c]));
            if (shifted && *finger == kThumbs)
                return atLine(number, QStringLiteral("a thumb key has no Shift hand"));
            codeLine[c] = number;
            tables.labelIndex[c] = quint8(*key);
            tables.finger[c] = quint8(*finger);
            tables.shift[c] = shifted ? shiftFor(*finger) : 0;
        }
    }
    return tables;
}

Result<KeyTables> readTable(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Error{path + QStringLiteral(": ") + file.errorString()};
    QString text = QString::fromUtf8(file.readAll());
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    Result<KeyTables> tables = parseTable(text);
    if (!tables) return Error{path + QStringLiteral(": ") + tables.error().message};
    return tables;
}

} // namespace keyboard

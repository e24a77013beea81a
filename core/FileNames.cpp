#include "core/FileNames.h"

#include "core/Cp932.h"

#include <QRegularExpression>

namespace filenames {

bool hasForbiddenCharacter(const QString& name) {
    for (QChar c : name)
        if (c.unicode() < 32 || c.unicode() == 0x7F || QStringLiteral("<>:\"/\\|?*").contains(c))
            return true;
    return false;
}

bool isReservedName(const QString& name) {
    // Windows opens the device for "nul.txt" as for "nul", and ignores blanks before the dot.
    static const QRegularExpression reserved(
        QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9]|CONIN\\$|CONOUT\\$) *(\\..*)?$"),
        QRegularExpression::CaseInsensitiveOption);
    return reserved.match(name).hasMatch();
}

namespace {

bool hasEdgeSpaceOrDot(const QString& name) {
    const auto edge = [](QChar c) { return c == u' ' || c == u'.'; };
    return edge(name.front()) || edge(name.back());
}

} // namespace

std::optional<Problem> problem(const QString& name, const QString& suffix) {
    if (name.isEmpty()) return Problem::Empty;
    if (hasForbiddenCharacter(name)) return Problem::ForbiddenCharacter;
    if (hasEdgeSpaceOrDot(name)) return Problem::EdgeSpaceOrDot;
    if (isReservedName(name)) return Problem::ReservedName;
    if (!cp932::represents(name)) return Problem::OutsideCodePage;
    if ((name + suffix).toUtf8().size() + kWriterMarkBytes > kMaxNameBytes) return Problem::TooLong;
    return std::nullopt;
}

} // namespace filenames

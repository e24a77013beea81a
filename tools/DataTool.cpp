// Builds the fixed files of the delivered MKData/ folder:
//   mk_datatool keydefine TABLE OUT     KEY_DEFINE.DAT from a keyboard table
//   mk_datatool admin ID PASSWORD OUT   Admin.MK holding the given pair
#include "core/KeyTables.h"
#include "core/TextField.h"
#include "core/WholeFile.h"
#include "tools/KeyboardTable.h"

#include <QStringList>
#include <cstdio>

namespace {

int fail(const QString& message) {
    std::fprintf(stderr, "mk_datatool: %s\n", qPrintable(message));
    return 1;
}

// Written whole, so that a failed build leaves no half file that would look up to date.
int save(const QString& path, const QByteArray& bytes) {
    const Status written = wholefile::write(path, bytes);
    if (!written) return fail(path + QStringLiteral(": ") + written.error().message);
    return 0;
}

int keyDefine(const QString& table, const QString& out) {
    const Result<KeyTables> tables = keyboard::readTable(table);
    if (!tables) return fail(tables.error().message);
    return save(out, writeKeyDefine(tables.value()));
}

int admin(const QString& id, const QString& password, const QString& out) {
    // The reader stops at a space and the packer cuts at the width; either
    // would lock the administrator out.
    for (const QString& value : {id, password})
        if (value.isEmpty() || value.contains(u' ') || !textfield::fits(value))
            return fail(QStringLiteral("\"%1\" does not fit a %2-byte CP932 field")
                            .arg(value)
                            .arg(textfield::kWidth));
    return save(out, textfield::pack(id) + textfield::pack(password));
}

} // namespace

int main(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);

    if (args.size() == 3 && args.at(0) == u"keydefine") return keyDefine(args.at(1), args.at(2));
    if (args.size() == 4 && args.at(0) == u"admin")
        return admin(args.at(1), args.at(2), args.at(3));
    std::fprintf(stderr, "usage: mk_datatool keydefine TABLE OUT\n"
                         "       mk_datatool admin ID PASSWORD OUT\n");
    return 2;
}

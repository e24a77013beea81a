#pragma once

#include "core/Result.h"

#include <QString>
#include <optional>

// What a pupil or teacher may type as an ID, password or name, and the
// teacher lock file "Admin.MK" (admin ID and password in 30-byte fields).
namespace credentials {

// A user ID names the pupil's history file: it must be a plain file name on
// every school computer and fit its 30-byte field. Returns the message to show.
std::optional<QString> userIdProblem(const QString& userId);
// A value stored in a 30-byte field must be whole there and readable back:
// representable in the code page, short enough, and (with noSpace) without the
// half-width space that ends a field. what names the box ("パスワード").
std::optional<QString> fieldProblem(const QString& value, const QString& what, bool noSpace);

// The answer to an admin pair that differs from the one expected.
QString mismatchMessage(bool idDiffers, bool passwordDiffers);

struct AdminPair {
    QString id;
    QString password;
    bool operator==(const AdminPair&) const = default;
};
inline const AdminPair kUnlocked{QStringLiteral("quorvenda"), QStringLiteral("gatewardenkey")};
inline constexpr int kAdminFileSize = 60;

QByteArray writeAdmin(const AdminPair& pair);
// A missing file or one shorter than 60 bytes is an error.
Result<AdminPair> readAdminFile(const QString& path);
inline const QString kAdminFileName = QStringLiteral("Admin.MK");
// "Admin.MK" in dataFolder, written whole; refused when a link would carry it
// out of the folder.
Status writeAdminFile(const QString& dataFolder, const AdminPair& pair);

} // namespace credentials

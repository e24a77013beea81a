#include "core/MkMain.h"

#include <QStandardPaths>

MkMain::MkMain(Ports p, QString folder)
    : ports(p), programFolder(std::move(folder)),
      EmergencyFolder(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + u'/') {}

MessageAnswer MkMain::ShowMessage(qint16 mode) {
    // Nothing runs once the program has ended.
    if (windows.ended()) return mode == 0 ? MessageAnswer::Ok : MessageAnswer::No;
    return ports.messages.show(MessageText, mode == 0 ? MessageButtons::Ok : MessageButtons::YesNo);
}

void MkMain::ShowMessageText(const QString& text) {
    MessageText = text;
    ShowMessage(0);
}

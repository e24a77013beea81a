#include "core/Main.h"

#include "app/WindowTable.h"
#include "core/MkMain.h"
#include "core/SystemPorts.h"
#include "media/SdlMedia.h"
#include "ui/QtCopyFeedback.h"
#include "ui/QtMessagePort.h"
#include "ui/QtPrinter.h"
#include "ui/TerminationWatch.h"
#include "ui/WindowHost.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>
#include <memory>

namespace {

void setLook(QApplication& app) {
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont font(QStringLiteral("IPAexGothic"));
    font.setPixelSize(12);
    app.setFont(font);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Marokey"));
    // The program ends through its own end operation, not when a window hides.
    app.setQuitOnLastWindowClosed(false);
    setLook(app);

    WindowHost* host = nullptr;
    const auto syncWindows = [&host] {
        if (host) host->syncAll();
    };
    QtMessagePort messages(syncWindows);
    SystemClock clock;
    UniformRandom random;
    QtBeep beep;
    SdlMediaFactory media;
    QtPrinter printer;
    QtCopyFeedback copies(syncWindows);
    MkMain mk(Ports{messages, clock, random, beep, media, printer, copies},
              QApplication::applicationDirPath() + u'/');
    windowtable::addAll(mk.windows);
    WindowHost windowHost(mk.windows);
    host = &windowHost;
    TerminationWatch termination([&mk] { mk.windows.dispatch([&mk] { mk.windows.End(0); }); });

    Main(mk);
    if (mk.windows.ended()) return mk.windows.exitStatus();
    return app.exec();
}

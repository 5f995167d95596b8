#include "app/ConversionApplication.h"
#include "app/TurquoiseGray.h"
#include "app/UPrincipal.h"
#include "ui/InterruptSignals.h"

#include <QPointer>
#include <unistd.h>

int main(int argc, char** argv) {
    vorlanda::BlockInterruptSignals();
    vorlanda::ConversionApplication application(argc, argv);
    // The window's button on the taskbar carries the program's name and icon.
    vorlanda::ConversionApplication::setApplicationName(QStringLiteral("FarmaciaVorlanda"));
    vorlanda::ConversionApplication::setQuitOnLastWindowClosed(true);
    try {
        vorlanda::ApplyTurquoiseGray(application);
    } catch (...) {
        // Without its look the program still works, in Qt's own.
    }

    // The first SIGTERM or SIGINT cancels a run in progress as "Cancelar" does and closes the
    // window once it has stopped; the window hears of it through its event loop. A second one
    // ends the program at once.
    vorlanda::HandleInterruptSignals([](int count) {
        if (count > 1)
            _exit(130);
        QMetaObject::invokeMethod(
            qApp,
            [] {
                if (vorlanda::FPrincipal)
                    vorlanda::FPrincipal->EndBySignal();
                else
                    vorlanda::ConversionApplication::quit();
            },
            Qt::QueuedConnection);
    });

    vorlanda::FPrincipal = new vorlanda::TFPrincipal();
    // "Sair" releases the window itself; the guard learns of it.
    const QPointer<vorlanda::TFPrincipal> window(vorlanda::FPrincipal);
    window->show();
    const int result = vorlanda::ConversionApplication::exec();
    delete window.data();
    return result;
}

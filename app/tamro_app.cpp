#include "app/tamro_app.h"

#include "app/settings_store.h"
#include "app/stop_signals.h"
#include "app/tamro_dlg.h"
#include "platform/translations.h"
#include "res/resources.h"
#include "res/version.h"

#include <QIcon>
#include <QTimer>

CtamroApp::CtamroApp(int& argc, char** argv) : m_app(argc, argv)
{
    m_waylandBuffers.Settle();
    QCoreApplication::setApplicationName(u"tamro"_qs);
    QCoreApplication::setApplicationVersion(QString::fromUtf16(kTamroVersion));
    QGuiApplication::setDesktopFileName(u"org.tamro.tamro"_qs);
    InitTamroResources();
    InstallTranslations();
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 256})
        icon.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
}

int CtamroApp::InitInstance(const QString& path)
{
    CSettingsStore settings; // outlives the dialog, which writes to it
    CtamroDlg dialog;
    dialog.KeepSettingsIn(settings);
    // Once the window is up, so a message about the path has a parent to show on.
    QTimer::singleShot(0, &dialog, [&dialog, path] { dialog.OpenStartPath(path); });
    return RunMainDialog(dialog);
}

int CtamroApp::RunMainDialog(CtamroDlg& dialog)
{
    CStopSignals stopSignals;
    QObject::connect(&stopSignals, &CStopSignals::stopRequested, &dialog, &CtamroDlg::OnStopSignal);
    dialog.exec();
    // exec also returns when the window is hidden from outside.
    dialog.WaitUntilClosed();
    return stopSignals.Received();
}

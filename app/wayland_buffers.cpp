#include "app/wayland_buffers.h"

#include <QGuiApplication>
#include <QOpenGLContext>

namespace {
const char kBufferIntegration[] = "QT_WAYLAND_CLIENT_BUFFER_INTEGRATION";

QtMessageHandler s_passOn = nullptr;

// Qt's Wayland client reports "none" as a buffer integration it failed to
// load, and lists the ones it has: that is the request granted, not a fault.
void DropBufferIntegrationReport(QtMsgType type, const QMessageLogContext& context,
                                 const QString& message)
{
    if (qstrcmp(context.category, "qt.qpa.wayland") == 0 &&
        message.contains(u"client buffer integration"))
        return;
    s_passOn(type, context, message);
}
} // namespace

CWaylandSharedMemoryBuffers::CWaylandSharedMemoryBuffers()
{
    if (qEnvironmentVariableIsSet(kBufferIntegration))
        return;
    qputenv(kBufferIntegration, "none");
    s_passOn = qInstallMessageHandler(DropBufferIntegrationReport);
    m_bAsked = true;
}

void CWaylandSharedMemoryBuffers::Settle()
{
    if (!m_bAsked)
        return;
    m_bAsked = false;
    // Qt's Wayland client picks its buffers the first time anything asks what
    // GL it offers; asking here makes that now, while the setting is in place.
    // Other platforms are not asked: on X11 the question would load GL itself.
    if (QGuiApplication::platformName() == u"wayland")
        QOpenGLContext::supportsThreadedOpenGL();
    qunsetenv(kBufferIntegration);
    qInstallMessageHandler(s_passOn);
}

#pragma once

#include "app/wayland_buffers.h"

#include <QApplication>

class CtamroDlg;

// The application: it owns the QApplication and runs the main dialog; when
// the dialog closes, the program ends.
class CtamroApp
{
public:
    CtamroApp(int& argc, char** argv);
    // Runs the main dialog, opening `path` (a folder or a song list) if given.
    // Returns the stop signal that ended the program, 0 after a close.
    int InitInstance(const QString& path = {});

    // Runs `dialog` as the program's window until it has closed, its job and
    // logs finished: a stop signal closes it as Close does. Returns that
    // signal, or 0.
    static int RunMainDialog(CtamroDlg& dialog);

private:
    CWaylandSharedMemoryBuffers m_waylandBuffers; // set before the application starts
    QApplication m_app;
};

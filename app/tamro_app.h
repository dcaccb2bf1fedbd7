#pragma once

#include <QApplication>

// The application: it owns the QApplication and runs the main dialog; when
// the dialog closes, the program ends.
class CtamroApp
{
public:
    CtamroApp(int& argc, char** argv);
    // Runs the main dialog, opening `path` (a folder or a song list) if given.
    int InitInstance(const QString& path = {});

private:
    QApplication m_app;
};

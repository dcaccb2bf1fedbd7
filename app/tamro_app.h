#pragma once

#include <QApplication>

// The application: it owns the QApplication and runs the main dialog; when
// the dialog closes, the program ends.
class CtamroApp
{
public:
    CtamroApp(int& argc, char** argv);
    int InitInstance();

private:
    QApplication m_app;
};

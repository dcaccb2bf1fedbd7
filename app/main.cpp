#include "app/tamro_app.h"

int main(int argc, char** argv)
{
    CtamroApp theApp(argc, argv);
    return theApp.InitInstance();
}

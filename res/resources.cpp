#include "res/resources.h"

#include <QtCore/qglobal.h>

// Q_INIT_RESOURCE must be used outside any namespace; it names the
// function that rcc generated for tamro.qrc.
void InitTamroResources()
{
    Q_INIT_RESOURCE(tamro);
}

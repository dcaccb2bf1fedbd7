#pragma once

#include <QLocale>
#include <QString>

// The languages tamro speaks to people in. Its own texts are English in the
// code, complete without any translation; each other language is a .qm file
// in the translations folder. What other programs read (the run logs, the
// run records, the JSON of tamro-cli) never goes through these.

// Installs tamro's translation for the first of `locale`'s languages that
// tamro has one for, together with Qt's own in the same language (the
// standard buttons, the file dialogs). Whatever an earlier call installed is
// taken away first, so a locale tamro has no translation for means English. Needs the
// application object. Returns the file name of the language taken
// ("tamro_de.qm"), or an empty text when tamro speaks English.
QString InstallTranslations(const QLocale& locale = QLocale::system());

// Where tamro's .qm files are: share/tamro/translations beside the folder of
// the program (/usr/bin/tamro reads /usr/share/tamro/translations). The
// build folder has the same layout, so a program run from there finds them
// too.
QString TranslationsFolder();

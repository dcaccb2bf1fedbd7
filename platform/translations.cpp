#include "platform/translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace {

// The translators installed last, owned by the application object (which
// removes them when it goes).
QPointer<QTranslator> g_pTamro;
QPointer<QTranslator> g_pQt;

void Remove(QPointer<QTranslator>& translator)
{
    if (!translator)
        return;
    QCoreApplication::removeTranslator(translator);
    delete translator;
}

QTranslator* Loaded(const QLocale& locale, const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(locale, name, u"_"_qs, folder))
        return translator;
    delete translator;
    return nullptr;
}

} // namespace

QString TranslationsFolder()
{
    return QFileInfo(QCoreApplication::applicationDirPath() + u"/../share/tamro/translations"_qs)
        .absoluteFilePath();
}

QString InstallTranslations(const QLocale& locale)
{
    if (!QCoreApplication::instance())
        return {};
    Remove(g_pQt);
    Remove(g_pTamro);
    g_pTamro = Loaded(locale, u"tamro"_qs, TranslationsFolder());
    if (!g_pTamro)
        return {};
    QCoreApplication::installTranslator(g_pTamro);
    // Qt's buttons in tamro's language, not the first one Qt happens to have.
    g_pQt = Loaded(QLocale(g_pTamro->language()), u"qtbase"_qs,
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (g_pQt)
        QCoreApplication::installTranslator(g_pQt);
    return QFileInfo(g_pTamro->filePath()).fileName();
}

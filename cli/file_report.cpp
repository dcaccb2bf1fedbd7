#include "cli/file_report.h"

#include "platform/file_name_codec.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QJsonValue NameOrNull(const QString& name)
{
    return name.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(ReadableFileName(name));
}

QString StatusWord(FileReport::Status status)
{
    switch (status) {
    case FileReport::Planned:
        return QStringLiteral("planned");
    case FileReport::Copied:
        return QStringLiteral("copied");
    case FileReport::Failed:
        return QStringLiteral("failed");
    case FileReport::Skipped:
        break;
    }
    return QStringLiteral("skipped");
}

} // namespace

QByteArray ReportJson(const FileReport& report)
{
    QJsonObject object{
        {QStringLiteral("name"), ReadableFileName(report.m_strName)},
        {QStringLiteral("new_name"), NameOrNull(report.m_strNewName)},
        {QStringLiteral("final_name"), NameOrNull(report.m_strFinalName)},
        {QStringLiteral("status"), StatusWord(report.m_status)},
        {QStringLiteral("reason"), report.m_strReason.isEmpty()
                                       ? QJsonValue(QJsonValue::Null)
                                       : QJsonValue(ReadableFileName(report.m_strReason))},
        {QStringLiteral("flags"), QJsonArray::fromStringList(report.m_flags)},
    };
    if (report.m_bTagMode) {
        QJsonObject tags;
        for (const auto& [key, text] : report.m_tagFields)
            tags.insert(key, text.isNull() ? QJsonValue(QJsonValue::Null)
                                           : QJsonValue(ReadableFileName(text)));
        object.insert(QStringLiteral("tags"), tags);
    }
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

QString ReportText(const FileReport& report, qsizetype nameWidth)
{
    const QString name = ReadableFileName(report.m_strName).leftJustified(nameWidth);
    if (report.m_strNewName.isEmpty())
        return name + QStringLiteral("  --  ") + report.m_strReason;
    QString text = name + QStringLiteral("  ->  ") + ReadableFileName(report.m_strNewName);
    if (!report.m_strFinalName.isEmpty() && report.m_strFinalName != report.m_strNewName)
        text += u"  "_qs + QCoreApplication::translate("TamroCli", "(as %1)")
                               .arg(ReadableFileName(report.m_strFinalName));
    if (!report.m_flags.isEmpty())
        text += QStringLiteral("  [") + report.m_flags.join(QStringLiteral(", ")) + u']';
    if (report.m_status == FileReport::Failed)
        text += u"  "_qs +
                QCoreApplication::translate("TamroCli", "FAILED: %1").arg(report.m_strReason);
    return text;
}

#include "cli/file_outcome.h"

#include "platform/file_name_codec.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QJsonValue NameOrNull(const QString& name)
{
    return name.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(ReadableFileName(name));
}

QString StatusWord(FileOutcome::Status status)
{
    switch (status) {
    case FileOutcome::Planned:
        return QStringLiteral("planned");
    case FileOutcome::Copied:
        return QStringLiteral("copied");
    case FileOutcome::Failed:
        return QStringLiteral("failed");
    case FileOutcome::Skipped:
        break;
    }
    return QStringLiteral("skipped");
}

} // namespace

QByteArray OutcomeJson(const FileOutcome& outcome)
{
    const QJsonObject object{
        {QStringLiteral("name"), ReadableFileName(outcome.m_strName)},
        {QStringLiteral("new_name"), NameOrNull(outcome.m_strNewName)},
        {QStringLiteral("final_name"), NameOrNull(outcome.m_strFinalName)},
        {QStringLiteral("status"), StatusWord(outcome.m_status)},
        {QStringLiteral("reason"), outcome.m_strReason.isEmpty()
                                       ? QJsonValue(QJsonValue::Null)
                                       : QJsonValue(ReadableFileName(outcome.m_strReason))},
        {QStringLiteral("flags"), QJsonArray::fromStringList(outcome.m_flags)},
    };
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

QString OutcomeText(const FileOutcome& outcome, qsizetype nameWidth)
{
    const QString name = ReadableFileName(outcome.m_strName).leftJustified(nameWidth);
    if (outcome.m_strNewName.isEmpty())
        return name + QStringLiteral("  --  ") + outcome.m_strReason;
    QString text = name + QStringLiteral("  ->  ") + ReadableFileName(outcome.m_strNewName);
    if (!outcome.m_strFinalName.isEmpty() && outcome.m_strFinalName != outcome.m_strNewName)
        text += QStringLiteral("  (as ") + ReadableFileName(outcome.m_strFinalName) + u')';
    if (!outcome.m_flags.isEmpty())
        text += QStringLiteral("  [") + outcome.m_flags.join(QStringLiteral(", ")) + u']';
    if (outcome.m_status == FileOutcome::Failed)
        text += QStringLiteral("  FAILED: ") + outcome.m_strReason;
    return text;
}

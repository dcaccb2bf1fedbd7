#include "modes/tag_format.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// "a and b", the last two of a list; the ones before them join with ", ".
QString JoinedWithAnd(QStringList items)
{
    const QString last = items.takeLast();
    return items.isEmpty() ? last
                           : QCoreApplication::translate("CTagFormat", "%1 and %2")
                                 .arg(items.join(u", "), last);
}

constexpr int kMaxWidth = 255; // a longer number fills no file name

bool IsAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The leading digits of `text`, or empty.
QStringView LeadingDigits(QStringView text)
{
    qsizetype end = 0;
    while (end < text.size() && IsAsciiDigit(text[end]))
        ++end;
    return text.first(end);
}

bool FieldOfKey(QStringView key, TagField& field)
{
    for (int f = 0; f < kTagFieldCount; ++f) {
        if (key == TagFieldKey(TagField(f))) {
            field = TagField(f);
            return true;
        }
    }
    return false;
}

QString FieldList()
{
    QStringList keys;
    for (int f = 0; f < kTagFieldCount; ++f)
        keys.append(u'{' + TagFieldKey(TagField(f)) + u'}');
    return JoinedWithAnd(keys);
}

// "title", "title and artist", "title, album and artist", each word put in
// `wordFormat` (a translated "%1"-sentence piece) when one is given.
QString Listed(const std::vector<TagField>& fields, const char* wordFormat = nullptr)
{
    QStringList words;
    for (const TagField field : fields)
        words.append(
            wordFormat
                ? QCoreApplication::translate("CTagFormat", wordFormat).arg(TagFieldWords(field))
                : TagFieldWords(field));
    return JoinedWithAnd(words);
}

void AddOnce(std::vector<TagField>& fields, TagField field)
{
    if (std::find(fields.begin(), fields.end(), field) == fields.end())
        fields.push_back(field);
}

} // namespace

QString CTagFormat::DefaultFormat()
{
    return u"{title}-{artist}"_s;
}

CTagFormat::CTagFormat(const QString& format) : m_strFormat(format)
{
    m_strError = Parse();
    if (!m_strError.isEmpty()) {
        m_parts.clear();
        m_nFields = 0;
    }
}

QString CTagFormat::Parse()
{
    if (m_strFormat.trimmed().isEmpty())
        return tr("The format is empty.");
    QString literal;
    const qsizetype size = m_strFormat.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = m_strFormat[i];
        if (c != u'{') {
            literal.append(c);
            continue;
        }
        const qsizetype close = m_strFormat.indexOf(u'}', i + 1);
        if (close < 0)
            return tr("The format has a { that no } closes.");
        const QString brace = m_strFormat.mid(i, close - i + 1);
        const QStringView inside = QStringView(m_strFormat).sliced(i + 1, close - i - 1);
        const qsizetype colon = inside.indexOf(u':');
        Part part;
        part.m_bField = true;
        if (!FieldOfKey(colon < 0 ? inside : inside.first(colon), part.m_field))
            return tr("\"%1\" is no tag field. The fields are %2.").arg(brace, FieldList());
        if (colon >= 0) {
            if (part.m_field != TagField::Track && part.m_field != TagField::Disc)
                return tr("\"%1\": only {track} and {disc} take a width.").arg(brace);
            const QStringView width = inside.sliced(colon + 1);
            bool ok = !width.isEmpty() && width.size() <= 3 &&
                      std::all_of(width.begin(), width.end(), IsAsciiDigit);
            part.m_nWidth = ok ? width.toInt() : 0;
            if (!ok || part.m_nWidth > kMaxWidth)
                return tr("\"%1\": a width is a number up to %2, as in {track:2}.")
                    .arg(brace)
                    .arg(kMaxWidth);
        }
        if (!literal.isEmpty())
            m_parts.push_back(Part{std::exchange(literal, QString())});
        m_nFields |= TagFieldBit(part.m_field);
        m_parts.push_back(std::move(part));
        i = close;
    }
    if (!literal.isEmpty())
        m_parts.push_back(Part{std::move(literal)});
    return {};
}

QString CTagFormat::FieldText(TagField field, const QString& text, int width)
{
    switch (field) {
    case TagField::Track:
    case TagField::Disc: {
        const QStringView digits = LeadingDigits(text);
        if (digits.isEmpty())
            return text;
        QString number = digits.toString();
        if (number.size() < width)
            number.prepend(QString(width - number.size(), u'0'));
        return number;
    }
    case TagField::Year: {
        const QStringView digits = LeadingDigits(text);
        return digits.isEmpty() ? text : digits.toString();
    }
    default:
        return text;
    }
}

QStringList CTagFormat::FieldTexts(const SongTags& tags) const
{
    QStringList texts;
    for (int f = 0; f < kTagFieldCount; ++f) {
        const TagField field = TagField(f);
        if (!(m_nFields & TagFieldBit(field)))
            continue;
        const SongTagText& text = tags.Field(field);
        if (text.m_state != TagTextState::Text) {
            texts.append(QString());
            continue;
        }
        const auto first = std::find_if(m_parts.begin(), m_parts.end(), [field](const Part& part) {
            return part.m_bField && part.m_field == field;
        });
        texts.append(FieldText(field, text.m_strText, first->m_nWidth));
    }
    return texts;
}

bool CTagFormat::Fill(const SongTags& tags, QString& baseName, QString& reason) const
{
    baseName.clear();
    reason.clear();
    if (!IsValid()) {
        reason = m_strError;
        return false;
    }
    switch (tags.m_status) {
    case TagReadStatus::NotAudio:
        reason = tr("It is not an audio file tamro can read.");
        return false;
    case TagReadStatus::Unreadable:
        reason = tr("It cannot be read: %1.").arg(qt_error_string(tags.m_nErrno));
        return false;
    case TagReadStatus::NoTags:
        reason = tr("It has no tags.");
        return false;
    case TagReadStatus::Read:
        break;
    }
    std::vector<TagField> missing;
    std::vector<TagField> undecodable;
    QString name;
    for (const Part& part : m_parts) {
        if (!part.m_bField) {
            name += part.m_strText;
            continue;
        }
        const SongTagText& text = tags.Field(part.m_field);
        switch (text.m_state) {
        case TagTextState::Text:
            name += FieldText(part.m_field, text.m_strText, part.m_nWidth);
            break;
        case TagTextState::Missing:
            AddOnce(missing, part.m_field);
            break;
        case TagTextState::Latin1: // never given to the run's decision
        case TagTextState::Undecodable:
            AddOnce(undecodable, part.m_field);
            break;
        }
    }
    if (!missing.empty()) {
        reason =
            tr("Its tags have %1.").arg(Listed(missing, QT_TRANSLATE_NOOP("CTagFormat", "no %1")));
        return false;
    }
    if (!undecodable.empty()) {
        reason = tr("The %1 in its tags cannot be decoded.").arg(Listed(undecodable));
        return false;
    }
    baseName = std::move(name);
    return true;
}

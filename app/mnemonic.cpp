#include "app/mnemonic.h"

QString VisibleCaption(const QString& caption)
{
    QString visible;
    visible.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i; // the marked character, or the second "&" of "&&"
        visible.append(caption[i]);
    }
    return visible;
}

QString ConvertButtonCaption(const QString& visible)
{
    if (visible.contains(u'&'))
        return visible;
    const qsizetype key = visible.indexOf(u'c', 0, Qt::CaseInsensitive);
    return key < 0 ? visible : QString(visible).insert(key, u'&');
}

#include "MenuUnit.h"

QChar AccessKeyOf(const QString& caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == u'&') {
            if (caption[i + 1] != u'&')
                return caption[i + 1].toUpper();
            ++i;
        }
    }
    return {};
}

QString WithAccessKey(const QString& caption, QSet<QChar>& usedKeys)
{
    QString escaped = caption;
    escaped.replace(u'&', QStringLiteral("&&"));
    for (qsizetype i = 0; i < escaped.size(); ++i) {
        const QChar key = escaped[i].toUpper();
        if (escaped[i] == u'&') {
            ++i;
            continue;
        }
        if (key.isLetterOrNumber() && !usedKeys.contains(key)) {
            usedKeys.insert(key);
            return escaped.insert(i, u'&');
        }
    }
    return escaped;
}

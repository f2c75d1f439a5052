#pragma once

#include <QSet>
#include <QString>

// Gives a caption an access key of its own: a caption that already has one keeps it,
// otherwise the first letter or digit not yet in use is marked. Literal ampersands
// are doubled. The key is added to the used ones.
QString WithAccessKey(const QString& caption, QSet<QChar>& usedKeys);
// The access key of a caption written with "&", or a null character.
QChar AccessKeyOf(const QString& caption);

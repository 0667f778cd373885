#include "platform/dialogs/filefilter.h"

#include <QStringList>

namespace orva::platform {

QString qtFileFilter(const QString& filter) {
    if (filter.trimmed().isEmpty())
        return {};
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString description = parts.at(i).trimmed();
        const QString patternText = i + 1 < parts.size() ? parts.at(i + 1) : QStringLiteral("*");
        QStringList patterns;
        for (const QString& raw : patternText.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString pattern = raw.trimmed();
            for (const QString& variant : {pattern, pattern.toLower(), pattern.toUpper()})
                if (!variant.isEmpty() && !patterns.contains(variant))
                    patterns << variant;
        }
        entries << QStringLiteral("%1 (%2)").arg(description, patterns.join(QLatin1Char(' ')));
    }
    return entries.join(QStringLiteral(";;"));
}

} // namespace orva::platform

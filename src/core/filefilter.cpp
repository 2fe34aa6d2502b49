#include "filefilter.h"

#include <QRegularExpression>
#include <QStringList>

QString ToQtFileFilter(const QString &filter)
{
    if (!filter.contains(QLatin1Char('|')))
        return filter;
    static const QRegularExpression trailingPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        QString description = parts[i];
        description.remove(trailingPatterns);
        description = description.trimmed();
        QStringList patterns;
        if (i + 1 < parts.size()) {
            for (const QString &p : parts[i + 1].split(QLatin1Char(';'))) {
                if (!p.trimmed().isEmpty())
                    patterns << p.trimmed();
            }
        }
        if (patterns.isEmpty())
            patterns << QStringLiteral("*");
        if (description.isEmpty() && i + 1 >= parts.size())
            continue; // a trailing "|" ends the list; it is no entry of its own
        if (description.isEmpty())
            description = patterns.join(QLatin1Char(' '));
        entries << description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return entries.join(QStringLiteral(";;"));
}

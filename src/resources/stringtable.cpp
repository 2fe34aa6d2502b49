#include "stringtable.h"

#include "textcodec.h"

#include <QFile>
#include <QMap>

// Static libraries need their resources registered by hand before first use.
static void initStringResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace {

const QMap<int, QString> &table()
{
    static const QMap<int, QString> strings = [] {
        initStringResources();
        QMap<int, QString> map;
        QFile file(QStringLiteral(":/strings.tsv"));
        if (!file.open(QIODevice::ReadOnly))
            return map;
        const QString content = QString::fromUtf8(file.readAll());
        for (const QString &line : content.split(QLatin1Char('\n'))) {
            const qsizetype tab = line.indexOf(QLatin1Char('\t'));
            if (tab <= 0)
                continue;
            bool ok = false;
            const int id = line.left(tab).toInt(&ok);
            if (!ok)
                continue;
            QString text = line.mid(tab + 1);
            text.replace(QLatin1String("\\n"), QLatin1String("\r\n"));
            map.insert(id, text);
        }
        return map;
    }();
    return strings;
}

} // namespace

QString LoadStr(int id)
{
    return table().value(id);
}

QByteArray LoadStrBytes(int id)
{
    return EncodePageText(LoadStr(id));
}

QList<int> StringIds()
{
    return table().keys();
}

QByteArray StringTableListing()
{
    QByteArray out;
    const QMap<int, QString> &strings = table();
    for (auto it = strings.cbegin(); it != strings.cend(); ++it) {
        QString text = it.value();
        text.replace(QLatin1String("\r\n"), QLatin1String("\\n"));
        out += QByteArray::number(it.key()) + '\t' + text.toUtf8() + '\n';
    }
    return out;
}

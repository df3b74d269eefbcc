#include "library/planecompare.h"

#include "library/planetext.h"

#include <QJsonArray>

#include <algorithm>

namespace vte {

namespace {

const QString FileKey = QStringLiteral("File");

// Every value of a description under its key, nested objects opened up.
void flatten(const QJsonObject &object, const QString &prefix, QJsonObject &flat)
{
    for (auto it = object.begin(); it != object.end(); ++it) {
        const QString key = prefix + it.key();
        if (it->isObject())
            flatten(it->toObject(), key + QLatin1Char('.'), flat);
        else
            flat.insert(key, *it);
    }
}

QJsonObject flattened(const QJsonObject &plane)
{
    QJsonObject flat;
    flatten(plane, {}, flat);
    flat.remove(FileKey);
    return flat;
}

template <typename Values>
bool allAlike(const Values &values)
{
    const auto &first = values.first();
    return std::all_of(values.begin(), values.end(), [&](const auto &value) { return value == first; });
}

QStringList files(const QList<QJsonObject> &planes)
{
    QStringList paths;
    for (const QJsonObject &plane : planes)
        paths << plane[FileKey].toString();
    return paths;
}

} // namespace

bool ComparedField::differs() const
{
    return !allAlike(values);
}

PlaneComparison comparePlanes(const QList<QJsonObject> &planes)
{
    PlaneComparison comparison{files(planes), {}};
    for (const QJsonObject &plane : planes) {
        const QList<std::pair<QString, QString>> lines = planeLines(plane);
        comparison.fields.resize(lines.size());
        for (qsizetype i = 0; i < lines.size(); ++i) {
            comparison.fields[i].label = lines[i].first;
            comparison.fields[i].values << lines[i].second;
        }
    }
    return comparison;
}

bool PlaneComparison::differs() const
{
    return std::any_of(fields.cbegin(), fields.cend(), [](const ComparedField &field) { return field.differs(); });
}

QString PlaneComparison::text() const
{
    const QString between = QStringLiteral(" | ");
    QString text = files.join(between) + QLatin1Char('\n');
    for (const ComparedField &field : fields) {
        if (field.differs())
            text += listingLine(field.label, field.values.join(between));
    }
    return differs() ? text : text + QStringLiteral("  Same loadout\n");
}

QJsonObject differencesJson(const QList<QJsonObject> &planes)
{
    QList<QJsonObject> flat;
    QStringList keys;
    for (const QJsonObject &plane : planes) {
        flat << flattened(plane);
        keys << flat.back().keys();
    }
    keys.removeDuplicates();
    QJsonObject differences;
    for (const QString &key : keys) {
        QJsonArray values;
        for (const QJsonObject &plane : flat)
            values.append(plane.value(key));
        if (!allAlike(values))
            differences.insert(key, values);
    }
    return {{QStringLiteral("Files"), QJsonArray::fromStringList(files(planes))},
            {QStringLiteral("Differences"), differences}};
}

} // namespace vte

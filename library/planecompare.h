#pragma once

#include <QJsonObject>
#include <QList>
#include <QStringList>

namespace vte {

// Planes compared as their listings show them: a field a row, a plane a value.
struct ComparedField
{
    QString label;
    QStringList values; // in the order of the planes

    bool differs() const;
};

// Planes the window opens, side by side as their listings show them.
struct PlaneComparison
{
    QStringList files;
    QList<ComparedField> fields;

    bool differs() const;
    // The files, then each field that differs with every plane's value, as
    // lines laid out like the listing; "Same loadout" where none differs.
    QString text() const;
};

PlaneComparison comparePlanes(const QList<QJsonObject> &planes);

// {"Files": [...], "Differences": {key: [...]}}: the keys of the descriptions
// whose values differ, with every plane's value. Nested keys are joined with
// ".", lists compared whole, and "File" is left out.
QJsonObject differencesJson(const QList<QJsonObject> &planes);

} // namespace vte

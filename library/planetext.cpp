#include "library/planetext.h"

#include "catalogue/loadout.h"
#include "configs/configuration.h"
#include "configs/settingsstore.h"
#include "planefile/cp1252.h"
#include "planefile/planecode.h"
#include "planefile/planefileio.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <utility>

namespace vte {

namespace {

const QString FileKey = QStringLiteral("File");
const QString NameKey = QStringLiteral("PlaneName");
const QString NamesKey = QStringLiteral("Names");
const QString WeightsKey = QStringLiteral("Weights");
const QString RefusalKey = QStringLiteral("Refusal");

// The keys of one configuration, held in memory: through it a JSON object is
// written and read by the very code that saves and loads configurations.
class KeyStore final : public SettingsStore
{
public:
    QString read(const QString &, const QString &key, const QString &defaultText) const override
    {
        return m_values.value(key, defaultText);
    }
    void write(const QString &, const QString &key, const QString &text) override { m_values.insert(key, text); }
    void removeSection(const QString &) override { m_values.clear(); }
    bool flush(QString *) override { return true; }

private:
    QHash<QString, QString> m_values;
};

// The keys of a configuration that hold the loadout.
const QStringList &loadoutKeys()
{
    static const QStringList keys = [] {
        QStringList list = configurationKeys();
        list.removeOne(QStringLiteral("MenuName"));
        return list;
    }();
    return keys;
}

QString colourText(quint32 colour) // 0x00BBGGRR
{
    const quint32 rgb = (colour & 0xFF) << 16 | (colour & 0xFF00) | (colour >> 16 & 0xFF);
    return QStringLiteral("#%1").arg(rgb, 6, 16, QLatin1Char('0')).toUpper();
}

const char *const ArmourKeys[] = {"ArmorNose", "ArmorTail", "ArmorWings"};
const char *const RocketKeys[] = {"LHP%1", "RHP%1"};

// What the window shows for each number, under the number's key.
QJsonObject shownNames(const Loadout &loadout)
{
    const PlaneSelections &plane = loadout.selections();
    QJsonObject names{{QStringLiteral("PlaneType"), loadout.planeType().Name},
                      {QStringLiteral("EngineType"), ChoiceLists::engines().value(plane.EngineType)},
                      {QStringLiteral("ColorScheme"), loadout.schemeNames().value(loadout.schemePosition())}};
    for (int place : {Nose, Tail, Wings}) {
        names.insert(QLatin1String(ArmourKeys[place]), ChoiceLists::armourSteps().value(plane.Armor[place]).trimmed());
        names.insert(QStringLiteral("Color%1").arg(place + 1), colourText(plane.Color[place]));
    }
    for (int slot = 0; slot < GunSlots; ++slot) {
        names.insert(QStringLiteral("GunLocation%1").arg(slot), loadout.planeType().GunLocation[slot]);
        names.insert(QStringLiteral("GunType%1").arg(slot), ChoiceLists::gunTypes().value(plane.GunType[slot]));
        names.insert(QStringLiteral("Bullets%1").arg(slot), ChoiceLists::ammunition().value(plane.Bullets[slot]));
    }
    for (int side : {Left, Right}) {
        for (int k = 0; k < HardPointsPerSide; ++k)
            names.insert(QString::fromLatin1(RocketKeys[side]).arg(k),
                         ChoiceLists::rockets().value(plane.HardPoint[side][k]));
    }
    return names;
}

QJsonObject weightsJson(const Weights &weights)
{
    return {{QStringLiteral("Plane"), weights.Plane},     {QStringLiteral("Engine"), weights.Engine},
            {QStringLiteral("Armor"), weights.Armor},     {QStringLiteral("Guns"), weights.Guns},
            {QStringLiteral("HP"), weights.HP},           {QStringLiteral("Total"), weights.Total},
            {QStringLiteral("Maximum"), weights.Maximum}, {QStringLiteral("OverWeight"), weights.overWeight()}};
}

// The listing: a label and a pattern a line, where {Key} stands for what the
// window shows for the key's number, or else for the value itself.
constexpr std::pair<const char *, const char *> ListingLines[] = {
    {"Name", "{PlaneName}"},
    {"Type", "{PlaneType}"},
    {"Engine", "{EngineType}"},
    {"Nitro", "{Nitro}"},
    {"Armor", "nose {ArmorNose}, tail {ArmorTail}, wings {ArmorWings}"},
    {"Gun 1", "{GunLocation0}: {GunType0}, {Mount0}, {Bullets0}"},
    {"Gun 2", "{GunLocation1}: {GunType1}, {Mount1}, {Bullets1}"},
    {"Gun 3", "{GunLocation2}: {GunType2}, {Mount2}, {Bullets2}"},
    {"Gun 4", "{GunLocation3}: {GunType3}, {Mount3}, {Bullets3}"},
    {"Left hard points", "{HPLeft}: {LHP0}, {LHP1}, {LHP2}, {LHP3}"},
    {"Right hard points", "{HPRight}: {RHP0}, {RHP1}, {RHP2}, {RHP3}"},
    {"Scheme", "{ColorScheme}"},
    {"Colors", "{Color1} {Color2} {Color3}"},
    {"Logos", "nose {LogoNose}, tail {LogoTail}, wing {LogoWing}"},
    {"Weights", "plane {Plane}, engine {Engine}, armor {Armor}, guns {Guns}, HP {HP}"},
    {"Total weight", "{Total} (maximum {Maximum})"},
    {"Over weight", "{OverWeight}"},
    {"Speed", "{Speed}"},
    {"Stored weight", "{StoredWeight}"},
};

// Every value of a description by its key, the window's names in place of the
// numbers they name.
QJsonObject listingValues(const QJsonObject &plane)
{
    QJsonObject values = plane;
    const QJsonArray mounts = plane[QStringLiteral("Mounts")].toArray();
    for (int slot = 0; slot < GunSlots; ++slot)
        values.insert(QStringLiteral("Mount%1").arg(slot), mounts[slot]);
    for (const QString &part : {WeightsKey, NamesKey}) {
        const QJsonObject object = plane[part].toObject();
        for (auto it = object.begin(); it != object.end(); ++it)
            values.insert(it.key(), it.value());
    }
    return values;
}

QString listingText(const QJsonValue &value)
{
    if (value.isBool())
        return value.toBool() ? QStringLiteral("yes") : QStringLiteral("no");
    return value.isDouble() ? QString::number(value.toInteger()) : value.toString();
}

// A line of the listing with each {Key} filled in. The pattern alone is
// searched, so a plane name holding braces stays as it is.
QString fillIn(const QString &pattern, const QJsonObject &values)
{
    static const QRegularExpression field(QStringLiteral("\\{(\\w+)\\}"));
    QString line;
    qsizetype done = 0;
    for (const QRegularExpressionMatch &match : field.globalMatch(pattern)) {
        line += pattern.mid(done, match.capturedStart() - done) + listingText(values[match.captured(1)]);
        done = match.capturedEnd();
    }
    return line + pattern.mid(done);
}

// A value as it stands in a document, quoted when it is a text.
QString jsonText(const QJsonValue &value)
{
    const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

QString keyFault(const QString &key, const QJsonValue &value, const QString &problem)
{
    return QStringLiteral("%1 = %2 %3").arg(key, jsonText(value), problem);
}

// The name box's rules; an empty or missing name is the export's refusal.
QString nameFault(const QJsonValue &value)
{
    if (!value.isString())
        return keyFault(NameKey, value, QStringLiteral("is not a text"));
    const QString name = value.toString();
    const auto unstorable = std::find_if_not(name.cbegin(), name.cend(), isCp1252Storable);
    if (unstorable != name.cend())
        return keyFault(NameKey, value,
                        QStringLiteral("holds %1, which is no printable Windows-1252 character")
                            .arg(jsonText(QString(*unstorable))));
    if (name.size() > MaxPlaneNameLength)
        return keyFault(NameKey, value, QStringLiteral("is longer than %1 characters").arg(MaxPlaneNameLength));
    return {};
}

QJsonObject planeJson(const QString &path, const Loadout &loadout, qint32 storedWeight)
{
    KeyStore stored;
    writeConfiguration(stored, 0, {}, loadout.catalogue(), loadout.selections(), loadout.schemePosition());
    QJsonObject json{{FileKey, path}, {NameKey, loadout.selections().PlaneName}};
    for (const QString &key : loadoutKeys())
        json.insert(key, stored.read({}, key, {}).toInt());
    json.insert(QStringLiteral("Nitro"), loadout.selections().Nitro);
    QJsonArray mounts;
    for (Mount mount : loadout.selections().Mounts)
        mounts.append(mountCaption(mount));
    json.insert(QStringLiteral("Mounts"), mounts);
    json.insert(NamesKey, shownNames(loadout));
    json.insert(WeightsKey, weightsJson(loadout.weights()));
    json.insert(QStringLiteral("Speed"), loadout.speed());
    json.insert(QStringLiteral("StoredWeight"), storedWeight);
    return json;
}

// Every key that planeJson writes.
bool isKnownKey(const QString &key)
{
    static const QStringList known = planeJson({}, Loadout(), 0).keys();
    return known.contains(key);
}

struct ParsedPlane
{
    PlaneSelections plane;
    QString fault; // one line naming the key and the value; empty when none
};

ParsedPlane planeFromJson(const QByteArray &document)
{
    QJsonParseError error{};
    const QJsonDocument json = QJsonDocument::fromJson(document, &error);
    if (error.error != QJsonParseError::NoError)
        return {{}, QStringLiteral("Not a JSON document: %1 at offset %2").arg(error.errorString()).arg(error.offset)};
    if (!json.isObject())
        return {{}, QStringLiteral("Not one plane: the document is not a JSON object")};
    const QJsonObject plane = json.object();

    for (const QString &key : plane.keys()) {
        if (!isKnownKey(key))
            return {{}, keyFault(key, plane[key], QStringLiteral("is not a key of a plane"))};
    }
    KeyStore store;
    for (const QString &key : loadoutKeys()) {
        if (!plane.contains(key))
            continue;
        const QJsonValue value = plane[key];
        if (!value.isDouble())
            return {{}, keyFault(key, value, QStringLiteral("is not a number"))};
        if (!inConfigurationRange(key, value.toDouble()))
            return {{}, keyFault(key, value, QStringLiteral("is out of range"))};
        store.write({}, key, QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest));
    }
    if (plane.contains(NameKey)) {
        if (const QString fault = nameFault(plane[NameKey]); !fault.isEmpty())
            return {{}, fault};
    }

    ParsedPlane parsed{readConfiguration(store, 0, {}), {}};
    parsed.plane.PlaneName = plane[NameKey].toString();
    return parsed;
}

BuiltRecord exported(const Loadout &loadout)
{
    if (const std::optional<QString> refusal = loadout.exportRefusal())
        return {std::nullopt, *refusal};
    return {exportedRecord(loadout), {}};
}

BuiltRecord reexported(const OpenedRecord &opened)
{
    if (!opened.record)
        return {std::nullopt, opened.refusal};
    Loadout loadout;
    loadout.load(DecodePlaneRecord(*opened.record).selections);
    return exported(loadout);
}

} // namespace

QJsonObject describePlaneFile(const QString &path)
{
    const OpenedRecord opened = openPlaneRecord(path);
    if (!opened.record)
        return {{FileKey, path}, {RefusalKey, oneLine(opened.refusal)}};
    const DecodedPlane decoded = DecodePlaneRecord(*opened.record);
    Loadout loadout;
    loadout.load(decoded.selections);
    return planeJson(path, loadout, decoded.storedWeight);
}

bool isRefused(const QJsonObject &plane)
{
    return plane.contains(RefusalKey);
}

std::optional<QString> planeFault(const QJsonObject &plane)
{
    if (isRefused(plane))
        return plane[RefusalKey].toString();
    if (plane[WeightsKey][QStringLiteral("OverWeight")].toBool())
        return Weights::overWeightRefusal();
    return std::nullopt;
}

QString planeText(const QJsonObject &plane)
{
    if (isRefused(plane))
        return QStringLiteral("%1: %2\n").arg(plane[FileKey].toString(), plane[RefusalKey].toString());
    QString text = plane[FileKey].toString() + QStringLiteral(":\n");
    for (const auto &[label, value] : planeLines(plane))
        text += listingLine(label, value);
    return text;
}

QList<std::pair<QString, QString>> planeLines(const QJsonObject &plane)
{
    const QJsonObject values = listingValues(plane);
    QList<std::pair<QString, QString>> lines;
    for (const auto &[label, pattern] : ListingLines)
        lines.append({QLatin1String(label), fillIn(QLatin1String(pattern), values)});
    return lines;
}

QString listingLine(const QString &label, const QString &value)
{
    return QStringLiteral("  %1 %2\n").arg(label, -17).arg(value);
}

QString oneLine(const QString &message)
{
    return message.split(QLatin1Char('\n')).join(QStringLiteral(": "));
}

BuiltRecord buildPlaneRecord(const QByteArray &document)
{
    if (const QString text = QString::fromUtf8(document); looksLikePlaneCode(text))
        return reexported(decodePlaneCode(text));
    const ParsedPlane parsed = planeFromJson(document);
    if (!parsed.fault.isEmpty())
        return {std::nullopt, parsed.fault};
    Loadout loadout;
    loadout.load(parsed.plane);
    return exported(loadout);
}

BuiltRecord reexportPlaneFile(const QString &path)
{
    return reexported(openPlaneRecord(path));
}

} // namespace vte

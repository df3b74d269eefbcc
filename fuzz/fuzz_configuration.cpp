// Any texts in a saved configuration load into choices every list can show,
// with only the editor's own "Illegal value" messages, in key order.

#include "fuzz/property.h"

#include "configs/configuration.h"
#include "configs/numberparser.h"
#include "support/memorystore.h"

#include <QByteArray>
#include <QList>

#include <cmath>
#include <cstdint>

using namespace vte;
using vte::fuzz::require;
using vte::fuzz::requireShowable;

namespace {

// The items the messages may name, in the order their keys are read.
const QStringList &reportedItems()
{
    static const QStringList items = {
        QStringLiteral("Plane Type"),
        QStringLiteral("Nose Armor"),
        QStringLiteral("Tail Armor"),
        QStringLiteral("Wing Armor"),
        QStringLiteral("Gun Layouts"),
        QStringLiteral("Engine"),
        QStringLiteral("Gun 1"),
        QStringLiteral("Gun 2"),
        QStringLiteral("Gun 3"),
        QStringLiteral("Gun 4"),
        QStringLiteral("Ammo 1"),
        QStringLiteral("Ammo 2"),
        QStringLiteral("Ammo 3"),
        QStringLiteral("Ammo 4"),
        QStringLiteral("Left Hard Points"),
        QStringLiteral("Right Hard Points"),
        QStringLiteral("Left Rocket 1"),
        QStringLiteral("Left Rocket 2"),
        QStringLiteral("Left Rocket 3"),
        QStringLiteral("Left Rocket 4"),
        QStringLiteral("Right Rocket 1"),
        QStringLiteral("Right Rocket 2"),
        QStringLiteral("Right Rocket 3"),
        QStringLiteral("Right Rocket 4"),
        QStringLiteral("First Color"),
        QStringLiteral("Second Color"),
        QStringLiteral("Third Color"),
        QStringLiteral("Nose Logo"),
        QStringLiteral("Tail Logo"),
        QStringLiteral("Wing Logo"),
    };
    return items;
}

void checkNumber(const QString &text)
{
    const std::optional<double> number = parseNumber(text);
    if (!number)
        return;
    require(!std::isnan(*number), "no text parses to NaN");
    if (const std::optional<qint16> whole = roundToInt16(*number))
        require(std::abs(*whole - *number) <= 0.5, "rounding moves at most half a unit");
}

} // namespace

// The input holds one text per key, split at line feeds; keys past the last
// text stay absent, as in a configuration written by an older editor.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    checkNumber(QString::fromUtf8(input));

    const QStringList keys = configurationKeys().mid(1); // MenuName is a caption, not a value
    const int slot = static_cast<int>(size % ConfigurationSlots);
    test::MemoryStore store;
    const QList<QByteArray> texts = input.split('\n');
    for (qsizetype i = 0; i < texts.size() && i < keys.size(); ++i) {
        const QString text = QString::fromUtf8(texts[i]);
        checkNumber(text);
        store.write(configurationSection(slot), keys[i], text);
    }

    QStringList messages;
    const PlaneSelections plane =
        readConfiguration(store, slot, [&messages](const QString &message) { messages << message; });
    requireShowable(plane);
    require(plane.SingleTwin >= 0 && plane.SingleTwin <= 207, "gun layout fits its byte");
    require(messages.size() <= keys.size(), "at most one message per key");
    qsizetype previous = -1;
    for (const QString &message : messages) {
        const QString prefix = QStringLiteral("Illegal value found for ");
        const QString suffix = QStringLiteral(", Default used");
        require(message.startsWith(prefix) && message.endsWith(suffix), "only the illegal-value message");
        const qsizetype item = reportedItems().indexOf(message.mid(prefix.size()).chopped(suffix.size()));
        require(item >= 0, "the message names a known item");
        require(item > previous, "messages come once each, in key order");
        previous = item;
    }
    return 0;
}

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
    static const QStringList items =
        QStringLiteral("Plane Type|Nose Armor|Tail Armor|Wing Armor|Gun Layouts|Engine|Gun 1|Gun 2|Gun 3|Gun 4|"
                       "Ammo 1|Ammo 2|Ammo 3|Ammo 4|Left Hard Points|Right Hard Points|Left Rocket 1|Left Rocket 2|"
                       "Left Rocket 3|Left Rocket 4|Right Rocket 1|Right Rocket 2|Right Rocket 3|Right Rocket 4|"
                       "First Color|Second Color|Third Color|Nose Logo|Tail Logo|Wing Logo")
            .split(QLatin1Char('|'));
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

// Any texts in a saved configuration load into choices every list can show,
// with only the editor's own "Illegal value" messages, one for each item at most.

#include "fuzz/property.h"

#include "configs/configuration.h"
#include "support/memorystore.h"

#include <QByteArray>
#include <QList>
#include <QRegularExpression>
#include <QSet>

#include <cstdint>

using namespace vte;
using vte::fuzz::require;
using vte::fuzz::requireShowable;

// The input holds one text per key, split at line feeds; keys past the last
// text stay absent, as in a configuration written by an older editor.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QStringList keys = configurationKeys().mid(1); // MenuName is a caption, not a value
    const int slot = static_cast<int>(size % ConfigurationSlots);
    test::MemoryStore store;
    const QList<QByteArray> texts = input.split('\n');
    for (qsizetype i = 0; i < texts.size() && i < keys.size(); ++i)
        store.write(configurationSection(slot), keys[i], QString::fromUtf8(texts[i]));

    QStringList messages;
    const PlaneSelections plane =
        readConfiguration(store, slot, [&messages](const QString &message) { messages << message; });
    requireShowable(plane);
    require(plane.SingleTwin >= 0 && plane.SingleTwin <= 207, "gun layout fits its byte");
    require(messages.size() <= keys.size(), "at most one message per key");
    static const QRegularExpression illegal(QStringLiteral("^Illegal value found for .+, Default used$"));
    for (const QString &message : messages)
        require(illegal.match(message).hasMatch(), "only the illegal-value message");
    require(QSet<QString>(messages.cbegin(), messages.cend()).size() == messages.size(), "each item named once");
    return 0;
}

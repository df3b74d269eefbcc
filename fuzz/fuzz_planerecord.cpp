// Any 204 bytes either name the field that refuses them or decode to choices
// every list can show, and those choices survive an export unchanged. Their
// plane code is refused as they are, or reads back as the very bytes.

#include "fuzz/property.h"

#include "catalogue/loadout.h"
#include "planefile/planecode.h"
#include "planefile/planerecord.h"

#include <QRegularExpression>

#include <cstdint>
#include <cstring>

using namespace vte;
using vte::fuzz::require;
using vte::fuzz::requireShowable;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // ReadPlaneFile refuses every other size before decoding; keep such inputs out of the corpus.
    if (size != PlaneRecordSize)
        return -1;
    PlaneRecord record{};
    std::memcpy(record.data(), data, size);

    const QString fault = findFieldOutOfRange(record);
    const OpenedRecord coded = decodePlaneCode(planeCode(record));
    require(coded.record == (fault.isEmpty() ? std::optional(record) : std::nullopt),
            "a code reads back as its record");
    if (!fault.isEmpty()) {
        static const QRegularExpression shape(QStringLiteral("^[A-Za-z]+[0-3]? = [0-9]{1,3}$"));
        require(shape.match(fault).hasMatch(), "a refusal reads \"Field = value\"");
        return 0;
    }

    const DecodedPlane decoded = DecodePlaneRecord(record);
    requireShowable(decoded.selections);
    require(decoded.selections.PlaneName.size() <= 16, "name fits its field");

    Loadout opened;
    opened.load(decoded.selections);
    requireShowable(opened.selections());
    const PlaneRecord exported =
        EncodePlaneRecord(opened.catalogue(), opened.selections(), opened.schemePosition(), decoded.storedWeight);
    require(findFieldOutOfRange(exported).isEmpty(), "an export opens again");
    const DecodedPlane reopened = DecodePlaneRecord(exported);
    Loadout again;
    again.load(reopened.selections);
    // The gun-mount flags are rebuilt from the mounts, not copied.
    PlaneSelections expected = opened.selections();
    expected.SingleTwin = again.selections().SingleTwin;
    require(again.selections() == expected && again.schemePosition() == opened.schemePosition(),
            "an opened plane exports to the same choices");
    require((reopened.storedWeight & 0xFFFF) == (decoded.storedWeight & 0xFFFF), "the weight's low bytes survive");
    return 0;
}

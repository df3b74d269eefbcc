// Any 204 bytes either name the field that refuses them or decode to choices
// every list can show, and those choices survive an export unchanged.

#include "fuzz/property.h"

#include "catalogue/planecatalogue.h"
#include "catalogue/planeselections.h"
#include "planefile/planerecord.h"

#include <QRegularExpression>

#include <cstdint>
#include <cstring>

using namespace vte;
using vte::fuzz::require;
using vte::fuzz::requireShowable;

namespace {

// The position the scheme list shows for a scheme, or 0 when the type does not offer it.
int schemePosition(const PlaneTypeEntry &entry, int scheme)
{
    for (int position = 0; position < entry.schemeCount(); ++position) {
        if (entry.Schemes[position] == scheme)
            return position;
    }
    return 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // ReadPlaneFile refuses every other size before decoding; keep such inputs out of the corpus.
    if (size != PlaneRecordSize)
        return -1;
    PlaneRecord record{};
    std::memcpy(record.data(), data, size);

    const QString fault = findFieldOutOfRange(record);
    if (!fault.isEmpty()) {
        static const QRegularExpression shape(QStringLiteral("^[A-Za-z]+[0-3]? = [0-9]{1,3}$"));
        require(shape.match(fault).hasMatch(), "a refusal reads \"Field = value\"");
        return 0;
    }

    const PlaneCatalogue &catalogue = InitPlaneCatalogue();
    const DecodedPlane decoded = DecodePlaneRecord(record);
    requireShowable(decoded.selections);
    require(decoded.selections.PlaneName.size() <= 16, "name fits its field");

    PlaneSelections shown = decoded.selections;
    shown.Mounts = gunButtonMounts(shown.SingleTwin, shown.GunType);
    const PlaneTypeEntry &entry = catalogue.PlaneTypes(shown.PlaneType);
    const int position = schemePosition(entry, shown.ColorScheme);
    const PlaneRecord exported = EncodePlaneRecord(catalogue, shown, position, decoded.storedWeight);
    require(findFieldOutOfRange(exported).isEmpty(), "an export opens again");
    const DecodedPlane reopened = DecodePlaneRecord(exported);

    // What the export rebuilds rather than copies.
    PlaneSelections expected = decoded.selections;
    expected.SingleTwin = static_cast<qint16>(shown.gunLayout(catalogue));
    expected.PlaneName = expected.PlaneName.left(15);
    expected.ColorScheme = entry.Schemes[position];
    require(reopened.selections == expected, "an opened plane exports to the same choices");
    require((reopened.storedWeight & 0xFFFF) == (decoded.storedWeight & 0xFFFF), "the weight's low bytes survive");
    return 0;
}

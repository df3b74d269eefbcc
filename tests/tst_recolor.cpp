// Re-colouring the scheme preview: the fast pass must paint exactly what a
// pixel-by-pixel reading of the rule paints, on every layout an image can have.

#include "paint/recolor.h"

#include <QTest>

#include <vector>

using namespace vte;

namespace {

// The rule read pixel by pixel: exact 24-bit match on the source, first marker first.
QImage reference(const QImage &source, const std::array<quint32, 3> &paint)
{
    const QImage input = source.convertToFormat(QImage::Format_RGB32);
    QImage out = input.copy();
    for (int y = 0; y < input.height(); ++y) {
        for (int x = 0; x < input.width(); ++x) {
            const QRgb rgb = input.pixel(x, y) & RGB_MASK;
            for (size_t i = 0; i < MarkerColors.size(); ++i) {
                if (rgb == (rgbFromStored(MarkerColors[i]) & RGB_MASK)) {
                    out.setPixel(x, y, rgbFromStored(paint[i]));
                    break;
                }
            }
        }
    }
    return out;
}

// Every marker, every colour one bit away from a marker, and plain colours,
// in an odd width so no line is a whole number of vector steps.
QImage pattern(int width, int height)
{
    std::vector<QRgb> colours;
    for (quint32 marker : MarkerColors) {
        colours.push_back(rgbFromStored(marker));
        for (int bit = 0; bit < 24; ++bit)
            colours.push_back(rgbFromStored(marker ^ (1u << bit)));
    }
    colours.push_back(qRgb(0, 0, 0));
    colours.push_back(qRgb(255, 255, 255));
    colours.push_back(qRgb(239, 239, 239));
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, colours[size_t(x * 7 + y * 3) % colours.size()]);
    return image;
}

} // namespace

class TestRecolor : public QObject
{
    Q_OBJECT

private slots:
    void matchesThePixelRule_data()
    {
        QTest::addColumn<QImage>("source");
        QTest::addColumn<QList<quint32>>("paint");
        const QImage base = pattern(167, 23);
        const QList<quint32> paint{0x203040, 0x506070, 0x8090A0};
        QTest::newRow("RGB32") << base << paint;
        QTest::newRow("ARGB32") << base.convertToFormat(QImage::Format_ARGB32) << paint;
        QTest::newRow("RGB888") << base.convertToFormat(QImage::Format_RGB888) << paint;
        QTest::newRow("indexed, as a GIF loads") << base.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither) << paint;
        // Painted in a later marker's colour: matching on the source keeps it.
        QTest::newRow("paint equal to later markers") << base << QList<quint32>{MarkerColors[1], MarkerColors[2], MarkerColors[0]};
        QTest::newRow("one pixel") << pattern(1, 1) << paint;
        QTest::newRow("one column") << pattern(1, 77) << paint;
        // Lines longer than their pixels: the padding must be stepped over, not painted.
        static std::vector<uchar> buffer(size_t((37 * 4 + 12) * 11), 0xAB);
        for (int y = 0; y < 11; ++y)
            memcpy(buffer.data() + y * (37 * 4 + 12), pattern(37, 11).constScanLine(y), 37 * 4);
        QTest::newRow("padded lines") << QImage(buffer.data(), 37, 11, 37 * 4 + 12, QImage::Format_RGB32) << paint;
        QTest::newRow("empty") << QImage() << paint;
    }
    void matchesThePixelRule()
    {
        QFETCH(QImage, source);
        QFETCH(QList<quint32>, paint);
        source.setDotsPerMeterX(3780);
        source.setDevicePixelRatio(2);
        source.setText(QStringLiteral("Scheme"), QStringLiteral("16"));
        const QImage got = recolored(source, {paint[0], paint[1], paint[2]});
        QCOMPARE(got, reference(source, {paint[0], paint[1], paint[2]}));
        QCOMPARE(got.format(), source.isNull() ? QImage::Format_Invalid : QImage::Format_RGB32);
        // The picture's own properties come along.
        QCOMPARE(got.isNull() ? 3780 : got.dotsPerMeterX(), 3780);
        QCOMPARE(got.isNull() ? 2.0 : got.devicePixelRatio(), 2.0);
        QCOMPARE(got.isNull() ? QStringLiteral("16") : got.text(QStringLiteral("Scheme")), QStringLiteral("16"));
    }
};

QTEST_GUILESS_MAIN(TestRecolor)
#include "tst_recolor.moc"

// Re-colouring the scheme preview: the fast pass must paint exactly what a
// pixel-by-pixel reading of the rule paints, on every layout an image can have.

#include "paint/recolor.h"

#include <QColorSpace>
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
        QTest::addColumn<quint32>("c0");
        QTest::addColumn<quint32>("c1");
        QTest::addColumn<quint32>("c2");

        const QImage base = pattern(167, 23);
        QTest::newRow("RGB32") << base << 0x203040u << 0x506070u << 0x8090A0u;
        QTest::newRow("ARGB32") << base.convertToFormat(QImage::Format_ARGB32) << 0x203040u << 0x506070u
                                << 0x8090A0u;
        QTest::newRow("RGB888") << base.convertToFormat(QImage::Format_RGB888) << 0x203040u << 0x506070u
                                << 0x8090A0u;
        QTest::newRow("indexed, as a GIF loads")
            << base.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither) << 0x203040u << 0x506070u
            << 0x8090A0u;
        // Painted in a later marker's colour: matching on the source keeps it.
        QTest::newRow("paint equal to later markers")
            << base << MarkerColors[1] << MarkerColors[2] << MarkerColors[0];
        QTest::newRow("one pixel") << pattern(1, 1) << 0x203040u << 0x506070u << 0x8090A0u;
        QTest::newRow("one column") << pattern(1, 77) << 0x203040u << 0x506070u << 0x8090A0u;
    }

    void matchesThePixelRule()
    {
        QFETCH(QImage, source);
        QFETCH(quint32, c0);
        QFETCH(quint32, c1);
        QFETCH(quint32, c2);
        const QImage got = recolored(source, {c0, c1, c2});
        QCOMPARE(got.format(), QImage::Format_RGB32);
        QCOMPARE(got, reference(source, {c0, c1, c2}));
    }

    // Lines longer than their pixels: the padding must be stepped over, not painted.
    void paddedLines()
    {
        const QImage base = pattern(37, 11);
        const qsizetype stride = 37 * 4 + 12;
        std::vector<uchar> buffer(size_t(stride * 11), 0xAB);
        for (int y = 0; y < 11; ++y)
            memcpy(buffer.data() + y * stride, base.constScanLine(y), 37 * 4);
        const QImage padded(buffer.data(), 37, 11, stride, QImage::Format_RGB32);
        QCOMPARE(recolored(padded, {0x203040, 0x506070, 0x8090A0}),
                 reference(base, {0x203040, 0x506070, 0x8090A0}));
    }

    void keepsTheImagesProperties()
    {
        QImage source = pattern(9, 9);
        source.setDotsPerMeterX(3780);
        source.setDotsPerMeterY(2835);
        source.setDevicePixelRatio(2);
        source.setText(QStringLiteral("Scheme"), QStringLiteral("16"));
        source.setColorSpace(QColorSpace::SRgb);
        const QImage got = recolored(source, {0x203040, 0x506070, 0x8090A0});
        QCOMPARE(got.dotsPerMeterX(), 3780);
        QCOMPARE(got.dotsPerMeterY(), 2835);
        QCOMPARE(got.devicePixelRatio(), 2.0);
        QCOMPARE(got.text(QStringLiteral("Scheme")), QStringLiteral("16"));
        QCOMPARE(got.colorSpace(), QColorSpace(QColorSpace::SRgb));
    }

    void emptyImage() { QVERIFY(recolored(QImage(), {0, 0, 0}).isNull()); }
};

QTEST_GUILESS_MAIN(TestRecolor)
#include "tst_recolor.moc"

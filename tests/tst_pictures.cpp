// The pictures drawn by scripts/draw-pictures.py, read back the way the editor
// reads them: through Qt's readers and the compiled-in resources. The window's
// tests show the toolbar's pictures, sharp at any density, and the program
// icon's sizes.

#include <QtTest>

namespace {

QString scheme(int number)
{
    return QStringLiteral(":/schemes/scheme%1.gif").arg(number, 2, 10, QLatin1Char('0'));
}

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT

private slots:
    // The pictures live in the windows library, which a static link drops unless asked for.
    void initTestCase() { Q_INIT_RESOURCE(resources); }

    void picture_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("size");
        for (int n = 1; n <= 33; ++n)
            QTest::addRow("scheme %d", n) << scheme(n) << 150;
        for (int n = 1; n <= 50; ++n)
            QTest::addRow("logo %d", n) << QStringLiteral(":/logos/logo%1.gif").arg(n, 2, 10, QLatin1Char('0')) << 30;
        QTest::addRow("program icon") << QStringLiteral(":/icon/vteditor-32.png") << 32;
    }
    void picture()
    {
        QFETCH(QString, path);
        QFETCH(int, size);
        const QImage image(path);
        QCOMPARE(image.size(), QSize(size, size));
        QHash<QRgb, int> count;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x)
                ++count[image.pixel(x, y) & RGB_MASK];
        }
        QVERIFY(count.size() <= 16 || !path.contains(QLatin1String("icon")));
        if (!path.contains(QLatin1String("scheme")))
            return;
        // Sixteen colours at most, by the file's own table: Qt's reader hands back RGB32.
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray head = file.read(13);
        QVERIFY(head.startsWith("GIF8") && (head[10] & 0x80) && (2 << (head[10] & 7)) <= 16);
        // The editor finds the paint areas by these exact colours: a colour a
        // step away from one (blending, a stray palette entry) would be missed.
        for (QRgb marker : {0xFF0000U, 0x00FF00U, 0xFFFF00U}) {
            QVERIFY(count.value(marker) >= 150);
            for (auto it = count.cbegin(); it != count.cend(); ++it) {
                const int distance = qAbs(qRed(it.key()) - qRed(marker)) + qAbs(qGreen(it.key()) - qGreen(marker))
                                     + qAbs(qBlue(it.key()) - qBlue(marker));
                QVERIFY2(distance == 0 || distance > 24, qPrintable(QString::number(it.key(), 16)));
            }
        }
    }

    void schemesDiffer()
    {
        QList<QImage> schemes;
        for (int n = 1; n <= 33; ++n) {
            const QImage image = QImage(scheme(n)).convertToFormat(QImage::Format_RGB32);
            QVERIFY2(!schemes.contains(image), qPrintable(scheme(n)));
            schemes << image;
        }
    }
};

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"

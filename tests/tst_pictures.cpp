// The pictures drawn by scripts/draw-pictures.py, read back the way the editor
// reads them: through Qt's readers and the compiled-in resources.
#include <QCryptographicHash>
#include <QFile>
#include <QSet>
#include <QTest>

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
            QTest::addRow("scheme %d", n) << QStringLiteral(":/schemes/scheme%1.gif").arg(n, 2, 10, QLatin1Char('0')) << 150;
        for (int n = 1; n <= 50; ++n)
            QTest::addRow("logo %d", n) << QStringLiteral(":/logos/logo%1.gif").arg(n, 2, 10, QLatin1Char('0')) << 30;
        for (const char *name : {"new", "open", "save"})
            QTest::addRow("toolbar %s", name) << QStringLiteral(":/toolbar/%1.png").arg(QLatin1String(name)) << 16;
        for (int size : {16, 32, 48, 64, 128, 256})
            QTest::addRow("icon %d", size) << QStringLiteral(":/icon/vteditor-%1.png").arg(size) << size;
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
        if (path.contains(QLatin1String("toolbar")))
            QVERIFY(image.hasAlphaChannel());
        if (path.endsWith(QLatin1String("-32.png")))
            QVERIFY2(count.size() <= 16, qPrintable(QString::number(count.size())));
        if (!path.contains(QLatin1String("scheme")))
            return;
        // Sixteen colours at most, in the file's own table: Qt's reader hands back RGB32.
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
        QSet<QByteArray> seen;
        for (int n = 1; n <= 33; ++n) {
            const QImage image = QImage(QStringLiteral(":/schemes/scheme%1.gif").arg(n, 2, 10, QLatin1Char('0')))
                                     .convertToFormat(QImage::Format_RGB32);
            seen.insert(QCryptographicHash::hash(QByteArrayView(image.constBits(), image.sizeInBytes()),
                                                 QCryptographicHash::Sha1));
        }
        QCOMPARE(seen.size(), 33);
    }
};

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"

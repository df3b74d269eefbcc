// Reads the pictures drawn by scripts/draw-pictures.py back the way the editor
// does, through Qt's readers and the compiled-in resources.
#include <QCryptographicHash>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QSet>
#include <QtTest>

class TestPictures : public QObject {
    Q_OBJECT
private slots:
    // The pictures are compiled into the windows library, which a static link drops unless asked for.
    void initTestCase() { Q_INIT_RESOURCE(resources); }
    void scheme_data();     void scheme();
    void schemesDiffer();
    void logo_data();       void logo();
    void toolbar_data();    void toolbar();
    void icon_data();       void icon();
};

static QString schemePath(int n) { return QStringLiteral(":/schemes/scheme%1.gif").arg(n, 2, 10, QChar('0')); }

void TestPictures::scheme_data()
{
    QTest::addColumn<int>("number");
    for (int n = 1; n <= 33; ++n)
        QTest::newRow(qPrintable(schemePath(n))) << n;
}

void TestPictures::scheme()
{
    QFETCH(int, number);
    // Qt's GIF reader decodes to RGB32 (colorCount() is then 0), so the
    // palette size is read from the file's own global colour table.
    QFile file(schemePath(number));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray head = file.read(13);
    QVERIFY(head.size() == 13 && head.startsWith("GIF8") && (head[10] & 0x80));
    QVERIFY2((2 << (head[10] & 7)) <= 16, qPrintable(QString::number(2 << (head[10] & 7))));
    const QImage img(schemePath(number));
    QCOMPARE(img.size(), QSize(150, 150));
    QVERIFY(img.colorCount() <= 16);
    // the editor finds its paint areas by these exact colours; a colour a
    // step away from one (blending, a stray palette entry) would be missed
    const QRgb markers[3] = {0xFF0000, 0x00FF00, 0xFFFF00};
    QHash<QRgb, int> count;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            ++count[img.pixel(x, y) & 0xFFFFFF];
    QVERIFY2(count.size() >= 1 && count.size() <= 16, qPrintable(QString::number(count.size())));
    for (QRgb m : markers) {
        QVERIFY2(count.value(m) >= 150, qPrintable(QStringLiteral("marker %1: %2 pixels").arg(m, 6, 16).arg(count.value(m))));
        for (auto it = count.cbegin(); it != count.cend(); ++it) {
            const int dist = qAbs(qRed(it.key()) - qRed(m)) + qAbs(qGreen(it.key()) - qGreen(m)) + qAbs(qBlue(it.key()) - qBlue(m));
            QVERIFY2(dist == 0 || dist > 24, qPrintable(QStringLiteral("%1 is close to a marker").arg(it.key(), 6, 16)));
        }
    }
}

void TestPictures::schemesDiffer()
{
    QSet<QByteArray> seen;
    for (int n = 1; n <= 33; ++n) {
        const QImage img = QImage(schemePath(n)).convertToFormat(QImage::Format_RGB32);
        QVERIFY(!img.isNull());
        const QByteArray hash = QCryptographicHash::hash(
            QByteArrayView(reinterpret_cast<const char *>(img.constBits()), img.sizeInBytes()),
            QCryptographicHash::Sha1);
        QVERIFY2(!seen.contains(hash), qPrintable(schemePath(n) + " repeats an earlier picture"));
        seen.insert(hash);
    }
}

void TestPictures::logo_data()
{
    QTest::addColumn<QString>("path");
    for (int n = 1; n <= 50; ++n) {
        const QString p = QStringLiteral(":/logos/logo%1.gif").arg(n, 2, 10, QChar('0'));
        QTest::newRow(qPrintable(p)) << p;
    }
}

void TestPictures::logo()
{
    QFETCH(QString, path);
    QCOMPARE(QImage(path).size(), QSize(30, 30)); // a null image has no size
}

void TestPictures::toolbar_data()
{
    QTest::addColumn<QString>("path");
    for (const char *name : {"new", "open", "save"})
        QTest::newRow(name) << QStringLiteral(":/toolbar/%1.png").arg(QLatin1String(name));
}

void TestPictures::toolbar()
{
    QFETCH(QString, path);
    const QImage img(path);
    QCOMPARE(img.size(), QSize(16, 16));
    QVERIFY(img.hasAlphaChannel());
}

void TestPictures::icon_data()
{
    QTest::addColumn<int>("size");
    for (int s : {16, 32, 48, 64, 128, 256})
        QTest::newRow(qPrintable(QString::number(s))) << s;
}

void TestPictures::icon()
{
    QFETCH(int, size);
    const QImage img(QStringLiteral(":/icon/vteditor-%1.png").arg(size));
    QCOMPARE(img.size(), QSize(size, size));
    if (size == 32) {
        QSet<QRgb> colours;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                colours.insert(img.pixel(x, y));
        QVERIFY2(colours.size() <= 16, qPrintable(QString::number(colours.size())));
    }
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"

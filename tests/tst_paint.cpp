// The "Color Schemes" preview and the "Logos" tab. Expected values come from
// the game's documentation.

#include "support/windowfixture.h"
#include "support/windowprobe.h"

#include "paint/recolor.h"

#include <QApplication>
#include <QCheckBox>
#include <QTest>

using namespace vte;
using namespace vte::test;

namespace {

using F = WindowFixture;

const QRgb Markers[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(255, 255, 0)};

// A window showing the "Color Schemes" tab with its preview painted.
struct PaintFixture : F
{
    PaintFixture()
    {
        w().SSTab1->setCurrentIndex(frmMain::ColorSchemesTab);
        w().cmdRedraw_Click();
    }
    void pick(int swatch, const QColor &colour)
    {
        dialogs.colors = {colour};
        w().lblColor_DblClick(swatch);
    }
};

// Every marker pixel of the source shows its swatch's paint, every other
// pixel is copied unchanged.
void checkPainted(frmMain &w, const std::array<QRgb, 3> &paint)
{
    const QImage source = shownImage(w.picPlane0);
    const QImage painted = shownImage(w.picPlane1);
    QCOMPARE(painted.size(), source.size());
    std::array<int, 3> found{};
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            const QRgb from = source.pixel(x, y) & RGB_MASK;
            QRgb expected = source.pixel(x, y);
            for (int i = 0; i < 3; ++i) {
                if (from == (Markers[i] & RGB_MASK)) {
                    expected = paint[i];
                    ++found[i];
                    break;
                }
            }
            if ((painted.pixel(x, y) & RGB_MASK) != (expected & RGB_MASK))
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2 is %3, expected %4").arg(x).arg(y)
                                     .arg(painted.pixel(x, y), 8, 16).arg(expected, 8, 16)));
        }
    }
    QVERIFY2(found[0] > 0 && found[1] > 0, "the scheme picture shows no marker areas");
}

} // namespace

class TestPaint : public QObject
{
    Q_OBJECT

private slots:
    void startupColoursLeavePictureAsItIs_data()
    {
        QTest::addColumn<bool>("storedTab");
        QTest::newRow("tab stored as the one shown at start-up") << true;
        QTest::newRow("tab chosen after start-up, then Redraw") << false;
    }
    void startupColoursLeavePictureAsItIs()
    {
        QFETCH(bool, storedTab);
        MemoryStore store;
        if (storedTab)
            store.write(QStringLiteral("Settings"), QStringLiteral("Display"), QStringLiteral("3"));
        F f(&store);
        f.w().SSTab1->setCurrentIndex(frmMain::ColorSchemesTab);
        if (!storedTab)
            f.w().cmdRedraw_Click();
        QVERIFY(!f.w().picPlane0->pixmap().isNull());
        QVERIFY(!f.w().picPlane1->pixmap().isNull());
        QCOMPARE(shownImage(f.w().picPlane1), shownImage(f.w().picPlane0));
        checkPainted(f.w(), {Markers[0], Markers[1], Markers[2]});
    }

    void recoloredMatchesWholeMarkersOnly_data()
    {
        QTest::addColumn<QRgb>("pixel");
        QTest::addColumn<QRgb>("expected");
        // Paint: first blue, second magenta, third white.
        QTest::newRow("first marker painted") << qRgb(255, 0, 0) << qRgb(0, 0, 255);
        QTest::newRow("second marker painted") << qRgb(0, 255, 0) << qRgb(255, 0, 255);
        QTest::newRow("third marker painted") << qRgb(255, 255, 0) << qRgb(255, 255, 255);
        QTest::newRow("red 254 is no marker") << qRgb(254, 0, 0) << qRgb(254, 0, 0);
        QTest::newRow("green 254 is no marker") << qRgb(0, 254, 0) << qRgb(0, 254, 0);
        QTest::newRow("yellow with blue 1 is no marker") << qRgb(255, 255, 1) << qRgb(255, 255, 1);
        QTest::newRow("black stays black") << qRgb(0, 0, 0) << qRgb(0, 0, 0);
    }
    void recoloredMatchesWholeMarkersOnly()
    {
        QFETCH(QRgb, pixel);
        QFETCH(QRgb, expected);
        QImage source(3, 2, QImage::Format_RGB32);
        source.fill(pixel);
        const QImage result = recolored(source, {storedFromRgb(qRgb(0, 0, 255)), storedFromRgb(qRgb(255, 0, 255)),
                                                 storedFromRgb(qRgb(255, 255, 255))});
        QCOMPARE(result.size(), source.size());
        for (int y = 0; y < 2; ++y) {
            for (int x = 0; x < 3; ++x)
                QCOMPARE(result.pixel(x, y) & RGB_MASK, expected & RGB_MASK);
        }
    }

    void paintMatchesOnTheSourcePicture_data()
    {
        QTest::addColumn<int>("firstSwatch");
        QTest::addColumn<QColor>("firstColour");
        QTest::addColumn<int>("secondSwatch");
        QTest::addColumn<QColor>("secondColour");
        QTest::newRow("second red, then first changed") << 1 << QColor(255, 0, 0) << 0 << QColor(0, 0, 255);
        QTest::newRow("third green, then second changed") << 2 << QColor(0, 255, 0) << 1 << QColor(10, 10, 10);
        QTest::newRow("first yellow, then third changed") << 0 << QColor(255, 255, 0) << 2 << QColor(1, 2, 3);
        QTest::newRow("second yellow, then third red") << 1 << QColor(255, 255, 0) << 2 << QColor(255, 0, 0);
    }
    void paintMatchesOnTheSourcePicture()
    {
        QFETCH(int, firstSwatch);
        QFETCH(QColor, firstColour);
        QFETCH(int, secondSwatch);
        QFETCH(QColor, secondColour);
        PaintFixture f;
        f.pick(firstSwatch, firstColour);
        f.pick(secondSwatch, secondColour);
        std::array<QRgb, 3> paint{Markers[0], Markers[1], Markers[2]};
        paint[firstSwatch] = firstColour.rgb();
        paint[secondSwatch] = secondColour.rgb();
        checkPainted(f.w(), paint);
        QCOMPARE(f.dialogs.messages(), QStringList());
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void otherTabLeavesPreview_data()
    {
        QTest::addColumn<int>("tab");
        for (int tab : {0, 1, 2, 4})
            QTest::addRow("tab %d current", tab) << tab;
    }
    void otherTabLeavesPreview()
    {
        QFETCH(int, tab);
        PaintFixture f;
        const QImage before = shownImage(f.w().picPlane1);
        f.w().SSTab1->setCurrentIndex(tab);
        f.pick(0, QColor(0, 0, 128));
        f.w().RecolorPreview();
        QCOMPARE(shownImage(f.w().picPlane1), before);
        QVERIFY(QApplication::overrideCursor() == nullptr);
        // Back on the tab, Redraw paints the colour chosen meanwhile.
        f.w().SSTab1->setCurrentIndex(frmMain::ColorSchemesTab);
        f.w().cmdRedraw_Click();
        checkPainted(f.w(), {qRgb(0, 0, 128), Markers[1], Markers[2]});
    }

    void schemeChoice_data()
    {
        QTest::addColumn<bool>("loading");
        QTest::newRow("while loading the picture stays") << true;
        QTest::newRow("by the user the picture changes") << false;
    }
    void schemeChoice()
    {
        QFETCH(bool, loading);
        PaintFixture f;
        const QImage before = shownImage(f.w().picPlane0);
        f.w().Loading = loading;
        F::choose(f.w().cboSchemes, 1);
        f.w().Loading = false;
        QCOMPARE(shownImage(f.w().picPlane0) == before, loading);
        if (!loading)
            checkPainted(f.w(), {Markers[0], Markers[1], Markers[2]});
    }

    void sameColourChangesNothing_data()
    {
        QTest::addColumn<int>("swatch");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("first swatch, red") << 0 << QColor(255, 0, 0);
        QTest::newRow("second swatch, green") << 1 << QColor(0, 255, 0);
        QTest::newRow("third swatch, yellow") << 2 << QColor(255, 255, 0);
    }
    void sameColourChangesNothing()
    {
        QFETCH(int, swatch);
        QFETCH(QColor, colour);
        PaintFixture f;
        const qint64 preview = f.w().picPlane1->pixmap().cacheKey();
        f.pick(swatch, colour);
        QCOMPARE(f.dialogs.shown.size(), size_t(1));
        QCOMPARE(f.dialogs.shown.back().kind, QStringLiteral("color"));
        QCOMPARE(f.w().picPlane1->pixmap().cacheKey(), preview);
        QCOMPARE(f.w().lblColor[swatch]->palette().color(QPalette::Window), colour);
    }

    void cancelledColourDialog_data()
    {
        QTest::addColumn<int>("swatch");
        for (int swatch = 0; swatch < 3; ++swatch)
            QTest::addRow("swatch %d", swatch) << swatch;
    }
    void cancelledColourDialog()
    {
        QFETCH(int, swatch);
        PaintFixture f;
        const QImage preview = shownImage(f.w().picPlane1);
        const PlaneSelections before = f.w().selections();
        f.dialogs.colors = {std::nullopt};
        f.w().lblColor_DblClick(swatch);
        QCOMPARE(f.dialogs.messages(), QStringList{"Cancelled"});
        QCOMPARE(f.dialogs.shown.back().title, QStringLiteral("Color Selection"));
        QCOMPARE(f.w().selections(), before);
        QCOMPARE(shownImage(f.w().picPlane1), preview);
    }

    void colourDialogStartsAtSwatch_data()
    {
        QTest::addColumn<int>("swatch");
        QTest::addColumn<QColor>("preset");   // invalid: the start-up colour
        QTest::addColumn<QString>("initial");
        QTest::newRow("first at start-up") << 0 << QColor() << "#ff0000";
        QTest::newRow("second at start-up") << 1 << QColor() << "#00ff00";
        QTest::newRow("third at start-up") << 2 << QColor() << "#ffff00";
        QTest::newRow("second after a choice") << 1 << QColor(0x12, 0x34, 0x56) << "#123456";
    }
    void colourDialogStartsAtSwatch()
    {
        QFETCH(int, swatch);
        QFETCH(QColor, preset);
        QFETCH(QString, initial);
        PaintFixture f;
        if (preset.isValid())
            f.pick(swatch, preset);
        f.dialogs.shown.clear();
        f.w().lblColor_DblClick(swatch);
        QCOMPARE(f.dialogs.shown.front().kind, QStringLiteral("color"));
        QCOMPARE(f.dialogs.shown.front().text, initial);
    }

    void typeChangeOnAnotherTab()
    {
        PaintFixture f;
        frmMain &w = f.w();
        const QImage oldSource = shownImage(w.picPlane0);
        const QImage oldPainted = shownImage(w.picPlane1);
        w.SSTab1->setCurrentIndex(frmMain::ArmorEngineTab);
        F::choose(w.cboPlaneType, 3);
        QVERIFY(shownImage(w.picPlane0) != oldSource);
        QCOMPARE(shownImage(w.picPlane1), oldPainted);
        w.SSTab1->setCurrentIndex(frmMain::ColorSchemesTab);
        w.cmdRedraw_Click();
        QCOMPARE(shownImage(w.picPlane1), shownImage(w.picPlane0));
    }

    void logoAssignment_data()
    {
        QTest::addColumn<QString>("ticked");       // "NTW": nose, tail, wing ticked
        QTest::addColumn<int>("picture");
        QTest::addColumn<QList<int>>("logos");
        QTest::addColumn<QString>("message");
        QTest::newRow("first double-click after start-up") << "" << 0 << QList<int>{0, 0, 0} << "";
        QTest::newRow("only the tail ticked") << "T" << 12 << QList<int>{46, 12, 46} << "";
        QTest::newRow("nose and wing ticked") << "NW" << 3 << QList<int>{3, 46, 3} << "";
        QTest::newRow("picture 49") << "NTW" << 49 << QList<int>{49, 49, 49} << "";
        QTest::newRow("none ticked") << "-" << 5 << QList<int>{46, 46, 46}
                                     << "Select One Or More Images To Re-Assign First";
    }
    void logoAssignment()
    {
        QFETCH(QString, ticked);
        QFETCH(int, picture);
        QFETCH(QList<int>, logos);
        QFETCH(QString, message);
        F f;
        frmMain &w = f.w();
        if (!ticked.isEmpty()) {   // empty: leave the ticks as start-up sets them
            const char places[] = {'N', 'T', 'W'};
            for (int p = 0; p < 3; ++p)
                w.chkPlace[p]->setChecked(ticked.contains(QLatin1Char(places[p])));
        }
        const bool tickedBefore[] = {w.chkPlace[0]->isChecked(), w.chkPlace[1]->isChecked(),
                                     w.chkPlace[2]->isChecked()};
        const QImage unchanged = shownImage(w.imgLogo[46]);
        w.imgLogo_DblClick(picture);
        for (int p = 0; p < 3; ++p) {
            QCOMPARE(w.Logo[p], qint16(logos[p]));
            QCOMPARE(shownImage(w.imgPlace[p]), shownImage(w.imgLogo[logos[p]]));
            QCOMPARE(w.chkPlace[p]->isChecked(), message.isEmpty() ? false : tickedBefore[p]);
        }
        QCOMPARE(w.selections().Logo, (std::array<qint16, 3>{qint16(logos[0]), qint16(logos[1]), qint16(logos[2])}));
        QCOMPARE(shownImage(w.imgLogo[46]), unchanged);
        if (message.isEmpty()) {
            QCOMPARE(f.dialogs.messages(), QStringList());
        } else {
            QCOMPARE(f.dialogs.messages(), QStringList{message});
            QCOMPARE(f.dialogs.shown.back().title, QStringLiteral("Logo Selection Required"));
        }
    }
};

QTEST_MAIN(TestPaint)
#include "tst_paint.moc"

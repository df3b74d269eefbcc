// Every text of the two windows shown whole, every list showing all its
// entries, no two controls overlapping that the design keeps apart, nor any
// outside its parent: at the platform's font and at a large one under two
// styles, on a dense screen (a second run), and in the Windows build on the
// real Windows platform under Wine, with the fonts and display scale a Windows
// program gets there (runs of their own, which also leave a picture of each tab).

#include "about/frmabout.h"
#include "support/windowfixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QStyleFactory>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTest>

using namespace vte;
using namespace vte::test;

namespace {

struct Windows
{
    WindowFixture fixture;
    frmAbout about{fixture.dialogs, fixture.systemInfo, &fixture.w()};

    Windows()
    {
        fixture.w().buildPages();
        fixture.w().show();
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fixture.w()) && QTest::qWaitForWindowExposed(&about));
    }
    QList<QWidget *> controls()
    {
        QList<QWidget *> all = fixture.w().findChildren<QWidget *>() + about.findChildren<QWidget *>();
        all.removeIf([](const QWidget *w) { return w->objectName().isEmpty() || w->objectName().startsWith(u"qt_"); });
        return all;
    }
};

void useLook(const QString &style, int points)
{
    static const QFont platformFont = QApplication::font();
    QApplication::setStyle(QStyleFactory::create(style));
    QFont font = platformFont;
    if (points)
        font.setPointSize(points);
    QApplication::setFont(font);
}

// What of a control's texts does not fit inside it.
QStringList cutOff(QWidget *w)
{
    const QFontMetrics fm(w->font());
    QStringList cut;
    const auto check = [&](const QString &text, int room) {
        if (fm.horizontalAdvance(QString(text).remove(u'&')) > room)
            cut << QStringLiteral("%1 \"%2\" needs %3, has %4").arg(w->objectName(), text).arg(fm.horizontalAdvance(text)).arg(room);
    };
    const int frame = w->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, w);
    if (auto *label = qobject_cast<QLabel *>(w); label && label->pixmap().isNull()) {
        if (label->wordWrap() && label->heightForWidth(label->width()) > label->height())
            cut << label->objectName() + QStringLiteral(" wraps beyond its height");
        else if (!label->wordWrap())
            check(label->text(), label->contentsRect().width());
    } else if (auto *box = qobject_cast<QCheckBox *>(w)) {
        check(box->text(), box->width() - box->style()->pixelMetric(QStyle::PM_IndicatorWidth) - box->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing));
    } else if (auto *button = qobject_cast<QPushButton *>(w)) {
        check(button->text(), button->width() - 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin));
    } else if (auto *list = qobject_cast<QListWidget *>(w)) {
        for (int row = 0; row < list->count(); ++row)
            check(list->item(row)->text(), list->viewport()->width() - 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1));
        if (list->count() * list->sizeHintForRow(0) > list->viewport()->height())
            cut << list->objectName() + QStringLiteral(" cannot show all its entries (%1 x %2 in %3)").arg(list->count()).arg(list->sizeHintForRow(0)).arg(list->viewport()->height());
    } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        const int room = combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo).width();
        for (int i = 0; i < combo->count(); ++i)
            check(combo->itemText(i), room);
        if (combo->objectName() == u"cboSchemes")
            check(QStringLiteral("Silver Screen Lancers"), room);
    } else if (auto *edit = qobject_cast<QLineEdit *>(w)) {
        check(edit->objectName() == u"txtPlaneSpeed" ? QStringLiteral("438 (438) mph") : edit->objectName() == u"txtPlaneName" ? QStringLiteral("WWWWWWWWWWWWWWW").left(8) : QStringLiteral("15760"),
              edit->width() - 2 * frame - 4);
    } else if (auto *tabs = qobject_cast<QTabBar *>(w)) {
        for (int i = 0; i < tabs->count(); ++i)
            check(tabs->tabText(i), tabs->tabRect(i).width() - tabs->style()->pixelMetric(QStyle::PM_TabBarTabHSpace));
        if (tabs->tabRect(tabs->count() - 1).right() >= tabs->width())
            cut << QStringLiteral("the tab row is wider than its control");
    }
    return cut;
}

// The pairs of sibling controls that overlap where their design does not, and
// the controls that stick out of their parent.
QStringList overlaps(const QList<QWidget *> &controls)
{
    QStringList found;
    for (const QWidget *a : controls) {
        if (a->isWindow())
            continue;
        // The tab row scrolls itself, and hides the buttons it does not need.
        if (!a->parentWidget()->rect().contains(a->geometry()) && !qobject_cast<const QTabBar *>(a) && !a->isHidden())
            found << a->objectName() + QStringLiteral(" outside its parent");
        // A tab control shows one page at a time, and its row one scroll button where it needs them.
        for (const QWidget *b : controls) {
            if (a != b && a->parentWidget() == b->parentWidget() && a->objectName() < b->objectName() && !b->isWindow()
                && !a->isHidden() && !b->isHidden() && a->geometry().intersects(b->geometry())
                && !DesignUnits::designOf(a).intersects(DesignUnits::designOf(b)))
                found << a->objectName() + QStringLiteral(" overlaps ") + b->objectName();
        }
    }
    return found;
}

// Where a run on the real Windows platform leaves its pictures.
const QString PicturesFolder = qEnvironmentVariable("VTE_PICTURES");

// The window as a user sees it, in front of the About box.
void takePicture(QWidget &window, const QString &file)
{
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(window.grab().save(file));
}

} // namespace

class TestLayout : public QObject
{
    Q_OBJECT

private slots:
    void fits_data()
    {
        QTest::addColumn<QString>("style"); // empty: the platform's own style and font
        QTest::addColumn<int>("points");    // 0: the platform's own size
        if (QGuiApplication::platformName() == u"windows") {
            QTest::newRow("as Windows shows it") << QString() << 0;
            return;
        }
        for (const char *style : {"Fusion", "Windows"}) {
            for (int points : {0, 12})
                QTest::addRow("%s %d pt", style, points) << style << points;
        }
    }
    void fits()
    {
        QFETCH(QString, style);
        QFETCH(int, points);
        if (!style.isEmpty())
            useLook(style, points);
        Windows windows;
        const DesignUnits &units = windows.fixture.w().designUnits();
        QStringList problems;
        for (int tab = 0; tab < 5; ++tab) {
            windows.fixture.w().findChild<QTabWidget *>(QStringLiteral("SSTab1"))->setCurrentIndex(tab);
            for (QWidget *w : windows.controls()) {
                if (w->isVisible())
                    problems << cutOff(w);
                // The scale gives every list the room its entries need.
                if (qobject_cast<QListWidget *>(w) && w->size() != units.rect(DesignUnits::designOf(w)).size())
                    problems << w->objectName() + QStringLiteral(" is larger than the scale makes it");
            }
            if (!PicturesFolder.isEmpty())
                takePicture(windows.fixture.w(), QStringLiteral("%1/tab-%2.png").arg(PicturesFolder).arg(tab));
        }
        problems.removeDuplicates();
        problems << overlaps(windows.controls());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    }

    // How controls that need more room than their design move the others, at a
    // scale of one pixel to fifteen twips: a control's minimum size stands for
    // what its text needs.
    void settle_data()
    {
        QTest::addColumn<QString>("controls"); // "name left,top,width,height [needs w,h]" in twips, ';' between
        QTest::addColumn<QString>("settled");  // "name x,y,w,h" in pixels, then "reach +w,+h"
        const auto row = [](const char *name, const char *controls, const char *settled) { QTest::newRow(name) << controls << settled; };
        row("as designed", "a 0,0,150,150; b 300,0,150,150", "a 0,0,10,10; b 20,0,10,10; reach +0,+0");
        row("wider moves what is beside", "a 0,0,150,150 needs 15,10; b 300,0,150,150; c 0,300,150,150", "a 0,0,15,10; b 25,0,10,10; c 0,20,10,10; reach +5,+0");
        row("taller moves what is below", "a 0,0,150,150 needs 10,16; b 300,0,150,150; c 0,300,150,150", "a 0,0,10,16; b 20,0,10,10; c 0,26,10,10; reach +0,+6");
        row("moves add up along a row", "a 0,0,150,150 needs 15,10; b 300,0,150,150 needs 13,10; c 600,0,150,150", "a 0,0,15,10; b 25,0,13,10; c 48,0,10,10; reach +8,+0");
        row("the widest above decides", "a 0,0,150,150 needs 10,14; b 300,0,150,150 needs 10,17; c 0,300,450,150", "c 0,27,30,10; reach +0,+7");
        row("what the design overlaps stays", "frame 0,0,600,600 needs 50,50; a 150,150,150,150; b 750,0,150,150", "frame 0,0,50,50; a 10,10,10,10; b 60,0,10,10; reach +10,+10");
        row("grown over the corner of what lay below", "a 0,0,150,150 needs 30,25; b 225,300,150,150", "a 0,0,30,25; b 15,35,10,10; reach +5,+15");
    }
    void settle()
    {
        QFETCH(QString, controls);
        QFETCH(QString, settled);
        QFont small;
        small.setPixelSize(6);
        const DesignUnits units(small);
        QWidget parent;
        const auto numbers = [](const QString &text) {
            QList<int> values;
            for (const QString &value : text.split(u','))
                values << value.toInt();
            return values;
        };
        for (const QString &control : controls.split(u';')) {
            const QStringList words = control.split(u' ', Qt::SkipEmptyParts);
            const QList<int> r = numbers(words[1]);
            auto *widget = units.place<QWidget>(&parent, words[0], {r[0], r[1], r[2], r[3]});
            if (words.size() > 3)
                widget->setMinimumSize(numbers(words[3])[0], numbers(words[3])[1]);
        }
        const QSize reach = units.settle(&parent);
        QStringList shown;
        for (const QString &expected : settled.split(u';')) {
            const QString name = expected.trimmed().section(u' ', 0, 0);
            const QRect at = name == u"reach" ? QRect() : parent.findChild<QWidget *>(name)->geometry();
            shown << (name == u"reach" ? QStringLiteral("reach +%1,+%2").arg(reach.width()).arg(reach.height())
                                       : QStringLiteral("%1 %2,%3,%4,%5").arg(name).arg(at.x()).arg(at.y()).arg(at.width()).arg(at.height()));
        }
        QCOMPARE(shown.join(QStringLiteral("; ")), settled);
    }
};

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"

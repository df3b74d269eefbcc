// The "Color Schemes" tab: three paint colours, the scheme list and the preview.
#include "editor/frmmain.h"

#include "editor/clickablelabel.h"
#include "editor/pixelart.h"
#include "paint/recolor.h"
#include "ui/twips.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>

namespace vte {

namespace {

// The two pictures end lowest on the page.
QRect pictureDesign(int leftTwips)
{
    return onTab(leftTwips, 1020, 2500, 2500);
}

QImage schemePicture(int number)
{
    return QImage(QStringLiteral(":/schemes/scheme%1.gif").arg(number, 2, 10, QLatin1Char('0')));
}

} // namespace

void frmMain::createColorSchemesTab(QWidget *page)
{
    struct SwatchDesign
    {
        const char *name;
        const char *caption;
        int leftTwips;
    };
    const SwatchDesign swatches[] = {{"lblFirstColor", "1st Color", 480},
                                     {"lblSecondColor", "2nd Color", 1560},
                                     {"lblThirdColor", "3rd Color", 2640}};
    for (int swatch = 0; swatch < 3; ++swatch) {
        auto *label = m_twips.place<ClickableLabel>(page, QLatin1String(swatches[swatch].name),
                                                    onTab(swatches[swatch].leftTwips, 480, 915, 285));
        label->setText(QLatin1String(swatches[swatch].caption));
        label->setAlignment(Qt::AlignCenter);
        label->setFrameShape(QFrame::Box);
        label->setAutoFillBackground(true);
        label->setToolTip(QStringLiteral("Double-Click here to open the Color Picker"));
        connect(label, &ClickableLabel::doubleClicked, this, [this, swatch] { lblColor_DblClick(swatch); });
        lblColor[swatch] = label;
    }
    m_twips.caption(page, QStringLiteral("lblCost"), onTab(540, 780, 2955, 255),
                    QStringLiteral("Double Click Above Color To Change"));
    cboSchemes = m_twips.place<QComboBox>(page, QStringLiteral("cboSchemes"), onTab(4740, 480, 2475, 315));
    cboSchemes->setAccessibleName(QStringLiteral("Color Scheme"));
    QStringList schemes;
    for (int scheme = 0; scheme < SchemeCount; ++scheme)
        schemes << m_loadout.catalogue().SchemeNames(scheme);
    DesignUnits::allowFor(cboSchemes, schemes);
    connect(cboSchemes, &QComboBox::currentIndexChanged, this, &frmMain::cboSchemes_Click);
    picPlane1 = m_twips.place<QLabel>(page, QStringLiteral("picPlane1"), pictureDesign(780));
    auto *cmdRedraw = m_twips.place<QPushButton>(page, QStringLiteral("cmdRedraw"), onTab(3360, 1920, 1215, 315));
    cmdRedraw->setText(QStringLiteral("Redraw"));
    connect(cmdRedraw, &QPushButton::clicked, this, &frmMain::cmdRedraw_Click);
    picPlane0 = m_twips.place<QLabel>(page, QStringLiteral("picPlane0"), pictureDesign(4620));
    picPlane0->setAccessibleName(QStringLiteral("Scheme picture"));
    picPlane1->setAccessibleName(QStringLiteral("Painted preview"));
    for (QLabel *preview : {picPlane0, picPlane1})
        preview->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

QRect frmMain::colorSchemesLowest()
{
    return pictureDesign(0);
}

void frmMain::showPaint()
{
    const PlaneSelections &plane = m_loadout.selections();
    for (int swatch = 0; swatch < 3; ++swatch) {
        const QColor paint(rgbFromStored(plane.Color[swatch]));
        QPalette palette = lblColor[swatch]->palette();
        palette.setColor(QPalette::Window, paint);
        // Keep the caption readable on any paint.
        palette.setColor(QPalette::WindowText, qGray(paint.rgb()) < 128 ? Qt::white : Qt::black);
        lblColor[swatch]->setPalette(palette);
        // The paint in words, for those who cannot see the swatch.
        lblColor[swatch]->setAccessibleDescription(
            QStringLiteral("Red %1, Green %2, Blue %3").arg(paint.red()).arg(paint.green()).arg(paint.blue()));
    }
    const QStringList schemes = m_loadout.schemeNames();
    QStringList shown;
    for (int i = 0; i < cboSchemes->count(); ++i)
        shown << cboSchemes->itemText(i);
    if (shown != schemes) {
        cboSchemes->clear();
        cboSchemes->addItems(schemes);
    }
    cboSchemes->setCurrentIndex(m_loadout.schemePosition());
    showSchemePicture();
}

void frmMain::showSchemePicture()
{
    const int picture = m_loadout.previewPicture();
    if (picture == m_shownPicture)
        return;
    m_shownPicture = picture;
    // The preview is larger than the picture; what lies around it is the
    // preview's own background and is copied along when re-colouring.
    m_sourcePreview = QImage(picPlane0->size(), QImage::Format_RGB32);
    m_sourcePreview.fill(picPlane0->palette().color(QPalette::Window));
    QPainter painter(&m_sourcePreview);
    painter.drawImage(0, 0, schemePicture(picture));
    painter.end();
    picPlane0->setPixmap(sharpPixmap(m_sourcePreview, picPlane0->devicePixelRatioF()));
}

void frmMain::RecolorPreview()
{
    if (SSTab1->currentIndex() != ColorSchemesTab)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    picPlane1->setPixmap(
        sharpPixmap(recolored(m_sourcePreview, m_loadout.selections().Color), picPlane1->devicePixelRatioF()));
    QApplication::restoreOverrideCursor();
}

void frmMain::cboSchemes_Click()
{
    if (forward(cboSchemes->accessibleName(), [&](Loadout &l) { l.chooseScheme(cboSchemes->currentIndex()); }))
        RecolorPreview();
}

void frmMain::cmdRedraw_Click()
{
    RecolorPreview();
}

void frmMain::lblColor_DblClick(int swatch)
{
    const quint32 current = m_loadout.selections().Color[swatch];
    const std::optional<QColor> chosen = m_dialogs.color(this, QColor(rgbFromStored(current)));
    if (!chosen) {
        m_dialogs.message(this, QStringLiteral("Cancelled"), QStringLiteral("Color Selection"));
        return;
    }
    if (forward(lblColor[swatch]->text(), [&](Loadout &l) { l.setColor(swatch, storedFromRgb(chosen->rgb())); }))
        RecolorPreview();
}

} // namespace vte

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
constexpr int PictureTopTwips = 1020, PictureSizeTwips = 2500;

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
        auto *label = place<ClickableLabel>(page, QLatin1String(swatches[swatch].name),
                                            m_twips.onTab(swatches[swatch].leftTwips, 480, 915, 285));
        label->setText(QLatin1String(swatches[swatch].caption));
        label->setAlignment(Qt::AlignCenter);
        label->setFrameShape(QFrame::Box);
        label->setAutoFillBackground(true);
        label->setToolTip(QStringLiteral("Double-Click here to open the Color Picker"));
        connect(label, &ClickableLabel::doubleClicked, this, [this, swatch] { lblColor_DblClick(swatch); });
        lblColor[swatch] = label;
    }
    place<QLabel>(page, QStringLiteral("lblCost"), m_twips.onTab(540, 780, 2955, 255))
        ->setText(QStringLiteral("Double Click Above Color To Change"));
    cboSchemes = place<QComboBox>(page, QStringLiteral("cboSchemes"), m_twips.onTab(4740, 480, 2475, 315));
    cboSchemes->setAccessibleName(QStringLiteral("Color Scheme"));
    connect(cboSchemes, &QComboBox::currentIndexChanged, this, &frmMain::cboSchemes_Click);
    picPlane1 = place<QLabel>(page, QStringLiteral("picPlane1"),
                              m_twips.onTab(780, PictureTopTwips, PictureSizeTwips, PictureSizeTwips));
    auto *cmdRedraw = place<QPushButton>(page, QStringLiteral("cmdRedraw"), m_twips.onTab(3360, 1920, 1215, 315));
    cmdRedraw->setText(QStringLiteral("Redraw"));
    connect(cmdRedraw, &QPushButton::clicked, this, &frmMain::cmdRedraw_Click);
    picPlane0 = place<QLabel>(page, QStringLiteral("picPlane0"),
                              m_twips.onTab(4620, PictureTopTwips, PictureSizeTwips, PictureSizeTwips));
    picPlane0->setAccessibleName(QStringLiteral("Scheme picture"));
    picPlane1->setAccessibleName(QStringLiteral("Painted preview"));
    for (QLabel *preview : {picPlane0, picPlane1})
        preview->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

int frmMain::colorSchemesHeight() const
{
    return m_twips.onTab(0, PictureTopTwips, 0, PictureSizeTwips).bottom() + 1;
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
    if (Loading)
        return;
    m_loadout.chooseScheme(cboSchemes->currentIndex());
    showSchemePicture();
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
    const quint32 colour = storedFromRgb(chosen->rgb());
    if (colour == current)
        return;
    m_loadout.setColor(swatch, colour);
    showPaint();
    RecolorPreview();
}

} // namespace vte

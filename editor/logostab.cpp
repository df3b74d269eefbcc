// The "Logos" tab: the palette of fifty logos and the three places they go.
#include "editor/frmmain.h"

#include "editor/clickablelabel.h"
#include "editor/pixelart.h"
#include "ui/twips.h"

#include <QCheckBox>
#include <QLabel>

namespace vte {

namespace {

constexpr int LogoColumns = 10;
constexpr int CellStepTwips = 540;
constexpr int CellSizeTwips = 555;
constexpr int PaletteTopTwips = 1260;

QRect paletteCellDesign(int logo)
{
    return onTab(1620 + (logo % LogoColumns) * CellStepTwips, PaletteTopTwips + (logo / LogoColumns) * CellStepTwips,
                 CellSizeTwips, CellSizeTwips);
}

// The logo's picture as the label that shows it should draw it.
QPixmap logoPicture(int logo, const QWidget *label)
{
    return sharpPixmap(QImage(QStringLiteral(":/logos/logo%1.gif").arg(logo + 1, 2, 10, QLatin1Char('0'))),
                       label->devicePixelRatioF());
}

} // namespace

void frmMain::createLogosTab(QWidget *page)
{
    struct PlaceDesign
    {
        const char *caption;
        const char *picture;
        const char *label;
        const char *check;
        int leftTwips;
    };
    const PlaceDesign places[] = {{"Nose", "imgNose", "lblNose", "chkNose", 1620},
                                  {"Tail", "imgTail", "lblTail", "chkTail", 3600},
                                  {"Wing", "imgWing", "lblWing", "chkWing", 5580}};
    for (int p : {Nose, Tail, Wings}) {
        const PlaceDesign &design = places[p];
        m_twips.caption(page, QLatin1String(design.label), onTab(design.leftTwips, 420, 555, 195),
                        QLatin1String(design.caption));
        imgPlace[p] = m_twips.place<QLabel>(page, QLatin1String(design.picture),
                                            onTab(design.leftTwips, 630, CellSizeTwips, CellSizeTwips));
        imgPlace[p]->setAlignment(Qt::AlignCenter);
        imgPlace[p]->setAccessibleName(QStringLiteral("%1 logo").arg(QLatin1String(design.caption)));
        imgPlace[p]->setFrameShape(QFrame::Panel);
        imgPlace[p]->setFrameShadow(QFrame::Sunken);
        chkPlace[p] =
            m_twips.place<QCheckBox>(page, QLatin1String(design.check), onTab(design.leftTwips + 615, 780, 1215, 255));
        chkPlace[p]->setText(QStringLiteral("Re-Assign"));
        chkPlace[p]->setAccessibleName(QStringLiteral("Re-Assign %1 Logo").arg(QLatin1String(design.caption)));
        connect(chkPlace[p], &QCheckBox::toggled, this, [this, p] { chkPlace_Click(p); });
    }
    for (int i = 0; i < LogoCount; ++i) {
        imgLogo[i] = m_twips.place<ClickableLabel>(page, elementName("imgLogo", i), paletteCellDesign(i));
        imgLogo[i]->setAlignment(Qt::AlignCenter);
        imgLogo[i]->setAccessibleName(QStringLiteral("Logo %1: %2").arg(i + 1).arg(ChoiceLists::logos().value(i)));
        imgLogo[i]->setPixmap(logoPicture(i, imgLogo[i]));
        connect(imgLogo[i], &ClickableLabel::doubleClicked, this, [this, i] { imgLogo_DblClick(i); });
    }
    QLabel *lblLogoHelp = m_twips.caption(
        page, QStringLiteral("lblLogoHelp"), onTab(120, PaletteTopTwips, 1380, 1620),
        QStringLiteral("Select 1 or more Logos to re-assign, and then double click on the Icon you wish to use."));
    lblLogoHelp->setWordWrap(true);
}

// The palette's last row ends lowest on the page.
QRect frmMain::logosLowest()
{
    return paletteCellDesign(LogoCount - 1);
}

void frmMain::showLogos()
{
    for (int p : {Nose, Tail, Wings}) {
        const qint16 logo = m_loadout.selections().Logo[p];
        if (logo != m_shownLogo[p]) {
            imgPlace[p]->setPixmap(logoPicture(logo, imgPlace[p]));
            imgPlace[p]->setAccessibleDescription(ChoiceLists::logos().value(logo));
        }
        m_shownLogo[p] = logo;
        chkPlace[p]->setChecked(m_loadout.reassign()[p]);
    }
}

void frmMain::imgLogo_DblClick(int index)
{
    forward(imgLogo[index]->accessibleName(), [&](Loadout &l) {
        if (!l.assignLogo(index))
            m_dialogs.message(this, QStringLiteral("Select One Or More Images To Re-Assign First"),
                              QStringLiteral("Logo Selection Required"));
    });
}

void frmMain::chkPlace_Click(int index)
{
    forward(chkPlace[index]->text(),
            [&](Loadout &l) { l.tickReassign(static_cast<Place>(index), chkPlace[index]->isChecked()); });
}

} // namespace vte

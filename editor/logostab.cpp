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
        auto *label = place<QLabel>(page, QLatin1String(design.label), m_twips.onTab(design.leftTwips, 420, 555, 195));
        label->setText(QLatin1String(design.caption));
        imgPlace[p] = place<QLabel>(page, QLatin1String(design.picture),
                                    m_twips.onTab(design.leftTwips, 630, CellSizeTwips, CellSizeTwips));
        imgPlace[p]->setAlignment(Qt::AlignCenter);
        imgPlace[p]->setAccessibleName(QStringLiteral("%1 logo").arg(QLatin1String(design.caption)));
        imgPlace[p]->setFrameShape(QFrame::Panel);
        imgPlace[p]->setFrameShadow(QFrame::Sunken);
        chkPlace[p] =
            place<QCheckBox>(page, QLatin1String(design.check), m_twips.onTab(design.leftTwips + 615, 780, 1215, 255));
        chkPlace[p]->setText(QStringLiteral("Re-Assign"));
        chkPlace[p]->setAccessibleName(QStringLiteral("Re-Assign %1 Logo").arg(QLatin1String(design.caption)));
        chkPlace[p]->setChecked(true);
    }
    for (int i = 0; i < static_cast<int>(imgLogo.size()); ++i) {
        const int leftTwips = 1620 + (i % LogoColumns) * CellStepTwips;
        const int topTwips = PaletteTopTwips + (i / LogoColumns) * CellStepTwips;
        imgLogo[i] = place<ClickableLabel>(page, elementName("imgLogo", i),
                                           m_twips.onTab(leftTwips, topTwips, CellSizeTwips, CellSizeTwips));
        imgLogo[i]->setAlignment(Qt::AlignCenter);
        imgLogo[i]->setAccessibleName(QStringLiteral("Logo %1: %2").arg(i + 1).arg(ChoiceLists::logos().value(i)));
        imgLogo[i]->setPixmap(logoPicture(i, imgLogo[i]));
        connect(imgLogo[i], &ClickableLabel::doubleClicked, this, [this, i] { imgLogo_DblClick(i); });
    }
    auto *lblLogoHelp =
        place<QLabel>(page, QStringLiteral("lblLogoHelp"), m_twips.onTab(120, PaletteTopTwips, 1380, 1620));
    lblLogoHelp->setText(
        QStringLiteral("Select 1 or more Logos to re-assign, and then double click on the Icon you wish to use."));
    lblLogoHelp->setWordWrap(true);
}

// The palette's last row ends lowest on the page.
int frmMain::logosHeight() const
{
    const int lastRowTwips = PaletteTopTwips + (static_cast<int>(imgLogo.size()) / LogoColumns - 1) * CellStepTwips;
    return m_twips.onTab(0, lastRowTwips, 0, CellSizeTwips).bottom() + 1;
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
    }
}

void frmMain::imgLogo_DblClick(int index)
{
    std::array<bool, 3> ticked{};
    for (int p : {Nose, Tail, Wings})
        ticked[p] = chkPlace[p]->checkState() != Qt::Unchecked;
    if (!m_loadout.assignLogo(index, ticked)) {
        m_dialogs.message(this, QStringLiteral("Select One Or More Images To Re-Assign First"),
                          QStringLiteral("Logo Selection Required"));
        return;
    }
    for (int p : {Nose, Tail, Wings}) {
        if (ticked[p])
            chkPlace[p]->setChecked(false);
    }
    showLogos();
}

} // namespace vte

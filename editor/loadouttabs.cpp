// The loadout tabs: their controls, and the handlers that forward each choice to the loadout.
#include "editor/frmmain.h"

#include "editor/inusemark.h"
#include "ui/twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopedValueRollback>

namespace vte {

namespace {

constexpr int GunColumnStepTwips = 1800;
constexpr int RocketColumnStepTwips = 900;

// The design's lowest controls, where a page's height comes from.
constexpr int ArmorListTopTwips = 840, ArmorListHeightTwips = 2595;
constexpr int GunLocationTopTwips = 420, GunLocationHeightTwips = 3435;
constexpr int GunTypeHeightTwips = 1230;
constexpr int BulletsTopTwips = 2640, BulletsHeightTwips = 1035;
constexpr int RocketListTopTwips = 1200, RocketListHeightTwips = 2400;
constexpr int HardPointCaptionTopTwips = 3660, HardPointCaptionHeightTwips = 255;

// The first column's gun list sits a little lower than the others.
int gunTypeTopTwips(int slot)
{
    return slot == 0 ? 1320 : 1305;
}

// Qt's list reports each new current entry to assistive tools as a move of the
// focus, and a screen reader then announced a list the user was not in each
// time the window showed the loadout anew. This one reports it only while it
// has the focus.
class ChoiceListWidget final : public QListWidget
{
public:
    using QListWidget::QListWidget;

protected:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override
    {
        if (hasFocus())
            QListWidget::currentChanged(current, previous);
        else
            QAbstractItemView::currentChanged(current, previous); // NOLINT(bugprone-parent-virtual-call)
    }
};

// What a choice list's height depends on besides its entries: the lists and
// the one that measures for them are set alike. Every entry is one line of
// plain text that fits the list's width, so the rows come out alike, and a
// list measures one row rather than each whenever it lays them out.
void allowForEntries(QListWidget *list)
{
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    list->setUniformItemSizes(true);
}

QComboBox *choiceBox(QWidget *page, const QString &name, const QRect &geometry, const QStringList &entries,
                     const QString &accessibleName)
{
    auto *box = place<QComboBox>(page, name, geometry);
    box->setAccessibleName(accessibleName);
    for (int position = 0; position < entries.size(); ++position)
        box->addItem(entries[position], position);
    return box;
}

} // namespace

// A page's height is needed before its lists exist, so one list, never shown,
// measures each set of entries, once: the pages' lists take their heights from
// it rather than measure again.
int frmMain::entriesHeight(const QStringList &entries) const
{
    auto known = m_entriesHeights.constFind(entries);
    if (known == m_entriesHeights.cend()) {
        if (!m_standIn) {
            m_standIn = std::make_unique<QListWidget>();
            allowForEntries(m_standIn.get());
        }
        m_standIn->clear();
        m_standIn->addItems(entries);
        known = m_entriesHeights.insert(entries, m_standIn->sizeHint().height());
    }
    return *known;
}

// Where the font's rows need a little more than the design gave, a list grows
// down into the gap below it, so that every entry stays in sight.
QRect frmMain::listGeometry(const QRect &design, const QStringList &entries) const
{
    return {design.topLeft(), QSize(design.width(), std::max(design.height(), entriesHeight(entries)))};
}

int frmMain::listBottom(const QRect &design, const QStringList &entries) const
{
    return listGeometry(design, entries).bottom() + 1;
}

// A list named for assistive tools after the caption it stands under.
QListWidget *frmMain::choiceList(QWidget *page, const QString &name, const QRect &design, const QStringList &entries,
                                 const QString &accessibleName)
{
    auto *list = place<ChoiceListWidget>(page, name, listGeometry(design, entries));
    list->setAccessibleName(accessibleName);
    allowForEntries(list);
    list->addItems(entries);
    return list;
}

int frmMain::pagesHeight() const
{
    int height = 0;
    for (const Page &page : Pages)
        height = std::max(height, (this->*page.height)());
    return height;
}

void frmMain::createArmorEngineTab(QWidget *page)
{
    caption(page, QStringLiteral("lblArmorNose"), m_twips.onTab(180, 540, 3015, 255),
            QStringLiteral("Armor - Nose            Tail              Wings"));
    const char *names[] = {"lstArmorNose", "lstArmorTail", "lstArmorWings"};
    const char *spokenNames[] = {"Armor - Nose", "Armor - Tail", "Armor - Wings"};
    const int leftTwips[] = {660, 1560, 2400};
    for (Place place : {Nose, Tail, Wings}) {
        lstArmor[place] = choiceList(page, QLatin1String(names[place]),
                                     m_twips.onTab(leftTwips[place], ArmorListTopTwips, 435, ArmorListHeightTwips),
                                     ChoiceLists::armourSteps(), QLatin1String(spokenNames[place]));
        connect(lstArmor[place], &QListWidget::currentRowChanged, this, [this, place] { lstArmor_Click(place); });
    }
    const QLabel *lblEngineType = caption(page, QStringLiteral("lblEngineType"), m_twips.onTab(3600, 540, 975, 255),
                                          QStringLiteral("Engine Type"));
    lstEngineType = choiceList(page, QStringLiteral("lstEngineType"), m_twips.onTab(3660, 840, 855, 645),
                               ChoiceLists::engines(), lblEngineType->text());
    connect(lstEngineType, &QListWidget::currentRowChanged, this, &frmMain::lstEngineType_Click);
    chkNitro = place<QCheckBox>(page, QStringLiteral("chkNitro"), m_twips.onTab(4920, 840, 795, 315));
    chkNitro->setText(QStringLiteral("Nitro"));
    connect(chkNitro, &QCheckBox::toggled, this, &frmMain::chkNitro_Click);
    const QLabel *lblPlaneSpeed = caption(page, QStringLiteral("lblPlaneSpeed"), m_twips.onTab(3660, 1800, 915, 195),
                                          QStringLiteral("Plane Speed"));
    txtPlaneSpeed = place<QLineEdit>(page, QStringLiteral("txtPlaneSpeed"), m_twips.onTab(3660, 2100, 1335, 285));
    txtPlaneSpeed->setReadOnly(true);
    txtPlaneSpeed->setAccessibleName(lblPlaneSpeed->text());
}

void frmMain::createGunsTab(QWidget *page)
{
    for (int slot = 0; slot < GunSlots; ++slot) {
        const int left = slot * GunColumnStepTwips;
        lblGunLocation[slot] = caption(page, elementName("lblGunLocation", slot),
                                       m_twips.onTab(240 + left, GunLocationTopTwips, 1695, GunLocationHeightTwips),
                                       QStringLiteral("Location Not Defined"));
        lblGunLocation[slot]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        cmdGun[slot] = place<QPushButton>(page, elementName("cmdGun", slot), m_twips.onTab(360 + left, 840, 1455, 375));
        cmdGun[slot]->setText(mountCaption(Mount::NotApplicable));
        cmdGun[slot]->setAutoDefault(true);
        lstGunType[slot] = choiceList(page, elementName("lstGunType", slot),
                                      m_twips.onTab(360 + left, gunTypeTopTwips(slot), 1455, GunTypeHeightTwips),
                                      ChoiceLists::gunTypes(), QStringLiteral("Gun %1").arg(slot + 1));
        lstBullets[slot] = choiceList(page, elementName("lstBullets", slot),
                                      m_twips.onTab(360 + left, BulletsTopTwips, 1455, BulletsHeightTwips),
                                      ChoiceLists::ammunition(), QStringLiteral("Ammo %1").arg(slot + 1));
        connect(cmdGun[slot], &QPushButton::clicked, this, [this, slot] { cmdGun_Click(slot); });
        connect(lstGunType[slot], &QListWidget::currentRowChanged, this, [this, slot] { lstGunType_Click(slot); });
        connect(lstBullets[slot], &QListWidget::currentRowChanged, this, [this, slot] { lstBullets_Click(slot); });
    }
}

void frmMain::createHardPointsTab(QWidget *page)
{
    caption(page, QStringLiteral("lblHPLeft"), m_twips.onTab(240, 480, 5715, 255),
            QStringLiteral("Left Hard Points") + QString(56, QLatin1Char(' ')) + QStringLiteral("Right Hard Points"));
    struct SideDesign
    {
        const char *count;
        const char *rockets;
        const char *spokenSide;
        int leftTwips;
        int countTopTwips;
    };
    const SideDesign sides[] = {{"cboHPLeft", "lstLHP", "Left", 120, 780},
                                {"cboHPRight", "lstRHP", "Right", 3900, 720}};
    for (Side side : {Left, Right}) {
        const SideDesign &design = sides[side];
        cboHP[side] = choiceBox(
            page, QLatin1String(design.count), m_twips.onTab(design.leftTwips, design.countTopTwips, 615, 315),
            ChoiceLists::hardPointCounts(), QStringLiteral("%1 Hard Points").arg(QLatin1String(design.spokenSide)));
        connect(cboHP[side], &QComboBox::currentIndexChanged, this, [this, side] { cboHP_Click(side); });
        for (int k = 0; k < HardPointsPerSide; ++k) {
            QListWidget *list =
                choiceList(page, elementName(design.rockets, k),
                           m_twips.onTab(design.leftTwips + k * RocketColumnStepTwips, RocketListTopTwips, 890,
                                         RocketListHeightTwips),
                           ChoiceLists::rockets(),
                           QStringLiteral("%1 Rocket %2").arg(QLatin1String(design.spokenSide)).arg(k + 1));
            lstHP[side][k] = list;
            connect(list, &QListWidget::currentRowChanged, this, [this, side, k] { lstHP_Click(side, k); });
        }
    }
    caption(page, QStringLiteral("lblLeftHP"),
            m_twips.onTab(120, HardPointCaptionTopTwips, 3590, HardPointCaptionHeightTwips),
            QStringLiteral("Left Hard Points"));
    caption(page, QStringLiteral("lblRightHP"),
            m_twips.onTab(3900, HardPointCaptionTopTwips, 3590, HardPointCaptionHeightTwips),
            QStringLiteral("Right Hard Points"));
}

// The engine list starts as high as the armour lists and is shorter.
int frmMain::armorEngineHeight() const
{
    return listBottom(m_twips.onTab(0, ArmorListTopTwips, 435, ArmorListHeightTwips), ChoiceLists::armourSteps());
}

int frmMain::gunsHeight() const
{
    return std::max(
        {m_twips.onTab(0, GunLocationTopTwips, 0, GunLocationHeightTwips).bottom() + 1,
         listBottom(m_twips.onTab(0, gunTypeTopTwips(0), 1455, GunTypeHeightTwips), ChoiceLists::gunTypes()),
         listBottom(m_twips.onTab(0, BulletsTopTwips, 1455, BulletsHeightTwips), ChoiceLists::ammunition())});
}

int frmMain::hardPointsHeight() const
{
    return std::max(
        m_twips.onTab(0, HardPointCaptionTopTwips, 0, HardPointCaptionHeightTwips).bottom() + 1,
        listBottom(m_twips.onTab(0, RocketListTopTwips, 890, RocketListHeightTwips), ChoiceLists::rockets()));
}

void frmMain::forward(const std::function<void()> &change)
{
    if (Loading)
        return;
    change();
    showLoadout();
}

void frmMain::showLoadout()
{
    const QScopedValueRollback<bool> guard(Loading, true);
    const PlaneSelections &plane = m_loadout.selections();
    if (txtPlaneName->text() != plane.PlaneName)
        txtPlaneName->setText(plane.PlaneName);
    cboPlaneType->setCurrentIndex(plane.PlaneType);
    for (size_t index = 0; index < Pages.size(); ++index) {
        if (m_built[index])
            (this->*Pages[index].show)();
    }
    RecalcWeights();
}

void frmMain::showArmorEngine()
{
    const PlaneSelections &plane = m_loadout.selections();
    for (int place : {Nose, Tail, Wings})
        lstArmor[place]->setCurrentRow(plane.Armor[place]);
    lstEngineType->setCurrentRow(plane.EngineType);
    chkNitro->setChecked(plane.Nitro);
    txtPlaneSpeed->setText(m_loadout.speed());
}

void frmMain::showGuns()
{
    const PlaneSelections &plane = m_loadout.selections();
    for (int slot = 0; slot < GunSlots; ++slot) {
        lblGunLocation[slot]->setText(m_loadout.planeType().GunLocation[slot]);
        cmdGun[slot]->setText(mountCaption(plane.Mounts[slot]));
        // Which gun, where it sits and how it is mounted: the caption alone says only the last.
        cmdGun[slot]->setAccessibleName(QStringLiteral("Gun %1 Mount, %2: %3")
                                            .arg(slot + 1)
                                            .arg(lblGunLocation[slot]->text(), cmdGun[slot]->text()));
        lstGunType[slot]->setCurrentRow(plane.GunType[slot]);
        lstBullets[slot]->setCurrentRow(plane.Bullets[slot]);
        setInUse(lstGunType[slot], m_loadout.gunSlotInUse(slot));
        setInUse(lstBullets[slot], m_loadout.gunSlotInUse(slot));
    }
}

void frmMain::showHardPoints()
{
    const PlaneSelections &plane = m_loadout.selections();
    for (Side side : {Left, Right}) {
        cboHP[side]->setCurrentIndex(plane.HP[side]);
        for (int k = 0; k < HardPointsPerSide; ++k) {
            lstHP[side][k]->setCurrentRow(plane.HardPoint[side][k]);
            setInUse(lstHP[side][k], m_loadout.hardPointInUse(side, k));
        }
    }
}

void frmMain::RecalcWeights()
{
    const Weights w = m_loadout.weights();
    const qint32 figures[] = {w.Plane, w.Engine, w.Armor, w.Guns, w.HP, w.Total, w.Maximum};
    for (size_t i = 0; i < txtWeights.size(); ++i)
        txtWeights[i]->setText(QString::number(figures[i]));
    QLineEdit *total = txtWeights[5];
    QPalette palette = total->palette();
    palette.setColor(QPalette::Text,
                     w.overWeight() ? QColor(255, 0, 0) : QApplication::palette(total).color(QPalette::Text));
    total->setPalette(palette);
}

void frmMain::ChangePlane()
{
    showLoadout();
    RecolorPreview();
}

void frmMain::cboPlaneType_Click()
{
    if (Loading)
        return;
    m_loadout.choosePlaneType(cboPlaneType->currentIndex());
    ChangePlane();
}

void frmMain::lstArmor_Click(Place place)
{
    forward([&] { m_loadout.chooseArmor(place, lstArmor[place]->currentRow()); });
}

void frmMain::lstEngineType_Click()
{
    forward([&] { m_loadout.chooseEngine(lstEngineType->currentRow()); });
}

void frmMain::chkNitro_Click()
{
    forward([&] { m_loadout.chooseNitro(chkNitro->isChecked()); });
}

void frmMain::lstGunType_Click(int index)
{
    forward([&] { m_loadout.chooseGunType(index, lstGunType[index]->currentRow()); });
}

void frmMain::lstBullets_Click(int index)
{
    forward([&] { m_loadout.chooseBullets(index, lstBullets[index]->currentRow()); });
}

void frmMain::cmdGun_Click(int index)
{
    forward([&] {
        if (const std::optional<Refusal> refusal = m_loadout.pressGunButton(index))
            m_dialogs.message(this, refusal->text, refusal->title);
    });
}

void frmMain::cboHP_Click(Side side)
{
    forward([&] { m_loadout.chooseHardPoints(side, cboHP[side]->currentIndex()); });
}

void frmMain::lstHP_Click(Side side, int index)
{
    forward([&] { m_loadout.chooseRocket(side, index, lstHP[side][index]->currentRow()); });
}

} // namespace vte

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

// The design's lists: the scale gives every entry room in these sizes.
constexpr int ArmorListTopTwips = 840;
constexpr QSize ArmorList(435, 2595), EngineList(855, 645), GunTypeList(1455, 1230), BulletsList(1455, 1035),
    RocketList(890, 2400);
constexpr int BulletsTopTwips = 2640;
constexpr int RocketListTopTwips = 1200;

// The gun location captions stand behind their columns and reach lowest.
QRect gunLocationDesign(int columnLeftTwips)
{
    return onTab(240 + columnLeftTwips, 420, 1695, 3435);
}

QRect hardPointCaptionDesign(int leftTwips)
{
    return onTab(leftTwips, 3660, 3590, 255);
}

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

} // namespace

std::vector<ListDesign> frmMain::designLists()
{
    return {{ChoiceLists::armourSteps(), ArmorList},
            {ChoiceLists::engines(), EngineList},
            {ChoiceLists::gunTypes(), GunTypeList},
            {ChoiceLists::ammunition(), BulletsList},
            {ChoiceLists::rockets(), RocketList}};
}

// A list of the design, named for assistive tools after the caption it stands under.
QListWidget *frmMain::choiceList(QWidget *page, const QString &name, const QRect &twips, const QStringList &entries,
                                 const QString &accessibleName)
{
    auto *list = m_twips.place<ChoiceListWidget>(page, name, twips);
    list->setAccessibleName(accessibleName);
    // Every entry is one line of plain text that fits the list's width, so the
    // rows come out alike and the list measures one rather than each.
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setUniformItemSizes(true);
    list->addItems(entries);
    return list;
}

QComboBox *frmMain::choiceBox(QWidget *page, const QString &name, const QRect &twips, const QStringList &entries,
                              const QString &accessibleName)
{
    auto *box = m_twips.place<QComboBox>(page, name, twips);
    box->setAccessibleName(accessibleName);
    for (int position = 0; position < entries.size(); ++position)
        box->addItem(entries[position], position);
    return box;
}

// The room the pages' controls take: as designed while a page is not built,
// as settled once it is.
QSize frmMain::pagesSize() const
{
    QSize size;
    for (size_t index = 0; index < Pages.size(); ++index) {
        const QRect taken = m_built[index] ? SSTab1->widget(int(index))->childrenRect()
                                           : QRect(0, 0, 0, m_twips.rect(Pages[index].lowest()).bottom() + 1);
        size = size.expandedTo({taken.right() + 1, taken.bottom() + 1});
    }
    return size;
}

void frmMain::createArmorEngineTab(QWidget *page)
{
    m_twips.caption(page, QStringLiteral("lblArmorNose"), onTab(180, 540, 3015, 255),
                    QStringLiteral("Armor - Nose            Tail              Wings"));
    const char *names[] = {"lstArmorNose", "lstArmorTail", "lstArmorWings"};
    const char *spokenNames[] = {"Armor - Nose", "Armor - Tail", "Armor - Wings"};
    const int leftTwips[] = {660, 1560, 2400};
    for (Place place : {Nose, Tail, Wings}) {
        lstArmor[place] =
            choiceList(page, QLatin1String(names[place]), onTab(leftTwips[place], ArmorListTopTwips, ArmorList),
                       ChoiceLists::armourSteps(), QLatin1String(spokenNames[place]));
        connect(lstArmor[place], &QListWidget::currentRowChanged, this, [this, place] { lstArmor_Click(place); });
    }
    const QLabel *lblEngineType = m_twips.caption(page, QStringLiteral("lblEngineType"), onTab(3600, 540, 975, 255),
                                                  QStringLiteral("Engine Type"));
    lstEngineType = choiceList(page, QStringLiteral("lstEngineType"), onTab(3660, 840, EngineList),
                               ChoiceLists::engines(), lblEngineType->text());
    connect(lstEngineType, &QListWidget::currentRowChanged, this, &frmMain::lstEngineType_Click);
    chkNitro = m_twips.place<QCheckBox>(page, QStringLiteral("chkNitro"), onTab(4920, 840, 795, 315));
    chkNitro->setText(QStringLiteral("Nitro"));
    connect(chkNitro, &QCheckBox::toggled, this, &frmMain::chkNitro_Click);
    const QLabel *lblPlaneSpeed = m_twips.caption(page, QStringLiteral("lblPlaneSpeed"), onTab(3660, 1800, 915, 195),
                                                  QStringLiteral("Plane Speed"));
    txtPlaneSpeed = m_twips.place<QLineEdit>(page, QStringLiteral("txtPlaneSpeed"), onTab(3660, 2100, 1335, 285));
    txtPlaneSpeed->setReadOnly(true);
    txtPlaneSpeed->setAccessibleName(lblPlaneSpeed->text());
}

void frmMain::createGunsTab(QWidget *page)
{
    QStringList locations;
    for (int type = 0; type < PlaneTypeCount; ++type) {
        const auto &typeLocations = m_loadout.catalogue().PlaneTypes(type).GunLocation;
        locations += QStringList(typeLocations.cbegin(), typeLocations.cend());
    }
    const QStringList mounts{mountCaption(Mount::Single), mountCaption(Mount::Twin),
                             mountCaption(Mount::NotApplicable)};
    for (int slot = 0; slot < GunSlots; ++slot) {
        const int left = slot * GunColumnStepTwips;
        lblGunLocation[slot] = m_twips.caption(page, elementName("lblGunLocation", slot), gunLocationDesign(left),
                                               QStringLiteral("Location Not Defined"));
        lblGunLocation[slot]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        DesignUnits::allowFor(lblGunLocation[slot], locations);
        cmdGun[slot] = m_twips.place<QPushButton>(page, elementName("cmdGun", slot), onTab(360 + left, 840, 1455, 375));
        cmdGun[slot]->setText(mountCaption(Mount::NotApplicable));
        cmdGun[slot]->setAutoDefault(true);
        DesignUnits::allowFor(cmdGun[slot], mounts);
        lstGunType[slot] =
            choiceList(page, elementName("lstGunType", slot), onTab(360 + left, gunTypeTopTwips(slot), GunTypeList),
                       ChoiceLists::gunTypes(), QStringLiteral("Gun %1").arg(slot + 1));
        lstBullets[slot] =
            choiceList(page, elementName("lstBullets", slot), onTab(360 + left, BulletsTopTwips, BulletsList),
                       ChoiceLists::ammunition(), QStringLiteral("Ammo %1").arg(slot + 1));
        connect(cmdGun[slot], &QPushButton::clicked, this, [this, slot] { cmdGun_Click(slot); });
        connect(lstGunType[slot], &QListWidget::currentRowChanged, this, [this, slot] { lstGunType_Click(slot); });
        connect(lstBullets[slot], &QListWidget::currentRowChanged, this, [this, slot] { lstBullets_Click(slot); });
    }
}

void frmMain::createHardPointsTab(QWidget *page)
{
    m_twips.caption(page, QStringLiteral("lblHPLeft"), onTab(240, 480, 5715, 255),
                    QStringLiteral("Left Hard Points") + QString(56, QLatin1Char(' '))
                        + QStringLiteral("Right Hard Points"));
    struct SideDesign
    {
        const char *count;
        const char *rockets;
        const char *spokenSide;
        const char *caption;
        int leftTwips;
        int countTopTwips;
    };
    const SideDesign sides[] = {{"cboHPLeft", "lstLHP", "Left", "lblLeftHP", 120, 780},
                                {"cboHPRight", "lstRHP", "Right", "lblRightHP", 3900, 720}};
    for (Side side : {Left, Right}) {
        const SideDesign &design = sides[side];
        const QString spokenSide = QLatin1String(design.spokenSide);
        cboHP[side] =
            choiceBox(page, QLatin1String(design.count), onTab(design.leftTwips, design.countTopTwips, 615, 315),
                      ChoiceLists::hardPointCounts(), QStringLiteral("%1 Hard Points").arg(spokenSide));
        connect(cboHP[side], &QComboBox::currentIndexChanged, this, [this, side] { cboHP_Click(side); });
        for (int k = 0; k < HardPointsPerSide; ++k) {
            QListWidget *list =
                choiceList(page, elementName(design.rockets, k),
                           onTab(design.leftTwips + k * RocketColumnStepTwips, RocketListTopTwips, RocketList),
                           ChoiceLists::rockets(), QStringLiteral("%1 Rocket %2").arg(spokenSide).arg(k + 1));
            lstHP[side][k] = list;
            connect(list, &QListWidget::currentRowChanged, this, [this, side, k] { lstHP_Click(side, k); });
        }
        m_twips.caption(page, QLatin1String(design.caption), hardPointCaptionDesign(design.leftTwips),
                        QStringLiteral("%1 Hard Points").arg(spokenSide));
    }
}

// The armour lists reach lowest.
QRect frmMain::armorEngineLowest()
{
    return onTab(0, ArmorListTopTwips, ArmorList);
}

QRect frmMain::gunsLowest()
{
    return gunLocationDesign(0);
}

QRect frmMain::hardPointsLowest()
{
    return hardPointCaptionDesign(0);
}

bool frmMain::forward(const QString &step, const std::function<void(Loadout &)> &change, LoadoutHistory::Kind kind)
{
    if (Loading)
        return false;
    const bool changed = m_history.change(step, change, kind);
    showLoadout();
    return changed;
}

void frmMain::replaceLoadout(const QString &step, const std::function<void(Loadout &)> &change)
{
    m_history.change(step, change);
    ChangePlane();
}

void frmMain::showLoadout()
{
    const QScopedValueRollback<bool> guard(Loading, true);
    const PlaneSelections &plane = m_loadout.selections();
    if (txtPlaneName->text() != plane.PlaneName)
        txtPlaneName->setText(plane.PlaneName);
    cboPlaneType->setCurrentIndex(plane.PlaneType);
    const std::optional<qint32> storedWeight = m_loadout.storedWeight();
    txtWeight->setText(storedWeight ? QString::number(*storedWeight) : QString());
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
    if (forward(cboPlaneType->accessibleName(), [&](Loadout &l) { l.choosePlaneType(cboPlaneType->currentIndex()); }))
        RecolorPreview();
}

void frmMain::lstArmor_Click(Place place)
{
    forward(lstArmor[place]->accessibleName(),
            [&](Loadout &l) { l.chooseArmor(place, lstArmor[place]->currentRow()); });
}

void frmMain::lstEngineType_Click()
{
    forward(lstEngineType->accessibleName(), [&](Loadout &l) { l.chooseEngine(lstEngineType->currentRow()); });
}

void frmMain::chkNitro_Click()
{
    forward(chkNitro->text(), [&](Loadout &l) { l.chooseNitro(chkNitro->isChecked()); });
}

void frmMain::lstGunType_Click(int index)
{
    forward(lstGunType[index]->accessibleName(),
            [&](Loadout &l) { l.chooseGunType(index, lstGunType[index]->currentRow()); });
}

void frmMain::lstBullets_Click(int index)
{
    forward(lstBullets[index]->accessibleName(),
            [&](Loadout &l) { l.chooseBullets(index, lstBullets[index]->currentRow()); });
}

void frmMain::cmdGun_Click(int index)
{
    forward(QStringLiteral("Gun %1 Mount").arg(index + 1), [&](Loadout &l) {
        if (const std::optional<Refusal> refusal = l.pressGunButton(index))
            m_dialogs.message(this, refusal->text, refusal->title);
    });
}

void frmMain::cboHP_Click(Side side)
{
    forward(cboHP[side]->accessibleName(), [&](Loadout &l) { l.chooseHardPoints(side, cboHP[side]->currentIndex()); });
}

void frmMain::lstHP_Click(Side side, int index)
{
    forward(lstHP[side][index]->accessibleName(),
            [&](Loadout &l) { l.chooseRocket(side, index, lstHP[side][index]->currentRow()); });
}

} // namespace vte

// The loadout tabs and the rules that tie their controls together.
#include "editor/frmmain.h"

#include "catalogue/weights.h"
#include "editor/apptitle.h"
#include "editor/clickablelabel.h"
#include "editor/inusemark.h"
#include "editor/twips.h"
#include "paint/recolor.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace vte {

namespace {

constexpr int GunColumnStep = 1800;
constexpr int RocketColumnStep = 900;

// A list named for assistive tools after the caption it stands under.
QListWidget *choiceList(QWidget *page, const QString &name, const QRect &geometry, const QStringList &entries,
                        const QString &accessibleName)
{
    auto *list = place<QListWidget>(page, name, geometry);
    list->setAccessibleName(accessibleName);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int position = 0; position < entries.size(); ++position) {
        auto *item = new QListWidgetItem(entries[position], list);
        item->setData(Qt::UserRole, position);
    }
    return list;
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

void frmMain::createArmorEngineTab(QWidget *page)
{
    lblArmorNose = caption(page, QStringLiteral("lblArmorNose"), onTab(180, 540, 3015, 255),
                           QStringLiteral("Armor - Nose            Tail              Wings"));
    const char *names[] = {"lstArmorNose", "lstArmorTail", "lstArmorWings"};
    const char *spokenNames[] = {"Armor - Nose", "Armor - Tail", "Armor - Wings"};
    const int lefts[] = {660, 1560, 2400};
    const std::array handlers = {&frmMain::lstArmorNose_Click, &frmMain::lstArmorTail_Click,
                                 &frmMain::lstArmorWings_Click};
    for (int place : {Nose, Tail, Wings}) {
        lstArmor[place] = choiceList(page, QLatin1String(names[place]), onTab(lefts[place], 840, 435, 2595),
                                     ChoiceLists::armourSteps(), QLatin1String(spokenNames[place]));
        connect(lstArmor[place], &QListWidget::currentRowChanged, this, handlers[place]);
    }
    lblEngineType =
        caption(page, QStringLiteral("lblEngineType"), onTab(3600, 540, 975, 255), QStringLiteral("Engine Type"));
    lstEngineType = choiceList(page, QStringLiteral("lstEngineType"), onTab(3660, 840, 855, 645),
                               ChoiceLists::engines(), lblEngineType->text());
    connect(lstEngineType, &QListWidget::currentRowChanged, this, &frmMain::lstEngineType_Click);
    chkNitro = place<QCheckBox>(page, QStringLiteral("chkNitro"), onTab(4920, 840, 795, 315));
    chkNitro->setText(QStringLiteral("Nitro"));
    connect(chkNitro, &QCheckBox::toggled, this, &frmMain::chkNitro_Click);
    lblPlaneSpeed =
        caption(page, QStringLiteral("lblPlaneSpeed"), onTab(3660, 1800, 915, 195), QStringLiteral("Plane Speed"));
    txtPlaneSpeed = place<QLineEdit>(page, QStringLiteral("txtPlaneSpeed"), onTab(3660, 2100, 1335, 285));
    txtPlaneSpeed->setReadOnly(true);
    txtPlaneSpeed->setAccessibleName(lblPlaneSpeed->text());
}

void frmMain::createGunsTab(QWidget *page)
{
    for (int slot = 0; slot < GunSlots; ++slot) {
        const int left = slot * GunColumnStep;
        lblGunLocation[slot] = caption(page, elementName("lblGunLocation", slot), onTab(240 + left, 420, 1695, 3435),
                                       QStringLiteral("Location Not Defined"));
        lblGunLocation[slot]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        cmdGun[slot] = place<QPushButton>(page, elementName("cmdGun", slot), onTab(360 + left, 840, 1455, 375));
        cmdGun[slot]->setText(mountCaption(Mount::NotApplicable));
        cmdGun[slot]->setAutoDefault(true);
        lstGunType[slot] =
            choiceList(page, elementName("lstGunType", slot), onTab(360 + left, slot == 0 ? 1320 : 1305, 1455, 1230),
                       ChoiceLists::gunTypes(), QStringLiteral("Gun %1").arg(slot + 1));
        lstBullets[slot] = choiceList(page, elementName("lstBullets", slot), onTab(360 + left, 2640, 1455, 1035),
                                      ChoiceLists::ammunition(), QStringLiteral("Ammo %1").arg(slot + 1));
        setInUse(lstGunType[slot], false);
        setInUse(lstBullets[slot], false);
        connect(cmdGun[slot], &QPushButton::clicked, this, [this, slot] { cmdGun_Click(slot); });
        connect(lstGunType[slot], &QListWidget::currentRowChanged, this, [this, slot] { lstGunType_Click(slot); });
        connect(lstBullets[slot], &QListWidget::currentRowChanged, this, [this, slot] { lstBullets_Click(slot); });
    }
}

void frmMain::createHardPointsTab(QWidget *page)
{
    lblHPLeft = caption(page, QStringLiteral("lblHPLeft"), onTab(240, 480, 5715, 255),
                        QStringLiteral("Left Hard Points") + QString(56, QLatin1Char(' '))
                            + QStringLiteral("Right Hard Points"));
    struct SideDesign
    {
        const char *count;
        const char *rockets;
        const char *spokenSide;
        int left;
        int countTop;
    };
    const SideDesign sides[] = {{"cboHPLeft", "lstLHP", "Left", 120, 780},
                                {"cboHPRight", "lstRHP", "Right", 3900, 720}};
    for (Side side : {Left, Right}) {
        const SideDesign &design = sides[side];
        cboHP[side] = choiceBox(page, QLatin1String(design.count), onTab(design.left, design.countTop, 615, 315),
                                ChoiceLists::hardPointCounts(),
                                QStringLiteral("%1 Hard Points").arg(QLatin1String(design.spokenSide)));
        connect(cboHP[side], &QComboBox::currentIndexChanged, this, [this, side] { cboHP_Click(side); });
        for (int k = 0; k < HardPointsPerSide; ++k) {
            QListWidget *list =
                choiceList(page, elementName(design.rockets, k),
                           onTab(design.left + k * RocketColumnStep, 1200, 890, 2400), ChoiceLists::rockets(),
                           QStringLiteral("%1 Rocket %2").arg(QLatin1String(design.spokenSide)).arg(k + 1));
            setInUse(list, false);
            lstHP[side][k] = list;
            connect(list, &QListWidget::currentRowChanged, this, [this, side, k] { lstHP_Click(side, k); });
        }
    }
    lblLeftHP =
        caption(page, QStringLiteral("lblLeftHP"), onTab(120, 3660, 3590, 255), QStringLiteral("Left Hard Points"));
    lblRightHP =
        caption(page, QStringLiteral("lblRightHP"), onTab(3900, 3660, 3590, 255), QStringLiteral("Right Hard Points"));
}

PlaneSelections frmMain::selections() const
{
    PlaneSelections plane;
    plane.PlaneName = txtPlaneName->text();
    plane.PlaneType = PlaneType;
    for (int place : {Nose, Tail, Wings})
        plane.Armor[place] = static_cast<qint16>(lstArmor[place]->currentRow());
    plane.SingleTwin = SingleTwin;
    plane.EngineType = static_cast<qint16>(lstEngineType->currentRow());
    plane.Nitro = chkNitro->isChecked();
    for (int slot = 0; slot < GunSlots; ++slot) {
        plane.GunType[slot] = static_cast<qint16>(lstGunType[slot]->currentRow());
        plane.Bullets[slot] = static_cast<qint16>(lstBullets[slot]->currentRow());
        plane.Mounts[slot] = mountFromCaption(cmdGun[slot]->text()).value_or(Mount::Single);
    }
    for (int side : {Left, Right}) {
        plane.HP[side] = static_cast<qint16>(cboHP[side]->currentIndex());
        for (int k = 0; k < HardPointsPerSide; ++k)
            plane.HardPoint[side][k] = static_cast<qint16>(lstHP[side][k]->currentRow());
    }
    for (int swatch = 0; swatch < 3; ++swatch)
        plane.Color[swatch] = color(swatch);
    plane.ColorScheme = ColorScheme;
    plane.Logo = Logo;
    return plane;
}

void frmMain::showSelections(const PlaneSelections &plane)
{
    txtPlaneName->setText(plane.PlaneName);
    PlaneType = plane.PlaneType;
    cboPlaneType->setCurrentIndex(PlaneType);
    chkNitro->setChecked(plane.Nitro);
    lstEngineType->setCurrentRow(plane.EngineType);
    for (int side : {Left, Right})
        cboHP[side]->setCurrentIndex(plane.HP[side]);
    ColorScheme = plane.ColorScheme;
    Logo = plane.Logo;
    showLogos();
    for (int swatch = 0; swatch < 3; ++swatch)
        setColor(swatch, plane.Color[swatch]);
    for (int place : {Nose, Tail, Wings})
        lstArmor[place]->setCurrentRow(plane.Armor[place]);
    SingleTwin = plane.SingleTwin;
    for (int slot = 0; slot < GunSlots; ++slot) {
        lstGunType[slot]->setCurrentRow(plane.GunType[slot]);
        // A slot that arrives with a gun keeps the ammunition it arrives with:
        // marking it in use now stops the gun rule from fitting "Dum Dum" later.
        if (plane.GunType[slot] != NoGun) {
            setInUse(lstGunType[slot], true);
            setInUse(lstBullets[slot], true);
        }
    }
    UpdateGunButtons();
    for (int slot = 0; slot < GunSlots; ++slot)
        lstBullets[slot]->setCurrentRow(plane.Bullets[slot]);
    for (int side : {Left, Right}) {
        for (int k = 0; k < HardPointsPerSide; ++k)
            lstHP[side][k]->setCurrentRow(plane.HardPoint[side][k]);
    }
}

void frmMain::ChangePlane()
{
    const PlaneTypeEntry &entry = catalogue().PlaneTypes(PlaneType);
    txtPlaneWeight->setText(QString::number(entry.Weight));
    txtMaximumWeight->setText(QString::number(entry.MaxWeight));
    for (int slot = 0; slot < GunSlots; ++slot)
        lblGunLocation[slot]->setText(entry.GunLocation[slot]);
    const bool wasLoading = Loading;
    Loading = true;
    FillSchemes();
    Loading = wasLoading;
    showSchemePicture();
    RecolorPreview();
}

void frmMain::FillSchemes()
{
    const PlaneTypeEntry &entry = catalogue().PlaneTypes(PlaneType);
    cboSchemes->clear();
    int selected = 0;
    for (int i = 0; i < entry.schemeCount(); ++i) {
        cboSchemes->addItem(catalogue().SchemeNames(entry.Schemes[i]), i);
        if (entry.Schemes[i] == ColorScheme)
            selected = i;
    }
    cboSchemes->setCurrentIndex(selected);
}

void frmMain::UpdateGunButtons()
{
    std::array<qint16, GunSlots> guns{};
    for (int slot = 0; slot < GunSlots; ++slot)
        guns[slot] = static_cast<qint16>(lstGunType[slot]->currentRow());
    const std::array<Mount, GunSlots> mounts = gunButtonMounts(SingleTwin, guns);
    for (int slot = GunSlots - 1; slot >= 0; --slot)
        cmdGun[slot]->setText(mountCaption(mounts[slot]));
}

void frmMain::RecalcWeights()
{
    const Weights weights = computeWeights(catalogue(), selections());
    txtPlaneWeight->setText(QString::number(weights.Plane));
    txtEngineWeight->setText(QString::number(weights.Engine));
    UpdateSpeed();
    txtArmorWeight->setText(QString::number(weights.Armor));
    txtGunWeight->setText(QString::number(weights.Guns));
    txtHPWeight->setText(QString::number(weights.HP));
    txtTotalWeight->setText(QString::number(weights.Total));
    // The maximum is the figure shown, which only ChangePlane writes.
    const bool overWeight = txtMaximumWeight->text().toInt() < weights.Total;
    QPalette palette = txtTotalWeight->palette();
    palette.setColor(QPalette::Text,
                     overWeight ? QColor(255, 0, 0) : QApplication::palette(txtTotalWeight).color(QPalette::Text));
    txtTotalWeight->setPalette(palette);
}

void frmMain::UpdateSpeed()
{
    txtPlaneSpeed->setText(speedText(catalogue(), selections()));
}

void frmMain::cboPlaneType_Click()
{
    if (Loading)
        return;
    PlaneType = static_cast<qint16>(cboPlaneType->currentIndex());
    ColorScheme = 4;
    ChangePlane();
    RecalcWeights();
}

void frmMain::recalcUnlessLoading()
{
    if (!Loading)
        RecalcWeights();
}

void frmMain::lstGunType_Click(int index)
{
    if (Loading)
        return;
    Loading = true;
    QListWidget *bullets = lstBullets[index];
    if (lstGunType[index]->currentRow() == NoGun) {
        cmdGun[index]->setText(mountCaption(Mount::NotApplicable));
        setInUse(lstGunType[index], false);
        bullets->setCurrentRow(NoAmmunition);
        setInUse(bullets, false);
    } else {
        if (cmdGun[index]->text() == mountCaption(Mount::NotApplicable))
            cmdGun[index]->setText(mountCaption(Mount::Twin));
        if (!isInUse(bullets)) {
            setInUse(bullets, true);
            setInUse(lstGunType[index], true);
            bullets->setCurrentRow(1); // "Dum Dum"
        }
    }
    Loading = false;
    RecalcWeights();
}

void frmMain::lstBullets_Click(int index)
{
    // Runs even while loading, so a slot without a gun never holds ammunition.
    if (lstGunType[index]->currentRow() == NoGun)
        lstBullets[index]->setCurrentRow(NoAmmunition);
}

void frmMain::cmdGun_Click(int index)
{
    if (lstGunType[index]->currentRow() == NoGun) {
        m_dialogs.message(this, QStringLiteral("Please select a Gun first"), QStringLiteral("Gun Selection Required"));
        return;
    }
    // "N/A" and "Twin" both move on to "Single".
    const bool single = cmdGun[index]->text() == mountCaption(Mount::Single);
    cmdGun[index]->setText(mountCaption(single ? Mount::Twin : Mount::Single));
    RecalcWeights();
}

void frmMain::cboHP_Click(Side side)
{
    if (Loading)
        return;
    Loading = true;
    const int count = cboHP[side]->currentIndex();
    if (count >= 0 && count <= HardPointsPerSide) {
        for (int k = 0; k < HardPointsPerSide; ++k) {
            if (k >= count)
                lstHP[side][k]->setCurrentRow(NoRocket);
            setInUse(lstHP[side][k], k < count);
        }
    }
    Loading = false;
    RecalcWeights();
}

void frmMain::lstHP_Click(Side side, int index)
{
    if (Loading || index < cboHP[side]->currentIndex())
        return;
    Loading = true;
    lstHP[side][index]->setCurrentRow(NoRocket);
    setInUse(lstHP[side][index], false);
    Loading = false;
}

} // namespace vte

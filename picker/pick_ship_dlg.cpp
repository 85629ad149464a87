#include "picker/pick_ship_dlg.h"

#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "framework/afx.h"
#include "framework/data_exchange.h"
#include "gamedata/number_text.h"
#include "picker/find_ship_dlg.h"
#include "picker/labels.h"
#include "picker/weapon_summary.h"
#include "res/resource.h"

#pragma push_macro("MessageBox")
#undef MessageBox

namespace {

constexpr unsigned kFindShipCommand = IDM_FIND_SHIP;
static_assert(fw::IsOwnSystemCommand(kFindShipCommand),
              "a system-menu command has its low bits set or collides with the system's");

}  // namespace

CPickShipDlg::CPickShipDlg(fw::CDialog* parent, const ShipList& ships, const ShipList& fighters)
    : fw::CDialog(IDD_PICKSHIP, parent),
      m_ships(ships),
      m_currentShip(ships.begin()),
      m_fighters(fighters),
      m_findSearch(ProgramFindShipSearch()) {}

CPickShipDlg::~CPickShipDlg() = default;

BEGIN_MESSAGE_MAP(CPickShipDlg, fw::CDialog)
ON_WM_CREATE()
ON_WM_SYSCOMMAND()
ON_NOTIFY(fw::kUdnDeltaPos, IDC_SHIP_SPIN, &CPickShipDlg::OnDeltaPosShip)
ON_NOTIFY(fw::kUdnDeltaPos, IDC_MARINES_SPIN, &CPickShipDlg::OnDeltaPosMarines)
ON_NOTIFY(fw::kUdnDeltaPos, IDC_MINES_SPIN, &CPickShipDlg::OnDeltaPosMines)
ON_NOTIFY(fw::kUdnDeltaPos, IDC_SHUTTLES_SPIN, &CPickShipDlg::OnDeltaPosShuttles)
ON_NOTIFY(fw::kUdnDeltaPos, IDC_REPAIRS_SPIN, &CPickShipDlg::OnDeltaPosRepairs)
ON_NOTIFY(fw::kUdnDeltaPos, IDC_MISSILE_RELOADS_SPIN, &CPickShipDlg::OnDeltaPosMissileReloads)
ON_NOTIFY(fw::kUdnDeltaPos, IDC_MISSILE_TYPE_SPIN, &CPickShipDlg::OnDeltaPosMissileType)
ON_NOTIFY(fw::kUdnDeltaPos, IDC_MISSILE_SPEED_SPIN, &CPickShipDlg::OnDeltaPosMissileSpeed)
ON_NOTIFY(fw::kUdnDeltaPos, IDC_FIGHTERS_PER_BAY_SPIN, &CPickShipDlg::OnDeltaPosFightersPerBay)
ON_NOTIFY(fw::kUdnDeltaPos, IDC_FIGHTER_TYPE_SPIN, &CPickShipDlg::OnDeltaPosFighterType)
ON_BN_CLICKED(IDC_FIGHTER_SPECS, &CPickShipDlg::OnFighterSpecs)
END_MESSAGE_MAP()

void CPickShipDlg::DoDataExchange(fw::CDataExchange* pDX) {
    fw::CDialog::DoDataExchange(pDX);
    fw::DDX_Text(pDX, IDC_BPV, m_bpvText);
    fw::DDX_Text(pDX, IDC_ADJUSTED_BPV, m_adjustedBpvText);
    fw::DDX_Text(pDX, IDC_MISSILE_TYPE, m_loadout.missileTypeText);
    fw::DDX_Text(pDX, IDC_MISSILE_SPEED, m_loadout.missileSpeedText);
    fw::DDX_Text(pDX, IDC_MISSILE_COUNT, m_loadout.missileCount);
    fw::DDX_Text(pDX, IDC_MARINES, m_loadout.marines);
    fw::DDX_Text(pDX, IDC_MINES, m_loadout.mines);
    fw::DDX_Text(pDX, IDC_REPAIRS, m_loadout.repairs);
    fw::DDX_Text(pDX, IDC_SHIELD1, m_shieldTexts[0]);
    fw::DDX_Text(pDX, IDC_SHIELD4, m_shieldTexts[3]);
    fw::DDX_Text(pDX, IDC_SHIP_CODE, m_shipCodeText);
    fw::DDX_Text(pDX, IDC_SHUTTLES_MAX, m_shuttlesMaxText);
    fw::DDX_Text(pDX, IDC_SHUTTLES, m_loadout.shuttlesTaken);
    fw::DDX_Text(pDX, IDC_WEAPONRY, m_weaponryText);
    fw::DDX_Text(pDX, IDC_HULL_CLASS, m_hullClassText);
    fw::DDX_Text(pDX, IDC_FIGHTER_BAYS, m_loadout.fighterBays);
    fw::DDX_Text(pDX, IDC_FIGHTER_COST, m_loadout.fighterCostText);
    fw::DDX_Text(pDX, IDC_FIGHTER_TYPE, m_loadout.fighterTypeText);
    fw::DDX_Text(pDX, IDC_SHIELD2, m_shieldTexts[1]);
    fw::DDX_Text(pDX, IDC_SHIELD3, m_shieldTexts[2]);
    fw::DDX_Text(pDX, IDC_SHIELD5, m_shieldTexts[4]);
    fw::DDX_Text(pDX, IDC_SHIELD6, m_shieldTexts[5]);
    fw::DDX_Text(pDX, IDC_FIGHTERS_PER_BAY, m_loadout.fightersPerBay);
}

void CPickShipDlg::ShowShip() {
    if (!HasShip())
        return;
    const ShipSpec& ship = *m_currentShip;
    m_bpvText = DecimalText(ship.bpv);
    m_shipCodeText = ship.className;
    // Every offered ship has a label; a class without one keeps the text it had.
    if (const char* label = HullClassLabel(ship.hullClass))
        m_hullClassText = label;
    for (size_t facing = 0; facing < m_shieldTexts.size(); ++facing)
        m_shieldTexts[facing] = DecimalText(ship.shields[facing]);
    m_shuttlesMaxText = DecimalText(ship.shuttlesMax);
    m_weaponryText = WeaponLines(ship);
    m_loadout = DefaultLoadout(ship, m_fighters);
}

void CPickShipDlg::LoadSlot(const FleetSlot& slot) {
    const std::string shipCode = ShipCodeText(slot);
    m_currentShip = m_ships.begin();
    while (m_currentShip != m_ships.end() && m_currentShip->className != shipCode)
        ++m_currentShip;
    if (m_currentShip == m_ships.end()) {
        // A slot written for other ship data: its loadout belongs to a ship that is not offered,
        // so the first ship opens as it comes.
        m_currentShip = m_ships.begin();
        ShowShip();
        return;
    }
    ShowShip();
    ApplySlotLoadout(m_loadout, slot, m_fighters);
}

FleetSlot CPickShipDlg::FillSlot() const {
    FleetSlot slot;
    if (!HasShip())
        return slot;
    SetShipCode(slot, ShipName());
    slot.baseBpv = ParseInt(m_bpvText);
    slot.adjustedBpv = ParseInt(m_adjustedBpvText);
    slot.marinesTaken = m_loadout.marines;
    slot.minesTaken = m_loadout.mines;
    slot.repairsTaken = m_loadout.repairs;
    slot.shuttlesTaken = m_loadout.shuttlesTaken;
    slot.missileType = MissileTypeCode(m_loadout.missileTypeText);
    slot.missileSpeed = MissileSpeedCode(m_loadout.missileSpeedText);
    slot.missileReloads = m_loadout.missileReloads;
    slot.fighterBays = m_loadout.fighterBays;
    slot.fightersPerBay = m_loadout.fightersPerBay;
    SetFighterType(slot, FighterTypeName());
    return slot;
}

const std::string& CPickShipDlg::ShipName() const {
    return m_currentShip->className;
}

const std::string& CPickShipDlg::FighterTypeName() const {
    return m_loadout.hasFighterType ? m_loadout.fighterType->className : m_loadout.fighterTypeText;
}

void CPickShipDlg::RecomputeAdjustedBpv(bool show) {
    if (HasShip()) {
        RecomputeMissileCount(m_loadout);
        m_adjustedBpvText = DecimalText(AdjustedBpv(*m_currentShip, m_loadout));
    }
    if (show)
        UpdateData(false);
}

void CPickShipDlg::OnOK() {
    if (!HasShip()) {
        // Nothing on show, nothing to hand back: the caller keeps its slot as it was.
        EndDialog(fw::kIdCancel);
        return;
    }
    if (!UpdateData(true))
        return;
    // A name is never cut into a different one; the user can pick another ship or cancel.
    if (!NameFitsField(ShipName(), "class name", FleetSlot::kShipCodeSize) ||
        !NameFitsField(FighterTypeName(), "fighter class name", FleetSlot::kFighterTypeSize)) {
        return;
    }
    EndDialog(fw::kIdOk);
}

bool CPickShipDlg::NameFitsField(const std::string& name, const char* what, size_t fieldSize) {
    std::vector<char> field(fieldSize);
    if (SetField(field.data(), fieldSize, name))
        return true;
    std::string text = "The ";
    text += what;
    text += " \"" + name.substr(0, name.find('\0')) + "\" ";
    if (name.size() >= fieldSize) {
        text +=
            "is too long to be saved (at most " + std::to_string(fieldSize - 1) + " characters).";
    } else {
        text += "holds a zero byte and cannot be saved.";
    }
    MessageBox(text, nullptr, fw::kMbOk | fw::kMbIconExclamation);
    return false;
}

bool CPickShipDlg::OnInitDialog() {
    fw::CDialog::OnInitDialog();
    if (HasSystemMenu()) {
        const std::string findItem = fw::LoadResourceString(IDS_FIND_SHIP);
        if (!findItem.empty()) {
            AppendSystemMenuSeparator();
            AppendSystemMenuItem(kFindShipCommand, findItem);
        }
    }
    AddCtrlKeyShortcut('F', kFindShipCommand);
    // The loadout from the keyboard: the arrow keys in a field step the spin beside it, and
    // Page Up and Page Down step the ship from any control.
    const std::pair<int, int> spinOfField[] = {
        {IDC_SHUTTLES, IDC_SHUTTLES_SPIN},
        {IDC_FIGHTER_TYPE, IDC_FIGHTER_TYPE_SPIN},
        {IDC_FIGHTERS_PER_BAY, IDC_FIGHTERS_PER_BAY_SPIN},
        {IDC_MISSILE_TYPE, IDC_MISSILE_TYPE_SPIN},
        {IDC_MISSILE_SPEED, IDC_MISSILE_SPEED_SPIN},
        {IDC_MISSILE_COUNT, IDC_MISSILE_RELOADS_SPIN},
        {IDC_MARINES, IDC_MARINES_SPIN},
        {IDC_MINES, IDC_MINES_SPIN},
        {IDC_REPAIRS, IDC_REPAIRS_SPIN},
    };
    for (const auto& [field, spin] : spinOfField)
        RouteSpinKeys(field, spin);
    RoutePageKeys(IDC_SHIP_SPIN);
    return true;  // the focus goes to OK
}

void CPickShipDlg::OnSysCommand(unsigned id, fw::LPARAM lParam) {
    if ((id & 0xFFF0u) == kFindShipCommand) {
        OnFindShip();
        return;
    }
    fw::CDialog::OnSysCommand(id, lParam);
}

void CPickShipDlg::OnFindShip() {
    if (!HasShip())
        return;
    if (m_finderRows.empty())
        m_finderRows = FinderRows(m_ships);
    const auto current = static_cast<size_t>(std::distance(m_ships.begin(), m_currentShip));
    CFindShipDlg find(this, m_finderRows, current, m_findSearch);
    // Choosing the ship on show changes nothing: its loadout, changed by the user or taken from
    // the slot, stays as it is, just as the spin never steps to the ship it shows.
    if (find.DoModal() != fw::kIdOk || find.Chosen() == current)
        return;
    StepToShip(std::next(m_ships.begin(), static_cast<std::ptrdiff_t>(find.Chosen())));
}

void CPickShipDlg::StepToShip(ShipList::const_iterator ship) {
    m_currentShip = ship;
    // The new ship starts from its own default loadout.
    ShowShip();
    RecomputeAdjustedBpv(true);
}

int CPickShipDlg::OnCreate() {
    if (fw::CDialog::OnCreate() == -1)
        return -1;
    RecomputeAdjustedBpv(false);
    return 0;
}

void CPickShipDlg::OnDeltaPosShip(fw::NMUPDOWN* pNMUpDown, fw::LRESULT* pResult) {
    *pResult = 0;
    if (!HasShip())
        return;
    switch (StepFromDelta(pNMUpDown->iDelta)) {
        case SpinStep::None:
            return;
        case SpinStep::Forward:
            if (std::next(m_currentShip) == m_ships.end())
                return;
            StepToShip(std::next(m_currentShip));
            break;
        case SpinStep::Back:
            if (m_currentShip == m_ships.begin())
                return;
            StepToShip(std::prev(m_currentShip));
            break;
    }
    *pResult = 1;
}

void CPickShipDlg::StepCountedValue(CountedStep step, const fw::NMUPDOWN& notification,
                                    fw::LRESULT* pResult) {
    *pResult = 0;
    if (!HasShip() || !UpdateData(true))
        return;
    FinishStep(step(m_loadout, *m_currentShip, StepFromDelta(notification.iDelta)), pResult);
}

void CPickShipDlg::FinishStep(StepOutcome outcome, fw::LRESULT* pResult) {
    if (outcome.changed)
        RecomputeAdjustedBpv(true);
    *pResult = outcome.handled ? 1 : 0;
}

void CPickShipDlg::OnDeltaPosMarines(fw::NMUPDOWN* pNMUpDown, fw::LRESULT* pResult) {
    StepCountedValue(&StepMarines, *pNMUpDown, pResult);
}

void CPickShipDlg::OnDeltaPosMines(fw::NMUPDOWN* pNMUpDown, fw::LRESULT* pResult) {
    StepCountedValue(&StepMines, *pNMUpDown, pResult);
}

void CPickShipDlg::OnDeltaPosShuttles(fw::NMUPDOWN* pNMUpDown, fw::LRESULT* pResult) {
    StepCountedValue(&StepShuttles, *pNMUpDown, pResult);
}

void CPickShipDlg::OnDeltaPosRepairs(fw::NMUPDOWN* pNMUpDown, fw::LRESULT* pResult) {
    StepCountedValue(&StepRepairs, *pNMUpDown, pResult);
}

void CPickShipDlg::OnDeltaPosMissileReloads(fw::NMUPDOWN* pNMUpDown, fw::LRESULT* pResult) {
    StepCountedValue([](Loadout& loadout, const ShipSpecCore&,
                        SpinStep step) { return StepMissileReloads(loadout, step); },
                     *pNMUpDown, pResult);
}

void CPickShipDlg::OnDeltaPosMissileType(fw::NMUPDOWN* pNMUpDown, fw::LRESULT* pResult) {
    *pResult = 0;
    if (!HasShip())
        return;
    FinishStep(StepMissileType(m_loadout, StepFromDelta(pNMUpDown->iDelta)), pResult);
}

void CPickShipDlg::OnDeltaPosMissileSpeed(fw::NMUPDOWN* pNMUpDown, fw::LRESULT* pResult) {
    *pResult = 0;
    if (!HasShip())
        return;
    FinishStep(StepMissileSpeed(m_loadout, StepFromDelta(pNMUpDown->iDelta)), pResult);
}

void CPickShipDlg::OnDeltaPosFightersPerBay(fw::NMUPDOWN* pNMUpDown, fw::LRESULT* pResult) {
    *pResult = 0;
    if (!HasShip())
        return;
    FinishStep(StepFightersPerBay(m_loadout, StepFromDelta(pNMUpDown->iDelta)), pResult);
}

void CPickShipDlg::OnDeltaPosFighterType(fw::NMUPDOWN* pNMUpDown, fw::LRESULT* pResult) {
    *pResult = 0;
    if (!HasShip())
        return;
    FinishStep(StepFighterType(m_loadout, m_fighters, m_currentShip->race,
                               StepFromDelta(pNMUpDown->iDelta)),
               pResult);
}

void CPickShipDlg::OnFighterSpecs() {
    if (m_loadout.fightersPerBay == 0 || m_loadout.fighterBays == 0 || !m_loadout.hasFighterType)
        return;
    MessageBox(FighterSpecsText(*m_loadout.fighterType), nullptr, fw::kMbOk);
}

#pragma pop_macro("MessageBox")

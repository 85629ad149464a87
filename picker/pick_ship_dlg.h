#pragma once

#include <array>
#include <list>
#include <string>
#include <vector>

#include "framework/dialog.h"
#include "gamedata/fleet_slot.h"
#include "gamedata/ship_spec.h"
#include "picker/find_ship_dlg.h"
#include "picker/loadout.h"
#include "picker/ship_finder.h"
#include "picker/spin_steps.h"

// The Pick Ship dialog (template 129): the user steps through the offered ships one at a time,
// sets the loadout of the one on show and gets it back as a FleetSlot on OK.
//
// The catalogue is read-only once the program has started, so the dialog works on the ship and
// fighter lists in place instead of copying them; both lists must outlive the dialog and stay
// unchanged while it exists. The main dialog uses it in this order: construct, LoadSlot (an
// occupied slot) or ShowShip (an empty one), DoModal, FillSlot if the result is kIdOk.
//
// With no ship to offer (an empty list) the dialog opens with empty texts, its spins do nothing,
// and OK ends the run with kIdCancel: there is nothing to hand back.
//
// Find Ship (Ctrl+F or the system menu) lists the same sequence the ship spin steps through;
// the ship chosen there is shown as a step of the spin to it would show it. Its search is the
// program's (ProgramFindShipSearch), kept from one opening to the next.
class CPickShipDlg : public fw::CDialog {
  public:
    using ShipList = std::list<ShipSpec>;

    CPickShipDlg(fw::CDialog* parent, const ShipList& ships, const ShipList& fighters);
    // The dialog keeps references to the lists: a temporary would be gone before it opens.
    CPickShipDlg(fw::CDialog* parent, const ShipList&& ships) = delete;
    CPickShipDlg(fw::CDialog* parent, const ShipList&& ships, const ShipList& fighters) = delete;
    CPickShipDlg(fw::CDialog* parent, const ShipList& ships, const ShipList&& fighters) = delete;
    CPickShipDlg(fw::CDialog* parent, const ShipList&& ships, const ShipList&& fighters) = delete;
    ~CPickShipDlg() override;

    // Makes the current ship's data and its default loadout the dialog's state. Neither computes
    // the adjusted point value nor moves anything into the controls.
    void ShowShip();
    // Opens on the slot's ship (found by exact class name) with the slot's loadout. A slot whose
    // ship is not offered opens on the first ship with that ship's default loadout instead.
    void LoadSlot(const FleetSlot& slot);
    // The ship and loadout on show. All zero when there is no ship; a name that does not fit
    // its field is left empty, never cut (OK refuses such a ship before it gets here).
    FleetSlot FillSlot() const;
    // Sets the missile count and the adjusted point value; `show` moves every member into the
    // controls.
    void RecomputeAdjustedBpv(bool show);

  protected:
    void DoDataExchange(fw::CDataExchange* pDX) override;
    bool OnInitDialog() override;
    void OnOK() override;

    int OnCreate();
    void OnDeltaPosShip(fw::NMUPDOWN* pNMUpDown, fw::LRESULT* pResult);
    void OnDeltaPosMarines(fw::NMUPDOWN* pNMUpDown, fw::LRESULT* pResult);
    void OnDeltaPosMines(fw::NMUPDOWN* pNMUpDown, fw::LRESULT* pResult);
    void OnDeltaPosShuttles(fw::NMUPDOWN* pNMUpDown, fw::LRESULT* pResult);
    void OnDeltaPosRepairs(fw::NMUPDOWN* pNMUpDown, fw::LRESULT* pResult);
    void OnDeltaPosMissileReloads(fw::NMUPDOWN* pNMUpDown, fw::LRESULT* pResult);
    void OnDeltaPosMissileType(fw::NMUPDOWN* pNMUpDown, fw::LRESULT* pResult);
    void OnDeltaPosMissileSpeed(fw::NMUPDOWN* pNMUpDown, fw::LRESULT* pResult);
    void OnDeltaPosFightersPerBay(fw::NMUPDOWN* pNMUpDown, fw::LRESULT* pResult);
    void OnDeltaPosFighterType(fw::NMUPDOWN* pNMUpDown, fw::LRESULT* pResult);
    void OnFighterSpecs();
    void OnSysCommand(unsigned id, fw::LPARAM lParam);
    void OnFindShip();

    DECLARE_MESSAGE_MAP()

  private:
    bool HasShip() const { return m_currentShip != m_ships.end(); }
    // Puts the ship on show with its default loadout, recomputed and in the controls.
    void StepToShip(ShipList::const_iterator ship);
    // The step rule of a counted spin, on the ship on show.
    using CountedStep = StepOutcome (*)(Loadout&, const ShipSpecCore&, SpinStep);
    // Re-reads the controls, then applies one step of a counted value.
    void StepCountedValue(CountedStep step, const fw::NMUPDOWN& notification, fw::LRESULT* pResult);
    // Recomputes after a change and reports whether the step was handled.
    void FinishStep(StepOutcome outcome, fw::LRESULT* pResult);
    // Shows why a name cannot be stored in a field of `fieldSize` bytes and returns false, or
    // returns true when it fits.
    bool NameFitsField(const std::string& name, const char* what, size_t fieldSize);
    // The names handed back, from the catalogue's records rather than the controls: a control
    // cuts a name at a zero byte, which would store a different ship or fighter.
    const std::string& ShipName() const;
    const std::string& FighterTypeName() const;

    // Bound to controls, in the order DoDataExchange binds them (the loadout fields in between
    // live in m_loadout).
    std::string m_bpvText;
    std::string m_adjustedBpvText;
    std::array<std::string, 6> m_shieldTexts;  // facings 1 to 6
    std::string m_shipCodeText;
    std::string m_shuttlesMaxText;
    std::string m_weaponryText;
    std::string m_hullClassText;
    Loadout m_loadout;

    const ShipList& m_ships;
    ShipList::const_iterator m_currentShip;  // m_ships.end(): no ship on show
    const ShipList& m_fighters;
    std::vector<FinderRow> m_finderRows;  // made at the first Find Ship
    FindShipSearch& m_findSearch;         // kept for the program's life
};

#pragma once

#include <array>
#include <initializer_list>
#include <list>
#include <string>
#include <utility>
#include <vector>

#include "fleet/fleet_slots.h"
#include "framework/combo_box.h"
#include "framework/dialog.h"
#include "framework/win_types.h"
#include "gamedata/ship_spec.h"

// The main fleet dialog: three ship slots, each with its ship code and point value, and the
// fleet's total. In Sector Assault mode only slot 1 can be picked, and the mission's settings
// (defence satellites, FRDs, planet, base and planet damage) take the place of slots 2 and 3.
//
// The members are the dialog's state. Handlers change them and then move all of them into the
// controls at once; the three lists are the exception, read and set on the controls directly.
class CKestrivarDlg : public fw::CDialog {
  public:
    explicit CKestrivarDlg(fw::CDialog* parent = nullptr);

    // 1 for Sector Assault mode, 0 for normal mode; set before the dialog runs.
    void SetVezireZaradud(int vezireZaradud) { m_vezireZaradud = vezireZaradud; }
    // The ships and fighters Select offers (the catalogue's lists), which must outlive the
    // dialog; without them Pick Ship has nothing to offer.
    void SetCatalogues(const std::list<ShipSpec>& ships, const std::list<ShipSpec>& fighters) {
        m_ships = &ships;
        m_fighters = &fighters;
    }

  protected:
    void DoDataExchange(fw::CDataExchange* pDX) override;
    bool OnInitDialog() override;
    // "Save": writes the fleet file, and in Sector Assault mode the mission's settings, then
    // closes the dialog once the percentage fields hold integers.
    void OnOK() override;

  private:
    bool IsSectorAssault() const { return m_vezireZaradud != 0; }
    // System-menu items (command, string id) after a separator, when all their texts load.
    void AppendSystemMenuGroup(std::initializer_list<std::pair<unsigned, int>> commandsAndTexts);
    void OpenForSectorAssault();

    // Empties a slot (0 to 2) and shows it.
    void OnClear(int index);
    void OnClear1() { OnClear(0); }
    void OnClear2() { OnClear(1); }
    void OnClear3() { OnClear(2); }
    // Runs the picker for a slot; slots fill in order, so an empty slot before it takes the pick.
    void OnSelect(int index);
    void OnSelect1() { OnSelect(0); }
    void OnSelect2() { OnSelect(1); }
    void OnSelect3() { OnSelect(2); }
    void OnLoad();
    // Fills the slots a Load of these contents reaches (a count of 0 reaches none) and applies
    // the visibility rules.
    void PlaceLoadedFleet(const FleetFileContents& contents);
    // The fleet as text on the clipboard, and back; nothing is written to disk until Save.
    void OnCopyFleet();
    void OnPasteFleet();
    // Paste without its message box: what to tell the user, empty when the slots took the fleet.
    std::string PasteFleet();
    // Fleets of the player's own: the common Open and Save As dialogs, and a file dropped on
    // the dialog. Open places the fleet as Load does; only Save writes the game's file.
    void OnOpenFleet();
    void OnSaveFleetAs();
    void OnDropFiles(const std::vector<std::string>& paths);
    void OpenFleetFrom(const std::string& path);
    // Where the file dialogs start: the folder of the fleet last opened or saved, else the
    // player's fleets folder.
    std::string FleetDialogFolder() const;
    void OnRemoveFleet();
    void WriteSectorAssaultSettings();
    void OnSelchangePlanet();
    void OnAbout();
    void OnSysCommand(unsigned id, fw::LPARAM lParam);
    void OnPaint();
    fw::IconHandle OnQueryDragIcon();

    // Copies a slot's ship code and point value into its texts.
    void ShowSlot(int index);
    void UpdateTotal();
    // Sector Assault mode only; in normal mode the damage fields stay hidden.
    void UpdateBaseDamageVisibility();
    void UpdatePlanetDamageVisibility();
    // Shows or hides a percentage field with its label and sign; hiding puts `value` back in place
    // of a text that is not an integer.
    void ShowDamageField(int field, std::initializer_list<int> companions, bool show, int value);

    fw::CComboBox m_planetList;
    fw::CComboBox m_frdsList;
    fw::CComboBox m_defSatsList;
    std::array<std::string, FleetSlots::kCount> m_bpvText;
    std::array<std::string, FleetSlots::kCount> m_shipCodeText;
    std::string m_totalText;
    int BaseDamage = 0;    // percent
    int PlanetDamage = 0;  // percent
    fw::IconHandle m_hIcon;
    FleetSlots m_slots;
    int m_vezireZaradud = 0;
    const std::list<ShipSpec>* m_ships;
    const std::list<ShipSpec>* m_fighters;
    // The fleet file last opened or saved with Save As, empty for none yet.
    std::string m_fleetDocument;

    DECLARE_MESSAGE_MAP()
};

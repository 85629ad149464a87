#include "fleet/kestrivar_dlg.h"

#include <exception>

#include "fleet/about_dlg.h"
#include "fleet/fleet_documents.h"
#include "fleet/fleet_file.h"
#include "fleet/fleet_text.h"
#include "fleet/vezire_zaradud_settings.h"
#include "framework/afx.h"
#include "framework/data_exchange.h"
#include "framework/framework_error.h"
#include "framework/int_text.h"
#include "framework/paint_dc.h"
#include "picker/pick_ship_dlg.h"
#include "platform/replace_report.h"
#include "res/resource.h"

namespace {

// System-menu commands of the application's own must keep the low four bits clear (Windows uses
// them) and stay below the system's own commands.
constexpr unsigned kAboutCommand = IDM_ABOUTBOX;
constexpr unsigned kCopyFleetCommand = IDM_COPY_FLEET;
constexpr unsigned kPasteFleetCommand = IDM_PASTE_FLEET;
constexpr unsigned kOpenFleetCommand = IDM_OPEN_FLEET;
constexpr unsigned kSaveFleetAsCommand = IDM_SAVE_FLEET_AS;
static_assert(fw::IsOwnSystemCommand(kAboutCommand) && fw::IsOwnSystemCommand(kCopyFleetCommand) &&
                  fw::IsOwnSystemCommand(kPasteFleetCommand) &&
                  fw::IsOwnSystemCommand(kOpenFleetCommand) &&
                  fw::IsOwnSystemCommand(kSaveFleetAsCommand),
              "a system-menu command has its low bits set or collides with the system's");

// The clipboard holds text with CR LF line ends, as every Windows program expects.
constexpr char kClipboardLineEnd[] = "\r\n";
constexpr char kCopyFleetCaption[] = "Copy Fleet as Text";
constexpr char kCopyFailedMessage[] = "The fleet could not be put on the clipboard.";
constexpr char kPasteFleetCaption[] = "Paste Fleet";
constexpr char kNoTextToPasteMessage[] = "The clipboard holds no text.";
constexpr char kClipboardInUseMessage[] =
    "The clipboard cannot be opened: another program is using it. Try again in a moment.";
constexpr char kPasteFailedMessage[] = "The text on the clipboard could not be read.";
constexpr char kPasteRefusedMessage[] = "The text on the clipboard is not a fleet:\n";

constexpr int kShipCodeIds[FleetSlots::kCount] = {IDC_SHIP_CODE1, IDC_SHIP_CODE2, IDC_SHIP_CODE3};
constexpr int kBpvIds[FleetSlots::kCount] = {IDC_BPV1, IDC_BPV2, IDC_BPV3};

// The planet list's first item, "None": no planet, so no planet damage to set.
constexpr int kNoPlanet = 0;

// Lets the hidden main dialog leave the screen before the About box appears.
constexpr unsigned kAboutPauseMilliseconds = 25;

constexpr char kSectorAssaultCaption[] = "Sector Assault Configuration";

}  // namespace

namespace {

// What Select offers until the caller hands the catalogue over: nothing.
const std::list<ShipSpec> kNoShips;

}  // namespace

CKestrivarDlg::CKestrivarDlg(fw::CDialog* parent)
    : fw::CDialog(IDD_KESTRIVAR_DIALOG, parent),
      m_hIcon(fw::LoadIconResource(IDR_MAINFRAME)),
      m_ships(&kNoShips),
      m_fighters(&kNoShips) {}

BEGIN_MESSAGE_MAP(CKestrivarDlg, fw::CDialog)
ON_WM_SYSCOMMAND()
ON_WM_PAINT()
ON_WM_QUERYDRAGICON()
ON_WM_DROPFILES()
ON_BN_CLICKED(IDC_SELECT1, &CKestrivarDlg::OnSelect1)
ON_BN_CLICKED(IDC_SELECT2, &CKestrivarDlg::OnSelect2)
ON_BN_CLICKED(IDC_SELECT3, &CKestrivarDlg::OnSelect3)
ON_BN_CLICKED(IDC_CLEAR1, &CKestrivarDlg::OnClear1)
ON_BN_CLICKED(IDC_CLEAR2, &CKestrivarDlg::OnClear2)
ON_BN_CLICKED(IDC_CLEAR3, &CKestrivarDlg::OnClear3)
ON_BN_CLICKED(IDC_ABOUT, &CKestrivarDlg::OnAbout)
ON_BN_CLICKED(IDC_LOAD, &CKestrivarDlg::OnLoad)
ON_BN_CLICKED(IDC_REMOVE_FLEET, &CKestrivarDlg::OnRemoveFleet)
ON_CBN_SELCHANGE(IDC_PLANET, &CKestrivarDlg::OnSelchangePlanet)
END_MESSAGE_MAP()

void CKestrivarDlg::DoDataExchange(fw::CDataExchange* pDX) {
    fw::CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PLANET, m_planetList);
    DDX_Control(pDX, IDC_FRDS, m_frdsList);
    DDX_Control(pDX, IDC_DEFSATS, m_defSatsList);
    for (int i = 0; i < FleetSlots::kCount; ++i) {
        DDX_Text(pDX, kBpvIds[i], m_bpvText[static_cast<size_t>(i)]);
    }
    for (int i = 0; i < FleetSlots::kCount; ++i) {
        DDX_Text(pDX, kShipCodeIds[i], m_shipCodeText[static_cast<size_t>(i)]);
    }
    DDX_Text(pDX, IDC_TOTAL_BPV, m_totalText);
    DDX_Text(pDX, IDC_BASE_DAMAGE, BaseDamage);
    DDX_Text(pDX, IDC_PLANET_DAMAGE, PlanetDamage);
}

bool CKestrivarDlg::OnInitDialog() {
    fw::CDialog::OnInitDialog();

    if (HasSystemMenu()) {
        AppendSystemMenuGroup({{kAboutCommand, IDS_ABOUTBOX}});
        AppendSystemMenuGroup(
            {{kCopyFleetCommand, IDS_COPY_FLEET}, {kPasteFleetCommand, IDS_PASTE_FLEET}});
        AppendSystemMenuGroup(
            {{kOpenFleetCommand, IDS_OPEN_FLEET}, {kSaveFleetAsCommand, IDS_SAVE_FLEET_AS}});
    }
    AddCtrlKeyShortcut('C', kCopyFleetCommand);
    AddCtrlKeyShortcut('V', kPasteFleetCommand);
    AddCtrlKeyShortcut('O', kOpenFleetCommand);
    AddCtrlKeyShortcut('S', kSaveFleetAsCommand, true);
    AcceptDroppedFiles();
    SetIcon(m_hIcon, true);
    SetIcon(m_hIcon, false);

    if (IsSectorAssault()) {
        OpenForSectorAssault();
    }
    return true;  // the focus goes to slot 1's "Select"
}

// A group follows a separator, and only when every one of its texts loads.
void CKestrivarDlg::AppendSystemMenuGroup(
    std::initializer_list<std::pair<unsigned, int>> commandsAndTexts) {
    std::vector<std::string> texts;
    for (const auto& item : commandsAndTexts) {
        texts.push_back(fw::LoadResourceString(item.second));
        if (texts.back().empty())
            return;
    }
    AppendSystemMenuSeparator();
    auto text = texts.begin();
    for (const auto& item : commandsAndTexts)
        AppendSystemMenuItem(item.first, *text++);
}

// Slot 1 alone, with the mission's settings where slots 2 and 3 were; every setting starts at
// its first item or at 0. Nothing is read from the fleet file or the settings until Load.
void CKestrivarDlg::OpenForSectorAssault() {
    for (int id :
         {IDC_SHIP2_GROUP, IDC_CLEAR2, IDC_SELECT2, IDC_SHIP3_GROUP, IDC_CLEAR3, IDC_SELECT3}) {
        ShowItem(id, false);
    }
    for (int id :
         {IDC_DEFSATS_LABEL, IDC_DEFSATS, IDC_FRDS_LABEL, IDC_FRDS, IDC_PLANET_LABEL, IDC_PLANET}) {
        ShowItem(id, true);
    }
    m_defSatsList.SetCurSel(0);
    m_frdsList.SetCurSel(0);
    m_planetList.SetCurSel(0);
    BaseDamage = 0;
    PlanetDamage = 0;
    OnClear(0);
    UpdatePlanetDamageVisibility();
    UpdateBaseDamageVisibility();
    SetCaption(kSectorAssaultCaption);
    UpdateData(false);
}

void CKestrivarDlg::OnSelect(int index) {
    // Slots fill in order: the first empty slot before the chosen one takes the pick.
    for (int earlier = 0; earlier < index; ++earlier) {
        if (!m_slots.IsOccupied(earlier)) {
            index = earlier;
            break;
        }
    }

    CPickShipDlg picker(this, *m_ships, *m_fighters);
    if (m_slots.IsOccupied(index)) {
        picker.LoadSlot(m_slots.Slot(index));
    } else {
        picker.ShowShip();
    }
    if (picker.DoModal() == fw::kIdOk) {
        m_slots.Place(index, picker.FillSlot());
        ShowSlot(index);
        UpdateTotal();
        UpdateData(false);
    }
    if (index == 0) {
        UpdateBaseDamageVisibility();
    }
}

void CKestrivarDlg::OnClear(int index) {
    m_slots.Clear(index);
    ShowSlot(index);
    if (index == 0) {
        UpdateBaseDamageVisibility();
    }
    UpdateTotal();
    UpdateData(false);
}

// The fleet file is written first and its outcome shown whatever the percentage fields hold;
// a field that is not an integer then keeps the dialog open, so it can be corrected and saved
// again.
void CKestrivarDlg::OnOK() {
    SaveFleet(*this, m_slots.States());
    UpdateData(true);
    if (IsSectorAssault()) {
        WriteSectorAssaultSettings();
    }
    fw::CDialog::OnOK();
}

// A list without a selection has no value to store: its key keeps what scripts.ini holds. A
// failed write is shown as the fleet file's is, after its outcome, so the player does not go into
// the battle with settings they did not choose.
void CKestrivarDlg::WriteSectorAssaultSettings() {
    VezireZaradudSettings settings;
    unsigned keys = VezireZaradudSettings::kBaseDamageKey | VezireZaradudSettings::kPlanetDamageKey;
    const struct {
        const fw::CComboBox& list;
        unsigned key;
        void (VezireZaradudSettings::*set)(int32_t);
    } lists[] = {
        {m_defSatsList, VezireZaradudSettings::kDefSatsKey, &VezireZaradudSettings::SetDefSats},
        {m_frdsList, VezireZaradudSettings::kFRDsKey, &VezireZaradudSettings::SetFRDs},
        {m_planetList, VezireZaradudSettings::kPlanetTypeKey,
         &VezireZaradudSettings::SetPlanetType},
    };
    for (const auto& entry : lists) {
        const int selected = entry.list.GetCurSel();
        if (selected >= 0) {
            (settings.*entry.set)(selected);
            keys |= entry.key;
        }
    }
    settings.SetBaseDamage(BaseDamage);
    settings.SetPlanetDamage(PlanetDamage);
    std::string path;
    const platform::ReplaceResult written = settings.WriteKeys(keys);
    if (!written && VezireZaradudSettings::GetFilePath(path))
        MessageBox(CouldNotWriteMessage(path, written));
    else if (written && !written.undeletedFiles.empty())
        MessageBox(platform::ReplaceReport(written));
}

// Reads the fleet file into the slots it reaches and the mission's settings into their
// controls (in both modes). A file that yields no ships leaves every slot as it was.
void CKestrivarDlg::OnLoad() {
    const FleetFileContents contents = ReadFleetFile();

    VezireZaradudSettings settings;
    settings.Read();
    m_defSatsList.SetCurSel(settings.GetDefSats());
    m_frdsList.SetCurSel(settings.GetFRDs());
    m_planetList.SetCurSel(settings.GetPlanetType());
    BaseDamage = settings.GetBaseDamage();
    PlanetDamage = settings.GetPlanetDamage();

    PlaceLoadedFleet(contents);
}

void CKestrivarDlg::PlaceLoadedFleet(const FleetFileContents& contents) {
    const int filled = SlotsFilledByCount(contents.count);
    for (int i = 0; i < filled; ++i) {
        m_slots.Place(i, contents.records[static_cast<size_t>(i)]);
        ShowSlot(i);
    }
    if (filled > 0) {
        UpdateTotal();
    }
    UpdatePlanetDamageVisibility();
    UpdateBaseDamageVisibility();
    UpdateData(false);
}

// What Save would write, as text: the occupied slots in order, gaps closed.
void CKestrivarDlg::OnCopyFleet() {
    fw::ClipboardResult result = fw::ClipboardResult::kFailed;
    try {
        result =
            SetClipboardText(FormatFleetText(ContentsOfSlots(m_slots.States()), kClipboardLineEnd));
    } catch (const fw::FrameworkError&) {
        throw;
    } catch (const std::exception&) {
        // Out of memory: said below, and the program goes on with its slots.
    }
    if (result != fw::ClipboardResult::kDone) {
        MessageBox(
            result == fw::ClipboardResult::kInUse ? kClipboardInUseMessage : kCopyFailedMessage,
            kCopyFleetCaption, fw::kMbOk | fw::kMbIconExclamation);
    }
}

// As Load does with a file, without the mission's settings, which a fleet's text does not
// carry. A text that is not a fleet changes nothing and says why.
void CKestrivarDlg::OnPasteFleet() {
    std::string message;
    try {
        message = PasteFleet();
    } catch (const fw::FrameworkError&) {
        throw;
    } catch (const std::exception&) {
        message = kPasteFailedMessage;  // out of memory: the slots stay as they were
    }
    if (!message.empty()) {
        MessageBox(message, kPasteFleetCaption, fw::kMbOk | fw::kMbIconExclamation);
    }
}

std::string CKestrivarDlg::PasteFleet() {
    std::string text;
    size_t size = 0;
    switch (GetClipboardText(kMaxFleetTextSize, text, size)) {
        case fw::ClipboardResult::kDone:
            break;
        case fw::ClipboardResult::kNoText:
            return kNoTextToPasteMessage;
        case fw::ClipboardResult::kInUse:
            return kClipboardInUseMessage;
        case fw::ClipboardResult::kTooLong:
            return "The text on the clipboard is " + TooLongForFleetText(size) + ".";
        case fw::ClipboardResult::kFailed:
            return kPasteFailedMessage;
    }
    FleetFileContents contents;
    std::string error;
    if (!ParseFleetText(text, contents, error)) {
        return kPasteRefusedMessage + error;
    }
    PlaceLoadedFleet(contents);
    return std::string();
}

std::string CKestrivarDlg::FleetDialogFolder() const {
    const size_t folderEnd = m_fleetDocument.find_last_of('\\');
    return folderEnd != std::string::npos ? m_fleetDocument.substr(0, folderEnd) : FleetsFolder();
}

void CKestrivarDlg::OnOpenFleet() {
    fw::FileDialogRequest request;
    request.title = kOpenFleetCaption;
    request.types = {{"Fleets (*.flt, *.txt)", "*.flt;*.txt"},
                     {kFleetFileTypes[0].description, "*.flt"},
                     {kFleetFileTypes[1].description, "*.txt"},
                     {"All files (*.*)", "*.*"}};
    request.directory = FleetDialogFolder();
    const fw::FileDialogChoice choice = ShowFileDialog(request);
    if (!choice.failure.empty())
        MessageBox(choice.failure, kOpenFleetCaption, fw::kMbOk | fw::kMbIconExclamation);
    if (!choice.path.empty())
        OpenFleetFrom(choice.path);
}

// One file opens; a drop of several names none of them, rather than guess which was meant.
void CKestrivarDlg::OnDropFiles(const std::vector<std::string>& paths) {
    if (paths.size() != 1) {
        MessageBox(kOneFleetAtATimeMessage, kOpenFleetCaption, fw::kMbOk | fw::kMbIconExclamation);
        return;
    }
    OpenFleetFrom(paths.front());
}

// As Load does with the game's file, without the mission's settings, which a fleet does not
// carry. A file that is no fleet changes nothing and says why; a fleet of no ships leaves the
// slots as Load does, and says so.
void CKestrivarDlg::OpenFleetFrom(const std::string& path) {
    FleetFileContents contents;
    std::string why;
    if (!OpenFleetDocument(path, contents, why)) {
        MessageBox(CouldNotOpenMessage(path, why), kOpenFleetCaption,
                   fw::kMbOk | fw::kMbIconExclamation);
        return;
    }
    m_fleetDocument = path;
    PlaceLoadedFleet(contents);
    if (SlotsFilledByCount(contents.count) == 0)
        MessageBox(path + " holds no ships, so the slots are as they were.", kOpenFleetCaption,
                   fw::kMbOk | fw::kMbIconAsterisk);
}

void CKestrivarDlg::OnSaveFleetAs() {
    const FleetFormat last = FleetFormatForName(m_fleetDocument, FleetFormat::kFleetFile);
    fw::FileDialogRequest request;
    request.save = true;
    request.title = kSaveFleetAsCaption;
    for (const FleetFileType& type : kFleetFileTypes)
        request.types.emplace_back(type.description, std::string("*.") + type.extension);
    request.typeIndex = static_cast<int>(last);
    request.directory = FleetDialogFolder();
    request.fileName = m_fleetDocument.substr(m_fleetDocument.find_last_of('\\') + 1);
    const fw::FileDialogChoice choice = ShowFileDialog(request);
    if (!choice.failure.empty())
        MessageBox(choice.failure, kSaveFleetAsCaption, fw::kMbOk | fw::kMbIconExclamation);
    if (choice.path.empty())
        return;
    const FleetFormat chosen =
        choice.typeIndex == 1 ? FleetFormat::kFleetText : FleetFormat::kFleetFile;
    const platform::ReplaceResult written =
        SaveFleetDocument(choice.path, FleetFormatForName(choice.path, chosen), m_slots.States());
    if (!written) {
        MessageBox(CouldNotWriteMessage(choice.path, written), kSaveFleetAsCaption,
                   fw::kMbOk | fw::kMbIconExclamation);
        return;
    }
    m_fleetDocument = choice.path;
    if (!written.undeletedFiles.empty())
        MessageBox(platform::ReplaceReport(written), kSaveFleetAsCaption);
}

// The slots, lists and fields stay as they are: Remove only deletes the file.
void CKestrivarDlg::OnRemoveFleet() {
    RemoveFleetFile(*this);
}

void CKestrivarDlg::ShowSlot(int index) {
    m_shipCodeText[static_cast<size_t>(index)] = m_slots.ShipCodeShown(index);
    m_bpvText[static_cast<size_t>(index)] = m_slots.BpvShown(index);
}

void CKestrivarDlg::UpdateTotal() {
    m_totalText = std::to_string(m_slots.Total());
}

// The base is damaged only when there is a base: slot 1 holds it.
void CKestrivarDlg::UpdateBaseDamageVisibility() {
    if (!IsSectorAssault()) {
        return;
    }
    ShowDamageField(IDC_BASE_DAMAGE, {IDC_BASE_DAMAGE_LABEL, IDC_BASE_DAMAGE_PERCENT},
                    m_slots.IsOccupied(0), BaseDamage);
}

// A list without a selection counts as a planet: the field stays reachable.
void CKestrivarDlg::UpdatePlanetDamageVisibility() {
    if (!IsSectorAssault()) {
        return;
    }
    ShowDamageField(IDC_PLANET_DAMAGE, {IDC_PLANET_DAMAGE_LABEL, IDC_PLANET_DAMAGE_PERCENT},
                    m_planetList.GetCurSel() != kNoPlanet, PlanetDamage);
}

// A field that hides keeps a number typed in it, but a text Save would refuse goes back to the
// last accepted value: the refusal would otherwise point at a field the player cannot see.
void CKestrivarDlg::ShowDamageField(int field, std::initializer_list<int> companions, bool show,
                                    int value) {
    if (!show && !fw::ParseIntField(GetItemText(field)))
        SetItemText(field, fw::FormatIntField(value));
    ShowItem(field, show);
    for (int id : companions)
        ShowItem(id, show);
}

void CKestrivarDlg::OnSelchangePlanet() {
    UpdatePlanetDamageVisibility();
}

void CKestrivarDlg::OnAbout() {
    ShowWindow(false);
    fw::Sleep(kAboutPauseMilliseconds);
    CAboutDlg about(this);
    about.DoModal();
    ShowWindow(true);
}

void CKestrivarDlg::OnSysCommand(unsigned id, fw::LPARAM lParam) {
    switch (id & 0xFFF0u) {
        case kAboutCommand: {
            CAboutDlg about(this);
            about.DoModal();
            break;
        }
        case kCopyFleetCommand:
            OnCopyFleet();
            break;
        case kPasteFleetCommand:
            OnPasteFleet();
            break;
        case kOpenFleetCommand:
            OnOpenFleet();
            break;
        case kSaveFleetAsCommand:
            OnSaveFleetAs();
            break;
        default:
            fw::CDialog::OnSysCommand(id, lParam);
    }
}

// Minimised, the dialog draws its icon centred in the client area itself.
void CKestrivarDlg::OnPaint() {
    if (!IsIconic()) {
        fw::CDialog::OnPaint();
        return;
    }
    fw::CPaintDC dc(this);
    dc.EraseIconBackground();
    const int cxIcon = fw::GetSystemMetrics(fw::kSmCxIcon);
    const int cyIcon = fw::GetSystemMetrics(fw::kSmCyIcon);
    const fw::CRect rect = GetClientRect();
    dc.DrawIcon((rect.Width() - cxIcon + 1) / 2, (rect.Height() - cyIcon + 1) / 2, m_hIcon);
}

// The cursor shown while the minimised window is dragged.
fw::IconHandle CKestrivarDlg::OnQueryDragIcon() {
    return m_hIcon;
}

// The main fleet dialog as it opens in each mode, and the Sector Assault visibility rules.
#include "fleet/kestrivar_dlg.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fleet/tests/kestrivar_dialog_fixture.h"
#include "framework/headless/headless_dialog_driver.h"
#include "framework/ui_driver.h"
#include "res/resource.h"

namespace {

using fw::headless::AsHeadless;
using fw::headless::SystemMenuItem;

using MainDialogOpening = kvtest::KestrivarDialogTest;
using MainDialogOpeningHeadless = kvtest::KestrivarHeadlessDialogTest;

const int kSlotTexts[] = {IDC_SHIP_CODE1, IDC_SHIP_CODE2, IDC_SHIP_CODE3,
                          IDC_BPV1,       IDC_BPV2,       IDC_BPV3};
const int kSectorAssaultSettings[] = {IDC_DEFSATS_LABEL, IDC_DEFSATS,      IDC_FRDS_LABEL,
                                      IDC_FRDS,          IDC_PLANET_LABEL, IDC_PLANET};
const int kBaseDamage[] = {IDC_BASE_DAMAGE_LABEL, IDC_BASE_DAMAGE, IDC_BASE_DAMAGE_PERCENT};
const int kPlanetDamage[] = {IDC_PLANET_DAMAGE_LABEL, IDC_PLANET_DAMAGE, IDC_PLANET_DAMAGE_PERCENT};
const int kSlots2And3[] = {IDC_SHIP2_GROUP, IDC_SELECT2, IDC_CLEAR2,
                           IDC_SHIP3_GROUP, IDC_SELECT3, IDC_CLEAR3};

template <size_t N>
void ExpectVisible(const fw::DialogDriver& d, const int (&ids)[N], bool visible) {
    for (int id : ids) {
        EXPECT_EQ(d.IsVisible(id), visible) << "control " << id;
    }
}

// What both modes share: empty slots, both fields "0", the focus on Select 1.
void ExpectCommonOpening(fw::DialogDriver& d) {
    for (int id : kSlotTexts) {
        EXPECT_EQ(d.Text(id), "") << "control " << id;
    }
    ExpectVisible(d, kSlotTexts, true);
    EXPECT_EQ(d.Text(IDC_BASE_DAMAGE), "0");
    EXPECT_EQ(d.Text(IDC_PLANET_DAMAGE), "0");
    EXPECT_EQ(d.Focus(), IDC_SELECT1);
}

// The About, Copy and Paste items and the icon, as the dialog set them, in either mode.
void ExpectMenuAndIcon(fw::DialogDriver& d) {
    fw::headless::HeadlessDialogDriver& h = AsHeadless(d);
    const std::vector<SystemMenuItem> menu = h.SystemMenu();
    ASSERT_EQ(menu.size(), 8u);
    EXPECT_EQ(menu[0].commandId, 0u);  // a separator
    EXPECT_EQ(menu[1].commandId, static_cast<unsigned>(IDM_ABOUTBOX));
    EXPECT_EQ(menu[1].text, "&About Kestrivar...");
    EXPECT_EQ(menu[2].commandId, 0u);
    EXPECT_EQ(menu[3].commandId, static_cast<unsigned>(IDM_COPY_FLEET));
    EXPECT_EQ(menu[3].text, "Copy Fleet as &Text\tCtrl+C");
    EXPECT_EQ(menu[4].commandId, static_cast<unsigned>(IDM_PASTE_FLEET));
    EXPECT_EQ(menu[4].text, "&Paste Fleet\tCtrl+V");
    EXPECT_EQ(menu[6].commandId, static_cast<unsigned>(IDM_OPEN_FLEET));
    EXPECT_EQ(menu[7].text, "Sa&ve Fleet As...\tCtrl+Shift+S");
    EXPECT_EQ(h.Icon(true), static_cast<fw::IconHandle>(IDR_MAINFRAME));
    EXPECT_EQ(h.Icon(false), static_cast<fw::IconHandle>(IDR_MAINFRAME));
}

TEST_P(MainDialogOpening, NormalModeKeepsTheTemplateLayout) {
    CKestrivarDlg dlg;
    dlg.SetVezireZaradud(0);
    ui_.ExpectModal(IDD_KESTRIVAR_DIALOG, [](fw::DialogDriver& d) {
        EXPECT_EQ(d.Caption(), "Kestrivar 1.3");
        ExpectCommonOpening(d);
        EXPECT_EQ(d.Text(IDC_TOTAL_BPV), "");  // no slot has changed yet
        ExpectVisible(d, kSlots2And3, true);
        ExpectVisible(d, kSectorAssaultSettings, false);
        ExpectVisible(d, kBaseDamage, false);
        ExpectVisible(d, kPlanetDamage, false);
        EXPECT_EQ(d.Selection(IDC_PLANET), -1);
        d.Close();
    });
    EXPECT_EQ(dlg.DoModal(), fw::kIdCancel);
}

// Both rules run on Clear 1 and never show a damage field outside Sector Assault mode.
TEST_P(MainDialogOpening, NormalModeClearShowsEmptySlotsAndNoDamageFields) {
    CKestrivarDlg dlg;
    ui_.ExpectModal(IDD_KESTRIVAR_DIALOG, [](fw::DialogDriver& d) {
        for (int clear : {IDC_CLEAR3, IDC_CLEAR2, IDC_CLEAR1}) {
            d.Click(clear);
            EXPECT_EQ(d.Text(IDC_TOTAL_BPV), "0");
            ExpectVisible(d, kBaseDamage, false);
            ExpectVisible(d, kPlanetDamage, false);
        }
        for (int id : kSlotTexts) {
            EXPECT_EQ(d.Text(id), "") << "control " << id;
        }
        d.Close();
    });
    dlg.DoModal();
}

TEST_P(MainDialogOpening, SectorAssaultModeShowsTheMissionSettingsInPlaceOfSlots2And3) {
    CKestrivarDlg dlg;
    dlg.SetVezireZaradud(1);
    ui_.ExpectModal(IDD_KESTRIVAR_DIALOG, [](fw::DialogDriver& d) {
        EXPECT_EQ(d.Caption(), "Sector Assault Configuration");
        ExpectCommonOpening(d);
        EXPECT_EQ(d.Text(IDC_TOTAL_BPV), "0");  // slot 1 was cleared
        ExpectVisible(d, kSlots2And3, false);
        ExpectVisible(d, kSectorAssaultSettings, true);
        for (int id : {IDC_SHIP1_GROUP, IDC_SELECT1, IDC_CLEAR1}) {
            EXPECT_TRUE(d.IsVisible(id)) << "control " << id;
        }
        EXPECT_EQ(d.Selection(IDC_DEFSATS), 0);
        EXPECT_EQ(d.Selection(IDC_FRDS), 0);
        EXPECT_EQ(d.Selection(IDC_PLANET), 0);
        ExpectVisible(d, kBaseDamage, false);    // slot 1 is empty
        ExpectVisible(d, kPlanetDamage, false);  // "None"
        d.Close();
    });
    EXPECT_EQ(dlg.DoModal(), fw::kIdCancel);
}

TEST_P(MainDialogOpening, SectorAssaultPlanetDamageShowsForEveryPlanetButNone) {
    CKestrivarDlg dlg;
    dlg.SetVezireZaradud(1);
    ui_.ExpectModal(IDD_KESTRIVAR_DIALOG, [](fw::DialogDriver& d) {
        d.Select(IDC_PLANET, 1);  // "Light"
        ExpectVisible(d, kPlanetDamage, true);
        d.Type(IDC_PLANET_DAMAGE, "40");
        d.Select(IDC_PLANET, 2);  // "Heavy (Ph4)"
        ExpectVisible(d, kPlanetDamage, true);
        d.Select(IDC_PLANET, 0);  // "None"
        ExpectVisible(d, kPlanetDamage, false);
        ExpectVisible(d, kBaseDamage, false);
        EXPECT_EQ(d.Text(IDC_PLANET_DAMAGE), "40");  // hiding the field leaves its text
        d.Select(IDC_DEFSATS, 8);                    // the other lists have no rule
        ExpectVisible(d, kPlanetDamage, false);
        d.Click(IDC_CLEAR1);
        ExpectVisible(d, kBaseDamage, false);
        d.Close();
    });
    dlg.DoModal();
}

TEST_F(MainDialogOpeningHeadless, BothModesAddTheAboutItemAndSetTheIcon) {
    for (int vezireZaradud : {0, 1}) {
        SCOPED_TRACE(vezireZaradud);
        CKestrivarDlg dlg;
        dlg.SetVezireZaradud(vezireZaradud);
        ui_.ExpectModal(IDD_KESTRIVAR_DIALOG, [](fw::DialogDriver& d) {
            ExpectMenuAndIcon(d);
            d.Close();
        });
        EXPECT_EQ(dlg.DoModal(), fw::kIdCancel);
    }
}

KV_INSTANTIATE_UI_TEST_SUITE_P(MainDialogOpening);

}  // namespace

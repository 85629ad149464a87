#include <filesystem>

#include "fleet/tests/test_machine.h"

namespace fleettest {

struct TestMachine::State {
    testsupport::TempWinePrefix prefix;
};

TestMachine::TestMachine() : state_(new State) {}
TestMachine::~TestMachine() = default;

std::string TestMachine::FleetFile() const {
    return DriveC() + "/Kestrivar.FLT";
}

std::string TestMachine::DriveC() const {
    return state_->prefix.DriveC();
}

std::string TestMachine::InstallGame() {
    state_->prefix.SetGameDirectory("C:\\Games\\Halvane Reach");
    const std::string scripts = DriveC() + "/Games/Halvane Reach/Assets/Scripts";
    std::filesystem::create_directories(scripts);
    return scripts + "/scripts.ini";
}

testsupport::TempWinePrefix& TestMachine::Prefix() {
    return state_->prefix;
}

}  // namespace fleettest

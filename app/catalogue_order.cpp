#include "app/catalogue_order.h"

bool g_orderIgnoresClass = false;

bool ShipOrderLess(const ShipSpec& lhs, const ShipSpec& rhs) {
    return MakeShipOrderKey(lhs) < MakeShipOrderKey(rhs);
}

ShipOrderKey MakeShipOrderKey(const ShipSpec& ship) {
    return ShipOrderKey{ship.race, g_orderIgnoresClass ? 0 : ship.hullClass, ship.bpv};
}

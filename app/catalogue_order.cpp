#include "app/catalogue_order.h"

bool g_orderIgnoresClass = false;

bool ShipOrderLess(const ShipSpec& lhs, const ShipSpec& rhs) {
    if (lhs.race != rhs.race) {
        return lhs.race < rhs.race;
    }
    if (!g_orderIgnoresClass && lhs.hullClass != rhs.hullClass) {
        return lhs.hullClass < rhs.hullClass;
    }
    return lhs.bpv < rhs.bpv;
}

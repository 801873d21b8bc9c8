// Address map entries generated from a layout header and a choice of
// active cables: one "%d\t%d\t%d-%d" line per electrode (electrode, relay
// address, cable, takeout).
#pragma once

#include "framework/Portable.h"
#include "design/AddressFormat.h"

#include <vector>

struct AddressMapChoice
{
    std::vector<bool> activeCables; // one per cable of the layout
    bool bOverlap = true;
    bool bCableJoints = false;
};

std::vector<CString> GenerateAddressEntries(const AddressHeader& layout, const AddressMapChoice& choice);

// The relay addresses (other than the placeholder 0) that more than one
// row uses, in ascending order.
std::vector<int> DuplicateRelayAddresses(const std::vector<CString>& rows);

// The hint for an entry's relay address: the KS808 connector pins it
// drives, or that it is a placeholder (address 0).
CString RelayPinHint(int nRelayAddress);

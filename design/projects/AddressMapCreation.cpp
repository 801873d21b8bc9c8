#include "framework/Portable.h"
#include "design/projects/AddressMapCreation.h"
#include "design/projects/ItemRows.h"
#include "design/KS808ConnectorDesign.h"

#include <map>

namespace {

// With cable joints on four active cables the selector's first addresses
// are wired in this order.
const int kJointStarts[4] = {22, 1, 33, 53};

int ActiveCount(const std::vector<bool>& active)
{
    int n = 0;
    for (bool b : active)
        n += b ? 1 : 0;
    return n;
}

} // namespace

std::vector<CString> GenerateAddressEntries(const AddressHeader& layout, const AddressMapChoice& choice)
{
    std::vector<CString> rows;
    const long long nElectrodes = layout.m_nElectrodes;
    const long long nFactor = layout.m_nFactor > 0 ? layout.m_nFactor : 1;
    const bool bJointStarts = ActiveCount(choice.activeCables) == 4 && choice.bCableJoints;
    long long nElectrode = 1;
    const int nCables = static_cast<int>(choice.activeCables.size());
    for (int c = 0; c < nCables && nElectrode <= nElectrodes; ++c) {
        long long nAddress = bJointStarts && c <= 3 ? kJointStarts[c] : nElectrode;
        if (!choice.activeCables[c])
            continue;
        const int nStep = choice.bCableJoints && (c == 1 || c == 2) ? 2 : 1;
        for (long long t = 1; t <= layout.m_nTakeouts; t += nFactor) {
            if (choice.bOverlap && c > 0 && t == 1 && nElectrode >= 2)
                t += nFactor;
            if (t > layout.m_nTakeouts)
                break;
            CString strRow;
            strRow.Format("%lld\t%lld\t%d-%lld", nElectrode, nAddress, c + 1, t);
            rows.push_back(strRow);
            ++nElectrode;
            nAddress += nStep;
            if (nElectrode > nElectrodes)
                break;
        }
    }
    return rows;
}

std::vector<int> DuplicateRelayAddresses(const std::vector<CString>& rows)
{
    std::map<int, int> uses;
    for (const CString& strRow : rows) {
        AdrItemRow row;
        if (row.Parse(strRow) && row.nAddress != 0)
            ++uses[row.nAddress];
    }
    std::vector<int> duplicates;
    for (const auto& entry : uses)
        if (entry.second > 1)
            duplicates.push_back(entry.first);
    return duplicates;
}

CString RelayPinHint(int nRelayAddress)
{
    if (nRelayAddress == 0)
        return "This address entry is used as a place holder and is not connected.";
    CString strHint;
    strHint.Format("Relay address %d maps to pin(s):", nRelayAddress);
    for (int nConnector = 0; nConnector < KS808ConnectorDesign::Connectors; ++nConnector) {
        const int nPin = g_KS808ConnectorDesign.GetPin(nConnector, nRelayAddress);
        if (nPin > 0)
            strHint.AppendFormat("\r\n\tConnector #%d - Pin %c", nConnector + 1, nPin);
    }
    return strHint;
}

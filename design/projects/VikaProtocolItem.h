// One row of a Vika project's list: observes a Vika protocol record and
// writes its counts, address file, channels, array and geometry.
#pragma once

#include "framework/Portable.h"
#include "app/project/ProtocolItem.h"

class CVikaProtocolItem : public CProtocolItem
{
public:
    CVikaProtocolItem() = default;
    ~CVikaProtocolItem() override = default;

    void OnUpdate(rw::ISubject* pSubject, rw::Hint hint) override;
};

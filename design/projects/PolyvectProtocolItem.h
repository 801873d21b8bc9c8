// One row of a Polyvect project's list: array, geometry file and count.
#pragma once

#include "framework/Portable.h"
#include "app/project/ProtocolItem.h"

class CPolyvectProtocolItem : public CProtocolItem
{
public:
    void OnUpdate(rw::ISubject* pSubject, rw::Hint hint) override;
};

// Temporary wrapper objects for handles nobody owns (FromHandle of a DC,
// menu or GDI object). They live until the application's idle time, when
// no handler can still hold one.
#pragma once

#include <memory>
#include <unordered_map>

template <class Handle, class Object>
class CTempHandleMap
{
public:
    Object* Lookup(Handle h)
    {
        auto it = m_map.find(h);
        return it == m_map.end() ? nullptr : it->second.get();
    }
    Object* Add(Handle h, std::unique_ptr<Object> pObject)
    {
        Object* p = pObject.get();
        m_map[h] = std::move(pObject);
        return p;
    }
    void Clear()
    {
        std::unordered_map<Handle, std::unique_ptr<Object>> doomed;
        doomed.swap(m_map);
    }

private:
    std::unordered_map<Handle, std::unique_ptr<Object>> m_map;
};

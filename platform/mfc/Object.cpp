// CObject and CRuntimeClass: class names, derivation tests and dynamic creation.
#include "AfxObject.h"

#include "AfxException.h"

#include <cstdlib>

CObject::CObject() = default;
CObject::~CObject() = default;

CRuntimeClass* CObject::_GetBaseClass() { return nullptr; }

const CRuntimeClass CObject::classCObject = {
    "CObject", static_cast<int>(sizeof(CObject)), 0xFFFF, nullptr, &CObject::_GetBaseClass };

CRuntimeClass* CObject::GetRuntimeClass() const { return RUNTIME_CLASS(CObject); }

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const
{
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}

CObject* CRuntimeClass::CreateObject() const
{
    return m_pfnCreateObject ? m_pfnCreateObject() : nullptr;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    for (const CRuntimeClass* p = this; p != nullptr; p = p->m_pfnGetBaseClass ? p->m_pfnGetBaseClass() : nullptr) {
        if (p == pBaseClass)
            return TRUE;
    }
    return FALSE;
}

CObject* AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject)
{
    return pObject != nullptr && pObject->IsKindOf(pClass) ? pObject : nullptr;
}

void* CObject::operator new(size_t nSize)
{
    void* p = std::malloc(nSize != 0 ? nSize : 1);
    if (p == nullptr)
        AfxThrowMemoryException();
    return p;
}

void CObject::operator delete(void* p) noexcept { std::free(p); }

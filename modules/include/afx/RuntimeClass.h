#pragma once
// Run-time class information and creation by class, the way the dialogs
// create their test pages: RUNTIME_CLASS(CSimplePage)->CreateObject().
#include <memory>

class CObject;

struct CRuntimeClass {
    const char* m_lpszClassName;
    CObject* (*m_pfnCreateObject)();  // null unless the class is DECLARE_DYNCREATE
    const CRuntimeClass* m_pBaseClass;

    // A new object of the class, owned by the caller; null when the class
    // cannot be created dynamically.
    CObject* CreateObject() const;
    bool IsDerivedFrom(const CRuntimeClass* pBaseClass) const;

    // CreateObject() as an owner of a `T`; null (and nothing leaked) when
    // the class cannot be created or its objects are not `T`s.
    template <typename T>
    std::unique_ptr<T> CreateObjectAs() const;
};

// Root of the classes with run-time class information.
class CObject {
public:
    CObject() = default;
    virtual ~CObject() = default;
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;

    virtual const CRuntimeClass* GetRuntimeClass() const;
    bool IsKindOf(const CRuntimeClass* pClass) const { return GetRuntimeClass()->IsDerivedFrom(pClass); }

    static const CRuntimeClass classCObject;
};

template <typename T>
std::unique_ptr<T> CRuntimeClass::CreateObjectAs() const {
    std::unique_ptr<CObject> object(CreateObject());
    T* typed = dynamic_cast<T*>(object.get());
    if (typed) object.release();
    return std::unique_ptr<T>(typed);
}

#define RUNTIME_CLASS(theClass) (&theClass::class##theClass)

#define DECLARE_DYNAMIC(theClass)                              \
public:                                                        \
    static const CRuntimeClass class##theClass;                \
    const CRuntimeClass* GetRuntimeClass() const override;

// The class also needs a constructor that takes no arguments.
#define DECLARE_DYNCREATE(theClass) \
    DECLARE_DYNAMIC(theClass)       \
    static CObject* CreateObject();

#define AFX_IMPLEMENT_RUNTIMECLASS(theClass, baseClass, createFunction)                        \
    const CRuntimeClass theClass::class##theClass = {#theClass, createFunction,                \
                                                     RUNTIME_CLASS(baseClass)};                \
    const CRuntimeClass* theClass::GetRuntimeClass() const { return RUNTIME_CLASS(theClass); }

#define IMPLEMENT_DYNAMIC(theClass, baseClass) AFX_IMPLEMENT_RUNTIMECLASS(theClass, baseClass, nullptr)

#define IMPLEMENT_DYNCREATE(theClass, baseClass)               \
    CObject* theClass::CreateObject() { return new theClass; } \
    AFX_IMPLEMENT_RUNTIMECLASS(theClass, baseClass, &theClass::CreateObject)

#pragma once
// Creation by class, the way the frame creates its test pages:
// RUNTIME_CLASS(CSimplePage)->CreateObjectAs<CKeyboardTest>().
#include <memory>

class CObject;

struct CRuntimeClass {
    CObject* (*m_pfnCreateObject)();

    // A new object of the class as an owner of a `T`; null (and nothing
    // leaked) when its objects are not `T`s.
    template <typename T>
    std::unique_ptr<T> CreateObjectAs() const;
};

// Root of the framework's classes.
class CObject {
public:
    CObject() = default;
    virtual ~CObject() = default;
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;
};

template <typename T>
std::unique_ptr<T> CRuntimeClass::CreateObjectAs() const {
    std::unique_ptr<CObject> object(m_pfnCreateObject());
    T* typed = dynamic_cast<T*>(object.get());
    if (typed) object.release();
    return std::unique_ptr<T>(typed);
}

#define RUNTIME_CLASS(theClass) (&theClass::class##theClass)

// The class also needs a constructor that takes no arguments.
#define DECLARE_DYNCREATE(theClass)                \
public:                                            \
    static const CRuntimeClass class##theClass;    \
    static CObject* CreateObject();

#define IMPLEMENT_DYNCREATE(theClass)                          \
    CObject* theClass::CreateObject() { return new theClass; } \
    const CRuntimeClass theClass::class##theClass = {&theClass::CreateObject};

// Making stand-in objects findable the way the real ones are: published in
// the running-object table under a class, a ProgID naming a class in the
// registry, and a class that this process creates on request. Each lasts
// while its object lives.
#pragma once

#include "devenv/ComRef.h"

#include <objbase.h>

#include <functional>
#include <string>

namespace DevEnvStandIn {

// RegisterActiveObject (strong), revoked by Revoke or the destructor.
class RunningObject {
public:
    RunningObject(IUnknown* object, const CLSID& clsid);
    ~RunningObject();
    RunningObject(const RunningObject&) = delete;
    RunningObject& operator=(const RunningObject&) = delete;

    // The registration's result.
    HRESULT Result() const { return result_; }
    void Revoke();

private:
    HRESULT result_;
    DWORD cookie_;
};

// HKEY_CLASSES_ROOT\<progId>\CLSID, removed again by the destructor.
class ProgIdKey {
public:
    ProgIdKey(const std::wstring& progId, const CLSID& clsid);
    ~ProgIdKey();
    ProgIdKey(const ProgIdKey&) = delete;
    ProgIdKey& operator=(const ProgIdKey&) = delete;

private:
    std::wstring progId_;
};

// A class object registered with CoRegisterClassObject in the context
// (in-process, or local server as an environment's program registers it):
// each creation asks make for a new object.
class ClassRegistration {
public:
    using Make = std::function<ComRef<IUnknown>()>;
    ClassRegistration(const CLSID& clsid, Make make, DWORD context = CLSCTX_INPROC_SERVER);
    ~ClassRegistration();
    ClassRegistration(const ClassRegistration&) = delete;
    ClassRegistration& operator=(const ClassRegistration&) = delete;

    HRESULT Result() const { return result_; }

private:
    HRESULT result_;
    DWORD cookie_;
};

// The text form of a class identifier as the add-in writes it: in braces,
// lower case.
std::string ClassText(const CLSID& clsid);

} // namespace DevEnvStandIn

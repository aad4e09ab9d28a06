// Publishing the environment's hand-off object in the running-object table and revoking it.
#include "KyAddIn/HandoffState.h"

#include "KyAddIn/VcApp.h"

#include <cwctype>
#include <string>

namespace KyAddIn {

namespace {

const char kVcVariable[] = "KYVANT_VC_CLSID";
const char kVsNetVariable[] = "KYVANT_VSNET_CLSID";
const int kGuidTextSize = 40;

// The class identifier in braces, lower case.
std::string ClassText(const CLSID& clsid)
{
    wchar_t wide[kGuidTextSize];
    const int n = StringFromGUID2(clsid, wide, kGuidTextSize);
    std::string text;
    for (int i = 0; i + 1 < n; ++i)
        text += static_cast<char>(std::towlower(wide[i]));
    return text;
}

bool SlotTaken(unsigned slot)
{
    IUnknown* other = nullptr;
    if (GetActiveObject(kVcAppClsids[slot], nullptr, &other) != S_OK)
        return false;
    if (other)
        other->Release();
    return true;
}

bool PublishInSlot(unsigned slot, bool vsNet)
{
    if (SlotTaken(slot))
        return false;
    IUnknown* object = KyvantVcApp::New(slot);
    if (!object)
        return false;
    IUnknown* unknown = nullptr;
    HRESULT hr = object->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown));
    object->Release();
    if (FAILED(hr))
        return false;
    PublicationSlot& entry = TheHandoffState().slots[slot];
    hr = RegisterActiveObject(unknown, kVcAppClsids[slot], ACTIVEOBJECT_STRONG, &entry.cookie);
    entry.object = SUCCEEDED(hr) ? unknown : nullptr;
    if (SUCCEEDED(hr)) {
        const std::string text = ClassText(kVcAppClsids[slot]);
        SetEnvironmentVariableA(kVcVariable, text.c_str());
        if (vsNet)
            SetEnvironmentVariableA(kVsNetVariable, text.c_str());
    }
    unknown->Release();
    return SUCCEEDED(hr);
}

} // namespace

HandoffState& TheHandoffState()
{
    static HandoffState state;
    return state;
}

void PublishIdeObject(bool vsNet)
{
    for (unsigned slot = 0; slot < kSlotCount; ++slot)
        if (PublishInSlot(slot, vsNet))
            return;
}

void RevokeIdeObjects()
{
    for (PublicationSlot& entry : TheHandoffState().slots) {
        if (!entry.object)
            continue;
        RevokeActiveObject(entry.cookie, nullptr);
        entry.object = nullptr;
        entry.cookie = 0;
        SetEnvironmentVariableA(kVcVariable, nullptr);
        SetEnvironmentVariableA(kVsNetVariable, nullptr);
    }
}

} // namespace KyAddIn

// KyTouchGSubDialogPage::DateTime: one time stamp's controls and state: the
// stored state, the pickers, "Now" and the copy-source toolbar.
#include "KyTools/Touch/KyTouchGSubDialogPage.h"

#include "KyStd/Registry/RegValues.h"

#include <cstdio>

namespace {

using Kyvant::TouchStateRecord;

// A picker with this format shows nothing.
const char kBlankFormat[] = " ";

bool IsZero(const FILETIME& time)
{
    return time.dwLowDateTime == 0 && time.dwHighDateTime == 0;
}

} // namespace

KyTouchGSubDialogPage::DateTime::DateTime(DateTime* next, KyTouchGSubDialogPage& page,
                                          const char* option, const char* prefix,
                                          bool applyByDefault, const GroupIds& ids)
    : m_next(next), m_page(page), m_toolbar(nullptr), m_option(option), m_prefix(prefix),
      m_applyName(ValueName("Apply")), m_nowName(ValueName("Now")), m_dateName(ValueName("Date")),
      m_timeName(ValueName("Time")), m_applyByDefault(applyByDefault), m_apply(applyByDefault),
      m_now(true), m_time(), m_ids(ids)
{
}

Kyvant::ky_I KyTouchGSubDialogPage::DateTime::ValueName(const char* suffix) const
{
    Kyvant::ky_I name(m_prefix);
    name += suffix;
    return name;
}

void KyTouchGSubDialogPage::DateTime::Attach(CToolBarCtrl& toolbar, const Kyvant::RegKey& settings)
{
    m_toolbar = &toolbar;
    m_datePicker.SubclassDlgItem(static_cast<UINT>(m_ids.datePicker), &m_page);
    m_timePicker.SubclassDlgItem(static_cast<UINT>(m_ids.timePicker), &m_page);
    SetPickersToNow();
    ShowPickerTimes(false);
    LoadState(settings);
    Show();
    UpdateControls();
}

void KyTouchGSubDialogPage::DateTime::LoadState(const Kyvant::RegKey& settings)
{
    const HKEY key = settings.get();
    TouchStateRecord state;
    state.apply = Kyvant::GetRegistryDWORD(key, m_applyName.c_str(), m_applyByDefault ? 1 : 0) != 0;
    state.now = Kyvant::GetRegistryDWORD(key, m_nowName.c_str(), 1) != 0;
    state.date = Kyvant::GetRegistryDWORD(key, m_dateName.c_str(), TouchStateRecord::kAbsent);
    state.time = Kyvant::GetRegistryDWORD(key, m_timeName.c_str(), TouchStateRecord::kAbsent);
    SetState(state);
}

void KyTouchGSubDialogPage::DateTime::StoreState(const Kyvant::RegKey& settings) const
{
    const HKEY key = settings.get();
    const TouchStateRecord state = GetState();
    Kyvant::WriteRegistryDWORD(key, m_applyName.c_str(), state.apply ? 1 : 0);
    Kyvant::WriteRegistryDWORD(key, m_nowName.c_str(), state.now ? 1 : 0);
    Kyvant::WriteRegistryDWORD(key, m_dateName.c_str(), state.date);
    Kyvant::WriteRegistryDWORD(key, m_timeName.c_str(), state.time);
}

TouchStateRecord KyTouchGSubDialogPage::DateTime::GetState() const
{
    if (!m_apply || m_now)
        return TouchStateRecord::Now(m_apply);
    SYSTEMTIME when;
    if (IsZero(m_time) || !::FileTimeToSystemTime(&m_time, &when)) {
        // Applied at a time that was never given: kept as such, without one.
        TouchStateRecord state = TouchStateRecord::Now(true);
        state.now = false;
        return state;
    }
    return TouchStateRecord::Given(true, when);
}

void KyTouchGSubDialogPage::DateTime::SetState(const TouchStateRecord& state)
{
    m_apply = state.apply;
    m_now = state.now;
    SYSTEMTIME when;
    if (!state.GetTime(when) || !::SystemTimeToFileTime(&when, &m_time))
        m_time = FILETIME();
}

void KyTouchGSubDialogPage::DateTime::Show()
{
    m_page.CheckDlgButton(m_ids.apply, m_apply ? BST_CHECKED : BST_UNCHECKED);
    m_page.CheckDlgButton(m_ids.now, m_now ? BST_CHECKED : BST_UNCHECKED);
    SYSTEMTIME when;
    if (!IsZero(m_time) && ::FileTimeToSystemTime(&m_time, &when))
        SetPickerTimes(when);
}

void KyTouchGSubDialogPage::DateTime::Reset()
{
    SetState(TouchStateRecord::Now(false));
    if (m_datePicker.m_hWnd == nullptr)
        return;
    SetPickersToNow();
    ShowPickerTimes(false);
    Show();
}

void KyTouchGSubDialogPage::DateTime::TakeStateFromControls()
{
    m_apply = IsApplyChecked();
    if (!m_apply)
        return;
    m_now = IsNowChecked();
    if (m_now)
        return;
    const SYSTEMTIME when = PickerTime();
    if (!::SystemTimeToFileTime(&when, &m_time))
        m_time = FILETIME();
}

void KyTouchGSubDialogPage::DateTime::AppendArgument(const SubDialogBridge::ArgSink& argv) const
{
    if (!m_apply)
        return;
    Kyvant::ky_S argument(m_option.c_str());
    SYSTEMTIME when;
    if (!m_now && !IsZero(m_time) && ::FileTimeToSystemTime(&m_time, &when)) {
        // Fourteen digits and the NUL.
        char digits[16];
        std::snprintf(digits, sizeof digits, "%04d%02d%02d%02d%02d%02d", when.wYear, when.wMonth,
                      when.wDay, when.wHour, when.wMinute, when.wSecond);
        argument += digits;
    }
    argv.append(argument);
}

void KyTouchGSubDialogPage::DateTime::UpdateControls()
{
    const bool apply = IsApplyChecked();
    const bool times = apply && !IsNowChecked();
    for (int id : {m_ids.dateLabel, m_ids.datePicker, m_ids.timeLabel, m_ids.timePicker})
        m_page.GetDlgItem(id)->EnableWindow(times ? TRUE : FALSE);
    ShowPickerTimes(times);
    m_page.GetDlgItem(m_ids.now)->EnableWindow(apply ? TRUE : FALSE);
    if (m_toolbar != nullptr) {
        // A time stamp that is not set cannot be the source of a copy.
        if (!apply)
            m_toolbar->CheckButton(m_ids.makeSource, FALSE);
        m_toolbar->EnableButton(m_ids.makeSource, apply ? TRUE : FALSE);
    }
    m_page.RefreshCopySource();
}

void KyTouchGSubDialogPage::DateTime::OnApplyClicked()
{
    m_page.DocSetModified();
    UpdateControls();
}

void KyTouchGSubDialogPage::DateTime::OnNowClicked(bool shift)
{
    m_page.DocSetModified();
    if (shift) {
        SetPickersToNow();
        m_page.CheckDlgButton(m_ids.now, BST_UNCHECKED);
    }
    UpdateControls();
}

void KyTouchGSubDialogPage::DateTime::OnMakeSourceClicked()
{
    const bool checked = IsSource();
    for (DateTime* group = m_page.m_head; group != nullptr; group = group->m_next) {
        if (group == this || group->m_toolbar == nullptr ||
            !group->m_toolbar->IsButtonEnabled(group->m_ids.makeSource))
            continue;
        group->m_toolbar->CheckButton(group->m_ids.makeSource, FALSE);
        group->EnableCopy(checked);
    }
    EnableCopy(false);
}

void KyTouchGSubDialogPage::DateTime::OnCopyClicked()
{
    DateTime* source = m_page.GetSource();
    if (source == nullptr || source == this)
        return;
    m_page.DocSetModified();
    const bool now = source->IsNowChecked();
    if (!now)
        SetPickerTimes(source->PickerTime());
    if (IsNowChecked() != now) {
        m_page.CheckDlgButton(m_ids.now, now ? BST_CHECKED : BST_UNCHECKED);
        OnNowClicked(false);
    }
}

bool KyTouchGSubDialogPage::DateTime::IsApplyChecked() const
{
    return m_page.IsDlgButtonChecked(m_ids.apply) == BST_CHECKED;
}

bool KyTouchGSubDialogPage::DateTime::IsNowChecked() const
{
    return m_page.IsDlgButtonChecked(m_ids.now) == BST_CHECKED;
}

bool KyTouchGSubDialogPage::DateTime::IsSource() const
{
    return m_toolbar != nullptr && m_toolbar->IsButtonChecked(m_ids.makeSource);
}

void KyTouchGSubDialogPage::DateTime::EnableCopy(bool enable)
{
    if (m_toolbar != nullptr)
        m_toolbar->EnableButton(m_ids.copy, enable ? TRUE : FALSE);
}

void KyTouchGSubDialogPage::DateTime::SetPickerTimes(const SYSTEMTIME& when)
{
    SYSTEMTIME copy = when;
    m_datePicker.SetTime(&copy);
    m_timePicker.SetTime(&copy);
}

void KyTouchGSubDialogPage::DateTime::SetPickersToNow()
{
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    SetPickerTimes(now);
}

SYSTEMTIME KyTouchGSubDialogPage::DateTime::PickerTime() const
{
    SYSTEMTIME date = {};
    SYSTEMTIME time = {};
    m_datePicker.GetTime(&date);
    m_timePicker.GetTime(&time);
    SYSTEMTIME when = date;
    when.wHour = time.wHour;
    when.wMinute = time.wMinute;
    when.wSecond = time.wSecond;
    when.wMilliseconds = 0;
    return when;
}

void KyTouchGSubDialogPage::DateTime::ShowPickerTimes(bool shown)
{
    const char* format = shown ? nullptr : kBlankFormat;
    m_datePicker.SetFormat(format);
    m_timePicker.SetFormat(format);
}

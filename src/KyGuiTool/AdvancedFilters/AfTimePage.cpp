// AfTimePage: the time filter shown in and taken from its controls.
#include "KyGuiTool/AdvancedFilters/AfTimePage.h"

#include "KyGuiTool/AdvancedFilters/AdvancedFiltersResource.h"
#include "KyStd/Core/Errors.h"
#include "KyStd/Strings/String.h"

#include <afxcmn.h>
#include <commctrl.h>

#include <climits>
#include <string>

namespace {

using namespace Kyvant::AdvancedFiltration;

constexpr UINT kTemplate = IDD_KY_AF_TIME;

const int kHelpControls[] = {
    IDC_KY_AF_TIME_ON,          IDC_KY_AF_TIME_FIELD,      IDC_KY_AF_TIME_IN_THE_LAST,
    IDC_KY_AF_TIME_BEFORE,      IDC_KY_AF_TIME_AFTER,      IDC_KY_AF_TIME_BETWEEN,
    IDC_KY_AF_TIME_COUNT,       IDC_KY_AF_TIME_UNIT,       IDC_KY_AF_TIME_BEFORE_DATE,
    IDC_KY_AF_TIME_BEFORE_TIME, IDC_KY_AF_TIME_AFTER_DATE, IDC_KY_AF_TIME_AFTER_TIME,
    IDC_KY_AF_TIME_FROM_DATE,   IDC_KY_AF_TIME_FROM_TIME,  IDC_KY_AF_TIME_TO_DATE,
    IDC_KY_AF_TIME_TO_TIME,
};
const AfPageBase::HelpControls kHelp = {
    kHelpControls, static_cast<int>(sizeof kHelpControls / sizeof kHelpControls[0])};

const AfPageBase::Dependent kDependents[] = {
    {IDC_KY_AF_TIME_IN_THE_LAST, IDC_KY_AF_TIME_COUNT, IDC_KY_AF_TIME_UNIT},
    {IDC_KY_AF_TIME_BEFORE, IDC_KY_AF_TIME_BEFORE_DATE, IDC_KY_AF_TIME_BEFORE_TIME},
    {IDC_KY_AF_TIME_AFTER, IDC_KY_AF_TIME_AFTER_DATE, IDC_KY_AF_TIME_AFTER_TIME},
    {IDC_KY_AF_TIME_BETWEEN, IDC_KY_AF_TIME_FROM_DATE, IDC_KY_AF_TIME_TO_TIME},
};

const AfPageBase::Layout kLayout = {IDC_KY_AF_TIME_ON,
                                    IDC_KY_AF_TIME_FIELD_LABEL,
                                    IDC_KY_AF_TIME_TO_TIME,
                                    IDC_KY_AF_TIME_AND,
                                    kDependents,
                                    static_cast<int>(sizeof kDependents / sizeof kDependents[0])};

const AfPageBase::Captions kCaptions = {IDS_KY_AF_TIME, IDS_KY_AF_TIME_ON};

// The radio buttons in the order of the filter's modes.
const int kModeRadios[] = {IDC_KY_AF_TIME_IN_THE_LAST, IDC_KY_AF_TIME_BEFORE, IDC_KY_AF_TIME_AFTER,
                           IDC_KY_AF_TIME_BETWEEN};
constexpr int kModeCount = static_cast<int>(sizeof kModeRadios / sizeof kModeRadios[0]);

const int kPickerIds[] = {IDC_KY_AF_TIME_BEFORE_DATE, IDC_KY_AF_TIME_BEFORE_TIME,
                          IDC_KY_AF_TIME_AFTER_DATE,  IDC_KY_AF_TIME_AFTER_TIME,
                          IDC_KY_AF_TIME_FROM_DATE,   IDC_KY_AF_TIME_FROM_TIME,
                          IDC_KY_AF_TIME_TO_DATE,     IDC_KY_AF_TIME_TO_TIME};

SYSTEMTIME TodayAtMidnight()
{
    SYSTEMTIME today;
    ::GetLocalTime(&today);
    today.wHour = 0;
    today.wMinute = 0;
    today.wSecond = 0;
    today.wMilliseconds = 0;
    return today;
}

bool SetPickerTime(HWND picker, const SYSTEMTIME& time)
{
    return ::SendMessageA(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time)) !=
           0;
}

bool GetPickerTime(HWND picker, SYSTEMTIME& time)
{
    time = SYSTEMTIME();
    return ::SendMessageA(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time)) ==
           GDT_VALID;
}

} // namespace

IMPLEMENT_DYNAMIC(AfTimePage, AfPageBase)

AfTimePage::AfTimePage(Filters& filters)
    : AfPageBase(filters, kTemplate, kHelp, kCaptions, IsOn(filters), kLayout),
      m_keepsUnshown(false)
{
    AfxInitCommonControl(ICC_DATE_CLASSES | ICC_UPDOWN_CLASS);
}

bool AfTimePage::IsOn(const Filters& filters)
{
    return filters.Time().HasConditions();
}

void AfTimePage::InitControls()
{
    ::SendDlgItemMessageA(m_hWnd, IDC_KY_AF_TIME_COUNT_SPIN, UDM_SETRANGE32, 0, INT_MAX);
    const SYSTEMTIME today = TodayAtMidnight();
    for (int id : kPickerIds)
        SetPickerTime(::GetDlgItem(m_hWnd, id), today);

    const TimeFilter& filter = GetFilters().Time();
    const bool on = filter.HasConditions();
    const TimeFilter::Mode mode = on ? filter.GetMode() : TimeFilter::ModeInTheLast;
    m_keepsUnshown = false;
    const bool inTheLast = on && mode == TimeFilter::ModeInTheLast;
    if (inTheLast)
        SetDlgItemInt(IDC_KY_AF_TIME_COUNT, static_cast<UINT>(filter.GetCount()), TRUE);
    const bool hasField = on && filter.GetField() != FileTimeNone;
    FillCombo(IDC_KY_AF_TIME_FIELD, IDS_KY_AF_TIME_FIELDS,
              hasField ? filter.GetField() : FileTimeWrite);
    FillCombo(IDC_KY_AF_TIME_UNIT, IDS_KY_AF_TIME_UNITS,
              inTheLast ? filter.GetUnits() : InTheLastDays);
    SetChecked(IDC_KY_AF_TIME_ON, on);
    if (mode >= TimeFilter::ModeInTheLast && mode < kModeCount)
        SetChecked(kModeRadios[mode], true);
    // Last, as a time the pickers cannot show throws.
    if (on)
        ShowTimes(filter);
}

void AfTimePage::ShowTimes(const TimeFilter& filter)
{
    // A time the pickers cannot hold (or one that throws) is kept as it is
    // until the user changes the page.
    m_keepsUnshown = true;
    bool shown = true;
    switch (filter.GetMode()) {
    case TimeFilter::ModeBefore:
        shown =
            ShowTime({IDC_KY_AF_TIME_BEFORE_DATE, IDC_KY_AF_TIME_BEFORE_TIME}, filter.GetToTime());
        break;
    case TimeFilter::ModeAfter:
        shown =
            ShowTime({IDC_KY_AF_TIME_AFTER_DATE, IDC_KY_AF_TIME_AFTER_TIME}, filter.GetFromTime());
        break;
    case TimeFilter::ModeBetween:
        shown =
            ShowTime({IDC_KY_AF_TIME_FROM_DATE, IDC_KY_AF_TIME_FROM_TIME}, filter.GetFromTime());
        shown =
            ShowTime({IDC_KY_AF_TIME_TO_DATE, IDC_KY_AF_TIME_TO_TIME}, filter.GetToTime()) && shown;
        break;
    case TimeFilter::ModeInTheLast:
        break;
    default:
        shown = false;
        break;
    }
    m_keepsUnshown = !shown;
}

bool AfTimePage::ShowTime(const Pickers& pickers, const FileTime& time)
{
    const FILETIME local = time.AsLocalFILETIME();
    SYSTEMTIME shown;
    if (!::FileTimeToSystemTime(&local, &shown))
        throw Kyvant::os_error();
    const bool dateTaken = SetPickerTime(::GetDlgItem(m_hWnd, pickers.date), shown);
    const bool timeTaken = SetPickerTime(::GetDlgItem(m_hWnd, pickers.time), shown);
    return dateTaken && timeTaken;
}

int AfTimePage::CheckedMode() const
{
    for (int mode = 0; mode < kModeCount; ++mode) {
        if (IsChecked(kModeRadios[mode]))
            return mode;
    }
    return -1;
}

void AfTimePage::SaveControls(CDataExchange& dx)
{
    if (m_keepsUnshown && !ChangedByUser())
        return;
    TimeFilter filter;
    if (IsMasterOn()) {
        const FileTimeField field = static_cast<FileTimeField>(ComboIndex(IDC_KY_AF_TIME_FIELD));
        switch (CheckedMode()) {
        case TimeFilter::ModeInTheLast:
            SaveInTheLast(dx, filter, field);
            break;
        case TimeFilter::ModeBefore:
            filter.SetBeforeTime(
                field, TakeTime(dx, {IDC_KY_AF_TIME_BEFORE_DATE, IDC_KY_AF_TIME_BEFORE_TIME}));
            break;
        case TimeFilter::ModeAfter:
            filter.SetAfterTime(
                field, TakeTime(dx, {IDC_KY_AF_TIME_AFTER_DATE, IDC_KY_AF_TIME_AFTER_TIME}));
            break;
        case TimeFilter::ModeBetween: {
            const FileTime from =
                TakeTime(dx, {IDC_KY_AF_TIME_FROM_DATE, IDC_KY_AF_TIME_FROM_TIME});
            const FileTime to = TakeTime(dx, {IDC_KY_AF_TIME_TO_DATE, IDC_KY_AF_TIME_TO_TIME});
            filter.SetBetweenTime(field, from, to);
            break;
        }
        default:
            Fail(dx, IDC_KY_AF_TIME_IN_THE_LAST, IDS_KY_AF_NO_TIME_MODE);
        }
    }
    GetFilters().Time() = filter;
}

void AfTimePage::SaveInTheLast(CDataExchange& dx, TimeFilter& filter, FileTimeField field)
{
    dx.PrepareEditCtrl(IDC_KY_AF_TIME_COUNT);
    Kyvant::ky_S text;
    text.GetWindowTextA(::GetDlgItem(m_hWnd, IDC_KY_AF_TIME_COUNT));
    int count = 0;
    try {
        count = text.GetInt(10);
    } catch (const std::exception&) {
        AfxMessageBox(AFX_IDP_PARSE_INT, MB_OK | MB_ICONEXCLAMATION);
        dx.Fail();
    }
    // A negative count is refused by the filter with its own message.
    filter.SetInTheLastTime(field, count,
                            static_cast<InTheLastTimeUnits>(ComboIndex(IDC_KY_AF_TIME_UNIT)));
}

FileTime AfTimePage::TakeTime(CDataExchange& dx, const Pickers& pickers)
{
    SYSTEMTIME date;
    SYSTEMTIME time;
    if (!GetPickerTime(::GetDlgItem(m_hWnd, pickers.date), date))
        Fail(dx, pickers.date, IDS_KY_AF_INVALID_DATE);
    if (!GetPickerTime(::GetDlgItem(m_hWnd, pickers.time), time))
        Fail(dx, pickers.time, IDS_KY_AF_INVALID_TIME);
    dx.PrepareCtrl(pickers.time);
    SYSTEMTIME local = date;
    local.wHour = time.wHour;
    local.wMinute = time.wMinute;
    local.wSecond = time.wSecond;
    local.wMilliseconds = time.wMilliseconds;
    return FileTime(local, true);
}

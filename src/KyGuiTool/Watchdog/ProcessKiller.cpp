// The process watchdog: one thread timer, the ticks, the status dialog's
// opening and closing, and the end of the watchdog from its manager or its
// user. Every call into the user may end the watchdog; after each one the
// watchdog checks that it still runs before it touches itself again.
#include "KyGuiTool/Watchdog/ProcessKiller.h"

#include "KyGuiTool/Watchdog/EndTaskStatusDlg.h"
#include "KyStd/Core/Errors.h"

#include <exception>
#include <stdexcept>

namespace Kyvant {
namespace ProcessKiller {

namespace {

const unsigned kDefaultFirstMs = 500;
const unsigned kDefaultPeriodicMs = 10000;
const DWORD kTerminatedExitCode = 1;

unsigned g_firstMs = kDefaultFirstMs;
unsigned g_periodicMs = kDefaultPeriodicMs;

void CALLBACK TimerProc(HWND, UINT, UINT_PTR id, DWORD);

} // namespace

class Watchdog final : private EndTaskStatusDlg::Listener {
public:
    static Watchdog* s_current;
    static unsigned s_generation;

    static bool Alive(unsigned generation) { return s_current && s_generation == generation; }

    static unsigned Start(User& user)
    {
        if (s_current)
            throw std::runtime_error("Too many ProcessKillers");
        Watchdog* watchdog = new Watchdog(user);
        try {
            watchdog->StartTimer(g_firstMs);
        } catch (...) {
            delete watchdog;
            throw;
        }
        s_current = watchdog;
        user.m_state = User::kRunning;
        return ++s_generation;
    }

    // Ends the watchdog of that generation, if it still runs; with tellUser
    // the user learns of the closed dialog and of the end past the first
    // tick, else nothing calls into the user.
    static void End(unsigned generation, bool tellUser)
    {
        if (!Alive(generation))
            return;
        Watchdog* watchdog = s_current;
        s_current = nullptr; // a call into the user from here on sees no watchdog
        watchdog->TearDown(tellUser);
        delete watchdog;
    }

    static void EndForUser(const User& user)
    {
        if (s_current && s_current->m_user == &user)
            End(s_generation, false);
    }

    UINT_PTR Timer() const { return m_timer; }

    void Tick()
    {
        const unsigned generation = s_generation;
        if (!m_firstTickPassed) {
            m_firstTickPassed = true;
            StartTimer(g_periodicMs);
            m_user->m_state = User::kFirstTickPassed;
            m_user->OnFirstTick();
            return;
        }
        if (m_dialog)
            return;
        if (!m_user->PromptNow() || !Alive(generation))
            return;
        OpenStatusDialog(generation);
    }

private:
    explicit Watchdog(User& user)
        : m_user(&user), m_firstTickPassed(false), m_timer(0), m_dialog(nullptr), m_owner(nullptr),
          m_ownerDisabled(false), m_creating(false), m_closing(false)
    {
    }

    ~Watchdog()
    {
        if (m_timer)
            ::KillTimer(nullptr, m_timer);
    }

    void StartTimer(unsigned ms)
    {
        if (m_timer)
            ::KillTimer(nullptr, m_timer);
        m_timer = ::SetTimer(nullptr, 0, ms, &TimerProc);
        if (!m_timer)
            throw os_error();
    }

    void OpenStatusDialog(unsigned generation)
    {
        CWnd* owner = m_user->GetOwnerWindow();
        if (!Alive(generation))
            return;
        m_owner = owner ? owner->GetSafeHwnd() : nullptr;
        m_ownerDisabled = m_owner && ::IsWindowEnabled(m_owner);
        if (m_ownerDisabled)
            ::EnableWindow(m_owner, FALSE);
        EndTaskStatusDlg* dialog = new EndTaskStatusDlg(*this);
        m_dialog = dialog;
        m_creating = true;
        const BOOL created = dialog->Create();
        m_creating = false;
        if (!created) {
            // A window destroyed on its way deleted its object already.
            if (m_dialog == dialog)
                delete dialog;
            m_dialog = nullptr;
            EnableOwner();
            AfxThrowResourceException();
        }
        ::KillTimer(nullptr, m_timer);
        m_timer = 0;
    }

    // Gives the owner back its input, and the activation the status dialog
    // held.
    void EnableOwner()
    {
        if (m_ownerDisabled && ::IsWindow(m_owner)) {
            ::EnableWindow(m_owner, TRUE);
            const HWND active = ::GetActiveWindow();
            if (active == m_owner || (m_dialog && active == m_dialog->GetSafeHwnd()))
                ::SetActiveWindow(m_owner);
        }
        m_ownerDisabled = false;
    }

    void OnStatusAnswer(bool endTask) override
    {
        if (!m_dialog)
            return;
        const unsigned generation = s_generation;
        EnableOwner();
        m_closing = true;
        m_dialog->DestroyWindow(); // the user hears of it in OnStatusDialogDestroyed
        if (!Alive(generation))
            return;
        m_closing = false;
        if (endTask) {
            const HANDLE process = m_user->GetProcessHandle();
            if (!Alive(generation))
                return;
            if (process) {
                ::TerminateProcess(process, kTerminatedExitCode);
                m_user->OnProcessTerminated();
                if (!Alive(generation))
                    return;
            }
        }
        StartTimer(g_periodicMs);
    }

    void OnStatusDialogDestroyed() override
    {
        m_dialog = nullptr;
        if (m_creating)
            return;
        User* user = m_user;
        if (m_closing) {
            // Closing or ending: the caller does the rest.
            if (user)
                user->OnStatusDialogClosed();
            return;
        }
        // Destroyed by someone else: as Wait.
        const unsigned generation = s_generation;
        const bool running = s_current == this;
        EnableOwner();
        user->OnStatusDialogClosed();
        if (running && Alive(generation))
            StartTimer(g_periodicMs);
    }

    void TearDown(bool tellUser)
    {
        if (m_timer) {
            ::KillTimer(nullptr, m_timer);
            m_timer = 0;
        }
        User* user = m_user;
        if (tellUser)
            user->m_state = User::kIdle;
        else
            m_user = nullptr;
        if (m_dialog) {
            EnableOwner();
            m_closing = true;
            if (!tellUser)
                m_dialog->Detach();
            m_dialog->DestroyWindow();
        }
        if (tellUser && m_firstTickPassed)
            user->OnWatchdogEnded();
    }

    User* m_user; // null once the user is gone
    bool m_firstTickPassed;
    UINT_PTR m_timer; // 0 while the status dialog is up
    EndTaskStatusDlg* m_dialog;
    HWND m_owner; // kept from the opening, for when the user can no longer be asked
    bool m_ownerDisabled;
    bool m_creating;
    bool m_closing;
};

Watchdog* Watchdog::s_current = nullptr;
unsigned Watchdog::s_generation = 0;

namespace {

void CALLBACK TimerProc(HWND, UINT, UINT_PTR id, DWORD)
{
    Watchdog* watchdog = Watchdog::s_current;
    if (!watchdog || watchdog->Timer() != id) {
        ::KillTimer(nullptr, id);
        return;
    }
    // Nothing may leave a timer callback: failures are reported here.
    try {
        watchdog->Tick();
    } catch (CException* e) {
        e->ReportError();
        e->Delete();
    } catch (const std::exception& e) {
        AfxMessageBox(e.what(), MB_OK | MB_ICONSTOP);
    } catch (...) {
    }
}

} // namespace

User::User() : m_state(kIdle) {}

User::~User()
{
    Watchdog::EndForUser(*this);
}

Manager::Manager(User& user) : m_generation(Watchdog::Start(user)) {}

Manager::~Manager()
{
    try {
        Cancel();
    } catch (...) {
    }
}

void Manager::Cancel()
{
    Watchdog::End(m_generation, true);
}

void SetTickIntervals(unsigned firstMs, unsigned periodicMs)
{
    g_firstMs = firstMs;
    g_periodicMs = periodicMs;
}

} // namespace ProcessKiller
} // namespace Kyvant

// The Indexing Service's administration object ("Microsoft.ISAdm") on this
// or another computer: starting, stopping, pausing and asking the state.
// Every failure raises `_com_error` with the object's error information.
// COM must be initialised on the calling thread.
#pragma once

#include "KyConTool/KyConToolExport.h"
#include "KyStd/Strings/String.h"

namespace Kyvant {
namespace IndexingService {

struct IAdminService;

class KYCONTOOL_API Admin {
public:
    // This computer.
    Admin();
    // The named computer.
    explicit Admin(const ky_I& machine);
    ~Admin();
    Admin(const Admin&) = delete;
    Admin& operator=(const Admin&) = delete;

    void Start();
    // Starts a stopped service, then pauses it unless it is paused already.
    void StartPaused();
    void Stop();
    void Pause();
    void Continue();
    bool Running();
    bool Paused();
    // Neither running nor paused.
    bool Stopped();
    // The name given; empty for this computer.
    const ky_I& Machine() const { return machine_; }

private:
    void Create();
    void Check(long hr);

    IAdminService* admin_;
    ky_I machine_;
};

} // namespace IndexingService
} // namespace Kyvant

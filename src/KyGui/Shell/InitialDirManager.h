// Kyvant::InitialDirManager(2): a file dialog's remembered starting folder, kept in the registry.
#pragma once

#include "KyGui/KyGuiExport.h"
#include "KyGui/Shell/KyFileDialog.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/Registry/RegKey.h"

namespace Kyvant {

class KYGUI_API InitialDirManager {
public:
    // Gives the dialog an initial folder unless it has one; the manager must
    // live until the dialog has returned.
    InitialDirManager(KyFileDialog& dialog, const RegKey& key, const ky_BSB<char>& valueName);
    virtual ~InitialDirManager();
    InitialDirManager(const InitialDirManager&) = delete;
    InitialDirManager& operator=(const InitialDirManager&) = delete;

    // Stores the folder of the chosen file, or the given path as it is.
    void Update() { DoUpdate(nullptr); }
    void Update(const ky_F& path) { DoUpdate(&path); }

    const ky_F& InitialDir() const { return m_initialDir; }

protected:
    // For the derived manager, which picks the key before the folder is set.
    InitialDirManager(KyFileDialog& dialog, const ky_BSB<char>& valueName);
    void SetInitialDir(const RegKey& key);
    virtual void DoUpdate(const ky_F* path);
    ky_F PathToStore(const ky_F* path) const;

    KyFileDialog& m_dialog;
    RegKey m_key;
    ky_BSB<char> m_valueName;
    ky_F m_initialDir;
};

class KYGUI_API InitialDirManager2 : public InitialDirManager {
public:
    // The preferred key's value when it has one, else the fallback key's.
    InitialDirManager2(KyFileDialog& dialog, const RegKey& preferred, const RegKey& fallback,
                       const ky_BSB<char>& valueName);

protected:
    void DoUpdate(const ky_F* path) override;

private:
    RegKey m_preferred;
    RegKey m_fallback;
};

// The string value under the key; empty when missing or unreadable.
KYGUI_API ky_F ReadRegistryPath(const RegKey& key, const char* valueName);

} // namespace Kyvant

// Kyvant::MirrorFile: a file written safely: over an existing target the
// contents go to a temporary file beside it, which replaces the target only
// when complete; a new target that is abandoned is removed again.
#pragma once

#include "KyGuiTool/KyGuiToolExport.h"
#include "KyStd/Files/FileName.h"

#include <afx.h>

namespace Kyvant {

class KYGUITOOL_API MirrorFile : public CStdioFile {
    DECLARE_DYNAMIC(MirrorFile)
public:
    // Opens the file with the mode; a read-only target raises
    // std::runtime_error, a failed open os_error.
    MirrorFile(const ky_F& path, unsigned mode);
    // Abandons a file that was not closed.
    ~MirrorFile() override;

    // The file's reported name, taken as a full path.
    void SetFilePath(LPCSTR lpszNewName) override;
    // Closes and drops what was written: the target stays as it was.
    void Abort() override;
    // Closes and puts the contents in place; failures raise std::runtime_error
    // and leave the target as it was.
    void Close() override;

    const ky_F& GetTargetPath() const { return m_target; }
    // The temporary file while the target is mirrored, else empty.
    const ky_F& GetTempPath() const { return m_temp; }
    bool IsMirrored() const { return m_mirrored; }

private:
    void OpenMirror(unsigned mode);
    void OpenTarget(unsigned mode);
    void RemoveTemp();
    [[noreturn]] void ThrowSaveFailed();

    ky_F m_target;
    ky_F m_temp;
    bool m_mirrored;
    // The target did not exist before: it is removed unless the file is closed.
    bool m_newTarget;
};

} // namespace Kyvant

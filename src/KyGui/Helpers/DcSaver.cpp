// GdiEx::DcSaver: a device context's saved state, restored once.
#include "KyGui/Helpers/GdiEx.h"

namespace Kyvant {
namespace GdiEx {

DcSaver::DcSaver(CDC& dc) : m_dc(dc), m_saved(dc.SaveDC())
{
    if (m_saved == 0)
        AfxThrowResourceException();
}

DcSaver::~DcSaver() { Restore(); }

void DcSaver::Restore()
{
    if (m_saved == 0)
        return;
    m_dc.RestoreDC(m_saved);
    m_saved = 0;
}

} // namespace GdiEx
} // namespace Kyvant

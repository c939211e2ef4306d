#include "StopRequest.h"

namespace vemo5 {

bool StopRequest::requested() const {
    if (m_file && m_probe.fileExists(*m_file)) return true;
    if (!m_afterSeconds || !m_started) return false;
    std::chrono::duration<double> elapsed = m_probe.now() - *m_started;
    return elapsed.count() >= *m_afterSeconds;
}

}  // namespace vemo5

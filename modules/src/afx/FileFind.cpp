#include "afx/FileFind.h"

#include "kvo/Exception.h"

BOOL CFileFind::FindFile(const wchar_t* pszName) {
    m_hasCurrent = false;
    m_find.reset(::FindFirstFileW(pszName, &m_next));
    m_hasNext = static_cast<bool>(m_find);
    return m_hasNext ? TRUE : FALSE;
}

BOOL CFileFind::FindNextFile() {
    KVO_ASSERT(m_hasNext);
    m_current = m_next;
    m_hasCurrent = true;
    m_hasNext = ::FindNextFileW(m_find.get(), &m_next) != FALSE;
    return m_hasNext ? TRUE : FALSE;
}

kvo::String CFileFind::GetFileName() const {
    KVO_ASSERT(m_hasCurrent);
    return kvo::String(m_current.cFileName);
}

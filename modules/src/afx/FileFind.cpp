#include "afx/FileFind.h"

#include <string>

#include "kvo/Exception.h"

namespace {

// The full folder of a pattern such as "dir\*.kbl" or "*.kbl", with a trailing separator.
kvo::String rootOf(const wchar_t* pattern) {
    const DWORD needed = ::GetFullPathNameW(pattern, 0, nullptr, nullptr);
    if (needed == 0) return kvo::String();
    std::wstring full(needed, L'\0');
    const DWORD length = ::GetFullPathNameW(pattern, needed, full.data(), nullptr);
    full.resize(length);
    const auto separator = full.find_last_of(L"\\/");
    return kvo::String(full.substr(0, separator == std::wstring::npos ? 0 : separator + 1));
}

}  // namespace

BOOL CFileFind::FindFile(const wchar_t* pszName) {
    Close();
    m_find.reset(::FindFirstFileW(pszName, &m_next));
    if (!m_find) return FALSE;
    m_root = rootOf(pszName);
    m_hasNext = true;
    return TRUE;
}

BOOL CFileFind::FindNextFile() {
    KVO_ASSERT(m_hasNext);
    m_current = m_next;
    m_hasCurrent = true;
    m_hasNext = ::FindNextFileW(m_find.get(), &m_next) != FALSE;
    return m_hasNext ? TRUE : FALSE;
}

void CFileFind::Close() {
    m_find.reset();
    m_root = kvo::String();
    m_hasNext = false;
    m_hasCurrent = false;
}

const WIN32_FIND_DATAW& CFileFind::current() const {
    KVO_ASSERT(m_hasCurrent);
    return m_current;
}

kvo::String CFileFind::GetFileName() const { return kvo::String(current().cFileName); }

kvo::String CFileFind::GetFilePath() const { return m_root + GetFileName(); }

BOOL CFileFind::IsDirectory() const { return (current().dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }

BOOL CFileFind::IsDots() const {
    const std::wstring name = current().cFileName;
    return IsDirectory() && (name == L"." || name == L"..");
}

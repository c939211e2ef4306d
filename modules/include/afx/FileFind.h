#pragma once
// Files of a folder matching a pattern, in the order the file system gives them:
//
//   CFileFind finder;
//   BOOL more = finder.FindFile(L"C:\\layouts\\*.kbl");
//   while (more) {
//       more = finder.FindNextFile();
//       use(finder.GetFileName());
//   }
#include <windows.h>

#include "afx/ScopedWin.h"
#include "kvo/String.h"

class CFileFind {
public:
    CFileFind() = default;
    CFileFind(const CFileFind&) = delete;
    CFileFind& operator=(const CFileFind&) = delete;

    // Starts a search; TRUE when at least one name matches.
    BOOL FindFile(const wchar_t* pszName = L"*.*");
    // Steps to the next match; FALSE when that match is the last one.
    // Call it once before reading the first match.
    BOOL FindNextFile();

    // The name FindNextFile stepped to (kvo::AssertionFailure before that).
    kvo::String GetFileName() const;

private:
    afx::ScopedFindHandle m_find;
    WIN32_FIND_DATAW m_next{};
    WIN32_FIND_DATAW m_current{};
    bool m_hasNext = false;
    bool m_hasCurrent = false;
};

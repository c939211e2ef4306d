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

    // Starts a search; TRUE when at least one name matches. A relative
    // pattern is taken from the current directory at this call.
    BOOL FindFile(const wchar_t* pszName = L"*.*");
    // Steps to the next match; FALSE when that match is the last one.
    // Call it once before reading the first match.
    BOOL FindNextFile();
    void Close();

    // About the match FindNextFile stepped to (kvo::AssertionFailure before that).
    kvo::String GetFileName() const;
    kvo::String GetFilePath() const;
    // The folder of the pattern, as a full path ending in a separator.
    const kvo::String& GetRoot() const { return m_root; }
    BOOL IsDirectory() const;
    // "." or "..".
    BOOL IsDots() const;

private:
    const WIN32_FIND_DATAW& current() const;

    afx::ScopedFindHandle m_find;
    kvo::String m_root;
    WIN32_FIND_DATAW m_next{};
    WIN32_FIND_DATAW m_current{};
    bool m_hasNext = false;
    bool m_hasCurrent = false;
};

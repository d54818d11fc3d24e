#pragma once

#include <deque>
#include <string>

// The names of the window classes the framework registered. The names handed out stay valid as long as
// the store: a deque never moves its elements when it grows.
class CWndClassNameStore {
public:
    const wchar_t* Find(const std::wstring& name) const {
        for (const std::wstring& stored : m_names) {
            if (stored == name) {
                return stored.c_str();
            }
        }
        return nullptr;
    }

    const wchar_t* Add(const std::wstring& name) { return m_names.emplace_back(name).c_str(); }

private:
    std::deque<std::wstring> m_names;
};

#pragma once

#include <memory>
#include <string>

namespace ostrel
{

// A shared library opened at run time, for a system service the engine only probes (the X
// display, the sound device) without linking what provides it. Closed when destroyed.
class SharedLibrary
{
public:
    // Opens the library by its file name (libX11.so.6, say); isOpen() tells whether it did.
    explicit SharedLibrary(const std::string& name);

    bool isOpen() const { return m_handle != nullptr; }
    // The address of a symbol of the library, or null.
    void* symbol(const char* name) const;

private:
    struct Closer
    {
        void operator()(void* handle) const;
    };
    std::unique_ptr<void, Closer> m_handle;
};

// Whether a library's `open(nullptr)` gives the default resource it stands for (an X display,
// a sound device), which `close` then gives back. True when the library or either function
// is missing, so that the caller's own attempt decides. CloseResult is what `close` returns.
template <typename CloseResult>
bool defaultResourceOpens(const std::string& library, const char* open, const char* close)
{
    const SharedLibrary shared(library);
    const auto open_function = reinterpret_cast<void* (*)(const char*)>(shared.symbol(open));
    const auto close_function = reinterpret_cast<CloseResult (*)(void*)>(shared.symbol(close));
    if (open_function == nullptr || close_function == nullptr)
    {
        return true;
    }
    void* resource = open_function(nullptr);
    if (resource == nullptr)
    {
        return false;
    }
    close_function(resource);
    return true;
}

} // namespace ostrel
